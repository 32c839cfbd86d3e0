#include "cycles_fixture.h"

#include <unistd.h>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <atomic>

#include "conceptplane/numeric.h"
#include "orvanel/astro/chart.h"
#include "orvanel/astro/ephemeris.h"
#include "surface/picture_widget.h"
#include "window_test_support.h"

namespace orvanel::testing {

CyclesTest::CyclesTest() {
    TestApplication();
    folder_ = CopyShippedData();
    session_ = std::make_unique<Session>(folder_.string());
    windows_ = std::make_unique<Windows>(*session_);
    windows_->SetProgramEnd([this] { ++ended_; });
}

CyclesTest::~CyclesTest() {
    windows_.reset();
    std::error_code ec;
    std::filesystem::remove_all(folder_, ec);
}

void CyclesTest::EnterSubject(std::int16_t slot, std::int16_t year, std::int16_t month, std::int16_t day,
                              std::int16_t hour, std::int16_t minute) {
    Program& p = State();
    p.CurrentSubject = slot;
    const cp::Text date = cp::FormatZeros(year, 4) + cp::FormatZeros(month, 2) + cp::FormatZeros(day, 2);
    AssignFixed(p.EntryDate, date);
    AssignFixed(p.EntryDateText, cp::FormatZeros(day, 2) + U" / " + cp::FormatZeros(month, 2) + U" / " +
                                     cp::FormatZeros(year, 4));
    AssignFixed(p.EphemerisBuffer, ComputeEphemeris(p, session_->ephemeris, year, month, day, hour, minute));
    RecomputeChart(p);
}

void CyclesTest::EnterBothSubjects() {
    EnterSubject(2, 1965, 7, 3, 9, 15);
    EnterSubject(1, 2001, 12, 5, 14, 30);
}

Form9Cycles& CyclesTest::OpenFromMainMenu() {
    windows_->ShowMainMenu(WindowId::Splash);
    windows_->Open(WindowId::Cycles, WindowId::MainMenu);
    return Form9();
}

void CyclesTest::Choose(QWidget& window, const char* item) {
    QAction* action = window.findChild<QAction*>(QString::fromLatin1(item));
    ASSERT_NE(action, nullptr) << item;
    action->trigger();
}

void CyclesTest::OpenMenu(QWidget& window, const char* menu) {
    QMenu* found = Find<QMenu>(window, menu);
    ASSERT_NE(found, nullptr);
    emit found->aboutToShow();
}

QString CyclesTest::LabelText(const char* name) {
    QLabel* label = Find<QLabel>(Form9(), name);
    return label ? label->text() : QString();
}

QPlainTextEdit* CyclesTest::Text1() {
    return Find<QPlainTextEdit>(Form9(), "Text1");
}

const surface::DrawingSurface& CyclesTest::Drawing() {
    return Find<surface::PictureWidget>(Form9(), "Picture")->Surface();
}

std::vector<surface::Primitive> CyclesTest::Circles(double radius) {
    std::vector<surface::Primitive> found;
    for (const surface::Primitive& p : Drawing().List()) {
        if (p.kind == surface::PrimitiveKind::Circle && p.radius == radius) found.push_back(p);
    }
    return found;
}

std::vector<surface::Primitive> CyclesTest::Lines() {
    std::vector<surface::Primitive> found;
    for (const surface::Primitive& p : Drawing().List()) {
        if (p.kind == surface::PrimitiveKind::Line) found.push_back(p);
    }
    return found;
}

}  // namespace orvanel::testing
