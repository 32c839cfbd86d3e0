#include "rorev/widget_colours.h"

#include <QPalette>
#include <QWidget>

namespace rorev {

void SetColours(QWidget* widget, QColor fore, QColor back) {
    QPalette palette = widget->palette();
    for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
        palette.setColor(role, back);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, fore);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void SetButtonFace(QWidget* button) {
    SetColours(button, Qt::black, QColor(212, 208, 200));
}

void SetTransparent(QWidget* widget, QColor fore) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, fore);
    widget->setPalette(palette);
    widget->setAutoFillBackground(false);
    widget->setAttribute(Qt::WA_TranslucentBackground);
}

}  // namespace rorev
