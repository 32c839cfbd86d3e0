// Paints a laid-out page onto any device (PDF writer, printer, image): points are mapped onto the
// paper's rectangle on the device, fonts set at the size they have on paper, pictures replayed from
// their display lists.
#pragma once

#include <QPainter>
#include <QRectF>

#include "orvanel/report/page_layout.h"

namespace orvanel::report {

// `paper` is the whole sheet in device pixels; an A4 page is fitted into it, keeping its proportions.
void PaintPage(const Page& page, QPainter& painter, const QRectF& paper);

}  // namespace orvanel::report
