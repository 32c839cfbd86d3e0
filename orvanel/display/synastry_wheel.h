// The synastry wheel: one subject's wheel drawn small inside, the other subject's point glyphs and
// house lines around it on the same zodiac. Plain C++ without Qt.
#pragma once

#include "orvanel/astro/chart_positions.h"
#include "surface/drawing_surface.h"

namespace orvanel {

inline constexpr double kSynastryRingRadius = 1600;
// The synastry window's wheel picture: its side in twips and the size of its glyphs.
inline constexpr int kSynastryPictureTwips = 8115;
inline constexpr double kSynastryGlyphPoints = 14.25;

// The inner wheel with its aspects, the 1600 circle, the outer glyphs placed with the inner wheel's
// rotation, then the outer subject's twelve house lines from the Ascendant (red) onwards (pale
// yellow). Leaves the wheel rotation on the outer Ascendant's screen angle.
void DrawSynastryWheel(surface::DrawingSurface& surface, const ChartSlot& inner, const ChartSlot& outer);

}  // namespace orvanel
