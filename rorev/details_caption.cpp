#include "rorev/details_caption.h"

#include <cmath>
#include <cstdio>

#include "conceptplane/numeric.h"

namespace rorev {

namespace {

const cp::Text kBreak = U"\r\n\r\n";

// "0" below one displayed unit, else the pattern "######".
cp::Text Shown(double planeValue, bool isRadius) {
    const double v = planeValue / 10;
    if ((isRadius ? v : std::fabs(v)) < 1) return U"0";
    return cp::FormatHashes(v);
}

// Degrees as a whole number, halves to even; any size, as the value read is always finite.
cp::Text WholeDegrees(double degrees) {
    const double whole = cp::RoundHalfEven(degrees) + 0.0;  // + 0.0 makes -0 print as 0
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.0f", whole);
    return cp::FromUtf8(buffer);
}

}  // namespace

cp::Text DetailsCaption(const cp::ConceptRecord& record, const cp::Text& definition) {
    return U"Nombre,    " + record.name + kBreak + U"Definición,    " + definition + kBreak + U"Grados = " +
           WholeDegrees(record.degreesValue) + kBreak + U"Radio = " + Shown(record.radiusValue, true) +
           kBreak + U"X = " + Shown(record.xValue, false) + kBreak + U"Y = " + Shown(record.yValue, false);
}

}  // namespace rorev
