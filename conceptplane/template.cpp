#include "template.h"

#include "numeric.h"
#include "vector_drawing.h"

namespace cp {

namespace {

// Levels 6, 4 and 2 are drawn twice, 22 and 17 units apart, so that they look heavier; levels 0, 1
// and 7 are not drawn.
constexpr double kTemplateCircles[] = {5220, 5198, 2691, 1410, 1393, 721, 395, 373};
constexpr double kRadialLength = 5400;

surface::Point TemplateCentre(const surface::DrawingSurface& p, Arithmetic arithmetic) {
    const double cx = p.Scale().width / 2, cy = p.Scale().height / 2;
    if (arithmetic == Arithmetic::Rorev) return {cx, cy};
    return {static_cast<double>(StoreInt32(cx)), static_cast<double>(StoreInt32(cy))};
}

}  // namespace

void DrawTemplate(surface::DrawingSurface& p, const PlaneView& view, const VectorWorkspace& workspace,
                  const TemplateLayer& layer) {
    const surface::Point centre = TemplateCentre(p, view.arithmetic);
    const AngleMath& angles = AnglesFor(view.arithmetic);
    p.Clear();
    p.SetForeColour(kTemplateGrey);
    for (double r : kTemplateCircles)
        p.Circle(centre, r);
    for (int a = 0; a < 360; a += 30) {
        p.LineStep(centre, {kRadialLength * angles.Cos(a), -kRadialLength * angles.Sin(a)});
    }
    p.SetForeColour(kPlaneFore);
    if (workspace.resultShown) DrawResult(p, view, workspace);
    if (workspace.vectorList.present == 1) DrawVectorList(p, view, workspace);
    if (layer) layer(p);
}

void DrawTemplate(PlaneTarget& target, const VectorWorkspace& workspace) {
    DrawTemplate(target.picture, target.view, workspace, target.layer);
}

}  // namespace cp
