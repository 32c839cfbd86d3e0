// The coincidence report.
#include "coincidence_report.h"

#include <array>
#include <cstdlib>

#include "central_date.h"
#include "conceptplane/angles.h"
#include "conceptplane/numeric.h"
#include "cycle_plot.h"
#include "orvanel/astro/ephemeris.h"
#include "orvanel/shell/tables.h"

namespace orvanel {

namespace {

constexpr std::int16_t kLastBody = 8;  // Uranus: Neptune, Pluto, Lilith and the node are not compared

// The turns in the order they are tried, with the separators of the two kinds of line (the 180 and
// 270 texts of the Ascendant column are one blank shorter: they stand as the report always had them).
struct Turn {
    int degrees;
    std::u32string_view ascendantSeparator;
    std::u32string_view pairSeparator;
};
constexpr std::array<Turn, 4> kTurns = {{
    {0, U"        Ascendente ", U"        "},
    {180, U"  180  Ascendente ", U"  180   "},
    {90, U"   90   Ascendente ", U"   90   "},
    {270, U"  270  Ascendente ", U"  270   "},
}};

std::int16_t Folded(double v) {
    return cp::StoreInt16(cp::NormalizeDegrees(v));
}

// One line for every turn that brings the natal angle within the orb of the transit angle (at most
// one can, the turns lying 90 degrees apart). The difference is plain: no wrap at 360.
template <class MakeLine>
void AppendCoincidences(std::vector<cp::Text>& lines, std::int16_t natal, std::int16_t transit,
                        std::int16_t orb, MakeLine makeLine) {
    for (const Turn& turn : kTurns) {
        if (std::abs(Folded(natal + turn.degrees) - transit) < orb) lines.push_back(makeLine(turn) + U"\r\n");
    }
}

cp::Text BodyName(std::int16_t body) {
    return cp::Fixed(NameAt(PlanetNames, body), 10);
}

}  // namespace

std::vector<cp::Text> CoincidenceLines(Program& program, EphemerisFiles& files) {
    const ChartSlot& natal = SlotAt(program, 1);
    const CalendarDate centre = CentralDateOf(program.EntryDate);
    const EphemerisResult today = EphemerisFor(files.Load(), centre.year, centre.month, centre.day, 0, 0);
    const auto natalAt = [&](std::int16_t p) { return natal.longitude[static_cast<std::size_t>(p)]; };
    const auto transitAt = [&](std::int16_t p) { return TransitDegrees(today.positions, p); };

    std::vector<cp::Text> lines;
    for (std::int16_t i = 1; i <= kLastBody; ++i) {
        AppendCoincidences(
            lines, Folded(natal.ascendant - natalAt(i)), Folded(natal.ascendant - transitAt(i)),
            CycleOrb(i == kMoonPoint),
            [&](const Turn& turn) { return U"  " + BodyName(i) + cp::Text(turn.ascendantSeparator); });
        for (std::int16_t k = static_cast<std::int16_t>(i + 1); k <= kLastBody; ++k) {
            AppendCoincidences(lines, Folded(natalAt(i) - natalAt(k)), Folded(transitAt(i) - transitAt(k)),
                               CycleOrb(i == kMoonPoint || k == kMoonPoint), [&](const Turn& turn) {
                                   return U"  " + BodyName(i) + cp::Text(turn.pairSeparator) + BodyName(k);
                               });
        }
    }
    AssignFixed(program.EphemerisBuffer, today.positions);
    AssignFixed(program.AscendantBuffer, today.ascendantBuffer);
    return lines;
}

cp::Text JoinLines(const std::vector<cp::Text>& lines) {
    cp::Text text;
    for (const auto& line : lines)
        text += line;
    return text;
}

}  // namespace orvanel
