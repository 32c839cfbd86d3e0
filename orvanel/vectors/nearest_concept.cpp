// The concept nearest to a plane point.
#include "nearest_concept.h"

#include <cmath>

#include "conceptplane/numeric.h"

namespace orvanel {

namespace {

constexpr float kNamingStart = 50000;
constexpr float kNamingWindow = 8;
constexpr int kNamingReach = 8;  // the window in whole degrees, for the index of directions

// The best concept met so far: the smallest radius difference, and on equal differences the lower
// record number, which a scan in file order meets first.
struct Best {
    float difference = kNamingStart;
    std::int32_t record = 0;

    void Consider(const cp::DirectionEntry& c, double angle, double radius) {
        // Differences are kept in single precision, as the comparison with 8 degrees expects; one
        // beyond that range (a garbled file) is too far to name the point.
        const double angleDifference = std::fabs(c.degrees - angle);
        const double radiusDifference = std::fabs(c.radius - radius);
        if (!cp::FitsSingle(angleDifference) || !cp::FitsSingle(radiusDifference)) return;
        float d = static_cast<float>(angleDifference);
        if (d > 180) d = 360 - d;
        if (!(d < kNamingWindow)) return;
        const auto e = static_cast<float>(radiusDifference);
        if (e < difference || (e == difference && record != 0 && c.record < record)) {
            difference = e;
            record = c.record;
        }
    }
};

}  // namespace

std::int32_t NearestRecord(const cp::ConceptTable& concepts, double angle, double radius) {
    Best best;
    if (const auto near = concepts.Directions().Near(angle, kNamingReach)) {
        for (const auto& stretch : *near) {
            for (const cp::DirectionEntry& c : stretch)
                best.Consider(c, angle, radius);
        }
    } else {
        for (std::int32_t n = 1; n <= concepts.Count(); ++n)
            best.Consider({n, concepts.Read(n).degreesValue, concepts.Read(n).radiusValue}, angle, radius);
    }
    return best.record;
}

const cp::Text& RecordName(const cp::ConceptTable& concepts, std::int32_t record) {
    static const cp::Text none;
    return record != 0 ? concepts.Read(record).name : none;
}

cp::Text NearestConcept(const cp::ConceptTable& concepts, double angle, double radius) {
    return RecordName(concepts, NearestRecord(concepts, angle, radius));
}

}  // namespace orvanel
