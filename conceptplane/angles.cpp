#include "angles.h"

#include <cmath>

#include "faults.h"
#include "numeric.h"

namespace cp {

double NormalizeDegrees(double x) {
    double v = x + 1080.0;
    if (!std::isfinite(v)) return 0.0;
    if (v >= 360.0 || v < 0.0) {
        v = std::fmod(v, 360.0);
        if (v < 0.0) v += 360.0;
        if (v >= 360.0) v = 0.0;  // a tiny negative remainder plus 360 can round up to 360
    }
    return v;
}

double ModReal(double x, double m) {
    const double whole = std::trunc(x);
    const auto dividend = TryInt32(whole);
    const auto modulus = TryInt32(m);
    if (!dividend || !modulus || *modulus == 0) throw OverflowFault();
    return static_cast<double>(*dividend % *modulus) + (x - whole);
}

double HypotReal(double a, double b) {
    return std::sqrt(a * a + b * b);
}

double HypotWhole(std::int32_t a, std::int32_t b) {
    const std::int64_t sum = std::int64_t{a} * a + std::int64_t{b} * b;
    return std::sqrt(static_cast<double>(sum));
}

double AngleMath::AngleOf(double x, double y) const {
    const double divisor = x + 0.001;
    const double a = divisor == 0.0 ? (y == 0.0 ? 0.0 : 90.0) : std::atan(std::fabs(y / divisor)) / degToRad;
    if (x >= 0 && y >= 0) return a;
    if (x < 0 && y >= 0) return 180.0 - a;
    if (x < 0 && y < 0) return 180.0 + a;
    return 360.0 - a;
}

double AngleMath::Cos(double deg) const {
    return std::cos(deg * degToRad);
}
double AngleMath::Sin(double deg) const {
    return std::sin(deg * degToRad);
}
double AngleMath::PolarX(double deg, double r) const {
    return r * Cos(deg);
}
double AngleMath::PolarY(double deg, double r) const {
    return r * Sin(deg);
}

}  // namespace cp
