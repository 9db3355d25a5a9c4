#pragma once

#include "core/grid/Grid.h"

#include <array>
#include <string>
#include <vector>

namespace lettrava {

// A grid bred by the generator: its letters, and for every cell how many of
// the listed words were traced through it when it was last evaluated.
class GeneratedGrid : public Grid {
public:
    // Blank: every cell within the current size a space, all counts 0.
    GeneratedGrid();
    // Copies the cells within the current size, border included, the use
    // counts and the total.
    GeneratedGrid(const GeneratedGrid& other);
    GeneratedGrid& operator=(const GeneratedGrid& other);

    int useCount(int column, int row) const { return useCounts_[column][row]; }
    int totalUse() const { return totalUse_; }
    void clearCounts();

    // Traces every word as traceWord does; each word traced counts once (a
    // word listed twice counts twice) and adds 1 to the use count of every
    // cell of its chain (2 for a cell the chain passes twice). Returns the
    // number of words traced.
    int countPlacedWords(const std::vector<std::string>& words);

private:
    std::array<std::array<int, kSize>, kSize> useCounts_{};
    int totalUse_ = 0;
};

} // namespace lettrava
