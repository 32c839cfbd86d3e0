// The main window as the user meets it: start state, the readouts and zoom box under the mouse,
// the zoom buttons with their tooltip, and the layout on resize.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <chrono>
#include <filesystem>
#include <fstream>

#include "conceptplane/concept_table.h"
#include "conceptplane/vector_workspace.h"
#include "rorev/form2_levels.h"
#include "rorev/form6_structure.h"
#include "rorev/open_concepts.h"
#include "rorev_fixture.h"

namespace rorev_test {
namespace {

using surface::PrimitiveKind;

TEST_F(RorevWindowTest, StartsWithTheTemplateAndNoMode) {
    EXPECT_FALSE(List1()->isVisible());
    EXPECT_FALSE(Find<QLabel>("Label1")->isVisible());
    EXPECT_EQ(form1->State().workspace.planeMode, cp::PlaneMode::None);
    const surface::DrawingSurface& plane = Picture1()->Surface();
    EXPECT_EQ(plane.Scale().width, 10600);
    EXPECT_EQ(CountOf(plane, PrimitiveKind::Circle), 8);
    EXPECT_EQ(CountOf(plane, PrimitiveKind::Line), 12);
    EXPECT_EQ(Picture2()->Surface().Scale().width, 6000);
}

TEST_F(RorevWindowTest, MouseMovesSetTheReadoutsAndFillTheZoomBox) {
    struct Case {
        double x, y;
        const char *textX, *textY, *angle, *radius;
        std::vector<std::u32string> concepts;  // in file order
    };
    const auto padded = [](std::u32string name) {
        return U" " + name + std::u32string(30 - name.size(), U' ');
    };
    const Case cases[] = {
        // Exactly on the centre only a concept within a hair of it could show.
        {0, 0, " X = 0", " Y = 0", " Grados = 0", " Radio = 0", {}},
        // Beside Voluntad: its deficient and excellent grades and the grades at 0 and 30 degrees.
        {1340,
         360,
         " X = 134",
         " Y = 36",
         " Grados = 15",
         " Radio = 139",
         {U"Indecisión", U"Hostilidad", U"Violencia", U"Voluntad", U"Volubilidad", U"Apocamiento",
          U"Determinación"}},
        // Straight up the angle is 90 once rounded (the 0.001 added to x keeps it just below).
        {0,
         5200,
         " X = 0",
         " Y = 520",
         " Grados = 90",
         " Radio = 520",
         {U"Excentricidad", U"Generosidad", U"Tolerancia", U"Enemistad"}},
        {-20, -40, " X = -2", " Y = -4", " Grados = 243", " Radio = 4", {}},
    };
    for (const Case& c : cases) {
        MoveToPlane(c.x, c.y);
        EXPECT_EQ(TextOf("Text1"), c.textX) << c.x << "," << c.y;
        EXPECT_EQ(TextOf("Text2"), c.textY) << c.x << "," << c.y;
        EXPECT_EQ(TextOf("Text3"), c.angle) << c.x << "," << c.y;
        EXPECT_EQ(TextOf("Text4"), c.radius) << c.x << "," << c.y;
        const surface::DrawingSurface& box = Picture2()->Surface();
        EXPECT_EQ(LinesIn(box, surface::RGB(250, 0, 0)).size(), 2u) << "crosshair";
        std::vector<std::u32string> expected;
        for (const auto& name : c.concepts)
            expected.push_back(padded(name));
        EXPECT_EQ(TextsIn(box), expected) << c.x << "," << c.y;
        EXPECT_EQ(CountOf(box, PrimitiveKind::Circle), static_cast<int>(expected.size()));
    }
}

TEST_F(RorevWindowTest, ZoomButtonsKeepToTheirLimitsAndTheTooltipFollows) {
    auto* plus = Find<QPushButton>("Command3");
    auto* minus = Find<QPushButton>("Command2");
    auto* zoom = Find<QLabel>("Label2");
    const cp::PlaneView& view = form1->State().view;
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(plus, Qt::LeftButton);
    EXPECT_NEAR(view.planeZoom, 0.019246, 1e-6);
    const auto revision = Picture1()->Surface().Revision();
    QTest::mouseClick(plus, Qt::LeftButton);  // the fourth press is refused and draws nothing
    EXPECT_EQ(zoom->toolTip(), "Zoom x 8");
    EXPECT_NEAR(view.planeZoom, 0.019246, 1e-6);
    EXPECT_EQ(Picture1()->Surface().Revision(), revision);

    for (int i = 0; i < 5; ++i)
        QTest::mouseClick(minus, Qt::LeftButton);
    EXPECT_EQ(zoom->toolTip(), "Zoom x 0,25");  // the view's tooltip with the Spanish separator
    EXPECT_EQ(CountOf(Picture1()->Surface(), PrimitiveKind::Circle), 8);  // the same template

    // Zoomed out, a mouse point stands for a plane point ZoomStep² further out.
    MoveToPlane(1000, 0);
    EXPECT_EQ(TextOf("Text1"), " X = 1392");
}

TEST_F(RorevWindowTest, EnlargingTheWindowScalesEveryControlAndTheHiddenViews) {
    const char* names[] = {"Picture1", "Picture2", "Label1", "Label2", "Command2", "Command3",
                           "List1",    "Text1",    "Text2",  "Text3",  "Text4"};
    std::map<std::string, QRect> before;
    for (const char* name : names)
        before[name] = Find<QWidget>(name)->geometry();
    rorev::Form2& levels = form1->Levels();
    rorev::Form6& structure = form1->Structure();
    const QRect levelsPicture = levels.Picture1()->geometry();
    const QRect structureList = structure.List1()->geometry();
    const QSize levelsSize = levels.size();

    form1->resize(2 * form1->width(), form1->height());
    for (const char* name : names) {
        const QRect now = Find<QWidget>(name)->geometry();
        const QRect was = before[name];
        EXPECT_NEAR(now.left(), 2 * was.left(), 1) << name;
        EXPECT_NEAR(now.top(), 2 * was.top(), 1) << name;
        EXPECT_NEAR(now.width(), 2 * was.width(), 1) << name;
        EXPECT_NEAR(now.height(), 2 * was.height(), 1) << name;
    }
    EXPECT_EQ(Picture1()->Surface().Scale().width, 10600);
    EXPECT_EQ(Picture2()->Surface().Scale().height, 6000);
    EXPECT_NEAR(levels.Picture1()->width(), 2 * levelsPicture.width(), 1);
    EXPECT_EQ(levels.Picture1()->Surface().Scale().width, 11000);
    EXPECT_NEAR(levels.width(), 2 * levelsSize.width(), 1);
    EXPECT_NEAR(structure.List1()->geometry().left(), 2 * structureList.left(), 1);
    EXPECT_EQ(structure.Picture1()->Surface().Scale().height, 7000);
    EXPECT_FALSE(levels.isVisible());
    EXPECT_FALSE(structure.isVisible());

    // Back to the first width: no drift.
    form1->resize(form1->width() / 2, form1->height());
    for (const char* name : names)
        EXPECT_EQ(Find<QWidget>(name)->geometry(), before[name]) << name;
}

// The concept file is read again when it changed: the next mouse move shows the file as it is then.
TEST_F(RorevWindowTest, AConceptFileChangedBetweenTwoMovesIsSeenAtTheNext) {
    const auto folder = std::filesystem::temp_directory_path() / "rorev_refresh_test";
    std::filesystem::create_directories(folder);
    const auto path = folder / "concptos.txt";
    const auto write = [&](const cp::Text& name) {
        cp::ConceptRecord r;
        r.name = name;
        r.x = U"1340";
        r.y = U"360";
        std::ofstream(path, std::ios::binary) << cp::EncodeConceptRecord(r);
    };
    write(U"Voluntad");
    OpenWindow(rorev::OpenConcepts(path.string()));
    MoveToPlane(1340, 360);
    EXPECT_EQ(TextsIn(Picture2()->Surface()), std::vector<std::u32string>{U" " + cp::Fixed(U"Voluntad", 30)});
    write(U"Voluntad firme");
    std::filesystem::last_write_time(path, std::filesystem::last_write_time(path) + std::chrono::seconds(1));
    MoveToPlane(1340, 360);
    EXPECT_EQ(TextsIn(Picture2()->Surface()),
              std::vector<std::u32string>{U" " + cp::Fixed(U"Voluntad firme", 30)});
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace rorev_test
