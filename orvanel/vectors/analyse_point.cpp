// The analysis of one body's vector.
#include "analyse_point.h"

#include "conceptplane/faults.h"
#include "conceptplane/numeric.h"
#include "conceptplane/plane_arithmetic.h"
#include "orvanel/shell/tables.h"
#include "orvanel/vectors/chart_vectors.h"
#include "orvanel/vectors/sign_fold.h"

namespace orvanel {

namespace {

// A term of the body's vector as a plane operand, kept as the workspace keeps its reals.
cp::Operand Term(const cp::VectorWorkspace& workspace, double angle, double radius) {
    const cp::AngleMath& trig = cp::AnglesFor(workspace.arithmetic);
    cp::Operand term;
    term.x = cp::Keep(workspace.arithmetic, trig.PolarX(angle, radius));
    term.y = cp::Keep(workspace.arithmetic, trig.PolarY(angle, radius));
    term.length = cp::OperandLength(workspace.arithmetic, term.x, term.y);
    return term;
}

void Assign(cp::Operand& target, const cp::Operand& value) {
    // The stored angle is not part of the analysis and keeps what it held.
    target.x = value.x;
    target.y = value.y;
    target.length = value.length;
}

}  // namespace

std::array<cp::ResultRow, 3> AnalysePoint(const Program& program, cp::VectorWorkspace& workspace,
                                          std::int32_t k) {
    if (k < 1 || k > kMovingPoints) throw cp::Fault("Punto no válido para el análisis");
    const ChartSlot& slot = SlotAt(program, program.CurrentSubject);
    const cp::Text field = cp::Mid(slot.ephemerisText, static_cast<std::size_t>(4 * k - 3), 4);
    const std::int16_t t = SignFold(cp::StoreInt16(cp::NumericValue(field)));
    cp::VectorWorkspace next = workspace;
    next.ClearResult();
    next.resultShown = true;
    const cp::Operand sign = Term(next, t, kPositionRadius);
    if (k == 1) {
        Assign(next.lastOperand, sign);
        Assign(next.accumulatedOperand, cp::Operand{});
    } else {
        Assign(next.lastOperand, Term(next, PlanetAngles[static_cast<std::size_t>(k - 1)], kOwnRadius));
        Assign(next.accumulatedOperand, sign);
    }
    next.ComputeResultant();
    if (k == 1) {
        // With no own term nothing is lost: the tensions keep their directions but have no length.
        for (int row : {cp::kTensionA, cp::kTensionB}) {
            cp::ResultRow& r = next.resultTable[static_cast<std::size_t>(row)];
            r.x = r.y = r.length = 0;
        }
    }
    workspace = next;
    return workspace.resultTable;
}

}  // namespace orvanel
