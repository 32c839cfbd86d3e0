#include "surface/export_picture.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <cmath>

#include "surface/fonts.h"
#include "surface/paint_list.h"

namespace surface {

namespace {

constexpr double kCaptionHeight = 28;  // design pixels
constexpr double kCaptionPoints = 11;
constexpr double kFallbackSide = 400;  // a picture whose design size was never set

QSizeF PartSize(const DrawingSurface& part) {
    const double w = part.DesignPixelWidth() > 0 ? part.DesignPixelWidth() : kFallbackSide;
    const double h = part.DesignPixelHeight() > 0 ? part.DesignPixelHeight() : kFallbackSide;
    return QSizeF(w, h);
}

double CaptionHeight(const ExportPicture& picture) {
    return picture.caption.trimmed().isEmpty() ? 0 : kCaptionHeight;
}

// The caption on the first picture's back colour, in white or black, whichever stands out.
void PaintCaption(const ExportPicture& picture, QPainter& painter, const QRectF& band, double scale) {
    const Rgb back = picture.parts.empty() ? kBlack : picture.parts.front()->BackColour();
    const bool dark = back.r * 299 + back.g * 587 + back.b * 114 < 128000;
    painter.fillRect(band, QColor(back.r, back.g, back.b));
    QFont font = DesignFont(QStringLiteral("MS Sans Serif"), kCaptionPoints, true, false);
    font.setPointSizeF(kCaptionPoints * 96.0 / painter.device()->logicalDpiY() * scale);
    painter.setFont(font);
    painter.setPen(dark ? Qt::white : Qt::black);
    painter.drawText(band, Qt::AlignCenter, picture.caption.trimmed());
}

QSize PixelSize(const ExportPicture& picture, double scale) {
    const QSizeF size = DesignSize(picture) * scale;
    return QSize(static_cast<int>(std::ceil(size.width())), static_cast<int>(std::ceil(size.height())));
}

PaintFunction Painter(const ExportPicture& picture) {
    return [&picture](QPainter& painter, const QRectF& target) { PaintExport(picture, painter, target); };
}

}  // namespace

QSizeF DesignSize(const ExportPicture& picture) {
    double width = 0, height = 0;
    for (const DrawingSurface* part : picture.parts) {
        const QSizeF size = PartSize(*part);
        width += size.width();
        height = std::max(height, size.height());
    }
    return QSizeF(width, height + CaptionHeight(picture));
}

void PaintExport(const ExportPicture& picture, QPainter& painter, const QRectF& target) {
    const QSizeF design = DesignSize(picture);
    if (design.width() <= 0) return;
    const double scale = target.width() / design.width();
    const double captionHeight = CaptionHeight(picture) * scale;
    if (captionHeight > 0)
        PaintCaption(picture, painter, QRectF(target.topLeft(), QSizeF(target.width(), captionHeight)),
                     scale);
    double left = target.left();
    for (const DrawingSurface* part : picture.parts) {
        const QSizeF size = PartSize(*part) * scale;
        PaintList(*part, painter, QRectF(QPointF(left, target.top() + captionHeight), size));
        left += size.width();
    }
}

ExportFormat FormatOf(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("svg")) return ExportFormat::Svg;
    if (suffix == QLatin1String("pdf")) return ExportFormat::Pdf;
    return ExportFormat::Png;
}

bool SaveExport(const ExportPicture& picture, const QString& path, ExportFormat format) {
    switch (format) {
        case ExportFormat::Svg:
            return SaveSvg(Painter(picture), path, PixelSize(picture, 1));
        case ExportFormat::Pdf:
            return SavePdf(Painter(picture), path, PixelSize(picture, 1));
        case ExportFormat::Png:
            break;
    }
    const QImage image = RenderImage(Painter(picture), PixelSize(picture, kPngScale));
    return !image.isNull() && image.save(path, "PNG");
}

bool PrintExport(const ExportPicture& picture, QPrinter& printer) {
    const QSizeF design = DesignSize(picture);
    if (design.isEmpty()) return false;
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    const double scale = std::min(page.width() / design.width(), page.height() / design.height());
    // pageRect is in device pixels from the paper's corner; the painter starts at the printable area.
    PaintExport(picture, painter, QRectF(QPointF(0, 0), design * scale));
    return painter.end();
}

}  // namespace surface
