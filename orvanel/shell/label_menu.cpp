#include "orvanel/shell/label_menu.h"

#include <QLabel>
#include <QMouseEvent>
#include <QWidget>

#include "orvanel/shell/form_controls.h"
#include "surface/accessibility.h"

namespace orvanel {

LabelMenu::LabelMenu(QWidget* form) : QObject(form), form_(form) {
    form_->setMouseTracking(true);
    form_->installEventFilter(this);
}

void LabelMenu::Add(QLabel* label, QColor rest, std::optional<QColor> hover, std::function<void()> onClick) {
    label->setMouseTracking(true);
    label->installEventFilter(this);
    SetForeColour(label, rest);
    if (onClick) surface::ExposeAs(label, QAccessible::Button);  // it acts as a button does
    entries_.push_back(Entry{label, rest, hover, std::move(onClick)});
}

void LabelMenu::RestAll() {
    for (const Entry& e : entries_)
        SetForeColour(e.label, e.rest);
}

bool LabelMenu::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == form_) {
        if (type == QEvent::MouseMove) RestAll();
        return false;
    }
    for (const Entry& e : entries_) {
        if (e.label != watched) continue;
        if (type == QEvent::MouseMove && e.hover) SetForeColour(e.label, *e.hover);
        if (type == QEvent::MouseButtonRelease && e.onClick) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton && e.label->rect().contains(mouse->position().toPoint()))
                e.onClick();
        }
        // The background under the label does not see the pointer.
        return type == QEvent::MouseMove || type == QEvent::MouseButtonPress ||
               type == QEvent::MouseButtonRelease;
    }
    return false;
}

}  // namespace orvanel
