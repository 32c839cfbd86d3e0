#include "orvanel/display/form3_chart.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>

#include "orvanel/astro/chart.h"
#include "orvanel/display/chart_texts.h"
#include "orvanel/display/chart_wheel.h"
#include "orvanel/display/wheel_picture.h"
#include "orvanel/report/report_commands.h"
#include "orvanel/shell/fault_guard.h"
#include "orvanel/shell/form_controls.h"
#include "orvanel/shell/session.h"
#include "orvanel/shell/windows.h"
#include "surface/choice_list.h"
#include "surface/dialogs.h"
#include "surface/export_menu.h"
#include "surface/fonts.h"
#include "surface/picture_widget.h"

namespace orvanel {

namespace {
const QString kCaption = QStringLiteral("Análisis individuales");

QFont Astrol(double points) {
    return surface::DesignFont(QStringLiteral("Astrol"), points, false, false);
}
}  // namespace

Form3Chart::Form3Chart(Windows& windows) : WorkingWindow(windows, "Form3", 11880, 8310) {
    setWindowTitle(QStringLiteral("Carta Astral"));
    QWidget* client = Client();
    picture_ =
        AddWheelPicture(client, {0, -15, kChartPictureTwips, kChartPictureTwips}, kChartGlyphPoints,
                        QStringLiteral("Rueda de la carta astral"),
                        QStringLiteral("Los signos, las casas y los planetas del sujeto con las líneas de "
                                       "sus aspectos; un clic pone allí un Ascendente nuevo"));
    picture_->setToolTip(QStringLiteral("Nuevo ascendente"));
    connect(picture_, &surface::PictureWidget::mouseDown, this,
            [this](int button, double x, double y) { Picture1_MouseDown(button, x, y); });

    list_ = AddList(client, "List1", {8490, 570, 1590, 6510}, Astrol(14.25), Qt::white, Qt::black);
    const QFont sans = surface::DesignFont(QStringLiteral("MS Sans Serif"), 8.25, false, false);
    AddLabel(client, "Label4", QStringLiteral("Aspectos                           Planetas"),
             {8775, 165, 2730, 255}, sans, QApplication::palette().color(QPalette::HighlightedText),
             Align::Left);
    points_ =
        AddLabel(client, "Label1", QString(), {10440, 570, 1260, 3135}, Astrol(12), Qt::white, Align::Left);
    AddLabel(client, "Label7", QStringLiteral("Casas"), {10380, 3900, 1335, 255}, sans, Qt::white,
             Align::Centre);
    houses_ =
        AddLabel(client, "Label8", QString(), {10515, 4320, 1170, 2895}, Astrol(12), Qt::white, Align::Left);

    AddMenuItem("mnuVectores", QStringLiteral("           &Vectores"),
                [this] { windows_.Open(WindowId::Vectors, WindowId::Chart); });
    AddMenuItem("mnuSinastrias", QStringLiteral("           Sinas&trias"),
                [this] { windows_.StartSynastry(WindowId::Chart); });
    AddMenuItem("mnuOpciones", QStringLiteral("           Sujetos y &Opciones"),
                [this] { windows_.ShowMainMenu(WindowId::Chart); });
    QMenu* exportMenu = surface::AddExportMenu(this, QStringLiteral("           "),
                                               [this] { return surface::ExportList{&picture_->Surface()}; });
    AddSubjectReportCommands(exportMenu, windows_.State(),
                             [this] { return windows_.State().program.CurrentSubject; });
}

void Form3Chart::ShowChartWindow() {
    const Program& p = windows_.State().program;
    const bool present =
        p.CurrentSubject >= 0 && p.CurrentSubject < kSlotCount && !SlotAt(p, p.CurrentSubject).title.empty();
    if (!present) {
        surface::UseDialogs().Message(QStringLiteral("No hay escogido ningún sujeto"), kCaption,
                                      surface::Buttons::Ok);
        return;
    }
    OpenUnchecked(WindowId::MainMenu);
}

void Form3Chart::OpenUnchecked(WindowId from) {
    windows_.Move(from, WindowId::Chart);
    RunGuarded(kCaption, [this] { Draw(); });
}

void Form3Chart::Draw() {
    const ChartSlot& chart = SlotAt(windows_.State().program, windows_.State().program.CurrentSubject);
    DrawChartWheel(picture_->Surface(), chart, kChartWheelRadius);
    const PositionCaptions captions = PositionLabelTexts(chart);
    SetCaption(points_, captions.points);
    SetCaption(houses_, captions.houses);
    FillList(list_, AspectListItems(chart));
}

void Form3Chart::Picture1_MouseDown(int, double x, double y) {
    Program& p = windows_.State().program;
    const bool recomputed = RunGuarded(kCaption, [&] {
        Program trial = p;
        const std::int16_t a = ClickedAscendant(SlotAt(trial, trial.CurrentSubject).ascendant, x, y);
        trial.AscendantOverride = static_cast<std::int16_t>(a + 1000);
        RecomputeChart(trial);
        p = std::move(trial);
    });
    if (recomputed) ShowChartWindow();
}

}  // namespace orvanel
