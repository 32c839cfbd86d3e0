// Form4, the synastry window: one subject's wheel inside, the other's points and houses around it,
// both subjects' columns on the two sides, and the cross aspects by name on demand.
#pragma once

#include "orvanel/shell/working_window.h"

class QLabel;
class QListWidget;

namespace surface {
class PictureWidget;
}

namespace orvanel {

enum class WindowId;

class Form4Synastry : public WorkingWindow {
  public:
    explicit Form4Synastry(Windows& windows);

    // Checks both subjects (with a message for each one missing); when both are there shows this
    // window, hides `caller` and draws.
    bool StartSynastry(WindowId caller);
    // The inner subject is CurrentSubject; afterwards CurrentSubject is the outer one.
    void DrawSynastry();

    void mnuAlternar_Click();
    void mnuCruzados_Click();
    void mnuCarta_Click();
    void List1_Click();

  private:
    void HideCrossList();

    surface::PictureWidget* picture_;
    QLabel* innerHeading_;
    QLabel* innerPoints_;
    QLabel* innerHouses_;
    QLabel* outerHeading_;
    QLabel* outerPoints_;
    QLabel* outerHouses_;
    QLabel* crossHeading_;
    QListWidget* crossList_;
};

}  // namespace orvanel
