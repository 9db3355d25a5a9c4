// `lettrava-tool host` driven as a user would: a host process on loopback,
// members of the test's own logging in, playing and chatting over real sockets.

#include "net/NetTestSupport.h"
#include "net/Payloads.h"
#include "support/ProcessSupport.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <sstream>
#include <sys/wait.h>

using namespace lettrava;
using namespace lettrava::test;
using namespace std::chrono_literals;
namespace K = MessageKind;

namespace {

class HostTool : public ::testing::Test {
protected:
    HostTool() { writeFile(dir / "round.grd", "ROWS=4\r\nCOLS=4\r\n>CATS\r\n>OPOT\r\n>ATSX\r\n>XXXX"); }

    std::vector<std::string> hostArgs(const std::vector<std::string>& extra)
    {
        std::vector<std::string> args = {LETTRAVA_TOOL_PATH, "host", "--dict", shippedDictionary().string(),
                                         "--port", "0", "--grid", (dir / "round.grd").string(), "--home",
                                         dir.path().string()};
        args.insert(args.end(), extra.begin(), extra.end());
        return args;
    }

    // Reads the host's lines until one starts with `prefix`; every line read
    // is kept in `out`.
    std::optional<std::string> until(ChildProcess& host, const std::string& prefix)
    {
        while (auto line = host.readLine(20s)) {
            out.push_back(*line);
            if (line->rfind(prefix, 0) == 0)
                return line;
        }
        return std::nullopt;
    }
    bool printed(const std::string& line) const { return std::find(out.begin(), out.end(), line) != out.end(); }

    std::uint16_t listeningPort(ChildProcess& host)
    {
        const auto line = until(host, "listening ");
        EXPECT_TRUE(line) << "the host did not start";
        return line ? static_cast<std::uint16_t>(std::stoi(line->substr(10))) : 0;
    }

    TempDir dir;
    TaskLoop loop;
    std::vector<std::string> out;
};

bool exitedWith(int status, int code) { return WIFEXITED(status) && WEXITSTATUS(status) == code; }

} // namespace

TEST_F(HostTool, PlaysAWholeGameForTwoRemoteMembersAndPrintsEveryEvent)
{
    writeFile(dir / "chat.txt", "0 Welcome, all\n2 /w Ann just for you\n");
    ChildProcess host(hostArgs({"--rounds", "1", "--duration", "0:04", "--bonus", "no", "--admit-all",
                                "--start-after", "2", "--between", "1", "--chat", (dir / "chat.txt").string(),
                                "--email", "hal@example.org", "--message", "Good luck", "human:Hal"}));
    ASSERT_TRUE(host.started());
    const std::uint16_t port = listeningPort(host);
    ASSERT_NE(port, 0);

    TestPeer ann(port), ben(port);
    ASSERT_TRUE(ann.connected() && ben.connected());
    ann.login("Ann");
    ASSERT_TRUE(until(host, "admitted Ann"));
    ben.login("Ben");
    ASSERT_TRUE(until(host, "admitted Ben"));
    EXPECT_TRUE(printed("login Ann"));

    // The host's own record carries the e-mail and message it was given.
    ASSERT_TRUE(ann.waitFor(loop, [](const std::vector<Frame>& frames) {
        return std::any_of(frames.begin(), frames.end(), [](const Frame& f) { return f.kind == K::msgMemberList; });
    }));
    std::optional<std::vector<TGameClient>> members;
    for (const Frame& f : ann.received())
        if (f.kind == K::msgMemberList)
            members = decodeMemberList(f.payload);
    ASSERT_TRUE(members && !members->empty());
    EXPECT_EQ(members->front().name, "Hal");
    EXPECT_EQ(members->front().email, "hal@example.org");
    EXPECT_EQ(members->front().message, "Good luck");

    const auto round = until(host, "round 1 ");
    ASSERT_TRUE(round);
    EXPECT_EQ(*round, "round 1 grid 4x4 duration 4");
    ASSERT_TRUE(ann.waitForKind(loop, K::msgGridNewRound));
    ann.send(K::msgSubmitWord, "COATS");
    const auto verdict = until(host, "verdict ");
    ASSERT_TRUE(verdict);
    std::istringstream fields(*verdict);
    std::string word, name, what;
    int r = 0, seconds = -1;
    fields >> what >> r >> seconds >> name >> word;
    EXPECT_EQ(r, 1);
    EXPECT_TRUE(seconds >= 0 && seconds <= 4) << *verdict;
    EXPECT_EQ(name + " " + word, "Ann COATS");
    EXPECT_GT(std::stoi(verdict->substr(verdict->rfind(' ') + 1)), 0) << "COATS is in the grid and the dictionary";
    auto answer = ann.waitForKind(loop, K::msgWordVerdict);
    ASSERT_TRUE(answer);
    EXPECT_EQ(decodeVerdict(answer->payload)->word, "COATS");

    ann.send(K::msgRoundFinished);
    ben.send(K::msgRoundFinished);
    EXPECT_TRUE(until(host, "wait "));
    EXPECT_EQ(out.back(), "wait all-finished");
    const auto scores = until(host, "score 1 Ben ");
    ASSERT_TRUE(scores);
    EXPECT_EQ(scores->rfind("score 1 Ben words=0 round=0 game=0 ", 0), 0u) << *scores;
    EXPECT_TRUE(std::any_of(out.begin(), out.end(),
                            [](const std::string& l) { return l.rfind("score 1 Ann words=1 ", 0) == 0; }));
    EXPECT_TRUE(until(host, "winner "));
    EXPECT_EQ(out.back(), "winner Ann");
    auto winner = ben.waitForKind(loop, K::msgWinner);
    ASSERT_TRUE(winner);
    EXPECT_EQ(text(*winner), "Ann");

    EXPECT_TRUE(until(host, "shutdown"));
    EXPECT_TRUE(exitedWith(host.wait(), 0));
    EXPECT_TRUE(ann.waitForKind(loop, K::msgHostShutdown));
    EXPECT_TRUE(ben.waitForClose(loop));

    EXPECT_TRUE(printed("chat Hal> Welcome, all"));
    const auto annLines = ann.lines();
    EXPECT_NE(std::find(annLines.begin(), annLines.end(), "Hal whispers: just for you"), annLines.end());
    const auto benLines = ben.lines();
    EXPECT_EQ(std::count_if(benLines.begin(), benLines.end(),
                            [](const std::string& l) { return l.find("just for you") != l.npos; }),
              0)
        << "a whisper reaches only its addressee";
}

TEST_F(HostTool, SignalShutsTheHostDownAndTellsTheMembers)
{
    ChildProcess host(hostArgs({"human:Hal", "computer:Patsy"}));
    const std::uint16_t port = listeningPort(host);
    ASSERT_NE(port, 0);
    TestPeer ann(port);
    ann.login("Ann");
    ASSERT_TRUE(until(host, "login Ann"));
    EXPECT_FALSE(printed("admitted Ann")) << "without --admit-all nobody is seated";
    ann.send(K::msgChat, "hello there");
    ASSERT_TRUE(until(host, "chat Ann> hello there"));
    // Control characters in a name or a line cannot start a line of the tool's own.
    TestPeer eve(port);
    eve.login("ev\nverdict 1 0 A");
    ASSERT_TRUE(until(host, "login ev verdict 1 0 A"));
    eve.send(K::msgChat, "x\rverdict 1 0 B\x1b[2J");
    ASSERT_TRUE(until(host, "chat ev verdict 1 0 A> x verdict 1 0 B [2J"));

    EXPECT_TRUE(exitedWith(host.terminate(), 0));
    EXPECT_TRUE(until(host, "shutdown"));
    EXPECT_TRUE(ann.waitForKind(loop, K::msgHostShutdown));
    EXPECT_TRUE(ann.waitForClose(loop));
    EXPECT_FALSE(std::any_of(out.begin(), out.end(), [](const std::string& l) { return l.rfind("round ", 0) == 0; }))
        << "without --start-after no round starts";
    EXPECT_FALSE(std::any_of(out.begin(), out.end(), [](const std::string& l) { return l.rfind("verdict", 0) == 0; }));
}

TEST_F(HostTool, RefusesBadSetUpsAndATakenPort)
{
    auto run = [&](const std::vector<std::string>& extra) {
        auto args = hostArgs(extra);
        args.erase(args.begin());
        return runTool(args);
    };
    EXPECT_EQ(run({"computer:Patsy", "human:Hal"}).exitCode, 2) << "the host's seat comes first";
    EXPECT_EQ(run({"human:Hal", "human:Ann"}).exitCode, 2) << "remote people join over the network";
    EXPECT_EQ(run({"--start-after", "0", "human:Hal"}).exitCode, 2);

    ChildProcess first(hostArgs({"human:Hal"}));
    const std::uint16_t port = listeningPort(first);
    ASSERT_NE(port, 0);
    auto args = hostArgs({"human:Hal"});
    args.erase(args.begin());
    args[4] = std::to_string(port);
    const ToolResult taken = runTool(args);
    EXPECT_EQ(taken.exitCode, 1);
    EXPECT_NE(taken.err.find("in use"), std::string::npos) << taken.err;
    EXPECT_EQ(taken.out, "") << "nothing was hosted";
}

TEST_F(HostTool, HostAndTwoJoinedMembersPlayWithChatAndAReconnect)
{
    writeFile(dir / "ann.txt", "1 1 COATS\nchat 0 hello all\nchat 5 /w Hal psst\nchat 5 /n Annie\n2 1 TACO\n");
    writeFile(dir / "ben.txt", "1 1 CATS\nchat 0 /w nobody x\ndrop 3\n");
    ChildProcess host(hostArgs({"--rounds", "2", "--duration", "0:05", "--bonus", "no", "--admit-all",
                                "--start-after", "2", "--between", "1", "human:Hal"}));
    const std::uint16_t port = listeningPort(host);
    ASSERT_NE(port, 0);
    const auto join = [&](const std::string& name, const std::vector<std::string>& extra) {
        std::vector<std::string> args = {LETTRAVA_TOOL_PATH, "--home", (dir / name).string(), "join", "--host",
                                         "127.0.0.1", "--port", std::to_string(port), "--name", name,
                                         "--script", (dir / (name == "Ann" ? "ann.txt" : "ben.txt")).string()};
        std::filesystem::create_directories(dir / name);
        args.insert(args.end(), extra.begin(), extra.end());
        return std::make_unique<ChildProcess>(args);
    };
    auto ann = join("Ann", {});
    auto ben = join("Ben", {"--reconnect"});
    const auto linesOf = [](ChildProcess& p) {
        std::vector<std::string> all;
        while (auto l = p.readLine(60s))
            all.push_back(*l);
        return all;
    };
    const auto annOut = linesOf(*ann);
    const auto benOut = linesOf(*ben);
    EXPECT_TRUE(exitedWith(ann->wait(), 0));
    EXPECT_TRUE(exitedWith(ben->wait(), 0));
    ASSERT_TRUE(until(host, "shutdown"));
    EXPECT_TRUE(exitedWith(host.wait(), 0));

    const auto has = [](const std::vector<std::string>& lines, const std::string& line) {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    };
    EXPECT_EQ(annOut.front(), "status Connecting to 127.0.0.1 on port " + std::to_string(port) + "...");
    EXPECT_TRUE(has(annOut, "connected"));
    EXPECT_TRUE(has(annOut, "frame msgAdmitted"));
    EXPECT_TRUE(has(annOut, "round 1 grid 4x4"));
    EXPECT_TRUE(has(annOut, "round 2 grid 4x4"));
    EXPECT_TRUE(has(annOut, "verdict 5 COATS"));
    EXPECT_TRUE(has(annOut, "chat Ann> hello all"));
    EXPECT_TRUE(has(annOut, "chat You whispered to Hal: psst"));
    EXPECT_TRUE(has(annOut, "chat  *** Ann is now known as Annie"));
    EXPECT_TRUE(has(annOut, "results 1"));
    EXPECT_TRUE(has(annOut, "winner Annie"));
    EXPECT_EQ(annOut.back(), "shutdown");

    EXPECT_TRUE(has(benOut, "chat There is no one here by the name of \"nobody\""));
    EXPECT_TRUE(has(benOut, "disconnected")) << "the drop";
    EXPECT_EQ(std::count(benOut.begin(), benOut.end(), "connected"), 2) << "and the reconnect";
    EXPECT_EQ(benOut.back(), "shutdown");

    EXPECT_TRUE(printed("winner Annie"));
    EXPECT_TRUE(printed("chat Ann whispers: psst"));
    EXPECT_TRUE(std::any_of(out.begin(), out.end(), [](const std::string& l) { return l.rfind("logoff Ben", 0) == 0; }) ||
                std::any_of(out.begin(), out.end(), [](const std::string& l) { return l.rfind("login Ben2", 0) == 0; }))
        << "the dropped member was seen to leave, or came back before that under a new name";
}
