// The cross aspects of a synastry by name (the synastry window's "Aspectos cruzados"): the heading
// over the list and its items, and the whole step that computes them into slot 3.
#pragma once

#include <vector>

#include "conceptplane/text.h"
#include "orvanel/astro/chart_positions.h"
#include "orvanel/shell/program_state.h"

namespace orvanel {

// " " + the first title padded to 15 + eight blanks + the second title right-aligned in 15; a longer
// title is written whole.
cp::Text CrossAspectHeading(const cp::Text& firstTitle, const cp::Text& secondTitle);

// The cross aspects of `crossSlot` grouped by kind, each "<first point name, 11> en <aspect name, 10>
// con    <second point name>", every group followed by "".
std::vector<cp::Text> CrossAspectItems(const ChartSlot& crossSlot);

struct CrossAspectList {
    cp::Text heading;
    std::vector<cp::Text> items;
};

// What "Aspectos cruzados" does to the program: SynastryBase := CurrentSubject, the cross aspects of
// that subject against the other computed into slot 3, CurrentSubject back on SynastryBase. On a
// fault (a CurrentSubject that names no subject of a synastry) nothing changes.
CrossAspectList ListCrossAspects(Program& program);

}  // namespace orvanel
