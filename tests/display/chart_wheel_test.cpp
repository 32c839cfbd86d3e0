// The chart wheel's display list: the frame, the turning sign ring, the placing of the point glyphs
// with the collision rule, the colours of the aspect lines, the synastry's two rings, and the
// Ascendant a click asks for.
#include <gtest/gtest.h>

#include <cmath>

#include "core_builders.h"
#include "display_list_reading.h"
#include "orvanel/display/chart_wheel.h"
#include "orvanel/display/synastry_wheel.h"

namespace orvanel {
namespace {

using display_list::OfKind;
using surface::Primitive;
using surface::PrimitiveKind;

constexpr surface::Point kCentre{2560, 2560};

// A slot whose twelve points lie at `degrees` (direct), with the Ascendant `ascendant`.
ChartSlot SlotAt(const std::vector<int>& degrees, std::int16_t ascendant) {
    ChartSlot chart;
    chart.title = chart.dateText = U"05 / 12 / 2001";
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
    cp::Text title;
    SetChartTitleSink([&](const cp::Text& t) { title = t; });
    DrawChartWheel(s, SlotAt({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 100), kChartWheelRadius);
    SetChartTitleSink({});
    EXPECT_EQ(title, U"Carta  Astral  de  05 / 12 / 2001 ( 05 / 12 / 2001 )");
    EXPECT_EQ(Wheel().rotation, 80);
    const auto circles = OfKind(s, PrimitiveKind::Circle);
    ASSERT_EQ(circles.size(), 1u);
    EXPECT_EQ(circles[0].a, kCentre);
    EXPECT_EQ(circles[0].radius, 1980);

    const auto lines = OfKind(s, PrimitiveKind::Line);
    ASSERT_EQ(lines.size(), 24u);  // no aspects
    for (std::size_t k = 0; k < 12; ++k) {
        // The fixed lines go clockwise on the screen; the sign ticks turn with the Ascendant.
        const Primitive &radial = lines[k], &tick = lines[12 + k];
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
        EXPECT_EQ(texts[12 + j].text, cp::Text(1, U"abcdefghijkl"[j]));
        const surface::Point middle{texts[j].a.x + 80, texts[j].a.y + 80};
        EXPECT_NEAR(Distance(kCentre, middle), 2227.5, 0.05) << j;
        EXPECT_NEAR(Towards(kCentre, middle, 95 + 30.0 * static_cast<double>(j)), 0, 0.01) << j;
    }
}

TEST(ChartWheel, CloseGlyphsMoveInAndOutInTurn) {
    Wheel().radius = kChartWheelRadius;
    // Ascendant 180: rotation 0, so longitude L lies at screen angle L.
    struct Case {
        std::vector<int> degrees;
        int point;      // 1..12
        double radius;  // expected distance of its glyph
    } cases[] = {
        {{10, 100, 200, 300, 50, 150, 250, 350, 20, 120, 220, 320}, 2, 1320},
        {{10, 20, 200, 300, 50, 150, 250, 350, 80, 120, 220, 320}, 2, 1120},  // 10 apart: inwards
        {{10, 20, 15, 300, 50, 150, 250, 350, 80, 120, 220, 320}, 3, 1520},   // two collisions: -200, +400
        {{358, 3, 200, 300, 50, 150, 250, 180, 80, 120, 220, 320}, 2, 1120},  // across 0 degrees
        {{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 12, 120},                      // eleven collisions
    };
    for (const Case& c : cases) {
        Wheel().rotation = 0;
        Wheel().centerX = Wheel().centerY = 2560;
        PlacePointGlyphs(SlotAt(c.degrees, 180));
        const auto j = static_cast<std::size_t>(c.point);
        const double theta = c.degrees[j - 1] * M_PI / 180;
        EXPECT_NEAR(Wheel().glyphX[j], 2560 + c.radius * std::cos(theta) - 60, 0.6) << c.point;
        EXPECT_NEAR(Wheel().glyphY[j], 2560 - c.radius * std::sin(theta) - 65, 0.6) << c.point;
    }
}

TEST(ChartWheel, AspectLinesAreDottedAndAConjunctionKeepsTheColourBeforeIt) {
    ChartSlot chart = SlotAt({10, 15, 130, 200, 50, 150, 250, 350, 80, 120, 220, 320}, 180);
    // The Sun with points 2..6; a conjunction first takes the fore colour, white.
    core_builders::SetAspects(chart, {{1, 1, 2}, {3, 1, 3}, {1, 1, 4}, {5, 1, 5}, {2, 1, 6}});
    const surface::Rgb green = surface::RGB(0, 200, 0);
    const surface::Rgb expected[] = {surface::kWhite, green, green, surface::RGB(100, 100, 255),
                                     surface::RGB(255, 100, 100)};
    surface::DrawingSurface s;
    DrawChartWheel(s, chart, kChartWheelRadius);
    const auto lines = OfKind(s, PrimitiveKind::Line);
    ASSERT_EQ(lines.size(), 29u);
    const auto glyphCentre = [](std::size_t j) {
        return surface::Point{Wheel().glyphX[j] + 100.0, Wheel().glyphY[j] + 100.0};
    };
    for (std::size_t n = 0; n < 5; ++n) {
        EXPECT_EQ(lines[24 + n].style, surface::kDotted);
        EXPECT_EQ(lines[24 + n].colour, expected[n]) << n;
        EXPECT_EQ(lines[24 + n].a, glyphCentre(1));
        EXPECT_EQ(lines[24 + n].b, glyphCentre(n + 2));
    }
    EXPECT_EQ(s.ForeColour(), surface::kWhite);
    EXPECT_EQ(s.DrawStyle(), surface::kSolid);
}

TEST(ChartWheel, AClickNamesTheLongitudeUnderItsDirection) {
    struct Case {
        std::int16_t ascendant;
        double x, y;
        std::int16_t expected;
    } cases[] = {
        {100, 100, 2560, 100},                         // left of the centre: the Ascendant stays
        {100, 5000, 2560, 280},                        // right of it: turned by 180
        {300, 5000, 2560, 120}, {100, 2560, 100, 10},  // above: 90 degrees less
        {100, 2560, 2560, 280},                        // the centre itself: angle 0
        {0, 100, 2560, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ClickedAscendant(c.ascendant, c.x, c.y), c.expected) << c.x << "," << c.y;
}

TEST(SynastryWheel, OuterGlyphsShareTheInnerZodiacAndTheHouseLinesStartRed) {
    const ChartSlot same = SlotAt({10, 100, 200, 300, 50, 150, 250, 350, 20, 120, 220, 320}, 90);
    surface::DrawingSurface s;
    DrawSynastryWheel(s, same, same);
    const auto circles = OfKind(s, PrimitiveKind::Circle);
    ASSERT_EQ(circles.size(), 2u);
    EXPECT_EQ(circles[0].radius, 1250);
    EXPECT_EQ(circles[1].radius, 1600);
    const auto texts = OfKind(s, PrimitiveKind::Text);
    ASSERT_EQ(texts.size(), 36u);
    // Identical subjects: each outer glyph 1334 further out on the same ray as the inner one.
    const auto glyphCentre = [](const Primitive& glyph) {
        return surface::Point{glyph.a.x + 60, glyph.a.y + 65};
    };
    for (std::size_t j = 0; j < 12; ++j) {
        const Primitive &in = texts[12 + j], &out = texts[24 + j];
        EXPECT_EQ(in.text, out.text);
        EXPECT_NEAR(Distance(kCentre, glyphCentre(out)) - Distance(kCentre, glyphCentre(in)), 1334, 1.5) << j;
    }
    const auto lines = OfKind(s, PrimitiveKind::Line);
    ASSERT_EQ(lines.size(), 36u);
    EXPECT_EQ(Wheel().rotation, 180);       // 180 - 90 + 90: the outer Ascendant at the left
    for (std::size_t k = 0; k < 12; ++k) {  // the outer houses, from the ring outwards
        const Primitive& house = lines[24 + k];
        EXPECT_NEAR(Distance(kCentre, house.a), 1600, 0.01);
        EXPECT_NEAR(Distance(kCentre, house.b), 2600, 0.01);
        EXPECT_NEAR(Towards(kCentre, house.b, 180 + 30.0 * static_cast<double>(k)), 0, 0.01) << k;
        EXPECT_EQ(house.colour, k == 0 ? surface::RGB(255, 0, 0) : surface::RGB(255, 255, 128));
    }
}

}  // namespace
}  // namespace orvanel
