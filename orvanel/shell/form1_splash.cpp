#include "orvanel/shell/form1_splash.h"

#include <QCloseEvent>
#include <QLabel>

#include "orvanel/shell/form_controls.h"
#include "orvanel/shell/label_menu.h"
#include "orvanel/shell/windows.h"
#include "surface/fonts.h"

namespace orvanel {

namespace {
const QColor kRed(255, 0, 0);
}

Form1Splash::Form1Splash(Windows& windows) : windows_(windows) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Zentavia"));
    SetUpClientArea(this, 11880, 8595);

    const QFont sans = surface::DesignFont(QStringLiteral("MS Sans Serif"), 13.5, false, false);
    QLabel* name = AddLabel(this, "Label1", QStringLiteral("Zentavia"), {3255, 2220, 5370, 2610},
                            surface::DesignFont(QStringLiteral("Monotype Corsiva"), 48, true, true), kRed,
                            Align::Centre);
    QLabel* purpose = AddLabel(this, "Label2", QStringLiteral("Programa para diagnósticos por vectores"),
                               {2700, 5655, 6480, 465}, sans, QColor(0, 192, 192), Align::Centre);
    QLabel* enter = AddLabel(this, "Label3", QStringLiteral("Entrar"), {5198, 6720, 1485, 540},
                             surface::DesignFont(QStringLiteral("MS Sans Serif"), 18, false, false),
                             QColor(255, 255, 192), Align::Centre);

    auto* menu = new LabelMenu(this);
    menu->Add(name, kRed, std::nullopt);
    menu->Add(purpose, QColor(0, 192, 192), std::nullopt);
    menu->Add(enter, QColor(255, 255, 192), kRed,
              [this] { windows_.Move(WindowId::Splash, WindowId::MainMenu); });
}

void Form1Splash::closeEvent(QCloseEvent* event) {
    event->accept();
    windows_.EndProgram();
}

}  // namespace orvanel
