// The coincidence report: the 36 lines of a central date equal to the birth date, the separator of
// each turn, the orbs with and without the Moon, and what the report leaves in the program.
#include "orvanel/cycles/coincidence_report.h"

#include <gtest/gtest.h>

#include "conceptplane/faults.h"
#include "core_builders.h"

namespace {

// Subject 1 born at 0 h of the central date.
class CoincidenceReport : public ::testing::Test {
  protected:
    CoincidenceReport() { core_builders::EnterComputed(program, files, 1, {2001, 12, 5}); }

    orvanel::EphemerisFiles files{core_builders::ShippedData()};
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

// A natal point moved from where the central date has it. The Sun turned by 180, 90 or 270 degrees:
// the Ascendant line takes that turn's separator, the Sun's pair lines the opposite turn's. The Moon
// keeps its 8 lines (the Ascendant and 7 pairs) within 15 degrees, Mercury within 4, but for its
// pair with the Moon.
TEST_F(CoincidenceReport, MovedNatalPointsTurnOrLeaveTheirLines) {
    const struct {
        std::size_t body;
        int shift;
        std::size_t lines;
        const char *ascendantLine = nullptr, *pairSeparator = nullptr;
    } cases[] = {{1, 0, 36, "  El Sol            Ascendente ", "        "},
                 {1, 180, 36, "  El Sol      180  Ascendente ", "  180   "},
                 {1, 90, 36, "  El Sol       90   Ascendente ", "  270   "},
                 {1, 270, 36, "  El Sol      270  Ascendente ", "   90   "},
                 {2, 14, 36},
                 {2, 15, 28},
                 {2, -14, 36},
                 {3, -3, 36},
                 {3, 4, 29},
                 {3, -4, 29}};
    const orvanel::Program natal = program;
    for (const auto& c : cases) {
        program = natal;
        auto& longitude = program.ChartPositions[1].longitude[c.body];
        longitude = (longitude + c.shift + 360) % 360;
        const auto lines = orvanel::CoincidenceLines(program, files);
        ASSERT_EQ(lines.size(), c.lines) << c.body << " moved by " << c.shift;
        if (c.ascendantLine == nullptr) continue;
        EXPECT_EQ(lines[0], Line(c.ascendantLine)) << c.shift;
        EXPECT_EQ(lines[1], Line(std::string("  El Sol    ") + c.pairSeparator + "La Luna   ")) << c.shift;
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
