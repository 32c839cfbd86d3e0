// A window's picture as it is exported: one or more display lists side by side at their design
// sizes under a caption band (the window's title, then what its labels say the picture shows).
// Written to PNG, JPEG, SVG or PDF, or printed, it is always replayed from the lists at the output's
// resolution.
#pragma once

#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "surface/drawing_surface.h"

class QPainter;
class QPrinter;

namespace surface {

struct ExportPicture {
    QString caption;  // the title line; none when empty
    std::vector<const DrawingSurface*> parts;
    QStringList notes;  // lines under the title, centred
    // A table under the notes, as a window shows a list under its heading label: the first line, the
    // heading, in the notes' face, the others in a fixed-pitch face, so that the columns line up.
    QStringList table;
};

// PNG and JPEG files are rendered at this multiple of the design size, so that they stay sharp when enlarged.
inline constexpr int kPngScale = 2;

// The size of the picture at design size, in logical pixels (caption band included).
QSizeF DesignSize(const ExportPicture& picture);
// Paints the picture into `target`, scaled uniformly to its width.
void PaintExport(const ExportPicture& picture, QPainter& painter, const QRectF& target);

enum class ExportFormat { Png, Jpeg, Svg, Pdf };
// The format a file name's extension names, in any case: ".png" or none, ".jpg" or ".jpeg", ".svg",
// ".pdf"; nothing for any other extension, which would otherwise get a file its name belies.
std::optional<ExportFormat> FormatOf(const QString& path);
// False when the file could not be written.
bool SaveExport(const ExportPicture& picture, const QString& path, ExportFormat format);
// Prints the picture fitted into the page, keeping its proportions.
bool PrintExport(const ExportPicture& picture, QPrinter& printer);

}  // namespace surface
