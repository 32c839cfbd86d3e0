// Lookups in the program-wide tables and the slot access of the program state stay within bounds.
#include <gtest/gtest.h>

#include "conceptplane/faults.h"
#include "orvanel/shell/program_state.h"
#include "orvanel/shell/tables.h"

using namespace orvanel;

TEST(ProgramTables, LookupsPastTheEndGiveNothingAndSlotsAreChecked) {
    EXPECT_EQ(GlyphAt(PointGlyphs, 14), U"z");
    EXPECT_EQ(GlyphAt(SignGlyphs, 12), U"L");
    EXPECT_EQ(GlyphAt(SignGlyphs, 13), U"");
    EXPECT_EQ(GlyphAt(HouseGlyphs, 0), U"");
    EXPECT_EQ(NameAt(SignNames, 13), U"");
    EXPECT_EQ(NameAt(AspectNames, -1), U"");
    Program p;
    EXPECT_EQ(SlotAt(p, 12).aspectCount, 0);
    EXPECT_THROW(SlotAt(p, 13), cp::Fault);
    EXPECT_THROW(SlotAt(p, -1), cp::Fault);
    AssignFixed(p.AscendantBuffer, U"12345");
    EXPECT_EQ(p.AscendantBuffer, U"123");
    AssignFixed(p.EntryDate, U"1965703");
    EXPECT_EQ(p.EntryDate, U"1965703 ");
}
