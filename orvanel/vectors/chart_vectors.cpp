// The fourteen chart vectors of a slot.
#include "chart_vectors.h"

#include "conceptplane/angles.h"
#include "conceptplane/numeric.h"
#include "conceptplane/whole_degrees.h"
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

struct Term {
    double x, y;
};

// The sign term of a longitude: the sign folded onto the plane, at the positions' radius.
Term SignTerm(std::int32_t longitude) {
    return cp::AtWholeDegree(longitude, [](std::int32_t l) {
        const double t = SignFold(cp::StoreInt16(l));
        return Term{Trig().PolarX(t, kPositionRadius), Trig().PolarY(t, kPositionRadius)};
    });
}

// The own term of body k (2..12), at its planet's angle.
Term OwnTerm(std::size_t k) {
    static const auto terms = [] {
        std::array<Term, kPointCount + 1> own{};
        for (std::size_t n = 1; n <= kMovingPoints; ++n)
            own[n] = {Trig().PolarX(PlanetAngles[n - 1], kOwnRadius),
                      Trig().PolarY(PlanetAngles[n - 1], kOwnRadius)};
        return own;
    }();
    return terms[k];
}

// Point k's vector: the sign term, plus the own term for every body but the Sun and the Ascendant.
void PlacePoint(ChartSlot& slot, std::size_t k, std::int32_t longitude) {
    const Term sign = SignTerm(longitude);
    double x = sign.x;
    double y = sign.y;
    if (k != 1 && k != kAscendant) {
        x += OwnTerm(k).x;
        y += OwnTerm(k).y;
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
        next.longitude[k] = cp::StoreInt32(cp::NumericValue(cp::MidView(next.ephemerisText, 4 * k - 3, 4)));
        PlacePoint(next, k, next.longitude[k]);
    }
    Finish(next, kResultant);
    slot = std::move(next);
}

void ComputeChartVectors(Program& program) {
    ComputeChartVectors(SlotAt(program, program.CurrentSubject));
}

}  // namespace orvanel
