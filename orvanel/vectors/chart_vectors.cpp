// The fourteen chart vectors of a slot.
#include "chart_vectors.h"

#include "conceptplane/angles.h"
#include "conceptplane/numeric.h"
#include "orvanel/shell/tables.h"
#include "orvanel/vectors/sign_fold.h"

namespace orvanel {

namespace {

constexpr std::size_t kAscendant = 13;
constexpr std::size_t kResultant = 14;

const cp::AngleMath& Trig() {
    return cp::kOrvanelAngles;
}

// Angle, length and label of point k from its rounded components; the label from the rounded angle
// and length.
void Finish(ChartSlot& slot, std::size_t k) {
    const std::int32_t x = slot.vectorX[k], y = slot.vectorY[k];
    slot.vectorAngle[k] = cp::StoreInt32(Trig().AngleOf(x, y));
    slot.vectorRadius[k] = cp::StoreInt32(cp::HypotWhole(x, y));
    const double reach = slot.vectorRadius[k] + kLabelOffset;
    slot.labelX[k] = cp::StoreInt32(Trig().PolarX(slot.vectorAngle[k], reach));
    slot.labelY[k] = cp::StoreInt32(Trig().PolarY(slot.vectorAngle[k], reach));
}

// Point k's vector: the sign term, plus the own term for every body but the Sun and the Ascendant.
void PlacePoint(ChartSlot& slot, std::size_t k, std::int32_t longitude) {
    const double t = SignFold(cp::StoreInt16(longitude));
    double x = Trig().PolarX(t, kPositionRadius);
    double y = Trig().PolarY(t, kPositionRadius);
    if (k != 1 && k != kAscendant) {
        const double p = PlanetAngles[k - 1];
        x += Trig().PolarX(p, kOwnRadius);
        y += Trig().PolarY(p, kOwnRadius);
    }
    slot.vectorX[k] = cp::StoreInt32(x);
    slot.vectorY[k] = cp::StoreInt32(y);
    Finish(slot, k);
    slot.vectorX[kResultant] =
        cp::StoreInt32(static_cast<double>(slot.vectorX[kResultant]) + slot.vectorX[k]);
    slot.vectorY[kResultant] =
        cp::StoreInt32(static_cast<double>(slot.vectorY[kResultant]) + slot.vectorY[k]);
}

}  // namespace

void ComputeChartVectors(ChartSlot& slot) {
    ChartSlot next = slot;
    next.vectorX.fill(0);
    next.vectorY.fill(0);
    next.longitude[kAscendant] = next.ascendant;
    PlacePoint(next, kAscendant, next.ascendant);
    for (std::size_t k = 1; k <= kMovingPoints; ++k) {
        // The field's three digits; the numeric-value rule stops at the motion mark.
        const cp::Text field = cp::Mid(next.ephemerisText, 4 * k - 3, 4);
        next.longitude[k] = cp::StoreInt32(cp::NumericValue(field));
        PlacePoint(next, k, next.longitude[k]);
    }
    Finish(next, kResultant);
    slot = std::move(next);
}

void ComputeChartVectors(Program& program) {
    ComputeChartVectors(SlotAt(program, program.CurrentSubject));
}

}  // namespace orvanel
