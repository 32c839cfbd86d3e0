// A list box that acts only when a person chooses an item, as the classic list box did: a mouse press
// and release over its items (a drag over the rows chooses once, the item under the release), or the
// keyboard on the focused list (a key that moves the current item chooses it; Space and Enter choose
// the current item). Qt makes an item current when the list merely gets the focus (Tab, a dialog or
// menu closing, the window activated again): that chooses nothing here. The chosen item stays shown
// selected until the list is refilled, and choosing it again is a new choice.
#pragma once

#include <QListWidget>
#include <QPersistentModelIndex>

namespace surface {

class ChoiceList : public QListWidget {
    Q_OBJECT

  public:
    explicit ChoiceList(QWidget* parent = nullptr);

  signals:
    // The chosen item's text, copied before the signal: a handler may clear or refill the list.
    void chosen(const QString& text);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void Choose(QListWidgetItem* item);
    // The selection back on the chosen item, after a press that chose nothing.
    void ShowChosen();

    bool pressedOnItem_ = false;
    QPersistentModelIndex chosen_;
};

}  // namespace surface
