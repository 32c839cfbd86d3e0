#include "direction_bins.h"

#include <cmath>

#include "concept_table.h"

namespace cp {

namespace {

constexpr int kBins = 360;

bool InCircle(double degrees) {
    return degrees >= 0 && degrees <= 360;
}

// 360 shares the bin of 0, so that a window reaching across 0/360 finds it.
int BinOf(double degrees) {
    return static_cast<int>(std::floor(degrees)) % kBins;
}

}  // namespace

DirectionBins::DirectionBins(const std::vector<ConceptRecord>& records) {
    binStart_.assign(kBins + 1, 0);
    for (const ConceptRecord& r : records) {
        if (InCircle(r.degreesValue)) ++binStart_[static_cast<std::size_t>(BinOf(r.degreesValue)) + 1];
    }
    for (std::size_t b = 1; b < binStart_.size(); ++b)
        binStart_[b] += binStart_[b - 1];
    entries_.resize(static_cast<std::size_t>(binStart_.back()));
    std::vector<std::int32_t> next(binStart_.begin(), binStart_.end() - 1);
    for (std::size_t i = 0; i < records.size(); ++i) {
        const DirectionEntry entry{static_cast<std::int32_t>(i + 1), records[i].degreesValue,
                                   records[i].radiusValue};
        if (!InCircle(entry.degrees)) {
            outside_.push_back(entry);
            continue;
        }
        entries_[static_cast<std::size_t>(next[static_cast<std::size_t>(BinOf(entry.degrees))]++)] = entry;
    }
}

DirectionBins::DirectionBins() : DirectionBins(std::vector<ConceptRecord>()) {}

std::optional<DirectionBins::Stretches> DirectionBins::Near(double angle, int reach) const {
    if (!InCircle(angle)) return std::nullopt;
    const auto stretch = [this](int firstBin, int lastBin) {
        const auto begin = entries_.begin() + binStart_[static_cast<std::size_t>(firstBin)];
        const auto end = entries_.begin() + binStart_[static_cast<std::size_t>(lastBin) + 1];
        return std::span<const DirectionEntry>(begin, end);
    };
    const std::span<const DirectionEntry> odd(outside_);
    // One bin more on each side than the reach covers any rounding of the caller's difference.
    const int span = reach + 1;
    if (2 * span + 1 >= kBins) return Stretches{stretch(0, kBins - 1), {}, odd};
    const int low = BinOf(angle) - span, high = BinOf(angle) + span;
    if (low < 0) return Stretches{stretch(low + kBins, kBins - 1), stretch(0, high), odd};
    if (high >= kBins) return Stretches{stretch(low, kBins - 1), stretch(0, high - kBins), odd};
    return Stretches{stretch(low, high), {}, odd};
}

}  // namespace cp
