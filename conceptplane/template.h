// The circular template of the concept plane: grey base circles of levels 2 to 6 and twelve radial
// lines, then the series' result and stored vectors, then the caller's layer. The same drawing
// serves at every zoom.
#pragma once

#include "conceptplane/plane_view.h"
#include "conceptplane/vector_workspace.h"
#include "surface/drawing_surface.h"

namespace cp {

inline constexpr surface::Rgb kTemplateGrey = surface::RGB(150, 150, 150);
inline constexpr surface::Rgb kPlaneFore = surface::RGB(255, 255, 192);

// Clears p and draws the template; ends with the fore colour RGB(255, 255, 192), the result (when
// shown), the vector list (when present) and then `layer` (Orvanel's chart layer), if any.
void DrawTemplate(surface::DrawingSurface& p, const PlaneView& view, const VectorWorkspace& workspace,
                  const TemplateLayer& layer = {});
// The same on a target: its picture, zoom and layer.
void DrawTemplate(PlaneTarget& target, const VectorWorkspace& workspace);

}  // namespace cp
