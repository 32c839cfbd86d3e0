// The chart vectors: SignFold, the fourteen vectors of a slot, the naming of a plane point, and the
// analysis of one body.
#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "astro_fixtures.h"
#include "conceptplane/faults.h"
#include "orvanel/vectors/analyse_point.h"
#include "orvanel/vectors/chart_vectors.h"
#include "orvanel/vectors/nearest_concept.h"
#include "orvanel/vectors/sign_fold.h"

using namespace orvanel;
using namespace astro_test;

TEST(SignFold, EverySignOntoTheMiddleOfItsSector) {
    struct Case {
        int longitude, first, last, middle;
    } signs[] = {
        {0, 30, 1, 15},    {30, 0, 331, 345},    {60, 150, 121, 135},  {90, 240, 269, 255},
        {120, 90, 61, 75}, {150, 300, 329, 315}, {180, 150, 179, 165}, {210, 180, 209, 195},
        {240, 30, 59, 45}, {270, 300, 271, 285}, {300, 90, 119, 105},  {330, 240, 211, 225},
    };
    for (const auto& s : signs) {
        EXPECT_EQ(SignFold(static_cast<std::int16_t>(s.longitude)), s.first) << s.longitude;
        EXPECT_EQ(SignFold(static_cast<std::int16_t>(s.longitude + 29)), s.last) << s.longitude;
        EXPECT_EQ(SignFold(static_cast<std::int16_t>(s.longitude + 15)), s.middle) << s.longitude;
    }
    EXPECT_EQ(SignFold(31), 359);
    EXPECT_EQ(SignFold(119), 269);
    EXPECT_EQ(SignFold(359), 211);
    EXPECT_EQ(SignFold(360), SignFold(0));
    // Within a sign the result moves by one degree per degree, in one direction.
    for (int l = 0; l < 360; ++l) {
        if (l % 30 == 29 || l == 30) continue;  // the border, and Tauro's step from 0 to 359
        const int step = SignFold(static_cast<std::int16_t>(l + 1)) - SignFold(static_cast<std::int16_t>(l));
        EXPECT_EQ(std::abs(step), 1) << l;
    }
}

TEST(ChartVectors, TheWorkedTable) {
    ChartSlot slot;
    // The Sun at 0, the Moon at 100, Mercury at 75, Mars at 15; the Ascendant at 200.
    slot.ephemerisText = PositionsText({0, 100, 75, 0, 15, 0, 0, 0, 0, 0, 0, 0});
    slot.ascendant = 200;
    ComputeChartVectors(slot);
    struct Row {
        std::size_t k;
        int x, y, angle, radius, labelX, labelY;
    } rows[] = {
        {1, 1529, 883, 30, 1766, 1789, 1033},     {2, -965, -3005, 252, 3156, -1068, -3287},
        {3, -2234, 2234, 135, 3159, -2446, 2446}, {5, 3051, 818, 15, 3159, 3341, 895},
        {13, -1739, 307, 170, 1766, -2035, 359},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(slot.vectorX[r.k], r.x) << r.k;
        EXPECT_EQ(slot.vectorY[r.k], r.y) << r.k;
        EXPECT_EQ(slot.vectorAngle[r.k], r.angle) << r.k;
        EXPECT_EQ(slot.vectorRadius[r.k], r.radius) << r.k;
        EXPECT_EQ(slot.labelX[r.k], r.labelX) << r.k;
        EXPECT_EQ(slot.labelY[r.k], r.labelY) << r.k;
    }
    int sumX = 0, sumY = 0;
    for (std::size_t k = 1; k <= 13; ++k)
        sumX += slot.vectorX[k], sumY += slot.vectorY[k];
    EXPECT_EQ(slot.vectorX[14], sumX) << "the resultant sums the rounded components";
    EXPECT_EQ(slot.vectorY[14], sumY);
    slot.ephemerisText = PositionsText({135, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    ComputeChartVectors(slot);
    EXPECT_EQ(slot.vectorX[1], 457);
    EXPECT_EQ(slot.vectorY[1], 1706);
    EXPECT_EQ(slot.labelX[1], 535);
    EXPECT_EQ(slot.labelY[1], 1996);
}

TEST(ChartVectors, LengthsFromRoundedComponents) {
    ChartSlot slot;
    auto sunRadius = [&](int longitude) {
        slot.ephemerisText = PositionsText({longitude, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
        ComputeChartVectors(slot);
        return slot.vectorRadius[1];
    };
    EXPECT_EQ(sunRadius(3), 1767);    // SignFold 27
    EXPECT_EQ(sunRadius(249), 1765);  // SignFold 39
    EXPECT_EQ(sunRadius(15), 1766);
    // A body in the middle of its own direction's sign adds both terms in one line: 1766 + 1393.
    struct Own {
        std::size_t k;
        int longitude;
    } own[] = {{2, 105}, {3, 75},  {4, 195}, {5, 15},   {6, 255},
               {7, 285}, {8, 315}, {9, 345}, {10, 225}, {12, 105}};
    for (const auto& o : own) {
        std::vector<int> l(12, 0);
        l[o.k - 1] = o.longitude;
        slot.ephemerisText = PositionsText(l);
        ComputeChartVectors(slot);
        EXPECT_NEAR(slot.vectorRadius[o.k], 3159, 1) << o.k;
    }
    // The "360" of a longitude rounded up is read as 360, placed like 0.
    slot.ephemerisText = PositionsText({360, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    ComputeChartVectors(slot);
    EXPECT_EQ(slot.longitude[1], 360);
    EXPECT_EQ(slot.vectorX[1], 1529);
    Program p;
    p.CurrentSubject = 14;
    EXPECT_THROW(ComputeChartVectors(p), cp::Fault);
    p.CurrentSubject = 0;
    ComputeChartVectors(p);  // slot 0 is a slot like any other: its blank text reads as 0 degrees
    EXPECT_EQ(p.ChartPositions[0].vectorX[1], 1529);
}

TEST(NearestConcept, WithinEightDegreesTheNearestRadiusWins) {
    // Degrees and Radius as the file holds them.
    const auto table = [](std::initializer_list<std::array<const char32_t*, 3>> records) {
        std::string bytes;
        for (const auto& [name, degrees, radius] : records) {
            cp::ConceptRecord r;
            r.name = name, r.degrees = degrees, r.radius = radius;
            bytes += cp::EncodeConceptRecord(r);
        }
        return cp::ConceptTable::FromBytes(bytes);
    };
    const cp::ConceptTable concepts = table({
        {U"Lejos", U"50", U"1000"},
        {U"Casi", U"107.9", U"1500"},
        {U"Borde", U"108", U"1000"},
        {U"Primero", U"104", U"1200"},
        {U"Segundo", U"96", U"1200"},
        {U"Norte", U"355", U"2000"},
        {U"Redondeado", U"107.999999999", U"1000"},  // 7.999999999 is 8 in single precision
        {U"Cero", U"0", U"3000"},
        {U"Vuelta", U"360", U"3000"},
        {U"Tope", U"200", U"51000"},
        {U"Al filo", U"354", U"4000"},
        {U"Enorme", U"1000", U"900000"},
        {U"Negativo", U"-355", U"800000"},
    });
    struct Case {
        double angle, radius;
        const char32_t* name;
        const char* why;
    } cases[] = {
        {100, 1000, U"Primero", "8 degrees never qualify, nor what rounds to 8"},
        {100, 1200, U"Primero", "ties go to the earlier record, whichever direction lies nearer"},
        {100.5, 1500, U"Casi", "7.9 degrees qualify"},
        {2, 2000, U"Norte", "355 is 7 degrees from 2, across 0"},
        {359, 3000, U"Cero", "0 and 360 both 1 degree from 359: the earlier record"},
        {5, 3000, U"Cero", "and both 5 degrees from 5"},
        {2, 4000, U"Cero", "354 is 8 degrees from 2 across 0: the next nearest radius wins"},
        {200, 1001, U"Tope", "a radius 49,999 away qualifies"},
        {200, 1000, U"", "one 50,000 away never does"},
        {100, 900000, U"Enorme", "1000 degrees lie 900 away: 360 - 900 is below 8"},
        {5, 800000, U"Negativo", "-355 lies 360 away from 5: 0 degrees"},
        {365, 3000, U"Cero", "an angle past 360: 0 lies 365 away, 360 - 365 is below 8"},
        {-3, 2000, U"Norte", "a negative angle: 355 lies 358 away, 2 degrees"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NearestConcept(concepts, c.angle, c.radius), cp::Fixed(c.name, c.name[0] ? 30 : 0))
            << c.why;
    EXPECT_EQ(NearestConcept(cp::ConceptTable::FromBytes(""), 100, 1000), U"");
}

TEST(AnalysePoint, TheTwoTermsOfABodyAndTheirTensions) {
    Program p;
    p.CurrentSubject = 1;
    ChartSlot& slot = p.ChartPositions[1];
    slot.ephemerisText = PositionsText({0, 100, 75, 0, 15, 0, 0, 0, 0, 0, 0, 0});
    ComputeChartVectors(slot);
    cp::VectorWorkspace ws(cp::Arithmetic::Orvanel);
    ws.vectorList.present = 1;
    ws.vectorList.count = 3;
    const auto moon = AnalysePoint(p, ws, 2);
    EXPECT_TRUE(ws.resultShown);
    EXPECT_EQ(ws.vectorList.count, 0);
    EXPECT_NEAR(moon[cp::kResultant].x, -965, 0.5);
    EXPECT_NEAR(moon[cp::kResultant].y, -3005, 0.5);
    // Lengths are taken from whole components, so they are whole only up to a fraction.
    EXPECT_NEAR(moon[cp::kResultant].length, 3156, 0.5);
    EXPECT_NEAR(ws.lastOperand.length, 1393, 1);         // the own term
    EXPECT_NEAR(ws.accumulatedOperand.length, 1766, 1);  // the sign term
    EXPECT_NEAR(moon[cp::kTensionA].length, (1393 + 1766 - 3156) / 2.0 + 0.5, 1);
    EXPECT_EQ(moon[cp::kTensionA].length, moon[cp::kTensionB].length);
    // Aligned terms lose nothing: the tensions keep about their 0.5.
    EXPECT_NEAR(AnalysePoint(p, ws, 3)[cp::kTensionA].length, 0.5, 0.5);
    EXPECT_NEAR(ws.resultTable[cp::kResultant].length, 3159, 0.5);
    // The Sun has no own term: its sign term alone, the one-point case.
    const auto sun = AnalysePoint(p, ws, 1);
    EXPECT_NEAR(sun[cp::kResultant].x, 1529, 0.5);
    EXPECT_NEAR(sun[cp::kResultant].y, 883, 0.5);
    EXPECT_DOUBLE_EQ(sun[cp::kTensionA].length, 0);
    EXPECT_DOUBLE_EQ(sun[cp::kTensionB].length, 0);
    const cp::VectorWorkspace before = ws;
    EXPECT_THROW(AnalysePoint(p, ws, 13), cp::Fault);
    EXPECT_EQ(ws.resultTable[0].x, before.resultTable[0].x);
}
