// What both vectors windows do alike on their planes, window by window: the zoom buttons, a series of
// clicked points with its result and its limit of 20 vectors, and the concepts on a line.
#include <QListWidget>
#include <QPushButton>
#include <tuple>

#include "conceptplane/vector_workspace.h"
#include "orvanel/shell/form_controls.h"
#include "real_input.h"
#include "vectors_fixture.h"

namespace orvanel::testing {
namespace {

using enum WindowId;
using display_list::HasStep;
using PlaneWindows = VectorsTest;

// Each press redraws every plane of the window, even the press the zoom's limit refuses. Form7 shows
// the glyphs again; Form8 keeps GlyphsShown as it is and leaves subject 2 current.
TEST_F(PlaneWindows, ZoomButtonsRedrawEveryPlaneUpToTheLimit) {
    // The window, its buttons out and in, its planes, the glyphs each shows, the subject left current.
    const std::tuple<WindowId, const char*, const char*, std::size_t, std::size_t, int> windows[] = {
        {Vectors, "Command2", "Command3", 1, 14, 1}, {VectorsTwo, "Command1", "Command4", 2, 0, 2}};
    for (const auto& [id, outName, inName, planes, glyphs, subject] : windows) {
        QWidget& f = ShowOnly(id);
        State().GlyphsShown = false;
        auto* out = Find<QPushButton>(f, outName);
        for (int i = 0; i < 3; ++i)
            real_input::ClickButton(out);
        const double limit = Plane().view.planeZoom;
        const std::uint64_t drawn = Picture(f)->Surface().Revision();
        State().CurrentSubject = 1;
        real_input::ClickButton(out);
        EXPECT_GT(limit, 1);
        EXPECT_EQ(Plane().view.planeZoom, limit);
        EXPECT_GT(Picture(f)->Surface().Revision(), drawn);
        EXPECT_EQ(State().CurrentSubject, subject);
        for (std::size_t n = 0; n < planes; ++n) {
            EXPECT_TRUE(ShowsVectorsOf(f, kPlanes[n], Slot(static_cast<int>(n + 1))));
            EXPECT_EQ(TextsIn(Picture(f, kPlanes[n])->Surface()).size(), glyphs) << outName;
        }
        real_input::ClickButton(Find<QPushButton>(f, inName));
        EXPECT_LT(Plane().view.planeZoom, limit);
    }
}

// Two points and a right click draw their sum (the second less the first for the remainder) in green
// with two red tensions on every plane of the window; a 21st point is refused under the mode's caption.
TEST_F(PlaneWindows, SeriesDrawTheirResultAndRefuseATwentyFirstPoint) {
    // The window, the mode's menu item and caption, the first point's sign in the result, the plane of
    // the second point, the planes the result is drawn on.
    const std::tuple<WindowId, const char*, const char*, double, std::size_t, std::size_t> series[] = {
        {Vectors, "mnuSumar", "Sumar  vectores", 1, 0, 1},
        {Vectors, "mnuRestar", "Vector restante", -1, 0, 1},
        {VectorsTwo, "mnuSuma", "Suma de vectores", 1, 1, 2}};
    for (const auto& [id, menu, caption, sign, second, planes] : series) {
        QWidget& f = ShowOnly(id);
        Choose(f, menu);
        const std::size_t asked = dialogs_.Asked().size();
        const surface::Point p = ClickPlane(f, {1000, 0});
        const surface::Point q = ClickPlane(f, {0, 1000}, Qt::LeftButton, kPlanes[second]);
        EXPECT_TRUE(DrawnVectors(f, kGreen).empty());
        ClickPlane(f, q, Qt::RightButton, kPlanes[second]);
        for (std::size_t n = 0; n < planes; ++n) {
            EXPECT_TRUE(HasStep(DrawnVectors(f, kGreen, kPlanes[n]), {q.x + sign * p.x, q.y + sign * p.y}, 1))
                << menu;
            EXPECT_EQ(DrawnVectors(f, kRed, kPlanes[n]).size(), 2u) << menu;
        }
        for (int i = 2; i < cp::kMaxVectors; ++i)
            ClickPlane(f, {100, 0});
        EXPECT_EQ(dialogs_.Asked().size(), asked);
        ClickPlane(f, {100, 0});
        EXPECT_EQ(Transcript(asked),
                  QStringList(QString::fromUtf8(caption) +
                              QString::fromUtf8(": No se pueden añadir más de 20 vectores")));
        EXPECT_EQ(Plane().workspace.vectorList.count, 20);
    }
}

// The line goes back to normal view and is drawn with the last clicked plane's own subject; a new
// line shows no concepts until its second point.
TEST_F(PlaneWindows, ALineThroughTwoPointsListsTheConceptsOnIt) {
    // The window, its zoom-out button, the plane of the first point.
    const std::tuple<WindowId, const char*, std::size_t> windows[] = {{Vectors, "Command2", 0},
                                                                      {VectorsTwo, "Command1", 1}};
    for (const auto& [id, out, first] : windows) {
        QWidget& f = ShowOnly(id);
        Choose(f, "mnuRecta");
        real_input::ClickButton(Find<QPushButton>(f, out));
        auto* list = Find<QListWidget>(f, "List1");
        const surface::Point p = ClickPlane(f, {0, 500}, Qt::LeftButton, kPlanes[first]);
        EXPECT_FALSE(list->isVisible());
        const surface::Point q = ClickPlane(f, {1000, 500});
        EXPECT_TRUE(list->isVisible());
        const cp::PlaneLine line = cp::LineThrough(q, p, cp::Arithmetic::Orvanel);
        EXPECT_EQ(Items(list),
                  ToQtList(cp::ConceptsOnLine(session_->concepts, line, cp::Arithmetic::Orvanel)));
        EXPECT_GT(list->count(), 0);
        EXPECT_EQ(Plane().view.planeZoom, 1.0);
        EXPECT_TRUE(ShowsVectorsOf(f, "Picture1", Slot(1)));
        Choose(f, "mnuRecta");
        EXPECT_TRUE(!list->isVisible() || list->count() == 0) << out;
    }
}

}  // namespace
}  // namespace orvanel::testing
