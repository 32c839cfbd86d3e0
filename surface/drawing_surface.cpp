#include "drawing_surface.h"

#include <algorithm>
#include <utility>

namespace surface {

namespace {
// Line height of a font as a multiple of its size, close to what the substitute faces report.
constexpr double kLineSpacing = 1.2;
constexpr double kPixelsPerPoint = 96.0 / 72.0;

void Mix(std::size_t& seed, std::size_t value) {
    seed ^= value + 0x9e3779b97f4a7c15ULL + (seed << 6) + (seed >> 2);
}

// Adding 0.0 makes -0.0 hash as 0.0, which it equals.
void MixNumber(std::size_t& seed, double value) {
    Mix(seed, std::hash<double>{}(value + 0.0));
}

void MixColour(std::size_t& seed, Rgb c) {
    Mix(seed, (std::size_t{c.r} << 16) | (std::size_t{c.g} << 8) | std::size_t{c.b});
}

std::size_t HashOf(const Primitive& p) {
    std::size_t seed = static_cast<std::size_t>(p.kind);
    for (double v : {p.a.x, p.a.y, p.b.x, p.b.y, p.radius, p.font.points})
        MixNumber(seed, v);
    MixColour(seed, p.colour);
    MixColour(seed, p.fillColour);
    for (int v : {p.width, p.style, p.fillStyle, p.font.bold ? 1 : 0, p.font.italic ? 1 : 0})
        Mix(seed, static_cast<std::size_t>(v));
    Mix(seed, std::hash<std::u32string>{}(p.text));
    Mix(seed, std::hash<std::string>{}(p.font.family));
    return seed;
}
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
    hashes_.clear();
    positions_.clear();
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
    const std::size_t hash = HashOf(p);
    TakeOutEqual(p, hash);
    list_.push_back(std::move(p));
    hashes_.push_back(hash);
    positions_.emplace(hash, list_.size() - 1);
    Changed();
}

void DrawingSurface::TakeOutEqual(const Primitive& p, std::size_t hash) {
    const auto [first, last] = positions_.equal_range(hash);
    const auto same = std::find_if(first, last, [&](const auto& entry) { return list_[entry.second] == p; });
    if (same == last) return;
    const std::size_t index = same->second;
    positions_.erase(same);
    // Only the primitives after it move down a place; each is found under its own hash, so that taking
    // out one drawn lately costs little whatever the length of the list.
    for (std::size_t i = index + 1; i < list_.size(); ++i) {
        const auto [from, to] = positions_.equal_range(hashes_[i]);
        std::find_if(from, to, [i](const auto& entry) { return entry.second == i; })->second = i - 1;
    }
    list_.erase(list_.begin() + static_cast<std::ptrdiff_t>(index));
    hashes_.erase(hashes_.begin() + static_cast<std::ptrdiff_t>(index));
}

void DrawingSurface::Changed() {
    ++revision_;
    if (onChange_) onChange_();
}

}  // namespace surface
