// The concept plane that Orvanel's two vectors windows share: one zoom and one vector workspace for
// the whole program, so that a mode, points or a result left in one window are still in force in the
// other, and the pictures they draw on with each picture's chart layer. Plain C++ without Qt.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "conceptplane/concept_table.h"
#include "conceptplane/plane_view.h"
#include "conceptplane/vector_workspace.h"
#include "conceptplane/zoom_box.h"
#include "orvanel/shell/program_state.h"
#include "orvanel/vectors/chart_layer.h"
#include "surface/drawing_surface.h"

namespace orvanel {

// The body whose analysis shows its position term alone (it has no own term).
inline constexpr std::int32_t kSun = 1;

class PlaneSession {
  public:
    PlaneSession(Program& program, cp::ConceptTable& concepts);
    PlaneSession(const PlaneSession&) = delete;
    PlaneSession& operator=(const PlaneSession&) = delete;

    Program& program;
    cp::ConceptTable& concepts;  // read again before a lookup when the file changed
    cp::PlaneView view{cp::Arithmetic::Orvanel};
    cp::VectorWorkspace workspace{cp::Arithmetic::Orvanel};

    // `picture` as the target of the plane operations. Its chart layer draws slot `slot`, or slot
    // CurrentSubject as it stands at drawing time when none is given; `forced` replaces the flags
    // ChartVectorsShown and GlyphsShown.
    cp::PlaneTarget Target(surface::DrawingSurface& picture, std::optional<std::int16_t> slot = std::nullopt,
                           std::optional<ChartLayerFlags> forced = std::nullopt);
    // DrawTemplate on `picture`, ending with its chart layer.
    void Redraw(surface::DrawingSurface& picture, std::optional<std::int16_t> slot = std::nullopt);

    // What opening the vectors window from a chart resets: chart vectors on, no mode, no result,
    // lastOperand 0 in all its values, result table and vector list empty. accumulatedOperand stays.
    void ResetForChart();
    // A slot above 2 is the synastry's cross aspects, not a chart: act on SynastryBase instead.
    void SubjectFix();
    // The subject SubjectFix would leave in CurrentSubject.
    std::int16_t FixedSubject() const;

    // The point under the mouse at `picture` (plane picture coordinates): CurrentPoint set, the zoom
    // box redrawn around it with the concept file as it is now; the readout texts.
    cp::ZoomReadouts PointAt(surface::Point picture, surface::DrawingSurface& zoomBox);
    // The astral-concepts list of slot CurrentSubject, named by the concept file as it is now.
    std::vector<cp::Text> AstralConcepts();

    // The Sum-mode result of the two-subject window: operand lengths, ComputeResultant; nothing drawn.
    // False outside the Sum mode, when a right click does nothing.
    bool SumResult();

    // The analysis of body k (kSun..12) of slot CurrentSubject on `picture`: the plane redrawn with an
    // empty result, then the body's two terms, their resultant and tensions drawn over it. The Sun's
    // single term is the resultant and its tensions are zero. A fault changes nothing.
    void Analyse(surface::DrawingSurface& picture, std::int32_t k);
};

// The body a glyph of the body list names: the first point 2..12 whose glyph it is, else the Sun.
std::int32_t BodyOfGlyph(const cp::Text& glyph);

}  // namespace orvanel
