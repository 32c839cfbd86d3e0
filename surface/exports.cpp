// Replays a display list into files and images, at any size.
#include <QPdfWriter>
#include <QSvgGenerator>

#include "surface/paint_list.h"

namespace surface {

namespace {
constexpr int kScreenDpi = 96;

bool PaintOnto(const DrawingSurface& surface, QPaintDevice& device, QSize size) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    PaintList(surface, painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return painter.end();
}
}  // namespace

QImage RenderImage(const DrawingSurface& surface, QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) return image;
    image.setDotsPerMeterX(static_cast<int>(kScreenDpi / 0.0254));
    image.setDotsPerMeterY(static_cast<int>(kScreenDpi / 0.0254));
    PaintOnto(surface, image, size);
    return image;
}

bool SaveSvg(const DrawingSurface& surface, const QString& path, QSize size) {
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setResolution(kScreenDpi);
    return PaintOnto(surface, svg, size);
}

bool SavePdf(const DrawingSurface& surface, const QString& path, QSize size) {
    QPdfWriter pdf(path);
    pdf.setResolution(kScreenDpi);
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setPageSize(QPageSize(QSizeF(size) * 72.0 / kScreenDpi, QPageSize::Point));
    return PaintOnto(surface, pdf, size);
}

}  // namespace surface
