// A window's picture as it is exported: one or more display lists side by side at their design
// sizes under a caption line (the window's title). Written to PNG, SVG or PDF, or printed, it is
// always replayed from the lists at the output's resolution.
#pragma once

#include <QRectF>
#include <QSizeF>
#include <QString>
#include <vector>

#include "surface/drawing_surface.h"

class QPainter;
class QPrinter;

namespace surface {

struct ExportPicture {
    QString caption;  // no caption line when empty
    std::vector<const DrawingSurface*> parts;
};

// PNG files are rendered at this multiple of the design size, so that they stay sharp when enlarged.
inline constexpr int kPngScale = 2;

// The size of the picture at design size, in logical pixels (caption line included).
QSizeF DesignSize(const ExportPicture& picture);
// Paints the picture into `target`, scaled uniformly to its width.
void PaintExport(const ExportPicture& picture, QPainter& painter, const QRectF& target);

enum class ExportFormat { Png, Svg, Pdf };
// The format a file name ends with: ".svg", ".pdf" (in any case), else PNG.
ExportFormat FormatOf(const QString& path);
// False when the file could not be written.
bool SaveExport(const ExportPicture& picture, const QString& path, ExportFormat format);
// Prints the picture fitted into the page, keeping its proportions.
bool PrintExport(const ExportPicture& picture, QPrinter& printer);

}  // namespace surface
