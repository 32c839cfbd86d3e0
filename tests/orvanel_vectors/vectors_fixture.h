// What the vectors-window tests add to the window fixture: the two vectors windows opened the usual
// way, and readers of the vectors a plane draws from its centre.
#pragma once

#include <vector>

#include "orvanel/vectors/form7_vectors.h"
#include "orvanel/vectors/form8_vectors_two.h"
#include "surface/picture_widget.h"
#include "window_fixture.h"

namespace orvanel::testing {

inline constexpr surface::Rgb kGreen = surface::RGB(0, 200, 0);
inline constexpr surface::Rgb kRed = surface::RGB(200, 0, 0);
inline constexpr surface::Rgb kPale = surface::RGB(255, 255, 192);

// A vector drawn from the plane's centre: its step in picture units and its colour.
struct DrawnVector {
    double dx, dy;
    surface::Rgb colour;
};

class VectorsTest : public WindowTest {
  protected:
    // Subject 1's chart window, then its "Vectores".
    Form7Vectors& OpenForm7();
    // The synastry of both subjects, then its "Vectores de dos".
    Form8VectorsTwo& OpenForm8();

    surface::PictureWidget* Picture(QWidget& window, const char* name) {
        return Find<surface::PictureWidget>(window, name);
    }
    // The vectors of `colour`; and whether one has the step (dx, dy) within `tolerance`.
    static std::vector<DrawnVector> OfColour(const surface::DrawingSurface& s, surface::Rgb colour);
    static bool HasStep(const std::vector<DrawnVector>& vectors, double dx, double dy,
                        double tolerance = 1e-3);
};

}  // namespace orvanel::testing
