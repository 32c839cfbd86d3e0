#include "window_steps.h"

#include <QAction>
#include <cstdio>
#include <cstdlib>

#include "surface/picture_widget.h"

namespace manual_shots {

void Missing(const QWidget& window, const char* name) {
    std::fprintf(stderr, "manual-shots: %s has no control %s\n", qPrintable(window.objectName()), name);
    std::exit(1);
}

void Choose(QWidget& window, const char* name) {
    Find<QAction>(window, name).trigger();
}

void PointAt(surface::PictureWidget& picture, double x, double y, int button) {
    emit picture.mouseMove(0, x, y);
    if (button != 0) emit picture.mouseDown(button, x, y);
}

}  // namespace manual_shots
