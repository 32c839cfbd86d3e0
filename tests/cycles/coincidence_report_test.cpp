// The coincidence report: the 36 lines of a central date equal to the birth date, the separator of
// each turn, the orbs with and without the Moon, and what the report leaves in the program.
#include "orvanel/cycles/coincidence_report.h"

#include <gtest/gtest.h>

#include "conceptplane/faults.h"
#include "core_builders.h"
#include "test_files.h"

namespace {

// Subject 1 born at 0 h of the central date.
class CoincidenceReport : public ::testing::Test {
  protected:
    CoincidenceReport() { core_builders::EnterComputed(program, files, 1, {2001, 12, 5}); }

    orvanel::EphemerisFiles files{test_files::ShippedData()};
    orvanel::Program program;
};

cp::Text Line(const std::string& utf8) {
    return cp::FromUtf8(utf8) + U"\r\n";
}

TEST_F(CoincidenceReport, BirthDateAsCentralDateGivesThirtySixLines) {
    const auto lines = orvanel::CoincidenceLines(program, files);
    ASSERT_EQ(lines.size(), 36u);
    const std::string names[] = {"",           "El Sol    ", "La Luna   ", "Mercurio  ", "Venus     ",
                                 "Marte     ", "Júpiter   ", "Saturno   ", "Urano     "};
    std::size_t n = 0;
    for (int i = 1; i <= 8; ++i) {
        EXPECT_EQ(lines[n++], Line("  " + names[i] + "        Ascendente "));
        for (int k = i + 1; k <= 8; ++k)
            EXPECT_EQ(lines[n++], Line("  " + names[i] + "        " + names[k]));
    }
    EXPECT_EQ(orvanel::JoinLines(lines).size(), 8u * 33 + 28u * 32);
    EXPECT_EQ(program.EphemerisBuffer, program.ChartPositions[1].ephemerisText);
}

// The natal Sun moved by `turn` from the Sun of the central date: the Ascendant line takes that
// turn's separator, and the Sun's pair lines the opposite turn's.
TEST_F(CoincidenceReport, EachTurnHasItsSeparators) {
    const struct {
        int turn;
        const char *ascendantLine, *pairSeparator;
    } cases[] = {
        {0, "  El Sol            Ascendente ", "        "},
        {180, "  El Sol      180  Ascendente ", "  180   "},
        {90, "  El Sol       90   Ascendente ", "  270   "},
        {270, "  El Sol      270  Ascendente ", "   90   "},
    };
    const orvanel::Program natal = program;
    for (const auto& c : cases) {
        program = natal;
        program.ChartPositions[1].longitude[1] = (natal.ChartPositions[1].longitude[1] + c.turn) % 360;
        const auto lines = orvanel::CoincidenceLines(program, files);
        ASSERT_EQ(lines.size(), 36u) << c.turn;
        EXPECT_EQ(lines[0], Line(c.ascendantLine)) << c.turn;
        EXPECT_EQ(lines[1], Line(std::string("  El Sol    ") + c.pairSeparator + "La Luna   ")) << c.turn;
    }
}

TEST_F(CoincidenceReport, OrbIsFifteenWithTheMoonAndFourWithout) {
    const struct {
        std::size_t body;
        int shift;
        std::size_t lines;
    } cases[] = {
        // Moving the natal Moon by 14 keeps its 8 lines (Ascendant and 7 pairs); by 15 loses them all.
        {2, 14, 36},
        {2, 15, 28},
        {2, -14, 36},
        // Mercury by 3 keeps its 8 lines; by 4 only its pair with the Moon (orb 15) stays.
        {3, -3, 36},
        {3, 4, 29},
        {3, -4, 29},
    };
    const orvanel::Program natal = program;
    for (const auto& c : cases) {
        program = natal;
        auto& longitude = program.ChartPositions[1].longitude[c.body];
        longitude = (longitude + c.shift + 360) % 360;
        EXPECT_EQ(orvanel::CoincidenceLines(program, files).size(), c.lines) << c.body << " " << c.shift;
    }
}

TEST_F(CoincidenceReport, FaultsChangeNothing) {
    const orvanel::Program before = program;
    program.EntryDate = U"1e9 1205";
    EXPECT_THROW(orvanel::CoincidenceLines(program, files), cp::Fault);
    EXPECT_EQ(program.EphemerisBuffer, before.EphemerisBuffer);
    program.EntryDate = before.EntryDate;
    orvanel::EphemerisFiles missing("/nonexistent/orvanel");
    EXPECT_THROW(orvanel::CoincidenceLines(program, missing), cp::DataFault);
    EXPECT_EQ(program.AscendantBuffer, before.AscendantBuffer);
    program.EntryDate = U"abcdefgh";  // letters read as 0: computed all the same
    EXPECT_NO_THROW(orvanel::CoincidenceLines(program, files));
}

}  // namespace
