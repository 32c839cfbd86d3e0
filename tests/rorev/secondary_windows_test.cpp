// The levels view, the structure view, the help windows, and what the program does with its
// concept file: read it, never write or create it.
#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <sstream>

#include "conceptplane/structure_view.h"
#include "real_input.h"
#include "rorev/form2_levels.h"
#include "rorev/form3_details.h"
#include "rorev/form6_structure.h"
#include "rorev/help_windows.h"
#include "rorev/levels_drawing.h"
#include "rorev/open_concepts.h"
#include "rorev_fixture.h"

namespace rorev_test {
namespace {

using surface::PrimitiveKind;

std::string Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

TEST_F(RorevWindowTest, LevelsViewReplacesTheMainWindowAndDrawsEachPair) {
    rorev::Form2& levels = form1->Levels();
    Trigger("mnuConceptos");
    ASSERT_TRUE(QTest::qWaitForWindowActive(&levels));
    EXPECT_TRUE(levels.isVisible());
    EXPECT_FALSE(form1->isVisible());
    const surface::DrawingSurface& picture = levels.Picture1()->Surface();
    // Before any button: the pattern (2 circles, 12 × 6 dots, the last step at 360 falling on the first
    // at 0, the black disk) and no concepts.
    EXPECT_EQ(CountOf(picture, PrimitiveKind::Circle), 2 + 12 * 6 + 1);
    EXPECT_EQ(CountOf(picture, PrimitiveKind::Text), 0);

    struct Case {
        const char* button;
        int concepts;
        std::u32string sample;
    };
    const Case cases[] = {
        {"Command1", 36, U"Calor"},
        {"Command3", 72, U"Lucha"},
        {"Command7", 72, U"Sabiduría"},
    };
    for (const Case& c : cases) {
        auto* button = levels.findChild<QPushButton*>(c.button);
        ASSERT_NE(button, nullptr);
        QTest::mouseClick(button, Qt::LeftButton);
        const auto texts = TextsIn(picture);
        EXPECT_EQ(static_cast<int>(texts.size()), c.concepts) << c.button;
        bool found = false;
        for (const auto& t : texts)
            found |= cp::TrimBlanks(t) == c.sample;
        EXPECT_TRUE(found) << c.button;
    }
    EXPECT_TRUE(levels.Label1()->text().endsWith(QString::fromStdString(rorev::LevelPairs()[6].pairText)));
    QTest::mouseClick(levels.findChild<QPushButton*>("Command8"), Qt::LeftButton);
    EXPECT_TRUE(form1->isVisible());
    EXPECT_FALSE(levels.isVisible());
    // Its close box does the same, so the program is never left without a window.
    Trigger("mnuConceptos");
    levels.close();
    EXPECT_TRUE(form1->isVisible());
    EXPECT_FALSE(levels.isVisible());
}

TEST_F(RorevWindowTest, StructureViewListsEachLevelsArcAndRadius) {
    rorev::Form6& structure = form1->Structure();
    Trigger("mnuEstructura");
    ASSERT_TRUE(QTest::qWaitForWindowActive(&structure));
    EXPECT_FALSE(form1->isVisible());
    // The list shows the core's lines, the picture the figure drawn for them.
    QStringList expected;
    for (const auto& level : cp::ComputeStructure().levels)
        expected << QString::fromStdU32String(level.line);
    QStringList lines;
    for (int i = 0; i < structure.List1()->count(); ++i)
        lines << structure.List1()->item(i)->text();
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(CountOf(structure.Picture1()->Surface(), PrimitiveKind::Text), 6);

    real_input::ClickMenuItem(structure.findChild<QAction*>("mnuVolver"));
    EXPECT_TRUE(form1->isVisible());
    EXPECT_FALSE(structure.isVisible());
    // Shown again: the list is filled anew, not doubled.
    Trigger("mnuEstructura");
    ASSERT_TRUE(QTest::qWaitForWindowActive(&structure));
    EXPECT_EQ(structure.List1()->count(), 6);
}

TEST_F(RorevWindowTest, HelpWindowsOpenBesideTheMainWindowWithTheirTexts) {
    Trigger("mnuInstrucciones");
    Trigger("mnuDescripcion");
    rorev::Form4& instructions = form1->Instructions();
    rorev::Form5& description = form1->Description();
    EXPECT_TRUE(instructions.isVisible());
    EXPECT_TRUE(description.isVisible());
    EXPECT_TRUE(form1->isVisible());
    const QString usage = instructions.Text1()->toPlainText();
    const QString table = description.Text1()->toPlainText();
    EXPECT_TRUE(instructions.Text1()->isReadOnly());

    // Every concept the worked examples name is a concept of the shipped table.
    const cp::ConceptTable concepts = ShippedConcepts();
    const char* named[] = {"Voluntad",    "Determinación", "Indecisión",  "Violencia",   "Hostilidad",
                           "Volubilidad", "Apocamiento",   "Memoria",     "Previsión",   "Sensatez",
                           "Fortaleza",   "Templanza",     "Alegría",     "Sabiduría",   "Cobardía",
                           "Flaqueza",    "Firmeza",       "Aplomo",      "Obstinación", "Heroísmo",
                           "Temeridad",   "Musculatura",   "Metabolismo", "Lucha",       "Calor",
                           "Prudencia",   "Humildad"};
    for (const char* name : named) {
        const QString n = QString::fromUtf8(name);
        EXPECT_TRUE(usage.contains(n) || table.contains(n)) << name;
        const cp::Text padded = cp::Fixed(cp::FromUtf8(name), 30);
        const std::int32_t found = concepts.FindByName(padded);
        EXPECT_TRUE(found > 0 && concepts.Read(found).name == padded) << name;
    }
}

// Chosen again while open behind another window, a help window comes to the front.
TEST_F(RorevWindowTest, AHelpWindowChosenAgainComesToTheFront) {
    const auto choose = [this](Qt::Key item) {
        form1->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form1.get()));
        QTest::keyClick(form1.get(), Qt::Key_A, Qt::AltModifier);
        QTest::keyClick(form1->findChild<QMenu*>("mnuAyuda"), item);
    };
    const std::pair<Qt::Key, QWidget*> steps[] = {{Qt::Key_I, &form1->Instructions()},
                                                  {Qt::Key_D, &form1->Description()},
                                                  {Qt::Key_I, &form1->Instructions()}};
    for (const auto& [key, window] : steps) {
        choose(key);
        EXPECT_TRUE(QTest::qWaitForWindowActive(window)) << window->windowTitle().toStdString();
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

TEST_F(RorevWindowTest, TheConceptFileIsNeverWrittenOrCreated) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const std::string copy = QDir(folder.path()).filePath("concptos.txt").toStdString();
    ASSERT_TRUE(QFile::copy(QString::fromStdString(ShippedConceptsPath()), QString::fromStdString(copy)));
    const std::string before = Bytes(copy);

    form1 = std::make_unique<rorev::Form1>(rorev::OpenConcepts(copy));
    form1->show();
    form1->resize(881, form1->height());
    Trigger("mnuDescr");
    ChooseEntry(List1(), "Fortaleza");
    Trigger("mnuSumar");
    ClickPlane(1000, 0, Qt::LeftButton);
    ClickPlane(0, 1000, Qt::LeftButton);
    ClickPlane(0, 0, Qt::RightButton);
    Trigger("mnuRecta");
    ClickPlane(0, 500, Qt::LeftButton);
    ClickPlane(1000, 500, Qt::LeftButton);
    ChooseEntry(List1(), "Fiebre");
    MoveToPlane(1340, 360);
    Trigger("mnuConceptos");
    QTest::mouseClick(form1->Levels().findChild<QPushButton*>("Command4"), Qt::LeftButton);
    QTest::mouseClick(form1->Levels().findChild<QPushButton*>("Command8"), Qt::LeftButton);
    Trigger("mnuEstructura");
    real_input::ClickMenuItem(form1->Structure().findChild<QAction*>("mnuVolver"));
    form1.reset();
    EXPECT_EQ(Bytes(copy), before);

    // A missing file stays missing, and the windows work with no concepts.
    const std::string missing = QDir(folder.path()).filePath("sub/concptos.txt").toStdString();
    form1 = std::make_unique<rorev::Form1>(rorev::OpenConcepts(missing));
    form1->show();
    form1->resize(881, form1->height());
    EXPECT_FALSE(QFile::exists(QString::fromStdString(missing)));
    Trigger("mnuDescr");
    EXPECT_EQ(List1()->count(), 0);
    MoveToPlane(1340, 360);
    EXPECT_EQ(CountOf(Picture2()->Surface(), PrimitiveKind::Text), 0);
    Trigger("mnuRecta");
    ClickPlane(0, 500, Qt::LeftButton);
    ClickPlane(1000, 500, Qt::LeftButton);
    EXPECT_EQ(List1()->count(), 0);
    Trigger("mnuConceptos");
    QTest::mouseClick(form1->Levels().findChild<QPushButton*>("Command1"), Qt::LeftButton);
    EXPECT_EQ(CountOf(form1->Levels().Picture1()->Surface(), PrimitiveKind::Text), 0);
    EXPECT_TRUE(dialogs->Asked().empty());
}

TEST_F(RorevWindowTest, AnUnreadableConceptFileIsToldAndGivesNoConcepts) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    // A folder by the file's name exists but cannot be read as a file.
    ASSERT_TRUE(QDir(folder.path()).mkdir("concptos.txt"));
    const cp::ConceptTable concepts =
        rorev::OpenConcepts(QDir(folder.path()).filePath("concptos.txt").toStdString());
    EXPECT_EQ(concepts.Count(), 0);
    ASSERT_EQ(dialogs->Asked().size(), 1u);
    EXPECT_EQ(dialogs->Asked()[0].text, "No se puede leer el archivo concptos.txt");
    EXPECT_EQ(dialogs->Asked()[0].title, "Archivos de datos");
}

// The template window and both views export their picture; the levels view, which has no menu bar,
// through its shortcuts and context menu. The views' pictures say what they show: the level pair,
// the table of arcs and radii.
TEST_F(RorevWindowTest, EveryPictureWindowExportsItsPicture) {
    QTemporaryDir dir;
    struct Case {
        QWidget* window;
        surface::PictureWidget* picture;
        bool menu;
        QStringList says;
    };
    Trigger("mnuConceptos");
    QTest::mouseClick(form1->Levels().findChild<QPushButton*>("Command4"), Qt::LeftButton);
    QTest::mouseClick(form1->Levels().findChild<QPushButton*>("Command8"), Qt::LeftButton);
    const Case cases[] = {
        {form1.get(), Picture1(), true, {}},
        {&form1->Levels(), form1->Levels().Picture1(), false, {"Niveles del 3 al 4"}},
        {&form1->Structure(), form1->Structure().Picture1(), true, {"Arco", "10042  00353"}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.window->objectName().toStdString());
        if (c.menu) {
            EXPECT_EQ(static_cast<QMainWindow*>(c.window)->menuBar()->actions().back()->text(),
                      QStringLiteral("E&xportar"));
        }
        auto* save = c.window->findChild<QAction*>(QStringLiteral("mnuGuardarImagen"));
        ASSERT_NE(save, nullptr);
        EXPECT_EQ(save->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
        EXPECT_EQ(c.window->actions().contains(save), !c.menu);
        const QString path = dir.filePath(c.window->objectName() + QStringLiteral(".png"));
        dialogs->PushText(path);
        c.window->show();  // Ctrl+S, as a person saves from the active window
        ASSERT_TRUE(QTest::qWaitForWindowActive(c.window));
        real_input::PressKey(Qt::Key_S, Qt::ControlModifier);
        EXPECT_EQ(QImage(path).width(), 2 * static_cast<int>(c.picture->Surface().DesignPixelWidth()));
        dialogs->PushText(path + QStringLiteral(".svg"));
        save->trigger();
        for (const QString& text : c.says)
            EXPECT_NE(Bytes(path.toStdString() + ".svg").find(text.toStdString()), std::string::npos)
                << text.toStdString();
    }
}

}  // namespace
}  // namespace rorev_test
