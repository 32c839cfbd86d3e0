// The concepts by the whole degree of their Degrees field, built with the table, each with its
// Degrees and Radius at hand: the records within a few degrees of a direction are found, and compared,
// without visiting every record.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace cp {

struct ConceptRecord;

// One concept as the naming of a plane point compares it.
struct DirectionEntry {
    std::int32_t record;  // 1-based
    double degrees, radius;
};

class DirectionBins {
  public:
    DirectionBins();
    explicit DirectionBins(const std::vector<ConceptRecord>& records);

    // Every concept whose Degrees lie less than `reach` degrees (a whole number) from `angle`,
    // directly or across 0/360, together with every concept whose Degrees lie outside 0..360 and
    // some more around; in no particular order, as up to three stretches. Nothing for an angle
    // outside 0..360: the caller has to look at every record.
    using Stretches = std::array<std::span<const DirectionEntry>, 3>;
    std::optional<Stretches> Near(double angle, int reach) const;

  private:
    std::vector<std::int32_t> binStart_;   // where each degree's entries begin in entries_; 360 bins
    std::vector<DirectionEntry> entries_;  // degree after degree
    std::vector<DirectionEntry> outside_;  // the concepts whose Degrees lie outside 0..360
};

}  // namespace cp
