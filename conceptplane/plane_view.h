// The template's coordinates: the 10600 x 10600 picture with its centre at (5300, 5300), the plane
// with y upwards, and the zoom (plane units per picture unit) with its steps and limits.
#pragma once

#include "conceptplane/plane_arithmetic.h"
#include "conceptplane/text.h"
#include "surface/drawing_surface.h"

namespace cp {

inline constexpr double kTemplateScale = 10600;  // user scale of the main picture, both axes
inline constexpr double kPictureCentre = 5300;   // the plane's centre on the picture

// The zoom is changed only while it is beyond these bounds: in while above zoomInAbove, out while
// below zoomOutBelow.
struct ZoomLimits {
    double zoomInAbove;
    double zoomOutBelow;
};
inline constexpr ZoomLimits kRorevZoomLimits{0.02, 4.0};
inline constexpr ZoomLimits kOrvanelZoomLimits{static_cast<double>(0.02f), 50.0};

struct PlaneView {
    explicit PlaneView(Arithmetic kind = Arithmetic::Rorev);

    Arithmetic arithmetic;
    double planeZoom = 1.0;  // plane units per picture unit (Orvanel: a single-precision value)
    double zoomStep;         // 5198 / 1393 (Orvanel: stored in single precision)
    float zoomShown = 1.0f;  // rorev's factor shown in the tooltip: 2 per step in, 1/2 per step out

    // One step in (zoom / step) or out (zoom * step) within the program's limits; false when the
    // limit refused it and nothing changed.
    bool ZoomIn();
    bool ZoomOut();
    // Back to normal view (the line search does this): zoom 1, zoomShown 1.
    void ResetZoom();
    bool IsNormalView() const { return planeZoom == 1.0; }
    // rorev's tooltip of the "Zoom" label: "Visión normal" at zoom 1 exactly, else "Zoom x " and
    // zoomShown written with the user's decimal separator (the window passes its locale's).
    Text ZoomTooltip(char32_t decimalSeparator) const;

    // Picture point -> plane point, and back.
    surface::Point PictureToPlane(surface::Point picture) const;
    surface::Point PlaneToPicture(surface::Point plane) const;
    // The picture step that draws the plane vector (x, y) from the centre: (x / zoom, -y / zoom).
    surface::Point PictureStep(double x, double y) const;
};

ZoomLimits LimitsFor(Arithmetic arithmetic);

}  // namespace cp
