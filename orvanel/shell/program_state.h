// Orvanel's program state: the scalars every window reads and writes and the thirteen subject slots
// of ChartPositions. The windows hold one Program for the life of the process; tests make fresh ones.
#pragma once

#include <array>
#include <cstdint>

#include "conceptplane/text.h"
#include "orvanel/astro/chart_positions.h"

namespace orvanel {

struct Program {
    // The slot (0..12) that chart computations and chart windows act on.
    std::int16_t CurrentSubject = 0;
    // In a synastry, slot SynastryBase is paired with slot 3 - SynastryBase.
    std::int16_t SynastryBase = 0;
    // 0, or 1000 plus an Ascendant picked on the chart picture; consumed by RecomputeChart.
    std::int16_t AscendantOverride = 0;
    // The window the cycles window returns to: 2 Form2, 3 Form3, 4 Form4.
    std::int16_t ReturnWindow = 0;
    // Fixed-length texts of the date entry and of the last ephemeris computation, blank at start.
    cp::Text EntryDate = cp::Text(8, U' ');         // yyyymmdd
    cp::Text EntryDateText = cp::Text(20, U' ');    // dd / mm / yyyy
    cp::Text EphemerisBuffer = cp::Text(48, U' ');  // the 48-character positions text
    cp::Text AscendantBuffer = cp::Text(3, U' ');   // the Ascendant as three digits
    // The record count of gente.txt, taken at start; 32 bits, so that a huge file cannot overflow it.
    std::int32_t SubjectFileCount = 0;
    // The chart layer of the vectors windows: draw the chart vectors, and the point glyphs.
    bool ChartVectorsShown = false;
    bool GlyphsShown = false;
    std::array<ChartSlot, kSlotCount> ChartPositions{};
    friend bool operator==(const Program&, const Program&) = default;
};

// Slot s of ChartPositions; a slot number outside 0..12 throws cp::Fault ("Número de sujeto no válido")
// instead of reaching past the table.
ChartSlot& SlotAt(Program& program, std::int32_t s);
const ChartSlot& SlotAt(const Program& program, std::int32_t s);

// Sets a fixed-length text of the program state: padded with blanks or cut to its length.
void AssignFixed(cp::Text& field, const cp::Text& value);

}  // namespace orvanel
