// What the vectors-window tests add to the window fixture: both subjects computed, the two vectors
// windows opened the usual way, clicks on their planes at plane points, and the vectors a plane draws
// from its centre.
#pragma once

#include <vector>

#include "conceptplane/zoom_box.h"
#include "orvanel/vectors/form7_vectors.h"
#include "orvanel/vectors/form8_vectors_two.h"
#include "orvanel/vectors/plane_session.h"
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
                              const char* picture = "Picture1");
    // The pointer moved over `picture` to the plane point `at`: `box` must show what the zoom box code
    // draws around the point reported, whose readout texts this gives.
    cp::ZoomReadouts PointerAt(QWidget& window, const char* picture, surface::Point at, const char* box);
    // The vectors of `colour` that `picture` draws from the plane's centre, as plane points.
    std::vector<surface::Point> DrawnVectors(QWidget& window, surface::Rgb colour,
                                             const char* picture = "Picture1");
    // Whether `picture` shows the fourteen vectors of `chart`.
    ::testing::AssertionResult ShowsVectorsOf(QWidget& window, const char* picture, const ChartSlot& chart);
};

}  // namespace orvanel::testing
