// Painting a laid-out page onto a device.
#include "orvanel/report/page_painting.h"

#include <QPaintDevice>
#include <algorithm>

#include "orvanel/report/page_style.h"
#include "surface/paint_list.h"

namespace orvanel::report {

namespace {

// Points on paper to device pixels.
class PaperMap {
  public:
    explicit PaperMap(const QRectF& paper)
        : scale_(std::min(paper.width() / style::kPaper.width(), paper.height() / style::kPaper.height())),
          origin_(paper.left() + (paper.width() - style::kPaper.width() * scale_) / 2,
                  paper.top() + (paper.height() - style::kPaper.height() * scale_) / 2) {}
    QPointF operator()(QPointF p) const { return origin_ + p * scale_; }
    QRectF operator()(const QRectF& r) const { return QRectF((*this)(r.topLeft()), r.size() * scale_); }
    double Length(double points) const { return points * scale_; }

  private:
    double scale_;
    QPointF origin_;
};

void Paint(const PlacedText& t, QPainter& painter, const PaperMap& map) {
    QFont font = t.font;
    font.setPointSizeF(map.Length(t.font.pointSizeF()) * 72.0 / painter.device()->logicalDpiY());
    painter.setFont(font);
    painter.setPen(t.colour);
    painter.drawText(map(t.baseline), t.text);
}

void Paint(const PlacedRule& r, QPainter& painter, const PaperMap& map) {
    QPen pen(r.colour, map.Length(r.width));
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    painter.drawLine(map(r.line.p1()), map(r.line.p2()));
}

void Paint(const PlacedBand& b, QPainter& painter, const PaperMap& map) {
    painter.fillRect(map(b.box), b.colour);
}

void Paint(const PlacedPicture& p, QPainter& painter, const PaperMap& map) {
    const QRectF box = map(p.box);
    surface::PaintList(*p.picture, painter, box);
    painter.setPen(QPen(style::kFrame, map.Length(0.5)));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box);
}

}  // namespace

void PaintPage(const Page& page, QPainter& painter, const QRectF& paper) {
    const PaperMap map(paper);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    for (const PlacedItem& item : page.items)
        std::visit([&](const auto& placed) { Paint(placed, painter, map); }, item);
    painter.restore();
}

}  // namespace orvanel::report
