// The definition text of a concept from its radius: base concept of a level, or the excess, lack,
// excellent or deficient grade of the base concept its Reference names.
#pragma once

#include "conceptplane/concept_table.h"
#include "conceptplane/text.h"

namespace cp {

// Empty for a radius that no family uses; only the exact stored radii are recognised.
Text DescribeConcept(const ConceptRecord& record);

}  // namespace cp
