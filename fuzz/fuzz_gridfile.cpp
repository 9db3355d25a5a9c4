// Feeds arbitrary bytes to the grid file reader. Whatever it reads must leave
// the options in range, the border blank and the interior made of capital
// letters and spaces; saving and reading the result again must give the same grid.

#include "core/grid/Grid.h"
#include "core/grid/GridFile.h"
#include "core/grid/GridOptions.h"
#include "core/words/Latin1.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

namespace {

using namespace lettrava;

void check(bool ok)
{
    if (!ok)
        std::abort();
}

void checkGrid(const Grid& grid)
{
    const GridOptions& o = gridOptions();
    check(o.gridColumns >= 3 && o.gridColumns <= 12 && o.gridRows >= 3 && o.gridRows <= 12);
    check(o.minWordLength >= 3 && o.minWordLength <= 18 && o.maxWordLength >= 3 && o.maxWordLength <= 18);
    for (int c = 0; c <= o.gridColumns + 1; ++c) {
        for (int r = 0; r <= o.gridRows + 1; ++r) {
            const char cell = grid.letterAt(c, r);
            const bool border = c == 0 || r == 0 || c == o.gridColumns + 1 || r == o.gridRows + 1;
            // A letter is a capital of Latin-1 (sharp s and y with diaeresis have none).
            check(cell == ' ' || (!border && latin1::isLetter(cell) && latin1::toUpper(cell) == cell));
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Each input starts from the start-up options and an unused border.
    gridOptions() = GridOptions{};
    Grid grid(false);
    for (int c = 0; c < Grid::kSize; ++c)
        for (int r = 0; r < Grid::kSize; ++r)
            grid.setLetter(c, r, 'Z');

    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    const auto contents = readGridFile(in);
    if (!contents)
        return 0;
    applyGridFile(grid, *contents);
    checkGrid(grid);

    // What was read survives a save and a second read.
    const GridOptions options = gridOptions();
    std::istringstream saved(gridFileText(grid));
    const auto again = readGridFile(saved);
    check(again.has_value());
    Grid reread(false);
    applyGridFile(reread, *again);
    check(gridOptions() == options);
    for (int c = 1; c <= options.gridColumns; ++c)
        for (int r = 1; r <= options.gridRows; ++r)
            check(reread.letterAt(c, r) == grid.letterAt(c, r));

    (void)grid.traceWord("QUIZ");
    return 0;
}
