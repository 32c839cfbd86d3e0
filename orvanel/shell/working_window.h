// The frame of Orvanel's working windows (chart, synastry, vectors, cycles): a black client area of
// a fixed design size under a bar of top-level menu items, wrapped onto a second row when they do not
// fit the width. Closing one ends the program.
#pragma once

#include <QMainWindow>
#include <functional>

class QMenuBar;

namespace orvanel {

class Windows;

class WorkingWindow : public QMainWindow {
  public:
    WorkingWindow(Windows& windows, const char* name, int widthTwips, int heightTwips);

    // Where the controls go, placed in twips.
    QWidget* Client() const { return client_; }
    // A top-level item of the menu bar that runs `action` when chosen.
    QAction* AddMenuItem(const char* name, const QString& caption, std::function<void()> action);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

    Windows& windows_;

  private:
    QMenuBar* secondRow_;
    QWidget* client_;
};

}  // namespace orvanel
