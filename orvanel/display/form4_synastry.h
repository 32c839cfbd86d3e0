// Form4, the synastry window: one subject's wheel inside, the other's points and houses around it,
// both subjects' columns on the two sides, and the cross aspects by name on demand.
#pragma once

#include "orvanel/shell/working_window.h"

class QLabel;

namespace surface {
class ChoiceList;
class PictureWidget;
}  // namespace surface

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

    surface::PictureWidget* picture_ = nullptr;
    QLabel* innerHeading_ = nullptr;
    QLabel* innerPoints_ = nullptr;
    QLabel* innerHouses_ = nullptr;
    QLabel* outerHeading_ = nullptr;
    QLabel* outerPoints_ = nullptr;
    QLabel* outerHouses_ = nullptr;
    QLabel* crossHeading_ = nullptr;
    surface::ChoiceList* crossList_ = nullptr;
};

}  // namespace orvanel
