// The look of the report's pages: A4 paper in points, the margins, the faces and sizes of each kind
// of text, the colours and the spacing. One place, so that every page is set alike.
#pragma once

#include <QColor>
#include <QFont>
#include <QSizeF>

#include "orvanel/report/report_document.h"

namespace orvanel::report::style {

inline constexpr QSizeF kPaper{595.276, 841.89};  // A4, points
inline constexpr double kMarginLeft = 62;
inline constexpr double kMarginRight = 62;
inline constexpr double kMarginTop = 56;
inline constexpr double kBodyBottom = kPaper.height() - 70;  // where the running content ends
inline constexpr double kFooterRule = kPaper.height() - 52;
inline constexpr double kFooterBaseline = kPaper.height() - 38;
inline constexpr double kTextWidth = kPaper.width() - kMarginLeft - kMarginRight;

// Sizes in points.
inline constexpr double kKindPoints = 9;
inline constexpr double kTitlePoints = 24;
inline constexpr double kFactPoints = 10.5;
inline constexpr double kHeadingPoints = 13.5;
inline constexpr double kBodyPoints = 10.5;
inline constexpr double kQuietPoints = 9.5;
inline constexpr double kCaptionPoints = 10;
inline constexpr double kCellPoints = 9.5;
inline constexpr double kCellGlyphPoints = 12;
inline constexpr double kColumnHeadPoints = 7.5;
inline constexpr double kFooterPoints = 8;

// Vertical spacing in points.
inline constexpr double kLineSpacing = 1.3;  // of the font size, for running text
inline constexpr double kRowHeight = 15.5;
inline constexpr double kHeadRowHeight = 15;
inline constexpr double kCellPadding = 4;
inline constexpr double kSpaceBeforeHeading = 18;
inline constexpr double kSpaceAfterHeading = 9;
inline constexpr double kSpaceAfterBlock = 10;
inline constexpr double kTableGap = 18;   // between tables side by side
inline constexpr double kFigureGap = 16;  // between pictures side by side

inline const QColor kInk(34, 34, 40);
inline const QColor kAccent(58, 52, 118);
inline const QColor kAccentLight(200, 196, 226);
inline const QColor kQuietInk(96, 96, 106);
inline const QColor kRowBand(244, 243, 250);
inline const QColor kFrame(190, 190, 198);

// The running text's serif, the headings' sans, and the symbol font for glyphs.
QFont SerifFont(double points, bool bold = false, bool italic = false);
QFont SansFont(double points, bool bold = false);
QFont GlyphFont(double points);
// The font and colour of a cell or a paragraph of the face given.
QFont FontOf(Face face, double points);
QColor InkOf(Face face);

}  // namespace orvanel::report::style
