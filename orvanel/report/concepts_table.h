// A chart's astral concepts as a report table: the concept named for every point, every aspect and
// the resultant, as "Conceptos astrales" lists them, with what each refers to and its definition
// from the concept file.
#pragma once

#include "conceptplane/concept_table.h"
#include "orvanel/astro/chart_positions.h"
#include "orvanel/report/report_document.h"

namespace orvanel::report {

// Names nothing in the window's workspace: the aspect sums are formed on a workspace of its own.
Table AstralConceptsTable(const ChartSlot& chart, const cp::ConceptTable& concepts);

// The text that stands in the concept column when no concept lies near enough.
inline constexpr char32_t kNoConcept[] = U"Ningún concepto cercano";

}  // namespace orvanel::report
