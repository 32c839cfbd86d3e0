// Shared pieces of the astro tests: synthetic ephemeris tables whose results are known by hand, a
// temporary data folder, positions texts and concept files built from values.
#pragma once

#include <string>
#include <vector>

#include "conceptplane/concept_table.h"
#include "orvanel/astro/ephemeris_files.h"
#include "temp_folder.h"

namespace astro_test {

// Every orbit with eccentricity 0: the true anomaly equals the mean anomaly, whole degrees.
std::string IdentityOrbitBytes();
// All seventy elements zero, written as the file would hold them.
orvanel::ElementTable ZeroElements();
std::string ElementBytes(const orvanel::ElementTable& table);
orvanel::EphemerisData DataOf(const orvanel::ElementTable& elements, const std::string& orbitBytes);

using test_support::ReadBytes;
using test_support::TempFolder;

// The source tree's data folder.
std::string SourceData(const std::string& name);

// A 48-character positions text with the given twelve longitudes (direct marks, the node "!").
cp::Text PositionsText(const std::vector<int>& longitudes);

// A concept file with one record per (name, degrees, radius).
struct Concept {
    cp::Text name;
    double degrees, radius;
};
cp::ConceptTable ConceptsOf(const std::vector<Concept>& concepts);

}  // namespace astro_test
