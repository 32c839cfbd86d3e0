// FindAspects: the pairs of moving chart points (1..12) whose separation lies in a window from 4 degrees
// below to 5 degrees above 0, 60, 90, 120 or 180 degrees; within one slot, or across the two subjects
// of a synastry into slot 3.
#pragma once

#include <cstdint>

#include "orvanel/shell/program_state.h"

namespace orvanel {

// Kind codes, the AspectNames index plus one.
enum AspectKind : std::int16_t {
    kNoAspect = 0,
    kConjunction = 1,
    kOpposition = 2,
    kTrine = 3,
    kSquare = 4,
    kSextile = 5,
};

// The aspect kind of two whole-degree longitudes, kNoAspect when they form none.
std::int16_t AspectBetween(std::int32_t a, std::int32_t b);

// The two slots whose points FindAspects pairs: (s, s), or (SynastryBase, 3 - SynastryBase) for s = 3.
// A slot outside 0..12, or a SynastryBase that gives one, throws cp::Fault.
struct AspectSlots {
    std::int32_t first, second;
};
AspectSlots AspectSources(const Program& program);

// With CurrentSubject s other than 3: the 66 pairs of slot s, stored in slot s. With s = 3: point i
// of slot SynastryBase against point j of slot 3 - SynastryBase, all 144 pairs, stored in slot 3
// (a SynastryBase outside 0..3 throws cp::Fault). Records are in pair order, 1..aspectCount.
void FindAspects(Program& program);

}  // namespace orvanel
