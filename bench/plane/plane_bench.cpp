// Speed of the concept plane at screen rate: one mouse move (plane point, the zoom-box lookup over
// the whole concept file, the readouts, the zoom box painted) with the shipped file and with a
// generated file of 32767 records; one template redraw with a stored result and 20 vectors, painted.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <cstdlib>
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
cp::ConceptTable GeneratedTable(int records) {
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
    return cp::ConceptTable::FromBytes(bytes);
}

void MouseMove(benchmark::State& state, const cp::ConceptTable& concepts) {
    cp::PlaneView view;
    cp::VectorWorkspace workspace;
    surface::DrawingSurface box(surface::RGB(255, 255, 192), surface::kBlack);
    box.SetScale(0, 0, cp::kZoomBoxSize, cp::kZoomBoxSize);
    box.SetDesignPixels(kZoomBoxPixels.width(), kZoomBoxPixels.height());
    // A point among the facultades, where the table is dense and many names show.
    double px = 6800;
    std::size_t drawn = 0;
    for (auto _ : state) {
        const surface::Point plane = view.PictureToPlane({px, 4700});
        workspace.currentPoint.x = plane.x;
        workspace.currentPoint.y = plane.y;
        cp::ShowZoomBox(box, workspace.currentPoint, concepts, cp::Arithmetic::Rorev);
        benchmark::DoNotOptimize(cp::MakeReadouts(workspace.currentPoint, cp::Arithmetic::Rorev));
        const QImage image = surface::RenderImage(box, kZoomBoxPixels);
        benchmark::DoNotOptimize(image.constBits());
        drawn = box.List().size();
        px = px == 6800 ? 6801 : 6800;
    }
    state.counters["records"] = concepts.Count();
    state.counters["primitives"] = static_cast<double>(drawn);
}

void BM_MouseMoveShippedFile(benchmark::State& state) {
    static const cp::ConceptTable table = ShippedTable();
    MouseMove(state, table);
}

void BM_MouseMove32767Records(benchmark::State& state) {
    static const cp::ConceptTable table = GeneratedTable(32767);
    MouseMove(state, table);
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
