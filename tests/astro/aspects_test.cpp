// FindAspects: the windows, the kind codes, the pair order, the synastry mode and its room.
#include <gtest/gtest.h>

#include <tuple>

#include "conceptplane/faults.h"
#include "core_builders.h"
#include "orvanel/astro/aspects.h"

using namespace orvanel;
using namespace core_builders;

TEST(AspectWindows, FourBelowToFiveAboveWithoutThirtyAndOneFifty) {
    const std::tuple<int, int, std::int16_t> cases[] = {
        {10, 15, kConjunction}, {10, 16, kNoAspect},    {0, 56, kSextile},      {0, 55, kNoAspect},
        {0, 65, kSextile},      {0, 66, kNoAspect},     {0, 86, kSquare},       {0, 95, kSquare},
        {0, 96, kNoAspect},     {0, 116, kTrine},       {0, 125, kTrine},       {0, 126, kNoAspect},
        {358, 3, kConjunction}, {360, 0, kConjunction}, {10, 190, kOpposition}, {10, 186, kOpposition},
        {10, 185, kNoAspect},   {200, 20, kOpposition}, {300, 0, kSextile},     {0, 30, kNoAspect},
        {0, 150, kNoAspect},    {0, 26, kNoAspect},     {0, 35, kNoAspect},     {0, 146, kNoAspect},
    };
    for (const auto& [a, b, kind] : cases)
        EXPECT_EQ(AspectBetween(a, b), kind) << a << " " << b;
}

TEST(FindAspects, OneSubjectPairsEachTwoPointsOnceInLoopOrder) {
    Program p;
    p.CurrentSubject = 1;
    ChartSlot& s = p.ChartPositions[1];
    // The Ascendant takes no part; a point is never paired with itself (it would be a conjunction).
    SetLongitudes(s, {0, 60, 90, 120, 180, 6, 12, 18, 24, 35, 41, 47, 0});
    FindAspects(p);
    EXPECT_EQ(AspectsOf(s),
              (std::vector<Aspect>{
                  {5, 1, 2}, {4, 1, 3}, {3, 1, 4}, {2, 1, 5}, {5, 2, 4}, {3, 2, 5}, {4, 3, 5}, {5, 4, 5}}));
}

// Slot 2's point first, slot 1's second, in loop order: slot 2's Sun at 0 meets slot 1's Sun and its
// Venus at 300 (a sextile the short way round), slot 2's Moon at 10 its Moon at 100. A never-computed
// slot holds zeros: each point near 0 degrees pairs with all twelve, 144 kept.
TEST(FindAspects, SynastryPairsEveryPointOfBothSubjectsIntoSlotThree) {
    Program p;
    SetLongitudes(p.ChartPositions[1], {0, 100, 200, 300, 45, 145, 245, 345, 30, 130, 230, 330});
    SetLongitudes(p.ChartPositions[2], {0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 110});
    p.CurrentSubject = 3;
    p.SynastryBase = 2;
    FindAspects(p);
    const std::vector<Aspect> cross = AspectsOf(p.ChartPositions[3]);
    ASSERT_GE(cross.size(), 3u);
    EXPECT_EQ(std::vector<Aspect>(cross.begin(), cross.begin() + 3),
              (std::vector<Aspect>{{kConjunction, 1, 1}, {kSextile, 1, 4}, {kSquare, 2, 2}}));
    SetLongitudes(p.ChartPositions[1], {0, 1, 2, 3, 4, 5, 358, 357, 356, 355, 0, 360});
    p.ChartPositions[2] = ChartSlot();
    FindAspects(p);
    EXPECT_EQ(p.ChartPositions[3].aspectCount, 144);
    p.SynastryBase = 9;  // a base that names no slot: refused, the cross list as it was
    EXPECT_THROW(FindAspects(p), cp::Fault);
    EXPECT_EQ(p.ChartPositions[3].aspectCount, 144);
}
