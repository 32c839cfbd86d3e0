// The synastry window: both columns and rings as the synastry code draws them, the swap of the rings,
// the cross aspects by name with their heading, and a click on that list.
#include <QLabel>
#include <QListWidget>

#include "orvanel/display/chart_texts.h"
#include "orvanel/display/chart_wheel.h"
#include "orvanel/display/cross_aspect_texts.h"
#include "orvanel/display/form3_chart.h"
#include "orvanel/display/form4_synastry.h"
#include "orvanel/display/synastry_wheel.h"
#include "orvanel/shell/form2_main_menu.h"
#include "orvanel/shell/form_controls.h"
#include "real_input.h"
#include "surface/picture_widget.h"
#include "surface/twips.h"
#include "window_fixture.h"
#include "window_test_support.h"

namespace orvanel::testing {
namespace {

class SynastryWindow : public WindowTest {
  protected:
    Form4Synastry& Form() { return windows_->Synastry(); }
    void Choose(const char* menu) { WindowTest::Choose(Form(), menu); }
    // Subject `inner` inside, the other outside, the window left on the outer subject.
    void ExpectRings(int inner) {
        const ChartSlot &in = Slot(inner), &out = Slot(3 - inner);
        EXPECT_EQ(Form().windowTitle(),
                  ToQt(U"Sinastría entre " + in.title + U" (dentro)  y " + out.title + U" (fuera)"));
        const std::pair<const char*, cp::Text> labels[] = {
            {"Label10", U"Planetas de \n" + in.title},  {"Label1", U"Planetas de \n" + out.title},
            {"Label11", PositionLabelTexts(in).points}, {"Label16", PositionLabelTexts(in).houses},
            {"Label2", PositionLabelTexts(out).points}, {"Label7", PositionLabelTexts(out).houses}};
        for (const auto& [label, caption] : labels)
            EXPECT_EQ(Find<QLabel>(Form(), label)->text(), Caption(caption)) << label;
        const surface::DrawingSurface& wheel = Picture(Form())->Surface();
        EXPECT_EQ(wheel.List(), display_list::DrawnOnBlankCopy(wheel, [&](surface::DrawingSurface& s) {
                      const DetachedWheelDrawing detached;
                      DrawSynastryWheel(s, in, out);
                  }));
        EXPECT_EQ(State().CurrentSubject, 3 - inner);
    }
    // From the chart window of subject 1, as in the first worked example.
    void OpenFromChart() {
        EnterBothSubjects();
        State().CurrentSubject = 1;
        windows_->ShowChartWindow();
        WindowTest::Choose(windows_->Chart(), "mnuSinastrias");
    }
};

TEST_F(SynastryWindow, OpensWithSubjectOneInsideAndSwapsTheRings) {
    OpenFromChart();
    EXPECT_TRUE(OnlyVisible(Form()));
    ExpectRings(1);
    // The wheel rewrote the hidden chart window's title, with the inner subject.
    EXPECT_EQ(windows_->Chart().windowTitle(), ToQt(ChartWindowTitle(Slot(1))));
    State().SynastryBase = 1;
    Choose("mnuAlternar");
    EXPECT_EQ(State().SynastryBase, 2);
    ExpectRings(2);
    Choose("mnuAlternar");
    ExpectRings(1);
}

// The list pairs the outer subject's points first; a click on it hides it and draws the rings again
// around the subject it names first, whichever is inside.
TEST_F(SynastryWindow, CrossAspectsListTheOuterSubjectFirstAndAClickRestoresTheWheel) {
    OpenFromChart();
    auto* list = Find<QListWidget>(Form(), "List1");
    auto* heading = Find<QLabel>(Form(), "Label19");
    EXPECT_FALSE(list->isVisible() || heading->isVisible());
    for (const int inner : {1, 2}) {
        if (inner == 2) Choose("mnuAlternar");
        const QString title = Form().windowTitle();
        Program expected = State();
        const CrossAspectList cross = ListCrossAspects(expected);
        Choose("mnuCruzados");
        EXPECT_TRUE(list->isVisible() && heading->isVisible());
        EXPECT_EQ(State().SynastryBase, 3 - inner);
        EXPECT_EQ(heading->text(), ToQt(CrossAspectHeading(Slot(3 - inner).title, Slot(inner).title)));
        EXPECT_EQ(Items(list), ToQtList(cross.items));
        // Every item whole ("Mercurio", not "Mercur…"), the list widened from its design left edge.
        EXPECT_EQ(ItemOverflow(*list), 0);
        EXPECT_EQ(list->x(), surface::TwipsToPixels(840, list));
        real_input::ClickRow(list, 0);
        EXPECT_FALSE(list->isVisible() || heading->isVisible());
        EXPECT_EQ(Form().windowTitle(), title);
        ExpectRings(inner);
    }
}

TEST_F(SynastryWindow, ASlotOutsideTheTwoSubjectsDrawsSubjectOneInside) {
    EnterBothSubjects();
    State().CurrentSubject = 7;
    windows_->ShowSynastry(WindowId::MainMenu);
    ExpectRings(1);
    EXPECT_FALSE(dialogs_.Failed());
}

}  // namespace
}  // namespace orvanel::testing
