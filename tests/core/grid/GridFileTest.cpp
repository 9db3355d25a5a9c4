#include "core/grid/Grid.h"
#include "core/grid/GridFile.h"
#include "core/grid/GridOptions.h"
#include "core/platform/FileUtil.h"
#include "GridTestSupport.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace lettrava;
using test::gridOf;
using test::rowsOf;
using test::ScopedGridOptions;
using test::TempDir;

namespace {

class GridFile : public ::testing::Test {
protected:
    // Loads text as a grid file into a grid whose every cell first holds 'Z'.
    Grid load(const std::string& text)
    {
        test::writeFile(dir / "in.grd", text);
        Grid grid(false);
        for (int c = 0; c < Grid::kSize; ++c)
            for (int r = 0; r < Grid::kSize; ++r)
                grid.setLetter(c, r, 'Z');
        EXPECT_TRUE(loadGridFile(grid, dir / "in.grd"));
        return grid;
    }

    TempDir dir;
    ScopedGridOptions keep;
};

} // namespace

TEST_F(GridFile, SavesTheExactLinesAndReadsThemBack)
{
    Grid grid = gridOf({"ABCD", "E.GH", "IJKL"});
    gridOptions().allowLetterReuse = true;
    gridOptions().minWordLength = 4;
    gridOptions().maxWordLength = 9;
    ASSERT_TRUE(saveGridFile(grid, dir / "g.grd"));
    const std::string text = test::readFile(dir / "g.grd");

    const std::string header = "# grid saved from GridTester on ";
    ASSERT_EQ(text.substr(0, header.size()), header);
    const std::size_t firstEnd = text.find("\r\n");
    EXPECT_NE(text.substr(0, firstEnd).find(" at "), std::string::npos);
    EXPECT_EQ(text.substr(firstEnd),
              "\r\n"
              "\r\n"
              "# NOTES: 1.  When modifying this file or creating grid files,\r\n"
              "#            please remember to begin each grid row with \">\"\r\n"
              "#        2.  The word length and reuse options in this file\r\n"
              "#            override those set in the game options screen.\r\n"
              "#            To prevent that, remove the settings below.\r\n"
              "\r\n"
              "ROWS=3\r\n"
              "COLS=4\r\n"
              "MIN_WORD_LENGTH=4\r\n"
              "MAX_WORD_LENGTH=9\r\n"
              "ALLOW_REUSE=Yes\r\n"
              "\r\n"
              ">ABCD\r\n"
              ">E GH\r\n"
              ">IJKL");

    // Read back into a grid of another size with other options.
    gridOptions() = GridOptions{};
    gridOptions().allowLetterReuse = false;
    Grid other(false);
    other.setLetter(1, 1, 'Q');
    ASSERT_TRUE(loadGridFile(other, dir / "g.grd"));
    EXPECT_EQ(gridOptions(), (GridOptions{4, 3, 0, true, 4, 9}));
    EXPECT_EQ(rowsOf(other), (std::vector<std::string>{"ABCD", "E.GH", "IJKL"}));
    EXPECT_EQ(other.letterAt(5, 2), ' ');
    EXPECT_EQ(other.letterAt(2, 4), ' ');

    gridOptions().allowLetterReuse = false;
    ASSERT_TRUE(saveGridFile(grid, dir / "g.grd"));
    EXPECT_NE(test::readFile(dir / "g.grd").find("\r\nALLOW_REUSE=No\r\n"), std::string::npos);
}

TEST_F(GridFile, SavingReplacesTheFileOrFailsLeavingItWhole)
{
    const Grid grid = gridOf({"ABC", "DEF", "GHI"});
    test::writeFile(dir / "g.grd", "old");
    ASSERT_TRUE(saveGridFile(grid, dir / "g.grd"));
    EXPECT_NE(test::readFile(dir / "g.grd").find(">GHI"), std::string::npos);

    setAtomicWriteHookForTests([](const std::filesystem::path&) { return false; });
    EXPECT_FALSE(saveGridFile(gridOf({"XXX", "XXX", "XXX"}), dir / "g.grd"));
    setAtomicWriteHookForTests(nullptr);
    EXPECT_NE(test::readFile(dir / "g.grd").find(">GHI"), std::string::npos);
    EXPECT_FALSE(saveGridFile(grid, dir / "missing-folder" / "g.grd"));
}

TEST_F(GridFile, SettingsApplyOneByOne)
{
    gridOptions() = GridOptions{};
    load("ROWS=3\nCOLS=13\n");
    EXPECT_EQ(gridOptions().gridRows, 3);
    EXPECT_EQ(gridOptions().gridColumns, 10);

    const std::pair<const char*, bool> reuse[] = {
        {"allow_reuse=yes", true}, {"ALLOW_REUSE=0", false}, {"ALLOW_REUSE=", false}, {"ALLOW_REUSE=True", true}};
    for (const auto& [line, on] : reuse) {
        load(std::string(line) + "\n");
        EXPECT_EQ(gridOptions().allowLetterReuse, on) << line;
    }

    // The first line with a name wins, even with a value that is not usable;
    // huge, negative and padded numbers are not usable.
    load("COLS=x5\ncols=7\nROWS=4\nROWS=6\n");
    EXPECT_EQ(gridOptions().gridColumns, 10);
    EXPECT_EQ(gridOptions().gridRows, 4);
    load("COLS=99999999999999999999\nROWS=-5\nMIN_WORD_LENGTH=+5\nMAX_WORD_LENGTH= 7\n");
    EXPECT_EQ(gridOptions(), (GridOptions{10, 4, 0, true, 5, 18}));

    // A raised minimum raises the maximum, with or without a maximum line.
    gridOptions().minWordLength = 3;
    gridOptions().maxWordLength = 8;
    load("MIN_WORD_LENGTH=10\n");
    EXPECT_EQ(gridOptions().maxWordLength, 10);
    load("MIN_WORD_LENGTH=6\nMAX_WORD_LENGTH=4\n");
    EXPECT_EQ(gridOptions().maxWordLength, 6);
    load("MIN_WORD_LENGTH=3\nMAX_WORD_LENGTH=19\n");
    EXPECT_EQ(gridOptions().maxWordLength, 6);
}

TEST_F(GridFile, RowsAreThePointedLinesInOrder)
{
    const Grid grid = load("COLS=4\r\nROWS=3\r\n>ab1d\r\n# not a row\r\n\r\n>EFGHIJKLMNOPQRSTUVWXYZ\r\n>\r\n>QRST\r\n");
    EXPECT_EQ(rowsOf(grid), (std::vector<std::string>{"AB.D", "EFGH", "...."}));
    // Nothing beyond the row's columns reaches the border or beyond.
    EXPECT_EQ(grid.letterAt(5, 2), ' ');
    EXPECT_EQ(grid.letterAt(6, 2), 'Z');
    EXPECT_EQ(grid.letterAt(2, 4), ' ');
    EXPECT_EQ(grid.letterAt(2, 5), 'Z');

    // Five row lines and ROWS=3: the first three; missing rows stay empty.
    EXPECT_EQ(rowsOf(load("ROWS=3\nCOLS=3\n>AAA\n>BBB\n>CCC\n>DDD\n>EEE\n")),
              (std::vector<std::string>{"AAA", "BBB", "CCC"}));
    EXPECT_EQ(rowsOf(load("ROWS=4\n>AAA\n")), (std::vector<std::string>{"AAA", "...", "...", "..."}));
    // No rows: an empty grid of the size set.
    const Grid empty = load("ROWS=5\nCOLS=6\n");
    EXPECT_TRUE(empty.isEmpty());
    EXPECT_EQ(Grid::columns(), 6);
}

TEST_F(GridFile, ReadsAnyLineEndAndCutsLongLines)
{
    for (const std::string end : {"\r", "\n", "\r\n"}) {
        const Grid g = load("ROWS=3" + end + "COLS=3" + end + "ALLOW_REUSE=No" + end + ">ABC" + end + ">DEF" + end
                            + ">GHI" + end);
        EXPECT_EQ(rowsOf(g), (std::vector<std::string>{"ABC", "DEF", "GHI"}));
        EXPECT_FALSE(gridOptions().allowLetterReuse);
    }
    const Grid grid = load("#" + std::string(100000, 'x') + "\n>" + std::string(300, 'K') + "\n>ABC\n"
                           + std::string(500, '=') + "\n>DEF\n");
    EXPECT_EQ(rowsOf(grid), (std::vector<std::string>{"KKK", "ABC", "DEF"}));
}

TEST_F(GridFile, HostileFilesLoadOrFailCleanly)
{
    // Nothing, a missing file, a folder.
    const Grid none = load("");
    EXPECT_TRUE(none.isEmpty());
    Grid grid(false);
    const GridOptions before = gridOptions();
    EXPECT_FALSE(loadGridFile(grid, dir / "missing.grd"));
    EXPECT_FALSE(loadGridFile(grid, dir.path()));
    EXPECT_EQ(gridOptions(), before);

    // Thousands of rows, one endless line, binary bytes.
    std::string rows = "ROWS=12\nCOLS=12\n";
    for (int i = 0; i < 5000; ++i)
        rows += ">ABCDEFGHIJKLMNOP\n";
    EXPECT_EQ(rowsOf(load(rows)).back(), "ABCDEFGHIJKL");
    const Grid endless = load(">" + std::string(900000, 'A'));
    EXPECT_EQ(rowsOf(endless).front(), std::string(12, 'A'));

    // Binary bytes (the fuzz target tries many more).
    std::string binary(4096, '\0');
    for (std::size_t i = 0; i < binary.size(); ++i)
        binary[i] = static_cast<char>(i * 7919 % 251);
    const Grid noise = load(binary);
    for (const std::string& row : rowsOf(noise))
        EXPECT_EQ(row.find_first_not_of(".ABCDEFGHIJKLMNOPQRSTUVWXYZ"), std::string::npos);

    // A file larger than any grid file is refused, changing nothing.
    test::writeFile(dir / "big.grd", "ROWS=3\n" + std::string(GridFileContents::kMaxFileBytes, '#'));
    const GridOptions now = gridOptions();
    gridOptions().gridRows = 7;
    EXPECT_FALSE(loadGridFile(grid, dir / "big.grd"));
    EXPECT_EQ(gridOptions().gridRows, 7);
    gridOptions() = now;
}

TEST_F(GridFile, AGridMadeFromAFileTakesItsSettings)
{
    test::writeFile(dir / "g.grd", "COLS=3\nROWS=3\nMIN_WORD_LENGTH=5\n>CAT\n>X.X\n>XXX\n");
    const Grid grid(dir / "g.grd");
    EXPECT_EQ(rowsOf(grid), (std::vector<std::string>{"CAT", "X.X", "XXX"}));
    EXPECT_EQ(Grid((dir / "g.grd").string()), grid);
    EXPECT_EQ(Grid((dir / "g.grd").string().c_str()), grid);
    EXPECT_EQ(gridOptions().minWordLength, 5);
}
