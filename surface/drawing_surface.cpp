#include "drawing_surface.h"

#include <utility>

namespace surface {

namespace {
// Line height of a font as a multiple of its size, close to what the substitute faces report.
constexpr double kLineSpacing = 1.2;
constexpr double kPixelsPerPoint = 96.0 / 72.0;
}  // namespace

DrawingSurface::DrawingSurface(Rgb back, Rgb fore) : back_(back), fore_(fore) {}

void DrawingSurface::SetScale(double left, double top, double width, double height) {
    scale_ = UserScale{left, top, width, height};
    Changed();
}

void DrawingSurface::SetDesignPixels(double width, double height) {
    designWidth_ = width;
    designHeight_ = height;
}

void DrawingSurface::SetBackColour(Rgb c) {
    back_ = c;
    Changed();
}

void DrawingSurface::MapColours(const std::function<Rgb(Rgb)>& map) {
    for (Primitive& p : list_) {
        p.colour = map(p.colour);
        p.fillColour = map(p.fillColour);
    }
    back_ = map(back_);
    fore_ = map(fore_);
    fillColour_ = map(fillColour_);
    Changed();
}

void DrawingSurface::Clear() {
    list_.clear();
    current_ = Point{scale_.left, scale_.top};
    Changed();
}

void DrawingSurface::Circle(Point centre, double radius) {
    Circle(centre, radius, fore_);
}

void DrawingSurface::Circle(Point centre, double radius, Rgb colour) {
    Primitive p;
    p.kind = PrimitiveKind::Circle;
    p.a = centre;
    p.radius = radius;
    p.colour = colour;
    p.fillStyle = fillStyle_;
    p.fillColour = fillColour_;
    Add(p);
    current_ = centre;
}

void DrawingSurface::Line(std::optional<Point> from, Point to, bool relative, std::optional<Rgb> colour) {
    Primitive p;
    p.kind = PrimitiveKind::Line;
    p.a = from.value_or(current_);
    p.b = relative ? Point{p.a.x + to.x, p.a.y + to.y} : to;
    p.colour = colour.value_or(fore_);
    Add(p);
    current_ = p.b;
}

void DrawingSurface::Print(std::u32string text) {
    Primitive p;
    p.kind = PrimitiveKind::Text;
    p.a = current_;
    p.colour = fore_;
    p.text = std::move(text);
    p.font = font_;
    Add(p);
    double advance = 0;
    if (designHeight_ > 0)
        advance = font_.points * kPixelsPerPoint * kLineSpacing * scale_.height / designHeight_;
    current_ = Point{scale_.left, current_.y + advance};
}

void DrawingSurface::Add(Primitive p) {
    p.width = width_;
    p.style = style_;
    list_.push_back(std::move(p));
    Changed();
}

void DrawingSurface::Changed() {
    ++revision_;
    if (onChange_) onChange_();
}

}  // namespace surface
