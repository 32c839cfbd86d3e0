// The captions of FillPositionLabels and the items of FillAspectList.
#include "orvanel/display/chart_texts.h"

#include <gtest/gtest.h>

namespace {

orvanel::ChartSlot SlotWithLongitudes(std::initializer_list<int> longitudes) {
    orvanel::ChartSlot slot;
    std::size_t k = 1;
    for (const int l : longitudes)
        slot.longitude[k++] = l;
    for (std::size_t j = 1; j <= 12; ++j) {
        slot.ephemerisText[4 * j - 1] = U'¡';
        slot.houseCusp[j] = static_cast<std::int16_t>(30 * (j - 1));
    }
    return slot;
}

std::vector<cp::Text> Lines(const cp::Text& caption) {
    std::vector<cp::Text> lines;
    std::size_t start = 0;
    for (std::size_t end = caption.find(U"\r\n"); end != cp::Text::npos; end = caption.find(U"\r\n", start)) {
        lines.push_back(caption.substr(start, end - start));
        start = end + 2;
    }
    EXPECT_EQ(start, caption.size()) << "every line ends with CR LF";
    return lines;
}

TEST(PositionLabels, DegreeInSignAndSignGlyph) {
    orvanel::ChartSlot slot = SlotWithLongitudes({75, 0, 359, 360, 29, 30, 9, 10, 150, 181, 300, 330});
    slot.ephemerisText[7] = U'!';   // the Moon retrograde
    slot.ephemerisText[47] = U'!';  // the node, as always
    const auto points = Lines(orvanel::PositionLabelTexts(slot).points);
    const std::vector<cp::Text> expected = {U"a 15;C", U"b 00;Ay", U"c 29;L", U"d 00;",
                                            U"e 29;A", U"f 00;B",  U"g 09;A", U"h 10;A",
                                            U"i 00;F", U"j 01;G",  U"k 00;K", U"l 00;Ly"};
    EXPECT_EQ(points, expected);
    const auto houses = Lines(orvanel::PositionLabelTexts(slot).houses);
    ASSERT_EQ(houses.size(), 12u);
    EXPECT_EQ(houses[0], U"m 00;A");
    EXPECT_EQ(houses[11], U"x 00;L");
}

TEST(PositionLabels, NeverComputedSlotAndOddValues) {
    orvanel::ChartSlot blank;  // longitudes 0, positions text blank: no retrograde marks
    const auto captions = orvanel::PositionLabelTexts(blank);
    EXPECT_EQ(Lines(captions.points).front(), U"a 00;A");
    EXPECT_EQ(Lines(captions.houses).back(), U"x 00;A");
    orvanel::ChartSlot odd = SlotWithLongitudes({-30, 720});
    const auto points = Lines(orvanel::PositionLabelTexts(odd).points);
    EXPECT_EQ(points[0], U"a 00;") << "-30 div 30 + 1 is 0: before the sign string, no glyph";
    EXPECT_EQ(points[1], U"b 00;") << "past the sign string: no glyph";
}

TEST(AspectList, GroupedByKindWithSeparators) {
    orvanel::ChartSlot slot;
    const struct {
        std::int16_t kind, first, second;
    } aspects[] = {{3, 1, 2}, {1, 1, 3}, {5, 2, 7}, {1, 4, 12}, {2, 5, 6}, {4, 8, 11}, {3, 9, 10}};
    for (const auto& a : aspects) {
        ++slot.aspectCount;
        const auto n = static_cast<std::size_t>(slot.aspectCount);
        slot.aspectKind[n] = a.kind;
        slot.aspectFirst[n] = a.first;
        slot.aspectSecond[n] = a.second;
    }
    const std::vector<cp::Text> expected = {U"a M c", U"d M l", U"",      U"e N f", U"",      U"a O b",
                                            U"i O j", U"",      U"h P k", U"",      U"b R g", U""};
    EXPECT_EQ(orvanel::AspectListItems(slot), expected);
    slot.aspectCount = 2;  // records above the count are stale and never read
    EXPECT_EQ(orvanel::AspectListItems(slot),
              (std::vector<cp::Text>{U"a M c", U"", U"", U"a O b", U"", U"", U""}));
}

TEST(AspectList, EmptyAndOutOfRangeCounts) {
    orvanel::ChartSlot slot;
    EXPECT_EQ(orvanel::AspectListItems(slot), std::vector<cp::Text>(5));
    slot.aspectCount = 1000;
    for (std::size_t n = 1; n <= orvanel::kAspectRoom; ++n)
        slot.aspectKind[n] = 1, slot.aspectFirst[n] = 1;
    EXPECT_EQ(orvanel::UsableAspectCount(slot), orvanel::kAspectRoom);
    EXPECT_EQ(orvanel::AspectListItems(slot).size(), orvanel::kAspectRoom + 5u);
    slot.aspectCount = -3;
    EXPECT_EQ(orvanel::AspectListItems(slot), std::vector<cp::Text>(5));
}

}  // namespace
