// Speed of the chart computation: the ephemeris (files held in memory, checked for changes on
// every call), a complete chart as a confirmed date entry computes it, and the astral-concepts list
// on a 400-record concept file. Goals on the project's 2-core machine: a chart under 50 µs, the list
// under 2 ms.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "conceptplane/concept_table.h"
#include "conceptplane/vector_workspace.h"
#include "orvanel/astro/chart.h"
#include "orvanel/astro/ephemeris.h"
#include "orvanel/vectors/astral_concepts.h"

namespace {

const std::string kData = std::string(ORVANEL_SOURCE_DIR) + "/data";

void ComputeEphemerisFromFiles(benchmark::State& state) {
    orvanel::Program program;
    orvanel::EphemerisFiles files(kData);
    std::int16_t day = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(orvanel::ComputeEphemeris(program, files, 2001, 12, day, 14, 30));
        day = static_cast<std::int16_t>(day % 28 + 1);
    }
}
BENCHMARK(ComputeEphemerisFromFiles);

void EphemerisOnLoadedTables(benchmark::State& state) {
    orvanel::EphemerisFiles files(kData);
    const orvanel::EphemerisData data = files.Load();
    for (auto _ : state)
        benchmark::DoNotOptimize(orvanel::EphemerisFor(data, 2001, 12, 5, 14, 30));
}
BENCHMARK(EphemerisOnLoadedTables);

// The date entry's computation after "Sí": the positions, then the whole chart of the slot.
void CompleteChart(benchmark::State& state) {
    orvanel::Program program;
    program.CurrentSubject = 1;
    orvanel::AssignFixed(program.EntryDate, U"20011205");
    orvanel::AssignFixed(program.EntryDateText, U"05 / 12 / 2001");
    orvanel::EphemerisFiles files(kData);
    for (auto _ : state) {
        program.EphemerisBuffer = orvanel::ComputeEphemeris(program, files, 2001, 12, 5, 14, 30);
        orvanel::RecomputeChart(program);
        benchmark::DoNotOptimize(program.ChartPositions[1].aspectCount);
    }
}
BENCHMARK(CompleteChart);

void RecomputeChartAlone(benchmark::State& state) {
    orvanel::Program program;
    program.CurrentSubject = 1;
    orvanel::EphemerisFiles files(kData);
    program.EphemerisBuffer = orvanel::ComputeEphemeris(program, files, 2001, 12, 5, 14, 30);
    for (auto _ : state) {
        orvanel::RecomputeChart(program);
        benchmark::DoNotOptimize(program.ChartPositions[1].aspectCount);
    }
}
BENCHMARK(RecomputeChartAlone);

// 400 synthetic concepts spread over the plane's directions and radii.
cp::ConceptTable SyntheticConcepts() {
    std::string bytes;
    for (int n = 0; n < 400; ++n) {
        cp::ConceptRecord r;
        r.name = U"Concepto " + cp::FromInt(n);
        r.reference = r.name;
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%d", (n * 37) % 360);
        r.degrees = cp::FromUtf8(buffer);
        std::snprintf(buffer, sizeof buffer, "%d", 100 + (n * 53) % 6000);
        r.radius = cp::FromUtf8(buffer);
        r.x = r.y = U"0";
        bytes += cp::EncodeConceptRecord(r);
    }
    return cp::ConceptTable::FromBytes(bytes);
}

void ListAstralConceptsOf400(benchmark::State& state) {
    const cp::ConceptTable concepts = SyntheticConcepts();
    orvanel::Program program;
    program.CurrentSubject = 1;
    orvanel::EphemerisFiles files(kData);
    program.EphemerisBuffer = orvanel::ComputeEphemeris(program, files, 2001, 12, 5, 14, 30);
    orvanel::RecomputeChart(program);
    cp::VectorWorkspace workspace(cp::Arithmetic::Orvanel);
    for (auto _ : state) {
        benchmark::DoNotOptimize(orvanel::ListAstralConcepts(program, concepts, workspace));
    }
    state.counters["aspects"] = program.ChartPositions[1].aspectCount;
}
BENCHMARK(ListAstralConceptsOf400);

}  // namespace

BENCHMARK_MAIN();
