// The label menus of the splash and main menu windows: a label takes its hover colour while the
// pointer is over it and keeps it until the pointer moves over the window's background, which gives
// every label its resting colour again; a click on a label runs its action. Labels without a hover
// colour only swallow the pointer. From the keyboard, Tab and Shift+Tab move between the labels that
// act, in reading order; the one with the focus shows its hover colour, and Enter or Space runs it.
// The window itself holds the focus when it opens, so that no label is lit before a key is pressed.
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
    // Every label back to its resting colour (the pointer over the background), but the focused one.
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
    // The labels that act, chained for Tab in reading order: top to bottom, then left to right.
    void OrderTabs();
    bool OnLabelEvent(const Entry& entry, QEvent* event);

    QWidget* form_;
    std::vector<Entry> entries_;
};

}  // namespace orvanel
