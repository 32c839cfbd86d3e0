#include "surface/paint_list.h"

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "surface/laid_out_texts.h"

namespace surface {

namespace {

constexpr double kPixelsPerPoint = 96.0 / 72.0;

QColor ToQColor(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

QString ToQString(const std::u32string& text) {
    return QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size()));
}

// The draw styles of a picture box, by number; dashes exist only at width 1. `scale` turns the
// width in design pixels into target pixels.
QPen PenFor(const Primitive& p, double scale) {
    static constexpr Qt::PenStyle kStyles[] = {Qt::SolidLine,   Qt::DashLine,       Qt::DotLine,
                                               Qt::DashDotLine, Qt::DashDotDotLine, Qt::NoPen,
                                               Qt::SolidLine};
    Qt::PenStyle style = Qt::SolidLine;
    if (p.style >= 0 && p.style < static_cast<int>(std::size(kStyles))) style = kStyles[p.style];
    if (p.width > 1 && style != Qt::NoPen) style = Qt::SolidLine;
    QPen pen(ToQColor(p.colour), p.width * scale, style);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

// The fill styles of a picture box: 0 solid, 1 transparent, 2..7 hatches.
QBrush BrushFor(const Primitive& p) {
    static constexpr Qt::BrushStyle kFills[] = {Qt::SolidPattern, Qt::NoBrush,         Qt::HorPattern,
                                                Qt::VerPattern,   Qt::BDiagPattern,    Qt::FDiagPattern,
                                                Qt::CrossPattern, Qt::DiagCrossPattern};
    if (p.fillStyle < 0 || p.fillStyle >= static_cast<int>(std::size(kFills))) return Qt::NoBrush;
    return QBrush(ToQColor(p.fillColour), kFills[p.fillStyle]);
}

// Maps user coordinates onto the target rectangle.
class Mapping {
  public:
    Mapping(const DrawingSurface& s, const QRectF& target)
        : scale_(s.Scale()),
          target_(target),
          sx_(target.width() / scale_.width),
          sy_(target.height() / scale_.height) {
        if (s.DesignPixelWidth() > 0) textScale_ = target.width() / s.DesignPixelWidth();
        if (s.DesignPixelHeight() > 0)
            textScale_ = std::min(textScale_, target.height() / s.DesignPixelHeight());
    }
    QPointF operator()(Point p) const {
        return QPointF(target_.left() + (p.x - scale_.left) * sx_, target_.top() + (p.y - scale_.top) * sy_);
    }
    double Length(double xUnits) const { return std::fabs(xUnits * sx_); }
    // The rectangle painted, which is also the painter's clip.
    const QRectF& Target() const { return target_; }
    // Design pixels to target pixels, for texts and pen widths.
    double TextScale() const { return textScale_; }
    bool Valid() const { return std::isfinite(sx_) && std::isfinite(sy_) && sx_ != 0 && sy_ != 0; }

  private:
    UserScale scale_;
    QRectF target_;
    double sx_, sy_;
    double textScale_ = 1;
};

// SVG files name a font without embedding it, and the symbol font is installed nowhere else.
bool NeedsOutlines(const Primitive& p, const QPainter& painter) {
    return painter.paintEngine() != nullptr && painter.paintEngine()->type() == QPaintEngine::SVG &&
           p.font.family == "Astrol";
}

// The text as filled outlines, laid out at a large size and scaled down so that the glyph size
// keeps its fraction of a pixel.
void PaintOutlines(const QFont& font, double pixels, QPointF baseline, const QString& text, QPainter& painter,
                   QColor colour) {
    constexpr int kLayoutPixels = 1000;
    QFont large = font;
    large.setPixelSize(kLayoutPixels);
    QPainterPath path;
    path.addText(QPointF(0, 0), large, text);
    QTransform toTarget;
    toTarget.translate(baseline.x(), baseline.y());
    toTarget.scale(pixels / kLayoutPixels, pixels / kLayoutPixels);
    painter.fillPath(toTarget.map(path), colour);
}

void PaintText(const Primitive& p, const Mapping& map, QPainter& painter) {
    const double pixels = p.font.points * kPixelsPerPoint * map.TextScale();
    const SizedFont& font = SizeFont(p.font, pixels, painter.device());
    const QPointF corner = map(p.a);
    const QPointF baseline(corner.x(), corner.y() + font.ascent);
    if (NeedsOutlines(p, painter)) {
        PaintOutlines(font.font, pixels, baseline, ToQString(p.text), painter, ToQColor(p.colour));
        return;
    }
    const QColor colour = ToQColor(p.colour);
    // The zoom box paints the same names at every mouse move: each is laid out once.
    if (DrawLaidOutText(painter, font, baseline, p.text, map.Target(), colour)) return;
    painter.setPen(colour);
    painter.setFont(font.font);
    painter.drawText(baseline, ToQString(p.text));
}

void PaintPrimitive(const Primitive& p, const Mapping& map, QPainter& painter) {
    switch (p.kind) {
        case PrimitiveKind::Line: {
            // Axis-parallel lines stay one sharp pixel wide; slanted ones are smoothed.
            painter.setRenderHint(QPainter::Antialiasing, p.a.x != p.b.x && p.a.y != p.b.y);
            painter.setPen(PenFor(p, map.TextScale()));
            painter.drawLine(map(p.a), map(p.b));
            break;
        }
        case PrimitiveKind::Circle: {
            painter.setRenderHint(QPainter::Antialiasing, true);
            painter.setPen(PenFor(p, map.TextScale()));
            painter.setBrush(BrushFor(p));
            const double r = map.Length(p.radius);
            painter.drawEllipse(map(p.a), r, r);
            break;
        }
        case PrimitiveKind::Text:
            painter.setRenderHint(QPainter::Antialiasing, true);
            PaintText(p, map, painter);
            break;
    }
}

}  // namespace

void PaintList(const DrawingSurface& surface, QPainter& painter, const QRectF& target) {
    painter.save();
    painter.setClipRect(target);
    painter.fillRect(target, ToQColor(surface.BackColour()));
    const Mapping map(surface, target);
    if (map.Valid()) {
        for (const Primitive& p : surface.List())
            PaintPrimitive(p, map, painter);
    }
    painter.restore();
}

}  // namespace surface
