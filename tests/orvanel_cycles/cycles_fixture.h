// What the cycles-window tests add to the window fixture: the cycles window opened from the main
// menu, and readers of its controls and drawing.
#pragma once

#include <vector>

#include "orvanel/cycles/form9_cycles.h"
#include "window_fixture.h"

class QPlainTextEdit;

namespace orvanel::testing {

class CyclesTest : public WindowTest {
  protected:
    // Subject 2 on 3 July 1965 at 09:15, then subject 1 on 5 December 2001 at 14:30, computed.
    void EnterBothComputed();
    // The cycles window opened from the main menu (subject 1 must be there).
    Form9Cycles& OpenFromMainMenu();
    Form9Cycles& Form9() { return windows_->Get<Form9Cycles>(WindowId::Cycles); }

    // The menu opened, as the user does before choosing an item.
    void OpenMenu(QWidget& window, const char* menu);
    QString LabelText(const char* name);
    QPlainTextEdit* Text1();
    const surface::DrawingSurface& Drawing();
    // The circles of the drawing with `radius`, in order.
    std::vector<surface::Primitive> Circles(double radius);
    std::vector<surface::Primitive> Lines() { return OfKind(Drawing(), surface::PrimitiveKind::Line); }
};

}  // namespace orvanel::testing
