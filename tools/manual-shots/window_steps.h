// The steps the shots take in a window, by the object names of its controls. A control that is not
// there ends the run: a picture taken without it would show the wrong thing.
#pragma once

#include <QWidget>

namespace surface {
class PictureWidget;
}

namespace manual_shots {

[[noreturn]] void Missing(const QWidget& window, const char* name);

template <class T>
T& Find(QWidget& window, const char* name) {
    T* found = window.findChild<T*>(QLatin1String(name));
    if (found == nullptr) Missing(window, name);
    return *found;
}

// The menu item `name` chosen.
void Choose(QWidget& window, const char* name);

// The mouse over a point of the picture, in its user scale; then, unless `button` is 0, that button
// pressed there (1 left, 2 right).
void PointAt(surface::PictureWidget& picture, double x, double y, int button = 0);

}  // namespace manual_shots
