// The host over real sockets on loopback: logins and the name rule, returning
// players, a whole game of two remote players, whispers, renames, logoffs,
// the silence check, connections that never log in, limits and shutdown.

#include "NetTestSupport.h"

#include "core/game/GameFixture.h"
#include "net/ChatRules.h"
#include "net/GameHost.h"
#include "net/Payloads.h"

#include <chrono>
#include <thread>

using namespace lettrava;
using namespace lettrava::test;
using namespace std::chrono_literals;
namespace K = MessageKind;

namespace {

const std::vector<std::string> kGrid = {"CATS", "OPOT", "ATSX", "XXXX"};

class RecordingNotices : public HostNotices {
public:
    void showChatLine(const std::string& line) override { chat.push_back(line); }
    void slotTaken(int slot) override { slots.push_back(slot); }
    void memberLoggedIn(const std::string& name) override { logins.push_back(name); }
    void memberLoggedOff(const std::string& name) override { logoffs.push_back(name); }
    void remoteWordJudged(const std::string& name, const std::string& word, VerdictCode v) override
    {
        verdicts.push_back(name + " " + word + " " + std::to_string(v));
    }
    bool saw(const std::string& line) const { return std::find(chat.begin(), chat.end(), line) != chat.end(); }

    std::vector<std::string> chat, logins, logoffs, verdicts;
    std::vector<int> slots;
};

class Hosting : public GameFixture {
protected:
    Hosting() { gridPath = gridFile(kGrid); }

    // A hosting game of the given players, listening on a port of the system's choice.
    void host(const std::vector<PlayerChoice>& players, int rounds = 2, const std::string& duration = "auto")
    {
        GameSetup s = gridFileSetup(players, gridPath, rounds, duration);
        s.bonusWordEnabled = false;
        s.listenForNetworkPlayers = true;
        game = Game::createFromSetup(view, s);
        hostWithoutGame();
        server->setGame(game.get());
    }
    void hostWithoutGame()
    {
        server = std::make_unique<GameHost>(loop, notices);
        std::string error;
        ASSERT_TRUE(server->startHosting(0, players0, nullptr, error)) << error;
    }

    // A member that logged in and whose login reply arrived.
    std::unique_ptr<TestPeer> member(const std::string& name)
    {
        auto p = std::make_unique<TestPeer>(server->port());
        EXPECT_TRUE(p->connected());
        p->login(name);
        EXPECT_TRUE(p->waitFor(loop, [](const std::vector<Frame>& f) {
            return std::any_of(f.begin(), f.end(), [](const Frame& x) {
                return x.kind == K::msgPrivateLine && text(x).rfind(" >>> ", 0) == 0;
            });
        })) << name << " got no login reply";
        return p;
    }
    int memberIndex(const std::string& name)
    {
        const auto m = server->members();
        for (std::size_t i = 0; i < m.size(); ++i)
            if (m[i].name == name)
                return static_cast<int>(i);
        return -1;
    }
    bool loopUntil(const std::function<bool()>& done) { return loop.runUntil(done, 10s); }

    // Runs the game's clock like live clients would see it: every few
    // seconds each member sends a keep-alive, heard before time goes on, so
    // that the silence check finds nobody silent.
    bool playUntil(const std::function<bool()>& done, const std::vector<TestPeer*>& peers, std::uint32_t limitMs = 60'000)
    {
        for (std::uint32_t spent = 0; !done(); spent += 3'000) {
            if (spent > limitMs)
                return false;
            for (TestPeer* p : peers)
                p->send(K::msgKeepAlive);
            const std::uint32_t now = clock_.tickCount();
            EXPECT_TRUE(loopUntil([&] {
                const auto m = server->members();
                return std::all_of(m.begin() + 1, m.end(), [&](const TGameClient& c) { return c.lastHeard == now; });
            }));
            timers_.runUntil(done, 3'000);
        }
        return true;
    }

    std::string gridPath;
    std::string players0 = "Hal";
    TaskLoop loop;
    RecordingNotices notices;
    std::unique_ptr<GameHost> server; // goes before the game
};

std::string loginReply(const TestPeer& p)
{
    for (const std::string& l : p.lines())
        if (l.rfind(" >>> ", 0) == 0)
            return l;
    return {};
}

} // namespace

TEST_F(Hosting, LoginsGetFreeNamesAndTheNotesOfTheirCase)
{
    hostWithoutGame();
    auto bob = member("Bob");
    EXPECT_EQ(loginReply(*bob), " >>> ") << "without a game the note is empty";
    auto bob2 = member("Bob");
    EXPECT_EQ(loginReply(*bob2),
              " >>>   Your name was modified because it was already taken.  You may change it by sending "
              "\"/n [newname]\" in the chat window.");
    auto lower = member("bob");
    const auto members = server->members();
    ASSERT_EQ(members.size(), 4u);
    EXPECT_EQ(members[0].name, "Hal");
    EXPECT_EQ(members[0].status, MemberStatus::Host);
    EXPECT_EQ(members[0].email, "Undisclosed");
    EXPECT_EQ(members[1].name, "Bob");
    EXPECT_EQ(members[2].name, "Bob2");
    EXPECT_EQ(members[3].name, "bob3");
    EXPECT_EQ(members[1].address, "127.0.0.1");
    EXPECT_EQ(members[1].hostName, "testbox");
    EXPECT_EQ(members[1].status, MemberStatus::Connected);
    EXPECT_TRUE(loopUntil([&] { return notices.logins.size() == 3; }));
    EXPECT_TRUE(notices.saw(" *** Bob2 logged in from <<testbox (127.0.0.1) >>"));
    EXPECT_TRUE(notices.saw(" *** Bob2 has: Game Version:  1.0 - Dictionary Version:")) << "trailing blanks are trimmed";
    // Every member hears the system lines and gets the member list.
    EXPECT_TRUE(bob->waitFor(loop, [](const std::vector<Frame>& f) {
        return std::any_of(f.begin(), f.end(), [](const Frame& x) {
            return x.kind == K::msgMemberList && decodeMemberList(x.payload).size() == 4;
        });
    }));
    // The system lines follow the member list: wait for the line itself.
    EXPECT_TRUE(bob->waitFor(loop, [](const std::vector<Frame>& f) {
        return std::any_of(f.begin(), f.end(), [](const Frame& x) {
            return x.kind == K::msgChatLine && text(x) == " *** bob3 logged in from <<testbox (127.0.0.1) >>";
        });
    }));

    // Names are judged as they will be kept: cut to 16 characters, control
    // characters blanked, blanks trimmed, nothing at all becoming "Player".
    auto alexandra = member("Alexandrapetrova");
    auto longer = member("Alexandrapetrova!");
    auto forged = member("ev\nverdict 1 0 A");
    TestPeer raw(server->port());
    TGameClient bells;
    bells.name = "\x1b[2J\a ";
    bells.hostName = "box\r\n";
    bells.email = "a\x7f@b";
    bells.message = "hi\tthere";
    raw.send(K::msgLogin, bells.toImage());
    auto empty = member("");
    ASSERT_TRUE(loopUntil([&] { return server->members().size() == 9; }));
    std::vector<std::string> names;
    for (const auto& m : server->members())
        names.push_back(m.name);
    EXPECT_EQ(std::vector<std::string>(names.begin() + 4, names.end()),
              (std::vector<std::string>{"Alexandrapetrova", "Alexandrapetrov2", "ev verdict 1 0 A", "[2J", "Player"}));
    EXPECT_EQ(loginReply(*longer).find(" >>>   Your name was modified"), 0u);
    const TGameClient kept = server->members()[7];
    EXPECT_EQ(kept.hostName, "box  ");
    EXPECT_EQ(kept.email, "a @b");
    EXPECT_EQ(kept.message, "hi there");
    EXPECT_TRUE(loopUntil([&] { return notices.saw(" *** [2J logged in from <<box   (127.0.0.1) >>"); }));
    auto emptyToo = member(" \t ");
    EXPECT_EQ(server->members().back().name, "Player2");
}

TEST_F(Hosting, NewMembersAreToldWhetherASeatIsFree)
{
    host({human("Hal"), computer("Patsy")});
    auto ann = member("Ann");
    EXPECT_EQ(loginReply(*ann), " >>> Welcome to Lettrava Internet!");
    EXPECT_TRUE(notices.saw(" *** If you want Ann to be able to play, highlight his or her name and click the add "
                            "player button below."));
    // A member named like the computer opponent is a new member, not a player.
    auto patsy = member("Patsy");
    EXPECT_EQ(loginReply(*patsy), " >>> Welcome to Lettrava Internet!");

    game->addRemotePlayer("X1");
    game->addRemotePlayer("X2");
    auto late = member("Late");
    EXPECT_TRUE(notices.saw(" *** Sorry, Late cannot play because the game is full."));
    auto taken = member("Ann");
    EXPECT_EQ(loginReply(*taken),
              " >>> Welcome to Lettrava Internet!  Your name was modified because it was already taken.  You may "
              "change it by sending \"/n [newname]\" in the chat window.");
}

TEST_F(Hosting, TheAddButtonRuleAndAdmission)
{
    host({human("Hal")});
    auto ann = member("Ann");
    const int index = memberIndex("Ann");
    EXPECT_FALSE(server->canAddMember(0)) << "the host is a player already";
    EXPECT_FALSE(server->canAddMember(-1)) << "nothing selected";
    ASSERT_TRUE(server->canAddMember(index));
    ASSERT_TRUE(server->addSelectedMember(index));
    EXPECT_FALSE(server->canAddMember(index)) << "a player of that name exists";
    EXPECT_EQ(game->playerAt(1)->name, "Ann");
    EXPECT_EQ(view.names[1].text, "Ann");
    EXPECT_EQ(view.scores[1].text, "0");
    EXPECT_EQ(notices.slots, std::vector<int>{1});
    EXPECT_EQ(server->members()[static_cast<std::size_t>(index)].status, MemberStatus::Ready);
    std::size_t at = 0, settingsAt = 0, scoresAt = 0;
    ASSERT_TRUE(ann->waitForKind(loop, K::msgAdmitted, 0, &at));
    EXPECT_TRUE(ann->waitForKind(loop, K::msgSettings, at, &settingsAt)) << "the settings follow the admission";
    EXPECT_TRUE(ann->waitForKind(loop, K::msgScores, settingsAt, &scoresAt)) << "then the scores";
    EXPECT_TRUE(notices.saw(" *** Ann has been admitted to the game."));
}

TEST_F(Hosting, AMemberListedBeforeItsLoginHasRunCannotBeSeated)
{
    host({human("Hal")});
    TestPeer bob(server->port());
    ASSERT_TRUE(bob.connected());
    bob.login("Bob");
    // The member list reaches the members from the connection's thread, while
    // the login's game part still waits for this (the user-interface) thread.
    const auto deadline = std::chrono::steady_clock::now() + 10s;
    while (server->members().size() < 2 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(1ms);
    ASSERT_EQ(server->members().size(), 2u);
    EXPECT_FALSE(server->canAddMember(1)) << "its login has not run its course";
    EXPECT_FALSE(server->addSelectedMember(1));
    ASSERT_TRUE(loopUntil([&] { return server->canAddMember(1); }));
    EXPECT_TRUE(bob.waitFor(loop, [](const std::vector<Frame>& f) {
        return std::any_of(f.begin(), f.end(), [](const Frame& x) {
            return x.kind == K::msgPrivateLine && text(x) == " >>> Welcome to Lettrava Internet!";
        });
    })) << "a new member, not a returning one";
}

TEST_F(Hosting, AReturningPlayerGetsTheRoundWhileTimeIsLeft)
{
    host({human("Hal")}, 2, "1:00");
    auto ann = member("Ann");
    ASSERT_TRUE(server->addSelectedMember(memberIndex("Ann")));
    startRound();
    ann->close();
    ASSERT_TRUE(loopUntil([&] { return notices.logoffs.size() == 1; }));
    EXPECT_FALSE(game->playerAt(1)->active) << "the logoff clears the player's flag";
    EXPECT_TRUE(notices.saw(" *** Ann logged off."));

    clock_.advance(39'000); // 21 seconds left
    auto back = member("Ann");
    std::size_t from = 0;
    ASSERT_TRUE(back->waitForKind(loop, K::msgRejoinGame, 0, &from));
    const auto kinds = back->kindNames(from);
    const std::vector<std::string> expected = {"msgRejoinGame", "msgSettingsRejoin", "msgPlayers",  "msgScores",
                                               "msgGridRejoin", "msgTimeLeft",       "msgBonusHint", "msgPrivateLine"};
    ASSERT_GE(kinds.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(kinds.begin(), kinds.begin() + 8), expected);
    const auto frames = back->received();
    EXPECT_EQ(decodeInt32(frames[from + 5].payload), 21);
    EXPECT_EQ(loginReply(*back), " >>> Welcome back.  There is still time to submit words!");
    EXPECT_TRUE(game->playerAt(1)->active);
    EXPECT_FALSE(game->playerAt(1)->finished);

    back->close();
    ASSERT_TRUE(loopUntil([&] { return notices.logoffs.size() == 2; }));
    clock_.advance(1'000); // 20 seconds left: too late for this round
    auto late = member("Ann");
    const auto lateKinds = late->kindNames();
    EXPECT_EQ(std::find(lateKinds.begin(), lateKinds.end(), "msgGridRejoin"), lateKinds.end());
    EXPECT_EQ(loginReply(*late),
              " >>> Welcome back.  The current round is over or almost over.  You will resume with the next round.");
    EXPECT_TRUE(game->playerAt(1)->finished);
}

TEST_F(Hosting, ATwoPlayerRemoteGameFromGridToWinner)
{
    host({human("Hal")}, 1, "0:30");
    auto ann = member("Ann");
    auto ben = member("Ben");
    ASSERT_TRUE(server->addSelectedMember(memberIndex("Ann")));
    ASSERT_TRUE(server->addSelectedMember(memberIndex("Ben")));
    const std::size_t annBefore = ann->count();
    startRound();
    ASSERT_TRUE(ann->waitForKind(loop, K::msgGridNewRound, annBefore));
    // Frames of Ben's admission may still be arriving before the round's.
    const auto start = ann->kindNames(annBefore);
    const auto gridAt = std::find(start.begin(), start.end(), "msgGridNewRound");
    ASSERT_GE(gridAt - start.begin(), 2);
    EXPECT_EQ(std::vector<std::string>(gridAt - 2, gridAt + 1),
              (std::vector<std::string>{"msgPlayers", "msgSettings", "msgGridNewRound"}));
    const auto grid = decodeGrid(ann->waitForKind(loop, K::msgGridNewRound, annBefore)->payload);
    ASSERT_TRUE(grid);
    EXPECT_EQ(grid->columns, 4);
    EXPECT_EQ(grid->image[1 * 14 + 1], 'C');

    // Ann's CATS is judged before Ben sends his: two connections have no order of their own.
    ann->send(K::msgSubmitWord, "CATS");
    auto verdict = ann->waitForKind(loop, K::msgWordVerdict);
    ASSERT_TRUE(verdict);
    EXPECT_EQ(decodeVerdict(verdict->payload)->code, 2 + 2) << "the first CATS earns the unique bonus";
    EXPECT_EQ(decodeVerdict(verdict->payload)->word, "CATS");
    ben->send(K::msgSubmitWord, "CATS");
    ben->send(K::msgSubmitWord, "SAT");
    ASSERT_TRUE(ben->waitFor(loop, [](const std::vector<Frame>& f) {
        return std::count_if(f.begin(), f.end(), [](const Frame& x) { return x.kind == K::msgWordVerdict; }) == 2;
    }));
    std::vector<std::int32_t> benCodes;
    for (const Frame& f : ben->received())
        if (f.kind == K::msgWordVerdict)
            benCodes.push_back(decodeVerdict(f.payload)->code);
    EXPECT_EQ(benCodes, (std::vector<std::int32_t>{2, Verdict::NotInGrid}));
    EXPECT_EQ(notices.verdicts.front(), "Ann CATS 4");

    // Scores every 20 ticks.
    const std::size_t beforeScores = ann->count();
    timers_.runFor(6'100);
    const std::vector<TestPeer*> both = {ann.get(), ben.get()};
    ASSERT_TRUE(ann->waitForKind(loop, K::msgScores, beforeScores));
    EXPECT_EQ(decodeScores(ann->waitForKind(loop, K::msgScores, beforeScores)->payload),
              (ScoreUpdate{0, 4, 2, 0, 1}));

    // The host's "a minute off" click on its clock: the members' clocks
    // follow (to none left here, so the round ends at the next tick).
    const std::size_t beforeClick = ann->count();
    game->clockClicked();
    const auto timeLeft = ann->waitForKind(loop, K::msgTimeLeft, beforeClick);
    ASSERT_TRUE(timeLeft);
    EXPECT_EQ(decodeInt32(timeLeft->payload), 0);

    // The round runs out; both clients report in; the host credits and sends
    // the results, then the winner of this one-round game.
    ASSERT_TRUE(playUntil([this] { return !game->roundRunning; }, both));
    ASSERT_TRUE(game->hostWaiting());
    const std::size_t atEnd = ann->count();
    ann->send(K::msgRoundFinished);
    ben->send(K::msgRoundFinished);
    ASSERT_TRUE(loopUntil([&] { return game->allPlayersFinished(); }));
    ASSERT_TRUE(playUntil([this] { return !game->hostWaiting(); }, both));
    EXPECT_TRUE(view.hasEvent("status:All players finished."));
    ASSERT_TRUE(ann->waitForKind(loop, K::msgWinner, atEnd));
    const auto results = ann->kindNames(atEnd);
    const std::vector<std::string> order = {"msgPlayers", "msgPlayerWords", "msgPlayerWords", "msgPlayerWords",
                                            "msgResultsReady", "msgMemberList"};
    ASSERT_GE(results.size(), order.size() + 1);
    EXPECT_EQ(std::vector<std::string>(results.begin(), results.begin() + 6), order);
    EXPECT_EQ(results.back(), "msgWinner");
    EXPECT_EQ(text(*ann->waitForKind(loop, K::msgWinner, atEnd)), "Ann");
    for (const auto& m : server->members()) {
        if (m.name != "Hal") {
            EXPECT_EQ(m.status, MemberStatus::ViewingResults);
        }
    }

    // Closing the results window: ready again, and everybody hears it.
    ann->send(K::msgReady);
    auto ready = ben->waitForKind(loop, K::msgMemberReady, atEnd);
    ASSERT_TRUE(ready);
    EXPECT_EQ(text(*ready), "Ann");
    EXPECT_EQ(server->members()[static_cast<std::size_t>(memberIndex("Ann"))].status, MemberStatus::Ready);

    // After the game, words are not judged at all.
    const std::size_t afterGame = ann->count();
    ann->send(K::msgSubmitWord, "COAT");
    ann->send(K::msgKeepAlive);
    loop.runFor(100ms);
    const auto tail = ann->kindNames(afterGame);
    EXPECT_EQ(std::find(tail.begin(), tail.end(), "msgWordVerdict"), tail.end());
}

TEST_F(Hosting, WhispersChatAndRenames)
{
    host({human("Hal")});
    auto ann = member("Ann");
    auto ben = member("Ben");

    ann->send(K::msgWhisper, "Ben psst");
    ASSERT_TRUE(ben->waitFor(loop, [](const std::vector<Frame>& f) {
        return std::any_of(f.begin(), f.end(), [](const Frame& x) { return text(x) == "Ann whispers: psst"; });
    }));
    ann->send(K::msgWhisper, "hal hello host");
    ASSERT_TRUE(loopUntil([&] { return notices.saw("Ann whispers: hello host"); }));
    ann->send(K::msgWhisper, "Nobody there");
    ASSERT_TRUE(ann->waitFor(loop, [](const std::vector<Frame>& f) {
        return std::any_of(f.begin(), f.end(),
                           [](const Frame& x) { return text(x) == "Player Nobody has logged off or was never here."; });
    }));

    server->sendChatInput("/w Hal note to self");
    EXPECT_TRUE(notices.saw("You whispered to yourself: note to self"));
    server->sendChatInput("/w ben quiet");
    server->sendChatInput("/w Zed hi");
    EXPECT_TRUE(notices.saw("There is no one here by the name of \"Zed\""));
    server->sendChatInput("/n Other");
    EXPECT_TRUE(notices.saw(GameHost::kHostKeepsItsName));
    EXPECT_EQ(server->ownName(), "Hal");
    server->sendChatInput("hello   ");
    EXPECT_TRUE(notices.saw("Hal> hello"));
    ASSERT_TRUE(ben->waitFor(loop, [](const std::vector<Frame>& f) {
        return std::any_of(f.begin(), f.end(), [](const Frame& x) { return text(x) == "Hal whispers: quiet"; });
    }));

    ann->send(K::msgChat, "  hi all ");
    ASSERT_TRUE(ben->waitFor(loop, [](const std::vector<Frame>& f) {
        return std::any_of(f.begin(), f.end(), [](const Frame& x) { return text(x) == "Ann> hi all"; });
    }));

    // A rename to a free name, after Ann was seated; then one to a taken name.
    ASSERT_TRUE(server->addSelectedMember(memberIndex("Ann")));
    const std::size_t before = ben->count();
    ann->send(K::msgRename, "Annie");
    ASSERT_TRUE(loopUntil([&] { return game->playerAt(1)->name == "Annie"; }));
    EXPECT_EQ(view.names[1].text, "Annie");
    EXPECT_TRUE(notices.saw(" *** Ann is now known as Annie"));
    ASSERT_TRUE(ben->waitForKind(loop, K::msgPlayers, before));
    EXPECT_EQ(memberIndex("Ann"), -1);
    ann->send(K::msgRename, "BEN");
    // A name cut to a player's, or differing only by blanks, is taken too:
    // Ben stays Ben, and his words could not be judged for her seat.
    ann->send(K::msgRename, "Alexandrapetrova");
    ASSERT_TRUE(loopUntil([&] { return game->playerAt(1)->name == "Alexandrapetrova"; }));
    ben->send(K::msgRename, "Alexandrapetrova!");
    ben->send(K::msgRename, "  alexandrapetrova ");
    ben->send(K::msgChat, "\x1b[31mred\a and\nmore " + std::string(2000, 'z'));
    const std::string bensLine = "Ben> [31mred  and more " + std::string(1000 - 19, 'z');
    ASSERT_TRUE(ann->waitFor(loop, [&](const std::vector<Frame>& f) {
        return std::any_of(f.begin(), f.end(), [&](const Frame& x) { return text(x) == bensLine; });
    })) << "blanks for control characters, and at most 1000 characters of text";
    EXPECT_EQ(memberIndex("BEN"), -1);
    EXPECT_NE(memberIndex("Ben"), -1);
    const auto list = server->members();
    EXPECT_EQ(std::count_if(list.begin(), list.end(),
                            [](const TGameClient& m) { return equalsIgnoringCase(m.name, "Alexandrapetrova"); }),
              1);
}

TEST_F(Hosting, SilentMembersAreCutWhileConnectionsComeAndGoButAStalledHostCutsNobody)
{
    hostWithoutGame();
    auto quiet = member("Quiet");
    auto lurker = std::make_unique<TestPeer>(server->port());
    ASSERT_TRUE(lurker->connected());
    ASSERT_TRUE(loopUntil([&] { return server->connectionCount() == 2; }));

    clock_.advance(15'000);
    server->checkSilence();
    EXPECT_EQ(memberIndex("Quiet"), 1) << "15000 ms is not yet too long";
    clock_.advance(1);
    server->checkSilence();
    EXPECT_TRUE(notices.saw("Quiet disconnected abrubtly."));
    EXPECT_TRUE(quiet->waitForClose(loop));
    ASSERT_TRUE(loopUntil([&] { return notices.logoffs.size() == 1; }));
    EXPECT_EQ(server->members().size(), 1u);
    // The connection that never logged in is no member and is never silent.
    EXPECT_EQ(server->connectionCount(), 1u);
    EXPECT_FALSE(lurker->closedByPeer());

    // Many silent members cut at once while others connect and leave.
    std::vector<std::unique_ptr<TestPeer>> silent;
    for (int i = 0; i < 30; ++i)
        silent.push_back(member("Mute" + std::to_string(i)));
    clock_.advance(15'001);
    std::vector<std::unique_ptr<TestPeer>> passing;
    for (int i = 0; i < 10; ++i) {
        passing.push_back(std::make_unique<TestPeer>(server->port()));
        passing.back()->login("Passer" + std::to_string(i));
    }
    server->checkSilence();
    passing.clear();
    ASSERT_TRUE(loopUntil([&] { return server->members().size() == 1 && notices.logoffs.size() >= 31; }));
    for (const auto& p : silent)
        EXPECT_TRUE(p->waitForClose(loop));

    // A host stalled for 20 seconds (a stopped process): the late check cuts
    // nobody, for what the members sent meanwhile may still be unread. Who
    // then stays silent is cut at the next check, which comes on time.
    auto ann = member("Ann");
    auto ben = member("Ben");
    const auto heardNow = [&](const std::vector<std::string>& names) {
        const std::uint32_t now = clock_.tickCount();
        return loopUntil([&] {
            for (const auto& m : server->members())
                if (std::find(names.begin(), names.end(), m.name) != names.end() && m.lastHeard != now)
                    return false;
            return true;
        });
    };
    clock_.advance(GameHost::kSilenceCheckInterval + GameHost::kLateCheckSlack + 2'500);
    server->checkSilence();
    EXPECT_EQ(server->members().size(), 3u) << "nobody cut by a late check";
    ann->send(K::msgKeepAlive);
    ben->send(K::msgKeepAlive);
    ASSERT_TRUE(heardNow({"Ann", "Ben"}));
    clock_.advance(GameHost::kSilenceLimit);
    ann->send(K::msgKeepAlive);
    ASSERT_TRUE(heardNow({"Ann"}));
    server->checkSilence();
    EXPECT_NE(memberIndex("Ann"), -1);
    EXPECT_FALSE(notices.saw("Ben disconnected abrubtly.")) << "15000 ms silent is not yet too long";
    clock_.advance(GameHost::kSilenceCheckInterval);
    ann->send(K::msgKeepAlive);
    ASSERT_TRUE(heardNow({"Ann"}));
    server->checkSilence();
    EXPECT_TRUE(notices.saw("Ben disconnected abrubtly."));
    EXPECT_NE(memberIndex("Ann"), -1);
}

TEST_F(Hosting, AMemberThatStopsReadingHoldsUpNobodyAndGoesWhenItsQueueIsFull)
{
    GameSetup s = gridFileSetup({human("Hal")}, gridPath, 1, "1:00");
    s.bonusWordEnabled = false;
    s.listenForNetworkPlayers = true;
    game = Game::createFromSetup(view, s);
    server = std::make_unique<GameHost>(loop, notices);
    server->setLimits(GameHost::kLoginTimeoutMs, GameHost::kMaxConnections, 64 * 1024);
    std::string error;
    ASSERT_TRUE(server->startHosting(0, "Hal", game.get(), error)) << error;

    StubbornPeer slow(server->port());
    ASSERT_TRUE(slow.connected());
    slow.send(K::msgLogin, loginRecord("Slow"));
    auto ann = member("Ann");
    auto flood = member("Flood");
    ASSERT_NE(memberIndex("Slow"), -1);
    ASSERT_TRUE(server->addSelectedMember(memberIndex("Ann")));
    startRound();

    // Lines of 2 KiB, of which a thousand characters are relayed to everyone:
    // far more than the non-reader's queue (64 KiB) and the system's buffers
    // may hold. They go in batches that the readers take in before the next,
    // so that a busy machine cannot make a reader's own queue pass the limit.
    // In the middle of them Ann's word and the host's own line go out as usual.
    const std::string line(2048, 'f');
    const std::string relayed = "Flood> " + std::string(1000, 'f');
    const auto floodLines = [&](const std::vector<Frame>& f) {
        return std::count_if(f.begin(), f.end(), [&](const Frame& x) { return text(x) == relayed; });
    };
    constexpr int kBatches = 60, kBatch = 32;
    for (int b = 1; b <= kBatches; ++b) {
        for (int i = 0; i < kBatch; ++i)
            flood->send(K::msgChat, line);
        if (b == kBatches / 2) {
            ann->send(K::msgSubmitWord, "CATS");
            server->sendChatInput("still here");
        }
        ASSERT_TRUE(ann->waitFor(loop, [&](const std::vector<Frame>& f) { return floodLines(f) == b * kBatch; }));
        ASSERT_TRUE(flood->waitFor(loop, [&](const std::vector<Frame>& f) { return floodLines(f) == b * kBatch; }));
    }
    ASSERT_TRUE(ann->waitFor(loop, [](const std::vector<Frame>& f) {
        return std::any_of(f.begin(), f.end(), [](const Frame& x) { return text(x) == " *** Slow logged off."; });
    })) << "the non-reader is gone";
    const auto verdict = ann->waitForKind(loop, K::msgWordVerdict);
    ASSERT_TRUE(verdict);
    EXPECT_EQ(decodeVerdict(verdict->payload)->code, 4);
    EXPECT_TRUE(ann->waitFor(loop, [](const std::vector<Frame>& f) {
        return std::any_of(f.begin(), f.end(), [](const Frame& x) { return text(x) == "Hal> still here"; });
    }));
    EXPECT_EQ(memberIndex("Slow"), -1);
    EXPECT_EQ(notices.logoffs, std::vector<std::string>{"Slow"});
    EXPECT_TRUE(slow.drainUntilClosed()) << "its connection was closed";
    EXPECT_FALSE(flood->closedByPeer()) << "the flooder, who reads, keeps its place";
}

TEST_F(Hosting, ConnectionsWithoutLoginAndBeyondTheLimitAreClosed)
{
    server = std::make_unique<GameHost>(loop, notices);
    server->setLimits(1500, 2);
    std::string error;
    ASSERT_TRUE(server->startHosting(0, "Hal", nullptr, error));
    TestPeer first(server->port()), second(server->port());
    ASSERT_TRUE(loopUntil([&] { return server->connectionCount() == 2; }));
    TestPeer third(server->port());
    EXPECT_TRUE(third.waitForClose(loop)) << "beyond the limit";
    // Without a login the first two go after the login time.
    EXPECT_TRUE(first.waitForClose(loop));
    EXPECT_TRUE(second.waitForClose(loop));
    EXPECT_TRUE(notices.logoffs.empty()) << "never members, so no logoff";
}

TEST_F(Hosting, HostileFramesCloseOnlyWhenTooLarge)
{
    hostWithoutGame();
    auto ann = member("Ann");
    // Short and unknown frames are dropped; the connection stays.
    ann->sendRaw(std::string("\0\0\0\x02xx", 6));
    ann->send(K::msgLogin, "short");
    ann->send(999, "?");
    ann->send(K::msgChat, std::string("still\0here", 10));
    ASSERT_TRUE(ann->waitFor(loop, [](const std::vector<Frame>& f) {
        return std::any_of(f.begin(), f.end(), [](const Frame& x) { return text(x) == "Ann> still"; });
    }));
    EXPECT_EQ(server->members().size(), 2u) << "a second login changes nothing";
    ann->sendRaw(std::string("\x00\x10\x00\x01\x03\x00\x00\x00", 8));
    EXPECT_TRUE(ann->waitForClose(loop));
    ASSERT_TRUE(loopUntil([&] { return notices.logoffs.size() == 1; }));
}

TEST_F(Hosting, ShutdownTellsEveryoneAndWaitsForEveryThread)
{
    host({human("Hal")});
    auto ann = member("Ann");
    auto ben = member("Ben");
    TestPeer lurker(server->port());
    ASSERT_TRUE(loopUntil([&] { return server->connectionCount() == 3; }));
    server->shutdown();
    EXPECT_FALSE(server->hosting());
    EXPECT_EQ(server->connectionCount(), 0u);
    EXPECT_TRUE(ann->waitForKind(loop, K::msgHostShutdown));
    EXPECT_TRUE(ann->waitForClose(loop));
    EXPECT_TRUE(ben->waitForClose(loop));
    EXPECT_TRUE(lurker.waitForClose(loop));
    loop.runFor(50ms);
    EXPECT_TRUE(notices.logoffs.empty()) << "no logoff lines during a shutdown";
    EXPECT_FALSE(TestPeer(server->port()).connected()) << "nothing listens any more";
}

TEST_F(Hosting, ATakenPortIsReportedAndNothingKeepsRunning)
{
    hostWithoutGame();
    GameHost second(loop, notices);
    std::string error;
    EXPECT_FALSE(second.startHosting(server->port(), "Other", nullptr, error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(second.hosting());
}
