// The vectors and synastry windows under a person's hands: the focus reaching a list by Tab, a
// closing message box, the window activated again or reopened chooses nothing, a click on an item
// does; an access key that two menu items share runs neither until Enter.
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <QTimer>
#include <functional>

#include "orvanel/display/form3_chart.h"
#include "orvanel/display/form4_synastry.h"
#include "orvanel/vectors/plane_session.h"
#include "real_input.h"
#include "vectors_fixture.h"

namespace orvanel::testing {
namespace {

using real_input::PressKey;

const QString kSunNote = QString::fromUtf8("El Sol no tiene término propio: solo su posición");

class HandsTest : public VectorsTest {
  protected:
    HandsTest() {
        EnterComputed(1, 2001, 12, 5, 14, 30);
        EnterComputed(2, 1965, 7, 3, 9, 15);
    }
    static void WaitActive(QWidget& window) {
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        QCoreApplication::processEvents();
    }
    // Tab until the focus is on `list`; false when it never gets there.
    static bool TabInto(const QWidget* list) {
        for (int i = 0; i < 20 && QApplication::focusWidget() != list; ++i)
            PressKey(Qt::Key_Tab);
        return QApplication::focusWidget() == list;
    }
};

// The steps of the three faults users met: after the Moon was analysed from the body list, a focus
// move ran the list's first item, the Sun.
TEST_F(HandsTest, AFocusMoveNeverAnalysesABody) {
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

// Each of these lists hides when an item is clicked; Tab into it chooses nothing, so it stays.
TEST_F(HandsTest, TabIntoAListChoosesNothingAndAClickActs) {
    struct Row {
        const char* why;
        std::function<QListWidget*()> show;
    };
    const Row rows[] = {
        {"the astral concepts of Form7",
         [this] {
             Form7Vectors& f = OpenForm7();
             Choose(f, "mnuAstrales");
             return Find<QListWidget>(f, "List4");
         }},
        {"the concepts on a line of Form8",
         [this] {
             Form8VectorsTwo& f = OpenForm8();
             Choose(f, "mnuRecta");
             surface::PictureWidget* plane = Picture(f, "Picture1");
             QTest::mouseClick(plane, Qt::LeftButton, {}, QPoint(20, 40));
             QTest::mouseClick(plane, Qt::LeftButton, {}, QPoint(200, 60));
             return Find<QListWidget>(f, "List1");
         }},
        {"the cross aspects of Form4",
         [this] {
             State().CurrentSubject = 1;
             windows_->StartSynastry(WindowId::MainMenu);
             Choose(windows_->Synastry(), "mnuCruzados");
             return Find<QListWidget>(windows_->Synastry(), "List1");
         }},
    };
    for (const Row& row : rows) {
        QListWidget* list = row.show();
        WaitActive(*list->window());
        ASSERT_TRUE(list->isVisible()) << row.why;
        const bool reached = TabInto(list);
        EXPECT_TRUE(reached && list->isVisible()) << row.why << ": the focus chose an item";
        if (!reached) continue;
        real_input::ClickRow(list, 0);
        EXPECT_FALSE(list->isVisible()) << row.why;
    }
}

TEST_F(HandsTest, ASharedAccessKeyHighlightsAndEnterRuns) {
    struct Row {
        const char* why;
        std::function<QWidget&()> open;
        Qt::Key key;
        int presses;
        std::string ran;  // what shows that the highlighted item ran
    };
    constexpr WindowId kWorking[] = {WindowId::Chart, WindowId::Synastry, WindowId::Vectors,
                                     WindowId::VectorsTwo};
    // The working windows shown, the mode of Form7 and whether the cross aspects are listed.
    const auto shown = [&] {
        QString names;
        for (WindowId id : kWorking)
            if (windows_->Window(id).isVisible()) names += windows_->Window(id).objectName() + " ";
        QWidget& form7 = windows_->Window(WindowId::Vectors);
        if (form7.isVisible()) names += Find<QLabel>(form7, "Label1")->text();
        if (Find<QWidget>(windows_->Window(WindowId::Synastry), "List1")->isVisible()) names += "cruzados";
        return names.toStdString();
    };
    const Row rows[] = {
        {"Form7 R: \"Vector &Restante\", then \"Conceptos en la &recta\"",
         [this]() -> QWidget& { return OpenForm7(); }, Qt::Key_R, 2, "Form7 Conceptos en la recta"},
        {"Form7 T: \"Carta As&tral\" first", [this]() -> QWidget& { return OpenForm7(); }, Qt::Key_T, 1,
         "Form3 "},
        {"Form4 C: \"Aspectos &cruzados\" first",
         [this]() -> QWidget& {
             State().CurrentSubject = 1;
             windows_->StartSynastry(WindowId::MainMenu);
             return windows_->Synastry();
         },
         Qt::Key_C, 1, "Form4 cruzados"},
        {"Form8 C: \"&Conceptos en la recta\", then \"&Carta Astral\"",
         [this]() -> QWidget& { return OpenForm8(); }, Qt::Key_C, 2, "Form3 "},
    };
    for (const Row& row : rows) {
        for (WindowId id : kWorking)
            windows_->Window(id).hide();
        QWidget& window = row.open();
        WaitActive(window);
        const std::string before = shown();
        for (int i = 0; i < row.presses; ++i)
            PressKey(row.key, Qt::AltModifier);
        EXPECT_EQ(shown(), before) << row.why;
        PressKey(Qt::Key_Return);
        EXPECT_EQ(shown(), row.ran) << row.why;
    }
}

}  // namespace
}  // namespace orvanel::testing
