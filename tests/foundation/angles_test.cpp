// The angle functions in both flavours.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <tuple>

#include "conceptplane/angles.h"
#include "conceptplane/faults.h"

using namespace cp;

// 1080 is added first; below -1080 the value is folded too rather than left negative.
TEST(NormalizeDegrees, FoldsIntoOneTurn) {
    const std::pair<double, double> cases[] = {{-1080, 0},       {359.9999, 359.9999}, {720, 0},
                                               {-90, 270},       {-1170, 270},         {HUGE_VAL, 0},
                                               {std::nan(""), 0}};
    for (const auto& [x, folded] : cases)
        EXPECT_DOUBLE_EQ(NormalizeDegrees(x), folded) << x;
    const double huge = NormalizeDegrees(1e300);
    EXPECT_TRUE(huge >= 0 && huge < 360) << huge;
}

TEST(ModReal, KeepsTheSignOfTheDividend) {
    const std::pair<double, double> cases[] = {{-725.25, -5.25}, {725.25, 5.25}, {359.5, 359.5}};
    for (const auto& [x, remainder] : cases)
        EXPECT_DOUBLE_EQ(ModReal(x, 360), remainder) << x;
    EXPECT_THROW(ModReal(3e9, 360), OverflowFault);
    EXPECT_THROW(ModReal(5, 0.2), OverflowFault);
}

// With x + 0.001 as the divisor, 45 and 315 degrees come out a little off, and x = -0.001 gives 90
// (180 on the axis) rather than dividing by zero.
TEST(AngleOf, AddsAThousandthToX) {
    const std::array<double, 4> cases[] = {{0, 1, 89.9427, 1e-3},   {1000, 1000, 44.99998, 1e-5},
                                           {1, -1, 315.0286, 1e-3}, {0, -1, 270.0573, 1e-3},
                                           {-1, 0, 180, 1e-12},     {0, 0, 0, 0},
                                           {-0.001, 5, 90, 0},      {-0.001, 0, 180, 0}};
    for (const AngleMath& m : {kRorevAngles, kOrvanelAngles})
        for (const auto& [x, y, angle, tolerance] : cases)
            EXPECT_NEAR(m.AngleOf(x, y), angle, tolerance) << x << ", " << y;
}

// A 32-bit sum of squares would overflow from 46341 on.
TEST(Hypot, WholeNumbersDoNotOverflow) {
    EXPECT_EQ(HypotWhole(3, 4), 5);
    EXPECT_EQ(HypotReal(3, 4), 5);
    EXPECT_NEAR(HypotWhole(-2147483647, -2147483647), 3037000498.56, 1);
}

// pi is 3.141592, and Orvanel's DegToRad is single precision: a right angle of a million units
// leaves 0.347 in x for Orvanel and 0.327 for rorev, where the true pi would leave nothing.
TEST(Polar, ProjectsWithTheFlavoursDegToRad) {
    const std::tuple<const AngleMath&, double, double, double, double> cases[] = {
        {kOrvanelAngles, 90, 1e6, 0.3474, 1e6},
        {kRorevAngles, 90, 1e6, 0.3268, 1e6},
        {kOrvanelAngles, 60, 2, 1, 1.7321},
        {kRorevAngles, 30, 2, 1.7321, 1}};
    for (const auto& [flavour, degrees, radius, x, y] : cases)
        EXPECT_LT(std::hypot(flavour.PolarX(degrees, radius) - x, flavour.PolarY(degrees, radius) - y), 1e-4)
            << degrees;
}
