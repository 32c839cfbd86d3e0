// The angle functions in both flavours.
#include <gtest/gtest.h>

#include "conceptplane/angles.h"
#include "conceptplane/faults.h"

using namespace cp;

TEST(NormalizeDegrees, FoldsIntoOneTurn) {
    EXPECT_EQ(NormalizeDegrees(-1080), 0);
    EXPECT_DOUBLE_EQ(NormalizeDegrees(359.9999), 359.9999);
    EXPECT_EQ(NormalizeDegrees(720), 0);
    EXPECT_EQ(NormalizeDegrees(-90), 270);
    EXPECT_EQ(NormalizeDegrees(-1170), 270);  // below -1080: folded rather than left negative
    EXPECT_EQ(NormalizeDegrees(1e300), NormalizeDegrees(1e300));
    EXPECT_GE(NormalizeDegrees(1e300), 0);
    EXPECT_EQ(NormalizeDegrees(std::numeric_limits<double>::infinity()), 0);
}

TEST(ModReal, KeepsTheSignOfTheDividend) {
    EXPECT_DOUBLE_EQ(ModReal(-725.25, 360), -5.25);
    EXPECT_DOUBLE_EQ(ModReal(725.25, 360), 5.25);
    EXPECT_DOUBLE_EQ(ModReal(359.5, 360), 359.5);
    EXPECT_THROW(ModReal(3e9, 360), OverflowFault);
    EXPECT_THROW(ModReal(5, 0.2), OverflowFault);
}

TEST(AngleOf, AddsAThousandthToX) {
    for (const AngleMath& m : {kRorevAngles, kOrvanelAngles}) {
        EXPECT_LT(m.AngleOf(0, 1), 90);
        EXPECT_GT(m.AngleOf(0, 1), 89.9);
        EXPECT_NEAR(m.AngleOf(-1, 0), 180, 1e-12);
        EXPECT_NEAR(m.AngleOf(1, -1), 315.0286, 1e-3);  // "315 up to that same offset"
        EXPECT_EQ(m.AngleOf(0, 0), 0);
        EXPECT_EQ(m.AngleOf(-0.001, 5), 90);  // would divide by zero
        EXPECT_EQ(m.AngleOf(-0.001, 0), 180);
        EXPECT_NEAR(m.AngleOf(0, -1), 270.0573, 1e-3);
    }
    // 45 degrees comes out a little below 45 because of the 0.001.
    EXPECT_LT(kRorevAngles.AngleOf(1000, 1000), 45.0);
}

TEST(DegToRad, UsesPiAsSixDecimalsInSinglePrecision) {
    EXPECT_FLOAT_EQ(kOrvanelDegToRad, 0.0174532887f);
    EXPECT_EQ(static_cast<double>(kOrvanelDegToRad), static_cast<double>(static_cast<float>(3.141592 / 180)));
    EXPECT_DOUBLE_EQ(kRorevDegToRad, 3.141592 / 180);
}

TEST(Hypot, WholeNumbersDoNotOverflow) {
    EXPECT_EQ(HypotWhole(3, 4), 5);
    EXPECT_EQ(HypotReal(3, 4), 5);
    EXPECT_DOUBLE_EQ(HypotWhole(100000, 0), 100000);  // a 32-bit sum of squares would overflow
    EXPECT_NEAR(HypotWhole(-2147483647, -2147483647), 3037000498.56, 1);
}

TEST(Polar, ProjectsWithTheFlavoursDegToRad) {
    EXPECT_NEAR(kOrvanelAngles.PolarX(60, 2), 1.0, 1e-5);
    EXPECT_NEAR(kRorevAngles.PolarY(30, 2), 1.0, 1e-5);
    EXPECT_NE(kRorevAngles.PolarX(90, 1), 0.0);  // pi is not exact
}
