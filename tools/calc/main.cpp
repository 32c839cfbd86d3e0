// orvanel-calc: the headless companion of Orvanel and rorev; runs one command line and prints JSON.
// Pictures and reports are written by the writers module, loaded when the first one is asked for.
#include <QCoreApplication>
#include <iostream>
#include <string>
#include <vector>

#include "command.h"
#include "conceptplane/data_folder.h"
#include "orvanel/register/register_location.h"
#include "picture_output.h"
#include "report_output.h"
#include "writer_module.h"

int main(int argc, char** argv) {
    // The register is found where Orvanel keeps it: the data folder of the application "orvanel".
    QCoreApplication::setApplicationName(QStringLiteral("orvanel"));
    calc::WriterModule writers;
    calc::InstallWriters(writers);
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
