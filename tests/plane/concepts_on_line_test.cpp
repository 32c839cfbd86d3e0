// Line mode: the first point only marks itself, a later point draws the line at normal zoom and
// lists the concepts near it; the line is cut to the picture even where dx + 0.1 vanishes.
#include <gtest/gtest.h>

#include <cmath>

#include "conceptplane/template.h"
#include "conceptplane/vector_workspace.h"
#include "plane_fixture.h"

using cp::Arithmetic;
using cp::PlaneMode;

namespace {

constexpr surface::Rgb kLineYellow = surface::RGB(200, 200, 0);

struct LinePlane : planetest::Plane {
    explicit LinePlane(cp::ConceptTable table) : Plane(Arithmetic::Rorev, std::move(table)) {
        workspace.ChooseMode(PlaneMode::Line, target);
    }
};

std::vector<cp::Text> Trimmed(const std::vector<cp::Text>& names) {
    std::vector<cp::Text> out;
    for (const auto& n : names)
        out.push_back(cp::TrimRightBlanks(n));
    return out;
}

}  // namespace

TEST(ConceptsOnLine, HorizontalLineListsTheConceptsWithinAHundredUnits) {
    LinePlane plane(planetest::ConceptTableOf(
        {{U"Sobre la recta", 0, 0, 3000, 520}, {U"Lejos", 0, 0, 3000, 700}, {U"Primero", 0, 0, 0, 500}}));
    plane.view.ZoomIn();
    const auto first = plane.Click(0, 500);
    EXPECT_FALSE(first.onLine || first.zoomReset);
    const auto& mark = plane.picture.List().back();
    EXPECT_EQ(mark.kind, surface::PrimitiveKind::Circle);
    planetest::ExpectNear(mark.a, {5300, 5300 - 500 / plane.view.planeZoom});

    const auto second = plane.Click(1000, 500);
    ASSERT_TRUE(second.onLine);
    EXPECT_EQ(Trimmed(*second.onLine), (std::vector<cp::Text>{U"Sobre la recta", U"Primero"}));
    EXPECT_TRUE(second.zoomReset);
    EXPECT_EQ(plane.layerCalls, 2);  // the mode choice and the redraw both drew the caller's layer
    const auto line = planetest::LinesIn(plane.picture, kLineYellow);
    ASSERT_EQ(line.size(), 1u);
    planetest::ExpectNear(line[0].a, {0, 5300 - 500000.0 / 999.9});  // about 4800: plane height 500
    planetest::ExpectNear(line[0].b, {10600, line[0].a.y});
    // The point circles are gone with the redraw.
    for (const auto& p : plane.picture.List())
        EXPECT_FALSE(p.kind == surface::PrimitiveKind::Circle && p.radius == 50);
}

TEST(ConceptsOnLine, FirstPointAtTheCentreCountsAsNoPoint) {
    LinePlane plane(planetest::ConceptTableOf({{U"Centro", 0, 0, 0, 0}}));
    plane.Click(0, 0);
    EXPECT_FALSE(plane.Click(1000, 1000).onLine);
    EXPECT_TRUE(plane.Click(1000, 0).onLine);  // the third click draws the line
}

TEST(ConceptsOnLine, SteepLinesAreCutToThePicture) {
    struct Case {
        surface::Point p, q;  // the last point and the sum of the others
        double x;             // picture x where the line crosses the middle height
    } cases[] = {
        {{300, 0}, {300, 1000}, 5600},    // dx = 0: heights near 1e7 at the picture's sides
        {{300.1, 0}, {300, 1000}, 5600},  // dx + 0.1 about 1e-14: heights near 1e20
        {{0, 200}, {0, 200.5}, 5300},     // a steep line through the centre
        {{0.1, 0}, {0, 1000}, 5300.1},    // dx + 0.1 = 0 exactly: drawn vertically at X = -c / dy
    };
    for (const Case& c : cases) {
        LinePlane plane(planetest::ConceptTableOf({}));
        plane.workspace.accumulatedOperand = {c.q.x, c.q.y, 0, 0};
        plane.workspace.currentPoint = {c.p.x, c.p.y, 0, 0};
        ASSERT_TRUE(plane.workspace.AddPoint(plane.target).onLine);
        const auto line = planetest::LinesIn(plane.picture, kLineYellow);
        ASSERT_EQ(line.size(), 1u);
        for (auto pt : {line[0].a, line[0].b})
            EXPECT_TRUE(pt.x >= 0 && pt.x <= 10600 && pt.y >= 0 && pt.y <= 10600) << pt.x << ", " << pt.y;
        EXPECT_NEAR((line[0].a.x + line[0].b.x) / 2, c.x, 0.5) << c.p.x;
    }
}

TEST(ConceptsOnLine, ToleranceDependsOnTheLinesDirection) {
    const auto table = planetest::ConceptTableOf({{U"A 99", 0, 0, 0, 99},
                                                  {U"A 101", 0, 0, 0, 101},
                                                  {U"Diagonal 69", 0, 0, -49, 49},
                                                  {U"Diagonal 72", 0, 0, -51, 51}});
    const auto horizontal = cp::LineThrough({0, 0}, {1000, 0}, Arithmetic::Rorev);
    EXPECT_EQ(Trimmed(cp::ConceptsOnLine(table, horizontal, Arithmetic::Rorev)),
              (std::vector<cp::Text>{U"A 99", U"Diagonal 69", U"Diagonal 72"}));
    const auto diagonal = cp::LineThrough({0, 0}, {1000, 1000}, Arithmetic::Rorev);
    EXPECT_EQ(Trimmed(cp::ConceptsOnLine(table, diagonal, Arithmetic::Rorev)),
              (std::vector<cp::Text>{U"A 99", U"Diagonal 69"}));
    EXPECT_TRUE(cp::ConceptsOnLine(planetest::ConceptTableOf({}), diagonal, Arithmetic::Orvanel).empty());
}
