// AnalysePoint: splits one body's chart vector into its two terms on the concept plane: the own term
// (1393 towards the body's PlanetAngles direction) and the sign term (1766 towards SignFold of its
// longitude), summed by the plane's ComputeResultant, whose two hidden tensions show what the terms
// lose by not being aligned.
#pragma once

#include <array>
#include <cstdint>

#include "conceptplane/vector_workspace.h"
#include "orvanel/shell/program_state.h"

namespace orvanel {

// For body k = 2..12 of slot CurrentSubject (unchanged): the vector list and result table emptied,
// resultShown set, the own term as lastOperand and the sign term as accumulatedOperand, then
// ComputeResultant. The Sun (k = 1) has no own term: its sign term alone is the operand, so the
// resultant is the Sun's vector and the tensions have no length. Returns the result rows (resultant,
// tension A, tension B); the window then redraws its plane, which draws them. Any other k, or a slot
// outside 0..12, throws cp::Fault and changes nothing.
std::array<cp::ResultRow, 3> AnalysePoint(const Program& program, cp::VectorWorkspace& workspace,
                                          std::int32_t k);

}  // namespace orvanel
