// Replays a surface's display list onto any QPainter: the picture widget, images, SVG and PDF exports.
#pragma once

#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QSize>
#include <QString>

#include "surface/drawing_surface.h"

namespace surface {

// Fills `target` with the back colour and draws every primitive, the user scale mapped onto `target`
// (y down). Texts are scaled by target height / design pixel height, when the design size is known.
void PaintList(const DrawingSurface& surface, QPainter& painter, const QRectF& target);

QImage RenderImage(const DrawingSurface& surface, QSize size);
bool SaveSvg(const DrawingSurface& surface, const QString& path, QSize size);
bool SavePdf(const DrawingSurface& surface, const QString& path, QSize size);

}  // namespace surface
