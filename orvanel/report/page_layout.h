// Lays a report out on A4 pages: the title block, then every block in order, a heading kept with
// what follows it, a table alone running on over pages with its column heads repeated, pictures and
// side-by-side tables kept whole; then each page's foot with the report's footer and the page
// number. Positions are in points from the paper's top-left corner.
#pragma once

#include <QColor>
#include <QFont>
#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <variant>
#include <vector>

#include "orvanel/report/report_document.h"

namespace orvanel::report {

struct PlacedText {
    QPointF baseline;  // the start of the text's baseline
    QString text;
    QFont font;  // its point size is the size on paper
    QColor colour;
};
struct PlacedRule {
    QLineF line;
    QColor colour;
    double width = 0.5;
};
struct PlacedBand {
    QRectF box;
    QColor colour;
};
struct PlacedPicture {
    QRectF box;
    const surface::DrawingSurface* picture = nullptr;  // owned by the document
};
using PlacedItem = std::variant<PlacedBand, PlacedRule, PlacedText, PlacedPicture>;

struct Page {
    std::vector<PlacedItem> items;  // in painting order
};

// The pages of `document`, which must outlive them (the pictures are not copied).
std::vector<Page> LayOutReport(const Document& document);

}  // namespace orvanel::report
