// The values of a cycle plot: the 31 days and their positions, the transit angle of both modes, the
// height of the dots, the orb of the mark, and what a plot leaves in the program.
#include "orvanel/cycles/cycle_plot.h"

#include <gtest/gtest.h>

#include <cmath>

#include "conceptplane/angles.h"
#include "conceptplane/faults.h"
#include "cycles_fixture.h"

namespace cycles_test {
namespace {

int Fold(int v) {
    return ((v % 360) + 360) % 360;
}

TEST(CyclePlot, ThirtyOneDaysAtMidnightAroundTheCentralDate) {
    orvanel::EphemerisFiles files(SourceData());
    orvanel::Program program = NatalAtMidnight(files, 2001, 3, 1);
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

TEST(CyclePlot, TransitAngleOfBothModes) {
    orvanel::EphemerisFiles files(SourceData());
    orvanel::Program program = NatalAtMidnight(files, 2001, 12, 5);
    const auto& natal = program.ChartPositions[1];
    const struct {
        std::int16_t a, b, mode;
    } cases[] = {{1, 2, 1}, {3, 2, 1}, {12, 2, 1}, {1, 3, 1}, {13, 2, 2}, {13, 1, 2}};
    for (const auto& c : cases) {
        const orvanel::CyclePlot plot = orvanel::ComputeCycle(program, files, c.a, c.b, c.mode);
        EXPECT_EQ(plot.natalAngle, Fold(natal.longitude[static_cast<std::size_t>(c.a)] -
                                        natal.longitude[static_cast<std::size_t>(c.b)]));
        for (const auto& day : plot.days) {
            const int from = c.mode == 1 ? DegreesOf(day.ephemerisText, c.a) : natal.ascendant;
            EXPECT_EQ(day.angle, Fold(from - DegreesOf(day.ephemerisText, c.b))) << c.a << " " << c.b;
            EXPECT_FLOAT_EQ(day.y, static_cast<float>(75 - 45 * cp::kOrvanelAngles.Cos(day.angle)));
        }
        // Birth at 0 h on the central date: the central day repeats the natal angle.
        EXPECT_EQ(plot.days[15].angle, plot.natalAngle);
        EXPECT_TRUE(plot.days[15].mark);
    }
}

TEST(CyclePlot, MarkWithinTheOrbWithoutWrapping) {
    orvanel::EphemerisFiles files(SourceData());
    orvanel::Program program = NatalAtMidnight(files, 2001, 12, 5);
    for (const std::int16_t b : {std::int16_t{2}, std::int16_t{3}}) {
        const orvanel::CyclePlot plot = orvanel::ComputeCycle(program, files, 1, b, orvanel::kBothTransiting);
        EXPECT_EQ(plot.orb, b == 2 ? 15 : 4);
        for (const auto& day : plot.days) {
            EXPECT_EQ(day.mark, std::abs(plot.natalAngle - day.angle) < plot.orb) << day.offset;
        }
    }
    // A natal angle of 358 and a transit angle of 2 are 356 apart: no mark.
    program.ChartPositions[1].longitude[1] = 358;
    program.ChartPositions[1].longitude[2] = 0;
    const orvanel::CyclePlot plot = orvanel::ComputeCycle(program, files, 1, 2, orvanel::kBothTransiting);
    for (const auto& day : plot.days) {
        if (day.angle < 5) {
            EXPECT_FALSE(day.mark) << day.angle;
        }
    }
}

TEST(CyclePlot, FaultsChangeNothing) {
    orvanel::EphemerisFiles files(SourceData());
    orvanel::Program program = NatalAtMidnight(files, 2001, 12, 5);
    program.EphemerisBuffer = cp::Text(48, U'x');
    const cp::Text kept = program.EphemerisBuffer;
    EXPECT_THROW(orvanel::ComputeCycle(program, files, 0, 2, 1), cp::Fault);
    EXPECT_THROW(orvanel::ComputeCycle(program, files, 1, 14, 1), cp::Fault);
    EXPECT_THROW(orvanel::ComputeCycle(program, files, 1, 2, 3), cp::Fault);
    orvanel::EphemerisFiles missing("/nonexistent/orvanel");
    EXPECT_THROW(orvanel::ComputeCycle(program, missing, 1, 2, 1), cp::DataFault);
    program.EntryDate = cp::FromUtf8("200112 99999");
    EXPECT_NO_THROW(orvanel::ComputeCycle(program, files, 1, 2, 1)) << "fields are cut to 4, 2, 2 first";
    program.EphemerisBuffer = kept;
    program.EntryDate = cp::FromUtf8("9e9 1205");
    EXPECT_THROW(orvanel::ComputeCycle(program, files, 1, 2, 1), cp::Fault);
    EXPECT_EQ(program.EphemerisBuffer, kept);
}

}  // namespace
}  // namespace cycles_test
