// Opening rorev's concept file at start: read only, never created or written.
#pragma once

#include <string>

#include "conceptplane/concept_table.h"

namespace rorev {

// The table of the file at `path`. A missing file gives an empty table, filled at a later lookup once
// the file appears (it is not created: an empty file in the working folder would hide the installed
// table on the next start); a file that cannot be read gives an empty table and the message "No se
// puede leer el archivo concptos.txt".
cp::ConceptTable OpenConcepts(const std::string& path);

}  // namespace rorev
