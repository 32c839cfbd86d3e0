// Texts laid out once and kept: the design font sized for a device with its ascent, and the glyphs
// of each text as QPainter::drawText places them, found again by text, font and resolution so that
// a name painted at every mouse move is shaped only the first time.
#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <string>

#include "surface/drawing_surface.h"

namespace surface {

// A design font at a size in pixels on devices of one logical resolution.
struct SizedFont {
    QFont font;     // the installed face, its point size set for that resolution
    double ascent;  // from the top of a text line to its baseline, in pixels
};
const SizedFont& SizeFont(const Font& design, double pixels, const QPaintDevice* device);

// Draws `text` in `font` (from SizeFont) with its baseline starting at `baseline` and in `colour`,
// with the pixels drawText gives inside `visible` (the painter's clip; glyphs wholly outside it are
// left out). False, drawing nothing, where a kept layout could place the glyphs otherwise than
// drawText: a paint engine other than the raster one (SVG, PDF, printers), a painter that scales or
// turns, characters that drawText handles by rules of its own (controls, tabs); the caller then draws
// the text itself.
bool DrawLaidOutText(QPainter& painter, const SizedFont& font, QPointF baseline, const std::u32string& text,
                     const QRectF& visible, const QColor& colour);

}  // namespace surface
