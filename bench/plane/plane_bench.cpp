// Speed of the concept plane at screen rate: one mouse move (plane point, the check that the concept
// file is unchanged, the zoom-box lookup, the readouts, the zoom box painted) with the shipped file
// and with a generated file of 32767 records, and the lookup alone; reading such a file once; one
// template redraw with a stored result and 20 vectors, painted. Goals: a move over 32767 concepts
// painted within 1 ms and its lookup within 0.1 ms, a move over the shipped file within 25 µs.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "conceptplane/concept_table.h"
#include "conceptplane/template.h"
#include "conceptplane/vector_workspace.h"
#include "conceptplane/zoom_box.h"
#include "surface/paint_list.h"

namespace {

// Widget sizes at design size: the zoom box is 2355 twips, the template 5415 (15 twips a pixel).
const QSize kZoomBoxPixels(157, 157);
const QSize kTemplatePixels(361, 361);

cp::ConceptTable ShippedTable() {
    return cp::ConceptTable::OpenExisting(std::string(ORVANEL_SOURCE_DIR) + "/data/concptos.txt");
}

// Concepts spread over the whole plane, denser towards the centre as the real table is.
std::string GeneratedFile(int records) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> angle(0, 360), level(0, 7.2);
    std::string bytes;
    for (int i = 0; i < records; ++i) {
        const double a = angle(random), r = 100 * std::pow(1.93185, level(random));
        cp::ConceptRecord c;
        c.reference = U"Referencia";
        c.name = U"Concepto " + cp::FromInt(i);
        c.degrees = cp::FromInt(static_cast<long long>(a));
        c.radius = cp::FromInt(static_cast<long long>(r));
        c.x = cp::FromInt(static_cast<long long>(cp::kRorevAngles.PolarX(a, r)));
        c.y = cp::FromInt(static_cast<long long>(cp::kRorevAngles.PolarY(a, r)));
        bytes += cp::EncodeConceptRecord(c);
    }
    return bytes;
}

// The generated file in a file of its own, as the programs meet it.
cp::ConceptTable GeneratedTable(int records) {
    const auto path = std::filesystem::temp_directory_path() / "orvanel_plane_bench_concptos.txt";
    std::ofstream(path, std::ios::binary) << GeneratedFile(records);
    return cp::ConceptTable::OpenExisting(path.string());
}

cp::ConceptTable& Shipped() {
    static cp::ConceptTable table = ShippedTable();
    return table;
}

cp::ConceptTable& Generated32767() {
    static cp::ConceptTable table = GeneratedTable(32767);
    return table;
}

// A point among the facultades, where the table is dense and many names show.
constexpr surface::Point kDensePicturePoint{6800, 4700};

void MouseMove(benchmark::State& state, cp::ConceptTable& concepts) {
    cp::PlaneView view;
    cp::VectorWorkspace workspace;
    surface::DrawingSurface box(surface::RGB(255, 255, 192), surface::kBlack);
    box.SetScale(0, 0, cp::kZoomBoxSize, cp::kZoomBoxSize);
    box.SetDesignPixels(kZoomBoxPixels.width(), kZoomBoxPixels.height());
    double px = kDensePicturePoint.x;
    std::size_t drawn = 0;
    for (auto _ : state) {
        const surface::Point plane = view.PictureToPlane({px, kDensePicturePoint.y});
        workspace.currentPoint.x = plane.x;
        workspace.currentPoint.y = plane.y;
        concepts.Refresh();
        cp::ShowZoomBox(box, workspace.currentPoint, concepts, cp::Arithmetic::Rorev);
        benchmark::DoNotOptimize(cp::MakeReadouts(workspace.currentPoint, cp::Arithmetic::Rorev));
        const QImage image = surface::RenderImage(box, kZoomBoxPixels);
        benchmark::DoNotOptimize(image.constBits());
        drawn = box.List().size();
        px = px == kDensePicturePoint.x ? kDensePicturePoint.x + 1 : kDensePicturePoint.x;
    }
    state.counters["records"] = concepts.Count();
    state.counters["primitives"] = static_cast<double>(drawn);
}

void BM_MouseMoveShippedFile(benchmark::State& state) {
    MouseMove(state, Shipped());
}

void BM_MouseMove32767Records(benchmark::State& state) {
    MouseMove(state, Generated32767());
}

// The lookup of a move alone: the file checked, the concepts in the zoom box found in file order.
void Lookup(benchmark::State& state, cp::ConceptTable& concepts) {
    cp::PlaneView view;
    cp::CurrentPoint point;
    std::size_t found = 0;
    for (auto _ : state) {
        const surface::Point plane = view.PictureToPlane(kDensePicturePoint);
        point.x = plane.x;
        point.y = plane.y;
        point.radius = std::hypot(point.x, point.y);
        concepts.Refresh();
        found = 0;
        cp::ForEachZoomBoxConcept(point, concepts, cp::Arithmetic::Rorev, [&](const cp::ZoomBoxConcept& c) {
            benchmark::DoNotOptimize(c);
            ++found;
        });
    }
    state.counters["found"] = static_cast<double>(found);
}

void BM_ZoomBoxLookupShippedFile(benchmark::State& state) {
    Lookup(state, Shipped());
}

void BM_ZoomBoxLookup32767Records(benchmark::State& state) {
    Lookup(state, Generated32767());
}

// What a changed file costs once: 32767 records decoded and both indexes built.
void BM_ReadConceptFileOf32767Records(benchmark::State& state) {
    const std::string bytes = GeneratedFile(32767);
    for (auto _ : state)
        benchmark::DoNotOptimize(cp::ConceptTable::FromBytes(bytes));
}

void BM_DrawTemplateWithResultAnd20Vectors(benchmark::State& state) {
    surface::DrawingSurface picture(surface::kBlack, cp::kPlaneFore);
    picture.SetScale(0, 0, cp::kTemplateScale, cp::kTemplateScale);
    picture.SetDesignPixels(kTemplatePixels.width(), kTemplatePixels.height());
    const cp::ConceptTable concepts;
    cp::PlaneView view;
    cp::VectorWorkspace workspace;
    cp::PlaneTarget target{picture, view, concepts, {}};
    workspace.ChooseMode(cp::PlaneMode::Sum, target);
    for (int i = 0; i < cp::kMaxVectors; ++i) {
        workspace.PointAt(cp::kRorevAngles.PolarX(i * 18, 3000), cp::kRorevAngles.PolarY(i * 18, 3000));
        workspace.AddPoint(target);
    }
    workspace.ShowResult(target);
    for (auto _ : state) {
        cp::DrawTemplate(target, workspace);
        const QImage image = surface::RenderImage(picture, kTemplatePixels);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["primitives"] = static_cast<double>(picture.List().size());
}

BENCHMARK(BM_MouseMoveShippedFile)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MouseMove32767Records)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ZoomBoxLookupShippedFile)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ZoomBoxLookup32767Records)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadConceptFileOf32767Records)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawTemplateWithResultAnd20Vectors)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    // Painting texts needs a GUI application; no screen is used.
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
