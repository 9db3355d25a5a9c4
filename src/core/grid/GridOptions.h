#pragma once

namespace lettrava {

// The options every grid operation works with. A grid has no size of its own:
// the interior is gridColumns x gridRows of the current options, so changing
// the size changes every existing grid at once; callers change it only when
// they replace the grid (a new round, a loaded file, a new designer grid).
//
// Ranges: gridColumns and gridRows 3 to 12, gridPorosity 0 to 60 (percent),
// minWordLength and maxWordLength 3 to 18. Grid code clamps what it reads, so
// a value out of range never makes it touch memory outside the grid.
struct GridOptions {
    int gridColumns = 10, gridRows = 10, gridPorosity = 0;
    bool allowLetterReuse = true;
    int minWordLength = 3, maxWordLength = 18;

    bool operator==(const GridOptions&) const = default;
};

// The process-wide options, holding the start-up values until someone sets
// them. Written on the user-interface thread only; a solver takes a copy when
// it starts, so a change never races with a running search.
GridOptions& gridOptions();

} // namespace lettrava
