// ComputeChartVectors: the fourteen concept-plane vectors of a chart (the twelve bodies, the
// Ascendant and their resultant) with their angles, lengths and glyph label points. A body's vector
// is its sign term (length 1766 towards SignFold of its longitude) plus its own term (1393 towards
// its PlanetAngles direction); the Sun and the Ascendant have the sign term alone.
#pragma once

#include "orvanel/astro/chart_positions.h"
#include "orvanel/shell/program_state.h"

namespace orvanel {

inline constexpr double kPositionRadius = 1766;
inline constexpr double kOwnRadius = 1393;
inline constexpr double kLabelOffset = 300;

// Fills longitude[1..13], the vectors, angles, lengths and labels of points 1..14 of `slot` from its
// ephemerisText and ascendant.
void ComputeChartVectors(ChartSlot& slot);
// The same for slot CurrentSubject (outside 0..12 throws cp::Fault).
void ComputeChartVectors(Program& program);

}  // namespace orvanel
