// The three vector modes driven with the mouse and the concept list: sums with their hidden
// tensions, the remainder, the concepts on a line, and the details window of a chosen concept.
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <cmath>

#include "conceptplane/template.h"
#include "real_input.h"
#include "rorev/form3_details.h"
#include "rorev_fixture.h"

namespace rorev_test {
namespace {

constexpr surface::Rgb kGreen = surface::RGB(0, 200, 0);
constexpr surface::Rgb kRed = surface::RGB(200, 0, 0);
constexpr surface::Rgb kYellowLine = surface::RGB(200, 200, 0);

double LengthOf(const surface::Primitive& line) {
    return std::hypot(line.b.x - line.a.x, line.b.y - line.a.y);
}

// The lines of a colour that start at the template's centre: the vectors, not their arrow heads.
std::vector<surface::Primitive> VectorsIn(const surface::DrawingSurface& s, surface::Rgb colour) {
    std::vector<surface::Primitive> vectors;
    for (const surface::Primitive& p : LinesIn(s, colour))
        if (p.a == surface::Point{5300, 5300}) vectors.push_back(p);
    return vectors;
}

TEST_F(RorevWindowTest, SumDrawsTheGreenResultantAndTwoRedTensions) {
    // The mouse lands on whole plane points: the worked example's values (the core's own test
    // holds the other cases).
    Trigger("mnuSumar");
    EXPECT_TRUE(Find<QLabel>("Label1")->isVisible());
    ClickPlane(1000, 0, Qt::LeftButton);
    ClickPlane(0, 1000, Qt::LeftButton);
    const surface::DrawingSurface& plane = Picture1()->Surface();
    EXPECT_EQ(VectorsIn(plane, cp::kPlaneFore).size(), 2u);
    EXPECT_TRUE(VectorsIn(plane, kGreen).empty());
    ClickPlane(0, 0, Qt::RightButton);
    const auto green = VectorsIn(plane, kGreen);
    const auto red = VectorsIn(plane, kRed);
    ASSERT_EQ(green.size(), 1u);
    ASSERT_EQ(red.size(), 2u);
    EXPECT_NEAR(LengthOf(green[0]), 1000 * std::sqrt(2.0), 0.01);
    EXPECT_NEAR(LengthOf(red[0]), 293.39, 0.01);
    EXPECT_EQ(VectorsIn(plane, cp::kPlaneFore).size(), 2u) << "the stored vectors drawn again";
}

TEST_F(RorevWindowTest, ATwentyFirstVectorIsRefusedWithAMessage) {
    Trigger("mnuSumar");
    for (int i = 1; i <= 21; ++i)
        ClickPlane(20.0 * i, 100, Qt::LeftButton);
    const auto& workspace = form1->State().workspace;
    EXPECT_EQ(workspace.vectorList.count, 20);
    EXPECT_EQ(workspace.lastOperand.x, 400);  // the twentieth point is still the last operand
    ASSERT_EQ(dialogs->Asked().size(), 1u);
    EXPECT_EQ(dialogs->Asked()[0].text, "No se pueden añadir más de 20 vectores");
}

TEST_F(RorevWindowTest, RemainderShowsTheVectorFromTheFirstPointToTheSecond) {
    Trigger("mnuRestar");
    ClickPlane(1000, 0, Qt::LeftButton);
    ClickPlane(0, 1000, Qt::LeftButton);
    ClickPlane(0, 0, Qt::RightButton);
    const auto green = VectorsIn(Picture1()->Surface(), kGreen);
    ASSERT_EQ(green.size(), 1u);
    EXPECT_EQ(green[0].b, (surface::Point{4300, 4300}));
}

TEST_F(RorevWindowTest, RightClicksOutsideSumAndRemainderDoNothing) {
    const auto revision = Picture1()->Surface().Revision();
    ClickPlane(1000, 0, Qt::LeftButton);  // no mode: the operands move, nothing is drawn
    ClickPlane(0, 0, Qt::RightButton);
    EXPECT_EQ(Picture1()->Surface().Revision(), revision);
    EXPECT_FALSE(form1->State().workspace.resultShown);
    EXPECT_EQ(form1->State().workspace.lastOperand.x, 1000);
    Trigger("mnuRecta");
    ClickPlane(0, 0, Qt::RightButton);
    EXPECT_TRUE(VectorsIn(Picture1()->Surface(), kGreen).empty());
}

TEST_F(RorevWindowTest, LineModeListsTheConceptsOnTheLineThroughTwoPoints) {
    Trigger("mnuRecta");
    ClickPlane(0, 500, Qt::LeftButton);
    EXPECT_FALSE(List1()->isVisible());  // one point: only its circle
    EXPECT_EQ(CountOf(Picture1()->Surface(), surface::PrimitiveKind::Circle), 9);
    ClickPlane(1000, 500, Qt::LeftButton);
    // A horizontal line at height 500: every concept with |Y − 500| < 100, in file order.
    const QStringList expected = {"Vitalidad",     "Reflejos",     "Seriedad",         "Docilidad",
                                  "Sedentarismo",  "Fiebre",       "Hiperventilación", "Ceguera interior",
                                  "Incomprensión", "Combatividad", "Camaradería",      "Determinación",
                                  "Ponderación"};
    ASSERT_TRUE(List1()->isVisible());
    QStringList names;
    for (int i = 0; i < List1()->count(); ++i)
        names << List1()->item(i)->text().trimmed();
    EXPECT_EQ(names, expected);
    const auto yellow = LinesIn(Picture1()->Surface(), kYellowLine);
    ASSERT_EQ(yellow.size(), 1u);
    EXPECT_NEAR(yellow[0].a.y, 4800, 0.5);
    // The point circles are gone with the redraw.
    EXPECT_EQ(CountOf(Picture1()->Surface(), surface::PrimitiveKind::Circle), 8);
}

TEST_F(RorevWindowTest, LineModeFromTheListResetsTheZoomAndTakesFurtherPoints) {
    QTest::mouseClick(Find<QWidget>("Command3"), Qt::LeftButton);
    Trigger("mnuRecta");
    Trigger("mnuNodescr");
    ASSERT_TRUE(ChooseEntry(List1(), "Fortaleza"));
    ASSERT_TRUE(ChooseEntry(List1(), "Templanza"));
    EXPECT_EQ(Find<QLabel>("Label2")->toolTip(), "Visión normal");
    EXPECT_EQ(form1->State().view.planeZoom, 1.0);
    QStringList names;
    for (int i = 0; i < List1()->count(); ++i)
        names << List1()->item(i)->text().trimmed();
    EXPECT_EQ(names, (QStringList{"Fortaleza", "Templanza", "Alegría", "Sabiduría"}));
    // A third point: the line through it and the sum of the first two.
    ASSERT_TRUE(ChooseEntry(List1(), "Alegría"));
    const auto& last = form1->State().workspace.lastOperand;
    EXPECT_NEAR(last.x, 5021.00, 1e-9);
    EXPECT_TRUE(List1()->isVisible());
    EXPECT_GE(List1()->count(), 1);
}

TEST_F(RorevWindowTest, ChoosingAConceptWithDescriptionsOpensTheDetailsWindow) {
    Trigger("mnuDescr");
    ASSERT_TRUE(List1()->isVisible());
    EXPECT_EQ(List1()->count(), 372);
    EXPECT_TRUE(form1->State().descriptionsOn);
    rorev::Form3& details = form1->Details();
    struct Case {
        const char* name;
        QStringList paragraphs;
    };
    const Case cases[] = {
        {"Determinación",
         {"Nombre,    Determinación                 ", "Definición,    Voluntad excelente", "Grados = 15",
          "Radio = 177", "X = 171", "Y = 46"}},
        {"Paz",
         {"Nombre,    Paz                           ", "Definición,    Concepto base del nivel 7",
          "Grados = 180", "Radio = 1004", "X = -1004", "Y = 0"}},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(ChooseEntry(List1(), c.name)) << c.name;
        ASSERT_TRUE(details.isVisible()) << c.name;
        EXPECT_EQ(details.Label1()->text().split("\n\n"), c.paragraphs) << c.name;
    }
    // No mode chosen: the concepts become operands and nothing is drawn.
    EXPECT_EQ(CountOf(Picture1()->Surface(), surface::PrimitiveKind::Line), 12);
    EXPECT_NEAR(form1->State().workspace.lastOperand.x, -10042.00, 1e-9);

    Trigger("mnuNodescr");
    ASSERT_TRUE(ChooseEntry(List1(), "Fortaleza"));
    EXPECT_FALSE(details.isVisible());
    EXPECT_FALSE(form1->State().descriptionsOn);
}

// "Localizar concepto" > "Con descripción" from the keyboard, then Tab onto the list: the focus
// alone opens no details; a key on the list chooses.
TEST_F(RorevWindowTest, TheKeyboardReachesTheConceptListWithoutChoosing) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(form1.get()));
    real_input::PressKey(Qt::Key_L, Qt::AltModifier);
    real_input::PressKey(Qt::Key_C);
    ASSERT_TRUE(List1()->isVisible());
    for (int i = 0; i < 20 && QApplication::focusWidget() != List1(); ++i)
        real_input::PressKey(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), List1());
    rorev::Form3& details = form1->Details();
    EXPECT_FALSE(details.isVisible());
    real_input::PressKey(Qt::Key_Down);
    ASSERT_TRUE(details.isVisible());
    EXPECT_TRUE(details.Label1()->text().startsWith("Nombre,    " + List1()->item(1)->text()));
}

TEST_F(RorevWindowTest, AConceptChosenInSumModeIsDrawnAsAVector) {
    Trigger("mnuSumar");
    Trigger("mnuNodescr");
    ASSERT_TRUE(ChooseEntry(List1(), "Memoria"));
    ASSERT_TRUE(ChooseEntry(List1(), "Previsión"));
    EXPECT_EQ(VectorsIn(Picture1()->Surface(), cp::kPlaneFore).size(), 2u);
    ClickPlane(0, 0, Qt::RightButton);
    // Two neighbouring faculties add up to the attitude between them, Sensatez at 270°.
    const auto& r = form1->State().workspace.resultTable;
    EXPECT_NEAR(r[cp::kResultant].length, 2691, 1);
    EXPECT_NEAR(r[cp::kResultant].angle, 270, 0.01);
    EXPECT_NEAR(r[cp::kTensionA].length, 47.97, 0.01);
    MoveToPlane(0, -2680);
    EXPECT_EQ(TextOf("Text4"), " Radio = 268");
    bool sensatezShown = false;
    for (const auto& text : TextsIn(Picture2()->Surface()))
        sensatezShown |= text.find(U"Sensatez") != std::u32string::npos;
    EXPECT_TRUE(sensatezShown);
}

}  // namespace
}  // namespace rorev_test
