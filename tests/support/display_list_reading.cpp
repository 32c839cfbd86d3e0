// Reading display lists back in tests.
#include "display_list_reading.h"

#include <cmath>

namespace display_list {

std::vector<surface::Primitive> OfKind(const surface::DrawingSurface& s, surface::PrimitiveKind kind) {
    std::vector<surface::Primitive> found;
    for (const surface::Primitive& p : s.List())
        if (p.kind == kind) found.push_back(p);
    return found;
}

std::vector<surface::Primitive> LinesIn(const surface::DrawingSurface& s, surface::Rgb colour) {
    std::vector<surface::Primitive> lines;
    for (const surface::Primitive& p : OfKind(s, surface::PrimitiveKind::Line))
        if (p.colour == colour) lines.push_back(p);
    return lines;
}

std::vector<surface::Point> StepsFrom(const surface::DrawingSurface& s, surface::Point from,
                                      surface::Rgb colour) {
    std::vector<surface::Point> steps;
    for (const surface::Primitive& p : LinesIn(s, colour))
        if (p.a == from) steps.push_back({p.b.x - p.a.x, p.b.y - p.a.y});
    return steps;
}

bool HasStep(const std::vector<surface::Point>& steps, surface::Point step, double tolerance) {
    for (const surface::Point& s : steps)
        if (std::fabs(s.x - step.x) <= tolerance && std::fabs(s.y - step.y) <= tolerance) return true;
    return false;
}

std::vector<std::u32string> TextsIn(const surface::DrawingSurface& s) {
    std::vector<std::u32string> texts;
    for (const surface::Primitive& p : OfKind(s, surface::PrimitiveKind::Text))
        texts.push_back(p.text);
    return texts;
}

std::vector<surface::Primitive> DrawnOnBlankCopy(const surface::DrawingSurface& s,
                                                 const std::function<void(surface::DrawingSurface&)>& draw) {
    surface::DrawingSurface copy = s;
    copy.SetOnChange({});
    copy.Clear();
    draw(copy);
    return copy.List();
}

}  // namespace display_list
