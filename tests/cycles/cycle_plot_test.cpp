// The values of a cycle plot: the 31 days and their positions, the transit angle of both modes, the
// height of the dots, the orb of the mark, and what a plot leaves in the program.
#include "orvanel/cycles/cycle_plot.h"

#include <gtest/gtest.h>

#include "conceptplane/faults.h"
#include "core_builders.h"
#include "orvanel/astro/ephemeris.h"

namespace {

// Subject 1 born at 0 h of the central date, 5 December 2001.
class CyclePlot : public ::testing::Test {
  protected:
    CyclePlot() { core_builders::EnterComputed(program, files, 1, {2001, 12, 5}); }

    orvanel::EphemerisFiles files{core_builders::ShippedData()};
    orvanel::Program program;
    orvanel::ChartSlot& natal = program.ChartPositions[1];
};

TEST_F(CyclePlot, ThirtyOneDaysAtMidnightAroundTheCentralDate) {
    program.EntryDate = U"20010301";
    const orvanel::CyclePlot plot = orvanel::ComputeCycle(program, files, 3, 2, orvanel::kBothTransiting);
    const orvanel::EphemerisData data = files.Load();
    for (int i = 0; i < orvanel::kCycleDays; ++i) {
        const orvanel::CycleDay& day = plot.days[static_cast<std::size_t>(i)];
        EXPECT_EQ(day.offset, i - 15);
        // The day number counts into the neighbouring month: 1 March - 15 is 14 February.
        EXPECT_EQ(
            day.ephemerisText,
            orvanel::EphemerisFor(data, 2001, 3, static_cast<std::int16_t>(1 + day.offset), 0, 0).positions);
    }
    EXPECT_EQ(plot.days[0].ephemerisText, orvanel::EphemerisFor(data, 2001, 2, 14, 0, 0).positions);
    EXPECT_EQ(program.EphemerisBuffer, plot.days[30].ephemerisText) << "the last plotted day stays";
    EXPECT_EQ(program.CurrentSubject, 1);
}

// Both points in transit: born at 0 h of the central date, the central day repeats the natal angle,
// the angle from A to B.
TEST_F(CyclePlot, BothInTransitRepeatTheNatalAngleOnTheBirthDay) {
    const orvanel::CyclePlot plot = orvanel::ComputeCycle(program, files, 1, 2, orvanel::kBothTransiting);
    EXPECT_EQ(plot.natalAngle, (natal.longitude[1] - natal.longitude[2] + 360) % 360);
    EXPECT_EQ(plot.days[15].angle, plot.natalAngle);
    EXPECT_TRUE(plot.days[15].mark);
    EXPECT_NE(plot.days[0].angle, plot.natalAngle) << "the Moon has moved on";
}

// The natal Ascendant against a point in transit: the Ascendant is set so that the central day's
// angle T is the case's, and the natal angle N from the natal longitudes.
TEST_F(CyclePlot, AngleHeightAndMarkAgainstTheNatalAscendant) {
    const struct {
        std::int16_t b;
        int natal, transit;
        float y;
        bool mark;
        const char* why;
    } cases[] = {
        {2, 100, 86, 71.86f, true, "14 from the natal angle: inside the Moon's orb of 15"},
        {2, 100, 85, 71.08f, false, "15 from it: outside"},
        {3, 180, 177, 119.94f, true, "3 from it: inside the orb of 4"},
        {3, 180, 184, 119.89f, false, "4 from it: outside"},
        {2, 358, 2, 30.03f, false, "356 apart: the orb is not taken the short way round"},
        {4, 90, 90, 75.0f, true, "a right angle stands in the middle"},
        {5, 0, 0, 30.0f, true, "a conjunction stands at the top"},
    };
    const orvanel::Program born = program;
    for (const auto& c : cases) {
        program = born;
        const auto b = static_cast<std::size_t>(c.b);
        natal.ascendant = static_cast<std::int16_t>((natal.longitude[b] + c.transit) % 360);
        natal.longitude[orvanel::kAscendantPoint] = c.natal;
        natal.longitude[b] = 0;
        const orvanel::CyclePlot plot =
            orvanel::ComputeCycle(program, files, orvanel::kAscendantPoint, c.b, orvanel::kNatalAscendant);
        const orvanel::CycleDay& day = plot.days[15];
        EXPECT_EQ(plot.natalAngle, c.natal) << c.why;
        EXPECT_EQ(day.angle, c.transit) << c.why;
        EXPECT_NEAR(day.y, c.y, 0.01) << c.why;
        EXPECT_EQ(day.mark, c.mark) << c.why;
    }
}

TEST_F(CyclePlot, FaultsChangeNothing) {
    program.EphemerisBuffer = cp::Text(48, U'x');
    const cp::Text kept = program.EphemerisBuffer;
    EXPECT_THROW(orvanel::ComputeCycle(program, files, 0, 2, 1), cp::Fault);
    EXPECT_THROW(orvanel::ComputeCycle(program, files, 1, 14, 1), cp::Fault);
    EXPECT_THROW(orvanel::ComputeCycle(program, files, 1, 2, 3), cp::Fault);
    orvanel::EphemerisFiles missing("/nonexistent/orvanel");
    EXPECT_THROW(orvanel::ComputeCycle(program, missing, 1, 2, 1), cp::DataFault);
    program.EntryDate = U"200112 99999";
    EXPECT_NO_THROW(orvanel::ComputeCycle(program, files, 1, 2, 1)) << "fields are cut to 4, 2, 2 first";
    program.EphemerisBuffer = kept;
    program.EntryDate = U"9e9 1205";
    EXPECT_THROW(orvanel::ComputeCycle(program, files, 1, 2, 1), cp::Fault);
    EXPECT_EQ(program.EphemerisBuffer, kept);
}

}  // namespace
