// The two arithmetics of the concept plane. rorev keeps every real in double precision; Orvanel
// stores its reals in single precision and takes lengths of coordinates rounded to whole numbers.
// One body of plane code serves both: each store goes through Keep, each length through
// OperandLength.
#pragma once

#include "angles.h"

namespace cp {

enum class Arithmetic { Rorev, Orvanel };

// A computed real as the program stores it: unchanged for rorev, rounded to single precision for
// Orvanel (a value beyond the single range throws OverflowFault).
double Keep(Arithmetic arithmetic, double v);
// The length of (x, y): rorev sqrt(x² + y²); Orvanel Hypot of x and y rounded halves to even, which
// throws OverflowFault beyond 32 bits.
double OperandLength(Arithmetic arithmetic, double x, double y);
// The angle functions with the program's DegToRad.
const AngleMath& AnglesFor(Arithmetic arithmetic);

}  // namespace cp
