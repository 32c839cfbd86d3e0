// The coincidence report: the 36 lines of a central date equal to the birth date, the separator of
// each turn, the orbs with and without the Moon, and what the report leaves in the program.
#include "orvanel/cycles/coincidence_report.h"

#include <gtest/gtest.h>

#include "conceptplane/faults.h"
#include "cycles_fixture.h"

namespace cycles_test {
namespace {

cp::Text Line(const char* utf8) {
    return cp::FromUtf8(utf8) + U"\r\n";
}

TEST(CoincidenceReport, BirthDateAsCentralDateGivesThirtySixLines) {
    orvanel::EphemerisFiles files(SourceData());
    orvanel::Program program = NatalAtMidnight(files, 1965, 7, 3);
    const auto lines = orvanel::CoincidenceLines(program, files);
    ASSERT_EQ(lines.size(), 36u);
    const char* names[] = {"",           "El Sol    ", "La Luna   ", "Mercurio  ", "Venus     ",
                           "Marte     ", "Júpiter   ", "Saturno   ", "Urano     "};
    std::size_t n = 0;
    for (int i = 1; i <= 8; ++i) {
        EXPECT_EQ(lines[n++], Line((std::string("  ") + names[i] + "        Ascendente ").c_str()));
        for (int k = i + 1; k <= 8; ++k) {
            EXPECT_EQ(lines[n++], Line((std::string("  ") + names[i] + "        " + names[k]).c_str()));
        }
    }
    EXPECT_EQ(orvanel::JoinLines(lines).size(), 8u * 33 + 28u * 32);
    EXPECT_EQ(program.EphemerisBuffer, program.ChartPositions[1].ephemerisText);
}

// The natal Sun moved by `turn` from the Sun of the central date: the Ascendant line takes that
// turn's separator, and the Sun's pair lines the opposite turn's.
TEST(CoincidenceReport, EachTurnHasItsSeparators) {
    const struct {
        int turn;
        const char* ascendantLine;
        const char* pairSeparator;
    } cases[] = {
        {0, "  El Sol            Ascendente ", "        "},
        {180, "  El Sol      180  Ascendente ", "  180   "},
        {90, "  El Sol       90   Ascendente ", "  270   "},
        {270, "  El Sol      270  Ascendente ", "   90   "},
    };
    orvanel::EphemerisFiles files(SourceData());
    for (const auto& c : cases) {
        orvanel::Program program = NatalAtMidnight(files, 2001, 12, 5);
        auto& natal = program.ChartPositions[1];
        natal.longitude[1] = (natal.longitude[1] + c.turn) % 360;
        const auto lines = orvanel::CoincidenceLines(program, files);
        ASSERT_EQ(lines.size(), 36u) << c.turn;
        EXPECT_EQ(lines[0], Line(c.ascendantLine)) << c.turn;
        EXPECT_EQ(lines[1], Line((std::string("  El Sol    ") + c.pairSeparator + "La Luna   ").c_str()))
            << c.turn;
    }
}

TEST(CoincidenceReport, OrbIsFifteenWithTheMoonAndFourWithout) {
    orvanel::EphemerisFiles files(SourceData());
    const struct {
        int body, shift;
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
    for (const auto& c : cases) {
        orvanel::Program program = NatalAtMidnight(files, 2001, 12, 5);
        auto& longitude = program.ChartPositions[1].longitude[static_cast<std::size_t>(c.body)];
        longitude = (longitude + c.shift + 360) % 360;
        EXPECT_EQ(orvanel::CoincidenceLines(program, files).size(), c.lines) << c.body << " " << c.shift;
    }
}

TEST(CoincidenceReport, FaultsChangeNothing) {
    orvanel::EphemerisFiles files(SourceData());
    orvanel::Program program = NatalAtMidnight(files, 2001, 12, 5);
    program.EntryDate = cp::FromUtf8("1e9 1205");
    const orvanel::Program before = program;
    EXPECT_THROW(orvanel::CoincidenceLines(program, files), cp::Fault);
    EXPECT_EQ(program.EphemerisBuffer, before.EphemerisBuffer);

    program.EntryDate = EntryDateOf(2001, 12, 5);
    orvanel::EphemerisFiles missing("/nonexistent/orvanel");
    EXPECT_THROW(orvanel::CoincidenceLines(program, missing), cp::DataFault);
    EXPECT_EQ(program.AscendantBuffer, before.AscendantBuffer);

    program.EntryDate = cp::FromUtf8("abcdefgh");  // letters read as 0: computed all the same
    EXPECT_NO_THROW(orvanel::CoincidenceLines(program, files));
}

}  // namespace
}  // namespace cycles_test
