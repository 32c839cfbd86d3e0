#include "orvanel/shell/menu_rows.h"

#include <QAction>
#include <QMenuBar>
#include <QStyle>
#include <QStyleOptionMenuItem>

namespace orvanel {

namespace {

// The width the bar gives an item, measured as the bar itself measures it.
int ItemWidth(const QMenuBar* bar, const QAction* action) {
    QStyleOptionMenuItem option;
    option.initFrom(bar);
    option.menuItemType = QStyleOptionMenuItem::Normal;
    option.text = action->text();
    const QSize text = bar->fontMetrics().size(Qt::TextShowMnemonic, action->text());
    const QStyle* style = bar->style();
    return style->sizeFromContents(QStyle::CT_MenuBarItem, &option, text, bar).width() +
           style->pixelMetric(QStyle::PM_MenuBarItemSpacing, nullptr, bar);
}

// Room for items on one row, less a few pixels so that rounding never brings the extension button.
int RowRoom(const QMenuBar* bar, int width) {
    const QStyle* style = bar->style();
    const int frame = style->pixelMetric(QStyle::PM_MenuBarPanelWidth, nullptr, bar) +
                      style->pixelMetric(QStyle::PM_MenuBarHMargin, nullptr, bar);
    return width - 2 * frame - 4;
}

}  // namespace

void WrapMenuItems(QMenuBar* first, QMenuBar* second, int width) {
    QList<QAction*> items = first->actions() + second->actions();
    for (QAction* item : items) {
        first->removeAction(item);
        second->removeAction(item);
    }
    const int room = RowRoom(first, width);
    int used = 0;
    for (QAction* item : items) {
        used += ItemWidth(first, item);
        (used <= room && second->actions().isEmpty() ? first : second)->addAction(item);
    }
    second->setVisible(!second->actions().isEmpty());
}

}  // namespace orvanel
