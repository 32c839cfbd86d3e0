// A chart's texts as report tables: the positions of its points with their motion, the house cusps,
// and the aspects in words, those of one chart and the cross aspects of two.
#pragma once

#include <cstdint>

#include "conceptplane/text.h"
#include "orvanel/astro/chart_positions.h"
#include "orvanel/report/report_document.h"

namespace orvanel::report {

// A chart point as a sentence names it, at its start ("El Sol", "La Luna", "El Nodo Lunar",
// "Marte") or further on ("el Sol", "la Luna").
cp::Text PointPhrase(std::int32_t point, bool atStart);

// "El Sol en conjunción con Mercurio"; with owners, "El Sol de Ana en trígono con la Luna de Luis".
cp::Text AspectSentence(std::int32_t first, std::int32_t kind, std::int32_t second,
                        const cp::Text& firstOwner = {}, const cp::Text& secondOwner = {});

// Points 1..13 (the Ascendant last): glyph, name, sign, degree in the sign, "Rx" when retrograde.
Table PositionsTable(const ChartSlot& chart);
// Houses 1..12: glyph, name, sign and degree of the cusp.
Table HousesTable(const ChartSlot& chart);
// The aspects of `chart` grouped by kind, conjunctions first, each with its glyph and its sentence;
// for the cross aspects of a synastry, the owners name the subjects of the first and second points.
Table AspectsTable(const ChartSlot& chart, const cp::Text& firstOwner = {}, const cp::Text& secondOwner = {});

}  // namespace orvanel::report
