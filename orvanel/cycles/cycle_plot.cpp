// The values of ciclo.
#include "cycle_plot.h"

#include <cstdlib>

#include "central_date.h"
#include "conceptplane/angles.h"
#include "conceptplane/faults.h"
#include "conceptplane/numeric.h"
#include "orvanel/astro/ephemeris.h"

namespace orvanel {

namespace {

constexpr int kHalfSpan = kCycleDays / 2;

// The nearest whole number of the angle from `from` to `to` folded into 0..360.
std::int16_t AngleBetween(double from, double to) {
    return cp::StoreInt16(cp::NormalizeDegrees(from - to));
}

void CheckArguments(std::int16_t a, std::int16_t b, std::int16_t mode) {
    const auto isPoint = [](std::int16_t p) { return p >= 1 && p <= kAscendantPoint; };
    if (!isPoint(a) || !isPoint(b)) throw cp::Fault("Punto de ciclo no válido");
    if (mode != kBothTransiting && mode != kNatalAscendant) throw cp::Fault("Modo de ciclo no válido");
}

}  // namespace

std::int16_t CycleOrb(bool moonTakesPart) {
    return moonTakesPart ? 15 : 4;
}

std::int16_t TransitDegrees(const cp::Text& ephemerisText, std::int16_t point) {
    const auto start = static_cast<std::size_t>(4 * point - 3);
    return cp::StoreInt16(cp::NumericValue(cp::Mid(ephemerisText, start, 3)));
}

CyclePlot ComputeCycle(Program& program, EphemerisFiles& files, std::int16_t a, std::int16_t b,
                       std::int16_t mode) {
    CheckArguments(a, b, mode);
    const ChartSlot& natal = SlotAt(program, 1);
    const CalendarDate centre = CentralDateOf(program.EntryDate);
    const EphemerisData data = files.Load();

    CyclePlot plot;
    plot.orb = CycleOrb(b == kMoonPoint);
    plot.natalAngle = AngleBetween(natal.longitude[static_cast<std::size_t>(a)],
                                   natal.longitude[static_cast<std::size_t>(b)]);
    EphemerisResult last;
    for (int i = 0; i < kCycleDays; ++i) {
        CycleDay& day = plot.days[static_cast<std::size_t>(i)];
        day.offset = static_cast<std::int16_t>(i - kHalfSpan);
        // The day number simply runs into the neighbouring month: the Julian day grows with it.
        last = EphemerisFor(data, centre.year, centre.month, cp::StoreInt16(centre.day + day.offset), 0, 0);
        day.ephemerisText = last.positions;
        const double from = mode == kBothTransiting ? TransitDegrees(last.positions, a) : natal.ascendant;
        day.angle = AngleBetween(from, TransitDegrees(last.positions, b));
        day.y = cp::StoreSingle(75.0 - cp::kOrvanelAngles.PolarX(day.angle, 45));
        day.mark = std::abs(plot.natalAngle - day.angle) < plot.orb;
    }
    AssignFixed(program.EphemerisBuffer, last.positions);
    AssignFixed(program.AscendantBuffer, last.ascendantBuffer);
    return plot;
}

}  // namespace orvanel
