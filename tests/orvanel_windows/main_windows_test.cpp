// The splash and the main menu: captions, fonts, colours at rest and under the pointer, "Entrar",
// the menu's actions, and the end of the program.
#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QTest>

#include "orvanel/shell/form1_splash.h"
#include "orvanel/shell/form2_main_menu.h"
#include "orvanel/shell/form_controls.h"
#include "real_input.h"
#include "surface/picture_widget.h"
#include "window_fixture.h"

namespace orvanel::testing {
namespace {

struct LabelCase {
    const char* name;
    const char* caption;
    QColor rest, hover;
};

class MainWindows : public WindowTest {
  protected:
    void ExpectLabels(QWidget& form, const std::vector<LabelCase>& cases) {
        for (const LabelCase& c : cases) {
            QLabel* label = Find<QLabel>(form, c.name);
            ASSERT_NE(label, nullptr) << c.name;
            EXPECT_EQ(label->text(), QString::fromUtf8(c.caption)) << c.name;
            EXPECT_EQ(ForeColour(label), c.rest) << c.name;
            MoveOver(label);
            EXPECT_EQ(ForeColour(label), c.hover) << c.name;
        }
        MoveOver(&form);  // the background gives every label its resting colour again
        for (const LabelCase& c : cases)
            EXPECT_EQ(ForeColour(Find<QLabel>(form, c.name)), c.rest) << c.name;
    }
};

TEST_F(MainWindows, SplashShowsItsLabelsAndEntersTheMainMenu) {
    Form1Splash& splash = windows_->Splash();
    splash.show();
    const QColor red(255, 0, 0);
    ExpectLabels(splash, {{"Label1", "Zentavia", red, red},
                          {"Label2", "Programa para diagnósticos por vectores", QColor(0, 192, 192),
                           QColor(0, 192, 192)},
                          {"Label3", "Entrar", QColor(255, 255, 192), red}});
    ClickOn(Find<QLabel>(splash, "Label3"));
    EXPECT_FALSE(splash.isVisible());
    EXPECT_TRUE(windows_->MainMenu().isVisible());
    EXPECT_FALSE(windows_->Exists(WindowId::Chart));
}

TEST_F(MainWindows, MainMenuLabelsChangeColourUnderThePointer) {
    Form2MainMenu& menu = windows_->MainMenu();
    menu.show();
    const QColor cyan(0, 255, 255), pale(255, 255, 128);
    ExpectLabels(menu, {{"Label9", " Sujetos y opciones", QColor(255, 0, 0), QColor(255, 0, 0)},
                        {"Label12", "Datos de la fecha", QColor(192, 192, 255), pale},
                        {"Label1", "Carta Astral", cyan, pale},
                        {"Label4", "Sinastrías", cyan, pale},
                        {"Label2", "Salir del programa", pale, QColor(255, 0, 255)}});
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
    EXPECT_TRUE(menu.isVisible() && !splash.isVisible());
}

TEST_F(MainWindows, ChartAndSynastryNeedTheirSubjects) {
    Form2MainMenu& menu = windows_->MainMenu();
    menu.show();
    ClickOn(Find<QLabel>(menu, "Label1"));
    EXPECT_EQ(dialogs_.Asked().back().text, QStringLiteral("No hay escogido ningún sujeto"));
    EXPECT_TRUE(menu.isVisible());

    // Only subject 2: "Carta Astral" always opens subject 1.
    EnterSubject(kSecondSubject);
    ClickOn(Find<QLabel>(menu, "Label1"));
    EXPECT_EQ(dialogs_.Asked().back().text, QStringLiteral("No hay escogido ningún sujeto"));
    EXPECT_EQ(State().CurrentSubject, 1);

    // "Sinastrías" flips the subject and names the missing one.
    const std::size_t before = dialogs_.Asked().size();
    ClickOn(Find<QLabel>(menu, "Label4"));
    EXPECT_EQ(State().CurrentSubject, 2);
    EXPECT_EQ(State().SynastryBase, 2);
    ASSERT_EQ(dialogs_.Asked().size(), before + 1);
    EXPECT_EQ(dialogs_.Asked().back().text, QStringLiteral("No hay escogido sujeto principal"));
    EXPECT_TRUE(menu.isVisible());
    ClickOn(Find<QLabel>(menu, "Label4"));
    EXPECT_EQ(State().CurrentSubject, 1);
    EXPECT_EQ(State().SynastryBase, 1);
    EXPECT_FALSE(dialogs_.Failed());
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

TEST_F(MainWindows, DatesAreEnteredFromTheMainMenu) {
    Form2MainMenu& menu = windows_->MainMenu();
    menu.show();
    for (const char* text : {"1", "2001", "12", "05", "14", "30"})
        dialogs_.PushText(QString::fromLatin1(text));
    dialogs_.PushAnswer(surface::Answer::Yes);
    ClickOn(Find<QLabel>(menu, "Label12"));
    EXPECT_EQ(Slot(1).title, U"05 / 12 / 2001");
    EXPECT_TRUE(menu.isVisible());
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
