// The report's wheels and planes, drawn apart from the windows and recoloured for paper.
#include "orvanel/report/report_pictures.h"

#include <algorithm>
#include <functional>

#include "conceptplane/template.h"
#include "orvanel/display/chart_wheel.h"
#include "orvanel/display/synastry_wheel.h"
#include "orvanel/vectors/chart_layer.h"

namespace orvanel::report {

namespace {

constexpr double kTwipsPerPixel = 15;

void SetDesignSide(surface::DrawingSurface& picture, int twips) {
    picture.SetDesignPixels(twips / kTwipsPerPixel, twips / kTwipsPerPixel);
}

// The screen's black ground becomes the paper's white.
surface::DrawingSurface ForPaper(surface::DrawingSurface picture) {
    picture.MapColours(PaperColour);
    picture.SetBackColour(surface::kWhite);
    return picture;
}

// A wheel picture of the given design, drawn by `draw` apart from every window.
surface::DrawingSurface WheelPicture(double glyphPoints, int twips,
                                     const std::function<void(surface::DrawingSurface&)>& draw) {
    const DetachedWheelDrawing detached;
    surface::DrawingSurface wheel;
    SetUpWheelSurface(wheel, glyphPoints);
    SetDesignSide(wheel, twips);
    draw(wheel);
    return ForPaper(std::move(wheel));
}

}  // namespace

surface::Rgb PaperColour(surface::Rgb screen) {
    const int high = std::max({screen.r, screen.g, screen.b}), low = std::min({screen.r, screen.g, screen.b});
    const int lightness = high + low;  // twice the HSL lightness, 0..510
    if (lightness <= 255) return screen;
    // Scaling the channels by (1 - L) / L keeps the hue and turns lightness L into 1 - L.
    const auto scaled = [&](std::uint8_t v) {
        return static_cast<std::uint8_t>((v * (510 - lightness) + lightness / 2) / lightness);
    };
    return {scaled(screen.r), scaled(screen.g), scaled(screen.b)};
}

surface::DrawingSurface ChartWheelPicture(const ChartSlot& chart) {
    return WheelPicture(kChartGlyphPoints, kChartPictureTwips, [&](surface::DrawingSurface& wheel) {
        DrawChartWheel(wheel, chart, kChartWheelRadius);
    });
}

surface::DrawingSurface SynastryWheelPicture(const ChartSlot& inner, const ChartSlot& outer) {
    return WheelPicture(kSynastryGlyphPoints, kSynastryPictureTwips,
                        [&](surface::DrawingSurface& wheel) { DrawSynastryWheel(wheel, inner, outer); });
}

surface::DrawingSurface PlanePicture(const ChartSlot& chart, bool twoPlanes) {
    surface::DrawingSurface plane;
    SetUpPlaneSurface(plane, twoPlanes ? kTwoPlanesGlyphPoints : kPlaneGlyphPoints);
    SetDesignSide(plane, twoPlanes ? kTwoPlanesPictureTwips : kPlanePictureTwips);
    const cp::PlaneView view(cp::Arithmetic::Orvanel);
    const cp::VectorWorkspace workspace(cp::Arithmetic::Orvanel);
    cp::DrawTemplate(plane, view, workspace, [&](surface::DrawingSurface& p) {
        DrawChartLayer(p, chart, view, ChartLayerFlags{true, true});
    });
    return ForPaper(std::move(plane));
}

}  // namespace orvanel::report
