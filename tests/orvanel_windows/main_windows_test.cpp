// The splash and the main menu: captions, colours at rest, under the pointer and with the keyboard's
// focus, "Entrar", the menu's actions, what screen readers get, and the end of the program.
#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QTest>
#include <tuple>

#include "orvanel/shell/form1_splash.h"
#include "orvanel/shell/form2_main_menu.h"
#include "orvanel/shell/form_controls.h"
#include "real_input.h"
#include "surface/picture_widget.h"
#include "window_fixture.h"

namespace orvanel::testing {
namespace {

class MainWindows : public WindowTest {};

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
        ASSERT_NE(label, nullptr) << name;
        EXPECT_EQ(label->text(), QString::fromUtf8(caption)) << name;
        EXPECT_EQ(ForeColour(label), rest) << name;
        MoveOver(label);
        EXPECT_EQ(ForeColour(label), hover) << name;
        MoveOver(&form);  // the background gives the label its resting colour again
        EXPECT_EQ(ForeColour(label), rest) << name;
    }
    // The cycles entry is there exactly when a cycles window is installed.
    EXPECT_EQ(Find<QLabel>(menu, "Label5") != nullptr, windows_->HasOpener(WindowId::Cycles));
}

// From the keyboard: the window holds the focus at the opening (no label lit), then Tab and Shift+Tab
// go round the labels that act in reading order, the focused one in its hover colour; Enter or Space
// acts.
TEST_F(MainWindows, TabGoesRoundTheMenuLabelsAndEnterOrSpaceActs) {
    Form2MainMenu& menu = windows_->MainMenu();
    menu.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&menu));
    std::vector<QString> order = {"Label12", "Label1", "Label4", "Label2"};
    if (windows_->HasOpener(WindowId::Cycles)) order.insert(order.begin() + 2, "Label5");
    // "Sujetos guardados" stands top left, first in reading order.
    const bool subjects = windows_->HasOpener(WindowId::Subjects);
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
    EXPECT_EQ(ForeColour(Find<QLabel>(menu, "Label12")), QColor(192, 192, 255));
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
    ClickOn(Find<QLabel>(menu, "Label4"));
    EXPECT_EQ(
        Transcript(),
        QStringList({first, QString::fromUtf8("Comparación de sujetos: No hay escogido sujeto a comparar")}));
    EXPECT_EQ(State().CurrentSubject, 2);
    EXPECT_EQ(State().SynastryBase, 2);
    PushSubject(kSecondSubject);
    ClickOn(Find<QLabel>(menu, "Label12"));  // "Datos de la fecha"
    EXPECT_EQ(Slot(2).title, U"03 / 07 / 1965");
    const std::size_t asked = dialogs_.Asked().size();
    ClickOn(Find<QLabel>(menu, "Label4"));
    EXPECT_EQ(Transcript(asked), QStringList(first));
    EXPECT_EQ(State().CurrentSubject, 1);
    EXPECT_EQ(State().SynastryBase, 1);
    EXPECT_TRUE(OnlyVisible(menu));
}

TEST_F(MainWindows, ExitAndClosingAnyWindowEndTheProgram) {
    Form2MainMenu& menu = windows_->MainMenu();
    menu.show();
    ClickOn(Find<QLabel>(menu, "Label2"));
    EXPECT_EQ(ended_, 1);
    EXPECT_FALSE(menu.isVisible());
    for (WindowId id : {WindowId::Chart, WindowId::Synastry, WindowId::MainMenu, WindowId::Splash}) {
        windows_->Window(id).show();
        windows_->Window(id).close();
    }
    EXPECT_EQ(ended_, 5);
}

// Screen readers get the splash, a plain widget, as a window named by its title, every picture as a
// graphic with a name and a description, and the labels that act as buttons as buttons.
TEST_F(MainWindows, ScreenReadersGetWindowsPicturesAndLabelButtons) {
    const auto reader = [](QWidget* widget) { return QAccessible::queryAccessibleInterface(widget); };
    EXPECT_EQ(reader(&windows_->Splash())->role(), QAccessible::Window);
    EXPECT_EQ(reader(&windows_->Splash())->text(QAccessible::Name), QStringLiteral("Zentavia"));
    for (WindowId id :
         {WindowId::Chart, WindowId::Synastry, WindowId::Vectors, WindowId::VectorsTwo, WindowId::Cycles})
        for (QWidget* picture : windows_->Window(id).findChildren<surface::PictureWidget*>())
            EXPECT_FALSE(reader(picture)->text(QAccessible::Name).isEmpty() ||
                         reader(picture)->text(QAccessible::Description).isEmpty());
    for (QLabel* label :
         {Find<QLabel>(windows_->Splash(), "Label3"), Find<QLabel>(windows_->MainMenu(), "Label12"),
          Find<QLabel>(windows_->MainMenu(), "Label5"), Find<QLabel>(windows_->MainMenu(), "Label2")}) {
        EXPECT_EQ(reader(label)->role(), QAccessible::Button);
        EXPECT_EQ(reader(label)->text(QAccessible::Name), label->text());
    }
    EXPECT_EQ(reader(Find<QLabel>(windows_->MainMenu(), "Label9"))->role(), QAccessible::StaticText);
}

}  // namespace
}  // namespace orvanel::testing
