// The drawing target of every picture: a picture box with a user scale (y down), a current
// position, fore and fill colours, draw width and style, and a font. Drawing records primitives in
// user coordinates into a display list; the picture widget paints that list at any size, exports
// replay it, and tests read it. Plain C++ without Qt.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace surface {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};
constexpr Rgb RGB(int r, int g, int b) {
    return Rgb{static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g), static_cast<std::uint8_t>(b)};
}
inline constexpr Rgb kBlack = RGB(0, 0, 0);
inline constexpr Rgb kWhite = RGB(255, 255, 255);

struct Point {
    double x = 0, y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// A design font: its family as the window designs name it ("Astrol", "MS Sans Serif", "Courier"...);
// the painter maps it to an installed face.
struct Font {
    std::string family = "MS Sans Serif";
    double points = 8.25;
    bool bold = false;
    bool italic = false;
    friend bool operator==(const Font&, const Font&) = default;
};

inline constexpr int kSolid = 0;   // draw style: solid lines
inline constexpr int kDotted = 2;  // draw style: dotted lines
inline constexpr int kFillSolid = 0;
inline constexpr int kFillTransparent = 1;

struct UserScale {
    double left = 0, top = 0, width = 1, height = 1;
    friend bool operator==(const UserScale&, const UserScale&) = default;
};

enum class PrimitiveKind { Line, Circle, Text };

struct Primitive {
    PrimitiveKind kind = PrimitiveKind::Line;
    Point a;             // line start, circle centre, top-left corner of a text
    Point b;             // line end
    double radius = 0;   // circle radius, in x units of the user scale
    Rgb colour;          // line or outline colour, text colour
    int width = 1;       // pen width in pixels
    int style = kSolid;  // kSolid or kDotted
    int fillStyle = kFillTransparent;
    Rgb fillColour;
    std::u32string text;
    Font font;
    friend bool operator==(const Primitive&, const Primitive&) = default;
};

class DrawingSurface {
  public:
    explicit DrawingSurface(Rgb back = kBlack, Rgb fore = kWhite);

    // User scale: (left, top) is the top-left corner, x grows right, y grows down.
    void SetScale(double left, double top, double width, double height);
    const UserScale& Scale() const { return scale_; }
    // The size of the picture on the screen at design size, in logical pixels; used to turn a font's
    // points into user units (the line advance after a text) and by exports to size fonts.
    void SetDesignPixels(double width, double height);
    double DesignPixelWidth() const { return designWidth_; }
    double DesignPixelHeight() const { return designHeight_; }

    // Empties the picture; current position back to the scale's top-left corner; colours, styles
    // and font are kept.
    void Clear();

    void Circle(Point centre, double radius);
    void Circle(Point centre, double radius, Rgb colour);

    // Line with three independent options: start at `from` (else the current position), end at `to`
    // or at start + `to` when `relative`, in `colour` (else the fore colour; an explicit colour does
    // not change the fore colour). The current position moves to the end point.
    void Line(std::optional<Point> from, Point to, bool relative, std::optional<Rgb> colour = std::nullopt);
    void LineAbs(Point from, Point to) { Line(from, to, false); }
    void LineStep(Point from, Point step) { Line(from, step, true); }

    void SetCurrent(Point p) { current_ = p; }
    Point Current() const { return current_; }
    // Prints a text with its top-left corner at the current position, in the font and fore colour,
    // on a transparent background; then the current position moves to the start of the next line.
    void Print(std::u32string text);

    void SetForeColour(Rgb c) { fore_ = c; }
    Rgb ForeColour() const { return fore_; }
    void SetBackColour(Rgb c);
    Rgb BackColour() const { return back_; }
    void SetDrawWidth(int w) { width_ = w < 1 ? 1 : w; }
    int DrawWidth() const { return width_; }
    void SetDrawStyle(int s) { style_ = s; }
    int DrawStyle() const { return style_; }
    void SetFillStyle(int s) { fillStyle_ = s; }
    int FillStyle() const { return fillStyle_; }
    void SetFillColour(Rgb c) { fillColour_ = c; }
    Rgb FillColour() const { return fillColour_; }
    void SetFont(const Font& f) { font_ = f; }
    const Font& GetFont() const { return font_; }

    // Every colour of the picture, drawn and current (back, fore, fill), passed through `map`: the same
    // picture in other colours, for paper rather than a screen.
    void MapColours(const std::function<Rgb(Rgb)>& map);

    const std::vector<Primitive>& List() const { return list_; }
    // Grows by one on every change, so that a widget can tell when to repaint.
    std::uint64_t Revision() const { return revision_; }
    // Called after every change (the picture widget schedules a repaint).
    void SetOnChange(std::function<void()> onChange) { onChange_ = std::move(onChange); }

  private:
    void Add(Primitive p);
    // Takes out of the list a primitive equal to `p` (of hash `hash`), if there is one.
    void TakeOutEqual(const Primitive& p, std::size_t hash);
    void Changed();

    UserScale scale_;
    double designWidth_ = 0, designHeight_ = 0;
    Rgb back_, fore_;
    int width_ = 1;
    int style_ = kSolid;
    int fillStyle_ = kFillTransparent;
    Rgb fillColour_ = kBlack;
    Font font_;
    Point current_;
    std::vector<Primitive> list_;
    std::vector<std::size_t> hashes_;                              // of each primitive of list_
    std::unordered_multimap<std::size_t, std::size_t> positions_;  // hash of a primitive -> its index
    std::uint64_t revision_ = 0;
    std::function<void()> onChange_;
};

}  // namespace surface
