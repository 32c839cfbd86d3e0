// The values of a cycle plot (ciclo): over 31 days centred on the central date, the angle between
// two chart points in transit (mode 1) or between the natal Ascendant of subject 1 and a point in
// transit (mode 2), the height of its dot, and whether it comes back within the orb of the natal
// angle. The cycles window draws these values; nothing here draws.
#pragma once

#include <array>
#include <cstdint>

#include "conceptplane/text.h"
#include "orvanel/astro/ephemeris_files.h"
#include "orvanel/shell/program_state.h"

namespace orvanel {

inline constexpr int kCycleDays = 31;
inline constexpr std::int16_t kMoonPoint = 2;
inline constexpr std::int16_t kAscendantPoint = 13;

enum CycleMode : std::int16_t {
    kBothTransiting = 1,  // the angle between points A and B of each day
    kNatalAscendant = 2,  // the angle between subject 1's Ascendant and point B of each day
};

// 15 degrees when the Moon takes part, else 4.
std::int16_t CycleOrb(bool moonTakesPart);

struct CycleDay {
    std::int16_t offset = 0;  // -15..15 days from the central date
    cp::Text ephemerisText;   // the positions at 0 h of that day
    std::int16_t angle = 0;   // the transit angle T, whole degrees
    float y = 0;              // 75 - 45 cos T, in the plot's scale (30 conjunction, 120 opposition)
    bool mark = false;        // |N - T| < orb: the larger dot
};

struct CyclePlot {
    std::int16_t natalAngle = 0;  // N, whole degrees, from slot 1
    std::int16_t orb = 0;
    std::array<CycleDay, kCycleDays> days{};
};

// The plot of points A and B (1..13) in `mode` around the central date in EntryDate, with slot 1 as
// the natal chart. The data files are checked once, before the first day. Afterwards EphemerisBuffer
// and AscendantBuffer hold the last day's values; on a fault (bad date, missing data, point or mode
// out of range) nothing of `program` changes.
CyclePlot ComputeCycle(Program& program, EphemerisFiles& files, std::int16_t a, std::int16_t b,
                       std::int16_t mode);

// The whole degrees of point p (1..12) in a positions text; 0 past its end, as for the Ascendant.
std::int16_t TransitDegrees(const cp::Text& ephemerisText, std::int16_t point);

}  // namespace orvanel
