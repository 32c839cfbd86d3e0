#include "orvanel/vectors/plane_session.h"

#include "conceptplane/template.h"
#include "conceptplane/vector_drawing.h"
#include "orvanel/shell/tables.h"
#include "orvanel/vectors/analyse_point.h"
#include "orvanel/vectors/astral_concepts.h"

namespace orvanel {

PlaneSession::PlaneSession(Program& p, cp::ConceptTable& c) : program(p), concepts(c) {}

cp::PlaneTarget PlaneSession::Target(surface::DrawingSurface& picture, std::optional<std::int16_t> slot,
                                     std::optional<ChartLayerFlags> forced) {
    auto layer = [this, slot, forced](surface::DrawingSurface& p) {
        const ChartLayerFlags flags =
            forced.value_or(ChartLayerFlags{program.ChartVectorsShown, program.GlyphsShown});
        // With nothing to draw no slot is looked up, so the first template draws whatever the slot.
        if (!flags.vectors && !flags.glyphs) return;
        DrawChartLayer(p, SlotAt(program, slot.value_or(program.CurrentSubject)), view, flags);
    };
    return cp::PlaneTarget{picture, view, concepts, layer};
}

void PlaneSession::Redraw(surface::DrawingSurface& picture, std::optional<std::int16_t> slot) {
    cp::PlaneTarget target = Target(picture, slot);
    cp::DrawTemplate(target, workspace);
}

void PlaneSession::ResetForChart() {
    program.ChartVectorsShown = true;
    workspace.planeMode = cp::PlaneMode::None;
    workspace.resultShown = false;
    workspace.lastOperand = cp::Operand{};
    workspace.ClearResult();
}

void PlaneSession::SubjectFix() {
    program.CurrentSubject = FixedSubject();
}

std::int16_t PlaneSession::FixedSubject() const {
    return program.CurrentSubject > 2 ? program.SynastryBase : program.CurrentSubject;
}

cp::ZoomReadouts PlaneSession::PointAt(surface::Point picture, surface::DrawingSurface& zoomBox) {
    const surface::Point plane = view.PictureToPlane(picture);
    workspace.currentPoint.x = plane.x;
    workspace.currentPoint.y = plane.y;
    concepts.Refresh();
    cp::ShowZoomBox(zoomBox, workspace.currentPoint, concepts, workspace.arithmetic);
    return cp::MakeReadouts(workspace.currentPoint, workspace.arithmetic);
}

std::vector<cp::Text> PlaneSession::AstralConcepts() {
    concepts.Refresh();
    return ListAstralConcepts(program, concepts, workspace);
}

bool PlaneSession::SumResult() {
    if (workspace.planeMode != cp::PlaneMode::Sum) return false;
    cp::VectorWorkspace next = workspace;
    next.resultShown = true;
    next.TakeOperandLengths();
    next.ComputeResultant();
    workspace = next;
    return true;
}

void PlaneSession::Analyse(surface::DrawingSurface& picture, std::int32_t k) {
    cp::VectorWorkspace analysed = workspace;
    AnalysePoint(program, analysed, k);
    workspace.ClearResult();
    workspace.resultShown = true;
    Redraw(picture);
    workspace = analysed;
    cp::DrawResult(picture, view, workspace);
}

std::int32_t BodyOfGlyph(const cp::Text& glyph) {
    for (std::int32_t k = 2; k <= kMovingPoints; ++k) {
        if (GlyphAt(PointGlyphs, k) == glyph) return k;
    }
    return kSun;
}

}  // namespace orvanel
