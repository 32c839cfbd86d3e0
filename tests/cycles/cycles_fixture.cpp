// Natal charts for the cycle tests.
#include "cycles_fixture.h"

#include "conceptplane/numeric.h"
#include "orvanel/astro/chart.h"

namespace cycles_test {

cp::Text EntryDateOf(int year, int month, int day) {
    return cp::FormatZeros(year, 4) + cp::FormatZeros(month, 2) + cp::FormatZeros(day, 2);
}

orvanel::Program NatalAtMidnight(orvanel::EphemerisFiles& files, int year, int month, int day) {
    orvanel::Program program;
    program.CurrentSubject = 1;
    program.EntryDate = EntryDateOf(year, month, day);
    program.EntryDateText = cp::Fixed(cp::FromUtf8("birth"), 20);
    program.EphemerisBuffer =
        orvanel::ComputeEphemeris(program, files, static_cast<std::int16_t>(year),
                                  static_cast<std::int16_t>(month), static_cast<std::int16_t>(day), 0, 0);
    orvanel::RecomputeChart(program);
    return program;
}

int DegreesOf(const cp::Text& positions, int p) {
    return static_cast<int>(cp::NumericValue(cp::Mid(positions, static_cast<std::size_t>(4 * p - 3), 3)));
}

}  // namespace cycles_test
