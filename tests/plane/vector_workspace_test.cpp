// Sum and remainder series: the resultant and its hidden tensions, what the picture shows, the
// vector list and its limit of twenty, and where Orvanel's arithmetic differs from rorev's.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "conceptplane/faults.h"
#include "conceptplane/template.h"
#include "conceptplane/vector_workspace.h"
#include "plane_fixture.h"

using cp::Arithmetic;
using cp::PlaneMode;
using planetest::Plane;

namespace {

constexpr surface::Rgb kGreen = surface::RGB(0, 200, 0);
constexpr surface::Rgb kRed = surface::RGB(200, 0, 0);

// A result row to two decimals, as x, y, angle and length.
std::string Text(const cp::ResultRow& r) {
    char text[80];
    std::snprintf(text, sizeof text, "%.2f %.2f %.2f %.2f", r.x, r.y, r.angle, r.length);
    return text;
}

}  // namespace

TEST(VectorSeries, ResultantTensionsAndPictureOfSumsAndRemainders) {
    const struct {
        PlaneMode mode;
        std::initializer_list<surface::Point> points;
        cp::ResultRow resultant, tensionA;  // tension B points the other way
    } cases[] = {
        // The worked sum, the tensions of one vector (half a unit), a remainder from the first point.
        {PlaneMode::Sum, {{1000, 0}, {0, 1000}}, {1000, 1000, 45, 1414.21}, {-207.46, 207.46, 135, 293.39}},
        {PlaneMode::Sum, {{300, 400}}, {300, 400, 53.13, 500}, {-0.4, 0.3, 143.13, 0.5}},
        {PlaneMode::Remainder,
         {{1000, 0}, {0, 1000}},
         {-1000, 1000, 135, 1414.21},
         {-207.46, -207.46, 225, 293.39}},
    };
    for (const auto& c : cases) {
        Plane plane;
        plane.Series(c.mode, c.points);
        EXPECT_EQ(Text(plane.Row(cp::kResultant)), Text(c.resultant));
        EXPECT_EQ(Text(plane.Row(cp::kTensionA)), Text(c.tensionA));
        const cp::ResultRow b{-c.tensionA.x, -c.tensionA.y, std::fmod(c.tensionA.angle + 180, 360),
                              c.tensionA.length};
        EXPECT_EQ(Text(plane.Row(cp::kTensionB)), Text(b));
    }
    Plane remainder;
    remainder.Series(PlaneMode::Remainder, {{1000, 0}, {0, 1000}});
    EXPECT_TRUE(remainder.workspace.ShowResult(remainder.target)) << "a second right click flips it";
    EXPECT_EQ(Text(remainder.Row(cp::kResultant)), Text({1000, 1000, 45, 1414.21}));

    // The picture of the worked sum: the green resultant, two red tensions and the vectors.
    Plane plane;
    plane.Series(PlaneMode::Sum, {{1000, 0}, {0, 1000}});
    const auto green = planetest::LinesIn(plane.picture, kGreen);
    const auto red = planetest::LinesIn(plane.picture, kRed);
    ASSERT_EQ((std::vector{green.size(), red.size()}), (std::vector<std::size_t>{1, 2}));
    EXPECT_EQ(green[0].width, 2);
    planetest::ExpectNear(green[0].a, {5300, 5300});
    planetest::ExpectNear(green[0].b, {6300, 4300});
    EXPECT_NEAR(std::hypot(red[0].b.x - 5300, red[0].b.y - 5300), 293.39, 0.005);
    EXPECT_NEAR(red[1].b.x - 5300, -(red[0].b.x - 5300), 1e-3);  // opposite, up to pi as 3.141592
    // The two stored vectors, after the result, at width 1 in the fore colour, each with a head.
    const auto fore = planetest::LinesIn(plane.picture, cp::kPlaneFore);
    ASSERT_EQ(fore.size(), 3u * 3 + 2 * 4);
    EXPECT_EQ(fore.back().width, 1);
    // Zoomed in, the redraw scales the series by the zoom.
    plane.view.ZoomIn();
    cp::DrawTemplate(plane.target, plane.workspace);
    EXPECT_NEAR(planetest::LinesIn(plane.picture, kGreen)[0].b.x - 5300, 1000 / plane.view.planeZoom, 1e-6);
}

TEST(VectorSeries, ModesStartOverAndNoModeOnlyMovesTheOperands) {
    Plane plane;
    cp::DrawTemplate(plane.target, plane.workspace);
    const std::size_t templateSize = plane.picture.List().size();
    plane.Click(100, 200);
    plane.Click(300, 400);
    EXPECT_EQ(plane.picture.List().size(), templateSize);  // nothing drawn without a mode
    EXPECT_EQ(plane.workspace.accumulatedOperand.x, 100);
    EXPECT_FALSE(plane.workspace.ShowResult(plane.target));  // right click ignored
    plane.workspace.ChooseMode(PlaneMode::Sum, plane.target);
    EXPECT_EQ(plane.workspace.lastOperand.x, 0);
    EXPECT_EQ(plane.workspace.lastOperand.angle, plane.workspace.currentPoint.angle);  // angle left as is
    plane.Click(1000, 0);
    plane.workspace.ShowResult(plane.target);
    plane.Click(0, 1000);  // a point after the result keeps the old result until the next right click
    EXPECT_TRUE(plane.workspace.resultShown);
    EXPECT_NEAR(plane.Row(cp::kResultant).x, 1000, 1e-6);
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
        plane.Click(i * 10, 5);
    const std::size_t drawn = plane.picture.List().size();
    EXPECT_EQ(plane.Click(999, 999).refusal, "No se pueden añadir más de 20 vectores");
    EXPECT_EQ(plane.workspace.vectorList.count, 20);
    EXPECT_EQ(plane.workspace.vectorList.items[19], (surface::Point{200, 5}));
    EXPECT_EQ(plane.workspace.lastOperand.x, 200);
    EXPECT_EQ(plane.picture.List().size(), drawn);
    plane.workspace.ShowResult(plane.target);
    EXPECT_NEAR(plane.Row(cp::kResultant).x, 10.0 * 20 * 21 / 2, 1e-6);
    // Line mode stores no vectors: no limit there.
    plane.workspace.ChooseMode(PlaneMode::Line, plane.target);
    for (int i = 0; i < 25; ++i)
        EXPECT_FALSE(plane.Click(i, 100).refusal);
}

TEST(VectorSeries, OrvanelRoundsToWholeNumbersAndRefusesAPointBeyondItsStores) {
    Plane rorev(Arithmetic::Rorev), orvanel(Arithmetic::Orvanel);
    for (Plane* p : {&rorev, &orvanel})
        p->Series(PlaneMode::Sum, {{1000.4, 0.4}, {0.6, 999.6}});
    // Orvanel: |(1000, 0)| + |(1, 1000)| from rounded coordinates.
    EXPECT_EQ(orvanel.workspace.accumulatedOperand.length, 1000);
    EXPECT_NEAR(orvanel.workspace.lastOperand.length, std::hypot(1.0, 1000.0), 1e-4);
    EXPECT_EQ(orvanel.Row(cp::kResultant).length,
              static_cast<double>(static_cast<float>(std::hypot(1001.0, 1000.0))));
    for (int i = 0; i < 3; ++i)
        for (double v : {orvanel.Row(i).x, orvanel.Row(i).y, orvanel.Row(i).angle, orvanel.Row(i).length})
            EXPECT_EQ(v, static_cast<double>(static_cast<float>(v)));
    EXPECT_EQ(orvanel.workspace.vectorList.items[1], (surface::Point{1, 1000}));
    EXPECT_EQ(rorev.workspace.vectorList.items[1].x, 0.6);
    // A point beyond its stores is refused and the series kept.
    orvanel.workspace.currentPoint = {3e9, 0, 0, 3e9};
    EXPECT_THROW(orvanel.workspace.AddPoint(orvanel.target), cp::OverflowFault);
    EXPECT_EQ(orvanel.workspace.lastOperand.x, static_cast<double>(0.6f));
    EXPECT_EQ(orvanel.workspace.vectorList.count, 2);
}
