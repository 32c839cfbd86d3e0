// A program with subject 1 entered at 0 h of a date, and the ephemeris of the source tree's data.
#pragma once

#include <cstdint>
#include <string>

#include "conceptplane/text.h"
#include "orvanel/astro/ephemeris.h"
#include "orvanel/astro/ephemeris_files.h"
#include "orvanel/shell/program_state.h"

namespace cycles_test {

inline std::string SourceData() {
    return std::string(ORVANEL_SOURCE_DIR) + "/data";
}

// EntryDate of a date typed with four, two and two digits.
cp::Text EntryDateOf(int year, int month, int day);

// Subject 1 entered for the date at 0:00 (its chart computed), with the central date the same.
orvanel::Program NatalAtMidnight(orvanel::EphemerisFiles& files, int year, int month, int day);

// The whole degrees of point p in a positions text.
int DegreesOf(const cp::Text& positions, int p);

}  // namespace cycles_test
