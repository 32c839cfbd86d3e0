// The chart wheel's display list: the frame, the turning sign ring, the placing of the point glyphs
// with the collision rule, the colours of the aspect lines, and the Ascendant a click asks for.
#include <gtest/gtest.h>

#include <cmath>

#include "orvanel/display/chart_wheel.h"
#include "orvanel/display/synastry_wheel.h"
#include "window_fixture.h"

namespace orvanel {
namespace {

using surface::Primitive;
using surface::PrimitiveKind;
using testing::OfKind;

// A slot whose twelve points lie at `degrees` (direct), with the Ascendant `ascendant`.
ChartSlot SlotAt(std::array<int, 12> degrees, std::int16_t ascendant) {
    ChartSlot chart;
    chart.title = U"05 / 12 / 2001";
    chart.dateText = U"05 / 12 / 2001";
    chart.ascendant = ascendant;
    chart.ephemerisText.clear();
    for (int d : degrees) {
        char field[8];
        std::snprintf(field, sizeof field, "%03d", d);
        chart.ephemerisText += cp::Text(field, field + 3) + U"¡";
    }
    return chart;
}

double AngleOfLine(const Primitive& line) {
    return std::atan2(-(line.b.y - line.a.y), line.b.x - line.a.x) * 180 / M_PI;
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
    EXPECT_EQ(circles[0].a, (surface::Point{2560, 2560}));
    EXPECT_EQ(circles[0].radius, 1980);

    const auto lines = OfKind(s, PrimitiveKind::Line);
    ASSERT_EQ(lines.size(), 24u);  // no aspects
    for (int k = 0; k < 12; ++k) {
        const Primitive& radial = lines[static_cast<std::size_t>(k)];
        EXPECT_EQ(radial.a, (surface::Point{2560, 2560}));
        EXPECT_NEAR(std::hypot(radial.b.x - 2560, radial.b.y - 2560), 1980, 0.01);
        // y grows downwards and the step is (R cos, R sin): the fixed lines go clockwise on screen.
        EXPECT_NEAR(std::remainder(AngleOfLine(radial) + 30 * k, 360), 0, 0.01) << k;
        const Primitive& tick = lines[static_cast<std::size_t>(12 + k)];
        EXPECT_NEAR(std::hypot(tick.a.x - 2560, tick.a.y - 2560), 1980, 0.01);
        EXPECT_NEAR(std::hypot(tick.b.x - tick.a.x, tick.b.y - tick.a.y), 370, 0.01);
        EXPECT_NEAR(std::remainder(AngleOfLine(tick) - (80 + 30 * k), 360), 0, 0.01) << k;
    }

    const auto texts = OfKind(s, PrimitiveKind::Text);
    ASSERT_EQ(texts.size(), 24u);
    // Aries's glyph in the middle of its sign, 1980 + 247.5 from the centre, less the print offset.
    EXPECT_EQ(texts[0].text, U"A");
    EXPECT_EQ(texts[11].text, U"L");
    const double a = (80 + 15) * M_PI / 180;
    EXPECT_NEAR(texts[0].a.x, 2560 + 2227.5 * std::cos(a) - 80, 0.05);
    EXPECT_NEAR(texts[0].a.y, 2560 - 2227.5 * std::sin(a) - 80, 0.05);
    for (int j = 1; j <= 12; ++j)
        EXPECT_EQ(texts[static_cast<std::size_t>(11 + j)].text, cp::Text(1, U"abcdefghijkl"[j - 1]));
}

TEST(ChartWheel, CloseGlyphsMoveInAndOutInTurn) {
    Wheel().radius = kChartWheelRadius;
    // Ascendant 180: rotation 0, so longitude L lies at screen angle L.
    struct Case {
        std::array<int, 12> degrees;
        int point;      // 1..12
        double radius;  // expected distance of its glyph
    };
    const Case cases[] = {
        {{10, 100, 200, 300, 50, 150, 250, 350, 20, 120, 220, 320}, 2, 1320},
        {{10, 20, 200, 300, 50, 150, 250, 350, 80, 120, 220, 320}, 2, 1120},  // 10 apart: inwards
        {{10, 20, 15, 300, 50, 150, 250, 350, 80, 120, 220, 320}, 3, 1520},   // two collisions: -200, +400
        {{358, 3, 200, 300, 50, 150, 250, 180, 80, 120, 220, 320}, 2, 1120},  // across 0 degrees
        {{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 12, 120},                      // eleven collisions
    };
    for (const Case& c : cases) {
        const ChartSlot chart = SlotAt(c.degrees, 180);
        Wheel().rotation = 0;
        Wheel().centerX = Wheel().centerY = 2560;
        PlacePointGlyphs(chart);
        const auto j = static_cast<std::size_t>(c.point);
        const double theta = c.degrees[j - 1] * M_PI / 180;
        EXPECT_NEAR(Wheel().glyphX[j], 2560 + c.radius * std::cos(theta) - 60, 0.6) << c.point;
        EXPECT_NEAR(Wheel().glyphY[j], 2560 - c.radius * std::sin(theta) - 65, 0.6) << c.point;
    }
}

TEST(ChartWheel, AspectLinesAreDottedAndAConjunctionKeepsTheColourBeforeIt) {
    ChartSlot chart = SlotAt({10, 15, 130, 200, 50, 150, 250, 350, 80, 120, 220, 320}, 180);
    const std::int16_t kinds[] = {1, 3, 1, 5, 2};
    const surface::Rgb expected[] = {surface::kWhite, surface::RGB(0, 200, 0), surface::RGB(0, 200, 0),
                                     surface::RGB(100, 100, 255), surface::RGB(255, 100, 100)};
    chart.aspectCount = 5;
    for (std::size_t n = 1; n <= 5; ++n) {
        chart.aspectKind[n] = kinds[n - 1];
        chart.aspectFirst[n] = 1;
        chart.aspectSecond[n] = static_cast<std::int16_t>(n + 1);
    }
    surface::DrawingSurface s;
    DrawChartWheel(s, chart, kChartWheelRadius);
    const auto lines = OfKind(s, PrimitiveKind::Line);
    ASSERT_EQ(lines.size(), 29u);
    for (std::size_t n = 0; n < 5; ++n) {
        const Primitive& line = lines[24 + n];
        EXPECT_EQ(line.style, surface::kDotted);
        EXPECT_EQ(line.colour, expected[n]) << n;
        EXPECT_EQ(line.a, (surface::Point{Wheel().glyphX[1] + 100.0, Wheel().glyphY[1] + 100.0}));
        EXPECT_EQ(line.b, (surface::Point{Wheel().glyphX[n + 2] + 100.0, Wheel().glyphY[n + 2] + 100.0}));
    }
    EXPECT_EQ(s.ForeColour(), surface::kWhite);
    EXPECT_EQ(s.DrawStyle(), surface::kSolid);
}

TEST(ChartWheel, AClickNamesTheLongitudeUnderItsDirection) {
    struct Case {
        std::int16_t ascendant;
        double x, y;
        std::int16_t expected;
    };
    const Case cases[] = {
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
    for (std::size_t j = 0; j < 12; ++j) {
        const Primitive& in = texts[12 + j];
        const Primitive& out = texts[24 + j];
        EXPECT_EQ(in.text, out.text);
        const double dIn = std::hypot(in.a.x + 60 - 2560, in.a.y + 65 - 2560);
        const double dOut = std::hypot(out.a.x + 60 - 2560, out.a.y + 65 - 2560);
        EXPECT_NEAR(dOut - dIn, 1334, 1.5) << j;
    }
    const auto lines = OfKind(s, PrimitiveKind::Line);
    ASSERT_EQ(lines.size(), 36u);
    EXPECT_EQ(Wheel().rotation, 180);  // 180 - 90 + 90: the outer Ascendant at the left
    EXPECT_EQ(lines[24].colour, surface::RGB(255, 0, 0));
    EXPECT_NEAR(lines[24].a.x, 2560 - 1600, 0.01);
    EXPECT_NEAR(lines[24].b.x, 2560 - 2600, 0.01);
    for (std::size_t k = 25; k < 36; ++k)
        EXPECT_EQ(lines[k].colour, surface::RGB(255, 255, 128));
}

}  // namespace
}  // namespace orvanel
