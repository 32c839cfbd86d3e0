// The concept nearest to a plane point.
#include "nearest_concept.h"

#include <cmath>

#include "conceptplane/numeric.h"

namespace orvanel {

namespace {

constexpr float kNamingStart = 50000;
constexpr float kNamingWindow = 8;

}  // namespace

cp::Text NearestConcept(const cp::ConceptTable& concepts, double angle, double radius) {
    float best = kNamingStart;
    const cp::Text* result = nullptr;
    for (const cp::ConceptRecord& record : concepts.Records()) {
        // Differences are kept in single precision, as the comparison with 8 degrees expects; one
        // beyond that range (a garbled file) is too far to name the point.
        const double angleDifference = std::fabs(record.degreesValue - angle);
        const double radiusDifference = std::fabs(record.radiusValue - radius);
        if (!cp::FitsSingle(angleDifference) || !cp::FitsSingle(radiusDifference)) continue;
        float d = static_cast<float>(angleDifference);
        if (d > 180) d = 360 - d;
        if (!(d < kNamingWindow)) continue;
        const auto e = static_cast<float>(radiusDifference);
        if (e < best) {
            best = e;
            result = &record.name;
        }
    }
    return result ? *result : cp::Text();
}

}  // namespace orvanel
