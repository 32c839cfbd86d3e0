// The chart and synastry windows: the typical road to the chart (splash, "Entrar", a date entry,
// "Carta Astral"), its title, captions, aspect list and wheel as the chart code gives them, and a click
// on the wheel turning the Ascendant; the synastry's columns and rings as the synastry code draws
// them, the swap of the rings, the cross aspects by name with their heading, and a click on that list.
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QStyle>

#include "orvanel/display/chart_texts.h"
#include "orvanel/display/chart_wheel.h"
#include "orvanel/display/cross_aspect_texts.h"
#include "orvanel/display/form3_chart.h"
#include "orvanel/display/form4_synastry.h"
#include "orvanel/display/synastry_wheel.h"
#include "orvanel/shell/form1_splash.h"
#include "orvanel/shell/form2_main_menu.h"
#include "orvanel/shell/form_controls.h"
#include "real_input.h"
#include "surface/picture_widget.h"
#include "surface/twips.h"
#include "window_fixture.h"
#include "window_test_support.h"

namespace orvanel::testing {
namespace {

class ChartWindow : public WindowTest {
  protected:
    // The typical road up to the chart of subject 1.
    Form3Chart& OpenChart() {
        windows_->Splash().show();
        real_input::Click(Find<QLabel>(windows_->Splash(), "Label3"));
        EnterSubject(kFirstSubject);
        real_input::Click(Find<QLabel>(windows_->MainMenu(), "Label1"));
        return windows_->Chart();
    }
    void ExpectShows(Form3Chart& form, const ChartSlot& chart) {
        EXPECT_EQ(form.windowTitle(), ToQt(ChartWindowTitle(chart)));
        const PositionCaptions captions = PositionLabelTexts(chart);
        EXPECT_EQ(Find<QLabel>(form, "Label1")->text(), Caption(captions.points));
        EXPECT_EQ(Find<QLabel>(form, "Label8")->text(), Caption(captions.houses));
        EXPECT_EQ(Items(Find<QListWidget>(form, "List1")), ToQtList(AspectListItems(chart)));
        const surface::DrawingSurface& wheel = Picture(form)->Surface();
        EXPECT_EQ(wheel.List(), display_list::DrawnOnBlankCopy(wheel, [&](surface::DrawingSurface& s) {
                      const DetachedWheelDrawing detached;
                      DrawChartWheel(s, chart, kChartWheelRadius);
                  }));
    }
};

// Subject 1's chart as the chart code gives it, the positions in Astrol with all twelve lines in the
// design height; then the Ascendant under the clicked direction, with either button (left of the
// centre it stays).
TEST_F(ChartWindow, AClickOnTheWheelSetsTheAscendant) {
    Form3Chart& form = OpenChart();
    ExpectShows(form, Slot(1));
    EXPECT_EQ(Find<QLabel>(form, "Label1")->font().family(), QStringLiteral("Astrol"));
    for (const char* name : {"Label1", "Label8"}) {
        const QLabel* label = Find<QLabel>(form, name);
        EXPECT_LE(12 * QFontMetrics(label->font()).lineSpacing(), label->height()) << name;
    }
    const struct {
        surface::Point at;
        Qt::MouseButton button;
    } clicks[] = {
        {{100, 2560}, Qt::LeftButton}, {{5000, 2560}, Qt::RightButton}, {{2560, 100}, Qt::LeftButton}};
    for (const auto& click : clicks) {
        const ChartSlot before = Slot(1);
        const surface::Point at = real_input::ClickPicture(Picture(form), click.at, click.button);
        EXPECT_EQ(Slot(1).ascendant % 360, ClickedAscendant(before.ascendant, at.x, at.y) % 360);
        ExpectShows(form, Slot(1));
    }
}

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

// Subject 1 inside at the opening, the hidden chart window's title rewritten with the inner subject;
// "Alternar" swaps the rings. The list pairs the outer subject's points first; a click on it hides it
// and draws the rings again around the subject it names first, whichever is inside.
TEST_F(SynastryWindow, CrossAspectsListTheOuterSubjectFirstAndAClickRestoresTheWheel) {
    OpenFromChart();
    ExpectRings(1);
    EXPECT_EQ(windows_->Chart().windowTitle(), ToQt(ChartWindowTitle(Slot(1))));
    auto* list = Find<QListWidget>(Form(), "List1");
    auto* heading = Find<QLabel>(Form(), "Label19");
    for (const int inner : {1, 2}) {
        if (inner == 2) Choose("mnuAlternar");
        Program expected = State();
        const CrossAspectList cross = ListCrossAspects(expected);
        Choose("mnuCruzados");
        EXPECT_TRUE(list->isVisible() && heading->isVisible());
        EXPECT_EQ(State().SynastryBase, 3 - inner);
        EXPECT_EQ(heading->text(), ToQt(CrossAspectHeading(Slot(3 - inner).title, Slot(inner).title)));
        EXPECT_EQ(Items(list), ToQtList(cross.items));
        // Every item whole ("Mercurio", not "Mercur…"), the list widened from its design left edge.
        list->doItemsLayout();  // the scroll bars shown or hidden for the list as it is now
        const int margin = list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
        for (int row = 0; row < list->count(); ++row)
            EXPECT_LE(list->fontMetrics().horizontalAdvance(list->item(row)->text().trimmed()),
                      list->viewport()->width() - 2 * margin);
        EXPECT_EQ(list->x(), surface::TwipsToPixels(840, list));
        real_input::ClickRow(list, 0);
        EXPECT_FALSE(list->isVisible() || heading->isVisible());
        ExpectRings(inner);
    }
}

TEST_F(SynastryWindow, ASlotOutsideTheTwoSubjectsDrawsSubjectOneInside) {
    EnterBothSubjects();
    State().CurrentSubject = 7;
    windows_->ShowSynastry(WindowId::MainMenu);
    ExpectRings(1);
}

}  // namespace
}  // namespace orvanel::testing
