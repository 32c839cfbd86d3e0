// Readers of a picture's display list shared by the test executables: the primitives of one kind, the
// lines of one colour, the texts printed.
#pragma once

#include <string>
#include <vector>

#include "surface/drawing_surface.h"

namespace display_list {

std::vector<surface::Primitive> OfKind(const surface::DrawingSurface& s, surface::PrimitiveKind kind);
int CountOf(const surface::DrawingSurface& s, surface::PrimitiveKind kind);
std::vector<surface::Primitive> LinesIn(const surface::DrawingSurface& s, surface::Rgb colour);
std::vector<std::u32string> TextsIn(const surface::DrawingSurface& s);

}  // namespace display_list
