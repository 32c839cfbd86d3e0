// The faces of the report's texts.
#include "orvanel/report/page_style.h"

#include <QStringList>

#include "surface/fonts.h"

namespace orvanel::report::style {

namespace {

// TrueType faces, so that the PDF embeds them as fonts and not as drawings. Shaping is off: Latin
// text needs none, and without ligatures every word is found by a viewer's search as it is typed.
QFont Face(const QStringList& families, double points, bool bold, bool italic) {
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    font.setStyleStrategy(QFont::PreferNoShaping);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

}  // namespace

QFont SerifFont(double points, bool bold, bool italic) {
    return Face({QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")}, points, bold, italic);
}

QFont SansFont(double points, bool bold) {
    return Face({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")}, points, bold, false);
}

QFont GlyphFont(double points) {
    QFont font = surface::DesignFont(QStringLiteral("Astrol"), points, false, false);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QFont FontOf(report::Face face, double points) {
    switch (face) {
        case report::Face::Strong:
            return SerifFont(points, true);
        case report::Face::Quiet:
            return SerifFont(points, false, true);
        case report::Face::Glyph:
            return GlyphFont(points * kCellGlyphPoints / kCellPoints);
        case report::Face::Body:
            break;
    }
    return SerifFont(points);
}

QColor InkOf(report::Face face) {
    return face == report::Face::Quiet ? kQuietInk : kInk;
}

}  // namespace orvanel::report::style
