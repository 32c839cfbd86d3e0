#include "vectors_fixture.h"

#include <cmath>

#include "conceptplane/plane_view.h"
#include "orvanel/display/form3_chart.h"
#include "orvanel/display/form4_synastry.h"

namespace orvanel::testing {

Form7Vectors& VectorsTest::OpenForm7() {
    State().CurrentSubject = 1;
    windows_->ShowChartWindow();
    Choose(windows_->Chart(), "mnuVectores");
    return windows_->Get<Form7Vectors>(WindowId::Vectors);
}

Form8VectorsTwo& VectorsTest::OpenForm8() {
    State().CurrentSubject = 1;
    windows_->StartSynastry(WindowId::MainMenu);
    Choose(windows_->Synastry(), "mnuVectoresdos");
    return windows_->Get<Form8VectorsTwo>(WindowId::VectorsTwo);
}

std::vector<DrawnVector> VectorsTest::OfColour(const surface::DrawingSurface& s, surface::Rgb colour) {
    std::vector<DrawnVector> found;
    for (const surface::Primitive& p : OfKind(s, surface::PrimitiveKind::Line)) {
        const bool fromCentre = p.a.x == cp::kPictureCentre && p.a.y == cp::kPictureCentre;
        if (fromCentre && p.colour == colour) found.push_back({p.b.x - p.a.x, p.b.y - p.a.y, p.colour});
    }
    return found;
}

bool VectorsTest::HasStep(const std::vector<DrawnVector>& vectors, double dx, double dy, double tolerance) {
    for (const DrawnVector& v : vectors) {
        if (std::fabs(v.dx - dx) <= tolerance && std::fabs(v.dy - dy) <= tolerance) return true;
    }
    return false;
}

}  // namespace orvanel::testing
