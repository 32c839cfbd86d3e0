// The chart window on the typical road: splash, "Entrar", a date entry, "Carta Astral"; its title,
// captions, aspect list and wheel as the chart code gives them; a click on the wheel turning the
// Ascendant.
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>

#include "orvanel/display/chart_texts.h"
#include "orvanel/display/chart_wheel.h"
#include "orvanel/display/form3_chart.h"
#include "orvanel/shell/form1_splash.h"
#include "orvanel/shell/form2_main_menu.h"
#include "orvanel/shell/form_controls.h"
#include "real_input.h"
#include "surface/picture_widget.h"
#include "window_fixture.h"

namespace orvanel::testing {
namespace {

class ChartWindow : public WindowTest {
  protected:
    // The typical road up to the chart of subject 1.
    Form3Chart& OpenChart() {
        windows_->Splash().show();
        ClickOn(Find<QLabel>(windows_->Splash(), "Label3"));
        EnterSubject(kFirstSubject);
        ClickOn(Find<QLabel>(windows_->MainMenu(), "Label1"));
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

TEST_F(ChartWindow, ShowsTheWheelCaptionsAndAspectsOfSubjectOne) {
    Form3Chart& form = OpenChart();
    EXPECT_TRUE(OnlyVisible(form));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Carta  Astral  de  05 / 12 / 2001 ( 05 / 12 / 2001 )"));
    ExpectShows(form, Slot(1));
    EXPECT_EQ(Find<QLabel>(form, "Label1")->font().family(), QStringLiteral("Astrol"));
    for (const char* name : {"Label1", "Label8"}) {  // all twelve lines fit in the design height
        const QLabel* label = Find<QLabel>(form, name);
        EXPECT_LE(12 * QFontMetrics(label->font()).lineSpacing(), label->height()) << name;
    }
}

// The Ascendant under the clicked direction, with either button; left of the centre it stays.
TEST_F(ChartWindow, AClickOnTheWheelSetsTheAscendant) {
    Form3Chart& form = OpenChart();
    const struct {
        surface::Point at;
        Qt::MouseButton button;
    } clicks[] = {
        {{100, 2560}, Qt::LeftButton}, {{5000, 2560}, Qt::RightButton}, {{2560, 100}, Qt::LeftButton}};
    for (const auto& click : clicks) {
        const ChartSlot before = Slot(1);
        const surface::Point at = real_input::ClickPicture(Picture(form), click.at, click.button);
        EXPECT_EQ(Slot(1).ascendant % 360, ClickedAscendant(before.ascendant, at.x, at.y) % 360);
        EXPECT_EQ(Slot(1).ephemerisText, before.ephemerisText);
        ExpectShows(form, Slot(1));
    }
}

}  // namespace
}  // namespace orvanel::testing
