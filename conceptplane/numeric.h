// The numeric conventions of both programs: the two roundings, checked whole-number and
// single-precision stores, the numeric-value reader of number texts, and the display patterns.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

#include "text.h"

namespace cp {

// Nearest whole number, halves to the even one (the rounding of every store into a whole number).
double RoundHalfEven(double v);
// Nearest whole number, halves away from zero (the display patterns "######", "00", "00000").
double RoundHalfAway(double v);

// Checked stores: rounded halves to even, then range-checked. Out of range or not finite throws
// OverflowFault; the Try forms give nothing instead.
std::int16_t StoreInt16(double v);
std::int32_t StoreInt32(double v);
std::optional<std::int16_t> TryInt16(double v);
std::optional<std::int32_t> TryInt32(double v);
// A single-precision store; a finite value beyond its range, or a non-finite one, throws OverflowFault.
float StoreSingle(double v);
// Whether StoreSingle takes `v`.
inline bool FitsSingle(double v) {
    return std::isfinite(v) && std::fabs(v) <= static_cast<double>(std::numeric_limits<float>::max());
}

// Whole-number division and remainder of two whole numbers: truncated quotient, remainder with the
// dividend's sign. A zero divisor throws OverflowFault.
std::int64_t WholeDiv(std::int64_t a, std::int64_t b);
std::int64_t WholeMod(std::int64_t a, std::int64_t b);

// The numeric value of a text: blanks, tabs and line feeds are ignored wherever they stand; then an
// optional sign, digits, at most one decimal point and an optional exponent are read up to the first
// character that cannot continue the number; a text with no number gives 0. A number too large for a
// double comes back infinite, for the checked store that follows to refuse.
double NumericValue(std::u32string_view text);
// The lenient reader of the concept file's numeric fields: as above, but never infinite (0 instead).
double LenientNumber(const Text& text);

// "######": rounded halves away from zero, digits only, a minus sign when negative, no separators;
// zero shows as nothing, as the pattern does.
Text FormatHashes(double v);
// "00", "00000": rounded halves away from zero, at least `digits` digits with leading zeros.
Text FormatZeros(double v, int digits);

}  // namespace cp
