#pragma once

#include "core/grid/Grid.h"
#include "core/grid/GridOptions.h"

#include <string>
#include <vector>

namespace lettrava::test {

// Puts the process-wide grid options back as they were when it goes.
class ScopedGridOptions {
public:
    ScopedGridOptions() : saved_(gridOptions()) {}
    ~ScopedGridOptions() { gridOptions() = saved_; }
    ScopedGridOptions(const ScopedGridOptions&) = delete;
    ScopedGridOptions& operator=(const ScopedGridOptions&) = delete;

private:
    GridOptions saved_;
};

// Sets the grid size to the rows given (all of one length) and returns a grid
// holding them, row 1 first; '.' stands for an empty cell.
inline Grid gridOf(const std::vector<std::string>& rows)
{
    gridOptions().gridRows = static_cast<int>(rows.size());
    gridOptions().gridColumns = static_cast<int>(rows.front().size());
    Grid grid(false);
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < rows[r].size(); ++c)
            grid.setLetter(static_cast<int>(c + 1), static_cast<int>(r + 1), rows[r][c] == '.' ? ' ' : rows[r][c]);
    return grid;
}

// The interior, row by row, '.' for an empty cell.
inline std::vector<std::string> rowsOf(const Grid& grid)
{
    std::vector<std::string> rows;
    for (int r = 1; r <= Grid::rows(); ++r) {
        std::string row;
        for (int c = 1; c <= Grid::columns(); ++c)
            row += grid.letterAt(c, r) == ' ' ? '.' : grid.letterAt(c, r);
        rows.push_back(row);
    }
    return rows;
}

} // namespace lettrava::test
