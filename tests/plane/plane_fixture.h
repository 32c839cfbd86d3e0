// Small in-memory concept tables and display-list queries shared by the plane tests.
#pragma once

#include <vector>

#include "conceptplane/concept_table.h"
#include "display_list_reading.h"
#include "surface/drawing_surface.h"

namespace planetest {

struct Concept {
    const char32_t* name;
    double x, y;
    double radius = 0;
    const char32_t* reference = U"";
};

cp::ConceptTable Table(const std::vector<Concept>& concepts);

using display_list::LinesIn;

// A main picture with the template's user scale.
surface::DrawingSurface TemplatePicture();

}  // namespace planetest
