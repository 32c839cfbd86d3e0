// Form8, the two-subject vectors window: both planes with their subjects, the lists, one common sum,
// the right click outside the Sum mode, the plane state shared with Form7, zoom and line.
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>

#include "orvanel/display/chart_texts.h"
#include "orvanel/display/form3_chart.h"
#include "orvanel/display/form4_synastry.h"
#include "orvanel/shell/form_controls.h"
#include "orvanel/vectors/plane_session.h"
#include "real_input.h"
#include "vectors_fixture.h"

namespace orvanel::testing {
namespace {

class Form8Test : public VectorsTest {
  protected:
    Form8Test() {
        EnterComputed(1, 2001, 12, 5, 14, 30);
        EnterComputed(2, 1965, 7, 3, 9, 15);
    }

    const surface::DrawingSurface& Plane(QWidget& f, int n) {
        return Picture(f, n == 1 ? "Picture1" : "Picture2")->Surface();
    }
    void Press(QWidget& f, int n, int button, double x, double y) {
        emit Picture(f, n == 1 ? "Picture1" : "Picture2")->mouseDown(button, x, y);
    }
    static bool ShowsChart(const surface::DrawingSurface& s, const ChartSlot& chart) {
        const std::vector<DrawnVector> pale = OfColour(s, kPale);
        for (std::size_t k = 1; k <= 14; ++k) {
            if (!HasStep(pale, chart.vectorX[k], -chart.vectorY[k])) return false;
        }
        return TextsIn(s).size() == 14;
    }
    int ItemCount(QWidget& f, const char* list) { return Find<QListWidget>(f, list)->count(); }
};

TEST_F(Form8Test, OpeningDrawsEachSubjectOnItsPlaneWithTheThreeAspectLists) {
    Form8VectorsTwo& f = OpenForm8();
    EXPECT_TRUE(f.isVisible());
    EXPECT_FALSE(windows_->Synastry().isVisible());
    EXPECT_EQ(f.windowTitle(), "Vectores de los dos");
    EXPECT_TRUE(ShowsChart(Plane(f, 1), Slot(1)));
    EXPECT_TRUE(ShowsChart(Plane(f, 2), Slot(2)));
    EXPECT_FALSE(ShowsChart(Plane(f, 1), Slot(2)));
    EXPECT_EQ(State().CurrentSubject, 2);
    EXPECT_EQ(ItemCount(f, "List2"), static_cast<int>(AspectListItems(Slot(3)).size()));
    EXPECT_GT(Slot(3).aspectCount, 0);
    EXPECT_EQ(ItemCount(f, "List3"), static_cast<int>(AspectListItems(Slot(1)).size()));
    EXPECT_EQ(ItemCount(f, "List4"), static_cast<int>(AspectListItems(Slot(2)).size()));
    EXPECT_EQ(Find<QLabel>(f, "Label8")->text(), ToQt(Slot(2).title));
}

TEST_F(Form8Test, PointsOnBothPlanesMakeOneSumDrawnOnBoth) {
    Form8VectorsTwo& f = OpenForm8();
    Find<QListWidget>(f, "List1")->show();
    Choose(f, "mnuSuma");
    EXPECT_FALSE(Find<QListWidget>(f, "List1")->isVisible());
    EXPECT_TRUE(Find<QListWidget>(f, "List2")->isVisible());
    Press(f, 1, 1, 6300, 5300);  // P = (1000, 0) on subject 1's plane
    Press(f, 2, 1, 5300, 4300);  // Q = (0, 1000) on subject 2's plane
    Press(f, 2, 2, 5300, 4300);
    for (int n = 1; n <= 2; ++n) {
        EXPECT_TRUE(HasStep(OfColour(Plane(f, n), kGreen), 1000, -1000)) << n;
        const std::vector<DrawnVector> red = OfColour(Plane(f, n), kRed);
        ASSERT_EQ(red.size(), 2u);
        EXPECT_NEAR(std::hypot(red[0].dx, red[0].dy), 293.39, 0.01);
        EXPECT_TRUE(HasStep(OfColour(Plane(f, n), kPale), 1000, 0)) << n;
        EXPECT_TRUE(HasStep(OfColour(Plane(f, n), kPale), 0, -1000)) << n;
    }
    EXPECT_TRUE(ShowsChart(Plane(f, 1), Slot(1)));
    EXPECT_TRUE(ShowsChart(Plane(f, 2), Slot(2)));
    EXPECT_EQ(State().CurrentSubject, 2);
}

TEST_F(Form8Test, ARightClickDoesNothingOutsideTheSumMode) {
    Form8VectorsTwo& f = OpenForm8();
    const auto rightClickChanges = [&] {
        const std::uint64_t one = Plane(f, 1).Revision(), two = Plane(f, 2).Revision();
        Press(f, 1, 2, 6000, 5000);
        return Plane(f, 1).Revision() != one || Plane(f, 2).Revision() != two ||
               !OfColour(Plane(f, 1), kGreen).empty();
    };
    EXPECT_FALSE(rightClickChanges());  // no mode
    Choose(f, "mnuRecta");
    EXPECT_FALSE(rightClickChanges());

    // A Remainder series chosen in Form7 is still in force here.
    State().CurrentSubject = 1;
    Form7Vectors& seven = OpenForm7();
    Choose(seven, "mnuRestar");
    emit Picture(seven, "Picture1")->mouseDown(1, 6300, 5300);
    Form8VectorsTwo& again = OpenForm8();
    EXPECT_EQ(&again, &f);
    EXPECT_EQ(f.Plane().workspace.planeMode, cp::PlaneMode::Remainder);
    EXPECT_TRUE(HasStep(OfColour(Plane(f, 1), kPale), 1000, 0));  // Form7's point on both planes
    EXPECT_TRUE(HasStep(OfColour(Plane(f, 2), kPale), 1000, 0));
    EXPECT_FALSE(rightClickChanges());
}

TEST_F(Form8Test, ASumStartedInForm7GoesOnHere) {
    Form7Vectors& seven = OpenForm7();
    Choose(seven, "mnuSumar");
    emit Picture(seven, "Picture1")->mouseDown(1, 6300, 5300);
    Form8VectorsTwo& f = OpenForm8();
    Press(f, 2, 1, 5300, 4300);
    Press(f, 1, 2, 0, 0);
    EXPECT_TRUE(HasStep(OfColour(Plane(f, 1), kGreen), 1000, -1000));
    EXPECT_TRUE(HasStep(OfColour(Plane(f, 2), kGreen), 1000, -1000));
    EXPECT_EQ(&f.Plane(), &seven.Plane());
}

TEST_F(Form8Test, ZoomRedrawsBothPlanesAndLeavesSubjectTwo) {
    Form8VectorsTwo& f = OpenForm8();
    auto* out = Find<QPushButton>(f, "Command1");
    auto* in = Find<QPushButton>(f, "Command4");
    State().GlyphsShown = false;
    for (int i = 0; i < 4; ++i) {
        State().CurrentSubject = 1;
        real_input::ClickButton(out);
        EXPECT_EQ(State().CurrentSubject, 2);
    }
    const double z = f.Plane().view.planeZoom;
    EXPECT_NEAR(z, 51.96, 0.01);
    for (int n = 1; n <= 2; ++n) {
        EXPECT_TRUE(
            HasStep(OfColour(Plane(f, n), kPale), Slot(n).vectorX[14] / z, -Slot(n).vectorY[14] / z, 0.01));
        EXPECT_TRUE(TextsIn(Plane(f, n)).empty()) << "the zoom keeps GlyphsShown as it is";
    }
    real_input::ClickButton(in);
    EXPECT_LT(f.Plane().view.planeZoom, z);
}

TEST_F(Form8Test, ReadoutsPerPlaneAndALineAcrossBothPlanes) {
    Form8VectorsTwo& f = OpenForm8();
    emit Picture(f, "Picture2")->mouseMove(0, 5300 - 1766, 5300);
    EXPECT_EQ(Find<QLabel>(f, "Label3")->text(), " Grados = 180");
    EXPECT_EQ(Find<QLabel>(f, "Label4")->text(), " Radio = 177");
    EXPECT_FALSE(Picture(f, "Picture3")->Surface().List().empty());

    Choose(f, "mnuRecta");
    auto* list1 = Find<QListWidget>(f, "List1");
    Press(f, 2, 1, 5300, 4800);
    Press(f, 1, 1, 6300, 4800);
    EXPECT_TRUE(list1->isVisible());
    EXPECT_GT(list1->count(), 0);
    // The line is drawn on the plane clicked last, with that plane's own subject.
    EXPECT_TRUE(ShowsChart(Plane(f, 1), Slot(1)));
    EXPECT_EQ(State().CurrentSubject, 2);
    Choose(f, "mnuRecta");
    EXPECT_EQ(list1->count(), 0);
    EXPECT_TRUE(list1->isVisible());
    list1->addItem("x");
    real_input::ClickRow(list1, 0);
    EXPECT_FALSE(list1->isVisible());
    EXPECT_TRUE(Find<QListWidget>(f, "List2")->isVisible());
}

TEST_F(Form8Test, ASubjectThatNamesNoSynastryIsToldAndChangesNothing) {
    State().CurrentSubject = 1;
    windows_->StartSynastry(WindowId::MainMenu);
    State().CurrentSubject = 7;
    const std::int16_t base = State().SynastryBase;
    Choose(windows_->Synastry(), "mnuVectoresdos");
    ASSERT_EQ(dialogs_.Asked().size(), 1u);
    EXPECT_EQ(dialogs_.Asked()[0].title, "Vectores de los dos");
    EXPECT_EQ(State().CurrentSubject, 7);
    EXPECT_EQ(State().SynastryBase, base);
    EXPECT_TRUE(windows_->Synastry().isVisible());
    EXPECT_FALSE(windows_->Window(WindowId::VectorsTwo).isVisible());
}

TEST_F(Form8Test, ExportsBothPlanesSideBySideUnderTheTitle) {
    Form8VectorsTwo& f = OpenForm8();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("planes.png"));
    dialogs_.PushText(path);
    Choose(f, "mnuGuardarImagen");
    const QImage image(path);
    const auto& one = Plane(f, 1);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), 2 * static_cast<int>(one.DesignPixelWidth() + Plane(f, 2).DesignPixelWidth()));
    EXPECT_GT(image.height(), 2 * static_cast<int>(one.DesignPixelHeight()));  // the caption band
    // The band names each plane's subject by its date, as the labels over the planes do.
    const QString svg = ExportedSvg(f);
    for (const char* subject : {"Sujeto 1º: 05 / 12 / 2001", "Sujeto 2º: 03 / 07 / 1965"})
        EXPECT_TRUE(svg.contains(QString::fromUtf8(subject))) << subject;
}

// The heading of the cross aspects hides with their list, which the chart window's way back leaves
// hidden.
TEST_F(Form8Test, TheCrossAspectsHeadingHidesWithItsList) {
    Form8VectorsTwo& f = OpenForm8();
    auto* list = Find<QListWidget>(f, "List2");
    auto* heading = Find<QLabel>(f, "Label5");
    EXPECT_TRUE(heading->isVisible());
    Choose(f, "mnuCarta");
    Choose(windows_->Chart(), "mnuSinastrias");
    Choose(windows_->Synastry(), "mnuVectoresdos");
    EXPECT_FALSE(list->isVisible());
    EXPECT_FALSE(heading->isVisible());
}

}  // namespace
}  // namespace orvanel::testing
