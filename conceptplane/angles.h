// The angle functions of both programs. Degrees run counterclockwise from the positive x axis.
// rorev works in double precision throughout; Orvanel converts degrees with a single-precision
// DegToRad and takes lengths of whole-number coordinates. pi is taken as 3.141592 in both.
#pragma once

#include <cstdint>

namespace cp {

// 3.141592 / 180 computed in double; Orvanel stores it in single precision (about 0.0174532887).
inline constexpr double kRorevDegToRad = 3.141592 / 180.0;
inline constexpr float kOrvanelDegToRad = static_cast<float>(3.141592 / 180.0);

// Adds 1080, then folds into 0 <= v < 360 (the subtraction loop of the original, done by fmod, which
// is exact). Values below -1080 are folded too, and a non-finite value gives 0.
double NormalizeDegrees(double x);
// (whole part of x, truncated, as a 32-bit number) mod (m rounded), with the sign of x, plus the
// fraction of x. A whole part or modulus beyond 32 bits, or m rounding to 0, throws OverflowFault.
double ModReal(double x, double m);
// Length of a vector with real components (rorev).
double HypotReal(double a, double b);
// Length of a vector with whole-number components (Orvanel); the sum of squares is formed in 64 bits
// so that far-out points do not overflow.
double HypotWhole(std::int32_t a, std::int32_t b);

// The functions that convert degrees, for one value of DegToRad.
struct AngleMath {
    double degToRad;

    // atan(|y / (x + 0.001)|) placed in the quadrant of (x, y), in degrees 0..360; the 0.001 keeps
    // x = 0 from dividing by zero, and x = -0.001 gives 90 (0 when y = 0).
    double AngleOf(double x, double y) const;
    double PolarX(double deg, double r) const;
    double PolarY(double deg, double r) const;
    double Cos(double deg) const;
    double Sin(double deg) const;
};

inline constexpr AngleMath kRorevAngles{kRorevDegToRad};
inline constexpr AngleMath kOrvanelAngles{static_cast<double>(kOrvanelDegToRad)};

}  // namespace cp
