#pragma once

#include <array>

namespace lettrava {

// A 0-based position in the grid's interior: x is the column - 1, y the row - 1.
// x = y = -1 marks an empty entry.
struct SimpleGridCell {
    int x = -1, y = -1;

    bool empty() const { return x == -1 && y == -1; }
    bool operator==(const SimpleGridCell&) const = default;
};

// A position that moves within columns x rows, wrapping at the edges (the
// designer's keyboard cursor). A default cell is empty with a size of 0 x 0.
struct GridCell : SimpleGridCell {
    int columns = 0, rows = 0;

    GridCell() = default;
    GridCell(int x_, int y_, int columns_ = 0, int rows_ = 0) : SimpleGridCell{x_, y_}, columns(columns_), rows(rows_) {}

    // x + 1; past the last column to column 0 of the next row, past the last
    // row back to row 0.
    void next();
    // x - 1; before column 0 to the last column of the previous row, before
    // row 0 to the last row.
    void previous();
    // One step in a direction, wrapping from one edge to the opposite one.
    void left();
    void right();
    void up();
    void down();

    bool operator==(const GridCell&) const = default;
};

// The cells of a traced word, entry k holding the cell of letter k + 1;
// unused entries are empty (-1, -1).
using PathTable = std::array<GridCell, 18>;

} // namespace lettrava
