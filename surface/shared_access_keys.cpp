#include "surface/shared_access_keys.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QShortcutEvent>
#include <algorithm>
#include <iterator>
#include <vector>

namespace surface {

namespace {

// The visible menu bars of a window, top row first (working windows wrap their items onto two).
std::vector<QMenuBar*> BarsOf(QWidget* window) {
    const QList<QMenuBar*> all = window->findChildren<QMenuBar*>();
    std::vector<QMenuBar*> bars;
    std::copy_if(all.begin(), all.end(), std::back_inserter(bars),
                 [](const QMenuBar* bar) { return bar->isVisible(); });
    std::sort(bars.begin(), bars.end(), [window](const QMenuBar* a, const QMenuBar* b) {
        return a->mapTo(window, QPoint()).y() < b->mapTo(window, QPoint()).y();
    });
    return bars;
}

struct Item {
    QMenuBar* bar;
    QAction* action;
};

// The items of `bars`, in reading order, whose access key is `key`.
std::vector<Item> ItemsWithKey(const std::vector<QMenuBar*>& bars, const QKeySequence& key) {
    std::vector<Item> items;
    for (QMenuBar* bar : bars) {
        for (QAction* action : bar->actions()) {
            if (action->isVisible() && action->isEnabled() && QKeySequence::mnemonic(action->text()) == key)
                items.push_back(Item{bar, action});
        }
    }
    return items;
}

class SharedAccessKeys : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::Shortcut: {
                auto* bar = qobject_cast<QMenuBar*>(watched);
                if (bar != nullptr && OnShortcut(bar, static_cast<QShortcutEvent*>(event)->key()))
                    return true;
                // Any other command runs as Qt has it, the highlight given up first.
                if (highlighted_ != nullptr) Leave(true);
                return false;
            }
            case QEvent::KeyPress:
                return watched == highlighted_ && OnKey(static_cast<QKeyEvent*>(event)->key());
            case QEvent::MouseButtonPress:
                // The mouse takes over wherever it is pressed.
                if (highlighted_ != nullptr && watched->isWidgetType()) Leave(true);
                return false;
            case QEvent::FocusOut:
                // The focus moved on by itself; when the window was left, it comes back where it was.
                if (watched == highlighted_) Leave(QApplication::focusWidget() == nullptr);
                return false;
            default:
                return false;
        }
    }

  private:
    bool OnShortcut(QMenuBar* bar, const QKeySequence& key) {
        const std::vector<Item> items = ItemsWithKey(BarsOf(bar->window()), key);
        if (items.size() < 2) return false;
        std::size_t next = 0;
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (items[i].bar == highlighted_ && items[i].action == highlighted_->activeAction())
                next = (i + 1) % items.size();
        }
        Highlight(items[next]);
        return true;
    }

    void Highlight(const Item& item) {
        if (highlighted_ == nullptr) {
            QWidget* focus = QApplication::focusWidget();
            returnFocus_ = qobject_cast<QMenuBar*>(focus) != nullptr ? nullptr : focus;
        }
        if (item.action->menu() != nullptr) {
            Open(item.bar, item.action);
            return;
        }
        QMenuBar* previous = highlighted_;
        highlighted_ = item.bar;
        if (previous != nullptr && previous != item.bar) previous->setActiveAction(nullptr);
        // The bar takes the keys, so that Enter and Space reach it and not the focused control.
        item.bar->setFocus(Qt::MenuBarFocusReason);
        item.bar->setActiveAction(item.action);
    }

    bool OnKey(int key) {
        QMenuBar* bar = highlighted_;
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            QPointer<QAction> action = bar->activeAction();
            if (action != nullptr && action->menu() != nullptr) {
                Open(bar, action);
                return true;
            }
            Leave(true);
            if (action != nullptr) action->trigger();
            return true;
        }
        if (key == Qt::Key_Escape) {
            Leave(true);
            return true;
        }
        return false;  // arrows and letters move the highlight as the bar has them
    }

    // A menu under the highlight opens as its own key would open it, its first item highlighted, over
    // the focus as it was.
    void Open(QMenuBar* bar, QAction* action) {
        Leave(true);
        bar->setActiveAction(action);
        const QList<QAction*> items = action->menu()->actions();
        const auto first = std::find_if(items.begin(), items.end(), [](const QAction* item) {
            return item->isVisible() && item->isEnabled() && !item->isSeparator();
        });
        if (first != items.end()) action->menu()->setActiveAction(*first);
    }

    // The highlight cleared; the focus back where the first press found it when `restoreFocus`.
    void Leave(bool restoreFocus) {
        QMenuBar* bar = highlighted_;
        highlighted_ = nullptr;
        if (bar != nullptr) {
            bar->setActiveAction(nullptr);
            if (restoreFocus && returnFocus_ != nullptr) returnFocus_->setFocus(Qt::MenuBarFocusReason);
            if (restoreFocus && returnFocus_ == nullptr) bar->clearFocus();
        }
        returnFocus_ = nullptr;
    }

    QPointer<QMenuBar> highlighted_;
    QPointer<QWidget> returnFocus_;
};

}  // namespace

void ShareAccessKeysClassically() {
    auto* app = QCoreApplication::instance();
    app->installEventFilter(new SharedAccessKeys(app));
}

}  // namespace surface
