// The chart window on the typical road: splash, "Entrar", a date entry, "Carta Astral"; its title,
// captions, aspect list and wheel; a click on the wheel turning the Ascendant; its menus.
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QTest>

#include "orvanel/display/chart_texts.h"
#include "orvanel/display/chart_wheel.h"
#include "orvanel/display/form3_chart.h"
#include "orvanel/shell/form1_splash.h"
#include "orvanel/shell/form2_main_menu.h"
#include "orvanel/shell/form_controls.h"
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
    }
    surface::PictureWidget* Picture(Form3Chart& form) {
        return Find<surface::PictureWidget>(form, "Picture1");
    }
};

TEST_F(ChartWindow, ShowsTheWheelCaptionsAndAspectsOfSubjectOne) {
    Form3Chart& form = OpenChart();
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(windows_->MainMenu().isVisible());
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Carta  Astral  de  05 / 12 / 2001 ( 05 / 12 / 2001 )"));
    ExpectShows(form, Slot(1));
    EXPECT_EQ(Find<QLabel>(form, "Label1")->font().family(), QStringLiteral("Astrol"));
    for (const char* name : {"Label1", "Label8"}) {  // all twelve lines fit in the design height
        const QLabel* label = Find<QLabel>(form, name);
        EXPECT_LE(12 * QFontMetrics(label->font()).lineSpacing(), label->height()) << name;
    }

    // The wheel of this slot is on the picture: its glyphs in Astrol and one dotted line per aspect.
    const surface::DrawingSurface& wheel = Picture(form)->Surface();
    EXPECT_EQ(OfKind(wheel, surface::PrimitiveKind::Text).size(), 24u);
    EXPECT_EQ(OfKind(wheel, surface::PrimitiveKind::Text).back().font.family, "Astrol");
    EXPECT_EQ(OfKind(wheel, surface::PrimitiveKind::Line).size(),
              static_cast<std::size_t>(24 + Slot(1).aspectCount));
}

TEST_F(ChartWindow, AClickOnTheWheelSetsTheAscendant) {
    Form3Chart& form = OpenChart();
    const ChartSlot before = Slot(1);
    form.Picture1_MouseDown(1, 100, 2560);  // left of the centre: no change
    EXPECT_EQ(Slot(1).houseCusp, before.houseCusp);

    form.Picture1_MouseDown(2, 5000, 2560);  // right of it, any button: turned by 180
    const int turned = (before.ascendant + 180) % 360;
    EXPECT_EQ(Slot(1).ascendant % 360, turned);
    EXPECT_EQ(Slot(1).ephemerisText, before.ephemerisText);
    ExpectShows(form, Slot(1));
    EXPECT_EQ(Wheel().rotation, 180 - Slot(1).ascendant);

    // A real press on the picture goes the same way.
    surface::PictureWidget* picture = Picture(form);
    const auto pixel = [&](double user) { return static_cast<int>(user * picture->width() / 5120); };
    QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(pixel(5000), pixel(2560)));
    EXPECT_EQ(Slot(1).ascendant % 360, before.ascendant % 360);
}

TEST_F(ChartWindow, MenusLeadToTheSynastryTheVectorsAndBack) {
    Form3Chart& form = OpenChart();
    Choose(form, "mnuSinastrias");  // subject 2 missing: the message, and the chart stays
    EXPECT_EQ(dialogs_.Asked().back().text, QStringLiteral("No hay escogido sujeto a comparar"));
    EXPECT_TRUE(form.isVisible());
    WindowId openedFrom = WindowId::Splash;  // later windows plug in through openers
    windows_->SetOpener(WindowId::Vectors, [&](Windows&, WindowId from) { openedFrom = from; });
    Choose(form, "mnuVectores");
    EXPECT_EQ(openedFrom, WindowId::Chart);
    Choose(form, "mnuOpciones");
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(windows_->MainMenu().isVisible());
    // The vectors windows' chart entries open the chart without the check.
    form.hide();
    State().CurrentSubject = 1;
    windows_->OpenChart(WindowId::MainMenu);
    EXPECT_TRUE(form.isVisible());
}

}  // namespace
}  // namespace orvanel::testing
