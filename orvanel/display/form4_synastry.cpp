#include "orvanel/display/form4_synastry.h"

#include <QLabel>

#include "orvanel/display/chart_texts.h"
#include "orvanel/display/cross_aspect_texts.h"
#include "orvanel/display/synastry_wheel.h"
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

const QString kCaption = QStringLiteral("Comparación de sujetos");
const QColor kPaleYellow(255, 255, 128);
const QColor kYellow(255, 255, 0);

QFont Sans() {
    return surface::DesignFont(QStringLiteral("MS Sans Serif"), 8.25, false, false);
}
QFont Astrol12() {
    return surface::DesignFont(QStringLiteral("Astrol"), 12, false, false);
}

// A subject's column: its heading, its points and its house cusps.
struct ColumnDesign {
    const char* heading = nullptr;
    QRect headingTwips;
    const char* points = nullptr;
    QRect pointsTwips;
    const char* casas = nullptr;
    QRect casasTwips;
    const char* houses = nullptr;
    QRect housesTwips;
};

void SetColumn(QLabel* heading, QLabel* points, QLabel* houses, const ChartSlot& chart) {
    SetCaption(heading, U"Planetas de " + cp::Text(kCaptionBreak) + chart.title);
    const PositionCaptions captions = PositionLabelTexts(chart);
    SetCaption(points, captions.points);
    SetCaption(houses, captions.houses);
}

}  // namespace

Form4Synastry::Form4Synastry(Windows& windows) : WorkingWindow(windows, "Form4", 11880, 8310) {
    setWindowTitle(QStringLiteral("Form4"));
    QWidget* client = Client();
    picture_ = AddWheelPicture(client, {1800, 0, kSynastryPictureTwips, kSynastryPictureTwips},
                               kSynastryGlyphPoints, QStringLiteral("Rueda de la sinastría"),
                               QStringLiteral("La carta de un sujeto dentro, y alrededor los planetas y las "
                                              "casas del otro"));

    const auto column = [&](const ColumnDesign& d, QLabel*& heading, QLabel*& points, QLabel*& houses) {
        heading = AddLabel(client, d.heading, QStringLiteral("Planetas"), d.headingTwips, Sans(), kPaleYellow,
                           Align::Centre);
        points = AddLabel(client, d.points, QString(), d.pointsTwips, Astrol12(), Qt::white, Align::Left);
        AddLabel(client, d.casas, QStringLiteral("Casas"), d.casasTwips, Sans(), kYellow, Align::Centre);
        houses = AddLabel(client, d.houses, QString(), d.housesTwips, Astrol12(), Qt::white, Align::Left);
    };
    column({"Label10",
            {180, 330, 1320, 570},
            "Label11",
            {255, 1155, 1260, 2895},
            "Label15",
            {135, 4590, 1335, 255},
            "Label16",
            {270, 5025, 1290, 2895}},
           innerHeading_, innerPoints_, innerHouses_);
    column({"Label1",
            {10185, 345, 1440, 570},
            "Label2",
            {10365, 1140, 1305, 2895},
            "Label6",
            {10320, 4590, 1335, 255},
            "Label7",
            {10425, 5025, 1275, 2895}},
           outerHeading_, outerPoints_, outerHouses_);

    const QFont courier = surface::DesignFont(QStringLiteral("Courier"), 12, false, false);
    crossHeading_ = AddLabel(client, "Label19", QString(), {990, 300, 5955, 375},
                             surface::DesignFont(QStringLiteral("Courier"), 12, true, false),
                             QColor(255, 255, 192), Align::Left);
    SetBackColour(crossHeading_, Qt::black);
    crossHeading_->setWordWrap(false);
    crossList_ = AddList(client, "List1", {840, 720, 6255, 5580}, courier, Qt::black, Qt::white);
    connect(crossList_, &surface::ChoiceList::chosen, this, [this] { List1_Click(); });
    HideCrossList();

    AddMenuItem("mnuAlternar", QStringLiteral("           &Alternar sinastrias"),
                [this] { mnuAlternar_Click(); });
    AddMenuItem("mnuCruzados", QStringLiteral("           Aspectos &cruzados"),
                [this] { mnuCruzados_Click(); });
    AddMenuItem("mnuVectoresdos", QStringLiteral("           &Vectores de dos"),
                [this] { windows_.Open(WindowId::VectorsTwo, WindowId::Synastry); });
    AddMenuItem("mnuCarta", QStringLiteral("           &Carta Astral"), [this] { mnuCarta_Click(); });
    AddMenuItem("mnuOpciones", QStringLiteral("           Sujetos y &Opciones"),
                [this] { windows_.ShowMainMenu(WindowId::Synastry); });
    // The cycles window is reached from here too once it is installed.
    if (windows_.HasOpener(WindowId::Cycles)) {
        AddMenuItem("mnuCiclos", QStringLiteral("           C&iclos planetarios"),
                    [this] { windows_.Open(WindowId::Cycles, WindowId::Synastry); });
    }
    QMenu* exportMenu = surface::AddExportMenu(this, QStringLiteral("           "),
                                               [this] { return surface::ExportList{&picture_->Surface()}; });
    AddSynastryReportCommands(exportMenu, windows_.State());
}

bool Form4Synastry::StartSynastry(WindowId caller) {
    const Program& p = windows_.State().program;
    const bool first = !SlotAt(p, 1).title.empty(), second = !SlotAt(p, 2).title.empty();
    const auto tell = [](const char* text) {
        surface::UseDialogs().Message(QString::fromUtf8(text), kCaption, surface::Buttons::Ok);
    };
    if (!first) tell("No hay escogido sujeto principal");
    if (!second) tell("No hay escogido sujeto a comparar");
    if (!first || !second) return false;
    windows_.Move(caller, WindowId::Synastry);
    DrawSynastry();
    return true;
}

void Form4Synastry::DrawSynastry() {
    Program& p = windows_.State().program;
    // Only subjects 1 and 2 can be inside; any other current slot draws subject 1 inside.
    const std::int16_t inner = p.CurrentSubject == 2 ? 2 : 1;
    const std::int16_t outer = static_cast<std::int16_t>(3 - inner);
    const ChartSlot& s = SlotAt(p, inner);
    const ChartSlot& o = SlotAt(p, outer);
    setWindowTitle(ToQt(U"Sinastría entre " + s.title + U" (dentro)  y " + o.title + U" (fuera)"));
    RunGuarded(kCaption, [&] { DrawSynastryWheel(picture_->Surface(), s, o); });
    SetColumn(innerHeading_, innerPoints_, innerHouses_, s);
    SetColumn(outerHeading_, outerPoints_, outerHouses_, o);
    p.CurrentSubject = outer;
}

void Form4Synastry::HideCrossList() {
    crossList_->hide();
    crossHeading_->hide();
}

void Form4Synastry::mnuAlternar_Click() {
    Program& p = windows_.State().program;
    p.SynastryBase = static_cast<std::int16_t>(3 - p.SynastryBase);
    HideCrossList();
    if (p.CurrentSubject == 3) p.CurrentSubject = 1;
    DrawSynastry();
}

void Form4Synastry::mnuCruzados_Click() {
    CrossAspectList cross;
    if (!RunGuarded(kCaption, [&] { cross = ListCrossAspects(windows_.State().program); })) return;
    FillList(crossList_, cross.items);
    SetCaption(crossHeading_, cross.heading);
    crossList_->show();
    crossHeading_->show();
}

void Form4Synastry::List1_Click() {
    Program& p = windows_.State().program;
    p.CurrentSubject = static_cast<std::int16_t>(3 - p.CurrentSubject);
    HideCrossList();
    DrawSynastry();
}

void Form4Synastry::mnuCarta_Click() {
    Program& p = windows_.State().program;
    p.CurrentSubject = static_cast<std::int16_t>(3 - p.CurrentSubject);
    windows_.ShowChartWindow();
    hide();
}

}  // namespace orvanel
