// The concept plane at its limits: the sum of a point and its opposite, the line through two equal
// points, and Form7 clicked at the picture's corners at every zoom, where plane values pass 16 bits.
#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <cmath>
#include <tuple>

#include "conceptplane/vector_workspace.h"
#include "orvanel/display/form3_chart.h"
#include "orvanel/vectors/form7_vectors.h"
#include "orvanel/vectors/plane_session.h"
#include "real_input.h"
#include "surface/picture_widget.h"
#include "window_fixture.h"

namespace orvanel::testing {
namespace {

using cp::Arithmetic;
using cp::PlaneMode;

constexpr double kCorners[][2] = {{0, 0}, {10600, 0}, {0, 10600}, {10600, 10600}};

bool AllFinite(const surface::DrawingSurface& s) {
    for (const surface::Primitive& p : s.List()) {
        for (double v : {p.a.x, p.a.y, p.b.x, p.b.y, p.radius})
            if (!std::isfinite(v)) return false;
    }
    return true;
}

// One plane with its own picture and workspace, on the shipped concepts.
struct Plane {
    explicit Plane(Arithmetic a) : view(a), workspace(a) { picture.SetScale(0, 0, 10600, 10600); }
    surface::DrawingSurface picture;
    cp::PlaneView view;
    cp::VectorWorkspace workspace;
    cp::ConceptTable concepts =
        cp::ConceptTable::OpenExisting(std::string(ORVANEL_SOURCE_DIR) + "/data/concptos.txt");
    cp::PlaneTarget target{picture, view, concepts, {}};
};

// A sum of a point and its opposite, or a remainder of a point and itself, vanishes: the resultant
// points at 90 degrees, and the tensions carry the two lengths, plus 0.5. A line through one point
// twice (dx = dy = 0) has no concept strictly nearer than 0 to it, so its list is empty.
TEST(PlaneFaults, OppositePointsAndALineThroughOnePoint) {
    // The arithmetic, the mode, the two points, and the length of each tension (none on a line).
    const std::tuple<Arithmetic, PlaneMode, surface::Point, surface::Point, double> cases[] = {
        {Arithmetic::Rorev, PlaneMode::Sum, {1000, 500}, {-1000, -500}, std::hypot(1000.0, 500.0) + 0.5},
        {Arithmetic::Orvanel, PlaneMode::Sum, {1000, 500}, {-1000, -500}, 1118 + 0.5},
        {Arithmetic::Orvanel, PlaneMode::Remainder, {-275400, 275400}, {-275400, 275400}, 389470 + 0.5},
        {Arithmetic::Rorev, PlaneMode::Remainder, {0.25, -3}, {0.25, -3}, std::hypot(0.25, 3.0) + 0.5},
        {Arithmetic::Orvanel, PlaneMode::Sum, {0, 0}, {0, 0}, 0.5},
        {Arithmetic::Rorev, PlaneMode::Line, {1393, 0}, {1393, 0}, 0},
        {Arithmetic::Orvanel, PlaneMode::Line, {-275400, 275400}, {-275400, 275400}, 0},
        {Arithmetic::Rorev, PlaneMode::Line, {3, -4}, {3, -4}, 0},
    };
    for (const auto& [arithmetic, mode, p, q, tension] : cases) {
        SCOPED_TRACE(p.x);
        Plane plane(arithmetic);
        plane.workspace.ChooseMode(mode, plane.target);
        plane.workspace.PointAt(p.x, p.y);
        plane.workspace.AddPoint(plane.target);
        plane.workspace.PointAt(q.x, q.y);
        const cp::AddPointOutcome second = plane.workspace.AddPoint(plane.target);
        if (mode == PlaneMode::Line) {
            EXPECT_TRUE(second.onLine && second.onLine->empty());
        } else {
            ASSERT_TRUE(plane.workspace.ShowResult(plane.target));
            const auto& r = plane.workspace.resultTable;
            EXPECT_EQ(std::tuple(r[cp::kResultant].x, r[cp::kResultant].y, r[cp::kResultant].length),
                      std::tuple(0, 0, 0));
            EXPECT_EQ(std::tuple(r[cp::kResultant].angle, r[cp::kTensionA].angle, r[cp::kTensionB].angle),
                      std::tuple(90, 180, 0));
            for (const auto& [row, sign] : {std::pair{cp::kTensionA, -1.0}, std::pair{cp::kTensionB, 1.0}}) {
                EXPECT_NEAR(r[row].length, tension, 1e-3 * tension);
                EXPECT_NEAR(r[row].x, sign * tension, 1e-3 * tension);
            }
        }
        EXPECT_TRUE(AllFinite(plane.picture));
    }
}

class PlaneFaultsWindow : public WindowTest {};

// Every zoom from 0.0192 to 51.96: moves and sums at the four corners of Picture1 draw without a
// message; far out, values pass 16 bits and stay exact in 32, and a line across the picture lists.
TEST_F(PlaneFaultsWindow, Form7CornersAtEveryZoom) {
    EnterSubject(kFirstSubject);
    auto& f = static_cast<Form7Vectors&>(ShowOnly(WindowId::Vectors));
    PlaneSession& plane = f.Plane();
    auto* picture = Find<surface::PictureWidget>(f, "Picture1");
    for (int i = 0; i < 3; ++i)
        real_input::Click(Find<QPushButton>(f, "Command3"));
    for (int level = 0; level < 7; ++level) {
        SCOPED_TRACE(plane.view.planeZoom);
        Choose(f, "mnuSumar");
        for (const auto& c : kCorners)
            emit picture->mouseDown(1, c[0], c[1]);
        emit picture->mouseDown(2, 0, 0);
        EXPECT_EQ(plane.workspace.resultTable[cp::kResultant].length, 0);  // the four corners cancel
        EXPECT_NEAR(plane.workspace.resultTable[cp::kTensionA].length,
                    std::hypot(5300.0, 5300.0) * plane.view.planeZoom + 0.5, 2.0);
        EXPECT_TRUE(Find<QLineEdit>(f, "Text1")->text().startsWith(QStringLiteral(" X = -")));
        EXPECT_TRUE(AllFinite(picture->Surface()));
        real_input::Click(Find<QPushButton>(f, "Command2"));  // one step out
    }
    EXPECT_NEAR(plane.view.planeZoom, 51.96, 0.01);

    // Twenty presses on one corner, far out: 5.5 million plane units on each axis.
    Choose(f, "mnuSumar");
    for (int i = 0; i < cp::kMaxVectors; ++i)
        emit picture->mouseDown(1, 10600, 0);
    emit picture->mouseDown(2, 10600, 0);
    const double corner = 5300 * plane.view.planeZoom;
    const cp::ResultRow& resultant = plane.workspace.resultTable[cp::kResultant];
    EXPECT_NEAR(resultant.x, 20 * corner, 1);
    EXPECT_NEAR(resultant.y, 20 * corner, 1);
    EXPECT_NEAR(resultant.length, 20 * corner * std::sqrt(2.0), 1);
    EXPECT_NEAR(plane.workspace.vectorList.items[19].x, corner, 1);

    Choose(f, "mnuRecta");
    emit picture->mouseDown(1, 0, 0);
    emit picture->mouseDown(1, 10600, 10600);
    EXPECT_TRUE(Find<QListWidget>(f, "List1")->isVisible());
    EXPECT_GT(Find<QListWidget>(f, "List1")->count(), 0);
    EXPECT_TRUE(AllFinite(picture->Surface()));
    EXPECT_EQ(dialogs_.Asked().size(), 7u) << dialogs_.Asked().back().text.toStdString();
    EXPECT_EQ(ended_, 0);
}

}  // namespace
}  // namespace orvanel::testing
