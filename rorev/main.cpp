// rorev: opens the concept table of the data folder and shows the main window.
#include <QApplication>

#include "conceptplane/data_folder.h"
#include "rorev/form1_main.h"
#include "rorev/open_concepts.h"
#include "surface/fonts.h"
#include "surface/qt_spanish.h"
#include "surface/shared_access_keys.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);  // only the windows that end the program do so
    surface::LoadFonts();
    surface::LoadQtSpanish();
    surface::ShareAccessKeysClassically();
    rorev::Form1 form1(rorev::OpenConcepts(cp::DataPath(cp::ResolveDataFolder(), "concptos.txt")));
    form1.show();
    return QApplication::exec();
}
