// Rounding, checked stores, the numeric-value reader and the display patterns.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "conceptplane/faults.h"
#include "conceptplane/numeric.h"

using namespace cp;

TEST(Rounding, HalvesToEvenForStoresAndAwayForPatterns) {
    struct Case {
        double v, even, away;
    } cases[] = {{0.5, 0, 1},    {1.5, 2, 2},    {2.5, 2, 3},    {-0.5, 0, -1},
                 {-1.5, -2, -2}, {-2.5, -2, -3}, {2.4999, 2, 2}, {7.0, 7, 7}};
    for (const auto& c : cases) {
        EXPECT_EQ(RoundHalfEven(c.v), c.even) << c.v;
        EXPECT_EQ(RoundHalfAway(c.v), c.away) << c.v;
    }
}

TEST(CheckedStores, RefuseWhatDoesNotFit) {
    EXPECT_EQ(StoreInt16(32767.4), 32767);
    EXPECT_EQ(StoreInt16(-32768.5), -32768);  // -32768.5 rounds to the even -32768
    EXPECT_THROW(StoreInt16(32767.5), OverflowFault);
    EXPECT_THROW(StoreInt16(-32769), OverflowFault);
    EXPECT_THROW(StoreInt16(std::nan("")), OverflowFault);
    EXPECT_FALSE(TryInt16(1e9).has_value());
    EXPECT_EQ(StoreInt32(2147483647.0), 2147483647);
    EXPECT_THROW(StoreInt32(2147483648.0), OverflowFault);
    EXPECT_THROW(StoreSingle(1e39), OverflowFault);
    EXPECT_THROW(StoreSingle(std::numeric_limits<double>::infinity()), OverflowFault);
    EXPECT_EQ(StoreSingle(0.1), 0.1f);
}

TEST(WholeArithmetic, TruncatesAndKeepsTheDividendSign) {
    EXPECT_EQ(WholeDiv(-7, 2), -3);
    EXPECT_EQ(WholeMod(-7, 2), -1);
    EXPECT_EQ(WholeMod(7, -2), 1);
    EXPECT_THROW(WholeDiv(1, 0), OverflowFault);
}

TEST(NumericValue, ReadsTheLeadingNumberIgnoringBlanks) {
    struct Case {
        const char32_t* text;
        double value;
    } cases[] = {
        {U"123¡", 123},  {U" 1 2 3", 123}, {U"\t-4.5\n", -4.5}, {U"9.30", 9.3}, {U"abc", 0},
        {U"", 0},        {U"1e3", 1000},   {U"2.5E-1x", 0.25},  {U"1e", 1},     {U"+7", 7},
        {U"3.4.5", 3.4}, {U"-", 0},        {U".5", 0.5},        {U"7 0", 70},   {U"1D2", 100},
        {U"3 ", 3},      {U"12-3", 12},    {U"00", 0},          {U"- 5", -5},   {U"ñ5", 0},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(NumericValue(c.text), c.value) << ToUtf8(c.text);
    EXPECT_TRUE(std::isinf(NumericValue(U"1e400")));
    EXPECT_EQ(LenientNumber(U"1e400"), 0);
    EXPECT_EQ(LenientNumber(U"             "), 0);
}

TEST(DisplayPatterns, RoundAwayFromZero) {
    EXPECT_EQ(FormatHashes(-1.5), U"-2");
    EXPECT_EQ(FormatHashes(2.5), U"3");
    EXPECT_EQ(FormatHashes(123456.0), U"123456");
    EXPECT_EQ(FormatHashes(1234567.0), U"1234567");
    EXPECT_EQ(FormatHashes(0.2), U"");
    EXPECT_EQ(FormatZeros(7, 2), U"07");
    EXPECT_EQ(FormatZeros(0, 2), U"00");
    EXPECT_EQ(FormatZeros(372.5, 5), U"00373");
    EXPECT_EQ(FormatZeros(10042, 5), U"10042");
    EXPECT_EQ(FormatZeros(-5, 2), U"-05");  // the sign comes before the zeros
    EXPECT_EQ(FormatZeros(-123, 2), U"-123");
    EXPECT_EQ(FormatZeros(-0.3, 2), U"-0");  // printf's negative zero
    EXPECT_EQ(FormatZeros(2.5e15, 2), U"2500000000000000");
    EXPECT_EQ(FormatHashes(-0.3), U"");
}
