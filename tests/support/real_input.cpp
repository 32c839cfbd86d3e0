#include "real_input.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <cmath>

#include "surface/picture_widget.h"

namespace real_input {

namespace {

// The visible menu bar that shows `item` at its top level.
QMenuBar* BarOf(const QAction* item) {
    for (QObject* holder : item->associatedObjects())
        if (auto* bar = qobject_cast<QMenuBar*>(holder); bar != nullptr && bar->isVisible()) return bar;
    return nullptr;
}

QPoint PixelOf(const surface::PictureWidget* picture, surface::Point at) {
    const surface::UserScale& scale = picture->Surface().Scale();
    return {static_cast<int>(std::lround((at.x - scale.left) * picture->width() / scale.width)),
            static_cast<int>(std::lround((at.y - scale.top) * picture->height() / scale.height))};
}

}  // namespace

void ClickMenuItem(QAction* item) {
    ASSERT_NE(item, nullptr) << "no such menu item";
    if (QMenuBar* bar = BarOf(item))
        return QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(item).center());
    for (QObject* holder : item->associatedObjects()) {
        auto* menu = qobject_cast<QMenu*>(holder);
        if (menu == nullptr || BarOf(menu->menuAction()) == nullptr) continue;
        ClickMenuItem(menu->menuAction());  // the menu's title
        ASSERT_TRUE(menu->isVisible()) << item->objectName().toStdString();
        return QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
    }
    FAIL() << item->objectName().toStdString() << " is in no visible menu";
}

void ClickRow(QListWidget* list, int row) {
    ASSERT_NE(list->item(row), nullptr) << row;
    list->scrollToItem(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

void Click(QWidget* control) {
    QTest::mouseClick(control, Qt::LeftButton);
}

surface::Point ClickPicture(surface::PictureWidget* picture, surface::Point at, Qt::MouseButton button) {
    const QPoint pixel = PixelOf(picture, at);
    QTest::mouseClick(picture, button, {}, pixel);
    return picture->ToUser(pixel);
}

surface::Point MovePointer(surface::PictureWidget* picture, surface::Point at) {
    const QPoint pixel = PixelOf(picture, at);
    QTest::mouseMove(picture, pixel + QPoint(1, 1));  // no event comes for the pointer's own place
    QTest::mouseMove(picture, pixel);
    return picture->ToUser(pixel);
}

void PressKey(int key, Qt::KeyboardModifiers modifiers) {
    QWidget* target = QApplication::activePopupWidget();
    if (target == nullptr) target = QApplication::focusWidget();
    if (target == nullptr) target = QApplication::activeWindow();
    ASSERT_NE(target, nullptr) << "no window takes the keys";
    QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
}

void PressKeys(const QString& keys) {
    for (const QString& name : keys.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QKeyCombination key = QKeySequence(name)[0];
        ASSERT_NE(key.key(), Qt::Key_unknown) << name.toStdString();
        PressKey(key.key(), key.keyboardModifiers());
    }
}

}  // namespace real_input
