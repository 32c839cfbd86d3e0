// The cross-aspect list by name and its heading, and the "Aspectos cruzados" step on the program.
#include "orvanel/display/cross_aspect_texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "conceptplane/faults.h"
#include "core_builders.h"
#include "orvanel/shell/tables.h"

namespace {

TEST(CrossAspectTexts, ItemColumnsAndGroups) {
    orvanel::ChartSlot cross;
    core_builders::SetAspects(cross, {{4, 12, 2}, {1, 1, 6}, {2, 6, 10}, {1, 2, 2}, {5, 11, 4}});
    const std::vector<cp::Text> expected = {U"El Sol      en conjunción con    Júpiter",
                                            U"La Luna     en conjunción con    La Luna",
                                            U"",
                                            U"Júpiter     en oposición  con    Plutón",
                                            U"",
                                            U"",
                                            U"Nodo Lunar  en cuadratura con    La Luna",
                                            U"",
                                            U"Lilith      en sextil     con    Venus",
                                            U""};
    EXPECT_EQ(orvanel::CrossAspectItems(cross), expected);
    EXPECT_EQ(orvanel::CrossAspectItems(orvanel::ChartSlot()), std::vector<cp::Text>(5));
}

// A blank, each title padded to 15 characters (a longer one written whole), 8 blanks between.
TEST(CrossAspectTexts, HeadingPadsBothTitles) {
    const std::tuple<cp::Text, cp::Text, std::size_t> cases[] = {{U"05 / 12 / 2001", U"03 / 07 / 1965", 10},
                                                                 {U"0123456789abcdefg", U"x", 8 + 14},
                                                                 {U"", U"", 15 + 8 + 15}};
    for (const auto& [first, second, blanks] : cases)
        EXPECT_EQ(orvanel::CrossAspectHeading(first, second), U" " + first + cp::Text(blanks, U' ') + second)
            << cp::ToUtf8(first);
}

// Both subjects with their points ten degrees apart, so that no two different points form a
// conjunction, and subject 2's Sun at 200. A subject outside 1 and 2 is refused with nothing changed.
TEST(CrossAspectTexts, ListingComputesSlotThreeForSubjectOneOrTwo) {
    orvanel::Program program;
    for (std::size_t s = 1; s <= 2; ++s) {
        program.ChartPositions[s].title = s == 1 ? U"uno" : U"dos";
        core_builders::SetLongitudes(program.ChartPositions[s],
                                     {10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 110, 120});
    }
    program.ChartPositions[2].longitude[1] = 200;
    for (const int subject : {0, 3, 12, -1}) {
        orvanel::Program refused = program;
        refused.CurrentSubject = static_cast<std::int16_t>(subject);
        refused.SynastryBase = 7;
        EXPECT_THROW(orvanel::ListCrossAspects(refused), cp::Fault) << subject;
        EXPECT_EQ(refused.SynastryBase, 7);
        EXPECT_EQ(refused.ChartPositions[3].aspectCount, 0);
    }
    program.CurrentSubject = 2;
    const orvanel::CrossAspectList list = orvanel::ListCrossAspects(program);
    EXPECT_EQ(program.SynastryBase, 2);
    EXPECT_EQ(program.CurrentSubject, 2);
    EXPECT_EQ(list.heading, U" dos" + cp::Text(12 + 8 + 12, U' ') + U"uno");
    EXPECT_EQ(list.items, orvanel::CrossAspectItems(program.ChartPositions[3]));
    EXPECT_NE(std::find(list.items.begin(), list.items.end(), U"El Sol      en oposición  con    La Luna"),
              list.items.end())
        << "first names are subject 2's points: its Sun at 200 against subject 1's Moon at 20";
}

}  // namespace
