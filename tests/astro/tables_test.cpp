// Lookups in the program-wide tables and the slot access of the program state stay within bounds.
#include <gtest/gtest.h>

#include "conceptplane/faults.h"
#include "orvanel/shell/program_state.h"
#include "orvanel/shell/tables.h"

using namespace orvanel;

TEST(ProgramTables, LookupsPastTheEndGiveNothingAndSlotsAreChecked) {
    const std::pair<cp::Text, cp::Text> lookups[] = {
        {GlyphAt(PointGlyphs, 14), U"z"}, {GlyphAt(SignGlyphs, 12), U"L"}, {GlyphAt(SignGlyphs, 13), U""},
        {GlyphAt(HouseGlyphs, 0), U""},   {NameAt(SignNames, 13), U""},    {NameAt(AspectNames, -1), U""},
    };
    for (const auto& [got, expected] : lookups)
        EXPECT_EQ(got, expected);
    Program p;
    EXPECT_EQ(SlotAt(p, 12).aspectCount, 0);
    EXPECT_THROW(SlotAt(p, 13), cp::Fault);
    EXPECT_THROW(SlotAt(p, -1), cp::Fault);
    AssignFixed(p.AscendantBuffer, U"12345");
    EXPECT_EQ(p.AscendantBuffer, U"123");
    AssignFixed(p.EntryDate, U"1965703");
    EXPECT_EQ(p.EntryDate, U"1965703 ");
}
