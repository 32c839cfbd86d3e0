// The structure view "Estructura de la Rorev": the levels as arcs on a meridian circle, with the
// list of each level's arc and its radius on the plane. It replaces the main window while open;
// its close box ends the program.
#pragma once

#include <QMainWindow>
#include <QStringList>

#include "rorev/design_layout.h"

class QLabel;
class QListWidget;

namespace surface {
class PictureWidget;
}

namespace rorev {

class Form6 : public QMainWindow {
    Q_OBJECT

  public:
    explicit Form6(QWidget* mainWindow);

    // The main window's resize scales this window and its controls by the same ratio.
    void ScaleLayout(double ratio);

    surface::PictureWidget* Picture1() const { return picture1_; }
    QListWidget* List1() const { return list1_; }

    void Form_Activate();

  protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void mnuVolver_Click();
    QStringList TableLines() const;

    QWidget* mainWindow_;
    surface::PictureWidget* picture1_;
    QListWidget* list1_;
    QLabel* label1_;
    DesignLayout layout_;
};

}  // namespace rorev
