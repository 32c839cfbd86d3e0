// Picture and plane coordinates, the zoom steps with both programs' limits, rorev's zoom tooltip.
#include <gtest/gtest.h>

#include "conceptplane/plane_view.h"

using cp::Arithmetic;
using cp::PlaneView;

TEST(PlaneView, MapsPictureAndPlaneBothWaysAtEveryZoom) {
    PlaneView view;
    EXPECT_EQ(view.PictureToPlane({10600, 0}).x, 5300);
    EXPECT_EQ(view.PictureToPlane({10600, 0}).y, 5300);
    for (int step = 0; step < 3; ++step) {
        const auto centre = view.PictureToPlane({5300, 5300});
        EXPECT_EQ(centre.x, 0);
        EXPECT_EQ(centre.y, 0);
        const auto plane = view.PictureToPlane({6300, 4300});
        EXPECT_NEAR(plane.x, 1000 * view.planeZoom, 1e-9);
        EXPECT_NEAR(plane.y, 1000 * view.planeZoom, 1e-9);
        const auto back = view.PlaneToPicture(plane);
        EXPECT_NEAR(back.x, 6300, 1e-9);
        EXPECT_NEAR(back.y, 4300, 1e-9);
        const auto step12 = view.PictureStep(plane.x, plane.y);
        EXPECT_NEAR(step12.x, 1000, 1e-9);
        EXPECT_NEAR(step12.y, -1000, 1e-9);
        view.ZoomOut();
    }
}

TEST(PlaneView, RorevZoomsInThreeTimesAndOutTwice) {
    PlaneView view(Arithmetic::Rorev);
    const double in[] = {0.26799, 0.07182, 0.019246};
    for (double expected : in) {
        EXPECT_TRUE(view.ZoomIn());
        EXPECT_NEAR(view.planeZoom, expected, 5e-6);
    }
    EXPECT_FALSE(view.ZoomIn());  // the fourth press changes nothing
    EXPECT_NEAR(view.planeZoom, 0.019246, 5e-6);
    EXPECT_EQ(view.zoomShown, 8.0f);

    PlaneView out(Arithmetic::Rorev);
    EXPECT_TRUE(out.ZoomOut());
    EXPECT_TRUE(out.ZoomOut());
    EXPECT_NEAR(out.planeZoom, 13.924, 5e-4);
    EXPECT_FALSE(out.ZoomOut());
    EXPECT_EQ(out.zoomShown, 0.25f);
}

TEST(PlaneView, OrvanelZoomsWithinFiftyAndTwoHundredthsInSinglePrecision) {
    PlaneView out(Arithmetic::Orvanel);
    EXPECT_EQ(out.zoomStep, static_cast<double>(static_cast<float>(5198.0 / 1393.0)));
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(out.ZoomOut());
    EXPECT_NEAR(out.planeZoom, 51.96, 5e-3);
    EXPECT_EQ(out.planeZoom, static_cast<double>(static_cast<float>(out.planeZoom)));
    EXPECT_FALSE(out.ZoomOut());

    PlaneView in(Arithmetic::Orvanel);
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(in.ZoomIn());
    EXPECT_NEAR(in.planeZoom, 0.0192, 1e-4);
    EXPECT_FALSE(in.ZoomIn());

    PlaneView picture(Arithmetic::Orvanel);
    picture.ZoomIn();
    const auto p = picture.PictureToPlane({5301, 5300});
    EXPECT_EQ(p.x, static_cast<double>(static_cast<float>(p.x)));
}

TEST(PlaneView, TooltipNamesTheZoomShownWithTheLocaleSeparator) {
    PlaneView view;
    EXPECT_EQ(view.ZoomTooltip(U','), U"Visión normal");
    view.ZoomIn();
    EXPECT_EQ(view.ZoomTooltip(U','), U"Zoom x 2");
    view.ZoomOut();
    EXPECT_EQ(view.ZoomTooltip(U','), U"Visión normal");  // one step in and one out is zoom 1 again
    view.ZoomOut();
    EXPECT_EQ(view.ZoomTooltip(U','), U"Zoom x 0,5");
    view.ZoomOut();
    EXPECT_EQ(view.ZoomTooltip(U'.'), U"Zoom x 0.25");
    view.ResetZoom();
    EXPECT_EQ(view.ZoomTooltip(U','), U"Visión normal");
    EXPECT_EQ(view.zoomShown, 1.0f);
}
