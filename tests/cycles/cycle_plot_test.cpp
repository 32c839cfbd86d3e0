// The values of a cycle plot: the 31 days and their positions, the transit angle of both modes, the
// height of the dots, the orb of the mark, what a plot leaves in the program, and the faults that a
// plot and the coincidence report refuse.
#include "orvanel/cycles/cycle_plot.h"

#include <gtest/gtest.h>

#include <tuple>

#include "conceptplane/faults.h"
#include "cycles_fixture.h"
#include "orvanel/astro/ephemeris.h"
#include "orvanel/cycles/coincidence_report.h"

namespace {

using CyclePlot = BornOnTheCentralDate;

// The day number counts into the neighbouring month: 1 March - 15 is 14 February.
TEST_F(CyclePlot, ThirtyOneDaysAtMidnightAroundTheCentralDate) {
    program.EntryDate = U"20010301";
    const orvanel::CyclePlot plot = orvanel::ComputeCycle(program, files, 3, 2, orvanel::kBothTransiting);
    const orvanel::EphemerisData data = files.Load();
    for (int i = 0; i < orvanel::kCycleDays; ++i)
        EXPECT_EQ(plot.days[static_cast<std::size_t>(i)].offset, i - 15);
    EXPECT_EQ(plot.days[0].ephemerisText, orvanel::EphemerisFor(data, 2001, 2, 14, 0, 0).positions);
    EXPECT_EQ(plot.days[30].ephemerisText, orvanel::EphemerisFor(data, 2001, 3, 16, 0, 0).positions);
    EXPECT_EQ(program.EphemerisBuffer, plot.days[30].ephemerisText) << "the last plotted day stays";
    EXPECT_EQ(program.CurrentSubject, 1);
}

// Both points in transit: born at 0 h of the central date, the central day repeats the natal angle,
// the angle from A to B. The natal Ascendant against a point in transit: the Ascendant is set so
// that the central day's angle is the case's, and the natal angle from the natal longitudes.
TEST_F(CyclePlot, AngleHeightAndMarkOfBothModes) {
    const orvanel::CyclePlot both = orvanel::ComputeCycle(program, files, 1, 2, orvanel::kBothTransiting);
    EXPECT_EQ(both.natalAngle, (natal.longitude[1] - natal.longitude[2] + 360) % 360);
    EXPECT_EQ(both.days[15].angle, both.natalAngle);
    EXPECT_TRUE(both.days[15].mark);
    // Point B, the natal angle, the transit angle, the dot's height, the mark.
    const std::tuple<std::int16_t, int, int, float, bool, const char*> cases[] = {
        {2, 100, 86, 71.86f, true, "14 from the natal angle: inside the Moon's orb of 15"},
        {2, 100, 85, 71.08f, false, "15 from it: outside"},
        {3, 180, 177, 119.94f, true, "3 from it: inside the orb of 4"},
        {3, 180, 184, 119.89f, false, "4 from it: outside"},
        {2, 358, 2, 30.03f, false, "356 apart: the orb is not taken the short way round"},
        {5, 0, 0, 30.0f, true, "a conjunction stands at the top"},
    };
    const orvanel::Program born = program;
    for (const auto& [b, natalAngle, transit, y, mark, why] : cases) {
        program = born;
        const auto point = static_cast<std::size_t>(b);
        natal.ascendant = static_cast<std::int16_t>((natal.longitude[point] + transit) % 360);
        natal.longitude[orvanel::kAscendantPoint] = natalAngle;
        natal.longitude[point] = 0;
        const orvanel::CyclePlot plot =
            orvanel::ComputeCycle(program, files, orvanel::kAscendantPoint, b, orvanel::kNatalAscendant);
        EXPECT_EQ(plot.natalAngle, natalAngle) << why;
        EXPECT_EQ(plot.days[15].angle, transit) << why;
        EXPECT_NEAR(plot.days[15].y, y, 0.01) << why;
        EXPECT_EQ(plot.days[15].mark, mark) << why;
    }
}

// Points outside 1..13, a mode other than 1 and 2, a missing file or a year that overflows: refused,
// the buffer kept, and the coincidence report's too. Fields are cut to 4, 2 and 2 characters before they are
// read.
TEST_F(CyclePlot, FaultsChangeNothing) {
    program.EphemerisBuffer = cp::Text(48, U'x');
    orvanel::EphemerisFiles missing("/nonexistent/orvanel");
    EXPECT_THROW(orvanel::ComputeCycle(program, missing, 1, 2, 1), cp::DataFault);
    const std::tuple<std::int16_t, std::int16_t, std::int16_t, const char*> refused[] = {
        {0, 2, 1, "20011205"}, {1, 14, 1, "20011205"}, {1, 2, 3, "20011205"}, {1, 2, 1, "9e9 1205"}};
    for (const auto& [a, b, mode, date] : refused) {
        program.EntryDate = cp::FromUtf8(date);
        EXPECT_THROW(orvanel::ComputeCycle(program, files, a, b, mode), cp::Fault) << a << b << mode << date;
        EXPECT_EQ(program.EphemerisBuffer, cp::Text(48, U'x'));
    }
    EXPECT_THROW(orvanel::CoincidenceLines(program, files), cp::Fault) << "nor the coincidence report";
    EXPECT_EQ(program.EphemerisBuffer, cp::Text(48, U'x'));
    program.EntryDate = U"200112 99999";
    EXPECT_NO_THROW(orvanel::ComputeCycle(program, files, 1, 2, 1));
}

}  // namespace
