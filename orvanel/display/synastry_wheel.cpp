#include "orvanel/display/synastry_wheel.h"

#include "conceptplane/numeric.h"
#include "orvanel/display/chart_wheel.h"

namespace orvanel {

namespace {

void DrawOuterHouseLines(surface::DrawingSurface& surface, const WheelValues& w) {
    for (int k = 0; k < 12; ++k) {
        const int a = w.rotation + 30 * k;
        const double c = WheelCos(a), s = WheelSin(a);
        surface.Line(surface::Point{cp::StoreSingle(kWheelCentre + kSynastryRingRadius * c),
                                    cp::StoreSingle(kWheelCentre - kSynastryRingRadius * s)},
                     {cp::StoreSingle(1000 * c), cp::StoreSingle(-1000 * s)}, true,
                     k == 0 ? surface::RGB(255, 0, 0) : surface::RGB(255, 255, 128));
    }
}

}  // namespace

void DrawSynastryWheel(surface::DrawingSurface& surface, const ChartSlot& inner, const ChartSlot& outer) {
    DrawChartWheel(surface, inner, kInnerWheelRadius);
    surface.Circle({kWheelCentre, kWheelCentre}, kSynastryRingRadius);
    WheelValues& w = Wheel();
    w.radius = kOuterWheelRadius;
    PlacePointGlyphs(outer);
    PrintPointGlyphs(surface);
    w.rotation = cp::StoreInt16(w.rotation + outer.ascendant);
    DrawOuterHouseLines(surface, w);
}

}  // namespace orvanel
