#include "orvanel/vectors/form8_vectors_two.h"

#include <QLabel>
#include <QListWidget>

#include "orvanel/astro/aspects.h"
#include "orvanel/display/chart_texts.h"
#include "orvanel/report/report_commands.h"
#include "orvanel/shell/fault_guard.h"
#include "orvanel/shell/form_controls.h"
#include "orvanel/shell/session.h"
#include "orvanel/shell/windows.h"
#include "orvanel/vectors/plane_controls.h"
#include "orvanel/vectors/plane_session.h"
#include "surface/choice_list.h"
#include "surface/export_menu.h"
#include "surface/fonts.h"
#include "surface/picture_widget.h"

namespace orvanel {

namespace {

const QString kCaption = QStringLiteral("Vectores de los dos");
const QString kSumCaption = QStringLiteral("Suma de vectores");
const QColor kPale(255, 255, 192);

QFont Font(const char* family, double points) {
    return surface::DesignFont(QString::fromLatin1(family), points, false, false);
}

// The controls of one subject's plane.
struct PlaneDesign {
    const char* picture;
    int left;
    const char* subjectLabel;
    const char* subjectCaption;
    const char* titleLabel;
    const char* angleLabel;
    const char* radiusLabel;
};
constexpr PlaneDesign kPlanes[] = {{"Picture1", 60, "Label6", "Sujeto 1º", "Label7", "Label1", "Label2"},
                                   {"Picture2", 4980, "Label9", "Sujeto 2º", "Label8", "Label3", "Label4"}};
constexpr int kPlaneSize = kTwoPlanesPictureTwips;

}  // namespace

Form8VectorsTwo::Form8VectorsTwo(Windows& windows, PlaneSession& plane)
    : WorkingWindow(windows, "Form8", 11880, 8310), plane_(plane) {
    setWindowTitle(kCaption);
    BuildControls();
    BuildMenus();
}

void Form8VectorsTwo::BuildControls() {
    QWidget* client = Client();
    const QFont sans = Font("MS Sans Serif", 8.25);
    for (int i = 0; i < 2; ++i) {
        const PlaneDesign& d = kPlanes[i];
        subjectLabels_[i] = AddLabel(client, d.subjectLabel, QString::fromUtf8(d.subjectCaption),
                                     {d.left, 45, 1140, 270}, sans, QColor(255, 255, 128), Align::Left);
        titles_[i] = AddLabel(client, d.titleLabel, QString(), {d.left + 1200, 45, 3600, 270}, sans,
                              Qt::white, Align::Left);
        pictures_[i] =
            AddPlanePicture(client, d.picture, {d.left, 360, kPlaneSize, kPlaneSize}, kTwoPlanesGlyphPoints);
        pictures_[i]->setAccessibleName(QStringLiteral("Plantilla de conceptos del ") +
                                        QString::fromUtf8(d.subjectCaption).toLower());
        const int plane = i + 1;
        connect(pictures_[i], &surface::PictureWidget::mouseDown, this,
                [this, plane](int button, double x, double y) { Picture_MouseDown(plane, button, x, y); });
        connect(pictures_[i], &surface::PictureWidget::mouseMove, this,
                [this, plane](int, double x, double y) { Picture_MouseMove(plane, x, y); });
        readouts_[i][0] = AddLabel(client, d.angleLabel, QStringLiteral(" Grados = "),
                                   {d.left, 5220, 2340, 270}, sans, Qt::white, Align::Left);
        readouts_[i][1] = AddLabel(client, d.radiusLabel, QStringLiteral(" Radio = "),
                                   {d.left + 2400, 5220, 2400, 270}, sans, Qt::white, Align::Left);
    }
    picture3_ = AddZoomBox(client, "Picture3", {9900, 360, 1920, 1920});
    AddButton(client, "Command1", QStringLiteral("-"), {9900, 2400, 900, 390}, [this] { Command1_Click(); });
    AddButton(client, "Command4", QStringLiteral("+"), {10920, 2400, 900, 390}, [this] { Command4_Click(); });

    list3_ = AddList(client, "List3", {60, 5580, 1800, 2670}, Font("Astrol", 12), Qt::white, Qt::black);
    list4_ = AddList(client, "List4", {7980, 5580, 1800, 2670}, Font("Astrol", 12), Qt::white, Qt::black);
    QLabel* label5 =
        AddLabel(client, "Label5", QStringLiteral("    Aspectos cruzados                 1º          2º"),
                 {1980, 5580, 5880, 270}, sans, kPale, Align::Left);
    list2_ = AddList(client, "List2", {1980, 5880, 5880, 2370}, Font("Astrol", 15.75), Qt::white, Qt::black);
    ShowAndHideWith(label5, list2_);
    list1_ = AddList(client, "List1", {1980, 5880, 5880, 2370}, Font("Courier", 9.75), Qt::black, Qt::white);
    list1_->hide();
    connect(list1_, &surface::ChoiceList::chosen, this, [this] {
        list1_->hide();
        list2_->show();
    });
}

void Form8VectorsTwo::BuildMenus() {
    AddMenuItem("mnuSuma", QStringLiteral("            &Suma de vectores"), [this] { mnuSuma_Click(); });
    AddMenuItem("mnuRecta", QStringLiteral("            &Conceptos en la recta"),
                [this] { mnuRecta_Click(); });
    AddMenuItem("mnuSinastrias", QStringLiteral("            Si&nastrías"),
                [this] { windows_.ShowSynastry(WindowId::VectorsTwo); });
    AddMenuItem("mnuCarta", QStringLiteral("            &Carta Astral"), [this] {
        list1_->hide();
        list2_->hide();
        windows_.OpenChart(WindowId::VectorsTwo);
    });
    AddMenuItem("mnuOpciones", QStringLiteral("            &Individuos y opciones"),
                [this] { windows_.ShowMainMenu(WindowId::VectorsTwo); });
    QMenu* exportMenu = surface::AddExportMenu(
        this, QStringLiteral("            "),
        [this] {
            return surface::ExportList{&pictures_[0]->Surface(), &pictures_[1]->Surface()};
        },
        [this] {
            return surface::ExportNotes{{SubjectsNote()}, {}};
        });
    AddSynastryReportCommands(exportMenu, windows_.State());
}

// The subjects of the two planes as their labels name them, left to right.
QString Form8VectorsTwo::SubjectsNote() const {
    QStringList subjects;
    for (int i = 0; i < 2; ++i)
        subjects << subjectLabels_[i]->text() + QStringLiteral(": ") + titles_[i]->text();
    return subjects.join(QStringLiteral("        "));
}

surface::PictureWidget* Form8VectorsTwo::PictureOf(int plane) const {
    return pictures_[plane == 2 ? 1 : 0];
}

void Form8VectorsTwo::RedrawBoth() {
    for (std::int16_t s = 1; s <= 2; ++s) {
        plane_.program.CurrentSubject = s;
        plane_.Redraw(PictureOf(s)->Surface(), s);
    }
}

void Form8VectorsTwo::OpenFromSynastry(WindowId from) {
    // The cross aspects are computed on a copy first: a subject that names no synastry changes nothing.
    Program trial = plane_.program;
    trial.SynastryBase = static_cast<std::int16_t>(3 - trial.CurrentSubject);
    trial.CurrentSubject = 3;
    trial.ChartVectorsShown = true;
    trial.GlyphsShown = true;
    if (!RunGuarded(kCaption, [&] { FindAspects(trial); })) return;
    plane_.program = std::move(trial);
    windows_.Move(from, WindowId::VectorsTwo);
    const Program& p = plane_.program;
    FillList(list2_, AspectListItems(SlotAt(p, 3)));
    FillList(list3_, AspectListItems(SlotAt(p, 1)));
    FillList(list4_, AspectListItems(SlotAt(p, 2)));
    RunGuarded(kCaption, [this] { RedrawBoth(); });
    setWindowTitle(kCaption);
    for (int i = 0; i < 2; ++i)
        SetCaption(titles_[i], SlotAt(p, i + 1).title);
}

void Form8VectorsTwo::StartSeries(cp::PlaneMode mode, const QString& caption) {
    RunGuarded(caption, [this, mode] {
        plane_.program.CurrentSubject = 1;
        cp::PlaneTarget first = plane_.Target(PictureOf(1)->Surface(), 1);
        plane_.workspace.ChooseMode(mode, first);
        plane_.program.CurrentSubject = 2;
        plane_.Redraw(PictureOf(2)->Surface(), 2);
    });
}

void Form8VectorsTwo::mnuSuma_Click() {
    list1_->hide();
    list2_->show();
    StartSeries(cp::PlaneMode::Sum, kSumCaption);
}

void Form8VectorsTwo::mnuRecta_Click() {
    list1_->clear();
    StartSeries(cp::PlaneMode::Line, kCaption);
}

void Form8VectorsTwo::Command1_Click() {
    plane_.view.ZoomOut();
    RunGuarded(kCaption, [this] { RedrawBoth(); });
}

void Form8VectorsTwo::Command4_Click() {
    plane_.view.ZoomIn();
    RunGuarded(kCaption, [this] { RedrawBoth(); });
}

void Form8VectorsTwo::Picture_MouseDown(int plane, int button, double x, double y) {
    // The point pressed is the point under the mouse, even when no move came before the press.
    Picture_MouseMove(plane, x, y);
    RunGuarded(kSumCaption, [&] {
        if (button == 1) {
            // A line redraws the clicked plane with its own subject's vectors.
            cp::PlaneTarget target =
                plane_.Target(PictureOf(plane)->Surface(), static_cast<std::int16_t>(plane));
            ShowAddPointOutcome(plane_.workspace.AddPoint(target), kSumCaption, list1_);
        }
        if (button == 2 && plane_.SumResult()) RedrawBoth();
    });
}

void Form8VectorsTwo::Picture_MouseMove(int plane, double x, double y) {
    RunGuarded(kCaption, [&] {
        const cp::ZoomReadouts r = plane_.PointAt({x, y}, picture3_->Surface());
        QLabel* const* labels = readouts_[plane == 2 ? 1 : 0];
        SetCaption(labels[0], U" Grados = " + r.angle);
        SetCaption(labels[1], U" Radio = " + r.radius);
        labels[0]->repaint();
        labels[1]->repaint();
    });
}

}  // namespace orvanel
