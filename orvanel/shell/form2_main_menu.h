// Form2, the main menu: the date entry, the chart of subject 1, the synastry and the end of the
// program, as labels that change colour under the pointer and act on a click.
#pragma once

#include <QWidget>

namespace orvanel {

class Windows;

class Form2MainMenu : public QWidget {
  public:
    explicit Form2MainMenu(Windows& windows);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void Label1_Click();
    void Label4_Click();

    Windows& windows_;
};

}  // namespace orvanel
