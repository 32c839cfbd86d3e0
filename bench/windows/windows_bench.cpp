// Speed of Orvanel's windows as a user meets it, on the offscreen platform: the chart window's
// "Vectores" until the vectors window is painted once; one mouse move over its plane with the zoom box
// and readouts painted; one cycle item from the menu to the painted plot.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QMouseEvent>
#include <filesystem>

#include "conceptplane/numeric.h"
#include "orvanel/astro/chart.h"
#include "orvanel/astro/ephemeris.h"
#include "orvanel/cycles/form9_cycles.h"
#include "orvanel/display/form3_chart.h"
#include "orvanel/shell/session.h"
#include "orvanel/shell/windows.h"
#include "orvanel/vectors/form7_vectors.h"
#include "surface/picture_widget.h"
#include "window_test_support.h"

namespace orvanel {
namespace {

// A session on a private copy of the data with subject 1 entered (5/12/2001 14:30).
struct Desk {
    Desk() : folder(testing::CopyShippedData()), session(folder.string()), windows(session) {
        windows.SetProgramEnd([] {});
        Program& p = session.program;
        p.CurrentSubject = 1;
        AssignFixed(p.EntryDate, U"20011205");
        AssignFixed(p.EntryDateText, U"05 / 12 / 2001");
        AssignFixed(p.EphemerisBuffer, ComputeEphemeris(p, session.ephemeris, 2001, 12, 5, 14, 30));
        RecomputeChart(p);
        windows.ShowChartWindow();
    }
    ~Desk() {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
    static void Choose(QWidget& window, const char* name) {
        window.findChild<QAction*>(QString::fromLatin1(name))->trigger();
    }
    std::filesystem::path folder;
    Session session;
    Windows windows;
};

Desk& TheDesk() {
    testing::TestApplication();
    static Desk desk;
    return desk;
}

void BM_OpenVectorsWindowPainted(benchmark::State& state) {
    Desk& desk = TheDesk();
    for (auto _ : state) {
        Desk::Choose(desk.windows.Chart(), "mnuVectores");
        auto& form = desk.windows.Get<Form7Vectors>(WindowId::Vectors);
        benchmark::DoNotOptimize(form.grab());
        state.PauseTiming();
        Desk::Choose(form, "mnuCarta");
        state.ResumeTiming();
    }
}

void BM_MouseMoveOverTheVectorsPlane(benchmark::State& state) {
    Desk& desk = TheDesk();
    Desk::Choose(desk.windows.Chart(), "mnuVectores");
    auto& form = desk.windows.Get<Form7Vectors>(WindowId::Vectors);
    auto* plane = form.findChild<surface::PictureWidget*>(QStringLiteral("Picture1"));
    auto* zoom = form.findChild<surface::PictureWidget*>(QStringLiteral("Picture2"));
    int step = 0;
    for (auto _ : state) {
        const QPointF at(100 + step % 300, 120 + step % 250);
        ++step;
        QMouseEvent move(QEvent::MouseMove, at, plane->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(plane, &move);
        benchmark::DoNotOptimize(zoom->grab());
    }
    Desk::Choose(form, "mnuCarta");
}

void BM_CyclePlotFromTheMenu(benchmark::State& state) {
    Desk& desk = TheDesk();
    desk.windows.Open(WindowId::Cycles, WindowId::Chart);
    auto& form = desk.windows.Get<Form9Cycles>(WindowId::Cycles);
    auto* plot = form.findChild<QWidget*>(QStringLiteral("Picture"));
    for (auto _ : state) {
        Desk::Choose(form, "mnuLunavenus");
        benchmark::DoNotOptimize(plot->grab());
    }
}

BENCHMARK(BM_OpenVectorsWindowPainted)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MouseMoveOverTheVectorsPlane)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CyclePlotFromTheMenu)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orvanel

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
