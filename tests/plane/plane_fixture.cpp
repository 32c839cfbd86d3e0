#include "plane_fixture.h"

#include <string>

#include "conceptplane/plane_view.h"
#include "conceptplane/text.h"

namespace planetest {

namespace {

cp::Text Number(double v) {
    const std::string s = std::to_string(v);
    return cp::Text(s.begin(), s.end());
}

}  // namespace

cp::ConceptTable Table(const std::vector<Concept>& concepts) {
    std::string bytes;
    for (const Concept& c : concepts) {
        cp::ConceptRecord r;
        r.reference = c.reference;
        r.name = c.name;
        r.degrees = U"0";
        r.radius = Number(c.radius);
        r.x = Number(c.x);
        r.y = Number(c.y);
        bytes += cp::EncodeConceptRecord(r);
    }
    return cp::ConceptTable::FromBytes(bytes);
}

surface::DrawingSurface TemplatePicture() {
    surface::DrawingSurface p(surface::kBlack, surface::RGB(255, 255, 192));
    p.SetScale(0, 0, cp::kTemplateScale, cp::kTemplateScale);
    return p;
}

}  // namespace planetest
