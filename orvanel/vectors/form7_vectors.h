// Form7, the vectors window of one subject: the concept plane with the subject's fourteen chart
// vectors and glyphs, the zoom box and readouts under the mouse, the subject's aspects in glyphs, the
// concepts that name the chart, the analysis of one body's vector, and the sum, remainder and line
// operations on the plane.
#pragma once

#include "conceptplane/vector_workspace.h"
#include "orvanel/shell/working_window.h"

class QLabel;
class QLineEdit;
class QListWidget;

namespace surface {
class ChoiceList;
class PictureWidget;
}  // namespace surface

namespace orvanel {

enum class WindowId;
class PlaneSession;

class Form7Vectors : public WorkingWindow {
  public:
    Form7Vectors(Windows& windows, PlaneSession& plane);

    // The chart window's "Vectores": this window on the current subject, plane state reset, shown
    // in place of `from`.
    void OpenFromChart(WindowId from);

    void mnuAstrales_Click();
    void ChooseMode(cp::PlaneMode mode);
    void mnuAnalizar_Click();
    void ListaPlanetas_Click(const QString& glyph);
    void Command3_Click();
    void Command2_Click();
    void Picture1_MouseDown(int button, double x, double y);
    void Picture1_MouseMove(double x, double y);

    // The plane this window shares with the other vectors window.
    PlaneSession& Plane() { return plane_; }

  private:
    void BuildControls();
    void BuildMenus();
    void Redraw();
    // The caption of faults and refusals: the mode's, or the window's own outside a mode.
    QString Caption() const;

    PlaneSession& plane_;
    surface::PictureWidget* picture1_ = nullptr;
    surface::PictureWidget* picture2_ = nullptr;
    QLineEdit* readouts_[4]{};
    QLabel* label1_ = nullptr;
    QListWidget* list1_ = nullptr;
    QListWidget* list3_ = nullptr;
    surface::ChoiceList* list4_ = nullptr;
    QListWidget* list5_ = nullptr;
    surface::ChoiceList* listaPlanetas_ = nullptr;
    // The caption of the mode last chosen here, which the mode label shows again when the plane is
    // clicked after a body's analysis ("Analizar vectores", or the Sun's note).
    QString modeCaption_;
};

}  // namespace orvanel
