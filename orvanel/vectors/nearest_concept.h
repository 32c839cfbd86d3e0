// NearestConcept: names a plane point by the concept file. Among the concepts less than 8 degrees
// away in direction, the one nearest in radius wins; ties go to the earlier record.
#pragma once

#include <cstdint>

#include "conceptplane/concept_table.h"
#include "conceptplane/text.h"

namespace orvanel {

// The record number (from 1) of the best concept, or 0 when none qualifies (an empty concept file
// included).
std::int32_t NearestRecord(const cp::ConceptTable& concepts, double angle, double radius);
// The 30-character Name (trailing blanks kept) of record `record`, or an empty text for 0.
const cp::Text& RecordName(const cp::ConceptTable& concepts, std::int32_t record);
// The Name of the best concept, or an empty text when none qualifies.
cp::Text NearestConcept(const cp::ConceptTable& concepts, double angle, double radius);

}  // namespace orvanel
