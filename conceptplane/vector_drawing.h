// Drawing the vectors of a series on the main picture: the result with its arrow heads, the stored
// vector list. Vectors start at the picture's centre (5300, 5300), scaled by the zoom.
#pragma once

#include <optional>

#include "conceptplane/plane_view.h"
#include "conceptplane/vector_workspace.h"
#include "surface/drawing_surface.h"

namespace cp {

// Three strokes from the current position (the tip just drawn), in picture units whatever the zoom,
// making a nearly closed triangle pointing along `angle` (whole degrees).
void DrawArrowHead(surface::DrawingSurface& p, int angle, const AngleMath& angles);
// The green resultant and the two red tensions, at draw width 2.
void DrawResult(surface::DrawingSurface& p, const PlaneView& view, const VectorWorkspace& workspace);
// Every stored vector in the fore colour, each with its arrow head.
void DrawVectorList(surface::DrawingSurface& p, const PlaneView& view, const VectorWorkspace& workspace);
// A vector from the centre with its arrow head, in `colour` (else the fore colour).
void DrawPlaneVector(surface::DrawingSurface& p, const PlaneView& view, double x, double y, int arrowAngle,
                     std::optional<surface::Rgb> colour = std::nullopt);

}  // namespace cp
