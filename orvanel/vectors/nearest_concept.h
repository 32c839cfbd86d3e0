// NearestConcept: names a plane point by the concept file. Among the concepts less than 8 degrees
// away in direction, the one nearest in radius wins; ties go to the earlier record.
#pragma once

#include "conceptplane/concept_table.h"
#include "conceptplane/text.h"

namespace orvanel {

// The 30-character Name (trailing blanks kept) of the best concept, or an empty text when none
// qualifies (an empty concept file included).
cp::Text NearestConcept(const cp::ConceptTable& concepts, double angle, double radius);

}  // namespace orvanel
