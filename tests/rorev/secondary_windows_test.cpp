// The levels view, the structure view, the help windows, the exports, and what the program does with
// its concept file: read it, never write or create it.
#include <QAccessible>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>
#include <filesystem>

#include "conceptplane/structure_view.h"
#include "rorev/form2_levels.h"
#include "rorev/form6_structure.h"
#include "rorev/help_windows.h"
#include "rorev/levels_drawing.h"
#include "rorev/open_concepts.h"
#include "rorev_fixture.h"

namespace rorev_test {
namespace {

// Each pair's button draws what the levels drawing makes of that pair; "Cerrar" and the close box
// both bring the main window back, so the program is never left without a window. Screen readers
// name the view, which has no title, by a name of its own, and have every picture described. Ctrl+S saves the
// picture in every window, in the levels view (which has no menu bar) through its own shortcut.
TEST_F(RorevWindowTest, LevelsViewReplacesTheMainWindowAndDrawsEachPair) {
    EXPECT_NE(Exported(form1.get()).find("<svg"), std::string::npos);
    rorev::Form2& levels = form1->Levels();
    Trigger("mnuConceptos");
    ASSERT_TRUE(QTest::qWaitForWindowActive(&levels));
    EXPECT_FALSE(form1->isVisible());
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&levels)->text(QAccessible::Name), "Vista de niveles");
    for (QWidget* picture : {Picture1(), Find<surface::PictureWidget>("Picture2"), levels.Picture1(),
                             form1->Structure().Picture1()})
        EXPECT_FALSE(
            QAccessible::queryAccessibleInterface(picture)->text(QAccessible::Description).isEmpty());
    const surface::DrawingSurface& picture = levels.Picture1()->Surface();
    EXPECT_TRUE(TextsIn(picture).empty());  // no pair yet
    for (std::size_t i = 0; i < rorev::LevelPairs().size(); ++i) {
        const rorev::LevelPair& pair = rorev::LevelPairs()[i];
        Trigger(QStringLiteral("Command%1").arg(i + 1).toLatin1(), &levels);
        surface::DrawingSurface expected;
        rorev::DrawLevels(expected, form1->State().concepts, pair.upperLimit, pair.startAngle);
        EXPECT_EQ(TextsIn(picture), TextsIn(expected)) << pair.pairText;
        EXPECT_EQ(levels.Label1()->text(), QString::fromStdString("Niveles\ndel\n" + pair.pairText));
    }
    EXPECT_NE(Exported(&levels).find("Niveles del 6 al 7"), std::string::npos);
    Trigger("Command8", &levels);
    EXPECT_TRUE(form1->isVisible() && !levels.isVisible());
    Trigger("mnuConceptos");
    levels.close();
    EXPECT_TRUE(form1->isVisible() && !levels.isVisible());
}

// The list shows the core's lines beside the figure, filled anew (not doubled) each time it is shown.
TEST_F(RorevWindowTest, StructureViewListsEachLevelsArcAndRadius) {
    rorev::Form6& structure = form1->Structure();
    EXPECT_NE(Exported(&structure).find("10042  00353"), std::string::npos);
    QStringList expected;
    for (const auto& level : cp::ComputeStructure().levels)
        expected << QString::fromStdU32String(level.line).trimmed();
    for (int shown = 0; shown < 2; ++shown) {
        Trigger("mnuEstructura");
        ASSERT_TRUE(QTest::qWaitForWindowActive(&structure));
        EXPECT_FALSE(form1->isVisible());
        EXPECT_TRUE(structure.List1()->isVisible() && structure.Picture1()->isVisible());
        EXPECT_EQ(Items(structure.List1(), true), expected);
        EXPECT_EQ(OfKind(structure.Picture1()->Surface(), PrimitiveKind::Text).size(), 6u);
        Trigger("mnuVolver", &structure);
        EXPECT_TRUE(form1->isVisible() && !structure.isVisible());
    }
}

// Chosen from the keyboard, a help window comes to the front beside the main window, also when chosen
// again while open behind another.
TEST_F(RorevWindowTest, HelpWindowsComeToTheFrontBesideTheMainWindow) {
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
}

// Every test works on a copy of the shipped file and ends by checking its bytes. A missing file stays
// missing, and the windows work with no concepts and no message; one that cannot be read (a folder by
// the file's name) is told, and gives no concepts.
TEST_F(RorevWindowTest, TheConceptFileIsNeverWrittenOrCreatedAndAnUnreadableOneIsTold) {
    const std::string missing = folder / "sub/concptos.txt";
    Open(missing);
    Trigger("mnuDescr");
    EXPECT_EQ(List1()->count(), 0);
    MouseAt(1340, 360);
    EXPECT_TRUE(TextsIn(ZoomBox()).empty());
    Trigger("mnuConceptos");
    Trigger("Command4", &form1->Levels());
    EXPECT_TRUE(TextsIn(form1->Levels().Picture1()->Surface()).empty());
    form1.reset();
    EXPECT_FALSE(std::filesystem::exists(missing));
    EXPECT_TRUE(dialogs.Asked().empty());
    std::filesystem::create_directories(missing);
    EXPECT_EQ(rorev::OpenConcepts(missing).Count(), 0);
    ASSERT_EQ(dialogs.Asked().size(), 1u);
    EXPECT_EQ(dialogs.Asked()[0].text, "No se puede leer el archivo concptos.txt");
    EXPECT_EQ(dialogs.Asked()[0].title, "Archivos de datos");
}

}  // namespace
}  // namespace rorev_test
