// The data files of each folder that orvanel-calc's command lines name, read once and kept while they
// do not change: a batch reads them for its first line and, for every later one, only compares their
// size and modification time with those read.
#pragma once

#include <string>

#include "conceptplane/concept_table.h"
#include "orvanel/astro/ephemeris_files.h"

namespace calc {

// concptos.txt of the folder as it is now; a missing or unreadable file throws cp::DataFault.
const cp::ConceptTable& OpenConcepts(const std::string& dataDir);
// efemerides.txt and orbitas.txt of the folder, checked for changes at every computation.
orvanel::EphemerisFiles& OpenEphemeris(const std::string& dataDir);

}  // namespace calc
