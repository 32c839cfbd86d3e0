// Form1, the splash window: the program's name, what it is for, and "Entrar" to the main menu.
#pragma once

#include <QWidget>

namespace orvanel {

class Windows;

class Form1Splash : public QWidget {
  public:
    explicit Form1Splash(Windows& windows);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    Windows& windows_;
};

}  // namespace orvanel
