// The caption of the details window: six paragraphs (name, definition, degrees, radius, x, y)
// separated by an empty line. Plain C++.
#pragma once

#include "conceptplane/concept_table.h"
#include "conceptplane/text.h"

namespace rorev {

// Paragraphs are separated by two CR LF pairs; values are shown in displayed units (plane / 10).
cp::Text DetailsCaption(const cp::ConceptRecord& record, const cp::Text& definition);

}  // namespace rorev
