#include "surface/export_picture.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <cmath>
#include <numeric>

#include "surface/fonts.h"
#include "surface/paint_list.h"

namespace surface {

namespace {

constexpr double kFallbackSide = 400;  // a picture whose design size was never set
constexpr int kJpegQuality = 92;       // fine lines and small texts blur at Qt's default of 75
constexpr double kBandMargin = 6;      // design pixels under the notes and the table

// The rows of the caption band: the title, the notes, the table's heading and lines.
enum class RowStyle { Title, Note, TableHeading, Table };
struct RowLook {
    const char* family;
    double points;
    bool bold;
    double height;  // design pixels
};
constexpr RowLook kLooks[] = {{"MS Sans Serif", 11, true, 28},
                              {"MS Sans Serif", 9, false, 20},
                              {"MS Sans Serif", 9, false, 16},
                              {"Courier", 9, false, 16}};

const RowLook& LookOf(RowStyle style) {
    return kLooks[static_cast<int>(style)];
}

struct BandRow {
    QString text;
    RowStyle style;
};

std::vector<BandRow> RowsOf(const ExportPicture& picture) {
    std::vector<BandRow> rows;
    const auto add = [&rows](const QStringList& lines, RowStyle first, RowStyle others) {
        for (qsizetype i = 0; i < lines.size(); ++i)
            rows.push_back({lines[i], i == 0 ? first : others});
    };
    if (!picture.caption.trimmed().isEmpty()) rows.push_back({picture.caption.trimmed(), RowStyle::Title});
    add(picture.notes, RowStyle::Note, RowStyle::Note);
    add(picture.table, RowStyle::TableHeading, RowStyle::Table);
    return rows;
}

QSizeF PartSize(const DrawingSurface& part) {
    const double w = part.DesignPixelWidth() > 0 ? part.DesignPixelWidth() : kFallbackSide;
    const double h = part.DesignPixelHeight() > 0 ? part.DesignPixelHeight() : kFallbackSide;
    return QSizeF(w, h);
}

double CaptionHeight(const ExportPicture& picture) {
    const std::vector<BandRow> rows = RowsOf(picture);
    const double height = std::accumulate(rows.begin(), rows.end(), 0.0, [](double sum, const BandRow& row) {
        return sum + LookOf(row.style).height;
    });
    const bool moreThanTitle = !picture.notes.isEmpty() || !picture.table.isEmpty();
    return height + (moreThanTitle ? kBandMargin : 0);
}

QFont BandFont(const RowLook& look, const QPainter& painter, double scale) {
    QFont font = DesignFont(QString::fromLatin1(look.family), look.points, look.bold, false);
    font.setPointSizeF(look.points * 96.0 / painter.device()->logicalDpiY() * scale);
    return font;
}

// The table's widest line, so that its lines stand as one block in the middle of the band.
double TableWidth(const ExportPicture& picture, const QPainter& painter, double scale) {
    double widest = 0;
    for (const BandRow& row : RowsOf(picture)) {
        if (row.style < RowStyle::TableHeading) continue;
        const QFontMetricsF metrics(BandFont(LookOf(row.style), painter, scale), painter.device());
        widest = std::max(widest, metrics.horizontalAdvance(row.text));
    }
    return widest;
}

// The band on the first picture's back colour, its texts in white or black, whichever stands out.
void PaintCaption(const ExportPicture& picture, QPainter& painter, const QRectF& band, double scale) {
    const Rgb back = picture.parts.empty() ? kBlack : picture.parts.front()->BackColour();
    const bool dark = back.r * 299 + back.g * 587 + back.b * 114 < 128000;
    painter.fillRect(band, QColor(back.r, back.g, back.b));
    painter.setPen(dark ? Qt::white : Qt::black);
    const double tableWidth = TableWidth(picture, painter, scale);
    double top = band.top();
    for (const BandRow& row : RowsOf(picture)) {
        const RowLook& look = LookOf(row.style);
        painter.setFont(BandFont(look, painter, scale));
        QRectF line(band.left(), top, band.width(), look.height * scale);
        Qt::Alignment align = Qt::AlignCenter;
        if (row.style >= RowStyle::TableHeading) {
            line.setLeft(band.left() + std::max(0.0, (band.width() - tableWidth) / 2));
            align = Qt::AlignLeft | Qt::AlignVCenter;
        }
        painter.drawText(line, align, row.text);
        top += look.height * scale;
    }
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

std::optional<ExportFormat> FormatOf(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix.isEmpty() || suffix == QLatin1String("png")) return ExportFormat::Png;
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg")) return ExportFormat::Jpeg;
    if (suffix == QLatin1String("svg")) return ExportFormat::Svg;
    if (suffix == QLatin1String("pdf")) return ExportFormat::Pdf;
    return std::nullopt;
}

bool SaveExport(const ExportPicture& picture, const QString& path, ExportFormat format) {
    switch (format) {
        case ExportFormat::Svg:
            return SaveSvg(Painter(picture), path, PixelSize(picture, 1));
        case ExportFormat::Pdf:
            return SavePdf(Painter(picture), path, PixelSize(picture, 1));
        case ExportFormat::Png:
        case ExportFormat::Jpeg:
            break;
    }
    const QImage image = RenderImage(Painter(picture), PixelSize(picture, kPngScale));
    if (image.isNull()) return false;
    if (format == ExportFormat::Png) return image.save(path, "PNG");
    return image.convertToFormat(QImage::Format_RGB32).save(path, "JPEG", kJpegQuality);
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
