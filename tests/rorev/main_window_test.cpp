// The main window as the user meets it: start state, the readouts and zoom box under the mouse,
// the zoom buttons with their tooltip, the layout on resize, the concept file read again.
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <chrono>
#include <filesystem>
#include <fstream>

#include "conceptplane/concept_table.h"
#include "rorev/form2_levels.h"
#include "rorev/form6_structure.h"
#include "rorev_fixture.h"

namespace rorev_test {
namespace {

// Before the mouse comes: the template, no mode caption, no list. Beside Voluntad the zoom box shows
// its grades in file order, in the box's own font.
TEST_F(RorevWindowTest, AMouseMoveSetsTheReadoutsAndFillsTheZoomBoxAndTheZoomButtonsScaleIt) {
    EXPECT_EQ(OfKind(Plane(), PrimitiveKind::Circle).size(), 8u);
    EXPECT_FALSE(List1()->isVisible() || Find("Label1")->isVisible());
    MouseAt(1340, 360);
    QStringList readouts;
    for (const char* name : {"Text1", "Text2", "Text3", "Text4"}) {
        readouts << Find<QLineEdit>(name)->text();
        EXPECT_EQ(Find(name)->font().pointSizeF(), 8.25) << name;
    }
    EXPECT_EQ(readouts, QStringList({" X = 134", " Y = 36", " Grados = 15", " Radio = 139"}));
    QStringList names;
    for (const surface::Primitive& text : OfKind(ZoomBox(), PrimitiveKind::Text)) {
        names << QString::fromStdU32String(text.text).trimmed();
        EXPECT_EQ(text.font, (surface::Font{"MS Sans Serif", 8, false, false}));
    }
    EXPECT_EQ(names, QStringList({"Indecisión", "Hostilidad", "Violencia", "Voluntad", "Volubilidad",
                                  "Apocamiento", "Determinación"}));

    // The zoom buttons stop at the view's limits, where a press is refused and draws nothing, and the
    // tooltip follows; zoomed out, a mouse point stands for a plane point ZoomStep² further out.
    const auto* zoom = Find<QLabel>("Label2");
    for (int i = 0; i < 3; ++i)
        Trigger("Command3");
    const auto revision = Plane().Revision();
    Trigger("Command3");
    EXPECT_EQ(Plane().Revision(), revision);
    EXPECT_EQ(zoom->toolTip(), "Zoom x 8");
    for (int i = 0; i < 5; ++i)
        Trigger("Command2");
    EXPECT_EQ(zoom->toolTip(), "Zoom x 0,25");  // with the locale's decimal separator
    MouseAt(1000, 0);
    EXPECT_EQ(Find<QLineEdit>("Text1")->text(), " X = 1392");
}

// Every control of the main window and of the hidden levels and structure views follows the width
// (a window by its width alone: its height holds a menu bar), the pictures keeping their user scales;
// back at the first width nothing has drifted.
TEST_F(RorevWindowTest, EnlargingTheWindowScalesEveryControlAndTheHiddenViews) {
    QList<QWidget*> controls = {&form1->Levels(), &form1->Structure()};
    for (QWidget* window : {static_cast<QWidget*>(form1.get()), controls[0], controls[1]})
        controls << window->findChildren<QWidget*>(
            QRegularExpression("^(Picture|Label|Command|List|Text)\\d$"));
    const auto measure = [&controls] {
        std::vector<std::pair<QRect, surface::UserScale>> placed;
        for (QWidget* w : controls) {
            const auto* picture = qobject_cast<surface::PictureWidget*>(w);
            placed.emplace_back(w->isWindow() ? QRect(0, 0, w->width(), 0) : w->geometry(),
                                picture ? picture->Surface().Scale() : surface::UserScale{});
        }
        return placed;
    };
    const auto before = measure();
    form1->resize(2 * form1->width(), form1->height());
    const auto after = measure();
    for (std::size_t i = 0; i < before.size(); ++i) {
        const QRect was = before[i].first, now = after[i].first;
        const QPoint corner = now.topLeft() - 2 * was.topLeft();
        const QSize size = now.size() - 2 * was.size();
        EXPECT_LE(std::max({std::abs(corner.x()), std::abs(corner.y()), std::abs(size.width()),
                            std::abs(size.height())}),
                  1)
            << controls[static_cast<qsizetype>(i)]->objectName().toStdString();
        EXPECT_EQ(after[i].second, before[i].second);
    }
    form1->resize(form1->width() / 2, form1->height());
    EXPECT_EQ(measure(), before);
}

// The concept file is read again when it changed: the next mouse move shows the file as it is then.
TEST_F(RorevWindowTest, AConceptFileChangedBetweenTwoMovesIsSeenAtTheNext) {
    const std::string path = folder / "cambiante.txt";
    for (const cp::Text name : {U"Voluntad", U"Voluntad firme"}) {
        cp::ConceptRecord r;
        r.name = name;
        r.x = U"1340";
        r.y = U"360";
        std::ofstream(path, std::ios::binary) << cp::EncodeConceptRecord(r);
        if (name == U"Voluntad")
            Open(path);
        else
            std::filesystem::last_write_time(
                path, std::filesystem::last_write_time(path) + std::chrono::seconds(1));
        MouseAt(1340, 360);
        EXPECT_EQ(TextsIn(ZoomBox()), std::vector<std::u32string>{U" " + cp::Fixed(name, 30)});
    }
}

}  // namespace
}  // namespace rorev_test
