#include "plane_grid.h"

#include <algorithm>
#include <cmath>

#include "concept_table.h"

namespace cp {

namespace {

// About two concepts per cell, and no more cells than the largest file needs.
int CellsPerSide(std::size_t records) {
    const double side = std::ceil(std::sqrt(static_cast<double>(records) / 2));
    return static_cast<int>(std::clamp(side, 1.0, 256.0));
}

}  // namespace

PlaneGrid::Axis PlaneGrid::Axis::Over(double low, double high, int cells) {
    // A garbled file can spread its places beyond any double's range: one cell, then.
    const double extent = high - low;
    if (!(std::isfinite(extent) && extent > 0)) return {low, 1, 1};
    return {low, extent / cells, cells};
}

int PlaneGrid::Axis::CellOf(double v) const {
    // Monotonic in v, so that every value between two bounds falls between their cells.
    const double c = std::floor((v - low) / cell);
    if (!(c > 0)) return 0;
    if (c >= cells) return cells - 1;
    return static_cast<int>(c);
}

PlaneGrid::PlaneGrid(const std::vector<ConceptRecord>& records) {
    const int side = CellsPerSide(records.size());
    if (!records.empty()) {
        const auto [left, right] = std::minmax_element(
            records.begin(), records.end(), [](const auto& a, const auto& b) { return a.xValue < b.xValue; });
        const auto [bottom, top] = std::minmax_element(
            records.begin(), records.end(), [](const auto& a, const auto& b) { return a.yValue < b.yValue; });
        x_ = Axis::Over(left->xValue, right->xValue, side);
        y_ = Axis::Over(bottom->yValue, top->yValue, side);
    }
    const auto cellOfRecord = [this](const ConceptRecord& r) {
        return CellAt(y_.CellOf(r.yValue), x_.CellOf(r.xValue));
    };
    cellStart_.assign(CellAt(y_.cells, 0) + 1, 0);
    for (const ConceptRecord& r : records)
        ++cellStart_[cellOfRecord(r) + 1];
    for (std::size_t c = 1; c < cellStart_.size(); ++c)
        cellStart_[c] += cellStart_[c - 1];
    numbers_.resize(records.size());
    std::vector<std::int32_t> next(cellStart_.begin(), cellStart_.end() - 1);
    for (std::size_t i = 0; i < records.size(); ++i) {
        numbers_[static_cast<std::size_t>(next[cellOfRecord(records[i])]++)] =
            static_cast<std::int32_t>(i + 1);
    }
}

PlaneGrid::PlaneGrid() : PlaneGrid(std::vector<ConceptRecord>()) {}

std::size_t PlaneGrid::CellAt(int row, int column) const {
    return static_cast<std::size_t>(row) * static_cast<std::size_t>(x_.cells) +
           static_cast<std::size_t>(column);
}

void PlaneGrid::Candidates(double xLow, double xHigh, double yLow, double yHigh,
                           std::vector<std::int32_t>* numbers) const {
    const bool ordered = xLow <= xHigh && yLow <= yHigh;
    const int column0 = ordered ? x_.CellOf(xLow) : 0, column1 = ordered ? x_.CellOf(xHigh) : x_.cells - 1;
    const int row0 = ordered ? y_.CellOf(yLow) : 0, row1 = ordered ? y_.CellOf(yHigh) : y_.cells - 1;
    for (int row = row0; row <= row1; ++row) {
        const std::size_t first = CellAt(row, column0), last = CellAt(row, column1);
        numbers->insert(numbers->end(), numbers_.begin() + cellStart_[first],
                        numbers_.begin() + cellStart_[last + 1]);
    }
}

}  // namespace cp
