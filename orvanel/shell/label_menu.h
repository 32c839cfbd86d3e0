// The label menus of the splash and main menu windows: a label takes its hover colour while the
// pointer is over it and keeps it until the pointer moves over the window's background, which gives
// every label its resting colour again; a click on a label runs its action. Labels without a hover
// colour only swallow the pointer.
#pragma once

#include <QColor>
#include <QObject>
#include <functional>
#include <optional>
#include <vector>

class QLabel;
class QWidget;

namespace orvanel {

class LabelMenu : public QObject {
  public:
    // Watches the pointer over `form` (tracking on, no button needed).
    explicit LabelMenu(QWidget* form);

    void Add(QLabel* label, QColor rest, std::optional<QColor> hover, std::function<void()> onClick = {});
    // Every label back to its resting colour (the pointer over the background).
    void RestAll();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Entry {
        QLabel* label;
        QColor rest;
        std::optional<QColor> hover;
        std::function<void()> onClick;
    };
    QWidget* form_;
    std::vector<Entry> entries_;
};

}  // namespace orvanel
