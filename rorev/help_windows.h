// The two help windows: one read-only, scrolling text box filling the window. They open beside the
// main window and close with their close boxes; they have no code of their own.
#pragma once

#include <QWidget>

class QPlainTextEdit;

namespace rorev {

class HelpWindow : public QWidget {
    Q_OBJECT

  public:
    HelpWindow(const QString& title, const QString& text);
    QPlainTextEdit* Text1() const { return text1_; }
    // Shown, or brought in front of the other windows and given the keyboard when already open.
    void ShowInFront();

  private:
    QPlainTextEdit* text1_;
};

// "Instrucciones de uso".
class Form4 : public HelpWindow {
    Q_OBJECT

  public:
    Form4();
};

// "Descripción de la Rorev".
class Form5 : public HelpWindow {
    Q_OBJECT

  public:
    Form5();
};

}  // namespace rorev
