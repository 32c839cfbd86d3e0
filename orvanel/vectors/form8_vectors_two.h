// Form8, the two-subject vectors window: subjects 1 and 2 side by side, each on its own concept plane
// with its chart vectors and glyphs, one zoom box for both, the cross aspects and each subject's
// aspects in glyphs. Points clicked on either plane go into one common sum or one line.
#pragma once

#include <cstdint>

#include "conceptplane/vector_workspace.h"
#include "orvanel/shell/working_window.h"

class QLabel;
class QListWidget;

namespace surface {
class ChoiceList;
class PictureWidget;
}  // namespace surface

namespace orvanel {

enum class WindowId;
class PlaneSession;

class Form8VectorsTwo : public WorkingWindow {
  public:
    Form8VectorsTwo(Windows& windows, PlaneSession& plane);

    // The synastry window's "Vectores de dos": the cross aspects computed, both planes drawn,
    // shown in place of `from`. CurrentSubject is left at 2.
    void OpenFromSynastry(WindowId from);

    void mnuSuma_Click();
    void mnuRecta_Click();
    void Command1_Click();
    void Command4_Click();
    // `plane` is 1 (Picture1, subject 1) or 2 (Picture2, subject 2).
    void Picture_MouseDown(int plane, int button, double x, double y);
    void Picture_MouseMove(int plane, double x, double y);

    // The plane this window shares with the other vectors window.
    PlaneSession& Plane() { return plane_; }

  private:
    void BuildControls();
    void BuildMenus();
    surface::PictureWidget* PictureOf(int plane) const;
    // A new series in `mode`, both planes redrawn (ChooseMode draws Picture1).
    void StartSeries(cp::PlaneMode mode, const QString& caption);
    // CurrentSubject 1 and Picture1 drawn, then CurrentSubject 2 and Picture2.
    void RedrawBoth();
    QString SubjectsNote() const;

    PlaneSession& plane_;
    surface::PictureWidget* pictures_[2]{};
    surface::PictureWidget* picture3_ = nullptr;
    QLabel* readouts_[2][2]{};    // per plane: angle, radius
    QLabel* subjectLabels_[2]{};  // "Sujeto 1º", "Sujeto 2º"
    QLabel* titles_[2]{};
    surface::ChoiceList* list1_ = nullptr;
    QListWidget* list2_ = nullptr;
    QListWidget* list3_ = nullptr;
    QListWidget* list4_ = nullptr;
};

}  // namespace orvanel
