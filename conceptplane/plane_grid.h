// A uniform grid over the plane places (X, Y) of the concepts, built with the table: the records in
// a rectangle of the plane are found by visiting the cells it touches instead of every record.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace cp {

struct ConceptRecord;

class PlaneGrid {
  public:
    PlaneGrid();
    explicit PlaneGrid(const std::vector<ConceptRecord>& records);

    // Appends to `numbers` the record numbers (1-based) of every concept whose X lies in
    // [xLow, xHigh] and Y in [yLow, yHigh], and of some concepts around it; in no particular order.
    // Bounds that are not finite or not in order take the whole plane.
    void Candidates(double xLow, double xHigh, double yLow, double yHigh,
                    std::vector<std::int32_t>* numbers) const;

  private:
    struct Axis {
        double low = 0, cell = 1;
        int cells = 1;
        static Axis Over(double low, double high, int cells);
        // The cell of `v`; values beyond the grid fall into its border cells.
        int CellOf(double v) const;
    };

    // Cells are numbered row by row.
    std::size_t CellAt(int row, int column) const;

    Axis x_, y_;
    std::vector<std::int32_t> cellStart_;  // where each cell's numbers begin in numbers_, row by row
    std::vector<std::int32_t> numbers_;    // record numbers, cell after cell
};

}  // namespace cp
