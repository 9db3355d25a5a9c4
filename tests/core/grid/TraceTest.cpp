#include "core/grid/Grid.h"
#include "core/grid/GridOptions.h"
#include "GridTestSupport.h"
#include "LiteralTracer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace lettrava;
using test::gridOf;
using test::LiteralTracer;
using test::ScopedGridOptions;

namespace {

std::vector<SimpleGridCell> cellsOf(const PathTable& path)
{
    std::vector<SimpleGridCell> cells;
    for (const GridCell& c : path)
        cells.push_back(SimpleGridCell{c.x, c.y});
    return cells;
}

} // namespace

TEST(Trace, FollowsTheReuseOptionAndNeverPassesAHole)
{
    ScopedGridOptions keep;
    const Grid grid = gridOf({"DOX", "HEL", "C.L"});
    gridOptions().allowLetterReuse = true;
    EXPECT_TRUE(grid.traceWord("DODO"));
    EXPECT_TRUE(grid.traceWord("HELL")); // two touching L cells, with or without reuse
    gridOptions().allowLetterReuse = false;
    EXPECT_FALSE(grid.traceWord("DODO"));
    EXPECT_TRUE(grid.traceWordWithReuse("DODO"));
    EXPECT_TRUE(grid.traceWord("HELL"));
    EXPECT_FALSE(grid.traceWord("HELLL"));
    // Holes, spaces in words, words too short or too long.
    EXPECT_TRUE(grid.traceWordWithReuse("CHE"));
    EXPECT_FALSE(grid.traceWordWithReuse("C L"));
    EXPECT_FALSE(grid.traceWordWithReuse("D"));
    PathTable path;
    EXPECT_FALSE(gridOf({"AAA", "AAA", "AAA"}).tracePath(std::string(19, 'A'), path));
    EXPECT_TRUE(std::all_of(path.begin(), path.end(), [](const GridCell& c) { return c.empty(); }));
}

TEST(Trace, ThePathIsTheFirstChainInSearchOrder)
{
    ScopedGridOptions keep;
    gridOptions().allowLetterReuse = true;
    // ABC from the A in column 1 and from the A in column 3: column 1 wins.
    PathTable path;
    ASSERT_TRUE(gridOf({"A.A", "B.B", "C.C"}).tracePath("ABC", path));
    EXPECT_EQ(cellsOf(path), (std::vector<SimpleGridCell>{{0, 0}, {0, 1}, {0, 2}, {}, {}, {}, {}, {}, {}, {}, {}, {},
                                                          {}, {}, {}, {}, {}, {}}));
    // ABA with A at (1,1) and B at (2,2) only.
    const Grid aba = gridOf({"AXX", "XBX", "XXX"});
    ASSERT_TRUE(aba.tracePath("ABA", path));
    EXPECT_EQ(path[1], GridCell(1, 1));
    EXPECT_EQ(path[2], GridCell(0, 0));
    gridOptions().allowLetterReuse = false;
    EXPECT_FALSE(aba.tracePath("ABA", path));
    EXPECT_TRUE(std::all_of(path.begin(), path.end(), [](const GridCell& c) { return c.empty(); }));
    // Eighteen distinct cells fill the whole table.
    ASSERT_TRUE(gridOf({"ABCDEF", "LKJIHG", "MNOPQR"}).tracePath("ABCDEFGHIJKLMNOPQR", path));
    EXPECT_EQ(path[17], GridCell(5, 2));
}

TEST(Trace, AGridOfOneLetterAnswersAtOnce)
{
    // Without the search's pruning these would take longer than the universe.
    ScopedGridOptions keep;
    gridOptions().gridColumns = 12;
    gridOptions().gridRows = 12;
    Grid grid(false);
    for (int c = 1; c <= 12; ++c)
        for (int r = 1; r <= 12; ++r)
            grid.setLetter(c, r, 'A');
    const std::string word = std::string(17, 'A') + "B";
    EXPECT_FALSE(grid.traceWordWithReuse(word));
    gridOptions().allowLetterReuse = false;
    EXPECT_FALSE(grid.traceWord(word));
    grid.setLetter(12, 12, 'B');
    EXPECT_TRUE(grid.traceWord(word));
    EXPECT_TRUE(grid.traceWordWithReuse(word));
}

TEST(Trace, AgreesWithThePlainRecursionOnRandomGrids)
{
    ScopedGridOptions keep;
    std::mt19937 rng(99);
    int traced = 0;
    for (int round = 0; round < 400; ++round) {
        const int cols = 3 + static_cast<int>(rng() % 3), rows = 3 + static_cast<int>(rng() % 3);
        std::vector<std::string> lines(static_cast<std::size_t>(rows), std::string(static_cast<std::size_t>(cols), '.'));
        for (auto& line : lines)
            for (char& ch : line)
                ch = ".ABCD"[rng() % 5];
        const Grid grid = gridOf(lines);
        for (int w = 0; w < 20; ++w) {
            // Half the words follow a random walk of the grid, half are random.
            std::string word;
            const std::size_t length = 2 + rng() % 6;
            int c = 1 + static_cast<int>(rng() % static_cast<unsigned>(cols));
            int r = 1 + static_cast<int>(rng() % static_cast<unsigned>(rows));
            for (std::size_t k = 0; k < length; ++k) {
                if (w % 2) {
                    word += "ABCD"[rng() % 4];
                    continue;
                }
                word += grid.letterAt(c, r) == ' ' ? 'A' : grid.letterAt(c, r);
                c = std::clamp(c + static_cast<int>(rng() % 3) - 1, 1, cols);
                r = std::clamp(r + static_cast<int>(rng() % 3) - 1, 1, rows);
            }
            for (bool reuse : {true, false}) {
                gridOptions().allowLetterReuse = reuse;
                PathTable expected, actual;
                const bool found = LiteralTracer(grid, reuse).trace(word, expected);
                ASSERT_EQ(grid.tracePath(word, actual), found) << word;
                EXPECT_EQ(cellsOf(actual), cellsOf(expected)) << word;
                EXPECT_EQ(grid.traceWord(word), found);
                if (reuse) {
                    EXPECT_EQ(grid.traceWordWithReuse(word), found);
                }
                traced += found;
            }
        }
    }
    EXPECT_GT(traced, 2000);
}
