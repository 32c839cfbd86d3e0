#include "vectors_fixture.h"

#include <unistd.h>
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <atomic>
#include <cmath>

#include "conceptplane/numeric.h"
#include "conceptplane/plane_view.h"
#include "orvanel/astro/chart.h"
#include "orvanel/astro/ephemeris.h"
#include "orvanel/display/form3_chart.h"
#include "orvanel/display/form4_synastry.h"
#include "window_test_support.h"

namespace orvanel::testing {

namespace {

cp::Text Digits(int value, int width) {
    return cp::FormatZeros(value, width);
}

}  // namespace

VectorsTest::VectorsTest() {
    TestApplication();
    folder_ = CopyShippedData();
    session_ = std::make_unique<Session>(folder_.string());
    windows_ = std::make_unique<Windows>(*session_);
    windows_->SetProgramEnd([] {});
}

VectorsTest::~VectorsTest() {
    windows_.reset();
    std::error_code ec;
    std::filesystem::remove_all(folder_, ec);
}

void VectorsTest::EnterSubject(std::int16_t slot, std::int16_t year, std::int16_t month, std::int16_t day,
                               std::int16_t hour, std::int16_t minute) {
    Program& p = State();
    p.CurrentSubject = slot;
    AssignFixed(p.EntryDate, Digits(year, 4) + Digits(month, 2) + Digits(day, 2));
    AssignFixed(p.EntryDateText, Digits(day, 2) + U" / " + Digits(month, 2) + U" / " + Digits(year, 4));
    AssignFixed(p.EphemerisBuffer, ComputeEphemeris(p, session_->ephemeris, year, month, day, hour, minute));
    RecomputeChart(p);
}

void VectorsTest::EnterBothSubjects() {
    EnterSubject(1, 2001, 12, 5, 14, 30);
    EnterSubject(2, 1965, 7, 3, 9, 15);
}

Form7Vectors& VectorsTest::OpenForm7() {
    State().CurrentSubject = 1;
    windows_->ShowChartWindow();
    Choose(windows_->Chart(), "mnuVectores");
    return windows_->Get<Form7Vectors>(WindowId::Vectors);
}

Form8VectorsTwo& VectorsTest::OpenForm8() {
    State().CurrentSubject = 1;
    windows_->StartSynastry(WindowId::MainMenu);
    Choose(windows_->Synastry(), "mnuVectoresdos");
    return windows_->Get<Form8VectorsTwo>(WindowId::VectorsTwo);
}

void VectorsTest::Choose(QWidget& window, const char* menu) {
    QAction* action = window.findChild<QAction*>(QString::fromLatin1(menu));
    ASSERT_NE(action, nullptr) << menu;
    action->trigger();
}

std::vector<std::pair<QString, QString>> VectorsTest::MenuItems(QWidget& window) {
    std::vector<std::pair<QString, QString>> items;
    for (QAction* a : MenuBarItems(static_cast<QMainWindow&>(window)))
        items.emplace_back(a->objectName(), a->text());
    return items;
}

std::vector<DrawnVector> VectorsTest::VectorsFromCentre(const surface::DrawingSurface& s) {
    std::vector<DrawnVector> vectors;
    for (const surface::Primitive& p : s.List()) {
        if (p.kind != surface::PrimitiveKind::Line) continue;
        if (p.a.x != cp::kPictureCentre || p.a.y != cp::kPictureCentre) continue;
        vectors.push_back({p.b.x - p.a.x, p.b.y - p.a.y, p.colour});
    }
    return vectors;
}

std::vector<std::u32string> VectorsTest::Texts(const surface::DrawingSurface& s) {
    std::vector<std::u32string> texts;
    for (const surface::Primitive& p : s.List()) {
        if (p.kind == surface::PrimitiveKind::Text) texts.push_back(p.text);
    }
    return texts;
}

std::vector<DrawnVector> VectorsTest::OfColour(const surface::DrawingSurface& s, surface::Rgb colour) {
    std::vector<DrawnVector> found;
    for (const DrawnVector& v : VectorsFromCentre(s)) {
        if (v.colour == colour) found.push_back(v);
    }
    return found;
}

bool VectorsTest::HasStep(const std::vector<DrawnVector>& vectors, double dx, double dy, double tolerance) {
    for (const DrawnVector& v : vectors) {
        if (std::fabs(v.dx - dx) <= tolerance && std::fabs(v.dy - dy) <= tolerance) return true;
    }
    return false;
}

}  // namespace orvanel::testing
