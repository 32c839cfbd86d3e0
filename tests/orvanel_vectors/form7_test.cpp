// Form7, the vectors window of one subject: the opening from a chart, its menus on two rows and their
// access keys, the readouts and the zoom box under the pointer, the astral concepts, the analysis of a
// body. Its zoom, sum, remainder and line are in the table of both vectors windows.
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QTest>

#include "conceptplane/vector_workspace.h"
#include "conceptplane/zoom_box.h"
#include "orvanel/display/chart_texts.h"
#include "orvanel/display/form3_chart.h"
#include "orvanel/shell/form_controls.h"
#include "orvanel/vectors/astral_concepts.h"
#include "real_input.h"
#include "vectors_fixture.h"

namespace orvanel::testing {
namespace {

using Form7Test = VectorsTest;

TEST_F(Form7Test, OpeningFromTheChartDrawsTheFourteenVectorsTheirGlyphsAndTheAspectGlyphs) {
    Form7Vectors& f = OpenForm7();
    EXPECT_TRUE(OnlyVisible(f));
    const ChartSlot& s = Slot(1);
    EXPECT_EQ(f.windowTitle(), ToQt(U"Vectores  de  " + s.title + U"   " + s.dateText));
    EXPECT_TRUE(ShowsVectorsOf(f, "Picture1", s));
    EXPECT_EQ(DrawnVectors(f, kPale).size(), 14u);
    // Each glyph with its top-left corner 100 units up and left of its label point.
    const auto glyphs = OfKind(Picture(f)->Surface(), surface::PrimitiveKind::Text);
    ASSERT_EQ(glyphs.size(), 14u);
    for (std::size_t k = 1; k <= 14; ++k) {
        EXPECT_EQ(glyphs[k - 1].text, std::u32string(1, U"abcdefghijklWz"[k - 1]));
        EXPECT_EQ(glyphs[k - 1].a, (surface::Point{5200.0 + s.labelX[k], 5200.0 - s.labelY[k]})) << k;
    }
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
            EXPECT_TRUE(!place.isEmpty() && place.right() <= row->width()) << a->objectName().toStdString();
        }
    }
    // Alt+T, which "Carta As&tral" shares with "Sinas&trías", only highlights it; Enter runs it.
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    real_input::PressKey(Qt::Key_T, Qt::AltModifier);
    EXPECT_TRUE(OnlyVisible(f));
    real_input::PressKey(Qt::Key_Return);
    EXPECT_TRUE(OnlyVisible(windows_->Chart()));
}

TEST_F(Form7Test, ReadoutsAndTheZoomBoxShowThePointUnderThePointer) {
    Form7Vectors& f = OpenForm7();
    const cp::ZoomReadouts r = PointerAt(f, "Picture1", {-120, 0}, "Picture2");
    const cp::Text expected[] = {U" X = " + r.x, U" Y = " + r.y, U" Grados = " + r.angle,
                                 U" Radio = " + r.radius};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(Find<QLineEdit>(f, ("Text" + std::to_string(i + 1)).c_str())->text(), ToQt(expected[i]));
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
    Choose(f, "mnuSumar");  // a mode hides it too
    EXPECT_FALSE(list4->isVisible());

    // From the two-subject window's slot 3 the list, like a mode, acts on the synastry's base subject;
    // a subject's own slot stays.
    State().CurrentSubject = 3;
    State().SynastryBase = 2;
    Choose(f, "mnuAstrales");
    EXPECT_EQ(State().CurrentSubject, 2);
    EXPECT_NE(Items(list4), ToQtList(expected));
    State().SynastryBase = 1;
    Choose(f, "mnuSumar");
    EXPECT_EQ(State().CurrentSubject, 2);
}

// A body's analysis ends in the resultant of its two terms, which is its chart vector; the Sun has no
// own term. A click on the plane afterwards acts in the mode chosen before, whose caption comes back.
// The other modes keep the list; the line's hides it.
TEST_F(Form7Test, ListaPlanetasAnalysesABodyAndTheSunAsItsPositionAlone) {
    Form7Vectors& f = OpenForm7();
    auto* bodies = Find<QListWidget>(f, "ListaPlanetas");
    auto* caption = Find<QLabel>(f, "Label1");
    Choose(f, "mnuSumar");
    Choose(f, "mnuAnalizar");
    EXPECT_TRUE(bodies->isVisible());
    EXPECT_EQ(Items(bodies), QString("abcdefghijkl").split("", Qt::SkipEmptyParts));
    // The body's row, the caption, the red lines: two tensions beside the emptied result's at the
    // centre, where the Sun's lie too.
    const std::tuple<int, const char*, std::size_t> rows[] = {
        {1, "Analizar vectores", 3},
        {0, "El Sol no tiene término propio: solo su posición", 1},
        {4, "Analizar vectores", 3}};
    for (const auto& [row, text, red] : rows) {
        real_input::ClickRow(bodies, row);
        const auto k = static_cast<std::size_t>(row + 1);
        EXPECT_TRUE(display_list::HasStep(DrawnVectors(f, kGreen),
                                          {double(Slot(1).vectorX[k]), double(Slot(1).vectorY[k])}, 0.5));
        EXPECT_EQ(DrawnVectors(f, kRed).size(), red) << row;
        EXPECT_EQ(caption->text(), QString::fromUtf8(text));
    }
    ClickPlane(f, {100, 0});
    EXPECT_EQ(caption->text(), "Sumar  vectores");
    Choose(f, "mnuRestar");
    EXPECT_TRUE(bodies->isVisible());
    Choose(f, "mnuRecta");
    EXPECT_FALSE(bodies->isVisible());
}

}  // namespace
}  // namespace orvanel::testing
