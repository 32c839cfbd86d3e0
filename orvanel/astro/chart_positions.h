// ChartPositions: the computed chart of one subject slot (0..12). Slots 1 and 2 hold the entered
// subjects, slot 3 the cross aspects of a synastry. Arrays are indexed as the chart numbers them
// (1..12 houses, 1..14 points, 1..aspectCount aspects); entry 0 is never used.
#pragma once

#include <array>
#include <cstdint>

#include "conceptplane/text.h"

namespace orvanel {

inline constexpr int kSlotCount = 13;
inline constexpr int kPointCount = 14;    // the Sun .. the lunar node, the Ascendant, the resultant
inline constexpr int kMovingPoints = 12;  // the points that take part in aspects
// Room for every pair of a synastry (12 x 12), so that no aspect is ever lost.
inline constexpr int kAspectRoom = 144;
inline constexpr std::size_t kEphemerisTextLength = 48;

using PointArray = std::array<std::int32_t, kPointCount + 1>;
using AspectArray = std::array<std::int16_t, kAspectRoom + 1>;

// The texts typed for a subject's date and time (year, month, day as typed, and the time text: the
// hour, ".", the minute), so that the entry can be repeated exactly. Today's date stands as its
// year, month and day fields.
struct EntryTexts {
    cp::Text year, month, day, time;
    friend bool operator==(const EntryTexts&, const EntryTexts&) = default;
};

struct ChartSlot {
    cp::Text title;                                                  // the entry's date text, trimmed
    cp::Text dateText;                                               // dd / mm / yyyy
    cp::Text ephemerisText = cp::Text(kEphemerisTextLength, U' ');   // twelve 4-character fields
    std::int16_t ascendant = 0;                                      // whole degrees, 0..360
    std::array<std::int16_t, 13> houseCusp{};                        // houses 1..12, whole degrees, 0..360
    PointArray longitude{};                                          // points 1..13, whole degrees
    PointArray vectorX{}, vectorY{}, vectorAngle{}, vectorRadius{};  // points 1..14, plane units
    PointArray labelX{}, labelY{};                                   // where each point's glyph is printed
    AspectArray aspectKind{}, aspectFirst{}, aspectSecond{};         // records 1..aspectCount
    std::int16_t aspectCount = 0;
    EntryTexts typed;  // empty until a date entry fills it
    friend bool operator==(const ChartSlot&, const ChartSlot&) = default;
};

}  // namespace orvanel
