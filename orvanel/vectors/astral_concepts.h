// ListAstralConcepts: the items of the "Conceptos astrales" list of the vectors window: the concept
// nearest to every chart point, to the vector sum of the two points of every aspect, and to the
// resultant, each a 20-character name followed by what it names in parentheses.
#pragma once

#include <vector>

#include "conceptplane/concept_table.h"
#include "conceptplane/text.h"
#include "conceptplane/vector_workspace.h"
#include "orvanel/shell/program_state.h"

namespace orvanel {

// For slot CurrentSubject (first set to SynastryBase when above 2; a slot outside 0..12 throws
// cp::Fault): 13 point items, one item per aspect 1..aspectCount, and the "(Vector suma)" item.
// Each aspect's sum goes through the plane's ComputeResultant, so the workspace's result table is
// left holding the last aspect's resultant; afterwards the operands' x and y are 0. Nothing is drawn.
std::vector<cp::Text> ListAstralConcepts(Program& program, const cp::ConceptTable& concepts,
                                         cp::VectorWorkspace& workspace);

// The sign named for a longitude: floor(L / 30) + 1, with 360 counted as Aries like 0.
std::int32_t SignOfLongitude(std::int32_t longitude);

}  // namespace orvanel
