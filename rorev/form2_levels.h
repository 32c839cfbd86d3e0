// The levels view: the concepts of one pair of neighbouring levels enlarged on the level pattern,
// one button per pair, and "Cerrar" back to the main window. It replaces the main window while open.
#pragma once

#include <QWidget>
#include <array>
#include <cstdint>

#include "rorev/design_layout.h"

class QLabel;
class QPushButton;

namespace cp {
class ConceptTable;
}
namespace surface {
class PictureWidget;
}

namespace rorev {

class Form2 : public QWidget {
    Q_OBJECT

  public:
    Form2(const cp::ConceptTable& concepts, QWidget* mainWindow);

    // The main window's resize scales this window and its controls by the same ratio.
    void ScaleLayout(double ratio);

    surface::PictureWidget* Picture1() const { return picture1_; }
    QLabel* Label1() const { return label1_; }
    std::int16_t UpperLimit() const { return upperLimit_; }
    std::int16_t StartAngle() const { return startAngle_; }

    void Form_Activate();

  protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void CommandPair_Click(int pair);
    void Command8_Click();

    const cp::ConceptTable& concepts_;
    QWidget* mainWindow_;
    surface::PictureWidget* picture1_;
    QLabel* label1_;
    DesignLayout layout_;
    std::int16_t upperLimit_ = 0;  // L
    std::int16_t startAngle_ = 0;  // A0
};

}  // namespace rorev
