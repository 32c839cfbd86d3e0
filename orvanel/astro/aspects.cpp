// The aspects of one chart or of a synastry.
#include "aspects.h"

#include <cstdlib>

namespace orvanel {

namespace {

constexpr std::int16_t kSynastrySlot = 3;

// Provisional codes, (d + 4) / 30 + 1, renumbered to kind codes; 2 and 6 (near 30 and 150 degrees)
// are not aspects.
constexpr std::int16_t kKindOfProvisional[8] = {kNoAspect, kConjunction, kNoAspect, kSextile,
                                                kSquare,   kTrine,       kNoAspect, kOpposition};

void Store(ChartSlot& target, std::int16_t& count, std::int16_t kind, int i, int j) {
    ++count;
    const auto n = static_cast<std::size_t>(count);
    target.aspectKind[n] = kind;
    target.aspectFirst[n] = static_cast<std::int16_t>(i);
    target.aspectSecond[n] = static_cast<std::int16_t>(j);
}

}  // namespace

std::int16_t AspectBetween(std::int32_t a, std::int32_t b) {
    // Longitudes are whole degrees 0..360; 64 bits keep any other value from overflowing.
    std::int64_t d = std::llabs(std::int64_t{a} - b);
    if (d > 180) d = 360 - d;
    if (d + 4 < 0) return kNoAspect;
    const std::int64_t q = (d + 4) / 30;
    const std::int64_t r = (d + 4) % 30;
    if (r >= 10 || q + 1 > 7) return kNoAspect;
    return kKindOfProvisional[q + 1];
}

AspectSlots AspectSources(const Program& program) {
    const std::int32_t s = program.CurrentSubject;
    if (s != kSynastrySlot) {
        SlotAt(program, s);
        return {s, s};
    }
    const std::int32_t base = program.SynastryBase;
    SlotAt(program, base);
    SlotAt(program, kSynastrySlot - base);
    return {base, kSynastrySlot - base};
}

void FindAspects(Program& program) {
    const AspectSlots sources = AspectSources(program);
    const bool cross = program.CurrentSubject == kSynastrySlot;
    // Copies, since slot 3 can be one of its own sources when SynastryBase is 0 or 3.
    const PointArray first = SlotAt(program, sources.first).longitude;
    const PointArray second = SlotAt(program, sources.second).longitude;
    ChartSlot& target = SlotAt(program, program.CurrentSubject);
    std::int16_t count = 0;
    for (int i = 1; i <= kMovingPoints; ++i) {
        for (int j = cross ? 1 : i + 1; j <= kMovingPoints; ++j) {
            const std::int16_t kind = AspectBetween(first[i], second[j]);
            if (kind != kNoAspect) Store(target, count, kind, i, j);
        }
    }
    target.aspectCount = count;
}

}  // namespace orvanel
