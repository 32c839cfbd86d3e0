// Folding the signs onto the plane's sectors.
#include "sign_fold.h"

#include <cmath>

#include "conceptplane/angles.h"
#include "conceptplane/numeric.h"
#include "orvanel/shell/tables.h"

namespace orvanel {

std::int16_t SignFold(std::int16_t longitude) {
    // Odd signs mirror y, odd pairs of signs mirror x; within a sign the angle runs from 30 to 0
    // degrees before the mirroring.
    const double sy = static_cast<long long>(std::floor(longitude / 30.0)) % 2 != 0 ? -1 : 1;
    const double sx = static_cast<long long>(std::floor(longitude / 60.0)) % 2 != 0 ? -1 : 1;
    // Single precision times the single-precision DegToRad gives a single-precision radian value.
    const float a = static_cast<float>(longitude - 30) * DegToRad;
    const double x = std::fabs(std::cos(a)) * sx;
    const double y = std::fabs(std::sin(a)) * sy;
    return cp::StoreInt16(cp::kOrvanelAngles.AngleOf(x, y));
}

}  // namespace orvanel
