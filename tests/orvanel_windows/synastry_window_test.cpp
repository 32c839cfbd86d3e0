// The synastry window: its checks and messages, both columns, the swap of the rings, the cross
// aspects by name with their heading, a click on that list, and its way to the chart window.
#include <QLabel>
#include <QListWidget>

#include "orvanel/display/chart_texts.h"
#include "orvanel/display/chart_wheel.h"
#include "orvanel/display/cross_aspect_texts.h"
#include "orvanel/display/form3_chart.h"
#include "orvanel/display/form4_synastry.h"
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
    QString Text(const char* label) { return Find<QLabel>(Form(), label)->text(); }
    // Subject `inner` inside, the other outside.
    void ExpectRings(int inner) {
        const ChartSlot& in = Slot(inner);
        const ChartSlot& out = Slot(3 - inner);
        EXPECT_EQ(Form().windowTitle(),
                  ToQt(U"Sinastría entre " + in.title + U" (dentro)  y " + out.title + U" (fuera)"));
        EXPECT_EQ(Text("Label10"), ToQt(U"Planetas de \n" + in.title));
        EXPECT_EQ(Text("Label1"), ToQt(U"Planetas de \n" + out.title));
        EXPECT_EQ(Text("Label11"), Caption(PositionLabelTexts(in).points));
        EXPECT_EQ(Text("Label16"), Caption(PositionLabelTexts(in).houses));
        EXPECT_EQ(Text("Label2"), Caption(PositionLabelTexts(out).points));
        EXPECT_EQ(Text("Label7"), Caption(PositionLabelTexts(out).houses));
        EXPECT_EQ(State().CurrentSubject, 3 - inner);  // left on the outer subject
    }
    // From the chart window of subject 1, as in the first worked example.
    void OpenFromChart() {
        EnterBothSubjects();
        State().CurrentSubject = 1;
        windows_->ShowChartWindow();
        WindowTest::Choose(windows_->Chart(), "mnuSinastrias");
    }
};

TEST_F(SynastryWindow, MissingSubjectsAreNamedOneAfterTheOther) {
    windows_->MainMenu().show();
    EXPECT_FALSE(windows_->StartSynastry(WindowId::MainMenu));
    const auto& asked = dialogs_.Asked();
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0].text, QStringLiteral("No hay escogido sujeto principal"));
    EXPECT_EQ(asked[1].text, QStringLiteral("No hay escogido sujeto a comparar"));
    for (const auto& q : asked)
        EXPECT_EQ(q.title, QStringLiteral("Comparación de sujetos"));
    EXPECT_TRUE(windows_->MainMenu().isVisible());
}

TEST_F(SynastryWindow, OpensWithSubjectOneInsideAndSwapsTheRings) {
    OpenFromChart();
    EXPECT_TRUE(Form().isVisible());
    EXPECT_FALSE(windows_->Chart().isVisible());
    ExpectRings(1);
    // The wheel rewrote the hidden chart window's title, with the inner subject.
    EXPECT_EQ(windows_->Chart().windowTitle(),
              QStringLiteral("Carta  Astral  de  05 / 12 / 2001 ( 05 / 12 / 2001 )"));
    EXPECT_EQ(
        OfKind(Find<surface::PictureWidget>(Form(), "Picture1")->Surface(), surface::PrimitiveKind::Circle)
            .size(),
        2u);

    State().SynastryBase = 1;
    Choose("mnuAlternar");
    EXPECT_EQ(State().SynastryBase, 2);
    ExpectRings(2);
    Choose("mnuAlternar");
    ExpectRings(1);
}

TEST_F(SynastryWindow, CrossAspectsListTheOuterSubjectFirstAndAClickRestoresTheWheel) {
    OpenFromChart();
    const QString title = Form().windowTitle();
    auto* list = Find<QListWidget>(Form(), "List1");
    auto* heading = Find<QLabel>(Form(), "Label19");
    EXPECT_FALSE(list->isVisible());
    EXPECT_FALSE(heading->isVisible());

    Program expected = State();
    const CrossAspectList cross = ListCrossAspects(expected);
    Choose("mnuCruzados");
    EXPECT_TRUE(list->isVisible());
    EXPECT_TRUE(heading->isVisible());
    EXPECT_EQ(State().SynastryBase, 2);
    EXPECT_EQ(State().CurrentSubject, 2);
    EXPECT_EQ(heading->text(), ToQt(CrossAspectHeading(Slot(2).title, Slot(1).title)));
    EXPECT_EQ(Items(list), ToQtList(cross.items));
    // Every item whole ("Mercurio", not "Mercur…"), the list widened from its design left edge.
    EXPECT_EQ(ItemOverflow(*list), 0);
    EXPECT_EQ(list->x(), surface::TwipsToPixels(840, list));

    real_input::ClickRow(list, 0);
    EXPECT_FALSE(list->isVisible());
    EXPECT_FALSE(heading->isVisible());
    EXPECT_EQ(Form().windowTitle(), title);
    ExpectRings(1);
}

TEST_F(SynastryWindow, ChartAndOptionsLeaveTheSynastry) {
    OpenFromChart();
    Choose("mnuCarta");  // the inner subject's chart
    EXPECT_FALSE(Form().isVisible());
    EXPECT_TRUE(windows_->Chart().isVisible());
    EXPECT_EQ(windows_->Chart().windowTitle(), ToQt(ChartWindowTitle(Slot(1))));

    windows_->StartSynastry(WindowId::Chart);
    WindowId from = WindowId::Splash;
    windows_->SetOpener(WindowId::VectorsTwo, [&](Windows&, WindowId f) { from = f; });
    Choose("mnuVectoresdos");
    EXPECT_EQ(from, WindowId::Synastry);
    Choose("mnuOpciones");
    EXPECT_FALSE(Form().isVisible());
    EXPECT_TRUE(windows_->MainMenu().isVisible());
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
