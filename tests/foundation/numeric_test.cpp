// Rounding, checked stores, the numeric-value reader and the display patterns.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <optional>

#include "conceptplane/faults.h"
#include "conceptplane/numeric.h"

using namespace cp;

TEST(Rounding, HalvesToEvenForStoresAndAwayForPatterns) {
    const std::array<double, 3> cases[] = {{0.5, 0, 1},    {1.5, 2, 2},    {2.5, 2, 3},    {-0.5, 0, -1},
                                           {-1.5, -2, -2}, {-2.5, -2, -3}, {2.4999, 2, 2}, {7.0, 7, 7}};
    for (const auto& [v, even, away] : cases) {
        EXPECT_EQ(RoundHalfEven(v), even) << v;
        EXPECT_EQ(RoundHalfAway(v), away) << v;
    }
}

// Values that fit are rounded halves to even; the rest are refused (nothing left undefined).
TEST(CheckedStores, RefuseWhatDoesNotFit) {
    const std::pair<double, std::optional<std::int16_t>> int16s[] = {
        {32767.4, 32767}, {-32768.5, -32768}, {32767.5, {}}, {-32769, {}}, {std::nan(""), {}}, {1e9, {}}};
    for (const auto& [v, stored] : int16s)
        EXPECT_EQ(TryInt16(v), stored) << v;
    EXPECT_EQ(StoreInt16(-32768.5), -32768);
    EXPECT_THROW(StoreInt16(32767.5), OverflowFault);
    EXPECT_EQ(StoreInt32(2147483647.0), 2147483647);
    EXPECT_THROW(StoreInt32(2147483648.0), OverflowFault);
    EXPECT_THROW(StoreSingle(1e39), OverflowFault);
    EXPECT_THROW(StoreSingle(std::numeric_limits<double>::infinity()), OverflowFault);
    EXPECT_EQ(WholeDiv(-7, 2), -3);
    EXPECT_EQ(WholeMod(-7, 2), -1);
    EXPECT_EQ(WholeMod(7, -2), 1);
    EXPECT_THROW(WholeDiv(1, 0), OverflowFault);
}

TEST(NumericValue, ReadsTheLeadingNumberIgnoringBlanks) {
    const std::pair<const char32_t*, double> cases[] = {
        {U"123¡", 123},  {U" 1 2 3", 123}, {U"\t-4.5\n", -4.5}, {U"9.30", 9.3}, {U"abc", 0},
        {U"", 0},        {U"1e3", 1000},   {U"2.5E-1x", 0.25},  {U"1e", 1},     {U"+7", 7},
        {U"3.4.5", 3.4}, {U"-", 0},        {U".5", 0.5},        {U"7 0", 70},   {U"1D2", 100},
        {U"3 ", 3},      {U"12-3", 12},    {U"00", 0},          {U"- 5", -5},   {U"ñ5", 0},
    };
    for (const auto& [text, value] : cases)
        EXPECT_DOUBLE_EQ(NumericValue(text), value) << ToUtf8(text);
    EXPECT_TRUE(std::isinf(NumericValue(U"1e400")));
    EXPECT_EQ(LenientNumber(U"1e400"), 0);
    EXPECT_EQ(LenientNumber(U"             "), 0);
}

// Halves away from zero; the sign comes before the zeros, and printf's negative zero stays.
TEST(DisplayPatterns, RoundAwayFromZero) {
    const std::pair<double, const char32_t*> hashes[] = {
        {-1.5, U"-2"}, {2.5, U"3"}, {1234567.0, U"1234567"}, {0.2, U""}, {-0.3, U""}};
    for (const auto& [v, text] : hashes)
        EXPECT_EQ(FormatHashes(v), text) << v;
    const std::pair<double, const char32_t*> zeros[] = {{7, U"07"},      {-5, U"-05"},
                                                        {-123, U"-123"}, {-0.3, U"-0"},
                                                        {372.5, U"373"}, {2.5e15, U"2500000000000000"}};
    for (const auto& [v, text] : zeros)
        EXPECT_EQ(FormatZeros(v, 2), text) << v;
    EXPECT_EQ(FormatZeros(372.5, 5), U"00373");
}
