// The plane tests' shared set-up: concept tables built in memory, the lines of one colour drawn on a
// picture, and a window's plane (picture with the template's user scale, zoom, workspace, concepts).
#pragma once

#include <cmath>
#include <initializer_list>

#include "conceptplane/plane_view.h"
#include "conceptplane/vector_workspace.h"
#include "core_builders.h"
#include "display_list_reading.h"
#include "surface/drawing_surface.h"

namespace planetest {

using core_builders::ConceptTableOf;
using display_list::LinesIn;

// Two points within `tolerance` of each other.
inline void ExpectNear(surface::Point got, surface::Point want, double tolerance = 1e-6) {
    EXPECT_LT(std::hypot(got.x - want.x, got.y - want.y), tolerance) << got.x << ", " << got.y;
}

inline surface::DrawingSurface TemplatePicture() {
    surface::DrawingSurface p(surface::kBlack, surface::RGB(255, 255, 192));
    p.SetScale(0, 0, cp::kTemplateScale, cp::kTemplateScale);
    return p;
}

// `layerCalls` counts the redraws of the caller's own layer.
struct Plane {
    explicit Plane(cp::Arithmetic a = cp::Arithmetic::Rorev, cp::ConceptTable table = ConceptTableOf({}))
        : view(a), workspace(a), concepts(std::move(table)) {}
    surface::DrawingSurface picture = TemplatePicture();
    cp::PlaneView view;
    cp::VectorWorkspace workspace;
    cp::ConceptTable concepts;
    int layerCalls = 0;
    cp::PlaneTarget target{picture, view, concepts, [this](surface::DrawingSurface&) { ++layerCalls; }};

    cp::AddPointOutcome Click(double x, double y) {
        workspace.PointAt(x, y);
        return workspace.AddPoint(target);
    }
    // The mode chosen, the points clicked, then the right click.
    void Series(cp::PlaneMode mode, std::initializer_list<surface::Point> points) {
        workspace.ChooseMode(mode, target);
        for (auto p : points)
            Click(p.x, p.y);
        workspace.ShowResult(target);
    }
    const cp::ResultRow& Row(int i) const { return workspace.resultTable[static_cast<std::size_t>(i)]; }
};

}  // namespace planetest
