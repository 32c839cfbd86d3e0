// The details window "Detalles del concepto": one label on a pale yellow ground, whose caption the
// main window sets when a concept is chosen with descriptions on. No code of its own.
#pragma once

#include <QWidget>

class QLabel;

namespace rorev {

class Form3 : public QWidget {
    Q_OBJECT

  public:
    Form3();
    QLabel* Label1() const { return label1_; }

  private:
    QLabel* label1_;
};

}  // namespace rorev
