// Replays a display list into files and images, at any size.
#include <QPdfWriter>
#include <QSvgGenerator>

#include "surface/paint_list.h"

namespace surface {

namespace {
constexpr int kScreenDpi = 96;

bool PaintOnto(const PaintFunction& paint, QPaintDevice& device, QSize size) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    paint(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return painter.end();
}

PaintFunction Replay(const DrawingSurface& surface) {
    return [&surface](QPainter& painter, const QRectF& target) { PaintList(surface, painter, target); };
}
}  // namespace

QImage RenderImage(const PaintFunction& paint, QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) return image;
    image.setDotsPerMeterX(static_cast<int>(kScreenDpi / 0.0254));
    image.setDotsPerMeterY(static_cast<int>(kScreenDpi / 0.0254));
    PaintOnto(paint, image, size);
    return image;
}

bool SaveSvg(const PaintFunction& paint, const QString& path, QSize size) {
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setResolution(kScreenDpi);
    return PaintOnto(paint, svg, size);
}

bool SavePdf(const PaintFunction& paint, const QString& path, QSize size) {
    QPdfWriter pdf(path);
    pdf.setResolution(kScreenDpi);
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setPageSize(QPageSize(QSizeF(size) * 72.0 / kScreenDpi, QPageSize::Point));
    return PaintOnto(paint, pdf, size);
}

QImage RenderImage(const DrawingSurface& surface, QSize size) {
    return RenderImage(Replay(surface), size);
}

bool SaveSvg(const DrawingSurface& surface, const QString& path, QSize size) {
    return SaveSvg(Replay(surface), path, size);
}

bool SavePdf(const DrawingSurface& surface, const QString& path, QSize size) {
    return SavePdf(Replay(surface), path, size);
}

}  // namespace surface
