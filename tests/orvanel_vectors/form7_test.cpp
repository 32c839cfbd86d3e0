// Form7, the vectors window of one subject: the opening from a chart, its menus on two rows, the astral
// concepts, the analysis of a body, and the focus coming back to the body list (by Tab, a closing
// message box, the window activated again) choosing nothing. Its readouts, zoom, sum,
// remainder and line are in the tables of both vectors windows.
#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <functional>

#include "conceptplane/vector_workspace.h"
#include "orvanel/display/chart_texts.h"
#include "orvanel/display/form3_chart.h"
#include "orvanel/shell/form_controls.h"
#include "orvanel/vectors/astral_concepts.h"
#include "real_input.h"
#include "vectors_fixture.h"

namespace orvanel::testing {
namespace {

class Form7Test : public VectorsTest {
  protected:
    static void WaitActive(QWidget& window) {
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        QCoreApplication::processEvents();
    }
};

// The glyphs of the fourteen vectors (which the zoom test finds on every plane), each glyph's top-left
// corner 100 units up and left of its label point, and the aspect list; the menus too many for one row wrap
// onto a second row instead of hiding.
TEST_F(Form7Test, OpeningFromTheChartDrawsTheVectorsTheirGlyphsAndTheMenusOnTwoRows) {
    Form7Vectors& f = OpenForm7();
    const ChartSlot& s = Slot(1);
    EXPECT_EQ(f.windowTitle(), ToQt(U"Vectores  de  " + s.title + U"   " + s.dateText));
    const auto glyphs = OfKind(Picture(f)->Surface(), surface::PrimitiveKind::Text);
    ASSERT_EQ(glyphs.size(), 14u);
    for (std::size_t k = 1; k <= 14; ++k) {
        EXPECT_EQ(glyphs[k - 1].text, std::u32string(1, U"abcdefghijklWz"[k - 1]));
        EXPECT_EQ(glyphs[k - 1].a, (surface::Point{5200.0 + s.labelX[k], 5200.0 - s.labelY[k]})) << k;
    }
    EXPECT_EQ(Items(Find<QListWidget>(f, "List5")), ToQtList(AspectListItems(s)));
    ASSERT_EQ(f.findChildren<QMenuBar*>().size(), 2);
    for (const QMenuBar* row : f.findChildren<QMenuBar*>())
        for (QAction* a : row->actions())
            EXPECT_TRUE(row->isVisible() && !row->actionGeometry(a).isEmpty() &&
                        row->actionGeometry(a).right() <= row->width())
                << a->objectName().toStdString();
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
    Choose(f, "mnuAstrales");
    State().CurrentSubject = 3;  // from the two-subject window's slot 3 a mode acts on the synastry's base
    State().SynastryBase = 2;
    Choose(f, "mnuSumar");  // a mode hides the list too
    EXPECT_FALSE(list4->isVisible());
    EXPECT_EQ(State().CurrentSubject, 2);
}

// A body's analysis ends in the resultant of its two terms, which is its chart vector; the Sun has no
// own term. A click on the plane afterwards acts in the mode chosen before, whose caption comes back.
// The line's mode hides the list.
TEST_F(Form7Test, ListaPlanetasAnalysesABodyAndTheSunAsItsPositionAlone) {
    Form7Vectors& f = OpenForm7();
    auto* bodies = Find<QListWidget>(f, "ListaPlanetas");
    auto* caption = Find<QLabel>(f, "Label1");
    Choose(f, "mnuSumar");
    Choose(f, "mnuAnalizar");
    EXPECT_TRUE(bodies->isVisible());
    EXPECT_EQ(Items(bodies), QString("abcdefghijkl").split("", Qt::SkipEmptyParts));
    // The body's point (its row is one less), the caption, the red lines: two tensions beside the
    // emptied result's at the centre, where the Sun's lie too.
    const std::tuple<std::size_t, const char*, std::size_t> rows[] = {
        {2, "Analizar vectores", 3},
        {1, "El Sol no tiene término propio: solo su posición", 1},
        {5, "Analizar vectores", 3}};
    for (const auto& [k, text, red] : rows) {
        real_input::ClickRow(bodies, static_cast<int>(k) - 1);
        EXPECT_TRUE(display_list::HasStep(DrawnVectors(f, kGreen),
                                          {double(Slot(1).vectorX[k]), double(Slot(1).vectorY[k])}, 0.5));
        EXPECT_EQ(DrawnVectors(f, kRed).size(), red) << k;
        EXPECT_EQ(caption->text(), QString::fromUtf8(text));
    }
    ClickPlane(f, {100, 0});
    EXPECT_EQ(caption->text(), "Sumar  vectores");
    Choose(f, "mnuRecta");
    EXPECT_FALSE(bodies->isVisible());
}

// The steps of the three faults users met: after the Moon was analysed from the body list, a focus
// move ran the list's first item, the Sun.
TEST_F(Form7Test, AFocusMoveNeverAnalysesABody) {
    // Why, and the focus move.
    const std::pair<const char*, std::function<void(Form7Vectors&)>> rows[] = {
        {"Tab and Shift+Tab",
         [](Form7Vectors&) {
             real_input::PressKey(Qt::Key_Tab);
             real_input::PressKey(Qt::Key_Tab, Qt::ShiftModifier);
         }},
        {"the message of a 21st point of a sum closing",
         [this](Form7Vectors& f) {
             Choose(f, "mnuSumar");
             for (int i = 0; i < cp::kMaxVectors; ++i)
                 ClickPlane(f, {100.0 * i, 100});
             surface::QtDialogs boxes;
             surface::SetDialogs(&boxes);
             QTimer::singleShot(0,
                                [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Return); });
             ClickPlane(f, {0, 0});
             surface::SetDialogs(&dialogs_);
             WaitActive(f);
         }},
        {"the window activated again",
         [](Form7Vectors& f) {
             QWidget other;
             other.show();
             WaitActive(other);
             other.hide();
             WaitActive(f);
         }},
    };
    for (const auto& [why, focusMove] : rows) {
        Form7Vectors& f = OpenForm7();
        WaitActive(f);
        Choose(f, "mnuAnalizar");
        auto* bodies = Find<QListWidget>(f, "ListaPlanetas");
        real_input::ClickRow(bodies, 1);
        ASSERT_EQ(QApplication::focusWidget(), bodies) << why;
        focusMove(f);
        EXPECT_NE(Find<QLabel>(f, "Label1")->text(),
                  QString::fromUtf8("El Sol no tiene término propio: solo su posición"))
            << why;
    }
}

}  // namespace
}  // namespace orvanel::testing
