#include "orvanel/shell/form2_main_menu.h"

#include <QCloseEvent>
#include <QLabel>

#include "orvanel/shell/date_entry.h"
#include "orvanel/shell/form_controls.h"
#include "orvanel/shell/label_menu.h"
#include "orvanel/shell/session.h"
#include "orvanel/shell/windows.h"
#include "surface/fonts.h"

namespace orvanel {

namespace {
const QColor kCyan(0, 255, 255);
const QColor kPaleYellow(255, 255, 128);

QFont Sans(double points, bool bold = false) {
    return surface::DesignFont(QStringLiteral("MS Sans Serif"), points, bold, false);
}
}  // namespace

Form2MainMenu::Form2MainMenu(Windows& windows) : windows_(windows) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Zentavia"));
    SetUpClientArea(this, 11880, 8595);
    auto* menu = new LabelMenu(this);

    QLabel* heading =
        AddLabel(this, "Label9", QStringLiteral(" Sujetos y opciones"), {4275, 1830, 3330, 3615},
                 surface::DesignFont(QStringLiteral("Monotype Corsiva"), 48, true, true), QColor(255, 0, 0),
                 Align::Centre);
    menu->Add(heading, QColor(255, 0, 0), std::nullopt);

    const auto entry = [&](const char* name, const char* caption, QRect twips, const QFont& font, QColor rest,
                           QColor hover, std::function<void()> action) {
        QLabel* label = AddLabel(this, name, QString::fromUtf8(caption), twips, font, rest, Align::Centre);
        menu->Add(label, rest, hover, std::move(action));
    };
    entry("Label12", "Datos de la fecha", {5295, 660, 1290, 615}, Sans(12, true), QColor(192, 192, 255),
          kPaleYellow, [this] { EnterDate(windows_.State()); });
    entry("Label1", "Carta Astral", {1680, 6000, 1455, 450}, Sans(13.5), kCyan, kPaleYellow,
          [this] { Label1_Click(); });
    entry("Label4", "Sinastrías", {8790, 6000, 1335, 450}, Sans(13.5), kCyan, kPaleYellow,
          [this] { Label4_Click(); });
    entry("Label2", "Salir del programa", {5333, 7650, 1215, 750}, Sans(13.5), kPaleYellow,
          QColor(255, 0, 255), [this] { windows_.EndProgram(); });
    // The register of subjects, beside the date entry; and the cycles window. Each is reached from
    // here once it is installed.
    if (windows_.HasOpener(WindowId::Subjects)) {
        entry("Label13", "Sujetos guardados", {1762, 660, 1290, 615}, Sans(12, true), QColor(192, 192, 255),
              kPaleYellow, [this] { windows_.Open(WindowId::Subjects, WindowId::MainMenu); });
    }
    if (windows_.HasOpener(WindowId::Cycles)) {
        entry("Label5", "Ciclos planetarios", {4590, 6000, 2700, 450}, Sans(13.5), kCyan, kPaleYellow,
              [this] { windows_.Open(WindowId::Cycles, WindowId::MainMenu); });
    }
}

void Form2MainMenu::Label1_Click() {
    windows_.State().program.CurrentSubject = 1;
    windows_.ShowChartWindow();
}

void Form2MainMenu::Label4_Click() {
    Program& p = windows_.State().program;
    p.CurrentSubject = static_cast<std::int16_t>(3 - p.CurrentSubject);
    p.SynastryBase = p.CurrentSubject;
    windows_.StartSynastry(WindowId::MainMenu);
}

void Form2MainMenu::closeEvent(QCloseEvent* event) {
    event->accept();
    windows_.EndProgram();
}

}  // namespace orvanel
