// The vectors windows' test fixture.
#include "vectors_fixture.h"

#include "conceptplane/plane_view.h"
#include "real_input.h"

namespace orvanel::testing {

surface::Point VectorsTest::ClickPlane(QWidget& window, surface::Point at, Qt::MouseButton button,
                                       const char* picture) {
    const cp::PlaneView view = Plane().view;  // as it was before the click, which may change it
    return view.PictureToPlane(
        real_input::ClickPicture(Picture(window, picture), view.PlaneToPicture(at), button));
}

cp::ZoomReadouts VectorsTest::PointerAt(QWidget& window, const char* picture, surface::Point at,
                                        const char* box) {
    const cp::PlaneView& view = Plane().view;
    const surface::Point reported =
        view.PictureToPlane(real_input::MovePointer(Picture(window, picture), view.PlaneToPicture(at)));
    cp::CurrentPoint point{reported.x, reported.y};
    const surface::DrawingSurface& shown = Picture(window, box)->Surface();
    EXPECT_EQ(shown.List(), display_list::DrawnOnBlankCopy(shown, [&](surface::DrawingSurface& s) {
                  cp::ShowZoomBox(s, point, session_->concepts, cp::Arithmetic::Orvanel);
              }));
    return cp::MakeReadouts(point, cp::Arithmetic::Orvanel);
}

std::vector<surface::Point> VectorsTest::DrawnVectors(QWidget& window, surface::Rgb colour,
                                                      const char* picture) {
    const double zoom = Plane().view.planeZoom;
    std::vector<surface::Point> vectors;
    const surface::Point centre{cp::kPictureCentre, cp::kPictureCentre};
    for (const surface::Point& step :
         display_list::StepsFrom(Picture(window, picture)->Surface(), centre, colour))
        vectors.push_back({step.x * zoom, -step.y * zoom});
    return vectors;
}

::testing::AssertionResult VectorsTest::ShowsVectorsOf(QWidget& window, const char* picture,
                                                       const ChartSlot& chart) {
    const std::vector<surface::Point> pale = DrawnVectors(window, kPale, picture);
    for (std::size_t k = 1; k <= 14; ++k)
        if (!display_list::HasStep(pale, {double(chart.vectorX[k]), double(chart.vectorY[k])}, 0.01))
            return ::testing::AssertionFailure() << picture << " lacks vector " << k;
    return ::testing::AssertionSuccess();
}

}  // namespace orvanel::testing
