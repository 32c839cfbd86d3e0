// What Orvanel holds for the life of the process, set up at start in the order the program always
// followed: the tables (constants here), the concept file and the subject file opened and counted in
// the data folder, then the windows. Tests build sessions on folders of their own.
#pragma once

#include <cstdint>
#include <string>

#include "conceptplane/concept_table.h"
#include "orvanel/astro/ephemeris_files.h"
#include "orvanel/shell/program_state.h"

namespace orvanel {

struct Session {
    // Opens concptos.txt (created empty when missing) and counts gente.txt in `dataFolder`. An
    // unreadable concept file is reported in a message box and gives no concepts.
    explicit Session(std::string dataFolder);

    std::string dataFolder;
    Program program;
    cp::ConceptTable concepts;
    EphemerisFiles ephemeris;
};

// The records of gente.txt at `path`: its length / 85, rounded halves to even. A missing file is
// created empty; a file that can be neither read nor created counts 0.
std::int32_t CountSubjectFile(const std::string& path);

}  // namespace orvanel
