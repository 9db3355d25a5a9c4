#include "core/grid/GeneratedGrid.h"

#include "core/grid/GridIndex.h"
#include "core/grid/GridOptions.h"

namespace lettrava {

GeneratedGrid::GeneratedGrid() : Grid(false) { clearInterior(); }

GeneratedGrid::GeneratedGrid(const GeneratedGrid& other) : Grid(false) { *this = other; }

GeneratedGrid& GeneratedGrid::operator=(const GeneratedGrid& other)
{
    if (this == &other)
        return *this;
    const int cols = columns(), rws = rows();
    for (int c = 0; c <= cols + 1; ++c)
        for (int r = 0; r <= rws + 1; ++r)
            setLetter(c, r, other.letterAt(c, r));
    useCounts_ = other.useCounts_;
    totalUse_ = other.totalUse_;
    return *this;
}

void GeneratedGrid::clearCounts()
{
    for (auto& column : useCounts_)
        column.fill(0);
    totalUse_ = 0;
}

int GeneratedGrid::countPlacedWords(const std::vector<std::string>& words)
{
    clearCounts();
    const GridIndex index(*this);
    const bool reuse = gridOptions().allowLetterReuse;
    int placed = 0;
    PathTable path;
    for (const std::string& word : words) {
        if (!index.trace(word, reuse, &path))
            continue;
        ++placed;
        for (std::size_t k = 0; k < word.size(); ++k) {
            ++useCounts_[path[k].x + 1][path[k].y + 1];
            ++totalUse_;
        }
    }
    return placed;
}

} // namespace lettrava
