// FindAspects: the windows, the kind codes, the pair order, the synastry mode and its room.
#include <gtest/gtest.h>

#include "conceptplane/faults.h"
#include "orvanel/astro/aspects.h"

using namespace orvanel;

namespace {

void SetLongitudes(ChartSlot& slot, const std::vector<int>& longitudes) {
    for (std::size_t k = 0; k < longitudes.size(); ++k)
        slot.longitude[k + 1] = longitudes[k];
}

}  // namespace

TEST(AspectWindows, FourBelowToFiveAboveWithoutThirtyAndOneFifty) {
    struct Case {
        int a, b;
        std::int16_t kind;
    } cases[] = {
        {10, 15, kConjunction}, {10, 16, kNoAspect},    {0, 56, kSextile},      {0, 55, kNoAspect},
        {0, 65, kSextile},      {0, 66, kNoAspect},     {0, 86, kSquare},       {0, 95, kSquare},
        {0, 96, kNoAspect},     {0, 116, kTrine},       {0, 125, kTrine},       {0, 126, kNoAspect},
        {358, 3, kConjunction}, {360, 0, kConjunction}, {10, 190, kOpposition}, {10, 186, kOpposition},
        {10, 185, kNoAspect},   {200, 20, kOpposition}, {300, 0, kSextile},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AspectBetween(c.a, c.b), c.kind) << c.a << " " << c.b;
    // Every separation 0..180 falls in the window of its code, or in none; 30 and 150 have none.
    for (int d = 0; d <= 180; ++d) {
        const int exact[] = {0, 0, 180, 120, 90, 60};
        const std::int16_t kind = AspectBetween(0, d);
        if (kind == kNoAspect) continue;
        EXPECT_TRUE(d - exact[kind] >= -4 && d - exact[kind] <= 5) << d;
        EXPECT_TRUE(std::abs(d - 30) > 5 && std::abs(d - 150) > 5) << d;
    }
}

TEST(FindAspects, OneSubjectPairsEachTwoPointsOnceInLoopOrder) {
    Program p;
    p.CurrentSubject = 1;
    ChartSlot& s = p.ChartPositions[1];
    SetLongitudes(s, {0, 60, 90, 120, 180, 6, 12, 18, 24, 35, 41, 47});  // 6..12 aspect nothing
    s.longitude[13] = 0;                                                 // the Ascendant never takes part
    FindAspects(p);
    const std::vector<std::array<int, 3>> expected = {{5, 1, 2}, {4, 1, 3}, {3, 1, 4}, {2, 1, 5},
                                                      {5, 2, 4}, {3, 2, 5}, {4, 3, 5}, {5, 4, 5}};
    ASSERT_EQ(s.aspectCount, 8);
    for (std::size_t n = 1; n <= expected.size(); ++n) {
        EXPECT_EQ(s.aspectKind[n], expected[n - 1][0]) << n;
        EXPECT_EQ(s.aspectFirst[n], expected[n - 1][1]) << n;
        EXPECT_EQ(s.aspectSecond[n], expected[n - 1][2]) << n;
    }
    // All twelve points together: 66 conjunctions, never a point with itself.
    SetLongitudes(s, std::vector<int>(12, 100));
    FindAspects(p);
    EXPECT_EQ(s.aspectCount, 66);
    for (int n = 1; n <= s.aspectCount; ++n)
        EXPECT_LT(s.aspectFirst[n], s.aspectSecond[n]);
}

TEST(FindAspects, SynastryPairsEveryPointOfBothSubjectsIntoSlotThree) {
    Program p;
    SetLongitudes(p.ChartPositions[1], {0, 100, 200, 300, 45, 145, 245, 345, 30, 130, 230, 330});
    SetLongitudes(p.ChartPositions[2], {0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 110});
    p.CurrentSubject = 3;
    p.SynastryBase = 2;
    FindAspects(p);
    const ChartSlot& cross = p.ChartPositions[3];
    ASSERT_GT(cross.aspectCount, 0);
    EXPECT_EQ(cross.aspectFirst[1], 1);  // slot 2's Sun against slot 1's Sun: the same point pairs
    EXPECT_EQ(cross.aspectSecond[1], 1);
    EXPECT_EQ(cross.aspectKind[1], kConjunction);
    int previous = 0;
    for (int n = 1; n <= cross.aspectCount; ++n) {
        const int i = cross.aspectFirst[n], j = cross.aspectSecond[n];
        EXPECT_EQ(AspectBetween(p.ChartPositions[2].longitude[i], p.ChartPositions[1].longitude[j]),
                  cross.aspectKind[n]);
        EXPECT_LT(previous, i * 100 + j) << "pair order";
        previous = i * 100 + j;
    }
    // Subjects 30 degrees apart everywhere: no aspect, the count back to 0.
    SetLongitudes(p.ChartPositions[1], std::vector<int>(12, 0));
    SetLongitudes(p.ChartPositions[2], std::vector<int>(12, 30));
    FindAspects(p);
    EXPECT_EQ(cross.aspectCount, 0);
    // A never-computed slot holds zeros: each point near 0 degrees pairs with all twelve, 144 kept.
    SetLongitudes(p.ChartPositions[1], {0, 1, 2, 3, 4, 5, 358, 357, 356, 355, 0, 360});
    p.ChartPositions[2] = ChartSlot();
    FindAspects(p);
    EXPECT_EQ(cross.aspectCount, 144);
    // A base that names no slot is refused and the cross list stays as it was.
    p.SynastryBase = 9;
    EXPECT_THROW(FindAspects(p), cp::Fault);
    EXPECT_EQ(cross.aspectCount, 144);
}
