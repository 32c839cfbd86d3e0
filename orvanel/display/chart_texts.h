// The text companions of a chart wheel: the points caption and the house-cusps caption
// (FillPositionLabels) and the items of the aspect list (FillAspectList). Plain texts; the windows
// put them into their labels and lists.
#pragma once

#include <vector>

#include "conceptplane/text.h"
#include "orvanel/astro/chart_positions.h"

namespace orvanel {

// Line breaks in captions are carriage return and line feed.
inline constexpr char32_t kCaptionBreak[] = U"\r\n";

struct PositionCaptions {
    cp::Text points;  // twelve lines: glyph, blank, degree in sign "00", ";", sign glyph, "y" if retrograde
    cp::Text houses;  // twelve lines: house glyph, blank, degree in sign, ";", sign glyph
};

PositionCaptions PositionLabelTexts(const ChartSlot& chart);

// The chart's aspects grouped by kind (conjunctions first, sextiles last), each "a M c" (first point's
// glyph, aspect glyph, second point's glyph, one blank between), every group followed by "".
std::vector<cp::Text> AspectListItems(const ChartSlot& chart);

// Records 1..aspectCount that a reader may use: never more than the table holds.
int UsableAspectCount(const ChartSlot& chart);

}  // namespace orvanel
