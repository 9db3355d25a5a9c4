#include "support/ProcessSupport.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/wait.h>

using namespace lettrava::test;

namespace {

class GameTool : public ::testing::Test {
protected:
    GameTool()
    {
        writeFile(dir / "round.grd", "ROWS=4\r\nCOLS=4\r\n>CATS\r\n>OPOT\r\n>ATSX\r\n>XXXX");
        writeFile(dir / "script.txt", "1 5 Ann cat\n1 6 Ann CAT\n1 9 Ann QQ\n1 12 Ann COATS\n1 20 Ann SAT\n"
                                      "# a comment\n\n2 3 Ann TACO\n");
    }
    std::vector<std::string> simulate(const std::vector<std::string>& extra, int expectedExit = 0)
    {
        std::vector<std::string> args = {"--home", dir.path().string(), "simulate", "--dict",
                                         shippedDictionary().string(), "--grid", (dir / "round.grd").string(),
                                         "--rounds", "2", "--seed", "5", "--script", (dir / "script.txt").string()};
        args.insert(args.end(), extra.begin(), extra.end());
        const ToolResult r = runTool(args);
        EXPECT_EQ(r.exitCode, expectedExit) << r.err;
        return lines(r.out);
    }
    TempDir dir;
};

} // namespace

TEST_F(GameTool, SimulatesAWholeGameWithScriptedWords)
{
    const auto out = simulate({"human:Ann", "computer:Patsy"});
    ASSERT_GE(out.size(), 12u);
    EXPECT_EQ(out[0], "round 1 grid 4x4 duration 90");
    EXPECT_EQ(out[1], "verdict 1 5 Ann CAT 2");
    EXPECT_EQ(out[2], "status * CAT * is good for 2 points!"); // 1 point and the unique bonus
    EXPECT_EQ(out[3], "verdict 1 6 Ann CAT -6");
    EXPECT_EQ(out[4], "status You already submitted CAT");
    EXPECT_EQ(out[5], "verdict 1 9 Ann QQ -2");
    EXPECT_EQ(out[6], "status * QQ * is invalid.  Words must be at least 3 letters long");
    EXPECT_EQ(out[9], "verdict 1 20 Ann SAT -5");
    EXPECT_EQ(out[10], "status * SAT * is not in the grid");
    EXPECT_EQ(out[11].rfind("bonus ", 0), 0u);
    EXPECT_EQ(out[12].rfind("score 1 Ann words=2 round=", 0), 0u) << out[12];
    EXPECT_NE(out[12].find(" longest=COATS"), std::string::npos);
    EXPECT_EQ(out[13].rfind("score 1 Patsy words=", 0), 0u);
    EXPECT_EQ(out.back().rfind("winner ", 0), 0u);

    // The same seed gives the same game.
    EXPECT_EQ(simulate({"human:Ann", "computer:Patsy"}), out);
    // The player file was kept in the program folder.
    const auto players = lines(runTool({"players", (dir / "LTPlayers.dat").string()}).out);
    ASSERT_EQ(players.size(), 2u);
    EXPECT_EQ(players[0].rfind("Ann|COATS|", 0), 0u);
}

TEST_F(GameTool, OnePlayerGameHasNoWinnerLineAndSizesCanBeSet)
{
    const ToolResult r = runTool({"simulate", "--dict", shippedDictionary().string(), "--size", "5x3", "--rounds", "1",
                                  "--duration", "0:30", "--seed", "1", "human:Solo"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto out = lines(r.out);
    EXPECT_EQ(out[0], "round 1 grid 5x3 duration 30");
    EXPECT_EQ(out.back().rfind("score 1 Solo ", 0), 0u);
}

TEST_F(GameTool, SavesAndContinuesAGame)
{
    const std::string saved = (dir / "game.LTG").string();
    simulate({"--save", saved, "human:Ann", "computer:Patsy"});
    const ToolResult info = runTool({"game-info", saved});
    ASSERT_EQ(info.exitCode, 0) << info.err;
    const auto lines_ = lines(info.out);
    EXPECT_EQ(lines_[0], "rounds: 2");
    EXPECT_EQ(lines_[1], "players: 2");
    EXPECT_EQ(lines_[2], "current-round: 2");
    EXPECT_EQ(lines_[4], "order: 3");
    EXPECT_EQ(lines_[6], "auto-duration: yes");
    EXPECT_EQ(lines_[7], "duration: 2:00");
    EXPECT_EQ(lines_[15].rfind("player Ann input=1 level=0 score=", 0), 0u);
    EXPECT_EQ(lines_[16].rfind("player Patsy input=3 level=8 ", 0), 0u);
    EXPECT_EQ(lines_[17], "port: 0");

    // A game stopped after round 1 continues with round 2.
    writeFile(dir / "one.txt", "1 5 Ann COATS\n");
    const std::string half = (dir / "half.LTG").string();
    ASSERT_EQ(runTool({"simulate", "--dict", shippedDictionary().string(), "--grid", (dir / "round.grd").string(),
                       "--rounds", "1", "--seed", "2", "--script", (dir / "one.txt").string(), "--save", half,
                       "human:Ann"})
                  .exitCode,
              0);
    // Round one of one: the file holds a finished game, which plays no more rounds.
    const ToolResult more = runTool({"simulate", "--dict", shippedDictionary().string(), "--load", half});
    EXPECT_EQ(more.exitCode, 0) << more.err;
    EXPECT_TRUE(more.out.empty());

    writeFile(dir / "bad.LTG", "nonsense");
    const ToolResult bad = runTool({"game-info", (dir / "bad.LTG").string()});
    EXPECT_NE(bad.exitCode, 0);
    EXPECT_NE(bad.err.find("does not appear to be a Lettrava game file"), std::string::npos) << bad.err;
}

TEST_F(GameTool, RejectsBadCommandLines)
{
    EXPECT_EQ(runTool({"simulate", "--dict", shippedDictionary().string(), "computer:Nobody"}).exitCode, 2);
    EXPECT_EQ(runTool({"simulate", "--dict", shippedDictionary().string()}).exitCode, 2);
    EXPECT_EQ(runTool({"simulate", "--dict", shippedDictionary().string(), "--size", "5x3", "--grid", "x", "human:A"})
                  .exitCode,
              2);
    EXPECT_NE(runTool({"players", (dir / "missing.dat").string()}).exitCode, 0);
    EXPECT_EQ(runTool({}).exitCode, 2);

    // Help and the version go to standard output and end well, as GNU programs' do.
    const ToolResult version = runTool({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out.rfind("lettrava-tool ", 0), 0u) << version.out;
    const ToolResult help = runTool({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("\ncommands:\n"), std::string::npos);
    const ToolResult hostHelp = runTool({"host", "--help"});
    EXPECT_EQ(hostHelp.exitCode, 0);
    EXPECT_EQ(hostHelp.out.rfind("usage: lettrava-tool host --dict FILE.dic", 0), 0u) << hostHelp.out;
#ifdef LETTRAVA_PROGRAM_PATH
    // The game answers them too, without opening a window (no display here).
    for (const char* option : {"--version", "--help"}) {
        ChildProcess program({LETTRAVA_PROGRAM_PATH, option});
        const auto first = program.readLine();
        EXPECT_EQ(first.value_or("").rfind(option == std::string("--version") ? "lettrava " : "usage: lettrava", 0), 0u)
            << option;
        const int status = program.wait();
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << option;
    }
#endif
}
