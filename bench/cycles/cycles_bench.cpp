// Speed of a 31-day cycle plot (ciclo) and of the coincidence report, with the data files of the
// source tree held by EphemerisFiles (read once, checked for changes on every plot).
#include <benchmark/benchmark.h>

#include <string>

#include "orvanel/astro/chart.h"
#include "orvanel/astro/ephemeris.h"
#include "orvanel/cycles/coincidence_report.h"
#include "orvanel/cycles/cycle_plot.h"

namespace {

orvanel::Program Natal(orvanel::EphemerisFiles& files) {
    orvanel::Program program;
    program.CurrentSubject = 1;
    program.EntryDate = U"20011205";
    program.EphemerisBuffer = orvanel::ComputeEphemeris(program, files, 2001, 12, 5, 14, 30);
    orvanel::RecomputeChart(program);
    return program;
}

const std::string kData = std::string(ORVANEL_SOURCE_DIR) + "/data";

void BM_CycleOfThirtyOneDays(benchmark::State& state) {
    orvanel::EphemerisFiles files(kData);
    orvanel::Program program = Natal(files);
    for (auto _ : state) {
        benchmark::DoNotOptimize(orvanel::ComputeCycle(program, files, 3, 2, orvanel::kBothTransiting));
    }
}
BENCHMARK(BM_CycleOfThirtyOneDays)->Unit(benchmark::kMicrosecond);

void BM_CoincidenceReport(benchmark::State& state) {
    orvanel::EphemerisFiles files(kData);
    orvanel::Program program = Natal(files);
    for (auto _ : state) benchmark::DoNotOptimize(orvanel::CoincidenceLines(program, files));
}
BENCHMARK(BM_CoincidenceReport)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
