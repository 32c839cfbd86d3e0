// ComputeEphemeris and RecomputeChart over the whole signed 16-bit range of year, month, day, hour and
// minute, with the shipped tables: either a fault with nothing of the program changed, or a whole
// 48-character positions text and a chart whose houses are whole degrees.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "conceptplane/faults.h"
#include "fuzz_check.h"
#include "orvanel/astro/chart.h"
#include "orvanel/astro/ephemeris.h"

namespace {

// Sixteen-bit argument k of the input, 0 past its end.
std::int16_t Argument(const std::uint8_t* data, std::size_t size, std::size_t k) {
    std::uint16_t bits = 0;
    if (size >= 2 * k + 2) std::memcpy(&bits, data + 2 * k, 2);
    return static_cast<std::int16_t>(bits);
}

void CheckChart(const orvanel::ChartSlot& slot) {
    for (std::size_t h = 1; h <= 12; ++h)
        fuzz::Check(slot.houseCusp[h] >= 0 && slot.houseCusp[h] <= 360, "a house cusp outside 0..360");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static orvanel::EphemerisFiles files(ORVANEL_FUZZ_DATA_DIR);
    orvanel::Program program;
    const cp::Text before = program.AscendantBuffer;
    cp::Text positions;
    try {
        positions = orvanel::ComputeEphemeris(program, files, Argument(data, size, 0),
                                              Argument(data, size, 1), Argument(data, size, 2),
                                              Argument(data, size, 3), Argument(data, size, 4));
    } catch (const cp::OverflowFault&) {
        fuzz::Check(program.AscendantBuffer == before, "a refused computation changed the Ascendant");
        return 0;
    }
    fuzz::Check(positions.size() == 48, "positions text not 48 characters");
    for (std::size_t k = 1; k <= 12; ++k) {
        const char32_t mark = positions[4 * k - 1];
        fuzz::Check(mark == orvanel::kDirectMark || mark == orvanel::kRetrogradeMark, "bad motion mark");
    }

    orvanel::AssignFixed(program.EphemerisBuffer, positions);
    program.CurrentSubject = Argument(data, size, 5);
    program.AscendantOverride = Argument(data, size, 6);
    const orvanel::Program unchanged = program;
    try {
        orvanel::RecomputeChart(program);
    } catch (const cp::Fault&) {
        fuzz::Check(program.AscendantOverride == unchanged.AscendantOverride,
                    "a refused chart took the override");
        for (std::int32_t s = 0; s < orvanel::kSlotCount; ++s) {
            const orvanel::ChartSlot& now = orvanel::SlotAt(program, s);
            const orvanel::ChartSlot& then = orvanel::SlotAt(unchanged, s);
            fuzz::Check(now.houseCusp == then.houseCusp && now.ascendant == then.ascendant,
                        "a refused chart changed a slot");
        }
        return 0;
    }
    CheckChart(orvanel::SlotAt(program, program.CurrentSubject));
    return 0;
}
