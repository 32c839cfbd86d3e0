// orvanel-calc: the headless companion of Orvanel and rorev; runs one command line and prints JSON,
// writing the pictures asked for with Qt.
#include <QCoreApplication>
#include <iostream>
#include <string>
#include <vector>

#include "command.h"
#include "conceptplane/data_folder.h"
#include "orvanel/register/register_location.h"
#include "qt_picture_writer.h"

int main(int argc, char** argv) {
    // The register is found where Orvanel keeps it: the data folder of the application "orvanel".
    QCoreApplication::setApplicationName(QStringLiteral("orvanel"));
    calc::QtPictureWriter pictures;
    calc::SetPictureWriter([&pictures](const calc::Picture& picture, const calc::PictureFile& file) {
        return pictures.Write(picture, file);
    });
    const std::vector<std::string> words(argv + 1, argv + argc);
    const int status = calc::RunCommandLine(words, std::cin, std::cout, std::cerr, cp::ResolveDataFolder(),
                                            orvanel::subjects::DefaultRegisterPath());
    calc::SetPictureWriter({});
    return status;
}
