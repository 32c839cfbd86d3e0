// Speed of the consultation report as a user meets it: from the computed charts of the program to the
// PDF file on disk, for one subject and for a synastry (goal: well under a second each).
#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <string>

#include "loaded_data.h"
#include "orvanel/report/consultation_report.h"
#include "orvanel/report/report_file.h"
#include "subject_entry.h"
#include "window_test_support.h"

namespace orvanel::report {
namespace {

// Subjects 1 and 2 entered (5/12/2001 14:30, 3/7/1965 9:15) with the shipped data.
struct Charts {
    Charts() : concepts(calc::OpenConcepts(Data())) {
        EphemerisFiles files(Data());
        calc::EnterSubject(program, files, 1, {2001, 12, 5, 14, 30});
        calc::EnterSubject(program, files, 2, {1965, 7, 3, 9, 15});
    }
    static std::string Data() { return std::string(ORVANEL_SOURCE_DIR) + "/data"; }
    cp::ConceptTable concepts;
    Program program;
};

const Charts& TheCharts() {
    testing::TestApplication();
    static const Charts charts;
    return charts;
}

void BM_WriteSubjectReport(benchmark::State& state) {
    const Charts& charts = TheCharts();
    const QTemporaryDir dir;
    for (auto _ : state) {
        const Document doc = SubjectReport(charts.program, 1, U"Ana", charts.concepts, ReportDay());
        benchmark::DoNotOptimize(WriteReportPdf(doc, dir.filePath(QStringLiteral("informe.pdf"))));
    }
}
BENCHMARK(BM_WriteSubjectReport)->Unit(benchmark::kMillisecond);

void BM_WriteSynastryReport(benchmark::State& state) {
    const Charts& charts = TheCharts();
    const QTemporaryDir dir;
    for (auto _ : state) {
        const Document doc = SynastryReport(charts.program, U"Ana", U"Luis", charts.concepts, ReportDay());
        benchmark::DoNotOptimize(WriteReportPdf(doc, dir.filePath(QStringLiteral("sinastria.pdf"))));
    }
}
BENCHMARK(BM_WriteSynastryReport)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orvanel::report

BENCHMARK_MAIN();
