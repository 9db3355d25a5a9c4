#pragma once

#include "core/grid/GeneratedGrid.h"
#include "core/grid/Grid.h"
#include "core/grid/GridCell.h"
#include "core/words/LVWord.h"

#include <memory>
#include <utility>
#include <vector>

namespace lettrava {

// The grid designer's rules that need no window: the grid being designed,
// the keyboard cursor and how keys move it and write through it, whether the
// grid was changed since it was built, solved or saved, and whether the
// solution list still belongs to it. The designer's window shows what this
// decides: the letters written, the caret on the cursor's cell, the list.
class FactoryEditor {
public:
    enum class Move { Left, Right, Up, Down };

    // A blank grid of columns x rows (the grid options take the size) with
    // the cursor on the first cell: what New builds.
    void newGrid(int columns, int rows);
    // A grid read from a file, at the size the file set (the grid options
    // hold it already).
    void takeGrid(const Grid& grid, int columns, int rows);
    // The designer closes: no grid, no cursor, no solution.
    void close();

    bool hasGrid() const { return grid_ != nullptr; }
    // The generator breeds into the designer's grid, so it carries use counts.
    GeneratedGrid* grid() const { return grid_.get(); }
    const GridCell& cursor() const { return cursor_; }

    // A letter key (a to z, written upper case) or Space at the cursor, which
    // then moves to the next cell (wrapping to the next row, from the last cell
    // to the first). Returns the cell written, or an empty cell when the key
    // writes nothing.
    SimpleGridCell typeKey(char key);
    // Delete blanks the cursor's cell; Backspace first moves back one cell.
    SimpleGridCell deleteKey();
    SimpleGridCell backspaceKey();
    // The arrows move within the cursor's row or column, wrapping.
    void move(Move direction);
    // A press on a board cell puts the cursor there.
    void pressCell(int column, int row);

    // The grid was changed by typing since it was built, filled, solved or saved.
    bool modified() const { return modified_; }
    // The solution list belongs to the grid as it is now.
    bool solutionCurrent() const { return solutionCurrent_; }
    // Random filled the grid; saving it; a size, length or reuse setting changed.
    void randomFilled();
    void saved() { modified_ = false; }
    void settingsChanged() { solutionCurrent_ = false; }

    // The words of a finished solve, which become the list.
    void solved(std::vector<LVWord> words);
    // The list in its order: 1 alphabetical, 2 length ascending, 3 length descending.
    void setSortOrder(int order);
    int sortOrder() const { return sortOrder_; }
    const std::vector<LVWord>& solution() const { return solution_; }

    // The length spinners: a maximum below the minimum becomes the minimum,
    // with a beep. Returns the maximum to keep and whether to beep.
    static std::pair<int, bool> checkedMaximum(int minimum, int maximum);

private:
    SimpleGridCell write(char letter);

    std::unique_ptr<GeneratedGrid> grid_;
    GridCell cursor_;
    bool modified_ = false;
    bool solutionCurrent_ = false;
    int sortOrder_ = 1;
    std::vector<LVWord> solution_;
};

} // namespace lettrava
