// orvanel-calc: the headless companion of Orvanel and rorev; runs one command line and prints JSON,
// writing the pictures and reports asked for with Qt.
#include <QCoreApplication>
#include <iostream>
#include <string>
#include <vector>

#include "command.h"
#include "conceptplane/data_folder.h"
#include "orvanel/register/register_location.h"
#include "orvanel/report/report_file.h"
#include "qt_picture_writer.h"
#include "qt_runtime.h"
#include "report_output.h"

int main(int argc, char** argv) {
    // The register is found where Orvanel keeps it: the data folder of the application "orvanel".
    QCoreApplication::setApplicationName(QStringLiteral("orvanel"));
    calc::QtRuntime qt;
    calc::QtPictureWriter pictures(qt);
    calc::SetPictureWriter([&pictures](const calc::Picture& picture, const calc::PictureFile& file) {
        return pictures.Write(picture, file);
    });
    calc::SetReportWriter([&qt](const orvanel::report::Document& document, const std::string& path) {
        qt.Start();
        return orvanel::report::WriteReportPdf(document, QString::fromStdString(path));
    });
    // Standard input and output buffered by the streams alone: batch reads and writes in large blocks
    // and can tell when no further input is waiting.
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> words(argv + 1, argv + argc);
    const int status = calc::RunCommandLine(words, std::cin, std::cout, std::cerr, cp::ResolveDataFolder(),
                                            orvanel::subjects::DefaultRegisterPath());
    calc::SetReportWriter({});
    calc::SetPictureWriter({});
    return status;
}
