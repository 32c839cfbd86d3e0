// The coincidence report: the 36 lines of a central date equal to the birth date, the separator of
// each turn, the orbs with and without the Moon, and what the report leaves in the program.
#include "orvanel/cycles/coincidence_report.h"

#include <gtest/gtest.h>

#include <tuple>

#include "cycles_fixture.h"

namespace {

using CoincidenceReport = BornOnTheCentralDate;

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
    EXPECT_EQ(program.EphemerisBuffer, program.ChartPositions[1].ephemerisText);
}

// A natal point moved from where the central date has it. The Sun turned by 180 or 90 degrees:
// the Ascendant line takes that turn's separator, the Sun's pair lines the opposite turn's. The Moon
// keeps its 8 lines (the Ascendant and 7 pairs) within 15 degrees, Mercury within 4, but for its
// pair with the Moon.
TEST_F(CoincidenceReport, MovedNatalPointsTurnOrLeaveTheirLines) {
    // The point, its shift, the lines left, the Sun's Ascendant line and the separator of its pairs.
    const std::tuple<std::size_t, int, std::size_t, std::string, std::string> cases[] = {
        {1, 180, 36, "  El Sol      180  Ascendente ", "  180   "},
        {1, 90, 36, "  El Sol       90   Ascendente ", "  270   "},
        {2, 14, 36, "", ""},
        {2, 15, 28, "", ""},
        {3, 4, 29, "", ""},
        {3, -4, 29, "", ""}};
    const orvanel::Program born = program;
    for (const auto& [body, shift, count, ascendantLine, separator] : cases) {
        program = born;
        natal.longitude[body] = (natal.longitude[body] + shift + 360) % 360;
        const auto lines = orvanel::CoincidenceLines(program, files);
        ASSERT_EQ(lines.size(), count) << body << " moved by " << shift;
        if (ascendantLine.empty()) continue;
        EXPECT_EQ(lines[0], Line(ascendantLine)) << shift;
        EXPECT_EQ(lines[1], Line("  El Sol    " + separator + "La Luna   ")) << shift;
    }
}

}  // namespace
