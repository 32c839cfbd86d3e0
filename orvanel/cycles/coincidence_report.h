// The coincidence report (the cycles window's "Coincidencias"): the angles of the central date, from
// the Sun to Uranus against the natal Ascendant and between every pair of them, that repeat the
// natal angle of subject 1 directly or turned by 180, 90 or 270 degrees, one line per coincidence.
#pragma once

#include <vector>

#include "conceptplane/text.h"
#include "orvanel/astro/ephemeris_files.h"
#include "orvanel/shell/program_state.h"

namespace orvanel {

inline constexpr char32_t kCoincidenceTitle[] = U"Aspectos coincidentes con los natales";

// The lines of the report in order, each ending with carriage return and line feed, so that the
// window can grow its text one line at a time and the whole report is their concatenation.
// EphemerisBuffer and AscendantBuffer take the central date's values; on a fault (bad date, missing
// data) nothing of `program` changes.
std::vector<cp::Text> CoincidenceLines(Program& program, EphemerisFiles& files);

// The lines joined.
cp::Text JoinLines(const std::vector<cp::Text>& lines);

}  // namespace orvanel
