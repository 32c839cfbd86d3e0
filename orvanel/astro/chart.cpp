// The Ascendant and house cusps of a slot, then its vectors and aspects.
#include "chart.h"

#include <cmath>

#include "conceptplane/angles.h"
#include "conceptplane/numeric.h"
#include "conceptplane/whole_degrees.h"
#include "orvanel/astro/aspects.h"
#include "orvanel/shell/tables.h"
#include "orvanel/vectors/chart_vectors.h"

namespace orvanel {

namespace {

// The obliquity of the ecliptic, 23 degrees, by its sine, cosine and tangent as the method writes them.
constexpr double kSinObliquity = 0.39073113;
constexpr double kCosObliquity = 0.92050486;
constexpr double kTanObliquity = 0.42447481;
constexpr double kCuspStep = 3.141592 / 6;  // 30 degrees of right ascension, in radians
constexpr std::int16_t kOverrideBase = 1000;

float Single(double v) {
    return cp::StoreSingle(v);
}

// The slot as a new date entry leaves it: texts and Ascendant from the program state.
void TakeEntry(const Program& program, ChartSlot& slot) {
    const cp::Text& date = program.EntryDate;
    slot.title = cp::TrimBlanks(program.EntryDateText);
    slot.dateText = cp::Mid(date, 7, 2) + U" / " + cp::Mid(date, 5, 2) + U" / " + cp::Mid(date, 1, 4);
    slot.ephemerisText = program.EphemerisBuffer;
    slot.ascendant = cp::StoreInt16(cp::NumericValue(program.AscendantBuffer));
}

std::array<std::int16_t, 13> ComputeHouseCusps(std::int16_t ascendant) {
    const cp::AngleMath& trig = cp::kOrvanelAngles;
    const double sinA = trig.Sin(ascendant);
    const float n = Single(std::sqrt(1 - sinA * kSinObliquity * kSinObliquity * sinA));
    const float x = Single(trig.Cos(ascendant) / n);
    const float y = Single(sinA * kCosObliquity / n);
    // The right ascension of the Ascendant, in radians.
    float alpha = Single(trig.AngleOf(x, y) * DegToRad);
    std::array<std::int16_t, 13> cusps{};
    for (std::size_t k = 1; k <= 12; ++k) {
        // The declination of the ecliptic point at right ascension alpha, then its longitude's sine
        // and cosine, both scaled by the same factor.
        const double delta = std::atan(std::sin(alpha) * kTanObliquity);
        const float p = Single(std::sin(delta) / kSinObliquity / DegToRad);
        const float q = Single(std::cos(alpha) * std::cos(delta) / DegToRad);
        cusps[k] = cp::StoreInt16(trig.AngleOf(q, p));
        alpha = Single(alpha + kCuspStep);
    }
    return cusps;
}

}  // namespace

std::array<std::int16_t, 13> HouseCusps(std::int16_t ascendant) {
    return cp::AtWholeDegree(ascendant,
                             [](std::int32_t a) { return ComputeHouseCusps(static_cast<std::int16_t>(a)); });
}

void RecomputeChart(Program& program) {
    const std::int16_t s = program.CurrentSubject;
    ChartSlot slot = SlotAt(program, s);
    const bool overridden = program.AscendantOverride >= kOverrideBase;
    if (overridden) {
        slot.ascendant = static_cast<std::int16_t>(program.AscendantOverride - kOverrideBase);
    } else {
        TakeEntry(program, slot);
    }
    slot.houseCusp = HouseCusps(slot.ascendant);
    ComputeChartVectors(slot);
    AspectSources(program);  // checked before anything is stored: FindAspects cannot fail after it
    program.ChartPositions[static_cast<std::size_t>(s)] = std::move(slot);
    if (overridden) program.AscendantOverride = 0;
    FindAspects(program);
}

}  // namespace orvanel
