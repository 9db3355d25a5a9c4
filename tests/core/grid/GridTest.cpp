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
    EXPECT_EQ(GridCell(), GridCell(-1, -1, 0, 0));
    struct Move {
        void (GridCell::*move)();
        GridCell from, to;
    };
    const Move moves[] = {
        {&GridCell::next, {3, 0, 4, 3}, {0, 1, 4, 3}},     {&GridCell::next, {3, 2, 4, 3}, {0, 0, 4, 3}},
        {&GridCell::previous, {0, 0, 4, 3}, {3, 2, 4, 3}}, {&GridCell::previous, {0, 1, 4, 3}, {3, 0, 4, 3}},
        {&GridCell::left, {0, 1, 4, 3}, {3, 1, 4, 3}},     {&GridCell::right, {3, 1, 4, 3}, {0, 1, 4, 3}},
        {&GridCell::up, {2, 0, 4, 3}, {2, 2, 4, 3}},       {&GridCell::down, {2, 2, 4, 3}, {2, 0, 4, 3}},
        {&GridCell::next, {}, {}}, // a cell of no size stays put
    };
    for (const Move& m : moves) {
        GridCell cell = m.from;
        (cell.*m.move)();
        EXPECT_EQ(cell, m.to);
    }
}

TEST(Grid, KeepsABlankBorderAndCopiesTheInteriorAtTheCurrentSize)
{
    EXPECT_EQ(GridOptions{}, (GridOptions{10, 10, 0, true, 3, 18}));
    ScopedGridOptions keep;
    Grid grid = gridOf({"ABCD", "EFGH", "IJKL"});
    EXPECT_EQ(grid.letterAt(4, 3), 'L');
    for (int c = 0; c <= 5; ++c)
        EXPECT_TRUE(grid.letterAt(c, 0) == ' ' && grid.letterAt(c, 4) == ' ');
    // Outside the array: a space, and writes go nowhere.
    EXPECT_EQ(grid.letterAt(-1, 3), ' ');
    grid.setLetter(14, 0, 'X');

    grid.setLetter(0, 1, 'Z');
    grid.setLetter(5, 2, 'Z');
    const Grid copy(grid);
    EXPECT_EQ(rowsOf(copy), rowsOf(grid));
    EXPECT_TRUE(copy.letterAt(0, 1) == ' ' && copy.letterAt(5, 2) == ' ');
    grid.clearBorder();
    EXPECT_TRUE(grid.letterAt(0, 1) == ' ' && grid.letterAt(5, 2) == ' ');
    grid.clearInterior();
    EXPECT_TRUE(grid.isEmpty());

    // isEmpty looks at every interior cell, and only at those.
    gridOptions().gridColumns = 12;
    grid.setLetter(12, 3, 'A');
    EXPECT_FALSE(grid.isEmpty());
    gridOptions().gridColumns = 11;
    EXPECT_TRUE(grid.isEmpty());

    // Sizes out of range are clamped to the array.
    gridOptions().gridColumns = 40;
    gridOptions().gridRows = -3;
    grid.clearBorder();
    grid.ensureVowel();
    grid.fixLonelyQ();
    EXPECT_FALSE(grid.traceWord("AB"));
    EXPECT_EQ(Grid::columns(), 12);
    EXPECT_EQ(Grid::rows(), 0);
}

TEST(Grid, ImageIsColumnMajorWithFourUnusedBytes)
{
    ScopedGridOptions keep;
    Grid grid = gridOf({"ABC", "DEF", "GHI"});
    const auto image = grid.toImage();
    EXPECT_EQ(image[1 * 14 + 1], 'A');
    EXPECT_EQ(image[2 * 14 + 1], 'B');
    EXPECT_EQ(image[1 * 14 + 2], 'D');
    EXPECT_EQ(image[0], ' ');
    for (std::size_t i = 196; i < 200; ++i)
        EXPECT_EQ(image[i], 0);
    Grid other(false);
    other.fromImage(image.data());
    EXPECT_EQ(other, grid);
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
    (void)Dictionary::instance().randomLetter(); // builds the letter pool
    const std::vector<char> pool = Dictionary::instance().alphabet().letterPool();
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

TEST_F(RandomFill, AGridFromAMissingFileIsRandomAtTheCurrentSize)
{
    gridOptions().gridColumns = 6;
    gridOptions().gridRows = 5;
    Random::instance().seed(8);
    const Grid grid(std::filesystem::path(dictionary.folder() / "no-such.grd"));
    Random::instance().seed(8);
    EXPECT_EQ(grid, Grid(true));
    EXPECT_EQ(rowsOf(grid)[4].find('.'), std::string::npos);
    EXPECT_FALSE(Grid(std::filesystem::path()).isEmpty());
}
