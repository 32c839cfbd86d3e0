// ComputeEphemeris: the date rule, the order of the orbit lookups, the positions text, the marks.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "astro_fixtures.h"
#include "conceptplane/faults.h"
#include "orvanel/astro/ephemeris.h"

using namespace orvanel;
using namespace astro_test;

namespace {

// Synthetic elements: the Moon and every planet stand still (no daily motion) at chosen places, so
// the lookups and results are known by hand; the identity orbit table makes ν = M.
ElementTable StillElements() {
    ElementTable el = ZeroElements();
    for (int b = 3; b <= kBodies; ++b) {
        el.Set(kPerihelion, b, 100);
        el.Set(kEpochLongitude, b, 110.25);  // mean anomaly 10.25
        el.Set(kSemiMajorAxis, b, 1000);     // far enough for the Earth's place not to matter
    }
    return el;
}

cp::Text PositionsFor(const ElementTable& el, std::int16_t y, std::int16_t m, std::int16_t d) {
    return EphemerisFor(DataOf(el, IdentityOrbitBytes()), y, m, d, 0, 0).positions;
}

}  // namespace

TEST(JulianDay, JanuaryAndFebruaryShiftTheYearButNotTheCenturyTerms) {
    struct Case {
        std::int16_t y, m, d;
        double jd;
        const char* why;
    } cases[] = {
        {1980, 1, 1, 2444239.5, "one day after the epoch 1980 January 0.0"},
        {2000, 1, 1, 2451544.5, "the century terms of 2000 agree with those of 1999"},
        {2001, 12, 5, 2452248.5, "a month after February takes no shift"},
        {1900, 2, 1, 2415050.5, "-A + B = -19 + 4 from the entered year: a day before the sky's 2415051.5"},
        {1900, 3, 1, 2415079.5, "from March the entered and the shifted year are the same"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(JulianDayAtMidnight(c.y, c.m, c.d), c.jd) << c.why;
    EXPECT_EQ(DaysSinceEpoch(1980, 1, 1), 1.0);
}

TEST(OrbitLookups, InterpolateBetweenTheRecordsOfTwoWholeDegrees) {
    OrbitTable table = OrbitTable::FromBytes(IdentityOrbitBytes());
    std::vector<std::int32_t> reads;
    table.onRead = [&](std::int32_t n) { reads.push_back(n); };
    EXPECT_DOUBLE_EQ(OrbitLookup(table, 3, 10.25), 10.25);
    EXPECT_EQ(reads, (std::vector<std::int32_t>{736, 737}));
    reads.clear();
    EXPECT_EQ(OrbitLookup(table, 1, 0), 0);
    EXPECT_EQ(reads, (std::vector<std::int32_t>{2, 3}));
    reads.clear();
    EXPECT_DOUBLE_EQ(OrbitLookup(table, 10, 359.5), 359.5);
    EXPECT_EQ(reads, (std::vector<std::int32_t>{3619, 3620}));  // the last record of the file
    EXPECT_THROW(OrbitLookup(table, 11, 0), cp::DataFault);     // beyond the file
}

TEST(OrbitLookups, NineteenPerComputationInTheMethodsOrder) {
    const ElementTable el = StillElements();
    auto orbits = std::make_shared<OrbitTable>(OrbitTable::FromBytes(IdentityOrbitBytes()));
    std::vector<std::int32_t> reads;
    orbits->onRead = [&](std::int32_t n) { reads.push_back(n); };
    const EphemerisData data{std::make_shared<const ElementTable>(el), orbits};
    EphemerisFor(data, 1980, 1, 1, 0, 0);
    ASSERT_EQ(reads.size(), 38u);
    std::vector<int> order;
    for (std::size_t i = 0; i < reads.size(); i += 2) {
        EXPECT_EQ(reads[i + 1], reads[i] + 1) << "a lookup reads two neighbouring records";
        order.push_back((reads[i] - 2) / kOrbitBlock + 1);
    }
    EXPECT_EQ(order, (std::vector<int>{2, 1, 3, 4, 5, 6, 7, 8, 9, 10, 1, 3, 4, 5, 6, 7, 8, 9, 10}));
    // The Earth at mean anomaly 98.3 - 102.5954 + 360 = 355.70: records 357 and 358; every planet at
    // 10.25: records 10 + 2 and 11 + 2 of its block (736 and 737 for Mercury).
    EXPECT_EQ(reads[2], 357);
    EXPECT_EQ(reads[4], 736);
    EXPECT_EQ(reads[36], 9 * kOrbitBlock + 12);
}

namespace {

// Whether `text` is a whole positions text: twelve fields of three digits 000..360 and a motion mark,
// the Sun, the Moon and Lilith direct and the node retrograde.
::testing::AssertionResult IsPositionsText(const cp::Text& text) {
    if (text.size() != 48) return ::testing::AssertionFailure() << "length " << text.size();
    for (std::size_t k = 1; k <= 12; ++k) {
        const std::string digits = cp::ToUtf8(text.substr(4 * k - 4, 3));
        const bool allDigits =
            std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
        if (!allDigits || std::stoi(digits) > 360)
            return ::testing::AssertionFailure() << "field " << k << " " << digits;
        const char32_t mark = text[4 * k - 1];
        if (mark != kDirectMark && mark != kRetrogradeMark)
            return ::testing::AssertionFailure() << "mark " << k;
    }
    for (std::size_t never : {3, 7, 43})  // the Sun, the Moon and Lilith never go back
        if (text[never] != kDirectMark) return ::testing::AssertionFailure() << "mark at " << never;
    if (text[47] != kRetrogradeMark) return ::testing::AssertionFailure() << "node mark";
    return ::testing::AssertionSuccess();
}

int DaysInMonth(int year, int month) {
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

}  // namespace

// Every day of eight centuries with the shipped tables, at a clock time that changes from day to day.
TEST(PositionsText, EveryDayFrom1600To2400HasValidFields) {
    EphemerisFiles files(SourceData(""));
    const EphemerisData data = files.Load();
    int days = 0;
    for (int y = 1600; y <= 2400; ++y)
        for (int m = 1; m <= 12; ++m)
            for (int d = 1; d <= DaysInMonth(y, m); ++d, ++days) {
                const auto hour = static_cast<std::int16_t>(days % 24);
                const EphemerisResult r =
                    EphemerisFor(data, static_cast<std::int16_t>(y), static_cast<std::int16_t>(m),
                                 static_cast<std::int16_t>(d), hour, 30);
                ASSERT_TRUE(IsPositionsText(r.positions)) << y << "-" << m << "-" << d;
                ASSERT_EQ(r.ascendantBuffer.size(), 3u) << y << "-" << m << "-" << d;
            }
    EXPECT_EQ(days, 292560);
}

TEST(PositionsText, RoundedPlacesKeep360AndLeadingZeros) {
    ElementTable el = StillElements();
    // The Sun: 98.3 + t·n + 180; with n = 81.4 and t = D = 1 it stands at 359.7 and is written 360.
    el.Set(kDailyMotion, 1, 81.4);
    // Mercury and Venus far out at 7.2 and 359.8 degrees: seen from the Earth about the same.
    el.Set(kEpochLongitude, 3, 7.2);
    el.Set(kPerihelion, 3, 0);
    el.Set(kEpochLongitude, 4, 359.8);
    el.Set(kPerihelion, 4, 0);
    const cp::Text text = PositionsFor(el, 1980, 1, 1);
    EXPECT_EQ(text.substr(0, 4), U"360¡");
    EXPECT_EQ(text.substr(8, 3), U"007");
    EXPECT_EQ(text.substr(12, 3), U"360");
    // The Earth's heliocentric longitude stands at 98.3 (ν = M): the Ascendant is 98.3 + 90 + 15·h.
    const EphemerisData data = DataOf(StillElements(), IdentityOrbitBytes());
    EXPECT_EQ(EphemerisFor(data, 1980, 1, 1, 0, 0).ascendantBuffer, U"188");
    EXPECT_EQ(EphemerisFor(data, 1980, 1, 1, 18, 0).ascendantBuffer, U"098");
}

TEST(MotionMarks, ComparedTheShortWayRound) {
    struct Case {
        int before, now;
        char32_t mark;
    } cases[] = {{100, 100, kDirectMark},   {100, 101, kDirectMark},     {101, 100, kRetrogradeMark},
                 {359, 0, kDirectMark},     {0, 359, kRetrogradeMark},   {360, 0, kDirectMark},
                 {1, 360, kRetrogradeMark}, {360, 359, kRetrogradeMark}, {10, 190, kRetrogradeMark}};
    for (const auto& c : cases)
        EXPECT_EQ(MotionMark(c.before, c.now), c.mark) << c.before << " " << c.now;
}

TEST(Overflow, ReportedNeverUndefined) {
    Program p;
    EphemerisFiles files(SourceData(""));
    const cp::Text before = p.AscendantBuffer;
    EXPECT_THROW(ComputeEphemeris(p, files, -32768, 1, 1, 0, 0), cp::OverflowFault);
    EXPECT_THROW(ComputeEphemeris(p, files, 2000, 32767, 1, 0, 0), cp::OverflowFault);
    EXPECT_EQ(p.AscendantBuffer, before);
    // The far ends of the 16-bit range still compute.
    EXPECT_EQ(ComputeEphemeris(p, files, 32767, 12, 31, 23, 59).size(), 48u);
    EXPECT_EQ(ComputeEphemeris(p, files, -32767, 3, 1, -32768, 32767).size(), 48u);
    // A daily motion so large that t·n leaves 32 bits in the modulo.
    ElementTable el = StillElements();
    el.Set(kDailyMotion, 5, 1e9);
    EXPECT_THROW(EphemerisFor(DataOf(el, IdentityOrbitBytes()), 2000, 1, 1, 0, 0), cp::OverflowFault);
}
