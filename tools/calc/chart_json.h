// The JSON pieces of a chart slot that several subcommands print.
#pragma once

#include "json_writer.h"
#include "orvanel/astro/chart_positions.h"

namespace calc {

// [{"kind", "first", "second"}, ...] for records 1..aspectCount.
void WriteAspects(JsonWriter& json, const orvanel::ChartSlot& slot);

// Entries first..last of a 1-based table, as a JSON array of whole numbers.
template <class Table>
void WriteRange(JsonWriter& json, const Table& table, std::size_t first, std::size_t last) {
    json.BeginArray();
    for (std::size_t i = first; i <= last; ++i)
        json.Int(table[i]);
    json.EndArray();
}

}  // namespace calc
