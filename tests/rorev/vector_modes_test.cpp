// The vector modes driven with the mouse and the concept list: sums and remainders drawn on a right
// click, the limit of 20 vectors, the concepts on a line, and the details window of a chosen concept.
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <cmath>
#include <optional>

#include "conceptplane/concept_description.h"
#include "conceptplane/template.h"
#include "rorev/details_caption.h"
#include "rorev/form3_details.h"
#include "rorev/qt_text.h"
#include "rorev_fixture.h"

namespace rorev_test {
namespace {

constexpr surface::Rgb kGreen = surface::RGB(0, 200, 0);
constexpr surface::Rgb kRed = surface::RGB(200, 0, 0);

// The lines of a colour that start at the template's centre: the vectors, not their arrow heads.
std::vector<surface::Primitive> VectorsIn(const surface::DrawingSurface& s, surface::Rgb colour) {
    std::vector<surface::Primitive> vectors;
    for (const surface::Primitive& p : LinesIn(s, colour))
        if (p.a == surface::Point{5300, 5300}) vectors.push_back(p);
    return vectors;
}

// In each mode two points, (1000, 0) and (0, 1000), then a right click: Sum and Remainder draw their
// result and its two tensions only then; no mode and Line mode draw nothing on it.
TEST_F(RorevWindowTest, ARightClickDrawsTheResultOnlyInSumAndRemainder) {
    const struct {
        const char* mode;
        QString caption;
        std::optional<surface::Point> resultEnd;
    } cases[] = {
        {"", "", std::nullopt},  // no mode: the points only move the operands
        {"mnuSumar", "Sumar  conceptos", surface::Point{6300, 4300}},
        {"mnuRestar", "Restar  conceptos", surface::Point{4300, 4300}},  // from the first point to the second
        {"mnuRecta", "Conceptos en la recta", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        if (*c.mode != '\0') Trigger(c.mode);
        EXPECT_EQ(Find<QLabel>("Label1")->text(), c.caption);
        ClickPlane(1000, 0);
        ClickPlane(0, 1000);
        EXPECT_TRUE(VectorsIn(Plane(), kGreen).empty());
        const auto revision = Plane().Revision();
        ClickPlane(0, 0, Qt::RightButton);
        const auto green = VectorsIn(Plane(), kGreen), red = VectorsIn(Plane(), kRed);
        EXPECT_EQ(form1->State().workspace.resultShown, c.resultEnd.has_value());
        if (!c.resultEnd) {
            EXPECT_EQ(Plane().Revision(), revision);
            continue;
        }
        ASSERT_EQ(green.size(), 1u);
        EXPECT_EQ(green[0].b, *c.resultEnd);
        ASSERT_EQ(red.size(), 2u);
        EXPECT_NEAR(std::hypot(red[0].b.x - 5300, red[0].b.y - 5300), 293.39, 0.01);
    }
}

TEST_F(RorevWindowTest, ATwentyFirstVectorIsRefusedWithAMessage) {
    Trigger("mnuSumar");
    for (int i = 1; i <= 21; ++i)
        ClickPlane(20.0 * i, 100);
    const auto& workspace = form1->State().workspace;
    EXPECT_EQ(workspace.vectorList.count, 20);
    EXPECT_EQ(workspace.lastOperand.x, 400);  // the twentieth point is still the last operand
    ASSERT_EQ(dialogs.Asked().size(), 1u);
    EXPECT_EQ(dialogs.Asked()[0].text, "No se pueden añadir más de 20 vectores");
    EXPECT_EQ(dialogs.Asked()[0].title, "Sumar  conceptos");
}

TEST_F(RorevWindowTest, LineModeListsTheConceptsOnTheLineThroughTwoPoints) {
    Trigger("mnuRecta");
    ClickPlane(0, 500);
    EXPECT_FALSE(List1()->isVisible());  // one point: only its circle
    EXPECT_EQ(CountOf(Plane(), PrimitiveKind::Circle), 9);
    ClickPlane(1000, 500);
    // A horizontal line at height 500: every concept with |Y − 500| < 100, in file order.
    ASSERT_TRUE(List1()->isVisible());
    EXPECT_EQ(Items(List1()), QStringList({"Vitalidad", "Reflejos", "Seriedad", "Docilidad", "Sedentarismo",
                                           "Fiebre", "Hiperventilación", "Ceguera interior", "Incomprensión",
                                           "Combatividad", "Camaradería", "Determinación", "Ponderación"}));
    EXPECT_EQ(LinesIn(Plane(), surface::RGB(200, 200, 0)).size(), 1u);
    EXPECT_EQ(CountOf(Plane(), PrimitiveKind::Circle), 8);  // the point circles are gone with the redraw
}

TEST_F(RorevWindowTest, LineModeFromTheListResetsTheZoomAndTakesFurtherPoints) {
    Trigger("Command3");
    Trigger("mnuRecta");
    Trigger("mnuNodescr");
    ASSERT_TRUE(ClickRowNamed(List1(), "Fortaleza"));
    ASSERT_TRUE(ClickRowNamed(List1(), "Templanza"));
    EXPECT_EQ(Find<QLabel>("Label2")->toolTip(), "Visión normal");
    EXPECT_EQ(Items(List1()), QStringList({"Fortaleza", "Templanza", "Alegría", "Sabiduría"}));
    // A third point: the line through it and the sum of the first two.
    ASSERT_TRUE(ClickRowNamed(List1(), "Alegría"));
    EXPECT_NEAR(form1->State().workspace.lastOperand.x, 5021.00, 1e-9);
    EXPECT_TRUE(List1()->isVisible());
}

// With descriptions on, a chosen concept opens the details window with the caption made for it; with
// no mode it only becomes the operand. Without descriptions the window stays closed.
TEST_F(RorevWindowTest, ChoosingAConceptWithDescriptionsOpensTheDetailsWindow) {
    Trigger("mnuDescr");
    const cp::ConceptTable& concepts = form1->State().concepts;
    EXPECT_EQ(List1()->count(), concepts.Count());
    const cp::ConceptRecord& paz = concepts.Read(concepts.FindByName(cp::Fixed(U"Paz", 30)));
    ASSERT_TRUE(ClickRowNamed(List1(), "Paz"));
    rorev::Form3& details = form1->Details();
    ASSERT_TRUE(details.isVisible());
    EXPECT_EQ(details.Label1()->text(),
              rorev::WithQtLineBreaks(rorev::DetailsCaption(paz, cp::DescribeConcept(paz))));
    EXPECT_EQ(CountOf(Plane(), PrimitiveKind::Line), 12);
    EXPECT_EQ(form1->State().workspace.lastOperand.x, paz.xValue);

    Trigger("mnuNodescr");
    ASSERT_TRUE(ClickRowNamed(List1(), "Fortaleza"));
    EXPECT_FALSE(details.isVisible());
}

// "Localizar concepto" > "Con descripción" from the keyboard, then Tab onto the list: the focus
// alone opens no details; a key on the list chooses.
TEST_F(RorevWindowTest, TheKeyboardReachesTheConceptListWithoutChoosing) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(form1.get()));
    real_input::PressKeys("Alt+L C");
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

}  // namespace
}  // namespace rorev_test
