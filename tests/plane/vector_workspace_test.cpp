// Sum and remainder series: the resultant and its hidden tensions, what the picture shows, the
// vector list and its limit of twenty, and where Orvanel's arithmetic differs from rorev's.
#include <gtest/gtest.h>

#include <cmath>

#include "conceptplane/faults.h"
#include "conceptplane/template.h"
#include "conceptplane/vector_workspace.h"
#include "plane_fixture.h"

using cp::Arithmetic;
using cp::PlaneMode;

namespace {

constexpr surface::Rgb kGreen = surface::RGB(0, 200, 0);
constexpr surface::Rgb kRed = surface::RGB(200, 0, 0);
constexpr double kTolerance = 1e-6;

// A window's plane: picture, zoom, workspace, concepts.
struct Plane {
    explicit Plane(Arithmetic a = Arithmetic::Rorev) : view(a), workspace(a) {}
    surface::DrawingSurface picture = planetest::TemplatePicture();
    cp::PlaneView view;
    cp::VectorWorkspace workspace;
    cp::ConceptTable concepts = planetest::Table({});
    cp::PlaneTarget target{picture, view, concepts, {}};

    cp::AddPointOutcome Click(double x, double y) {
        workspace.PointAt(x, y);
        return workspace.AddPoint(target);
    }
    void Series(PlaneMode mode, std::initializer_list<surface::Point> points) {
        workspace.ChooseMode(mode, target);
        for (auto p : points)
            Click(p.x, p.y);
        workspace.ShowResult(target);
    }
    const cp::ResultRow& Row(int i) const { return workspace.resultTable[static_cast<std::size_t>(i)]; }
};

void ExpectRow(const cp::ResultRow& r, double x, double y, double angle, double length) {
    EXPECT_NEAR(r.x, x, 1e-3);
    EXPECT_NEAR(r.y, y, 1e-3);
    EXPECT_NEAR(r.angle, angle, 1e-3);
    EXPECT_NEAR(r.length, length, 1e-3);
}

}  // namespace

TEST(VectorSum, ResultantAndTensionsOfTheWorkedExamples) {
    Plane two;
    two.Series(PlaneMode::Sum, {{1000, 0}, {0, 1000}});
    EXPECT_TRUE(two.workspace.resultShown);
    ExpectRow(two.Row(cp::kResultant), 1000, 1000, 44.99997, 1000 * std::sqrt(2.0));
    EXPECT_LT(two.Row(cp::kResultant).angle, 45);  // AngleOf divides by x + 0.001
    EXPECT_NEAR(two.Row(cp::kTensionA).length, 293.39, 0.005);
    EXPECT_NEAR(two.Row(cp::kTensionA).angle, 135, 1e-3);
    EXPECT_NEAR(two.Row(cp::kTensionB).angle, 315, 1e-3);
    EXPECT_NEAR(two.Row(cp::kTensionA).x, -207.46, 0.01);

    Plane one;
    one.Series(PlaneMode::Sum, {{300, 400}});
    ExpectRow(one.Row(cp::kResultant), 300, 400, one.Row(cp::kResultant).angle, 500);
    EXPECT_NEAR(one.Row(cp::kTensionA).length, 0.5, kTolerance);
}

TEST(VectorSum, PictureShowsTheGreenResultantTwoRedTensionsAndTheVectors) {
    Plane plane;
    plane.Series(PlaneMode::Sum, {{1000, 0}, {0, 1000}});
    const auto green = planetest::LinesIn(plane.picture, kGreen);
    const auto red = planetest::LinesIn(plane.picture, kRed);
    ASSERT_EQ(green.size(), 1u);
    ASSERT_EQ(red.size(), 2u);
    EXPECT_EQ(green[0].width, 2);
    EXPECT_EQ(green[0].a, (surface::Point{5300, 5300}));
    EXPECT_NEAR(green[0].b.x, 6300, kTolerance);
    EXPECT_NEAR(green[0].b.y, 4300, kTolerance);
    const double tension = std::hypot(red[0].b.x - 5300, red[0].b.y - 5300);
    EXPECT_NEAR(tension, 293.39, 0.005);
    EXPECT_NEAR(red[1].b.x - 5300, -(red[0].b.x - 5300), 1e-3);  // opposite, up to pi as 3.141592
    // The two stored vectors, after the result, at width 1 in the fore colour, each with a head.
    const auto fore = planetest::LinesIn(plane.picture, cp::kPlaneFore);
    ASSERT_EQ(fore.size(), 3u * 3 + 2 * 4);
    EXPECT_EQ(fore.back().width, 1);
    EXPECT_EQ(plane.workspace.vectorList.count, 2);
    // Zoomed in, the redraw scales the series by the zoom.
    plane.view.ZoomIn();
    cp::DrawTemplate(plane.target, plane.workspace);
    EXPECT_NEAR(planetest::LinesIn(plane.picture, kGreen)[0].b.x - 5300, 1000 / plane.view.planeZoom, 1e-6);
}

TEST(VectorRemainder, LeadsFromTheFirstPointToTheSecondAndFlipsOnASecondRightClick) {
    Plane plane;
    plane.Series(PlaneMode::Remainder, {{1000, 0}, {0, 1000}});
    ExpectRow(plane.Row(cp::kResultant), -1000, 1000, plane.Row(cp::kResultant).angle, 1000 * std::sqrt(2.0));
    EXPECT_NEAR(plane.Row(cp::kResultant).angle, 135, 1e-3);
    EXPECT_TRUE(plane.workspace.ShowResult(plane.target));
    EXPECT_NEAR(plane.Row(cp::kResultant).x, 1000, kTolerance);
    EXPECT_NEAR(plane.Row(cp::kResultant).y, 1000, kTolerance);
}

TEST(VectorSeries, ModesStartOverAndNoModeOnlyMovesTheOperands) {
    Plane plane;
    const std::size_t templateSize = [&] {
        cp::DrawTemplate(plane.target, plane.workspace);
        return plane.picture.List().size();
    }();
    EXPECT_EQ(templateSize, 8u + 12u);
    plane.Click(100, 200);
    plane.Click(300, 400);
    EXPECT_EQ(plane.picture.List().size(), templateSize);  // nothing drawn without a mode
    EXPECT_EQ(plane.workspace.accumulatedOperand.x, 100);
    EXPECT_FALSE(plane.workspace.ShowResult(plane.target));  // right click ignored
    EXPECT_FALSE(plane.workspace.resultShown);

    plane.workspace.ChooseMode(PlaneMode::Sum, plane.target);
    EXPECT_EQ(plane.workspace.accumulatedOperand.x, 0);
    EXPECT_EQ(plane.workspace.lastOperand.x, 0);
    EXPECT_EQ(plane.workspace.lastOperand.angle, plane.workspace.currentPoint.angle);  // angle left as is
    plane.Click(1000, 0);
    plane.workspace.ShowResult(plane.target);
    plane.Click(0, 1000);  // a point after the result keeps the old result until the next right click
    EXPECT_TRUE(plane.workspace.resultShown);
    EXPECT_NEAR(plane.Row(cp::kResultant).x, 1000, kTolerance);
    plane.workspace.ChooseMode(PlaneMode::Remainder, plane.target);
    EXPECT_FALSE(plane.workspace.resultShown);
    EXPECT_EQ(plane.workspace.vectorList.present, 0);
    EXPECT_EQ(plane.Row(cp::kResultant).length, 0);
    EXPECT_EQ(plane.picture.List().size(), templateSize);
}

TEST(VectorSeries, ATwentyFirstVectorIsRefusedAndTheFirstTwentyKept) {
    Plane plane;
    plane.workspace.ChooseMode(PlaneMode::Sum, plane.target);
    for (int i = 1; i <= cp::kMaxVectors; ++i)
        EXPECT_FALSE(plane.Click(i * 10, 5).refusal);
    const auto before = plane.workspace.accumulatedOperand;
    const std::size_t drawn = plane.picture.List().size();
    const auto refused = plane.Click(999, 999);
    ASSERT_TRUE(refused.refusal);
    EXPECT_EQ(*refused.refusal, "No se pueden añadir más de 20 vectores");
    EXPECT_EQ(plane.workspace.vectorList.count, 20);
    EXPECT_EQ(plane.workspace.vectorList.items[19].x, 200);
    EXPECT_EQ(plane.workspace.accumulatedOperand.x, before.x);
    EXPECT_EQ(plane.workspace.lastOperand.x, 200);
    EXPECT_EQ(plane.picture.List().size(), drawn);
    plane.workspace.ShowResult(plane.target);
    EXPECT_NEAR(plane.Row(cp::kResultant).x, 10.0 * 20 * 21 / 2, kTolerance);
    // Line mode stores no vectors: no limit there.
    plane.workspace.ChooseMode(PlaneMode::Line, plane.target);
    for (int i = 0; i < 25; ++i)
        EXPECT_FALSE(plane.Click(i, 100).refusal);
}

TEST(VectorSeries, OrvanelRoundsLengthsAndStoredVectorsToWholeNumbers) {
    Plane rorev(Arithmetic::Rorev), orvanel(Arithmetic::Orvanel);
    for (Plane* p : {&rorev, &orvanel})
        p->Series(PlaneMode::Sum, {{1000.4, 0.4}, {0.6, 999.6}});
    // Orvanel: |(1000, 0)| + |(1, 1000)| from rounded coordinates.
    EXPECT_EQ(orvanel.workspace.accumulatedOperand.length, 1000);
    EXPECT_NEAR(orvanel.workspace.lastOperand.length, std::hypot(1.0, 1000.0), 1e-4);
    EXPECT_NEAR(rorev.workspace.accumulatedOperand.length, std::hypot(1000.4, 0.4), 1e-9);
    EXPECT_EQ(orvanel.Row(cp::kResultant).length,
              static_cast<double>(static_cast<float>(std::hypot(1001.0, 1000.0))));
    EXPECT_NE(orvanel.Row(cp::kTensionA).length, rorev.Row(cp::kTensionA).length);
    for (int i = 0; i < 3; ++i) {
        const auto& r = orvanel.Row(i);
        for (double v : {r.x, r.y, r.angle, r.length})
            EXPECT_EQ(v, static_cast<double>(static_cast<float>(v)));
    }
    EXPECT_EQ(orvanel.workspace.vectorList.items[0].x, 1000);
    EXPECT_EQ(orvanel.workspace.vectorList.items[1].x, 1);
    EXPECT_EQ(orvanel.workspace.vectorList.items[1].y, 1000);
    EXPECT_EQ(rorev.workspace.vectorList.items[1].x, 0.6);
    // Far out (zoomed out to 52) the whole-number list holds values beyond 16 bits.
    Plane far(Arithmetic::Orvanel);
    far.Series(PlaneMode::Sum, {{275400, -275400}});
    EXPECT_EQ(far.workspace.vectorList.items[0].x, 275400);
    EXPECT_NEAR(far.Row(cp::kResultant).length, 275400 * std::sqrt(2.0), 0.1);
}

TEST(VectorSeries, OrvanelRefusesAPointBeyondItsStoresAndKeepsTheSeries) {
    Plane plane(Arithmetic::Orvanel);
    plane.workspace.ChooseMode(PlaneMode::Sum, plane.target);
    plane.Click(100, 100);
    const auto before = plane.workspace.lastOperand;
    plane.workspace.currentPoint = {3e9, 0, 0, 3e9};
    EXPECT_THROW(plane.workspace.AddPoint(plane.target), cp::OverflowFault);
    EXPECT_EQ(plane.workspace.lastOperand.x, before.x);
    EXPECT_EQ(plane.workspace.vectorList.count, 1);
}
