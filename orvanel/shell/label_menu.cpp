#include "orvanel/shell/label_menu.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QWidget>
#include <algorithm>

#include "orvanel/shell/form_controls.h"
#include "surface/accessibility.h"

namespace orvanel {

LabelMenu::LabelMenu(QWidget* form) : QObject(form), form_(form) {
    form_->setMouseTracking(true);
    form_->installEventFilter(this);
    form_->setFocusPolicy(Qt::ClickFocus);
    form_->setFocus();
}

void LabelMenu::Add(QLabel* label, QColor rest, std::optional<QColor> hover, std::function<void()> onClick) {
    label->setMouseTracking(true);
    label->installEventFilter(this);
    SetForeColour(label, rest);
    if (hover && onClick) label->setFocusPolicy(Qt::TabFocus);
    if (onClick) surface::ExposeAs(label, QAccessible::Button);  // it acts as a button does
    entries_.push_back(Entry{label, rest, hover, std::move(onClick)});
    OrderTabs();
}

void LabelMenu::OrderTabs() {
    std::vector<QLabel*> chain;
    for (const Entry& e : entries_)
        if (e.label->focusPolicy() == Qt::TabFocus) chain.push_back(e.label);
    std::stable_sort(chain.begin(), chain.end(), [](const QLabel* a, const QLabel* b) {
        const QRect ra = a->geometry(), rb = b->geometry();
        return ra.top() != rb.top() ? ra.top() < rb.top() : ra.left() < rb.left();
    });
    for (std::size_t i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

void LabelMenu::RestAll() {
    for (const Entry& e : entries_)
        if (!e.label->hasFocus()) SetForeColour(e.label, e.rest);
}

bool LabelMenu::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == form_) {
        if (type == QEvent::MouseMove) RestAll();
        return false;
    }
    const auto entry = std::find_if(entries_.begin(), entries_.end(),
                                    [watched](const Entry& e) { return e.label == watched; });
    return entry != entries_.end() && OnLabelEvent(*entry, event);
}

bool LabelMenu::OnLabelEvent(const Entry& e, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseMove:
            if (e.hover) SetForeColour(e.label, *e.hover);
            return true;  // the background under the label does not see the pointer
        case QEvent::MouseButtonPress:
            return true;
        case QEvent::MouseButtonRelease: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (e.onClick && mouse->button() == Qt::LeftButton &&
                e.label->rect().contains(mouse->position().toPoint()))
                e.onClick();
            return true;
        }
        case QEvent::FocusIn:
            if (e.hover) SetForeColour(e.label, *e.hover);
            return false;
        case QEvent::FocusOut:
            SetForeColour(e.label, e.rest);
            return false;
        case QEvent::KeyPress: {
            const auto* key = static_cast<QKeyEvent*>(event);
            const bool runs =
                key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Space;
            if (!runs || !e.onClick) return false;
            if (!key->isAutoRepeat()) e.onClick();
            return true;
        }
        default:
            return false;
    }
}

}  // namespace orvanel
