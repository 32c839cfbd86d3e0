// The vectors window under a person's hands: the focus coming back to the body list by Tab, a closing
// message box, the window activated again or reopened chooses nothing.
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <QTimer>
#include <functional>

#include "orvanel/display/form3_chart.h"
#include "orvanel/vectors/plane_session.h"
#include "real_input.h"
#include "vectors_fixture.h"

namespace orvanel::testing {
namespace {

using real_input::PressKey;

const QString kSunNote = QString::fromUtf8("El Sol no tiene término propio: solo su posición");

class FocusTest : public VectorsTest {
  protected:
    FocusTest() {
        EnterComputed(1, 2001, 12, 5, 14, 30);
        EnterComputed(2, 1965, 7, 3, 9, 15);
    }
    static void WaitActive(QWidget& window) {
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        QCoreApplication::processEvents();
    }
};

// The steps of the three faults users met: after the Moon was analysed from the body list, a focus
// move ran the list's first item, the Sun.
TEST_F(FocusTest, AFocusMoveNeverAnalysesABody) {
    struct Row {
        const char* why;
        std::function<void(Form7Vectors&)> focusMove;
    };
    const Row rows[] = {
        {"Tab and Shift+Tab",
         [](Form7Vectors&) {
             PressKey(Qt::Key_Tab);
             PressKey(Qt::Key_Tab, Qt::ShiftModifier);
         }},
        {"the message of a 21st point of a sum closing",
         [this](Form7Vectors& f) {
             Choose(f, "mnuSumar");
             surface::PictureWidget* plane = Picture(f, "Picture1");
             for (int i = 0; i < cp::kMaxVectors; ++i)
                 QTest::mouseClick(plane, Qt::LeftButton, {}, QPoint(100 + 10 * i, 100));
             surface::QtDialogs boxes;
             surface::SetDialogs(&boxes);
             QTimer::singleShot(0,
                                [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Return); });
             QTest::mouseClick(plane, Qt::LeftButton, {}, QPoint(320, 100));
             surface::SetDialogs(&dialogs_);
             WaitActive(f);
             EXPECT_EQ(f.Plane().workspace.vectorList.count, cp::kMaxVectors);
         }},
        {"the window activated again",
         [](Form7Vectors& f) {
             QWidget other;
             other.show();
             WaitActive(other);
             other.hide();
             WaitActive(f);
         }},
        {"\"Vectores\" reopened from the chart",
         [this](Form7Vectors& f) {
             Choose(f, "mnuCarta");
             Choose(windows_->Chart(), "mnuVectores");
             WaitActive(f);
         }},
    };
    const ChartSlot& s = Slot(1);
    for (const Row& row : rows) {
        Form7Vectors& f = OpenForm7();
        WaitActive(f);
        Choose(f, "mnuAnalizar");
        auto* bodies = Find<QListWidget>(f, "ListaPlanetas");
        real_input::ClickRow(bodies, 1);
        ASSERT_EQ(QApplication::focusWidget(), bodies) << row.why;
        row.focusMove(f);
        EXPECT_NE(Find<QLabel>(f, "Label1")->text(), kSunNote) << row.why;
        EXPECT_FALSE(
            HasStep(OfColour(Picture(f, "Picture1")->Surface(), kGreen), s.vectorX[1], -s.vectorY[1], 0.5))
            << row.why;
    }
}

}  // namespace
}  // namespace orvanel::testing
