// Form8, the two-subject vectors window: both planes with their subjects and the aspect lists, the
// right click outside the Sum mode and the plane state shared with Form7, each plane's readouts, the
// line's list, the export, the heading of the cross aspects. Its zoom, sum and line are in the table of
// both vectors windows.
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QTemporaryDir>

#include "orvanel/display/chart_texts.h"
#include "orvanel/display/form3_chart.h"
#include "orvanel/display/form4_synastry.h"
#include "orvanel/shell/form_controls.h"
#include "real_input.h"
#include "vectors_fixture.h"

namespace orvanel::testing {
namespace {

using Form8Test = VectorsTest;

TEST_F(Form8Test, OpeningDrawsEachSubjectOnItsPlaneWithTheThreeAspectLists) {
    Form8VectorsTwo& f = OpenForm8();
    EXPECT_TRUE(OnlyVisible(f));
    EXPECT_EQ(f.windowTitle(), "Vectores de los dos");
    EXPECT_TRUE(ShowsVectorsOf(f, "Picture1", Slot(1)));
    EXPECT_TRUE(ShowsVectorsOf(f, "Picture2", Slot(2)));
    EXPECT_FALSE(ShowsVectorsOf(f, "Picture1", Slot(2)));
    EXPECT_EQ(State().CurrentSubject, 2);
    // The cross aspects, then each subject's.
    const std::pair<const char*, int> lists[] = {{"List2", 3}, {"List3", 1}, {"List4", 2}};
    for (const auto& [list, slot] : lists)
        EXPECT_EQ(Items(Find<QListWidget>(f, list)), ToQtList(AspectListItems(Slot(slot)))) << list;
    EXPECT_GT(Slot(3).aspectCount, 0);
    EXPECT_EQ(Find<QLabel>(f, "Label8")->text(), ToQt(Slot(2).title));
}

TEST_F(Form8Test, ARightClickDoesNothingOutsideTheSumMode) {
    Form8VectorsTwo& f = OpenForm8();
    const auto rightClickChanges = [&] {
        const std::uint64_t one = Picture(f)->Surface().Revision(),
                            two = Picture(f, "Picture2")->Surface().Revision();
        ClickPlane(f, {700, 300}, Qt::RightButton);
        return Picture(f)->Surface().Revision() != one ||
               Picture(f, "Picture2")->Surface().Revision() != two || !DrawnVectors(f, kGreen).empty();
    };
    EXPECT_FALSE(rightClickChanges());  // no mode
    Choose(f, "mnuRecta");
    EXPECT_FALSE(rightClickChanges());

    // A Remainder series chosen in Form7 is still in force here, its point on both planes.
    Form7Vectors& seven = OpenForm7();
    Choose(seven, "mnuRestar");
    const surface::Point p = ClickPlane(seven, {1000, 0});
    EXPECT_EQ(&OpenForm8(), &f);
    EXPECT_EQ(f.Plane().workspace.planeMode, cp::PlaneMode::Remainder);
    for (const char* plane : {"Picture1", "Picture2"})
        EXPECT_TRUE(display_list::HasStep(DrawnVectors(f, kPale, plane), p, 1)) << plane;
    EXPECT_FALSE(rightClickChanges());
}

// Each plane shows the readouts of its own point; a click on the line's concepts hides their list for
// the cross aspects.
TEST_F(Form8Test, ReadoutsPerPlaneAndTheLineListHidesOnAClick) {
    Form8VectorsTwo& f = OpenForm8();
    const char* readouts[][2] = {{"Label1", "Label2"}, {"Label3", "Label4"}};
    for (std::size_t n = 0; n < 2; ++n) {
        const cp::ZoomReadouts r = PointerAt(f, kPlanes[n], {-1766, 0}, "Picture3");
        EXPECT_EQ(Find<QLabel>(f, readouts[n][0])->text(), ToQt(U" Grados = " + r.angle));
        EXPECT_EQ(Find<QLabel>(f, readouts[n][1])->text(), ToQt(U" Radio = " + r.radius));
    }
    Choose(f, "mnuRecta");
    ClickPlane(f, {0, 500});
    ClickPlane(f, {1000, 500});
    real_input::ClickRow(Find<QListWidget>(f, "List1"), 0);
    EXPECT_FALSE(Find<QListWidget>(f, "List1")->isVisible());
    EXPECT_TRUE(Find<QListWidget>(f, "List2")->isVisible());
}

// Both planes side by side under a caption band that names each plane's subject by its date.
TEST_F(Form8Test, ExportsBothPlanesSideBySideUnderTheTitle) {
    Form8VectorsTwo& f = OpenForm8();
    const QTemporaryDir dir;
    dialogs_.PushText(dir.filePath(QStringLiteral("planes.png")));
    Choose(f, "mnuGuardarImagen");
    const QImage image(dir.filePath(QStringLiteral("planes.png")));
    const surface::DrawingSurface &one = Picture(f)->Surface(), &two = Picture(f, "Picture2")->Surface();
    EXPECT_EQ(image.width(), 2 * static_cast<int>(one.DesignPixelWidth() + two.DesignPixelWidth()));
    EXPECT_GT(image.height(), 2 * static_cast<int>(one.DesignPixelHeight()));
    const QString svg = ExportedSvg(f);
    for (const char* subject : {"Sujeto 1º: 05 / 12 / 2001", "Sujeto 2º: 03 / 07 / 1965"})
        EXPECT_TRUE(svg.contains(QString::fromUtf8(subject))) << subject;
}

// The heading of the cross aspects hides with their list, which the chart window's way back leaves
// hidden.
TEST_F(Form8Test, TheCrossAspectsHeadingHidesWithItsList) {
    Form8VectorsTwo& f = OpenForm8();
    auto* heading = Find<QLabel>(f, "Label5");
    EXPECT_TRUE(heading->isVisible());
    Choose(f, "mnuCarta");
    Choose(windows_->Chart(), "mnuSinastrias");
    Choose(windows_->Synastry(), "mnuVectoresdos");
    EXPECT_FALSE(Find<QListWidget>(f, "List2")->isVisible() || heading->isVisible());
}

}  // namespace
}  // namespace orvanel::testing
