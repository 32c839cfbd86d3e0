// What the cycles-window tests add to the window fixture: the cycles window and its drawing.
#pragma once

#include <QLabel>
#include <vector>

#include "orvanel/cycles/form9_cycles.h"
#include "window_fixture.h"

namespace orvanel::testing {

class CyclesTest : public WindowTest {
  protected:
    Form9Cycles& Form9() { return windows_->Get<Form9Cycles>(WindowId::Cycles); }
    QString LabelText(const char* name) { return Find<QLabel>(Form9(), name)->text(); }
    const surface::DrawingSurface& Drawing() { return Picture(Form9(), "Picture")->Surface(); }
    std::vector<surface::Primitive> Lines() { return OfKind(Drawing(), surface::PrimitiveKind::Line); }
    // The centres of the drawing's circles of `radius`, in order.
    std::vector<surface::Point> Centres(double radius) {
        std::vector<surface::Point> found;
        for (const surface::Primitive& p : OfKind(Drawing(), surface::PrimitiveKind::Circle))
            if (p.radius == radius) found.push_back(p.a);
        return found;
    }
};

}  // namespace orvanel::testing
