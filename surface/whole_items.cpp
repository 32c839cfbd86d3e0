#include "surface/whole_items.h"

#include <QEvent>
#include <QFontMetrics>
#include <QListWidget>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>

namespace surface {

namespace {

class WholeItems : public QObject {
  public:
    explicit WholeItems(QListWidget* list) : QObject(list), list_(list), given_(list->width()) {
        list->setTextElideMode(Qt::ElideNone);
        list->installEventFilter(this);
        QAbstractItemModel* model = list->model();
        connect(model, &QAbstractItemModel::rowsInserted, this,
                [this](const QModelIndex&, int first, int last) { Grow(first, last); });
        connect(model, &QAbstractItemModel::modelReset, this, &WholeItems::Remeasure);
        connect(model, &QAbstractItemModel::rowsRemoved, this, &WholeItems::Remeasure);
        connect(model, &QAbstractItemModel::dataChanged, this, &WholeItems::Remeasure);
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Resize) Fit();
        if (event->type() == QEvent::FontChange) Remeasure();
        return false;
    }

  private:
    // The width an item's text takes as the list draws it: trailing blanks are never cut.
    int TextWidth(int row) const {
        const QString text = list_->item(row)->text();
        qsizetype end = text.size();
        while (end > 0 && text.at(end - 1).isSpace())
            --end;
        return list_->fontMetrics().horizontalAdvance(text.left(end));
    }

    void Grow(int first, int last) {
        for (int row = first; row <= last; ++row)
            widest_ = std::max(widest_, TextWidth(row));
        Fit();
    }

    void Remeasure() {
        widest_ = 0;
        Grow(0, list_->count() - 1);
    }

    // The list's width when its widest item just fits: the item's margins, the frame and, when the
    // rows overflow the height, the scroll bar.
    int Needed() const {
        const int margin = list_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list_) + 1;
        const int frame = 2 * list_->frameWidth();
        const int rowHeight = list_->count() > 0 ? list_->sizeHintForRow(0) : 0;
        const bool scrolls = list_->count() * rowHeight > list_->height() - frame;
        const int bar = scrolls ? list_->verticalScrollBar()->sizeHint().width() : 0;
        return widest_ + 2 * margin + frame + bar;
    }

    // A width not set here was set by the window (its layout, even while the list is hidden): it is
    // the width to come back to.
    void Fit() {
        if (list_->width() != set_) given_ = list_->width();
        const int width = widest_ > 0 ? std::max(given_, Needed()) : given_;
        if (width == list_->width()) return;
        set_ = width;
        list_->resize(width, list_->height());
    }

    QListWidget* list_;
    int given_;       // the width the window gives the list
    int set_ = -1;    // the width set here last
    int widest_ = 0;  // the widest item's text, in pixels
};

}  // namespace

void KeepItemsWhole(QListWidget* list) {
    new WholeItems(list);
}

}  // namespace surface
