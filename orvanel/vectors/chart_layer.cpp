#include "orvanel/vectors/chart_layer.h"

#include "conceptplane/numeric.h"
#include "conceptplane/plane_arithmetic.h"
#include "conceptplane/template.h"
#include "conceptplane/vector_drawing.h"
#include "orvanel/shell/tables.h"

namespace orvanel {

namespace {

std::size_t Index(int k) {
    return static_cast<std::size_t>(k);
}

}  // namespace

void SetUpPlaneSurface(surface::DrawingSurface& picture, double astrolPoints) {
    picture.SetScale(0, 0, cp::kTemplateScale, cp::kTemplateScale);
    picture.SetBackColour(surface::kBlack);
    picture.SetForeColour(cp::kPlaneFore);
    picture.SetFont(surface::Font{"Astrol", astrolPoints, false, false});
}

void DrawChartVectors(surface::DrawingSurface& p, const ChartSlot& slot, const cp::PlaneView& view) {
    const cp::AngleMath& angles = cp::AnglesFor(view.arithmetic);
    for (int k = 1; k <= kPointCount; ++k) {
        const double x = slot.vectorX[Index(k)], y = slot.vectorY[Index(k)];
        cp::DrawPlaneVector(p, view, x, y, cp::StoreInt32(angles.AngleOf(x, y)));
    }
}

void DrawPointGlyphs(surface::DrawingSurface& p, const ChartSlot& slot, const cp::PlaneView& view) {
    for (int k = 1; k <= kPointCount; ++k) {
        const surface::Point label = view.PlaneToPicture(
            {static_cast<double>(slot.labelX[Index(k)]), static_cast<double>(slot.labelY[Index(k)])});
        p.SetCurrent({cp::Keep(view.arithmetic, label.x - kGlyphShift),
                      cp::Keep(view.arithmetic, label.y - kGlyphShift)});
        p.Print(GlyphAt(PointGlyphs, k));
    }
}

void DrawChartLayer(surface::DrawingSurface& p, const ChartSlot& slot, const cp::PlaneView& view,
                    ChartLayerFlags flags) {
    if (flags.vectors) DrawChartVectors(p, slot, view);
    if (flags.glyphs) DrawPointGlyphs(p, slot, view);
}

}  // namespace orvanel
