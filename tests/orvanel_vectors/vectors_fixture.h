// What the vectors-window tests add to the window fixture: both subjects computed, the two vectors
// windows opened the usual way, clicks on their planes at plane points, and the vectors a plane draws
// from its centre.
#pragma once

#include <vector>

#include "conceptplane/plane_view.h"
#include "conceptplane/zoom_box.h"
#include "orvanel/vectors/form7_vectors.h"
#include "orvanel/vectors/form8_vectors_two.h"
#include "orvanel/vectors/plane_session.h"
#include "real_input.h"
#include "window_fixture.h"

namespace orvanel::testing {

inline constexpr surface::Rgb kGreen = surface::RGB(0, 200, 0);
inline constexpr surface::Rgb kRed = surface::RGB(200, 0, 0);
inline constexpr surface::Rgb kPale = surface::RGB(255, 255, 192);
// The planes: Form7's one, Form8's of subject 1 and of subject 2.
inline constexpr const char* kPlanes[] = {"Picture1", "Picture2"};

class VectorsTest : public WindowTest {
  protected:
    VectorsTest() { EnterBothComputed(); }
    // Subject 1's chart window, then its "Vectores"; the synastry, then its "Vectores de dos".
    Form7Vectors& OpenForm7() { return static_cast<Form7Vectors&>(ShowOnly(WindowId::Vectors)); }
    Form8VectorsTwo& OpenForm8() { return static_cast<Form8VectorsTwo&>(ShowOnly(WindowId::VectorsTwo)); }
    // The plane both windows share.
    PlaneSession& Plane() { return windows_->Get<Form7Vectors>(WindowId::Vectors).Plane(); }

    // A click on `picture` of `window` at the plane point `at`; the plane point the picture reports.
    surface::Point ClickPlane(QWidget& window, surface::Point at, Qt::MouseButton button = Qt::LeftButton,
                              const char* picture = "Picture1") {
        const cp::PlaneView view = Plane().view;  // as it was before the click, which may change it
        return view.PictureToPlane(
            real_input::ClickPicture(Picture(window, picture), view.PlaneToPicture(at), button));
    }
    // The vectors of `colour` that `picture` draws from the plane's centre, as plane points.
    std::vector<surface::Point> DrawnVectors(QWidget& window, surface::Rgb colour,
                                             const char* picture = "Picture1") {
        std::vector<surface::Point> vectors;
        for (const surface::Point& step : display_list::StepsFrom(
                 Picture(window, picture)->Surface(), {cp::kPictureCentre, cp::kPictureCentre}, colour))
            vectors.push_back({step.x * Plane().view.planeZoom, -step.y * Plane().view.planeZoom});
        return vectors;
    }
    // Whether `picture` shows the fourteen vectors of `chart`.
    ::testing::AssertionResult ShowsVectorsOf(QWidget& window, const char* picture, const ChartSlot& chart) {
        const std::vector<surface::Point> pale = DrawnVectors(window, kPale, picture);
        for (std::size_t k = 1; k <= 14; ++k)
            if (!display_list::HasStep(pale, {double(chart.vectorX[k]), double(chart.vectorY[k])}, 0.01))
                return ::testing::AssertionFailure() << picture << " lacks vector " << k;
        return ::testing::AssertionSuccess();
    }
};

}  // namespace orvanel::testing
