// Readers of a picture's display list shared by the test executables: the primitives of one kind, the
// lines of one colour, the vectors drawn from a centre, the texts printed.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "surface/drawing_surface.h"

namespace display_list {

std::vector<surface::Primitive> OfKind(const surface::DrawingSurface& s, surface::PrimitiveKind kind);
std::vector<surface::Primitive> LinesIn(const surface::DrawingSurface& s, surface::Rgb colour);
// The lines of `colour` that start at `from`, as steps (end less start).
std::vector<surface::Point> StepsFrom(const surface::DrawingSurface& s, surface::Point from,
                                      surface::Rgb colour);
// Whether one of `steps` is `step` within `tolerance` on both axes.
bool HasStep(const std::vector<surface::Point>& steps, surface::Point step, double tolerance = 1e-3);
std::vector<std::u32string> TextsIn(const surface::DrawingSurface& s);
// What `draw` leaves on a blank copy of `s` (its scale, colours, font and design size kept): for a test
// to compare a window's picture with what the computing code draws.
std::vector<surface::Primitive> DrawnOnBlankCopy(const surface::DrawingSurface& s,
                                                 const std::function<void(surface::DrawingSurface&)>& draw);

}  // namespace display_list
