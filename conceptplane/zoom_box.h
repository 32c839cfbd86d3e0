// The zoom box: a 6000 x 6000 picture magnifying the neighbourhood of the point under the mouse,
// with a red crosshair, the plane's radial lines and every concept of the file inside it; and the
// four readouts of the point (x, y, angle, radius).
#pragma once

#include <cstdint>
#include <functional>

#include "conceptplane/concept_table.h"
#include "conceptplane/plane_arithmetic.h"
#include "conceptplane/vector_workspace.h"
#include "surface/drawing_surface.h"

namespace cp {

inline constexpr double kZoomBoxSize = 6000;  // user scale of the zoom box, both axes

// A concept drawn in the zoom box: its record number and the centre of its circle.
struct ZoomBoxConcept {
    std::int32_t record;
    double zx, zy;
};

// Gives `point` its radius and angle from x and y, then redraws the zoom box z around it.
void ShowZoomBox(surface::DrawingSurface& z, CurrentPoint& point, const ConceptTable& concepts,
                 Arithmetic arithmetic);
// The concepts inside the zoom box of `point` (radius already set), in file order.
void ForEachZoomBoxConcept(const CurrentPoint& point, const ConceptTable& concepts, Arithmetic arithmetic,
                           const std::function<void(const ZoomBoxConcept&)>& visit);

// The readout texts after " X = ", " Y = ", " Grados = ", " Radio = ". rorev: "0" below one displayed
// unit, else "######"; Orvanel: the value rounded halves to even, in plain decimal.
struct ZoomReadouts {
    Text x, y, angle, radius;
};
ZoomReadouts MakeReadouts(const CurrentPoint& point, Arithmetic arithmetic);

}  // namespace cp
