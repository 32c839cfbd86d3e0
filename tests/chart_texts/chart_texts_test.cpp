// The captions of FillPositionLabels and the items of FillAspectList.
#include "orvanel/display/chart_texts.h"

#include <gtest/gtest.h>

#include "core_builders.h"

namespace {

// A caption of the given lines, each ended by CR LF.
cp::Text Caption(const std::vector<cp::Text>& lines) {
    cp::Text caption;
    for (const cp::Text& line : lines)
        caption += line + U"\r\n";
    return caption;
}

// A never-computed slot reads as 0 degrees with no marks; a longitude outside 0..360 has no glyph.
TEST(PositionLabels, DegreeInSignAndSignGlyph) {
    orvanel::ChartSlot slot;
    core_builders::SetLongitudes(slot, {75, 0, 359, 360, 29, 30, 9, 10, 150, 181, 300, 330});
    for (std::size_t j = 1; j <= 12; ++j)
        slot.houseCusp[j] = static_cast<std::int16_t>(30 * (j - 1));
    slot.ephemerisText[7] = U'!';   // the Moon retrograde
    slot.ephemerisText[47] = U'!';  // the node, as always
    const orvanel::PositionCaptions captions = orvanel::PositionLabelTexts(slot);
    EXPECT_EQ(captions.points, Caption({U"a 15;C", U"b 00;Ay", U"c 29;L", U"d 00;", U"e 29;A", U"f 00;B",
                                        U"g 09;A", U"h 10;A", U"i 00;F", U"j 01;G", U"k 00;K", U"l 00;Ly"}));
    EXPECT_EQ(captions.houses, Caption({U"m 00;A", U"n 00;B", U"o 00;C", U"p 00;D", U"q 00;E", U"r 00;F",
                                        U"s 00;G", U"t 00;H", U"u 00;I", U"v 00;J", U"w 00;K", U"x 00;L"}));
    orvanel::ChartSlot blank;  // longitudes 0, positions text blank: no retrograde marks
    EXPECT_TRUE(orvanel::PositionLabelTexts(blank).houses.ends_with(Caption({U"x 00;A"})));
    // -30 div 30 + 1 is 0, before the sign string, and 720 is past it: no glyph.
    core_builders::SetLongitudes(blank, {-30, 720, 0});
    EXPECT_TRUE(
        orvanel::PositionLabelTexts(blank).points.starts_with(Caption({U"a 00;", U"b 00;", U"c 00;A"})));
}

// Records above the count are stale and never read; a count beyond the room reads what fits, a
// negative one nothing.
TEST(AspectList, GroupedByKindWithSeparators) {
    orvanel::ChartSlot slot;
    core_builders::SetAspects(
        slot, {{3, 1, 2}, {1, 1, 3}, {5, 2, 7}, {1, 4, 12}, {2, 5, 6}, {4, 8, 11}, {3, 9, 10}});
    const std::vector<cp::Text> expected = {U"a M c", U"d M l", U"",      U"e N f", U"",      U"a O b",
                                            U"i O j", U"",      U"h P k", U"",      U"b R g", U""};
    EXPECT_EQ(orvanel::AspectListItems(slot), expected);
    slot.aspectCount = 2;
    EXPECT_EQ(orvanel::AspectListItems(slot),
              (std::vector<cp::Text>{U"a M c", U"", U"", U"a O b", U"", U"", U""}));
    slot.aspectCount = 1000;
    for (std::size_t n = 1; n <= orvanel::kAspectRoom; ++n)
        slot.aspectKind[n] = 1, slot.aspectFirst[n] = 1;
    EXPECT_EQ(orvanel::AspectListItems(slot).size(), orvanel::kAspectRoom + 5u);
    slot.aspectCount = -3;
    EXPECT_EQ(orvanel::AspectListItems(slot), std::vector<cp::Text>(5));
}

}  // namespace
