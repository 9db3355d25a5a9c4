#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace lettrava::test;

namespace {

class GridTool : public ::testing::Test {
protected:
    GridTool()
    {
        writeDictionary(dir / "d.dic", {"CAT", "CATS", "SCAT", "TACS", "DODO", "ACTS"});
        dict = (dir / "d.dic").string();
        writeFile(dir / "g.grd", "ROWS=3\r\nCOLS=3\r\nMIN_WORD_LENGTH=3\r\nALLOW_REUSE=No\r\n>CAT\r\n>DSX\r\n>OXX");
        grid = (dir / "g.grd").string();
    }

    TempDir dir;
    std::string dict, grid;
};

} // namespace

TEST_F(GridTool, SolvePrintsTheDistinctWordsAndTheirCount)
{
    auto r = runTool({"solve", "--dict", dict, grid});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    // DODO would need reuse, which the file turns off.
    EXPECT_EQ(lines(r.out), (std::vector<std::string>{"CAT", "CATS", "SCAT", "TACS", "count: 4"}));

    // The command line overrides the file.
    r = runTool({"solve", "--dict", dict, "--min", "4", "--reuse", "yes", grid});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(lines(r.out), (std::vector<std::string>{"CATS", "DODO", "SCAT", "TACS", "count: 4"}));
    r = runTool({"solve", "--dict", dict, "--max", "3", grid});
    EXPECT_EQ(lines(r.out), (std::vector<std::string>{"CAT", "count: 1"}));

    writeFile(dir / "custom.txt", "tad\r\n");
    writeFile(dir / "g2.grd", ">TAD\n>XXX\n>XXX\n");
    r = runTool({"solve", "--dict", dict, "--custom", (dir / "custom.txt").string(), (dir / "g2.grd").string()});
    EXPECT_EQ(lines(r.out), (std::vector<std::string>{"TAD", "count: 1"}));
}

TEST_F(GridTool, SolveFailsCleanly)
{
    EXPECT_EQ(runTool({"solve", "--dict", dict, (dir / "none.grd").string()}).exitCode, 1);
    EXPECT_EQ(runTool({"solve", "--dict", (dir / "none.dic").string(), grid}).exitCode, 1);
    EXPECT_EQ(runTool({"solve", grid}).exitCode, 2);
    EXPECT_EQ(runTool({"solve", "--dict", dict, "--min", "2", grid}).exitCode, 2);
    EXPECT_EQ(runTool({"solve", "--dict", dict, "--reuse", "maybe", grid}).exitCode, 2);
}

TEST_F(GridTool, TracePrintsTheCellsOfTheFirstChain)
{
    auto r = runTool({"trace", grid, "cats"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "path: (0,0) (1,0) (2,0) (1,1)\n");

    r = runTool({"trace", grid, "DODO"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "not traceable\n");
    r = runTool({"trace", "--reuse", "yes", grid, "DODO"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "path: (0,1) (0,2) (0,1) (0,2)\n");

    EXPECT_EQ(runTool({"trace", grid, std::string(19, 'C')}).out, "not traceable\n");
    EXPECT_EQ(runTool({"trace", (dir / "none.grd").string(), "CAT"}).exitCode, 1);
    EXPECT_EQ(runTool({"trace", grid}).exitCode, 2);
}

TEST_F(GridTool, RandomGridWritesAReproducibleGridOfTheSizeAsked)
{
    const std::string a = (dir / "a.grd").string(), b = (dir / "b.grd").string();
    auto r = runTool({"random-grid", "--dict", dict, "--cols", "5", "--rows", "4", "--porosity", "20", "--seed", "9", a});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    ASSERT_EQ(runTool({"random-grid", "--dict", dict, "--cols", "5", "--rows", "4", "--porosity", "20", "--seed", "9", b})
                  .exitCode,
              0);
    const auto first = lines(readFile(a)), second = lines(readFile(b));
    ASSERT_EQ(first.size(), 18u);
    // Line 1 carries the time of saving.
    EXPECT_TRUE(std::equal(first.begin() + 1, first.end(), second.begin() + 1));
    EXPECT_EQ(first[8], "ROWS=4\r");
    EXPECT_EQ(first[9], "COLS=5\r");
    for (std::size_t i = 14; i < 18; ++i) {
        ASSERT_EQ(first[i].substr(0, 1), ">");
        EXPECT_EQ(first[i].find_first_not_of(">ACDOST \r", 0), std::string::npos) << first[i];
    }
    EXPECT_EQ(first[17].size(), 6u); // the last row has no line end

    // The grid is ready for the other commands.
    EXPECT_EQ(runTool({"solve", "--dict", dict, a}).exitCode, 0);
    EXPECT_EQ(runTool({"random-grid", "--dict", dict, "--cols", "13", a}).exitCode, 2);
}

TEST(GridToolText, AccentedWordsAreTypedAndPrintedAsUtf8AndFilesKeepSingleBytes)
{
    TempDir dir;
    writeDictionary(dir / "fr.dic", {"\xC9T\xC9", "T\xC9T\xC9", "STRA\xDF" "E"});
    writeFile(dir / "g.grd", "ROWS=2\r\nCOLS=3\r\nALLOW_REUSE=No\r\n>\xC9T\xC9\r\n>XXX\r\n");
    auto r = runTool({"solve", "--dict", (dir / "fr.dic").string(), (dir / "g.grd").string()});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(lines(r.out), (std::vector<std::string>{"\xC3\x89T\xC3\x89", "count: 1"}));

    // A word typed in small letters is upper-cased by the dictionaries' rule.
    r = runTool({"trace", (dir / "g.grd").string(), "\xC3\xA9t\xC3\xA9"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "path: (0,0) (1,0) (2,0)\n");
    EXPECT_EQ(runTool({"trace", (dir / "g.grd").string(), "\xC5\x93uf"}).exitCode, 2) << "no oe in Latin-1";

    // A random grid of an accented alphabet is written as single bytes.
    writeDictionary(dir / "a.dic", {"\xC9\xC9\xC9"});
    ASSERT_EQ(runTool({"random-grid", "--dict", (dir / "a.dic").string(), "--cols", "3", "--rows", "3", "--porosity",
                       "0", "--seed", "1", (dir / "r.grd").string()})
                  .exitCode,
              0);
    EXPECT_NE(readFile(dir / "r.grd").find(">\xC9\xC9\xC9\r\n"), std::string::npos);
}
