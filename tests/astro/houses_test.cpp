// RecomputeChart: house cusps, the Ascendant from the entry or from the override, the slot texts.
#include <gtest/gtest.h>

#include "conceptplane/faults.h"
#include "conceptplane/numeric.h"
#include "core_builders.h"
#include "orvanel/astro/chart.h"
#include "orvanel/astro/ephemeris_files.h"
#include "orvanel/shell/entry_confirmation.h"

using namespace orvanel;
using namespace core_builders;

namespace {

std::vector<int> CuspsOf(int ascendant) {
    const auto c = HouseCusps(static_cast<std::int16_t>(ascendant));
    return std::vector<int>(c.begin() + 1, c.end());
}

}  // namespace

// Cusp 1 is the Ascendant and cusps are not folded to 0 (house 10 of an Ascendant of 90 reads 360).
TEST(HouseCusps, EqualRightAscensionsFromTheAscendant) {
    const std::pair<int, std::vector<int>> cases[] = {
        {0, {0, 32, 62, 90, 118, 148, 180, 212, 242, 270, 298, 328}},
        {123, {123, 153, 186, 217, 247, 275, 303, 333, 6, 37, 67, 95}},
        {90, {90, 118, 148, 180, 212, 242, 270, 298, 328, 360, 32, 62}},
        {360, {360, 32, 62, 90, 118, 148, 180, 212, 242, 270, 298, 328}}};
    for (const auto& [ascendant, cusps] : cases)
        EXPECT_EQ(CuspsOf(ascendant), cusps) << ascendant;
}

// A new entry fills the slot (a one-digit month keeps its shifted fields); the override changes only
// the Ascendant and is consumed; an Ascendant buffer of 360 is taken as it stands. A slot number
// outside 0..12, or a synastry base that names none, is refused with nothing changed.
TEST(RecomputeChart, FillsTheSlotTakesTheOverrideAndRefusesASlotOutsideZeroToTwelve) {
    Program p;  // subject 1 entered on 5 December 2001 at 14:30
    EphemerisFiles files(ShippedData());
    EnterComputed(p, files, 1, {2001, 12, 5, 14, 30});
    const ChartSlot& s = p.ChartPositions[1];
    const auto ascendant = static_cast<std::int16_t>(cp::NumericValue(p.AscendantBuffer));
    EXPECT_EQ(s.title, U"05 / 12 / 2001");
    EXPECT_EQ(s.ephemerisText, p.EphemerisBuffer);
    EXPECT_EQ(s.houseCusp, HouseCusps(ascendant));
    EXPECT_EQ(s.longitude[13], ascendant);
    EXPECT_GT(s.aspectCount, 0);
    EXPECT_EQ(p.ChartPositions[2].aspectCount, 0) << "other slots untouched";
    const ChartSlot before = s;
    p.EphemerisBuffer = PositionsText({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});  // must not be taken
    p.AscendantOverride = 1000;  // an Ascendant of 0 picked on the chart
    RecomputeChart(p);
    EXPECT_EQ(p.AscendantOverride, 0);
    EXPECT_EQ(s.houseCusp, HouseCusps(0));
    EXPECT_EQ(s.ephemerisText, before.ephemerisText);
    EXPECT_NE(s.vectorX[13], before.vectorX[13]);
    AssignFixed(p.AscendantBuffer, U"360");
    AssignFixed(p.EntryDate, U"1965703");
    AssignFixed(p.EntryDateText, U"1965703");
    RecomputeChart(p);
    EXPECT_EQ(s.houseCusp, HouseCusps(360));
    EXPECT_EQ(s.dateText, U"3  / 70 / 1965");
    EXPECT_EQ(s.title, U"1965703");
    for (auto [subject, base] : {std::pair{13, 0}, std::pair{-1, 0}, std::pair{3, 7}}) {
        Program q = p;
        q.CurrentSubject = static_cast<std::int16_t>(subject);
        q.SynastryBase = static_cast<std::int16_t>(base);
        q.AscendantOverride = 1010;
        EXPECT_THROW(RecomputeChart(q), cp::Fault) << subject;
        EXPECT_EQ(q.AscendantOverride, 1010);
        EXPECT_EQ(q.ChartPositions[3].ephemerisText, Program().ChartPositions[3].ephemerisText);
    }
    // A confirmed entry whose chart is refused leaves the state as it was, though its ephemeris was
    // computed before the refusal.
    Program q = p;
    q.CurrentSubject = 3;
    q.SynastryBase = 7;
    AssignFixed(q.EntryDate, U"20011205");
    const Program unconfirmed = q;
    EXPECT_THROW(ConfirmEntry(q, files, {U"2001", U"12", U"05", U"14.30"}), cp::Fault);
    EXPECT_TRUE(q == unconfirmed);
}
