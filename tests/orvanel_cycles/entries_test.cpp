// The ways into and out of the cycles window: the main menu's label, the synastry window's menu item,
// "Volver" back to the window it came from, and the close box ending the program.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QMouseEvent>

#include "cycles_fixture.h"
#include "orvanel/display/form4_synastry.h"
#include "orvanel/shell/form2_main_menu.h"
#include "window_test_support.h"

namespace orvanel::testing {
namespace {

using CyclesEntries = CyclesTest;

void Click(QLabel* label) {
    const QPointF centre = QRectF(label->rect()).center();
    QMouseEvent press(QEvent::MouseButtonPress, centre, label->mapToGlobal(centre), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, centre, label->mapToGlobal(centre), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(label, &press);
    QApplication::sendEvent(label, &release);
}

TEST_F(CyclesEntries, MainMenuLabelNeedsSubjectOneAndOpensTheWindowForIt) {
    Form2MainMenu& menu = windows_->MainMenu();
    menu.show();
    QLabel* entry = Find<QLabel>(menu, "Label5");
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->text(), QString::fromUtf8("Ciclos planetarios"));
    EXPECT_EQ(entry->font().family(), Find<QLabel>(menu, "Label1")->font().family());

    // Without subject 1 (even with subject 2): the message, and the main menu stays.
    EnterSubject(2, 1965, 7, 3, 9, 15);
    Click(entry);
    ASSERT_EQ(dialogs_.Asked().size(), 1u);
    EXPECT_EQ(dialogs_.Asked()[0].text, QString::fromUtf8("No hay escogido ningún sujeto"));
    EXPECT_EQ(dialogs_.Asked()[0].title, QString::fromUtf8("Análisis individuales"));
    EXPECT_TRUE(menu.isVisible());
    EXPECT_FALSE(windows_->Exists(WindowId::Cycles) && Form9().isVisible());
    EXPECT_EQ(State().CurrentSubject, 1);
    EXPECT_EQ(State().ReturnWindow, 2);

    EnterSubject(1, 2001, 12, 5, 14, 30);
    AssignFixed(State().EntryDate, U"20020110");
    Click(entry);
    EXPECT_EQ(dialogs_.Asked().size(), 1u);
    EXPECT_TRUE(Form9().isVisible());
    EXPECT_FALSE(menu.isVisible());
    EXPECT_EQ(Form9().windowTitle(),
              QString::fromUtf8("Ciclos planetarios de  05 / 12 / 2001 ( 05 / 12 / 2001 )"));
    EXPECT_EQ(LabelText("Label2"), QString::fromUtf8("10 / 01 / 2002"));
    EXPECT_EQ(State().CurrentSubject, 1);

    Choose(Form9(), "mnuVolver");
    EXPECT_TRUE(menu.isVisible());
    EXPECT_FALSE(Form9().isVisible());
}

TEST_F(CyclesEntries, SynastryMenuItemOpensWithoutCheckAndComesBackToTheSynastry) {
    EnterBothSubjects();
    State().CurrentSubject = 1;
    ASSERT_TRUE(windows_->StartSynastry(WindowId::MainMenu));
    Form4Synastry& synastry = windows_->Synastry();
    const QList<QAction*> items = MenuBarItems(synastry);
    ASSERT_GE(items.size(), 2);  // the cycles item last before "Exportar"
    EXPECT_EQ(items[items.size() - 2]->objectName(), QStringLiteral("mnuCiclos"));
    EXPECT_EQ(items[items.size() - 2]->text(), QStringLiteral("           C&iclos planetarios"));

    // The drawing left CurrentSubject on the outer subject, 2.
    AssignFixed(State().EntryDate, U"20020110");
    const QString before = LabelText("Label2");
    Choose(synastry, "mnuCiclos");
    EXPECT_TRUE(dialogs_.Asked().empty());
    EXPECT_EQ(State().SynastryBase, 2);
    EXPECT_EQ(State().CurrentSubject, 1);
    EXPECT_EQ(State().ReturnWindow, 4);
    EXPECT_TRUE(Form9().isVisible());
    EXPECT_FALSE(synastry.isVisible());
    EXPECT_EQ(LabelText("Label2"), before);  // this way in does not show the central date

    Choose(Form9(), "mnuVolver");
    EXPECT_TRUE(synastry.isVisible());
    EXPECT_FALSE(Form9().isVisible());
    EXPECT_TRUE(
        synastry.windowTitle().startsWith(QString::fromUtf8("Sinastría entre 05 / 12 / 2001 (dentro)")));
}

TEST_F(CyclesEntries, ReturnWithoutAKnownWindowGoesToTheMainMenuAndClosingEnds) {
    EnterSubject(1, 2001, 12, 5, 14, 30);
    Form9Cycles& form = OpenFromMainMenu();
    State().ReturnWindow = 0;
    Choose(form, "mnuVolver");
    EXPECT_TRUE(windows_->MainMenu().isVisible());
    EXPECT_FALSE(form.isVisible());

    OpenFromMainMenu();
    EXPECT_EQ(ended_, 0);
    form.close();
    EXPECT_EQ(ended_, 1);
}

}  // namespace
}  // namespace orvanel::testing
