#include "core/factory/FactoryEditor.h"

#include "core/grid/GridOptions.h"
#include "core/views/ResultsRules.h"
#include "core/words/Latin1.h"

#include <algorithm>

namespace lettrava {

void FactoryEditor::newGrid(int columns, int rows)
{
    columns = std::clamp(columns, 3, Grid::kMaxInterior);
    rows = std::clamp(rows, 3, Grid::kMaxInterior);
    gridOptions().gridColumns = columns;
    gridOptions().gridRows = rows;
    takeGrid(Grid(false), columns, rows);
}

void FactoryEditor::takeGrid(const Grid& grid, int columns, int rows)
{
    grid_ = std::make_unique<GeneratedGrid>();
    for (int c = 1; c <= columns; ++c)
        for (int r = 1; r <= rows; ++r)
            grid_->setLetter(c, r, grid.letterAt(c, r));
    cursor_ = GridCell(0, 0, columns, rows);
    // A board just built holds nothing unsaved and no solution of its own.
    modified_ = false;
    solutionCurrent_ = false;
    solution_.clear();
}

void FactoryEditor::close()
{
    grid_.reset();
    cursor_ = GridCell();
    solution_.clear();
    solutionCurrent_ = false;
    modified_ = false;
}

SimpleGridCell FactoryEditor::write(char letter)
{
    if (!grid_ || cursor_.empty())
        return {};
    grid_->setLetter(cursor_.x + 1, cursor_.y + 1, letter);
    modified_ = true;
    solutionCurrent_ = false;
    return {cursor_.x, cursor_.y};
}

SimpleGridCell FactoryEditor::typeKey(char key)
{
    if (key != ' ' && !latin1::isLetter(key))
        return {};
    key = latin1::toUpper(key);
    const SimpleGridCell written = write(key);
    if (!written.empty())
        cursor_.next();
    return written;
}

SimpleGridCell FactoryEditor::deleteKey() { return write(' '); }

SimpleGridCell FactoryEditor::backspaceKey()
{
    if (!grid_)
        return {};
    cursor_.previous();
    return write(' ');
}

void FactoryEditor::move(Move direction)
{
    if (!grid_)
        return;
    switch (direction) {
    case Move::Left: cursor_.left(); break;
    case Move::Right: cursor_.right(); break;
    case Move::Up: cursor_.up(); break;
    case Move::Down: cursor_.down(); break;
    }
}

void FactoryEditor::pressCell(int column, int row)
{
    if (grid_ && column >= 0 && row >= 0 && column < cursor_.columns && row < cursor_.rows) {
        cursor_.x = column;
        cursor_.y = row;
    }
}

void FactoryEditor::randomFilled()
{
    modified_ = false;
    solutionCurrent_ = false;
}

void FactoryEditor::solved(std::vector<LVWord> words)
{
    solution_ = std::move(words);
    ResultsRules::sortSolution(solution_, sortOrder_);
    modified_ = false;
    solutionCurrent_ = true;
}

void FactoryEditor::setSortOrder(int order)
{
    sortOrder_ = std::clamp(order, 1, 3);
    ResultsRules::sortSolution(solution_, sortOrder_);
}

std::pair<int, bool> FactoryEditor::checkedMaximum(int minimum, int maximum)
{
    if (maximum < minimum)
        return {minimum, true};
    return {maximum, false};
}

} // namespace lettrava
