// The chart layer of Orvanel's concept plane: the fourteen chart vectors of one subject with their
// arrow heads, and the point glyphs beyond their tips. Every template of the vectors windows ends
// with it. Plain C++ without Qt.
#pragma once

#include "conceptplane/plane_view.h"
#include "orvanel/astro/chart_positions.h"
#include "surface/drawing_surface.h"

namespace orvanel {

// The glyph's top-left corner sits this far left of and above its label point, in picture units.
inline constexpr double kGlyphShift = 100;

// The planes of the vectors windows: Form7's picture and glyph size, and each of Form8's two.
inline constexpr int kPlanePictureTwips = 8310;
inline constexpr double kPlaneGlyphPoints = 12;
inline constexpr int kTwoPlanesPictureTwips = 4800;
inline constexpr double kTwoPlanesGlyphPoints = 9;

// A concept plane before drawing: user scale 10600 square, pale yellow on black, the point glyphs
// in Astrol of `astrolPoints`.
void SetUpPlaneSurface(surface::DrawingSurface& picture, double astrolPoints);

// Points 1..14 as lines from the picture's centre in the current fore colour, each with its arrow head.
void DrawChartVectors(surface::DrawingSurface& p, const ChartSlot& slot, const cp::PlaneView& view);
// Character k of PointGlyphs printed about label point k, in the picture's font and fore colour.
void DrawPointGlyphs(surface::DrawingSurface& p, const ChartSlot& slot, const cp::PlaneView& view);

// What the chart layer draws: the vectors when `vectors`, then the glyphs when `glyphs`.
struct ChartLayerFlags {
    bool vectors = false;
    bool glyphs = false;
};
void DrawChartLayer(surface::DrawingSurface& p, const ChartSlot& slot, const cp::PlaneView& view,
                    ChartLayerFlags flags);

}  // namespace orvanel
