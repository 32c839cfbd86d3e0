#include "real_input.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

namespace real_input {

namespace {

// The visible menu bar that shows `item` at its top level.
QMenuBar* BarOf(const QAction* item) {
    for (QObject* holder : item->associatedObjects())
        if (auto* bar = qobject_cast<QMenuBar*>(holder); bar != nullptr && bar->isVisible()) return bar;
    return nullptr;
}

}  // namespace

void ClickMenuItem(QAction* item) {
    ASSERT_NE(item, nullptr);
    if (QMenuBar* bar = BarOf(item)) {
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(item).center());
        return;
    }
    for (QObject* holder : item->associatedObjects()) {
        auto* menu = qobject_cast<QMenu*>(holder);
        QMenuBar* bar = menu != nullptr ? BarOf(menu->menuAction()) : nullptr;
        if (bar == nullptr) continue;
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
        ASSERT_TRUE(menu->isVisible()) << item->objectName().toStdString();
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
        return;
    }
    FAIL() << item->objectName().toStdString() << " is in no visible menu";
}

void ClickRow(QListWidget* list, int row) {
    ASSERT_NE(list->item(row), nullptr) << row;
    list->scrollToItem(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

void ClickButton(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

void PressKey(int key, Qt::KeyboardModifiers modifiers) {
    QWidget* target = QApplication::activePopupWidget();
    if (target == nullptr) target = QApplication::focusWidget();
    if (target == nullptr) target = QApplication::activeWindow();
    ASSERT_NE(target, nullptr) << "no window takes the keys";
    QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
}

}  // namespace real_input
