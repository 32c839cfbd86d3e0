#include "orvanel/vectors/form7_vectors.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include "conceptplane/template.h"
#include "orvanel/display/chart_texts.h"
#include "orvanel/report/report_commands.h"
#include "orvanel/shell/fault_guard.h"
#include "orvanel/shell/form_controls.h"
#include "orvanel/shell/session.h"
#include "orvanel/shell/tables.h"
#include "orvanel/shell/windows.h"
#include "orvanel/vectors/plane_controls.h"
#include "orvanel/vectors/plane_session.h"
#include "surface/choice_list.h"
#include "surface/export_menu.h"
#include "surface/fonts.h"
#include "surface/picture_widget.h"
#include "surface/twips.h"

namespace orvanel {

namespace {

const QString kWindowCaption = QStringLiteral("Vectores");
const QString kSunNote = QStringLiteral("El Sol no tiene término propio: solo su posición");
const QString kAnalysisCaption = QStringLiteral("Analizar vectores");
const QColor kPale(255, 255, 192);

struct ModeDesign {
    cp::PlaneMode mode;
    const char* caption;
    bool hidesBodyList;
};
constexpr ModeDesign kModes[] = {{cp::PlaneMode::Sum, "Sumar  vectores", false},
                                 {cp::PlaneMode::Remainder, "Vector restante", false},
                                 {cp::PlaneMode::Line, "Conceptos en la recta", true}};

const ModeDesign& DesignOf(cp::PlaneMode mode) {
    for (const ModeDesign& d : kModes) {
        if (d.mode == mode) return d;
    }
    return kModes[0];
}

QFont Font(const char* family, double points) {
    return surface::DesignFont(QString::fromLatin1(family), points, false, false);
}

QLineEdit* AddReadout(QWidget* parent, const char* name, const char* text, QRect twips) {
    auto* box = new QLineEdit(QString::fromUtf8(text), parent);
    box->setObjectName(QLatin1String(name));
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    box->setFont(Font("MS Sans Serif", 8.25));
    surface::PlaceTwips(box, twips.left(), twips.top(), twips.width(), twips.height());
    return box;
}

}  // namespace

Form7Vectors::Form7Vectors(Windows& windows, PlaneSession& plane)
    : WorkingWindow(windows, "Form7", 11880, 8310), plane_(plane) {
    setWindowTitle(QStringLiteral("Vectores"));
    BuildControls();
    BuildMenus();
    // Form_Load: the plane drawn once with the flags as they stand.
    RunGuarded(kWindowCaption, [this] { Redraw(); });
}

void Form7Vectors::BuildControls() {
    QWidget* client = Client();
    picture1_ = AddPlanePicture(client, "Picture1", {0, 0, kPlanePictureTwips, kPlanePictureTwips},
                                kPlaneGlyphPoints);
    connect(picture1_, &surface::PictureWidget::mouseDown, this,
            [this](int button, double x, double y) { Picture1_MouseDown(button, x, y); });
    connect(picture1_, &surface::PictureWidget::mouseMove, this,
            [this](int, double x, double y) { Picture1_MouseMove(x, y); });
    picture2_ = AddZoomBox(client, "Picture2", {8430, 60, 3390, 3390});

    readouts_[0] = AddReadout(client, "Text1", " X =", {8430, 3540, 1665, 315});
    readouts_[1] = AddReadout(client, "Text2", " Y =", {10155, 3540, 1665, 315});
    readouts_[2] = AddReadout(client, "Text3", " Grados = ", {8430, 3900, 1665, 315});
    readouts_[3] = AddReadout(client, "Text4", " Radio =", {10155, 3900, 1665, 315});

    AddLabel(client, "Label2", QStringLiteral("Zoom"), {8430, 4380, 900, 300}, Font("MS Sans Serif", 8.25),
             Qt::white, Align::Left);
    AddButton(client, "Command2", QStringLiteral("-"), {9390, 4320, 600, 390}, [this] { Command2_Click(); });
    AddButton(client, "Command3", QStringLiteral("+"), {10050, 4320, 600, 390}, [this] { Command3_Click(); });
    label1_ = AddLabel(client, "Label1", QString(), {8430, 4800, 3390, 660}, Font("MS Sans Serif", 13.5),
                       kPale, Align::Left);

    const QRect lists{8430, 5520, 3390, 2760};
    list5_ = AddList(client, "List5", {8430, 5520, 1860, 2760}, Font("Astrol", 14.25), Qt::white, Qt::black);
    list3_ = AddList(client, "List3", {8430, 5520, 1860, 2760}, Font("Astrol", 14.25), Qt::white, Qt::black);
    list3_->hide();
    listaPlanetas_ =
        AddList(client, "ListaPlanetas", {10380, 5520, 1440, 2760}, Font("Astrol", 12), Qt::white, Qt::black);
    for (int k = 1; k <= kMovingPoints; ++k)
        listaPlanetas_->addItem(ToQt(GlyphAt(PointGlyphs, k)));
    listaPlanetas_->hide();
    connect(listaPlanetas_, &surface::ChoiceList::chosen, this,
            [this](const QString& glyph) { ListaPlanetas_Click(glyph); });

    list1_ = AddList(client, "List1", lists, Font("Courier", 9.75), Qt::black, Qt::white);
    list1_->hide();
    list4_ = AddList(client, "List4", {240, 240, 7830, 7830}, Font("Courier", 9.75), Qt::black, Qt::white);
    list4_->hide();
    connect(list4_, &surface::ChoiceList::chosen, this, [this] { list4_->hide(); });
}

void Form7Vectors::BuildMenus() {
    AddMenuItem("mnuAstrales", QStringLiteral("&Conceptos astrales"), [this] { mnuAstrales_Click(); });
    AddMenuItem("mnuSumar", QStringLiteral("Su&mar vectores"), [this] { ChooseMode(cp::PlaneMode::Sum); });
    AddMenuItem("mnuRestar", QStringLiteral("Vector &Restante"),
                [this] { ChooseMode(cp::PlaneMode::Remainder); });
    AddMenuItem("mnuAnalizar", QStringLiteral("&Analizar vectores"), [this] { mnuAnalizar_Click(); });
    AddMenuItem("mnuRecta", QStringLiteral("Conceptos en la &recta"),
                [this] { ChooseMode(cp::PlaneMode::Line); });
    AddMenuItem("mnuCarta", QStringLiteral("Carta As&tral"), [this] {
        list1_->hide();
        windows_.OpenChart(WindowId::Vectors);
    });
    // The subjects are checked before this window is left, so that a missing one keeps it open.
    AddMenuItem("mnuSinastrias", QStringLiteral("Sinas&trías"),
                [this] { windows_.StartSynastry(WindowId::Vectors); });
    AddMenuItem("mnuOpciones", QStringLiteral("Su&jetos y opciones"),
                [this] { windows_.ShowMainMenu(WindowId::Vectors); });
    QMenu* exportMenu = surface::AddExportMenu(this, QString(),
                                               [this] { return surface::ExportList{&picture1_->Surface()}; });
    AddSubjectReportCommands(exportMenu, windows_.State(), [this] { return plane_.FixedSubject(); });
}

void Form7Vectors::Redraw() {
    plane_.Redraw(picture1_->Surface());
}

QString Form7Vectors::Caption() const {
    return modeCaption_.isEmpty() ? kWindowCaption : modeCaption_;
}

void Form7Vectors::OpenFromChart(WindowId from) {
    RunGuarded(kWindowCaption, [&] {
        const ChartSlot& chart = SlotAt(plane_.program, plane_.program.CurrentSubject);
        list1_->hide();
        list3_->hide();
        list4_->hide();
        list5_->show();
        label1_->show();
        plane_.ResetForChart();
        setWindowTitle(ToQt(U"Vectores  de  " + chart.title + U"   " + chart.dateText));
        FillList(list5_, AspectListItems(chart));
        windows_.Move(from, WindowId::Vectors);
        // The opening always shows the glyphs, whatever GlyphsShown says for later redraws.
        cp::PlaneTarget target =
            plane_.Target(picture1_->Surface(), std::nullopt, ChartLayerFlags{true, true});
        cp::DrawTemplate(target, plane_.workspace);
    });
}

void Form7Vectors::mnuAstrales_Click() {
    std::vector<cp::Text> items;
    if (!RunGuarded(kWindowCaption, [&] { items = plane_.AstralConcepts(); })) return;
    FillList(list4_, items);
    list4_->show();
    list4_->raise();
}

void Form7Vectors::ChooseMode(cp::PlaneMode mode) {
    const ModeDesign& design = DesignOf(mode);
    plane_.SubjectFix();
    modeCaption_ = QString::fromUtf8(design.caption);
    label1_->setText(modeCaption_);
    label1_->show();
    plane_.program.ChartVectorsShown = true;
    plane_.program.GlyphsShown = true;
    list1_->hide();
    list4_->hide();
    if (design.hidesBodyList) listaPlanetas_->hide();
    RunGuarded(Caption(), [&] {
        cp::PlaneTarget target = plane_.Target(picture1_->Surface());
        plane_.workspace.ChooseMode(mode, target);
    });
}

void Form7Vectors::mnuAnalizar_Click() {
    list1_->hide();
    listaPlanetas_->show();
    listaPlanetas_->raise();
    plane_.SubjectFix();
}

void Form7Vectors::ListaPlanetas_Click(const QString& glyph) {
    const std::int32_t k = BodyOfGlyph(FromQt(glyph));
    if (!RunGuarded(kWindowCaption, [&] { plane_.Analyse(picture1_->Surface(), k); })) return;
    label1_->setText(k == kSun ? kSunNote : kAnalysisCaption);
}

void Form7Vectors::Command3_Click() {
    plane_.view.ZoomIn();
    plane_.program.GlyphsShown = true;
    RunGuarded(kWindowCaption, [this] { Redraw(); });
}

void Form7Vectors::Command2_Click() {
    plane_.view.ZoomOut();
    plane_.program.GlyphsShown = true;
    RunGuarded(kWindowCaption, [this] { Redraw(); });
}

void Form7Vectors::Picture1_MouseDown(int button, double x, double y) {
    // The point pressed is the point under the mouse, even when no move came before the press.
    Picture1_MouseMove(x, y);
    label1_->setText(modeCaption_);  // the click acts in the mode chosen, even after an analysis
    RunGuarded(Caption(), [&] {
        cp::PlaneTarget target = plane_.Target(picture1_->Surface());
        if (button == 1) ShowAddPointOutcome(plane_.workspace.AddPoint(target), Caption(), list1_);
        if (button == 2) plane_.workspace.ShowResult(target);
    });
}

void Form7Vectors::Picture1_MouseMove(double x, double y) {
    RunGuarded(kWindowCaption, [&] {
        const cp::ZoomReadouts r = plane_.PointAt({x, y}, picture2_->Surface());
        const cp::Text texts[] = {U" X = " + r.x, U" Y = " + r.y, U" Grados = " + r.angle,
                                  U" Radio = " + r.radius};
        for (int i = 0; i < 4; ++i) {
            readouts_[i]->setText(ToQt(texts[i]));
            readouts_[i]->repaint();
        }
    });
}

}  // namespace orvanel
