// The ways into and out of the cycles window: the main menu's label and the synastry window's menu
// item, "Volver" back to the window it came from, and the close box ending the program.
#include "cycles_fixture.h"

namespace orvanel::testing {
namespace {

using CyclesEntries = CyclesTest;

// Both ways show subject 1 and the central date the plots are drawn around; the synastry's way takes
// the subject it was left on as the synastry's base.
TEST_F(CyclesEntries, BothWaysInShowSubjectOneAndVolverGoesBack) {
    EnterBothComputed();
    AssignFixed(State().EntryDate, U"20020110");
    const std::pair<WindowId, const char*> ways[] = {{WindowId::MainMenu, "Label5"},
                                                     {WindowId::Synastry, "mnuCiclos"}};
    for (const auto& [id, control] : ways) {
        QWidget& from = ShowOnly(id);
        State().CurrentSubject = 2;
        Use(from, control);
        EXPECT_TRUE(OnlyVisible(Form9())) << control;
        EXPECT_EQ(State().CurrentSubject, 1);
        EXPECT_EQ(Form9().windowTitle(),
                  QString::fromUtf8("Ciclos planetarios de  05 / 12 / 2001 ( 05 / 12 / 2001 )"));
        EXPECT_EQ(LabelText("Label2"), QStringLiteral("10 / 01 / 2002"));
        Choose(Form9(), "mnuVolver");
        EXPECT_TRUE(OnlyVisible(from)) << control;
    }
    EXPECT_EQ(State().SynastryBase, 2);
    EXPECT_TRUE(dialogs_.Asked().empty());
}

// "Volver" never leaves the program without a window; the close box ends it.
TEST_F(CyclesEntries, ReturnWithoutAKnownWindowGoesToTheMainMenuAndClosingEnds) {
    EnterBothComputed();
    ShowOnly(WindowId::Cycles);
    State().ReturnWindow = 0;
    Choose(Form9(), "mnuVolver");
    EXPECT_TRUE(OnlyVisible(windows_->Window(WindowId::MainMenu)));
    ShowOnly(WindowId::Cycles);
    EXPECT_EQ(ended_, 0);
    Form9().close();
    EXPECT_EQ(ended_, 1);
}

}  // namespace
}  // namespace orvanel::testing
