// Form7, the vectors window of one subject: the opening from a chart, the readouts, the zoom, the
// sum with its tensions, the astral concepts, the analysis of a body and the concepts on a line.
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <cmath>

#include "conceptplane/vector_workspace.h"
#include "orvanel/display/chart_texts.h"
#include "orvanel/display/form3_chart.h"
#include "orvanel/vectors/astral_concepts.h"
#include "orvanel/vectors/plane_session.h"
#include "real_input.h"
#include "vectors_fixture.h"

namespace orvanel::testing {
namespace {

class Form7Test : public VectorsTest {
  protected:
    Form7Test() { EnterComputed(1, 2001, 12, 5, 14, 30); }

    const surface::DrawingSurface& Plane(QWidget& f) { return Picture(f, "Picture1")->Surface(); }
    // A press on Picture1 at the tip of chart point k.
    void PressAtTip(Form7Vectors& f, int k, int button = 1) {
        const auto i = static_cast<std::size_t>(k);
        emit Picture(f, "Picture1")->mouseDown(button, 5300 + Slot(1).vectorX[i], 5300 - Slot(1).vectorY[i]);
    }
};

TEST_F(Form7Test, OpeningFromTheChartDrawsTheFourteenVectorsTheirGlyphsAndTheAspectGlyphs) {
    Form7Vectors& f = OpenForm7();
    EXPECT_TRUE(f.isVisible());
    EXPECT_FALSE(windows_->Chart().isVisible());
    const ChartSlot& s = Slot(1);

    const std::vector<DrawnVector> pale = OfColour(Plane(f), kPale);
    ASSERT_EQ(pale.size(), 14u);
    for (std::size_t k = 1; k <= 14; ++k) {
        EXPECT_EQ(pale[k - 1].dx, s.vectorX[k]) << k;
        EXPECT_EQ(pale[k - 1].dy, -s.vectorY[k]) << k;
    }
    // The Sun of this moment, as the chart computation gives it.
    EXPECT_EQ(s.vectorX[1], 1292);
    EXPECT_EQ(s.vectorY[1], 1204);
    const std::vector<std::u32string> glyphs = TextsIn(Plane(f));
    ASSERT_EQ(glyphs.size(), 14u);
    for (std::size_t k = 1; k <= 14; ++k)
        EXPECT_EQ(glyphs[k - 1], std::u32string(1, U"abcdefghijklWz"[k - 1]));
    const surface::Primitive sunGlyph = OfKind(Plane(f), surface::PrimitiveKind::Text).front();
    EXPECT_EQ(sunGlyph.a, (surface::Point{5300.0 + s.labelX[1] - 100, 5300.0 - s.labelY[1] - 100}));
    EXPECT_EQ(Items(Find<QListWidget>(f, "List5")), ToQtList(AspectListItems(s)));
    EXPECT_FALSE(Find<QListWidget>(f, "List4")->isVisible());
    EXPECT_EQ(f.Plane().workspace.planeMode, cp::PlaneMode::None);
}

TEST_F(Form7Test, MenusWrapOntoASecondRowAndTheKeyboardLeadsToTheChart) {
    Form7Vectors& f = OpenForm7();
    // Too many for one row: the last ones wrap onto a second row instead of hiding.
    const QList<QMenuBar*> rows = f.findChildren<QMenuBar*>();
    ASSERT_EQ(rows.size(), 2);
    for (const QMenuBar* row : rows) {
        EXPECT_TRUE(row->isVisible());
        for (QAction* a : row->actions()) {
            const QRect place = row->actionGeometry(a);
            EXPECT_FALSE(place.isEmpty()) << a->objectName().toStdString();
            EXPECT_LE(place.right(), row->width()) << a->objectName().toStdString();
        }
    }
    // Alt+T, which "Carta As&tral" shares with "Sinas&trías", only highlights it; Enter runs it.
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    real_input::PressKey(Qt::Key_T, Qt::AltModifier);
    EXPECT_FALSE(windows_->Chart().isVisible());
    real_input::PressKey(Qt::Key_Return);
    EXPECT_TRUE(windows_->Chart().isVisible());
    EXPECT_FALSE(f.isVisible());
}

TEST_F(Form7Test, ReadoutsShowThePointUnderTheMouseInDisplayedUnits) {
    Form7Vectors& f = OpenForm7();
    surface::PictureWidget* plane = Picture(f, "Picture1");
    const auto text = [&](const char* name) { return Find<QLineEdit>(f, name)->text(); };
    emit plane->mouseMove(0, 5300 - 120, 5300);
    EXPECT_EQ(text("Text1"), " X = -12");
    EXPECT_EQ(text("Text2"), " Y = 0");
    EXPECT_EQ(text("Text3"), " Grados = 180");
    EXPECT_EQ(text("Text4"), " Radio = 12");
    emit plane->mouseMove(0, 5300 + 1766, 5300);
    EXPECT_EQ(text("Text4"), " Radio = 177");
    // The zoom box was redrawn around the point: its red crosshair first.
    const surface::DrawingSurface& box = Picture(f, "Picture2")->Surface();
    ASSERT_GE(box.List().size(), 2u);
    EXPECT_EQ(box.List()[0].colour, surface::RGB(250, 0, 0));
}

TEST_F(Form7Test, ZoomOutStopsAtFiftyButAlwaysRedrawsWithGlyphs) {
    Form7Vectors& f = OpenForm7();
    PlaneSession& plane = f.Plane();
    auto* out = Find<QPushButton>(f, "Command2");
    auto* in = Find<QPushButton>(f, "Command3");
    for (int i = 0; i < 3; ++i)
        real_input::ClickButton(out);
    EXPECT_NEAR(plane.view.planeZoom, 51.96, 0.01);
    const std::uint64_t before = Plane(f).Revision();
    real_input::ClickButton(out);
    EXPECT_NEAR(plane.view.planeZoom, 51.96, 0.01);
    EXPECT_GT(Plane(f).Revision(), before);
    EXPECT_TRUE(State().GlyphsShown);
    const double z = plane.view.planeZoom;
    EXPECT_TRUE(HasStep(OfColour(Plane(f), kPale), Slot(1).vectorX[14] / z, -Slot(1).vectorY[14] / z, 0.01));
    real_input::ClickButton(in);
    EXPECT_LT(plane.view.planeZoom, z);
}

TEST_F(Form7Test, SumOfTwoTipsDrawsTheGreenResultantAndTwoRedTensionsOfWholeNumberLengths) {
    Form7Vectors& f = OpenForm7();
    Choose(f, "mnuSumar");
    PressAtTip(f, 1);
    PressAtTip(f, 2);
    EXPECT_TRUE(OfColour(Plane(f), kGreen).empty());
    PressAtTip(f, 2, 2);

    const ChartSlot& s = Slot(1);
    const double rx = s.vectorX[1] + s.vectorX[2], ry = s.vectorY[1] + s.vectorY[2];
    const std::vector<DrawnVector> green = OfColour(Plane(f), kGreen);
    ASSERT_EQ(green.size(), 1u);
    EXPECT_EQ(green[0].dx, rx);
    EXPECT_EQ(green[0].dy, -ry);
    // The tensions, whose lengths the plane's own tests pin; the two clicked vectors lie exactly over
    // the chart's own, so the fourteen pale lines are drawn once each.
    EXPECT_EQ(OfColour(Plane(f), kRed).size(), 2u);
    EXPECT_EQ(OfColour(Plane(f), kPale).size(), 14u);
    EXPECT_EQ(TextsIn(Plane(f)).size(), 14u);
}

TEST_F(Form7Test, VectorRestanteAndTheTwentyFirstPoint) {
    Form7Vectors& f = OpenForm7();
    Choose(f, "mnuRestar");
    surface::PictureWidget* plane = Picture(f, "Picture1");
    emit plane->mouseDown(1, 6300, 5300);
    emit plane->mouseDown(1, 5300, 4300);
    emit plane->mouseDown(2, 5300, 4300);
    EXPECT_TRUE(HasStep(OfColour(Plane(f), kGreen), -1000, -1000, 0.01));
    for (int i = 0; i < 18; ++i)
        emit plane->mouseDown(1, 5400, 5300);
    EXPECT_TRUE(dialogs_.Asked().empty());
    emit plane->mouseDown(1, 5400, 5300);
    ASSERT_EQ(dialogs_.Asked().size(), 1u);
    EXPECT_EQ(dialogs_.Asked()[0].text, QString::fromUtf8("No se pueden añadir más de 20 vectores"));
    EXPECT_EQ(f.Plane().workspace.vectorList.count, 20);
}

TEST_F(Form7Test, AstralConceptsFillList4InAFixedPitchFontAndAClickHidesIt) {
    Form7Vectors& f = OpenForm7();
    Program copy = State();
    cp::VectorWorkspace scratch(cp::Arithmetic::Orvanel);
    const std::vector<cp::Text> expected = ListAstralConcepts(copy, session_->concepts, scratch);
    auto* list4 = Find<QListWidget>(f, "List4");
    Choose(f, "mnuAstrales");
    EXPECT_TRUE(list4->isVisible());
    EXPECT_EQ(Items(list4), ToQtList(expected));
    EXPECT_TRUE(QFontInfo(list4->font()).fixedPitch());
    real_input::ClickRow(list4, 3);
    EXPECT_FALSE(list4->isVisible());

    // From the two-subject window's slot 3 the list names the synastry's base subject.
    EnterComputed(2, 1965, 7, 3, 9, 15);
    State().CurrentSubject = 3;
    State().SynastryBase = 2;
    Choose(f, "mnuAstrales");
    EXPECT_EQ(State().CurrentSubject, 2);
    EXPECT_NE(Items(list4), ToQtList(expected));
}

TEST_F(Form7Test, ListaPlanetasAnalysesABodyAndTheSunAsItsPositionAlone) {
    Form7Vectors& f = OpenForm7();
    auto* bodies = Find<QListWidget>(f, "ListaPlanetas");
    Choose(f, "mnuAnalizar");
    EXPECT_TRUE(bodies->isVisible());
    EXPECT_EQ(Items(bodies), QString("abcdefghijkl").split("", Qt::SkipEmptyParts));

    const ChartSlot& s = Slot(1);
    real_input::ClickRow(bodies, 1);  // the Moon: its own and its sign term make its vector
    std::vector<DrawnVector> green = OfColour(Plane(f), kGreen);
    ASSERT_EQ(green.size(), 2u);  // the empty result under the redraw, then the analysis
    EXPECT_TRUE(HasStep(green, s.vectorX[2], -s.vectorY[2], 0.5));
    std::vector<DrawnVector> red = OfColour(Plane(f), kRed);
    EXPECT_GT(std::hypot(red.back().dx, red.back().dy), 1);

    real_input::ClickRow(bodies, 0);  // the Sun has no own term
    green = OfColour(Plane(f), kGreen);
    EXPECT_TRUE(HasStep(green, s.vectorX[1], -s.vectorY[1], 0.5));
    // Its two tensions are of no length: one line at the centre, where the emptied result's were.
    red = OfColour(Plane(f), kRed);
    ASSERT_EQ(red.size(), 1u);
    EXPECT_EQ(std::hypot(red[0].dx, red[0].dy), 0);
    EXPECT_EQ(Find<QLabel>(f, "Label1")->text(),
              QString::fromUtf8("El Sol no tiene término propio: solo su posición"));

    Choose(f, "mnuSumar");
    Choose(f, "mnuAnalizar");
    // Mars after the Sun: the caption still names the analysis; a click on the plane acts in the
    // mode, whose caption is back.
    real_input::ClickRow(bodies, 4);
    EXPECT_EQ(Find<QLabel>(f, "Label1")->text(), "Analizar vectores");
    QTest::mouseClick(Picture(f, "Picture1"), Qt::LeftButton);
    EXPECT_EQ(Find<QLabel>(f, "Label1")->text(), "Sumar  vectores");
}

TEST_F(Form7Test, ConceptsOnTheLineFillList1AndTheModeHidesTheBodyList) {
    Form7Vectors& f = OpenForm7();
    Choose(f, "mnuAnalizar");
    Choose(f, "mnuSumar");
    EXPECT_TRUE(Find<QListWidget>(f, "ListaPlanetas")->isVisible());
    Choose(f, "mnuRecta");
    EXPECT_FALSE(Find<QListWidget>(f, "ListaPlanetas")->isVisible());
    real_input::ClickButton(Find<QPushButton>(f, "Command2"));
    surface::PictureWidget* plane = Picture(f, "Picture1");
    const double z = f.Plane().view.planeZoom;
    emit plane->mouseDown(1, 5300, 5300 - 500 / z);
    EXPECT_FALSE(Find<QListWidget>(f, "List1")->isVisible());
    emit plane->mouseDown(1, 5300 + 1000 / z, 5300 - 500 / z);
    auto* list1 = Find<QListWidget>(f, "List1");
    EXPECT_TRUE(list1->isVisible());
    const cp::PlaneLine line = cp::LineThrough({1000, 500}, {0, 500}, cp::Arithmetic::Orvanel);
    EXPECT_EQ(Items(list1), ToQtList(cp::ConceptsOnLine(session_->concepts, line, cp::Arithmetic::Orvanel)));
    EXPECT_GT(list1->count(), 0);
    EXPECT_EQ(f.Plane().view.planeZoom, 1.0);
}

TEST_F(Form7Test, AFaultOfTheSubjectIsToldAndOpensNothing) {
    State().CurrentSubject = 1;
    windows_->ShowChartWindow();
    State().CurrentSubject = 13;  // no such slot
    Choose(windows_->Chart(), "mnuVectores");
    ASSERT_FALSE(dialogs_.Asked().empty());
    EXPECT_EQ(dialogs_.Asked().back().title, "Vectores");
    EXPECT_FALSE(windows_->Window(WindowId::Vectors).isVisible());
    EXPECT_TRUE(windows_->Chart().isVisible());
}

}  // namespace
}  // namespace orvanel::testing
