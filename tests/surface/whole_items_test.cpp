// Lists keep every item whole: they grow to the right for a wide item, keeping their left edge, and
// come back to the width their window gives them.
#include <gtest/gtest.h>

#include <QListWidget>

#include "surface/whole_items.h"
#include "window_test_support.h"

using orvanel::testing::ItemOverflow;

TEST(WholeItems, AListGrowsForItsWidestItemAndComesBack) {
    QWidget window;
    auto* list = new QListWidget(&window);
    list->setGeometry(20, 30, 60, 200);
    surface::KeepItemsWhole(list);
    window.show();
    const QString wide = QStringLiteral("Mercurio    en conjunción con    Mercurio");
    struct Step {
        const char* what;
        std::function<void()> act;
        bool wider;  // than the 60 or 40 pixels the window gives
    };
    const Step steps[] = {
        {"a short item", [&] { list->addItem(QStringLiteral("Sol")); }, false},
        {"a wide item", [&] { list->addItem(wide); }, true},
        {"the window narrows it", [&] { list->setGeometry(20, 30, 40, 200); }, true},
        {"a larger face", [&] { list->setFont(QFont(list->font().family(), 20)); }, true},
        {"the items cleared", [&] { list->clear(); }, false},
    };
    for (const Step& step : steps) {
        step.act();
        EXPECT_EQ(ItemOverflow(*list), 0) << step.what;
        EXPECT_EQ(list->x(), 20) << step.what;
        EXPECT_EQ(list->width() > 60, step.wider) << step.what;
    }
    EXPECT_EQ(list->width(), 40);
}
