#include "display_list_reading.h"

namespace display_list {

std::vector<surface::Primitive> OfKind(const surface::DrawingSurface& s, surface::PrimitiveKind kind) {
    std::vector<surface::Primitive> found;
    for (const surface::Primitive& p : s.List())
        if (p.kind == kind) found.push_back(p);
    return found;
}

int CountOf(const surface::DrawingSurface& s, surface::PrimitiveKind kind) {
    return static_cast<int>(OfKind(s, kind).size());
}

std::vector<surface::Primitive> LinesIn(const surface::DrawingSurface& s, surface::Rgb colour) {
    std::vector<surface::Primitive> lines;
    for (const surface::Primitive& p : OfKind(s, surface::PrimitiveKind::Line))
        if (p.colour == colour) lines.push_back(p);
    return lines;
}

std::vector<std::u32string> TextsIn(const surface::DrawingSurface& s) {
    std::vector<std::u32string> texts;
    for (const surface::Primitive& p : OfKind(s, surface::PrimitiveKind::Text))
        texts.push_back(p.text);
    return texts;
}

}  // namespace display_list
