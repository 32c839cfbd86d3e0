// The ways into and out of the cycles window: the main menu's label, the synastry window's menu item,
// "Volver" back to the window it came from, and the close box ending the program.
#include <QLabel>

#include "cycles_fixture.h"
#include "orvanel/display/form4_synastry.h"
#include "orvanel/shell/form2_main_menu.h"

namespace orvanel::testing {
namespace {

using CyclesEntries = CyclesTest;

TEST_F(CyclesEntries, MainMenuLabelNeedsSubjectOneAndOpensTheWindowForIt) {
    Form2MainMenu& menu = windows_->MainMenu();
    menu.show();
    QLabel* entry = Find<QLabel>(menu, "Label5");
    ASSERT_NE(entry, nullptr);

    // Without subject 1 (even with subject 2): the message, and the main menu stays.
    EnterComputed(2, 1965, 7, 3, 9, 15);
    ClickOn(entry);
    ASSERT_EQ(dialogs_.Asked().size(), 1u);
    EXPECT_EQ(dialogs_.Asked()[0].text, QString::fromUtf8("No hay escogido ningún sujeto"));
    EXPECT_TRUE(menu.isVisible());
    EXPECT_EQ(State().CurrentSubject, 1);

    EnterComputed(1, 2001, 12, 5, 14, 30);
    AssignFixed(State().EntryDate, U"20020110");
    ClickOn(entry);
    EXPECT_EQ(dialogs_.Asked().size(), 1u);
    EXPECT_TRUE(Form9().isVisible());
    EXPECT_FALSE(menu.isVisible());
    EXPECT_EQ(Form9().windowTitle(),
              QString::fromUtf8("Ciclos planetarios de  05 / 12 / 2001 ( 05 / 12 / 2001 )"));
    EXPECT_EQ(LabelText("Label2"), QString::fromUtf8("10 / 01 / 2002"));

    Choose(Form9(), "mnuVolver");
    EXPECT_TRUE(menu.isVisible());
    EXPECT_FALSE(Form9().isVisible());
}

TEST_F(CyclesEntries, SynastryMenuItemOpensWithoutCheckAndComesBackToTheSynastry) {
    EnterBothComputed();
    ASSERT_TRUE(windows_->StartSynastry(WindowId::MainMenu));
    Form4Synastry& synastry = windows_->Synastry();
    // The drawing left CurrentSubject on the outer subject, 2.
    AssignFixed(State().EntryDate, U"20020110");
    Choose(synastry, "mnuCiclos");
    EXPECT_TRUE(dialogs_.Asked().empty());
    EXPECT_EQ(State().CurrentSubject, 1);
    EXPECT_TRUE(Form9().isVisible());
    EXPECT_FALSE(synastry.isVisible());
    // The central date the plots will be drawn around, as on the main menu's way in.
    EXPECT_EQ(LabelText("Label2"), QStringLiteral("10 / 01 / 2002"));

    Choose(Form9(), "mnuVolver");
    EXPECT_TRUE(synastry.isVisible());
    EXPECT_FALSE(Form9().isVisible());
    EXPECT_TRUE(
        synastry.windowTitle().startsWith(QString::fromUtf8("Sinastría entre 05 / 12 / 2001 (dentro)")));
}

TEST_F(CyclesEntries, ReturnWithoutAKnownWindowGoesToTheMainMenuAndClosingEnds) {
    EnterComputed(1, 2001, 12, 5, 14, 30);
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
