// The levels view, the structure view, the help windows, the exports, and what the program does with
// its concept file: read it, never write or create it.
#include <QAccessible>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTest>
#include <filesystem>

#include "conceptplane/structure_view.h"
#include "rorev/form2_levels.h"
#include "rorev/form3_details.h"
#include "rorev/form6_structure.h"
#include "rorev/help_windows.h"
#include "rorev/levels_drawing.h"
#include "rorev/open_concepts.h"
#include "rorev_fixture.h"

namespace rorev_test {
namespace {

// Each pair's button draws what the levels drawing makes of that pair; "Cerrar" and the close box
// both bring the main window back, so the program is never left without a window.
TEST_F(RorevWindowTest, LevelsViewReplacesTheMainWindowAndDrawsEachPair) {
    rorev::Form2& levels = form1->Levels();
    Trigger("mnuConceptos");
    ASSERT_TRUE(QTest::qWaitForWindowActive(&levels));
    EXPECT_FALSE(form1->isVisible());
    const surface::DrawingSurface& picture = levels.Picture1()->Surface();
    EXPECT_TRUE(TextsIn(picture).empty());  // no pair yet
    for (std::size_t i = 0; i < rorev::LevelPairs().size(); ++i) {
        const rorev::LevelPair& pair = rorev::LevelPairs()[i];
        Trigger(QStringLiteral("Command%1").arg(i + 1).toLatin1(), &levels);
        surface::DrawingSurface expected;
        rorev::DrawLevels(expected, form1->State().concepts, pair.upperLimit, pair.startAngle);
        EXPECT_EQ(TextsIn(picture), TextsIn(expected)) << pair.pairText;
        EXPECT_FALSE(TextsIn(picture).empty()) << pair.pairText;
        EXPECT_EQ(levels.Label1()->text(), QString::fromStdString("Niveles\ndel\n" + pair.pairText));
    }
    Trigger("Command8", &levels);
    EXPECT_TRUE(form1->isVisible() && !levels.isVisible());
    Trigger("mnuConceptos");
    levels.close();
    EXPECT_TRUE(form1->isVisible() && !levels.isVisible());
}

// The list shows the core's lines beside the figure, filled anew (not doubled) each time it is shown.
TEST_F(RorevWindowTest, StructureViewListsEachLevelsArcAndRadius) {
    rorev::Form6& structure = form1->Structure();
    QStringList expected;
    for (const auto& level : cp::ComputeStructure().levels)
        expected << QString::fromStdU32String(level.line).trimmed();
    for (int shown = 0; shown < 2; ++shown) {
        Trigger("mnuEstructura");
        ASSERT_TRUE(QTest::qWaitForWindowActive(&structure));
        EXPECT_FALSE(form1->isVisible());
        EXPECT_TRUE(structure.List1()->isVisible() && structure.Picture1()->isVisible());
        EXPECT_EQ(Items(structure.List1()), expected);
        EXPECT_EQ(CountOf(structure.Picture1()->Surface(), PrimitiveKind::Text), 6);
        Trigger("mnuVolver", &structure);
        EXPECT_TRUE(form1->isVisible() && !structure.isVisible());
    }
}

// Chosen from the keyboard, a help window comes to the front beside the main window, also when chosen
// again while open behind another. Every concept the worked examples name is in the concept table.
TEST_F(RorevWindowTest, HelpWindowsComeToTheFrontBesideTheMainWindowWithTheirTexts) {
    rorev::Form4& instructions = form1->Instructions();
    rorev::Form5& description = form1->Description();
    for (QWidget* window : {static_cast<QWidget*>(&instructions), static_cast<QWidget*>(&description),
                            static_cast<QWidget*>(&instructions)}) {
        form1->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form1.get()));
        real_input::PressKeys(window == &instructions ? "Alt+A I" : "Alt+A D");
        EXPECT_TRUE(QTest::qWaitForWindowActive(window)) << window->windowTitle().toStdString();
        EXPECT_TRUE(form1->isVisible());
    }
    EXPECT_TRUE(instructions.Text1()->isReadOnly());
    const QString texts = instructions.Text1()->toPlainText() + description.Text1()->toPlainText();
    const cp::ConceptTable& table = form1->State().concepts;
    for (const char* name :
         {"Voluntad",    "Determinación", "Indecisión", "Violencia",   "Hostilidad",  "Volubilidad",
          "Apocamiento", "Memoria",       "Previsión",  "Sensatez",    "Fortaleza",   "Templanza",
          "Alegría",     "Sabiduría",     "Cobardía",   "Flaqueza",    "Firmeza",     "Aplomo",
          "Obstinación", "Heroísmo",      "Temeridad",  "Musculatura", "Metabolismo", "Lucha",
          "Calor",       "Prudencia",     "Humildad"}) {
        EXPECT_TRUE(texts.contains(QString::fromUtf8(name))) << name;
        EXPECT_GT(table.FindByName(cp::Fixed(cp::FromUtf8(name), 30)), 0) << name;
    }
}

// Screen readers get every window as a window named by its title (the levels view, which has none,
// by a name of its own) and every picture as a graphic with a name and a description.
TEST_F(RorevWindowTest, ScreenReadersGetEveryWindowAndPicture) {
    rorev::Form1& f = *form1;
    for (QWidget* window : {static_cast<QWidget*>(&f), static_cast<QWidget*>(&f.Levels()),
                            static_cast<QWidget*>(&f.Details()), static_cast<QWidget*>(&f.Instructions()),
                            static_cast<QWidget*>(&f.Description()), static_cast<QWidget*>(&f.Structure())}) {
        const QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(window);
        EXPECT_EQ(reader->role(), QAccessible::Window);
        EXPECT_EQ(reader->text(QAccessible::Name),
                  window == &f.Levels() ? QStringLiteral("Vista de niveles") : window->windowTitle());
        for (QWidget* picture : window->findChildren<surface::PictureWidget*>()) {
            const QAccessibleInterface* graphic = QAccessible::queryAccessibleInterface(picture);
            EXPECT_EQ(graphic->role(), QAccessible::Graphic);
            EXPECT_FALSE(graphic->text(QAccessible::Name).isEmpty() ||
                         graphic->text(QAccessible::Description).isEmpty());
        }
    }
}

// Every test works on a copy of the shipped file and ends by checking its bytes. A missing file stays
// missing, and the windows work with no concepts and no message.
TEST_F(RorevWindowTest, TheConceptFileIsNeverWrittenOrCreated) {
    const std::string missing = folder / "sub/concptos.txt";
    Open(missing);
    Trigger("mnuDescr");
    EXPECT_EQ(List1()->count(), 0);
    Trigger("mnuRecta");
    ClickPlane(0, 500);
    ClickPlane(1000, 500);
    MoveToPlane(1340, 360);
    EXPECT_TRUE(TextsIn(ZoomBox()).empty());
    Trigger("mnuConceptos");
    Trigger("Command4", &form1->Levels());
    EXPECT_TRUE(TextsIn(form1->Levels().Picture1()->Surface()).empty());
    Trigger("Command8", &form1->Levels());
    form1.reset();
    EXPECT_FALSE(std::filesystem::exists(missing));
    EXPECT_TRUE(dialogs.Asked().empty());
}

TEST_F(RorevWindowTest, AnUnreadableConceptFileIsToldAndGivesNoConcepts) {
    std::filesystem::create_directories(folder / "sub/concptos.txt");  // a folder by the file's name
    EXPECT_EQ(rorev::OpenConcepts(folder / "sub/concptos.txt").Count(), 0);
    ASSERT_EQ(dialogs.Asked().size(), 1u);
    EXPECT_EQ(dialogs.Asked()[0].text, "No se puede leer el archivo concptos.txt");
    EXPECT_EQ(dialogs.Asked()[0].title, "Archivos de datos");
}

// The template window and both views save their picture with Ctrl+S, the levels view (which has no
// menu bar) through its shortcuts and context menu; the views' pictures say what they show.
TEST_F(RorevWindowTest, EveryPictureWindowExportsItsPicture) {
    Trigger("mnuConceptos");
    Trigger("Command4", &form1->Levels());
    Trigger("Command8", &form1->Levels());
    const struct {
        QWidget* window;
        bool menu;
        QStringList says;
    } cases[] = {{form1.get(), true, {"<svg"}},
                 {&form1->Levels(), false, {"Niveles del 3 al 4"}},
                 {&form1->Structure(), true, {"Arco", "10042  00353"}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.window->objectName().toStdString());
        const auto* bar = c.window->findChild<QMenuBar*>();
        EXPECT_EQ(bar != nullptr && bar->actions().back()->text() == "E&xportar", c.menu);
        EXPECT_EQ(c.window->actions().contains(Find<QAction>("mnuGuardarImagen", c.window)), !c.menu);
        const std::string path = folder / (c.window->objectName().toStdString() + ".svg");
        dialogs.PushText(QString::fromStdString(path));
        c.window->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(c.window));
        real_input::PressKeys("Ctrl+S");
        for (const QString& text : c.says)
            EXPECT_NE(ReadBytes(path).find(text.toStdString()), std::string::npos) << text.toStdString();
    }
}

}  // namespace
}  // namespace rorev_test
