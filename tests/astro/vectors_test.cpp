// The chart vectors: SignFold, the fourteen vectors of a slot, the naming of a plane point, and the
// analysis of one body.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numeric>
#include <tuple>

#include "conceptplane/faults.h"
#include "core_builders.h"
#include "orvanel/vectors/analyse_point.h"
#include "orvanel/vectors/chart_vectors.h"
#include "orvanel/vectors/nearest_concept.h"
#include "orvanel/vectors/sign_fold.h"

using namespace orvanel;
using namespace core_builders;

TEST(SignFold, EverySignOntoTheMiddleOfItsSector) {
    const std::array<int, 4> signs[] = {
        {0, 30, 1, 15},    {30, 0, 331, 345},    {60, 150, 121, 135},  {90, 240, 269, 255},
        {120, 90, 61, 75}, {150, 300, 329, 315}, {180, 150, 179, 165}, {210, 180, 209, 195},
        {240, 30, 59, 45}, {270, 300, 271, 285}, {300, 90, 119, 105},  {330, 240, 211, 225},
    };
    for (const auto& [longitude, first, last, middle] : signs) {
        EXPECT_EQ(SignFold(static_cast<std::int16_t>(longitude)), first) << longitude;
        EXPECT_EQ(SignFold(static_cast<std::int16_t>(longitude + 29)), last) << longitude;
        EXPECT_EQ(SignFold(static_cast<std::int16_t>(longitude + 15)), middle) << longitude;
    }
    EXPECT_EQ(SignFold(360), SignFold(0));
}

namespace {

// The slot of a chart with the given longitudes and Ascendant, its vectors computed.
ChartSlot ChartOf(const std::vector<int>& longitudes, std::int16_t ascendant = 0) {
    ChartSlot slot;
    slot.ephemerisText = PositionsText(longitudes);
    slot.ascendant = ascendant;
    ComputeChartVectors(slot);
    return slot;
}

}  // namespace

TEST(ChartVectors, TheWorkedTable) {
    // The Sun at 0, the Moon at 100, Mercury at 75, Mars at 15, the Ascendant at 200; then the Sun at 135.
    const ChartSlot worked = ChartOf({0, 100, 75, 0, 15, 0, 0, 0, 0, 0, 0, 0}, 200);
    const ChartSlot other = ChartOf({135, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    // x, y, angle, radius and the label's place of vector k.
    const std::tuple<const ChartSlot&, std::size_t, std::array<int, 6>> rows[] = {
        {worked, 1, {1529, 883, 30, 1766, 1789, 1033}},
        {worked, 2, {-965, -3005, 252, 3156, -1068, -3287}},
        {worked, 3, {-2234, 2234, 135, 3159, -2446, 2446}},
        {worked, 5, {3051, 818, 15, 3159, 3341, 895}},
        {worked, 13, {-1739, 307, 170, 1766, -2035, 359}},
        {other, 1, {457, 1706, 75, 1766, 535, 1996}}};
    for (const auto& [s, k, expected] : rows) {
        EXPECT_EQ((std::array<int, 6>{s.vectorX[k], s.vectorY[k], s.vectorAngle[k], s.vectorRadius[k],
                                      s.labelX[k], s.labelY[k]}),
                  expected)
            << k;
    }
    // The resultant sums the rounded components.
    for (const auto* v : {&worked.vectorX, &worked.vectorY})
        EXPECT_EQ((*v)[14], std::accumulate(v->begin() + 1, v->begin() + 14, 0));
}

// The Sun's sign term alone is 1766 long up to the rounding of its components (SignFold 27 and 39);
// the "360" of a longitude rounded up is read as 360, placed like 0; slot 0 is a slot like any other,
// its blank text read as 0 degrees; slot 14 is refused.
TEST(ChartVectors, LengthsFromRoundedComponents) {
    EXPECT_EQ(ChartOf({3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}).vectorRadius[1], 1767);
    EXPECT_EQ(ChartOf({249, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}).vectorRadius[1], 1765);
    const ChartSlot rounded = ChartOf({360, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(rounded.longitude[1], 360);
    EXPECT_EQ(rounded.vectorX[1], 1529);
    Program p;
    p.CurrentSubject = 14;
    EXPECT_THROW(ComputeChartVectors(p), cp::Fault);
    p.CurrentSubject = 0;
    ComputeChartVectors(p);
    EXPECT_EQ(p.ChartPositions[0].vectorX[1], 1529);
}

TEST(NearestConcept, WithinEightDegreesTheNearestRadiusWins) {
    // "Redondeado" lies 7.9999999 degrees from 100, which is 8 in single precision.
    const cp::ConceptTable concepts = ConceptTableOf({{U"Casi", 107.9, 1500},
                                                      {U"Borde", 108, 1000},
                                                      {U"Primero", 104, 1200},
                                                      {U"Segundo", 96, 1200},
                                                      {U"Norte", 355, 2000},
                                                      {U"Cero", 0, 3000},
                                                      {U"Vuelta", 360, 3000},
                                                      {U"Tope", 200, 51000},
                                                      {U"Al filo", 354, 4000},
                                                      {U"Enorme", 1000, 900000},
                                                      {U"Negativo", -355, 800000},
                                                      {U"Redondeado", 107.9999999, 1000}});
    const std::tuple<double, double, cp::Text, const char*> cases[] = {
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
    // The record's whole 30-character name, or nothing.
    for (const auto& [degrees, radius, name, why] : cases)
        EXPECT_EQ(NearestConcept(concepts, degrees, radius), name.empty() ? name : cp::Fixed(name, 30))
            << why;
    EXPECT_EQ(NearestConcept(cp::ConceptTable::FromBytes(""), 100, 1000), U"");
}

// The Moon's own term (1393) and sign term (1766) and the tensions they leave; the Sun has its sign
// term alone; the node is the last point, the Ascendant refused with nothing changed.
TEST(AnalysePoint, TheTwoTermsOfABodyAndTheirTensions) {
    Program p;
    p.CurrentSubject = 1;
    p.ChartPositions[1] = ChartOf({0, 100, 75, 0, 15, 0, 0, 0, 0, 0, 0, 0});
    cp::VectorWorkspace ws(cp::Arithmetic::Orvanel);
    ws.vectorList.count = 3;
    const auto moon = AnalysePoint(p, ws, 2);
    EXPECT_TRUE(ws.resultShown);
    EXPECT_EQ(ws.vectorList.count, 0);
    EXPECT_NEAR(moon[cp::kResultant].x, p.ChartPositions[1].vectorX[2], 0.5);
    EXPECT_NEAR(ws.lastOperand.length, 1393, 1);
    EXPECT_NEAR(ws.accumulatedOperand.length, 1766, 1);
    EXPECT_NEAR(moon[cp::kTensionB].length, (1393 + 1766 - 3156) / 2.0 + 0.5, 1);
    EXPECT_DOUBLE_EQ(AnalysePoint(p, ws, 1)[cp::kTensionA].length, 0);
    const auto node = AnalysePoint(p, ws, 12)[cp::kResultant].x;
    EXPECT_THROW(AnalysePoint(p, ws, 13), cp::Fault);
    EXPECT_EQ(ws.resultTable[cp::kResultant].x, node);
}
