// rorev's program-wide state: the concept table, the one plane view and vector workspace (double
// arithmetic), and whether a concept chosen from the list also opens the details window.
#pragma once

#include "conceptplane/concept_table.h"
#include "conceptplane/plane_view.h"
#include "conceptplane/vector_workspace.h"

namespace rorev {

struct ViewerState {
    cp::ConceptTable concepts;
    cp::PlaneView view{cp::Arithmetic::Rorev};
    cp::VectorWorkspace workspace{cp::Arithmetic::Rorev};
    bool descriptionsOn = false;
};

}  // namespace rorev
