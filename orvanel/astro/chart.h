// RecomputeChart: completes the chart of slot CurrentSubject: the Ascendant (from the last ephemeris
// computation or from a value picked on the chart picture), the twelve house cusps, the chart-point
// vectors and the aspects.
#pragma once

#include <array>
#include <cstdint>

#include "orvanel/shell/program_state.h"

namespace orvanel {

// The cusps of houses 1..12 (entry 0 unused) for an Ascendant in whole degrees: the ecliptic points
// whose right ascensions follow each other by 30 degrees from the Ascendant's, the obliquity taken as
// exactly 23 degrees. Cusps are whole degrees 0..360; 360 is not folded to 0.
std::array<std::int16_t, 13> HouseCusps(std::int16_t ascendant);

// Acts on slot CurrentSubject (outside 0..12 throws cp::Fault). With AscendantOverride >= 1000 the
// slot keeps its date, title and positions and takes the new Ascendant, and the override is cleared;
// otherwise the slot takes title, date text, positions and Ascendant from the program state. Then
// houses, ComputeChartVectors and FindAspects. On a fault nothing of `program` changes.
void RecomputeChart(Program& program);

}  // namespace orvanel
