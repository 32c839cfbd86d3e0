// The vector modes driven with the mouse and the concept list: sums and remainders drawn on a right
// click, the limit of 20 vectors, the concepts on a line, and the details window of a chosen concept.
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <cmath>
#include <optional>

#include "conceptplane/concept_description.h"
#include "rorev/details_caption.h"
#include "rorev/form3_details.h"
#include "rorev/qt_text.h"
#include "rorev_fixture.h"

namespace rorev_test {
namespace {

// In each mode two points, (1000, 0) and (0, 1000), then a right click: Sum and Remainder draw their
// result and its two tensions from the centre only then; no mode and Line mode draw nothing on it.
TEST_F(RorevWindowTest, ARightClickDrawsTheResultOnlyInSumAndRemainderAndVector21IsRefused) {
    const struct {
        const char* mode;
        QString caption;
        std::optional<surface::Point> result;  // its step from the centre
    } cases[] = {
        {"", "", std::nullopt},  // no mode: the points only move the operands
        {"mnuSumar", "Sumar  conceptos", surface::Point{1000, -1000}},
        // The remainder goes from the first point to the second.
        {"mnuRestar", "Restar  conceptos", surface::Point{-1000, -1000}},
        {"mnuRecta", "Conceptos en la recta", std::nullopt},
    };
    const auto fromCentre = [this](surface::Rgb colour) {
        return display_list::StepsFrom(Plane(), {5300, 5300}, colour);
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        if (*c.mode != '\0') Trigger(c.mode);
        EXPECT_EQ(Find<QLabel>("Label1")->text(), c.caption);
        MouseAt(1000, 0, Qt::LeftButton);
        MouseAt(0, 1000, Qt::LeftButton);
        const auto revision = Plane().Revision();
        MouseAt(0, 0, Qt::RightButton);
        const auto green = fromCentre(surface::RGB(0, 200, 0)), red = fromCentre(surface::RGB(200, 0, 0));
        if (!c.result) {
            EXPECT_EQ(Plane().Revision(), revision);
            continue;
        }
        EXPECT_EQ(green, std::vector<surface::Point>{*c.result});
        ASSERT_EQ(red.size(), 2u);
        EXPECT_NEAR(std::hypot(red[0].x, red[0].y),
                    form1->State().workspace.resultTable[cp::kTensionA].length, 0.01);
    }

    // Sum chosen again starts a new series, where a twenty-first vector is refused with a message.
    Trigger("mnuSumar");
    for (int i = 1; i <= 21; ++i)
        MouseAt(20.0 * i, 100, Qt::LeftButton);
    const auto& workspace = form1->State().workspace;
    EXPECT_EQ(workspace.vectorList.count, 20);
    EXPECT_EQ(workspace.lastOperand.x, 400);  // the twentieth point is still the last operand
    ASSERT_EQ(dialogs.Asked().size(), 1u);
    EXPECT_EQ(dialogs.Asked()[0].text, "No se pueden añadir más de 20 vectores");
    EXPECT_EQ(dialogs.Asked()[0].title, "Sumar  conceptos");
}

// A horizontal line at height 500 lists the concepts with |Y − 500| < 100 (one point draws only its
// circle, which the line's redraw takes away). Concepts chosen from the list reset the zoom, and a
// third one takes the line through it and the sum of the first two.
TEST_F(RorevWindowTest, LineModeListsTheConceptsOnTheLineThroughTwoPoints) {
    Trigger("mnuRecta");
    MouseAt(0, 500, Qt::LeftButton);
    EXPECT_FALSE(List1()->isVisible());
    EXPECT_EQ(OfKind(Plane(), PrimitiveKind::Circle).size(), 9u);
    MouseAt(1000, 500, Qt::LeftButton);
    ASSERT_TRUE(List1()->isVisible());
    EXPECT_EQ(List1()->count(), 13);
    EXPECT_EQ(LinesIn(Plane(), surface::RGB(200, 200, 0)).size(), 1u);
    EXPECT_EQ(OfKind(Plane(), PrimitiveKind::Circle).size(), 8u);
    Trigger("Command3");
    Trigger("mnuRecta");
    Trigger("mnuNodescr");
    ChooseConcept("Fortaleza");
    ChooseConcept("Templanza");
    EXPECT_EQ(Find<QLabel>("Label2")->toolTip(), "Visión normal");
    EXPECT_EQ(Items(List1(), true), QStringList({"Fortaleza", "Templanza", "Alegría", "Sabiduría"}));
    ChooseConcept("Alegría");
    EXPECT_NEAR(form1->State().workspace.lastOperand.x, 5021.00, 1e-9);
    EXPECT_TRUE(List1()->isVisible());
}

// "Localizar concepto" > "Con descripción" from the keyboard, then Tab onto the list: the focus alone
// opens no details; a key on the list chooses, and the details window shows the caption made for the
// concept, which with no mode only becomes the operand. Without descriptions the window stays closed.
TEST_F(RorevWindowTest, ChoosingAConceptWithDescriptionsOpensTheDetailsWindow) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(form1.get()));
    real_input::PressKeys("Alt+L C");
    ASSERT_TRUE(List1()->isVisible());
    const cp::ConceptTable& concepts = form1->State().concepts;
    EXPECT_EQ(List1()->count(), concepts.Count());
    for (int i = 0; i < 20 && QApplication::focusWidget() != List1(); ++i)
        real_input::PressKey(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), List1());
    rorev::Form3& details = form1->Details();
    EXPECT_FALSE(details.isVisible());
    real_input::PressKey(Qt::Key_Down);
    ASSERT_TRUE(details.isVisible());
    const cp::ConceptRecord& second = concepts.Read(2);
    EXPECT_EQ(details.Label1()->text(),
              rorev::WithQtLineBreaks(rorev::DetailsCaption(second, cp::DescribeConcept(second))));
    EXPECT_EQ(OfKind(Plane(), PrimitiveKind::Line).size(), 12u);
    EXPECT_EQ(form1->State().workspace.lastOperand.x, second.xValue);

    Trigger("mnuNodescr");
    ChooseConcept("Fortaleza");
    EXPECT_FALSE(details.isVisible());
}

}  // namespace
}  // namespace rorev_test
