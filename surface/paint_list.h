// Replays a surface's display list onto any QPainter: the picture widget, images, SVG and PDF exports.
#pragma once

#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QSize>
#include <QString>
#include <functional>

#include "surface/drawing_surface.h"

namespace surface {

// Fills `target` with the back colour and draws every primitive, the user scale mapped onto `target`
// (y down). Texts and pen widths are scaled by target size / design pixel size, when the design size
// is known. On an SVG device the symbol font's glyphs become outlines, since SVG only names fonts.
void PaintList(const DrawingSurface& surface, QPainter& painter, const QRectF& target);

// Paints a whole picture into the rectangle given (of the size asked for).
using PaintFunction = std::function<void(QPainter& painter, const QRectF& target)>;

QImage RenderImage(const PaintFunction& paint, QSize size);
bool SaveSvg(const PaintFunction& paint, const QString& path, QSize size);
bool SavePdf(const PaintFunction& paint, const QString& path, QSize size);

QImage RenderImage(const DrawingSurface& surface, QSize size);
bool SaveSvg(const DrawingSurface& surface, const QString& path, QSize size);
bool SavePdf(const DrawingSurface& surface, const QString& path, QSize size);

}  // namespace surface
