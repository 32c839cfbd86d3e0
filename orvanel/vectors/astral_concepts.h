// ListAstralConcepts: the items of the "Conceptos astrales" list of the vectors window: the concept
// nearest to every chart point, to the vector sum of the two points of every aspect, and to the
// resultant, each a 20-character name followed by what it names in parentheses.
#pragma once

#include <cstdint>
#include <vector>

#include "conceptplane/concept_table.h"
#include "conceptplane/text.h"
#include "conceptplane/vector_workspace.h"
#include "orvanel/shell/program_state.h"

namespace orvanel {

// One entry of the list before it is written out: what it names and the concept found.
struct AstralConcept {
    enum class Of { Point, Aspect, Resultant };
    Of of = Of::Point;
    std::int32_t point = 0;   // the chart point, or the aspect's first point
    std::int32_t kind = 0;    // the aspect's kind 1..5
    std::int32_t second = 0;  // the aspect's second point
    std::int32_t record = 0;  // NearestRecord's concept, 0 for none (RecordName gives its name)
};

// The entries of `slot` in list order: points 1..13, aspects 1..aspectCount, the resultant. Each
// aspect's sum goes through `workspace`'s ComputeResultant, so its result table is left holding the
// last aspect's resultant and its operands hold the last aspect's points.
std::vector<AstralConcept> AstralConceptsOf(const ChartSlot& slot, const cp::ConceptTable& concepts,
                                            cp::VectorWorkspace& workspace);

// For slot CurrentSubject (first set to SynastryBase when above 2; a slot outside 0..12 throws
// cp::Fault): 13 point items, one item per aspect 1..aspectCount, and the "(Vector suma)" item.
// The workspace's result table is left holding the last aspect's resultant; afterwards the
// operands' x and y are 0. Nothing is drawn.
std::vector<cp::Text> ListAstralConcepts(Program& program, const cp::ConceptTable& concepts,
                                         cp::VectorWorkspace& workspace);

// The sign named for a longitude: floor(L / 30) + 1, with 360 counted as Aries like 0.
std::int32_t SignOfLongitude(std::int32_t longitude);

}  // namespace orvanel
