#include "plane_arithmetic.h"

#include "numeric.h"

namespace cp {

double Keep(Arithmetic arithmetic, double v) {
    if (arithmetic == Arithmetic::Rorev) return v;
    return static_cast<double>(StoreSingle(v));
}

double OperandLength(Arithmetic arithmetic, double x, double y) {
    if (arithmetic == Arithmetic::Rorev) return HypotReal(x, y);
    return Keep(arithmetic, HypotWhole(StoreInt32(x), StoreInt32(y)));
}

const AngleMath& AnglesFor(Arithmetic arithmetic) {
    return arithmetic == Arithmetic::Rorev ? kRorevAngles : kOrvanelAngles;
}

}  // namespace cp
