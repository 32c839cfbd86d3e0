// Values built for the tests of the computing code: concept tables, positions texts, chart slots with
// chosen longitudes or aspect records, a subject entered through the computing functions, and the
// shipped data files.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "conceptplane/concept_table.h"
#include "orvanel/astro/ephemeris_files.h"
#include "orvanel/shell/program_state.h"

namespace core_builders {

// One concept record; the reference repeats the name unless one is given.
struct Concept {
    std::u32string name;
    double degrees = 0, radius = 0, x = 0, y = 0;
    std::u32string reference = {};
};
cp::ConceptTable ConceptTableOf(const std::vector<Concept>& concepts);

// The source tree's data folder, or a file in it.
std::string ShippedData(const std::string& name = "");

// A 48-character positions text of twelve longitudes, every mark direct but the node's.
cp::Text PositionsText(const std::vector<int>& longitudes);
// The longitudes as points 1, 2, ... of the slot.
void SetLongitudes(orvanel::ChartSlot& slot, const std::vector<int>& longitudes);

struct Aspect {
    std::int16_t kind, first, second;
    bool operator==(const Aspect&) const = default;
};
inline std::ostream& operator<<(std::ostream& out, const Aspect& a) {
    return out << "{" << a.kind << ", " << a.first << ", " << a.second << "}";
}
// The slot's aspect records 1..aspectCount, written from or read into a list.
void SetAspects(orvanel::ChartSlot& slot, const std::vector<Aspect>& aspects);
std::vector<Aspect> AspectsOf(const orvanel::ChartSlot& slot);

struct Moment {
    std::int16_t year, month, day, hour = 0, minute = 0;
};
// Subject `slot` entered for `moment` as a confirmed date entry leaves the program: the entry's
// texts, the positions and the Ascendant computed from `files`, then the chart.
void EnterComputed(orvanel::Program& program, orvanel::EphemerisFiles& files, std::int16_t slot,
                   const Moment& moment);

}  // namespace core_builders
