// The splash and the main menu: captions, colours at rest, under the pointer and with the keyboard's
// focus, "Entrar", the menu's actions and the end of the program. Then which
// window comes next: every label and menu item that moves between Orvanel's windows, and the messages
// that keep a window where it is when its subject is missing or names no chart.
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <tuple>
#include <vector>

#include "orvanel/shell/form1_splash.h"
#include "orvanel/shell/form2_main_menu.h"
#include "orvanel/shell/form_controls.h"
#include "real_input.h"
#include "surface/picture_widget.h"
#include "window_fixture.h"

namespace orvanel::testing {
namespace {

using enum WindowId;
using MainWindows = WindowTest;
using Navigation = WindowTest;

// Screen readers get the labels that act, the ones that light under the pointer, as buttons; the
// splash, a plain widget, as a window named by its title; every picture with a description.
TEST_F(MainWindows, LabelsShowTheirCaptionsAndChangeColourUnderThePointer) {
    QWidget &splash = windows_->Splash(), &menu = windows_->MainMenu();
    const QColor red(255, 0, 0), cyan(0, 255, 255), pale(255, 255, 128), teal(0, 192, 192);
    // The window, the label, its caption, its colours at rest and under the pointer.
    const std::tuple<QWidget&, const char*, const char*, QColor, QColor> cases[] = {
        {splash, "Label1", "Zentavia", red, red},
        {splash, "Label2", "Programa para diagnósticos por vectores", teal, teal},
        {splash, "Label3", "Entrar", QColor(255, 255, 192), red},
        {menu, "Label9", " Sujetos y opciones", red, red},
        {menu, "Label12", "Datos de la fecha", QColor(192, 192, 255), pale},
        {menu, "Label1", "Carta Astral", cyan, pale},
        {menu, "Label4", "Sinastrías", cyan, pale},
        {menu, "Label2", "Salir del programa", pale, QColor(255, 0, 255)},
    };
    for (const auto& [form, name, caption, rest, hover] : cases) {
        form.show();
        QLabel* label = Find<QLabel>(form, name);
        EXPECT_EQ(label->text(), QString::fromUtf8(caption)) << name;
        EXPECT_EQ(ForeColour(label), rest) << name;
        EXPECT_EQ(QAccessible::queryAccessibleInterface(label)->role(),
                  rest == hover ? QAccessible::StaticText : QAccessible::Button);
        MoveOver(label);
        EXPECT_EQ(ForeColour(label), hover) << name;
        MoveOver(&form);  // the background gives the label its resting colour again
        EXPECT_EQ(ForeColour(label), rest) << name;
    }
    // The cycles entry is there exactly when a cycles window is installed; "Salir" ends the program.
    EXPECT_EQ(Find<QLabel>(menu, "Label5") != nullptr, windows_->HasOpener(Cycles));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&splash)->text(QAccessible::Name),
              QStringLiteral("Zentavia"));
    for (WindowId id : {Chart, Synastry, Vectors, VectorsTwo, Cycles})
        for (QWidget* picture : windows_->Window(id).findChildren<surface::PictureWidget*>())
            EXPECT_FALSE(
                QAccessible::queryAccessibleInterface(picture)->text(QAccessible::Description).isEmpty());
    real_input::Click(Find<QLabel>(menu, "Label2"));
    EXPECT_EQ(ended_, 1);
}

// From the keyboard: the window holds the focus at the opening (no label lit), then Tab and Shift+Tab
// go round the labels that act in reading order, the focused one in its hover colour; Enter or Space
// acts.
TEST_F(MainWindows, TabGoesRoundTheMenuLabelsAndEnterOrSpaceActs) {
    Form2MainMenu& menu = windows_->MainMenu();
    menu.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&menu));
    std::vector<QString> order = {"Label12", "Label1", "Label4", "Label2"};
    if (windows_->HasOpener(Cycles)) order.insert(order.begin() + 2, "Label5");
    // "Sujetos guardados" stands top left, first in reading order.
    const bool subjects = windows_->HasOpener(Subjects);
    if (subjects) order.insert(order.begin(), "Label13");
    order.push_back(order.front());
    const auto focused = [] {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "";
    };
    EXPECT_EQ(focused(), "Form2");
    for (const QString& name : order) {
        real_input::PressKey(Qt::Key_Tab);
        EXPECT_EQ(focused(), name);
    }
    if (subjects) real_input::PressKey(Qt::Key_Tab);  // on to "Datos de la fecha"
    real_input::PressKey(Qt::Key_Tab);
    EXPECT_EQ(ForeColour(Find<QLabel>(menu, "Label1")), QColor(255, 255, 128));
    real_input::PressKey(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(focused(), "Label12");
    real_input::PressKey(Qt::Key_Tab);
    real_input::PressKey(Qt::Key_Return);  // "Carta Astral" with no subject
    EXPECT_EQ(dialogs_.Asked().back().text, QStringLiteral("No hay escogido ningún sujeto"));

    Form1Splash& splash = windows_->Splash();
    splash.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&splash));
    real_input::PressKey(Qt::Key_Tab);
    EXPECT_EQ(ForeColour(Find<QLabel>(splash, "Label3")), QColor(255, 0, 0));
    real_input::PressKey(Qt::Key_Space);
    EXPECT_TRUE(OnlyVisible(menu));
}

// "Sinastrías" turns the subject it compares from before it checks both, so that each press names
// them the other way round.
TEST_F(MainWindows, SinastriasFlipsTheSubjectAndNamesTheMissingOnes) {
    Form2MainMenu& menu = windows_->MainMenu();
    menu.show();
    const QString first = QString::fromUtf8("Comparación de sujetos: No hay escogido sujeto principal");
    State().CurrentSubject = 1;
    real_input::Click(Find<QLabel>(menu, "Label4"));
    EXPECT_EQ(
        Transcript(),
        QStringList({first, QString::fromUtf8("Comparación de sujetos: No hay escogido sujeto a comparar")}));
    EXPECT_EQ(State().CurrentSubject, 2);
    EXPECT_EQ(State().SynastryBase, 2);
    PushSubject(kSecondSubject);
    real_input::Click(Find<QLabel>(menu, "Label12"));  // "Datos de la fecha"
    real_input::Click(Find<QLabel>(menu, "Label4"));
    EXPECT_EQ(Told().text, QString::fromUtf8("No hay escogido sujeto principal"));
    EXPECT_EQ(State().CurrentSubject, 1);
}

// Each window with its labels or menu items and the window each shows in its place.
TEST_F(Navigation, EachEntryShowsTheNextWindowInPlaceOfItsOwn) {
    EnterBothComputed();
    const std::pair<WindowId, std::vector<std::pair<const char*, WindowId>>> windows[] = {
        {Splash, {{"Label3", MainMenu}}},
        {MainMenu, {{"Label1", Chart}, {"Label4", Synastry}, {"Label5", Cycles}}},
        {Chart, {{"mnuSinastrias", Synastry}, {"mnuVectores", Vectors}, {"mnuOpciones", MainMenu}}},
        {Synastry,
         {{"mnuCarta", Chart},
          {"mnuVectoresdos", VectorsTwo},
          {"mnuCiclos", Cycles},
          {"mnuOpciones", MainMenu}}},
        {Vectors, {{"mnuCarta", Chart}, {"mnuSinastrias", Synastry}, {"mnuOpciones", MainMenu}}},
        {VectorsTwo, {{"mnuCarta", Chart}, {"mnuSinastrias", Synastry}, {"mnuOpciones", MainMenu}}},
        {Cycles, {{"mnuVolver", MainMenu}}},
    };
    for (const auto& [from, entries] : windows) {
        for (const auto& [control, to] : entries) {
            Use(ShowOnly(from), control);
            EXPECT_TRUE(OnlyVisible(windows_->Window(to))) << control;
        }
    }
    EXPECT_TRUE(dialogs_.Asked().empty());
}

// The subjects entered (1, 2, or both: 3), the window, the current subject, the label or menu item,
// what is told; the subject stays as it was.
TEST_F(Navigation, AMissingSubjectIsToldAndTheWindowStays) {
    const QString none = QString::fromUtf8("Análisis individuales: No hay escogido ningún sujeto");
    const QString noSecond = QString::fromUtf8("Comparación de sujetos: No hay escogido sujeto a comparar");
    const QString noSlot = QString::fromUtf8(": Número de sujeto no válido");
    const std::tuple<int, WindowId, std::int16_t, const char*, QString> rows[] = {
        {0, MainMenu, 1, "Label1", none},
        {2, MainMenu, 1, "Label1", none},  // "Carta Astral" opens subject 1 whichever is current
        {2, MainMenu, 1, "Label5", none},
        {1, Chart, 1, "mnuSinastrias", noSecond},
        {1, Vectors, 1, "mnuSinastrias", noSecond},
        {3, Chart, 13, "mnuVectores", "Vectores" + noSlot},
        {3, Synastry, 7, "mnuVectoresdos", "Vectores de los dos" + noSlot}};
    for (const auto& [entered, id, current, control, told] : rows) {
        State() = Program();
        EnterBothComputed(entered);
        QWidget& from = ShowOnly(id);
        State().CurrentSubject = current;
        const std::size_t asked = dialogs_.Asked().size();
        Use(from, control);
        EXPECT_EQ(Transcript(asked), QStringList(told)) << control;
        EXPECT_TRUE(OnlyVisible(from)) << control;
        EXPECT_EQ(State().CurrentSubject, current) << control;
    }
}

}  // namespace
}  // namespace orvanel::testing
