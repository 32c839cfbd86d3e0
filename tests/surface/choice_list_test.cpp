// A list box chooses what a person chooses, with the mouse or with the keyboard on the focused list,
// and nothing when it only gets the focus.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <map>

#include "surface/choice_list.h"

namespace {

const QStringList kItems{"uno", "dos", "tres", "cuatro", "cinco", "seis"};

// Steps, one character each, a digit after a mouse step naming its row: c click, r right click,
// d double click (as the system sends it, a click first), o press released off the items; m and two
// rows: a drag from the first to the second; T Tab, B Shift+Tab, v Down, ^ Up, E End, H Home, N PageDown,
// P PageUp, S Space, R Return; F the list refilled.
QStringList Play(const char* steps, surface::ChoiceList& list) {
    QStringList chosen;
    QObject::connect(&list, &surface::ChoiceList::chosen, [&](const QString& text) { chosen << text; });
    QWidget* view = list.viewport();
    const auto at = [&](char row) { return list.visualItemRect(list.item(row - '0')).center(); };
    const QPoint off = at('5') + QPoint(0, 3 * list.sizeHintForRow(0));
    const std::map<char, int> keys = {{'T', Qt::Key_Tab},    {'v', Qt::Key_Down},  {'^', Qt::Key_Up},
                                      {'E', Qt::Key_End},    {'H', Qt::Key_Home},  {'N', Qt::Key_PageDown},
                                      {'P', Qt::Key_PageUp}, {'S', Qt::Key_Space}, {'R', Qt::Key_Return}};
    for (const char* s = steps; *s != '\0'; ++s) {
        QWidget* focus = QApplication::focusWidget();
        switch (*s) {
            case 'c':
                QTest::mouseClick(view, Qt::LeftButton, {}, at(*++s));
                break;
            case 'r':
                QTest::mouseClick(view, Qt::RightButton, {}, at(*++s));
                break;
            case 'd':
                QTest::mouseClick(view, Qt::LeftButton, {}, at(*++s));
                QTest::mouseDClick(view, Qt::LeftButton, {}, at(*s));
                break;
            case 'm': {
                const char from = *++s, to = *++s;
                QTest::mousePress(view, Qt::LeftButton, {}, at(from));
                for (char row = from + 1; row <= to; ++row)
                    QTest::mouseMove(view, at(row));
                QTest::mouseRelease(view, Qt::LeftButton, {}, at(to));
                break;
            }
            case 'o':
                QTest::mousePress(view, Qt::LeftButton, {}, at(*++s));
                QTest::mouseMove(view, off);
                QTest::mouseRelease(view, Qt::LeftButton, {}, off);
                break;
            case 'B':
                QTest::keyClick(focus, Qt::Key_Tab, Qt::ShiftModifier);
                break;
            case 'F':
                list.clear();
                list.addItems(kItems);
                break;
            default:
                QTest::keyClick(focus, static_cast<Qt::Key>(keys.at(*s)));
        }
    }
    return chosen;
}

}  // namespace

TEST(ChoiceList, ChoosesOnlyWhatAPersonChooses) {
    const struct {
        const char* why;
        const char* steps;
        QStringList chosen;
        int shownRow;  // the selected row afterwards, -1 for none
    } cases[] = {
        {"a click chooses the item", "c2", {"tres"}, 2},
        {"clicking the chosen item chooses it again", "c2c2", {"tres", "tres"}, 2},
        {"a drag over the rows chooses once, where it is released", "m13", {"cuatro"}, 3},
        {"a press released off the items chooses nothing; the chosen item stays shown", "c0o2", {"uno"}, 0},
        {"a double click chooses once", "d4", {"cinco"}, 4},
        {"the right button chooses nothing", "r1", {}, -1},
        {"Tab into the list chooses nothing", "T", {}, -1},
        {"the focus coming back chooses nothing", "c1BT", {"dos"}, 1},
        {"arrows, End and Home move and choose; a key that moves nothing chooses nothing",
         "TvEH^",
         {"dos", "seis", "uno"},
         0},
        {"the page keys move and choose", "TNP", {"seis", "uno"}, 0},
        {"Space and Enter choose the current item", "TSR", {"uno", "uno"}, 0},
        {"refilling the list clears the chosen item", "c3F", {"cuatro"}, -1},
    };
    for (const auto& c : cases) {
        QWidget window;
        auto* field = new QLineEdit(&window);  // where the focus starts, so that Tab brings it in
        auto* list = new surface::ChoiceList(&window);
        auto* column = new QVBoxLayout(&window);
        column->addWidget(field);
        column->addWidget(list);
        list->addItems(kItems);
        list->setMinimumHeight(list->sizeHintForRow(0) * 10);  // room under the items
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        field->setFocus();
        EXPECT_EQ(Play(c.steps, *list), c.chosen) << c.why;
        const QList<QListWidgetItem*> selected = list->selectedItems();
        EXPECT_EQ(selected.isEmpty() ? -1 : list->row(selected.front()), c.shownRow) << c.why;
    }
}
