// Orvanel: the start-up, then the splash window; the event loop runs until the program is ended.
#include <QApplication>

#include "conceptplane/data_folder.h"
#include "orvanel/shell/form1_splash.h"
#include "orvanel/shell/session.h"
#include "orvanel/shell/windows.h"
#include "surface/fonts.h"
#include "surface/qt_spanish.h"
#include "surface/shared_access_keys.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The user's data folder (the register of subjects) is named for the program, as orvanel-calc names it.
    QApplication::setApplicationName(QStringLiteral("orvanel"));
    // Closing a window ends the program only where the windows say so.
    QApplication::setQuitOnLastWindowClosed(false);
    surface::LoadFonts();
    surface::LoadQtSpanish();
    surface::ShareAccessKeysClassically();
    orvanel::Session session(cp::ResolveDataFolder());
    orvanel::Windows windows(session);
    windows.Splash().show();
    return QApplication::exec();
}
