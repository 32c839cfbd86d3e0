// A person's input in window tests: menu items, list items and buttons chosen with the mouse where
// they are on the screen, keys sent where the keyboard sends them.
#pragma once

#include <QKeySequence>

#include "surface/drawing_surface.h"

class QAction;
class QListWidget;
class QString;
class QWidget;

namespace surface {
class PictureWidget;
}

namespace real_input {

// A click on the item in its menu bar, or on its menu's title and then on the item.
void ClickMenuItem(QAction* item);
// A click on a list's row, scrolled into view first.
void ClickRow(QListWidget* list, int row);
// A click on the middle of a button, label or other control.
void Click(QWidget* control);
// A click, or the pointer moved with no button held, at the pixel of `picture` nearest the point `at`
// of its user scale. Both give the point of the user scale that the picture reports for that pixel.
surface::Point ClickPicture(surface::PictureWidget* picture, surface::Point at,
                            Qt::MouseButton button = Qt::LeftButton);
surface::Point MovePointer(surface::PictureWidget* picture, surface::Point at);
// A key pressed and released where the keyboard sends it: the open menu, else the focused control,
// else the active window.
void PressKey(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Keys pressed one after another, each as QKeySequence names it, blank-separated: "Alt+C Down Return".
void PressKeys(const QString& keys);

}  // namespace real_input
