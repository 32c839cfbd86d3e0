// Form3, the chart window: the wheel of the current subject, its aspect list, the positions of the
// twelve points and the twelve house cusps in the symbol font; a click on the wheel makes the clicked
// direction the new Ascendant.
#pragma once

#include "orvanel/shell/working_window.h"

class QLabel;
class QListWidget;

namespace surface {
class PictureWidget;
}

namespace orvanel {

enum class WindowId;

class Form3Chart : public WorkingWindow {
  public:
    explicit Form3Chart(Windows& windows);

    // The chart of CurrentSubject, or the message "No hay escogido ningún sujeto" when it has none.
    void ShowChartWindow();
    // The chart of CurrentSubject without that check, coming from `from`.
    void OpenUnchecked(WindowId from);

    void Picture1_MouseDown(int button, double x, double y);

  private:
    void Draw();

    surface::PictureWidget* picture_;
    QListWidget* list_;
    QLabel* points_;
    QLabel* houses_;
};

}  // namespace orvanel
