// The program-wide tables and the fresh program state.
#include <gtest/gtest.h>

#include "conceptplane/faults.h"
#include "orvanel/shell/program_state.h"
#include "orvanel/shell/tables.h"

using namespace orvanel;

TEST(ProgramTables, NamesAndGlyphsByTheirNumbers) {
    EXPECT_EQ(SignNames[0], U"Cualquiera");
    EXPECT_EQ(SignNames[3], U"Géminis");
    EXPECT_EQ(SignNames[12], U"Piscis");
    EXPECT_EQ(PlanetNames[0], U"Cualquiera");
    EXPECT_EQ(PlanetNames[12], U"Nodo Lunar");
    EXPECT_EQ(PlanetNames[13], U"Ascendente");
    EXPECT_EQ(AspectNames[4], U"sextil");
    EXPECT_EQ(HouseNames[11], U"Casa XII");
    EXPECT_EQ(GlyphAt(PointGlyphs, 13), U"W");
    EXPECT_EQ(GlyphAt(PointGlyphs, 14), U"z");
    EXPECT_EQ(GlyphAt(SignGlyphs, 12), U"L");
    EXPECT_EQ(GlyphAt(AspectGlyphs, 5), U"R");
    // Past the end of a glyph string or a name table there is nothing, never a read beyond it.
    EXPECT_EQ(GlyphAt(SignGlyphs, 13), U"");
    EXPECT_EQ(GlyphAt(HouseGlyphs, 0), U"");
    EXPECT_EQ(NameAt(SignNames, 13), U"");
    EXPECT_EQ(NameAt(AspectNames, -1), U"");
}

TEST(ProgramTables, ConstantsInSinglePrecision) {
    EXPECT_EQ(DegToRad, static_cast<float>(3.141592 / 180.0));
    EXPECT_NE(DegToRad, static_cast<float>(3.14159265358979 / 180.0));
    EXPECT_NEAR(DegToRad, 0.0174532887, 1e-10);
    EXPECT_EQ(ZoomStep, static_cast<float>(5198.0 / 1393.0));
    EXPECT_EQ(PlaneZoomAtStart, 1.0f);
    const std::array<int, 13> angles = {0, 255, 135, 165, 15, 45, 285, 105, 225, 195, 270, 255, 0};
    for (std::size_t k = 0; k < angles.size(); ++k)
        EXPECT_EQ(PlanetAngles[k], angles[k]) << k;
}

TEST(ProgramStateAtStart, EmptyAndChecked) {
    Program p;
    EXPECT_EQ(p.CurrentSubject, 0);
    EXPECT_EQ(p.AscendantOverride, 0);
    EXPECT_EQ(p.EntryDate.size(), 8u);
    EXPECT_EQ(p.EntryDateText.size(), 20u);
    EXPECT_EQ(p.EphemerisBuffer.size(), 48u);
    EXPECT_EQ(p.AscendantBuffer.size(), 3u);
    EXPECT_EQ(SlotAt(p, 12).aspectCount, 0);
    EXPECT_THROW(SlotAt(p, 13), cp::Fault);
    EXPECT_THROW(SlotAt(p, -1), cp::Fault);
    AssignFixed(p.AscendantBuffer, U"12345");
    EXPECT_EQ(p.AscendantBuffer, U"123");
    AssignFixed(p.EntryDate, U"1965703");
    EXPECT_EQ(p.EntryDate, U"1965703 ");
}
