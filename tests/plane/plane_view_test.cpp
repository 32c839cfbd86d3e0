// Picture and plane coordinates, the zoom steps with both programs' limits, rorev's zoom tooltip.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "conceptplane/plane_view.h"
#include "plane_fixture.h"

using cp::Arithmetic;
using cp::PlaneView;
using surface::Point;

TEST(PlaneView, MapsPictureAndPlaneBothWaysAtEveryZoom) {
    PlaneView view;
    for (int step = 0; step < 3; ++step, view.ZoomOut()) {
        EXPECT_EQ(view.PictureToPlane({5300, 5300}), (Point{0, 0}));
        const Point plane = view.PictureToPlane({6300, 4300});
        planetest::ExpectNear(plane, {1000 * view.planeZoom, 1000 * view.planeZoom}, 1e-9);
        planetest::ExpectNear(view.PlaneToPicture(plane), {6300, 4300}, 1e-9);
        planetest::ExpectNear(view.PictureStep(plane.x, plane.y), {1000, -1000}, 1e-9);
    }
}

TEST(PlaneView, ZoomStepsStopAtEachProgramsLimits) {
    const struct {
        Arithmetic arithmetic;
        bool in;
        std::vector<double> zooms;  // after each press; one press more changes nothing
        double tolerance;
        char32_t separator;
        const char32_t* tooltip;  // the zoom shown, with the locale's separator
    } cases[] = {
        {Arithmetic::Rorev, true, {0.26799, 0.07182, 0.019246}, 5e-6, U',', U"Zoom x 8"},
        {Arithmetic::Rorev, false, {3.7315, 13.924}, 5e-4, U'.', U"Zoom x 0.25"},
        {Arithmetic::Orvanel, true, {0.26799, 0.07182, 0.0192}, 1e-4, U',', U"Zoom x 8"},
        {Arithmetic::Orvanel, false, {3.7315, 13.924, 51.96}, 5e-3, U',', U"Zoom x 0,125"},
    };
    for (const auto& c : cases) {
        PlaneView view(c.arithmetic);
        const auto press = [&] { return c.in ? view.ZoomIn() : view.ZoomOut(); };
        for (const double zoom : c.zooms) {
            EXPECT_TRUE(press());
            EXPECT_NEAR(view.planeZoom, zoom, c.tolerance);
        }
        EXPECT_FALSE(press());
        EXPECT_NEAR(view.planeZoom, c.zooms.back(), c.tolerance);
        EXPECT_EQ(view.ZoomTooltip(c.separator), c.tooltip);
        if (c.arithmetic == Arithmetic::Orvanel) {  // single precision, in the zoom and in every point
            EXPECT_EQ(view.planeZoom, static_cast<double>(static_cast<float>(view.planeZoom)));
            const double x = view.PictureToPlane({5301, 5300}).x;
            EXPECT_EQ(x, static_cast<double>(static_cast<float>(x)));
        }
        view.ResetZoom();
        EXPECT_TRUE(press());
        EXPECT_TRUE(c.in ? view.ZoomOut() : view.ZoomIn());
        EXPECT_EQ(view.ZoomTooltip(U','), U"Visión normal") << "reset, then one step each way: zoom 1 again";
    }
}
