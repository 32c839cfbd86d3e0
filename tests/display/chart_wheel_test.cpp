// The chart wheel's display list: the frame, the turning sign ring, the placing of the point glyphs
// with the collision rule, the colours of the aspect lines, the synastry's two rings, and the
// Ascendant a click asks for.
#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "core_builders.h"
#include "display_list_reading.h"
#include "orvanel/display/chart_wheel.h"
#include "orvanel/display/synastry_wheel.h"

namespace orvanel {
namespace {

using display_list::OfKind;
using surface::PrimitiveKind;

constexpr surface::Point kCentre{2560, 2560};

// A slot whose twelve points lie at `degrees` (direct), with the Ascendant `ascendant`.
ChartSlot SlotAt(const std::vector<int>& degrees, std::int16_t ascendant) {
    ChartSlot chart;
    chart.ascendant = ascendant;
    chart.ephemerisText = core_builders::PositionsText(degrees);
    return chart;
}

double Distance(surface::Point a, surface::Point b) {
    return std::hypot(b.x - a.x, b.y - a.y);
}

// Degrees counterclockwise on the screen (y grows downwards), within half a turn of 0.
double Towards(surface::Point a, surface::Point b, double expected) {
    return std::remainder(std::atan2(-(b.y - a.y), b.x - a.x) * 180 / M_PI - expected, 360);
}

TEST(ChartWheel, FrameHasFixedRadialLinesAndATurningSignRing) {
    surface::DrawingSurface s;
    DrawChartWheel(s, SlotAt({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 100), kChartWheelRadius);
    const auto circles = OfKind(s, PrimitiveKind::Circle);
    ASSERT_EQ(circles.size(), 1u);
    EXPECT_EQ(std::pair(circles[0].a, circles[0].radius), std::pair(kCentre, 1980.0));

    const auto lines = OfKind(s, PrimitiveKind::Line);
    ASSERT_EQ(lines.size(), 24u);  // no aspects
    for (std::size_t k = 0; k < 12; ++k) {
        // The fixed lines go clockwise on the screen; the sign ticks turn with the Ascendant.
        const auto &radial = lines[k], &tick = lines[12 + k];
        const double turn = 30.0 * static_cast<double>(k);
        EXPECT_EQ(radial.a, kCentre);
        EXPECT_NEAR(Distance(kCentre, radial.b), 1980, 0.01);
        EXPECT_NEAR(Towards(radial.a, radial.b, -turn), 0, 0.01) << k;
        EXPECT_NEAR(Distance(kCentre, tick.a), 1980, 0.01);
        EXPECT_NEAR(Distance(tick.a, tick.b), 370, 0.01);
        EXPECT_NEAR(Towards(tick.a, tick.b, 80 + turn), 0, 0.01) << k;
    }

    const auto texts = OfKind(s, PrimitiveKind::Text);
    ASSERT_EQ(texts.size(), 24u);
    // Each sign's glyph in the middle of its sign, 1980 + 247.5 from the centre, less the print offset.
    for (std::size_t j = 0; j < 12; ++j) {
        EXPECT_EQ(texts[j].text, cp::Text(1, U"ABCDEFGHIJKL"[j]));
        const surface::Point middle{texts[j].a.x + 80, texts[j].a.y + 80};
        EXPECT_NEAR(Distance(kCentre, middle), 2227.5, 0.05) << j;
        EXPECT_NEAR(Towards(kCentre, middle, 95 + 30.0 * static_cast<double>(j)), 0, 0.01) << j;
    }
}

TEST(ChartWheel, CloseGlyphsMoveInAndOutInTurn) {
    // Ascendant 180: rotation 0, so longitude L lies at screen angle L.
    // The points' longitudes, a point 1..12 and the expected distance of its glyph.
    const std::tuple<std::vector<int>, std::size_t, double> cases[] = {
        {{10, 100, 200, 300, 50, 150, 250, 350, 20, 120, 220, 320}, 2, 1320},
        {{10, 20, 200, 300, 50, 150, 250, 350, 80, 120, 220, 320}, 2, 1120},  // 10 apart: inwards
        {{10, 20, 15, 300, 50, 150, 250, 350, 80, 120, 220, 320}, 3, 1520},   // two collisions: -200, +400
        {{358, 3, 200, 300, 50, 150, 250, 180, 80, 120, 220, 320}, 2, 1120},  // across 0 degrees
        {{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 12, 120},                      // eleven collisions
    };
    for (const auto& [degrees, j, radius] : cases) {
        surface::DrawingSurface s;
        DrawChartWheel(s, SlotAt(degrees, 180), kChartWheelRadius);
        EXPECT_NEAR(Wheel().glyphX[j], 2560 + radius * std::cos(degrees[j - 1] * M_PI / 180) - 60, 0.6) << j;
        EXPECT_NEAR(Wheel().glyphY[j], 2560 - radius * std::sin(degrees[j - 1] * M_PI / 180) - 65, 0.6) << j;
    }
}

TEST(ChartWheel, AspectLinesAreDottedAndAConjunctionKeepsTheColourBeforeIt) {
    ChartSlot chart = SlotAt({10, 15, 130, 200, 50, 150, 250, 350, 80, 120, 220, 320}, 180);
    // The Sun with points 2..6; a conjunction first takes the fore colour, white.
    core_builders::SetAspects(chart, {{1, 1, 2}, {3, 1, 3}, {1, 1, 4}, {5, 1, 5}, {2, 1, 6}});
    const surface::Rgb expected[] = {surface::kWhite, surface::RGB(0, 200, 0), surface::RGB(0, 200, 0),
                                     surface::RGB(100, 100, 255), surface::RGB(255, 100, 100)};
    surface::DrawingSurface s;
    DrawChartWheel(s, chart, kChartWheelRadius);
    const auto lines = OfKind(s, PrimitiveKind::Line);
    ASSERT_EQ(lines.size(), 29u);
    const auto glyphCentre = [](std::size_t j) {
        return surface::Point{Wheel().glyphX[j] + 100.0, Wheel().glyphY[j] + 100.0};
    };
    for (std::size_t n = 0; n < 5; ++n) {
        const auto& l = lines[24 + n];
        EXPECT_EQ(std::pair(l.style, l.colour), std::pair(surface::kDotted, expected[n])) << n;
        EXPECT_EQ(std::pair(l.a, l.b), std::pair(glyphCentre(1), glyphCentre(n + 2))) << n;
    }
    EXPECT_EQ(s.ForeColour(), surface::kWhite);
    EXPECT_EQ(s.DrawStyle(), surface::kSolid);
}

TEST(ChartWheel, AClickNamesTheLongitudeUnderItsDirection) {
    // Left of the centre the Ascendant stays, right of it it turns by 180, above it by 90 less; the
    // centre itself is angle 0.
    const std::tuple<std::int16_t, double, double, std::int16_t> cases[] = {
        {100, 100, 2560, 100}, {100, 5000, 2560, 280}, {300, 5000, 2560, 120},
        {100, 2560, 100, 10},  {100, 2560, 2560, 280}, {0, 100, 2560, 0}};
    for (const auto& [ascendant, x, y, expected] : cases)
        EXPECT_EQ(ClickedAscendant(ascendant, x, y), expected) << x << "," << y;
}

TEST(SynastryWheel, OuterGlyphsShareTheInnerZodiacAndTheHouseLinesStartRed) {
    const ChartSlot same = SlotAt({10, 100, 200, 300, 50, 150, 250, 350, 20, 120, 220, 320}, 90);
    surface::DrawingSurface s;
    DrawSynastryWheel(s, same, same);
    const auto circles = OfKind(s, PrimitiveKind::Circle);
    ASSERT_EQ(circles.size(), 2u);
    EXPECT_EQ(std::pair(circles[0].radius, circles[1].radius), std::pair(1250.0, 1600.0));
    const auto texts = OfKind(s, PrimitiveKind::Text);
    ASSERT_EQ(texts.size(), 36u);
    // Identical subjects: each outer glyph 1334 further out on the same ray as the inner one.
    const auto glyphCentre = [](const surface::Primitive& glyph) {
        return surface::Point{glyph.a.x + 60, glyph.a.y + 65};
    };
    for (std::size_t j = 0; j < 12; ++j) {
        const auto &in = texts[12 + j], &out = texts[24 + j];
        EXPECT_EQ(in.text, out.text);
        EXPECT_NEAR(Distance(kCentre, glyphCentre(out)) - Distance(kCentre, glyphCentre(in)), 1334, 1.5) << j;
    }
    const auto lines = OfKind(s, PrimitiveKind::Line);
    ASSERT_EQ(lines.size(), 36u);
    // The outer houses from the ring outwards, turned by 180 - 90 + 90: the outer Ascendant at the left.
    for (std::size_t k = 0; k < 12; ++k) {
        const auto& house = lines[24 + k];
        EXPECT_NEAR(Distance(kCentre, house.a), 1600, 0.01);
        EXPECT_NEAR(Distance(kCentre, house.b), 2600, 0.01);
        EXPECT_NEAR(Towards(kCentre, house.b, 180 + 30.0 * static_cast<double>(k)), 0, 0.01) << k;
        EXPECT_EQ(house.colour, k == 0 ? surface::RGB(255, 0, 0) : surface::RGB(255, 255, 128));
    }
}

}  // namespace
}  // namespace orvanel
