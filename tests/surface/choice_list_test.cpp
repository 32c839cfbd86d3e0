// A list box chooses what a person chooses, with the mouse or with the keyboard on the focused list,
// and nothing when it only gets the focus.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>
#include <QVBoxLayout>

#include "real_input.h"
#include "surface/choice_list.h"

namespace {

const QStringList kItems{"uno", "dos", "tres", "cuatro", "cinco", "seis"};

// Blank-separated steps: a mouse step on a row (click2; right1; double4, as the system sends it, a
// click first; drag13 from row 1 to row 3; off2, a press released off the items), "refill" for the
// list filled anew, or a key as QKeySequence names it.
QStringList Play(const QString& steps, surface::ChoiceList& list) {
    QStringList chosen;
    QObject::connect(&list, &surface::ChoiceList::chosen, [&](const QString& text) { chosen << text; });
    QWidget* view = list.viewport();
    const auto at = [&](const QString& row) { return list.visualItemRect(list.item(row.toInt())).center(); };
    static const QRegularExpression mouse("^(click|right|double|drag|off)(\\d)(\\d)?$");
    for (const QString& step : steps.split(' ')) {
        const QRegularExpressionMatch m = mouse.match(step);
        const QString kind = m.captured(1);
        const QPoint from = m.hasMatch() ? at(m.captured(2)) : QPoint();
        if (step == "refill") {
            list.clear();
            list.addItems(kItems);
        } else if (!m.hasMatch()) {
            real_input::PressKeys(step);
        } else if (kind == "drag" || kind == "off") {
            const QPoint to =
                kind == "drag" ? at(m.captured(3)) : at("5") + QPoint(0, 3 * list.sizeHintForRow(0));
            QTest::mousePress(view, Qt::LeftButton, {}, from);
            QTest::mouseMove(view, (from + to) / 2);
            QTest::mouseMove(view, to);
            QTest::mouseRelease(view, Qt::LeftButton, {}, to);
        } else {
            QTest::mouseClick(view, kind == "right" ? Qt::RightButton : Qt::LeftButton, {}, from);
            if (kind == "double") QTest::mouseDClick(view, Qt::LeftButton, {}, from);
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
        {"a click chooses the item", "click2", {"tres"}, 2},
        {"clicking the chosen item chooses it again", "click2 click2", {"tres", "tres"}, 2},
        {"a drag over the rows chooses once, where it is released", "drag13", {"cuatro"}, 3},
        {"a press released off the items chooses nothing", "click0 off2", {"uno"}, 0},  // "uno" stays
        {"a double click chooses once", "double4", {"cinco"}, 4},
        {"the right button chooses nothing", "right1", {}, -1},
        {"Tab into the list chooses nothing", "Tab", {}, -1},
        {"the focus coming back chooses nothing", "click1 Shift+Tab Tab", {"dos"}, 1},
        // A key that moves nothing (Up on the first row) chooses nothing.
        {"arrows, End and Home move and choose", "Tab Down End Home Up", {"dos", "seis", "uno"}, 0},
        {"the page keys move and choose", "Tab PgDown PgUp", {"seis", "uno"}, 0},
        {"Space and Enter choose the current item", "Tab Space Return", {"uno", "uno"}, 0},
        {"refilling the list clears the chosen item", "click3 refill", {"cuatro"}, -1},
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
