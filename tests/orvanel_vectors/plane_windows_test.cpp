// What both vectors windows do alike on their planes, window by window: the zoom buttons, the readouts
// under the pointer, a series of clicked points with its result and its limit of 20 vectors, and the
// concepts on a line. Then Form8's own: both planes with their subjects and the aspect lists, the
// heading of the cross aspects, the right click outside the Sum mode and the plane state shared with
// Form7, the export.
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <tuple>
#include <vector>

#include "conceptplane/vector_workspace.h"
#include "conceptplane/zoom_box.h"
#include "orvanel/display/chart_texts.h"
#include "orvanel/display/form3_chart.h"
#include "orvanel/display/form4_synastry.h"
#include "orvanel/shell/form_controls.h"
#include "real_input.h"
#include "vectors_fixture.h"

namespace orvanel::testing {
namespace {

using enum WindowId;
using display_list::HasStep;
using PlaneWindows = VectorsTest;
using Form8Test = VectorsTest;

// Each zoom press redraws every plane of the window, even the press the zoom's limit refuses. Form7
// shows the glyphs again; Form8 keeps GlyphsShown as it is and leaves subject 2 current. A line then
// goes back to normal view and is drawn with the last clicked plane's own subject; a new line shows no
// concepts until its second point. A click on a concept chooses nothing in Form7; in Form8 it hides
// the list for the cross aspects.
TEST_F(PlaneWindows, ZoomButtonsUpToTheLimitThenALineListsTheConceptsOnIt) {
    // The window, its buttons out and in, its planes, the glyphs each shows, the subject left current,
    // the list shown after a click on the line's concepts.
    const std::tuple<WindowId, const char*, const char*, std::size_t, std::size_t, int, const char*>
        windows[] = {{Vectors, "Command2", "Command3", 1, 14, 1, "List1"},
                     {VectorsTwo, "Command1", "Command4", 2, 0, 2, "List2"}};
    for (const auto& [id, outName, inName, planes, glyphs, subject, shown] : windows) {
        QWidget& f = ShowOnly(id);
        State().GlyphsShown = false;
        auto* out = Find<QPushButton>(f, outName);
        for (int i = 0; i < 3; ++i)
            real_input::Click(out);
        const double limit = Plane().view.planeZoom;
        const std::uint64_t drawn = Picture(f)->Surface().Revision();
        State().CurrentSubject = 1;
        real_input::Click(out);
        EXPECT_EQ(Plane().view.planeZoom, limit);
        EXPECT_GT(Picture(f)->Surface().Revision(), drawn);
        EXPECT_EQ(State().CurrentSubject, subject);
        for (std::size_t n = 0; n < planes; ++n) {
            EXPECT_TRUE(ShowsVectorsOf(f, kPlanes[n], Slot(static_cast<int>(n + 1))));
            EXPECT_EQ(TextsIn(Picture(f, kPlanes[n])->Surface()).size(), glyphs) << outName;
        }
        real_input::Click(Find<QPushButton>(f, inName));
        EXPECT_LT(Plane().view.planeZoom, limit);

        Choose(f, "mnuRecta");
        auto* list = Find<QListWidget>(f, "List1");
        const surface::Point p = ClickPlane(f, {0, 500}, Qt::LeftButton, kPlanes[planes - 1]);
        EXPECT_FALSE(list->isVisible());
        const surface::Point q = ClickPlane(f, {1000, 500});
        EXPECT_TRUE(list->isVisible());
        const cp::PlaneLine line = cp::LineThrough(q, p, cp::Arithmetic::Orvanel);
        EXPECT_EQ(Items(list),
                  ToQtList(cp::ConceptsOnLine(session_->concepts, line, cp::Arithmetic::Orvanel)));
        EXPECT_EQ(Plane().view.planeZoom, 1.0);
        EXPECT_TRUE(ShowsVectorsOf(f, "Picture1", Slot(1)));
        Choose(f, "mnuRecta");
        EXPECT_TRUE(!list->isVisible() || list->count() == 0) << outName;
        ClickPlane(f, {0, 500});
        ClickPlane(f, {1000, 500});
        real_input::ClickRow(list, 0);
        auto* after = Find<QListWidget>(f, shown);
        EXPECT_TRUE(after->isVisible() && list->isVisible() == (list == after)) << outName;
    }
}

// The pointer over a plane: the readouts of the point the picture reports, and the zoom box around it
// as the zoom box code draws it.
TEST_F(PlaneWindows, ReadoutsAndTheZoomBoxShowThePointUnderThePointer) {
    // The window, the plane, its zoom box, the point, the readouts from the first shown: X, Y, angle,
    // radius.
    const std::tuple<WindowId, const char*, const char*, double, std::vector<const char*>> rows[] = {
        {Vectors, "Picture1", "Picture2", -120, {"Text1", "Text2", "Text3", "Text4"}},
        {VectorsTwo, "Picture1", "Picture3", -1766, {"Label1", "Label2"}},
        {VectorsTwo, "Picture2", "Picture3", -1766, {"Label3", "Label4"}}};
    for (const auto& [id, plane, box, x, controls] : rows) {
        QWidget& f = ShowOnly(id);
        const cp::PlaneView& view = Plane().view;
        const surface::Point at =
            view.PictureToPlane(real_input::MovePointer(Picture(f, plane), view.PlaneToPicture({x, 0})));
        cp::CurrentPoint point{at.x, at.y};
        const surface::DrawingSurface& shown = Picture(f, box)->Surface();
        EXPECT_EQ(shown.List(), display_list::DrawnOnBlankCopy(shown, [&](surface::DrawingSurface& s) {
                      cp::ShowZoomBox(s, point, session_->concepts, cp::Arithmetic::Orvanel);
                  }));
        const cp::ZoomReadouts r = cp::MakeReadouts(point, cp::Arithmetic::Orvanel);
        const cp::Text expected[] = {U" X = " + r.x, U" Y = " + r.y, U" Grados = " + r.angle,
                                     U" Radio = " + r.radius};
        for (std::size_t i = 0; i < controls.size(); ++i)
            EXPECT_EQ(Find(f, controls[i])->property("text"), ToQt(expected[i + 4 - controls.size()]));
    }
}

// Two points and a right click draw their sum (the second less the first for the remainder) in green
// with two red tensions on every plane of the window; a 21st point is refused under the mode's caption.
TEST_F(PlaneWindows, SeriesDrawTheirResultAndRefuseATwentyFirstPoint) {
    // The window, the mode's menu item and caption, the first point's sign in the result, the planes the
    // result is drawn on (the second point on the last of them).
    const std::tuple<WindowId, const char*, const char*, double, std::size_t> series[] = {
        {Vectors, "mnuSumar", "Sumar  vectores", 1, 1},
        {Vectors, "mnuRestar", "Vector restante", -1, 1},
        {VectorsTwo, "mnuSuma", "Suma de vectores", 1, 2}};
    for (const auto& [id, menu, caption, sign, planes] : series) {
        QWidget& f = ShowOnly(id);
        Choose(f, menu);
        const std::size_t asked = dialogs_.Asked().size();
        const surface::Point p = ClickPlane(f, {1000, 0});
        const surface::Point q = ClickPlane(f, {0, 1000}, Qt::LeftButton, kPlanes[planes - 1]);
        EXPECT_TRUE(DrawnVectors(f, kGreen).empty());
        ClickPlane(f, q, Qt::RightButton, kPlanes[planes - 1]);
        for (std::size_t n = 0; n < planes; ++n) {
            EXPECT_TRUE(HasStep(DrawnVectors(f, kGreen, kPlanes[n]), {q.x + sign * p.x, q.y + sign * p.y}, 1))
                << menu;
            EXPECT_EQ(DrawnVectors(f, kRed, kPlanes[n]).size(), 2u) << menu;
        }
        for (int i = 2; i <= cp::kMaxVectors; ++i)
            ClickPlane(f, {100, 0});
        EXPECT_EQ(Transcript(asked), QStringList(QString::fromUtf8(
                                         std::string(caption) + ": No se pueden añadir más de 20 vectores")));
    }
}

// The cross aspects' list and heading hide on the chart window's way back. The export puts both planes
// side by side under a caption band that names each plane's subject by its date.
TEST_F(Form8Test, OpeningDrawsEachSubjectOnItsPlaneWithTheThreeAspectListsAndExportsBoth) {
    Form8VectorsTwo& f = OpenForm8();
    EXPECT_EQ(f.windowTitle(), "Vectores de los dos");
    EXPECT_EQ(State().CurrentSubject, 2);
    // The cross aspects, then each subject's.
    const std::pair<const char*, int> lists[] = {{"List2", 3}, {"List3", 1}, {"List4", 2}};
    for (const auto& [list, slot] : lists)
        EXPECT_EQ(Items(Find<QListWidget>(f, list)), ToQtList(AspectListItems(Slot(slot)))) << list;
    EXPECT_EQ(Find<QLabel>(f, "Label8")->text(), ToQt(Slot(2).title));
    auto* heading = Find<QLabel>(f, "Label5");
    EXPECT_TRUE(heading->isVisible());
    Choose(f, "mnuCarta");
    Choose(windows_->Chart(), "mnuSinastrias");
    Choose(windows_->Synastry(), "mnuVectoresdos");
    EXPECT_FALSE(Find<QListWidget>(f, "List2")->isVisible() || heading->isVisible());
    const QTemporaryDir dir;
    dialogs_.PushText(dir.filePath(QStringLiteral("planes.png")));
    Choose(f, "mnuGuardarImagen");
    const QImage image(dir.filePath(QStringLiteral("planes.png")));
    const surface::DrawingSurface &one = Picture(f)->Surface(), &two = Picture(f, "Picture2")->Surface();
    EXPECT_EQ(image.width(), 2 * static_cast<int>(one.DesignPixelWidth() + two.DesignPixelWidth()));
    const QString svg = ExportedSvg(f);
    for (const char* subject : {"Sujeto 1º: 05 / 12 / 2001", "Sujeto 2º: 03 / 07 / 1965"})
        EXPECT_TRUE(svg.contains(QString::fromUtf8(subject))) << subject;
}

TEST_F(Form8Test, ARightClickDoesNothingOutsideTheSumMode) {
    Form8VectorsTwo& f = OpenForm8();
    const auto rightClickChanges = [&] {
        const std::uint64_t one = Picture(f)->Surface().Revision(),
                            two = Picture(f, "Picture2")->Surface().Revision();
        ClickPlane(f, {700, 300}, Qt::RightButton);
        return Picture(f)->Surface().Revision() != one || Picture(f, "Picture2")->Surface().Revision() != two;
    };
    EXPECT_FALSE(rightClickChanges());  // no mode
    Choose(f, "mnuRecta");
    EXPECT_FALSE(rightClickChanges());

    // A Remainder series chosen in Form7 is still in force here, its point on both planes.
    Form7Vectors& seven = OpenForm7();
    Choose(seven, "mnuRestar");
    const surface::Point p = ClickPlane(seven, {1000, 0});
    EXPECT_EQ(&OpenForm8(), &f);
    EXPECT_EQ(f.Plane().workspace.planeMode, cp::PlaneMode::Remainder);
    for (const char* plane : {"Picture1", "Picture2"})
        EXPECT_TRUE(display_list::HasStep(DrawnVectors(f, kPale, plane), p, 1)) << plane;
    EXPECT_FALSE(rightClickChanges());
}

}  // namespace
}  // namespace orvanel::testing
