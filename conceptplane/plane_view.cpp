#include "plane_view.h"

#include <cstdio>

namespace cp {

namespace {

// 5198 / 1393: the ratio of the level-6 and level-4 base radii, two levels of the self-similar plane.
constexpr double kZoomStep = 5198.0 / 1393.0;

}  // namespace

PlaneView::PlaneView(Arithmetic kind) : arithmetic(kind), zoomStep(Keep(kind, kZoomStep)) {}

ZoomLimits LimitsFor(Arithmetic arithmetic) {
    return arithmetic == Arithmetic::Rorev ? kRorevZoomLimits : kOrvanelZoomLimits;
}

bool PlaneView::ZoomIn() {
    if (!(planeZoom > LimitsFor(arithmetic).zoomInAbove)) return false;
    zoomShown = zoomShown * 2.0f;
    planeZoom = Keep(arithmetic, planeZoom / zoomStep);
    return true;
}

bool PlaneView::ZoomOut() {
    if (!(planeZoom < LimitsFor(arithmetic).zoomOutBelow)) return false;
    zoomShown = zoomShown / 2.0f;
    planeZoom = Keep(arithmetic, planeZoom * zoomStep);
    return true;
}

void PlaneView::ResetZoom() {
    planeZoom = 1.0;
    zoomShown = 1.0f;
}

Text PlaneView::ZoomTooltip(char32_t decimalSeparator) const {
    if (IsNormalView()) return U"Visión normal";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%g", static_cast<double>(zoomShown));
    Text factor;
    for (const char* c = buffer; *c; ++c)
        factor.push_back(*c == '.' ? decimalSeparator : static_cast<char32_t>(*c));
    return U"Zoom x " + factor;
}

surface::Point PlaneView::PictureToPlane(surface::Point picture) const {
    return {Keep(arithmetic, (picture.x - kPictureCentre) * planeZoom),
            Keep(arithmetic, (kPictureCentre - picture.y) * planeZoom)};
}

surface::Point PlaneView::PlaneToPicture(surface::Point plane) const {
    const surface::Point step = PictureStep(plane.x, plane.y);
    return {kPictureCentre + step.x, kPictureCentre + step.y};
}

surface::Point PlaneView::PictureStep(double x, double y) const {
    return {Keep(arithmetic, x / planeZoom), Keep(arithmetic, -y / planeZoom)};
}

}  // namespace cp
