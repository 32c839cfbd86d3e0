// ComputeEphemeris: the date rule, the orbit lookups, the positions against the reference sky and over
// eight centuries, the marks, overflow.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <sstream>
#include <string>

#include "astro_fixtures.h"
#include "conceptplane/faults.h"
#include "orvanel/astro/ephemeris.h"
#include "orvanel/cycles/cycle_plot.h"

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
    const struct {
        std::int16_t orbit;
        double anomaly;
        std::int32_t record;
    } cases[] = {{3, 10.25, 736}, {1, 0, 2}, {10, 359.5, 3619} /* the file's last two records */};
    for (const auto& c : cases) {
        reads.clear();
        EXPECT_DOUBLE_EQ(OrbitLookup(table, c.orbit, c.anomaly), c.anomaly) << c.orbit;
        EXPECT_EQ(reads, (std::vector<std::int32_t>{c.record, c.record + 1})) << c.orbit;
    }
    EXPECT_THROW(OrbitLookup(table, 11, 0), cp::DataFault);  // beyond the file
}

namespace {

// Each point's largest error may exceed the largest measured over 1600-2400 by 0.5 degree, and its
// mean error the larger mean measured over 1900-2100 and 1600-2400 by 0.15 (data/README.md).
struct Tolerance {
    const char* point;
    double max, mean;
};
constexpr Tolerance kTolerances[12] = {
    {"Sun", 1.78, 0.69},     {"Moon", 3.79, 1.08},    {"Mercury", 1.79, 0.69}, {"Venus", 2.34, 0.68},
    {"Mars", 2.99, 0.51},    {"Jupiter", 2.08, 0.48}, {"Saturn", 3.19, 0.74},  {"Uranus", 1.31, 0.42},
    {"Neptune", 1.16, 0.40}, {"Pluto", 1.34, 0.42},   {"Lilith", 7.05, 3.02},  {"Node", 1.05, 0.40},
};

}  // namespace

// Whole-degree positions from the shipped tables against the reference sky written by
// tools/accuracy/measure.mjs --table: apparent geocentric longitudes, the mean apogee and node, at
// moments outside January and February of century years.
TEST(Positions, AgreeWithTheReferenceSky) {
    std::istringstream rows(
        ReadBytes(std::string(ORVANEL_SOURCE_DIR) + "/tests/astro/reference_positions.tsv"));
    const EphemerisData data = EphemerisFiles(ShippedData()).Load();
    std::array<double, 12> worst{}, sum{};
    int moments = 0;
    for (std::string line; std::getline(rows, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream row(line);
        std::array<std::int16_t, 5> at{};
        for (std::int16_t& field : at)
            row >> field;
        const cp::Text text = EphemerisFor(data, at[0], at[1], at[2], at[3], at[4]).positions;
        for (std::size_t k = 0; k < 12; ++k) {
            double reference = 0;
            row >> reference;
            const int degrees = TransitDegrees(text, static_cast<std::int16_t>(k + 1));
            const double error = std::abs(std::remainder(degrees - reference, 360.0));
            worst[k] = std::max(worst[k], error);
            sum[k] += error;
        }
        ++moments;
    }
    ASSERT_GE(moments, 50);
    for (std::size_t k = 0; k < 12; ++k) {
        const Tolerance& t = kTolerances[k];
        std::printf("%-10s worst %.2f, mean %.2f degrees\n", t.point, worst[k], sum[k] / moments);
        EXPECT_LE(worst[k], t.max) << t.point;
        EXPECT_LE(sum[k] / moments, t.mean) << t.point;
    }
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

// The whole degrees between a planet and the Sun, the short way round.
int Elongation(const cp::Text& text, std::int16_t planet) {
    const int apart = std::abs(TransitDegrees(text, planet) - TransitDegrees(text, 1)) % 360;
    return std::min(apart, 360 - apart);
}

}  // namespace

// Every day of eight centuries with the shipped tables, at a clock time that changes from day to
// day. Mercury and Venus never stand further from the Sun than they can (27.8 and 47.8 degrees; the
// shipped tables reach 28 and 48 in whole degrees, and a degree more is allowed).
TEST(PositionsText, EveryDayFrom1600To2400HasValidFields) {
    const EphemerisData data = EphemerisFiles(ShippedData()).Load();
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
                ASSERT_LE(Elongation(r.positions, 3), 29) << y << "-" << m << "-" << d;
                ASSERT_LE(Elongation(r.positions, 4), 49) << y << "-" << m << "-" << d;
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
    const cp::Text text = EphemerisFor(DataOf(el), 1980, 1, 1, 0, 0).positions;
    EXPECT_EQ(text.substr(0, 4), U"360¡");
    EXPECT_EQ(text.substr(8, 3), U"007");
    EXPECT_EQ(text.substr(12, 3), U"360");
    // The Earth's heliocentric longitude stands at 98.3 (ν = M): the Ascendant is 98.3 + 90 + 15·h.
    const EphemerisData data = DataOf(StillElements());
    EXPECT_EQ(EphemerisFor(data, 1980, 1, 1, 0, 0).ascendantBuffer, U"188");
    EXPECT_EQ(EphemerisFor(data, 1980, 1, 1, 18, 0).ascendantBuffer, U"098");
    // Lilith carries the precession twice: on 1 June 2400 the sky's mean apogee of 355.8 is written
    // 002, the 5.9 degrees of precession since 1980 beyond it.
    EXPECT_EQ(EphemerisFor(data, 2400, 6, 1, 0, 0).positions.substr(40, 3), U"002");
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
    EphemerisFiles files(ShippedData());
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
    EXPECT_THROW(EphemerisFor(DataOf(el), 2000, 1, 1, 0, 0), cp::OverflowFault);
}
