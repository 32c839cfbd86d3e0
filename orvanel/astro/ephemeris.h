// ComputeEphemeris: the positions of the twelve moving chart points for a date and clock time, from
// mean orbital elements and a table of true anomalies, as the 48-character positions text (twelve
// fields of three digits and a motion mark, "¡" direct, "!" retrograde), with a simple Ascendant.
#pragma once

#include <cstdint>

#include "conceptplane/text.h"
#include "orvanel/astro/ephemeris_files.h"
#include "orvanel/shell/program_state.h"

namespace orvanel {

inline constexpr char32_t kDirectMark = U'¡';
inline constexpr char32_t kRetrogradeMark = U'!';

struct EphemerisResult {
    cp::Text positions;        // 48 characters
    cp::Text ascendantBuffer;  // the Ascendant, three digits
};

// Julian day at 0 h of a Gregorian date. January and February count as months 13 and 14 of the year
// before, but the century terms are taken from the year as entered. A year or month whose shifted
// value leaves 16 bits throws cp::OverflowFault.
double JulianDayAtMidnight(std::int16_t year, std::int16_t month, std::int16_t day);
// Days from the epoch 1980 January 0.0 to 0 h of the date.
double DaysSinceEpoch(std::int16_t year, std::int16_t month, std::int16_t day);

// The computation itself, on tables already loaded; changes nothing. Throws cp::OverflowFault for a
// value that leaves its store, cp::DataFault for a record missing from the orbit table.
EphemerisResult EphemerisFor(const EphemerisData& data, std::int16_t year, std::int16_t month,
                             std::int16_t day, std::int16_t hour, std::int16_t minute);

// The positions text of the moment; AscendantBuffer of `program` receives the Ascendant. On a fault
// (missing or short data file, overflow) nothing of `program` changes.
cp::Text ComputeEphemeris(Program& program, EphemerisFiles& files, std::int16_t year, std::int16_t month,
                          std::int16_t day, std::int16_t hour, std::int16_t minute);

// The motion mark of a planet from its whole-degree longitudes of the day before and of the day: a
// step backwards across 0 degrees counts as retrograde, a step forwards across it as direct.
char32_t MotionMark(std::int32_t before, std::int32_t now);

}  // namespace orvanel
