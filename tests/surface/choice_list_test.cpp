// A list box chooses what a person chooses, with the mouse or with the keyboard on the focused list,
// and nothing when it only gets the focus.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <functional>

#include "surface/choice_list.h"

using surface::ChoiceList;

namespace {

const QStringList kItems{"uno", "dos", "tres", "cuatro", "cinco", "seis"};

// A window with a text field before the list, so that Tab can bring the focus in.
struct ListWindow {
    QWidget window;
    QLineEdit* before = new QLineEdit(&window);
    ChoiceList* list = new ChoiceList(&window);
    QStringList chosen;

    ListWindow() {
        auto* column = new QVBoxLayout(&window);
        column->addWidget(before);
        column->addWidget(list);
        list->addItems(kItems);
        list->setMinimumHeight(list->sizeHintForRow(0) * 10);  // empty room under the items
        QObject::connect(list, &ChoiceList::chosen, [this](const QString& text) { chosen << text; });
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        before->setFocus();
    }
    QPoint At(int row) const { return list->visualItemRect(list->item(row)).center(); }
    void Click(int row, Qt::MouseButton button = Qt::LeftButton) const {
        QTest::mouseClick(list->viewport(), button, {}, At(row));
    }
    void Keys(std::initializer_list<int> keys) const {
        for (int key : keys) {
            QWidget* focus = QApplication::focusWidget();
            if (key == Qt::Key_Backtab) {
                QTest::keyClick(focus, Qt::Key_Tab, Qt::ShiftModifier);
            } else {
                QTest::keyClick(focus, static_cast<Qt::Key>(key));
            }
        }
    }
};

struct Case {
    const char* why;
    std::function<void(ListWindow&)> input;
    QStringList chosen;
    int shownRow;  // the selected row afterwards, -1 for none
};

}  // namespace

TEST(ChoiceList, ChoosesOnlyWhatAPersonChooses) {
    const Case cases[] = {
        {"a click chooses the item", [](ListWindow& w) { w.Click(2); }, {"tres"}, 2},
        {"clicking the chosen item chooses it again",
         [](ListWindow& w) {
             w.Click(2);
             w.Click(2);
         },
         {"tres", "tres"},
         2},
        {"a drag over the rows chooses once, where it is released",
         [](ListWindow& w) {
             QTest::mousePress(w.list->viewport(), Qt::LeftButton, {}, w.At(1));
             QTest::mouseMove(w.list->viewport(), w.At(2));
             QTest::mouseMove(w.list->viewport(), w.At(3));
             QTest::mouseRelease(w.list->viewport(), Qt::LeftButton, {}, w.At(3));
         },
         {"cuatro"},
         3},
        {"a press released off the items chooses nothing and the chosen item stays shown",
         [](ListWindow& w) {
             w.Click(0);
             const QPoint below = w.At(5) + QPoint(0, 3 * w.list->sizeHintForRow(0));
             QTest::mousePress(w.list->viewport(), Qt::LeftButton, {}, w.At(2));
             QTest::mouseMove(w.list->viewport(), below);
             QTest::mouseRelease(w.list->viewport(), Qt::LeftButton, {}, below);
         },
         {"uno"},
         0},
        {"a double click chooses once (the system sends a click, then the double click)",
         [](ListWindow& w) {
             w.Click(4);
             QTest::mouseDClick(w.list->viewport(), Qt::LeftButton, {}, w.At(4));
         },
         {"cinco"},
         4},
        {"the right button chooses nothing", [](ListWindow& w) { w.Click(1, Qt::RightButton); }, {}, -1},
        {"Tab into the list chooses nothing", [](ListWindow& w) { w.Keys({Qt::Key_Tab}); }, {}, -1},
        {"the focus coming back chooses nothing and keeps the chosen item shown",
         [](ListWindow& w) {
             w.Click(1);
             w.Keys({Qt::Key_Backtab, Qt::Key_Tab});
         },
         {"dos"},
         1},
        {"arrows, End and Home move and choose; a key that moves nothing chooses nothing",
         [](ListWindow& w) {
             w.Keys({Qt::Key_Tab, Qt::Key_Down, Qt::Key_End, Qt::Key_Home, Qt::Key_Up});
         },
         {"dos", "seis", "uno"},
         0},
        {"the page keys move and choose",
         [](ListWindow& w) {
             w.Keys({Qt::Key_Tab, Qt::Key_PageDown, Qt::Key_PageUp});
         },
         {"seis", "uno"},
         0},
        {"Space and Enter choose the current item",
         [](ListWindow& w) {
             w.Keys({Qt::Key_Tab, Qt::Key_Space, Qt::Key_Return});
         },
         {"uno", "uno"},
         0},
        {"refilling the list clears the chosen item",
         [](ListWindow& w) {
             w.Click(3);
             w.list->clear();
             w.list->addItems(kItems);
         },
         {"cuatro"},
         -1},
    };
    for (const Case& c : cases) {
        ListWindow w;
        c.input(w);
        EXPECT_EQ(w.chosen, c.chosen) << c.why;
        const QList<QListWidgetItem*> selected = w.list->selectedItems();
        EXPECT_EQ(selected.isEmpty() ? -1 : w.list->row(selected.front()), c.shownRow) << c.why;
    }
}

TEST(ChoiceList, AHandlerMayClearTheListItChoseFrom) {
    ListWindow w;
    QString seen;
    QObject::connect(w.list, &ChoiceList::chosen, [&](const QString& text) {
        w.list->clear();
        seen = text;
    });
    w.Click(2);
    EXPECT_EQ(seen, "tres");
    EXPECT_EQ(w.list->count(), 0);
}
