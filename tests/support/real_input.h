// A person's input in window tests: menu items, list items and buttons chosen with the mouse where
// they are on the screen, keys sent where the keyboard sends them.
#pragma once

#include <QKeySequence>

class QAbstractButton;
class QAction;
class QListWidget;
class QWidget;

namespace real_input {

// A click on the item in its menu bar, or on its menu's title and then on the item.
void ClickMenuItem(QAction* item);
// A click on a list's row, scrolled into view first.
void ClickRow(QListWidget* list, int row);
void ClickButton(QAbstractButton* button);
// A key pressed and released where the keyboard sends it: the open menu, else the focused control,
// else the active window.
void PressKey(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

}  // namespace real_input
