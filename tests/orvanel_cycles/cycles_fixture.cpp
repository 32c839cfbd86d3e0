#include "cycles_fixture.h"

#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>

#include "real_input.h"
#include "surface/picture_widget.h"

namespace orvanel::testing {

void CyclesTest::EnterBothComputed() {
    EnterComputed(2, 1965, 7, 3, 9, 15);
    EnterComputed(1, 2001, 12, 5, 14, 30);
}

Form9Cycles& CyclesTest::OpenFromMainMenu() {
    windows_->ShowMainMenu(WindowId::Splash);
    windows_->Open(WindowId::Cycles, WindowId::MainMenu);
    return Form9();
}

void CyclesTest::OpenMenu(QWidget& window, const char* menu) {
    QMenu* found = Find<QMenu>(window, menu);
    ASSERT_NE(found, nullptr) << menu;
    real_input::ClickMenuItem(found->menuAction());
    ASSERT_TRUE(found->isVisible()) << menu;
    real_input::PressKey(Qt::Key_Escape);
}

QString CyclesTest::LabelText(const char* name) {
    return Find<QLabel>(Form9(), name)->text();
}

QPlainTextEdit* CyclesTest::Text1() {
    return Find<QPlainTextEdit>(Form9(), "Text1");
}

const surface::DrawingSurface& CyclesTest::Drawing() {
    return Find<surface::PictureWidget>(Form9(), "Picture")->Surface();
}

std::vector<surface::Primitive> CyclesTest::Circles(double radius) {
    std::vector<surface::Primitive> found;
    for (const surface::Primitive& p : OfKind(Drawing(), surface::PrimitiveKind::Circle))
        if (p.radius == radius) found.push_back(p);
    return found;
}

}  // namespace orvanel::testing
