#include "surface/choice_list.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace surface {

ChoiceList::ChoiceList(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
}

void ChoiceList::mousePressEvent(QMouseEvent* event) {
    // Only the left button chooses, and only it may move the selection.
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    pressedOnItem_ = itemAt(event->position().toPoint()) != nullptr;
    QListWidget::mousePressEvent(event);
}

void ChoiceList::mouseReleaseEvent(QMouseEvent* event) {
    QListWidget::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton || !pressedOnItem_) return;
    pressedOnItem_ = false;
    QListWidgetItem* item = itemAt(event->position().toPoint());
    if (item != nullptr) {
        Choose(item);
    } else {
        ShowChosen();
    }
}

void ChoiceList::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (currentItem() != nullptr) Choose(currentItem());
        event->accept();
        return;
    }
    const int before = currentRow();
    QListWidget::keyPressEvent(event);
    if (currentRow() != before && currentItem() != nullptr) Choose(currentItem());
}

void ChoiceList::Choose(QListWidgetItem* item) {
    const QString text = item->text();
    setCurrentItem(item);
    chosen_ = indexFromItem(item);
    emit chosen(text);
}

void ChoiceList::ShowChosen() {
    if (chosen_.isValid()) {
        setCurrentIndex(chosen_);
    } else {
        clearSelection();
    }
}

}  // namespace surface
