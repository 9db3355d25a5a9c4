#include "core/grid/Grid.h"
#include "core/grid/GridCell.h"
#include "core/grid/GridOptions.h"
#include "core/platform/Random.h"
#include "core/words/Dictionary.h"
#include "GridTestSupport.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace lettrava;
using test::gridOf;
using test::rowsOf;
using test::ScopedGridOptions;

namespace {

// The next n numbers the generator would give after seeding with s.
std::vector<std::uint32_t> drawsAfterSeed(std::uint32_t s, std::size_t n)
{
    Random::instance().seed(s);
    std::vector<std::uint32_t> draws;
    for (std::size_t i = 0; i < n; ++i)
        draws.push_back(Random::instance().next());
    Random::instance().seed(s);
    return draws;
}

int countLetter(const Grid& grid, char letter)
{
    int n = 0;
    for (int c = 1; c <= Grid::columns(); ++c)
        for (int r = 1; r <= Grid::rows(); ++r)
            n += grid.letterAt(c, r) == letter;
    return n;
}

} // namespace

TEST(GridCell, MovesWrapAroundTheEdges)
{
    GridCell cell;
    EXPECT_TRUE(cell.empty());
    EXPECT_EQ(cell.columns, 0);

    cell = GridCell(3, 0, 4, 3);
    cell.next();
    EXPECT_EQ(cell, GridCell(0, 1, 4, 3));
    cell = GridCell(3, 2, 4, 3);
    cell.next();
    EXPECT_EQ(cell, GridCell(0, 0, 4, 3));
    cell.previous();
    EXPECT_EQ(cell, GridCell(3, 2, 4, 3));
    cell = GridCell(0, 1, 4, 3);
    cell.previous();
    EXPECT_EQ(cell, GridCell(3, 0, 4, 3));

    cell = GridCell(0, 0, 4, 3);
    cell.left();
    EXPECT_EQ(cell, GridCell(3, 0, 4, 3));
    cell.right();
    EXPECT_EQ(cell, GridCell(0, 0, 4, 3));
    cell.up();
    EXPECT_EQ(cell, GridCell(0, 2, 4, 3));
    cell.down();
    EXPECT_EQ(cell, GridCell(0, 0, 4, 3));

    // A cell of no size stays where it is.
    GridCell none;
    none.next();
    none.previous();
    none.left();
    none.down();
    EXPECT_EQ(none, GridCell());
}

TEST(Grid, StartsWithTheStartUpOptionsAndABlankBorder)
{
    EXPECT_EQ(GridOptions{}, (GridOptions{10, 10, 0, true, 3, 18}));
    ScopedGridOptions keep;
    Grid grid = gridOf({"ABCD", "EFGH", "IJKL"});
    EXPECT_EQ(grid.letterAt(1, 1), 'A');
    EXPECT_EQ(grid.letterAt(4, 3), 'L');
    for (int c = 0; c <= 5; ++c) {
        EXPECT_EQ(grid.letterAt(c, 0), ' ');
        EXPECT_EQ(grid.letterAt(c, 4), ' ');
    }
    // Outside the array: a space, and writes go nowhere.
    EXPECT_EQ(grid.letterAt(-1, 3), ' ');
    EXPECT_EQ(grid.letterAt(14, 3), ' ');
    grid.setLetter(14, 0, 'X');
    grid.setLetter(3, -1, 'X');

    // A copy takes the interior at the current size and a blank border.
    grid.setLetter(0, 1, 'Z');
    grid.setLetter(5, 2, 'Z');
    const Grid copy(grid);
    EXPECT_EQ(rowsOf(copy), rowsOf(grid));
    EXPECT_EQ(copy.letterAt(0, 1), ' ');
    EXPECT_EQ(copy.letterAt(5, 2), ' ');
    grid.clearBorder();
    EXPECT_EQ(grid.letterAt(0, 1), ' ');
    EXPECT_EQ(grid.letterAt(5, 2), ' ');

    grid.clearInterior();
    EXPECT_TRUE(grid.isEmpty());
    EXPECT_EQ(rowsOf(grid), (std::vector<std::string>{"....", "....", "...."}));
}

TEST(Grid, IsEmptyLooksAtEveryInteriorCell)
{
    ScopedGridOptions keep;
    gridOptions().gridColumns = 12;
    gridOptions().gridRows = 3;
    Grid grid(false);
    EXPECT_TRUE(grid.isEmpty());
    grid.setLetter(12, 3, 'A');
    EXPECT_FALSE(grid.isEmpty());
    // A letter outside the current size does not count.
    gridOptions().gridColumns = 11;
    EXPECT_TRUE(grid.isEmpty());
}

TEST(Grid, ImageIsColumnMajorWithFourUnusedBytes)
{
    ScopedGridOptions keep;
    Grid grid = gridOf({"ABC", "DEF", "GHI"});
    const auto image = grid.toImage();
    ASSERT_EQ(image.size(), 200u);
    EXPECT_EQ(image[1 * 14 + 1], 'A');
    EXPECT_EQ(image[2 * 14 + 1], 'B');
    EXPECT_EQ(image[1 * 14 + 2], 'D');
    EXPECT_EQ(image[3 * 14 + 3], 'I');
    EXPECT_EQ(image[0], ' ');
    for (std::size_t i = 196; i < 200; ++i)
        EXPECT_EQ(image[i], 0);

    Grid other(false);
    other.fromImage(image.data());
    EXPECT_EQ(other, grid);
    EXPECT_EQ(other.toImage(), image);
}

TEST(Grid, SizesOutOfRangeNeverReachOutsideTheArray)
{
    ScopedGridOptions keep;
    gridOptions().gridColumns = 40;
    gridOptions().gridRows = -3;
    Grid grid(false);
    grid.clearBorder();
    grid.clearInterior();
    EXPECT_TRUE(grid.isEmpty());
    grid.ensureVowel();
    grid.fixLonelyQ();
    EXPECT_FALSE(grid.traceWord("AB"));
    EXPECT_EQ(Grid::columns(), 12);
    EXPECT_EQ(Grid::rows(), 0);
}

class RandomFill : public ::testing::Test {
protected:
    // Letter weights come from these words: A, B and C only.
    test::ScopedDictionary dictionary{{"ABC", "CAB", "BAA"}};
    ScopedGridOptions keep;
};

TEST_F(RandomFill, WithoutPorosityDrawsOnlyLettersFromTheLastCellBack)
{
    gridOptions().gridColumns = 4;
    gridOptions().gridRows = 3;
    gridOptions().gridPorosity = 0;
    (void)Dictionary::instance(false).randomLetter(); // builds the letter pool
    const std::vector<char> pool = Dictionary::instance(false).alphabet().letterPool();
    ASSERT_FALSE(pool.empty());
    const auto draws = drawsAfterSeed(42, 12);
    Grid grid(false);
    grid.randomFill();
    std::size_t d = 0;
    for (int c = 4; c >= 1; --c)
        for (int r = 3; r >= 1; --r)
            EXPECT_EQ(grid.letterAt(c, r), pool[draws[d++] % pool.size()]) << c << ',' << r;
    for (const auto& column : holesMask())
        for (bool hole : column)
            EXPECT_FALSE(hole);
    // Exactly twelve numbers were drawn: the next one is the thirteenth.
    const auto more = drawsAfterSeed(42, 13);
    Random::instance().seed(42);
    grid.randomFill();
    EXPECT_EQ(Random::instance().next(), more[12]);
}

TEST_F(RandomFill, HolesAreDrawnColumnByColumnBeforeTheLetters)
{
    gridOptions().gridColumns = 5;
    gridOptions().gridRows = 4;
    gridOptions().gridPorosity = 40;
    const auto draws = drawsAfterSeed(7, 20);
    Grid grid(false);
    grid.randomFill();
    std::size_t d = 0, holes = 0;
    for (int c = 1; c <= 5; ++c) {
        for (int r = 1; r <= 4; ++r) {
            const bool hole = draws[d++] % 100 < 40;
            EXPECT_EQ(holesMask()[c][r], hole);
            EXPECT_EQ(grid.letterAt(c, r) == ' ', hole);
            holes += hole;
        }
    }
    EXPECT_GT(holes, 0u);
}

TEST_F(RandomFill, ALonelyQGetsAUInsideTheGrid)
{
    // Centre Q: the U goes to one of the eight other cells, at the first drawn
    // step that lands inside and off the Q.
    Grid grid = gridOf({"XXX", "XQX", "XXX"});
    const auto draws = drawsAfterSeed(3, 40);
    grid.fixLonelyQ();
    std::size_t d = 0;
    int c = 2, r = 2;
    do {
        c = 2 + static_cast<int>(draws[d] % 3) - 1;
        r = 2 + static_cast<int>(draws[d + 1] % 3) - 1;
        d += 2;
    } while (c == 2 && r == 2);
    EXPECT_EQ(grid.letterAt(c, r), 'U');
    EXPECT_EQ(countLetter(grid, 'U'), 1);
    EXPECT_EQ(grid.letterAt(2, 2), 'Q');

    // Corner Q, many seeds: always one of its three interior neighbours.
    for (std::uint32_t seed = 0; seed < 60; ++seed) {
        Grid corner = gridOf({"QXX", "XXX", "X.X"});
        Random::instance().seed(seed);
        corner.fixLonelyQ();
        EXPECT_EQ(countLetter(corner, 'U'), 1);
        EXPECT_TRUE(corner.letterAt(2, 1) == 'U' || corner.letterAt(1, 2) == 'U' || corner.letterAt(2, 2) == 'U');
        EXPECT_EQ(corner.letterAt(0, 0), ' ');
    }
}

TEST_F(RandomFill, AQWithAUInItsBlockDrawsNothing)
{
    for (int place = 0; place < 9; ++place) {
        std::vector<std::string> rows = {"XXX", "XQX", "XXX"};
        rows[static_cast<std::size_t>(place / 3)][static_cast<std::size_t>(place % 3)] = 'U';
        if (place == 4)
            rows[0][0] = 'Q'; // the centre holds the U: the Q sits in a corner
        Grid grid = gridOf(rows);
        const auto draws = drawsAfterSeed(11, 1);
        grid.fixLonelyQ();
        EXPECT_EQ(rowsOf(grid), rows);
        EXPECT_EQ(Random::instance().next(), draws[0]);
    }
}

TEST_F(RandomFill, AUWrittenForOneQServesTheNextAndMayReplaceAQ)
{
    // Two Qs side by side: the first one's U either lands next to the second
    // (which then needs none) or overwrites it.
    for (std::uint32_t seed = 0; seed < 40; ++seed) {
        Grid grid = gridOf({"QQX", "XXX", "XXX"});
        Random::instance().seed(seed);
        grid.fixLonelyQ();
        const int us = countLetter(grid, 'U');
        EXPECT_GE(us, 1);
        EXPECT_LE(us, 2);
        if (grid.letterAt(2, 1) == 'Q') {
            bool hasU = false;
            for (int c = 1; c <= 3; ++c)
                for (int r = 1; r <= 2; ++r)
                    hasU = hasU || grid.letterAt(c, r) == 'U';
            EXPECT_TRUE(hasU);
        }
    }
}

TEST_F(RandomFill, EnsureVowelPlacesOneVowelAnywhereEvenOnAHole)
{
    Grid grid = gridOf({"...", "...", "..."});
    const auto draws = drawsAfterSeed(5, 3);
    grid.ensureVowel();
    const int c = 1 + static_cast<int>(draws[0] % 3), r = 1 + static_cast<int>(draws[1] % 3);
    EXPECT_EQ(grid.letterAt(c, r), "AEIOUY"[draws[2] % 6]);

    Grid consonants = gridOf({"BCD", "F.G", "HJK"});
    consonants.ensureVowel();
    int vowels = 0;
    for (char v : std::string("AEIOUY"))
        vowels += countLetter(consonants, v);
    EXPECT_EQ(vowels, 1);

    // A grid holding a Y counts as having a vowel: nothing changes, nothing drawn.
    const std::vector<std::string> withY = {"BCD", "FYG", "HJK"};
    Grid y = gridOf(withY);
    const auto next = drawsAfterSeed(9, 1);
    y.ensureVowel();
    EXPECT_EQ(rowsOf(y), withY);
    EXPECT_EQ(Random::instance().next(), next[0]);
}

TEST_F(RandomFill, ARandomGridFollowsAllThreeRules)
{
    gridOptions().gridColumns = 12;
    gridOptions().gridRows = 12;
    gridOptions().gridPorosity = 30;
    Random::instance().seed(2024);
    const Grid grid(true);
    int holes = 0;
    for (int c = 1; c <= 12; ++c)
        for (int r = 1; r <= 12; ++r) {
            const char x = grid.letterAt(c, r);
            EXPECT_TRUE(x == ' ' || x == 'A' || x == 'B' || x == 'C' || x == 'U' || x == 'Y' || x == 'E'
                        || x == 'I' || x == 'O')
                << x;
            holes += x == ' ';
        }
    EXPECT_GT(holes, 10);
    EXPECT_EQ(grid.letterAt(0, 5), ' ');
    EXPECT_EQ(grid.letterAt(13, 5), ' ');
    // The same seed gives the same grid.
    Random::instance().seed(2024);
    EXPECT_EQ(Grid(true), grid);
}

TEST_F(RandomFill, AGridFromAMissingFileIsRandomAtTheCurrentSize)
{
    gridOptions().gridColumns = 6;
    gridOptions().gridRows = 5;
    const Grid grid(std::filesystem::path(dictionary.folder() / "no-such.grd"));
    EXPECT_EQ(gridOptions().gridColumns, 6);
    EXPECT_FALSE(grid.isEmpty());
    for (int c = 1; c <= 6; ++c)
        for (int r = 1; r <= 5; ++r)
            EXPECT_NE(grid.letterAt(c, r), ' ');
    const Grid unnamed{std::filesystem::path()};
    EXPECT_FALSE(unnamed.isEmpty());
}
