#include "vector_workspace.h"

#include <algorithm>
#include <cmath>

#include "numeric.h"
#include "template.h"
#include "vector_drawing.h"

namespace cp {

void VectorWorkspace::PointAt(double x, double y) {
    currentPoint.x = Keep(arithmetic, x);
    currentPoint.y = Keep(arithmetic, y);
    currentPoint.radius = Keep(arithmetic, HypotReal(currentPoint.x, currentPoint.y));
    currentPoint.angle = Keep(arithmetic, AnglesFor(arithmetic).AngleOf(currentPoint.x, currentPoint.y));
}

void VectorWorkspace::ClearResult() {
    resultTable = {};
    vectorList = {};
}

void VectorWorkspace::ChooseMode(PlaneMode mode, PlaneTarget& target) {
    planeMode = mode;
    lastOperand.x = lastOperand.y = 0;
    accumulatedOperand.x = accumulatedOperand.y = 0;
    resultShown = false;
    ClearResult();
    DrawTemplate(target, *this);
}

void VectorWorkspace::StoreVector(double x, double y) {
    // Orvanel keeps the list in whole plane units; 32 bits, as zoomed out they pass 16.
    const auto keep = [this](double v) {
        return arithmetic == Arithmetic::Rorev ? v : static_cast<double>(StoreInt32(v));
    };
    vectorList.items[static_cast<std::size_t>(vectorList.count)] = {keep(x), keep(y)};
    vectorList.present = 1;
    ++vectorList.count;
}

// The steps that change the state are done on a copy and kept only when all of them succeeded, so
// a value too large for Orvanel's stores leaves the series as it was.
AddPointOutcome VectorWorkspace::AddPoint(PlaneTarget& target) {
    AddPointOutcome outcome;
    const bool drawsVectors = planeMode == PlaneMode::Sum || planeMode == PlaneMode::Remainder;
    if (drawsVectors && vectorList.count >= kMaxVectors) {
        outcome.refusal = kTooManyVectorsMessage;
        return outcome;
    }
    VectorWorkspace next = *this;
    Operand& acc = next.accumulatedOperand;
    acc.x = Keep(arithmetic, acc.x + lastOperand.x);
    acc.y = Keep(arithmetic, acc.y + lastOperand.y);
    next.lastOperand.x = currentPoint.x;
    next.lastOperand.y = currentPoint.y;
    next.lastOperand.angle = currentPoint.angle;
    acc.length = OperandLength(arithmetic, acc.x, acc.y);
    if (drawsVectors) next.StoreVector(currentPoint.x, currentPoint.y);
    *this = next;
    if (drawsVectors) {
        DrawPlaneVector(target.picture, target.view, lastOperand.x, lastOperand.y,
                        StoreInt32(lastOperand.angle));
    } else if (planeMode == PlaneMode::Line) {
        outcome.onLine = ConceptsOnLine(target, &outcome.zoomReset);
    }
    return outcome;
}

void VectorWorkspace::TakeOperandLengths() {
    lastOperand.length = OperandLength(arithmetic, lastOperand.x, lastOperand.y);
    accumulatedOperand.length = OperandLength(arithmetic, accumulatedOperand.x, accumulatedOperand.y);
}

bool VectorWorkspace::ShowResult(PlaneTarget& target) {
    if (planeMode != PlaneMode::Sum && planeMode != PlaneMode::Remainder) return false;
    VectorWorkspace next = *this;
    next.resultShown = true;
    next.TakeOperandLengths();
    if (planeMode == PlaneMode::Remainder) {
        // Negated in place: a second right click without a new point shows the sum again.
        next.accumulatedOperand.x = -next.accumulatedOperand.x;
        next.accumulatedOperand.y = -next.accumulatedOperand.y;
    }
    next.ComputeResultant();
    *this = next;
    DrawTemplate(target, *this);
    return true;
}

void VectorWorkspace::ComputeResultant() {
    const AngleMath& angles = AnglesFor(arithmetic);
    const auto keep = [this](double v) { return Keep(arithmetic, v); };
    std::array<ResultRow, 3> table{};
    ResultRow& r1 = table[kResultant];
    ResultRow& r2 = table[kTensionA];
    ResultRow& r3 = table[kTensionB];
    r1.x = keep(accumulatedOperand.x + lastOperand.x);
    r1.y = keep(accumulatedOperand.y + lastOperand.y);
    r1.angle = keep(angles.AngleOf(r1.x, r1.y));
    r1.length = OperandLength(arithmetic, r1.x, r1.y);
    if (r1.length == 0) r1.angle = keep(NormalizeDegrees(r1.angle + 90));
    // Each tension carries half of what the sum loses against the sum of the lengths, plus 0.5.
    r2.length = keep((accumulatedOperand.length + lastOperand.length - r1.length) / 2 + 0.5);
    r3.length = r2.length;
    r2.angle = keep(NormalizeDegrees(r1.angle + 90));
    r3.angle = keep(NormalizeDegrees(r2.angle + 180));
    for (ResultRow* r : {&r2, &r3}) {
        r->x = keep(angles.Cos(r->angle) * r->length);
        r->y = keep(angles.Sin(r->angle) * r->length);
    }
    resultTable = table;
}

Text ModeCaption(PlaneMode mode) {
    switch (mode) {
        case PlaneMode::Sum:
            return U"Sumar  conceptos";
        case PlaneMode::Remainder:
            return U"Restar  conceptos";
        case PlaneMode::Line:
            return U"Conceptos en la recta";
        case PlaneMode::None:
            break;
    }
    return Text();
}

}  // namespace cp
