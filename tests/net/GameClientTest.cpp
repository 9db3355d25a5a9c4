// The client against a scripted host of the test's own on loopback: retries
// and giving up, cancel, the login record, keep-alives, frames worked off one
// per tick, settings before and after admission, results and the winner,
// reconnecting in mid-round, the host's shutdown, a silent host, chat commands.

#include "core/game/GameFixture.h"
#include "core/headless/TaskLoop.h"
#include "net/Connection.h"
#include "net/GameClient.h"
#include "net/GameHost.h"
#include "net/NetLoop.h"
#include "net/Payloads.h"

#include <asio.hpp>

#include <condition_variable>

using namespace lettrava;
using namespace lettrava::test;
using namespace std::chrono_literals;
namespace K = MessageKind;

namespace {

// A host played by the test: it accepts connections one at a time and
// collects what the client sends on a network loop of its own.
class FakeHost {
public:
    FakeHost() : acceptor_(net_.context(), {asio::ip::make_address("127.0.0.1"), 0}) {}
    ~FakeHost()
    {
        drop();
        connection_.reset();
        asio::error_code ignored;
        acceptor_.close(ignored);
        net_.stop(500ms);
    }

    std::uint16_t port() const { return acceptor_.local_endpoint().port(); }

    bool accept()
    {
        drop();
        asio::ip::tcp::socket socket(net_.context());
        asio::error_code ec;
        acceptor_.accept(socket, ec);
        if (ec)
            return false;
        {
            std::lock_guard lock(mutex_);
            frames_.clear();
        }
        sent_ = 0;
        connection_ = std::make_shared<Connection>(std::move(socket));
        Connection::Events events;
        events.frameArrived = [this](Frame&& f) {
            {
                std::lock_guard lock(mutex_);
                frames_.push_back(std::move(f));
            }
            changed_.notify_all();
        };
        connection_->start(std::move(events));
        return true;
    }
    void send(std::int32_t kind, const std::string& payload = {})
    {
        connection_->send(kind, payload);
        ++sent_;
    }
    void sendRaw(const std::string& bytes) { connection_->sendFrames({std::make_shared<const std::string>(bytes)}); }
    void drop()
    {
        if (connection_)
            connection_->close();
    }
    // Frames sent on the current connection.
    std::uint64_t sent() const { return sent_; }
    std::vector<Frame> frames() const
    {
        std::lock_guard lock(mutex_);
        return frames_;
    }
    long count(std::int32_t kind) const
    {
        const auto f = frames();
        return std::count_if(f.begin(), f.end(), [&](const Frame& x) { return x.kind == kind; });
    }
    // Waits (on the real clock: the client's I/O thread sends) for a frame of that kind.
    std::optional<Frame> waitFor(std::int32_t kind, long nth = 1)
    {
        std::unique_lock lock(mutex_);
        std::optional<Frame> found;
        changed_.wait_for(lock, 10s, [&] {
            long n = 0;
            for (const Frame& f : frames_)
                if (f.kind == kind && ++n == nth) {
                    found = f;
                    return true;
                }
            return false;
        });
        return found;
    }

private:
    NetLoop net_;
    asio::ip::tcp::acceptor acceptor_;
    std::shared_ptr<Connection> connection_;
    std::uint64_t sent_ = 0;
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<Frame> frames_;
};

class RecordingClientNotices : public ClientNotices {
public:
    void showStatus(const std::string& text) override { statuses.push_back(text); }
    void showAttempts(int n) override { attempts.push_back(n); }
    void connectFinished(bool connected) override { finished.push_back(connected); }
    void showChatLine(const std::string& line) override { chat.push_back(line); }
    void createClientGame() override
    {
        ++gamesMade;
        if (onCreateGame)
            onCreateGame();
    }
    void startRound() override
    {
        ++roundsStarted;
        if (onStartRound)
            onStartRound();
    }
    void applySettings() override { ++settingsApplied; }
    void setRoundLabel(const std::string& text) override { roundLabel = text; }
    void waiting(bool counts) override { waits.push_back(counts); }
    void resultsShown(int round) override { results.push_back(round); }
    void closeResults() override { ++resultsClosedByHost; }
    void connectionLost() override { ++lost; }
    void hostStartedNewGame() override { ++newGames; }
    void hostShutDown() override { ++shutdowns; }
    void frameRead(std::int32_t kind, bool dropped) override
    {
        (dropped ? droppedKinds : handledKinds).push_back(std::string(messageKindName(kind)));
    }

    std::vector<std::string> statuses, chat, handledKinds, droppedKinds;
    std::vector<int> attempts, results;
    std::vector<bool> finished, waits;
    std::string roundLabel;
    int gamesMade = 0, roundsStarted = 0, settingsApplied = 0, resultsClosedByHost = 0, lost = 0, newGames = 0,
        shutdowns = 0;
    std::function<void()> onCreateGame, onStartRound;
};

GameInfo settingsFor(int players, int rounds, int currentRound, int minutes = 0, int seconds = 30)
{
    GameInfo g;
    g.playerCount = players;
    g.roundsPerGame = rounds;
    g.currentRound = currentRound;
    g.automaticDuration = false;
    g.roundMinutes = minutes;
    g.roundSeconds = seconds;
    for (int i = 0; i < players; ++i) {
        g.names[static_cast<std::size_t>(i)] = i == 0 ? "Hal" : "Ann";
        g.kinds[static_cast<std::size_t>(i)] = 0;
    }
    return g;
}

std::string gridPayload()
{
    GridPayload p;
    p.columns = 4;
    p.rows = 4;
    p.image.fill(' ');
    const std::vector<std::string> rows = {"CATS", "OPOT", "ATSX", "XXXX"};
    for (int c = 1; c <= 4; ++c)
        for (int r = 1; r <= 4; ++r)
            p.image[static_cast<std::size_t>(c * 14 + r)] =
                static_cast<unsigned char>(rows[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(c - 1)]);
    return encodeGrid(p);
}

class Joining : public GameFixture {
protected:
    Joining()
    {
        client = std::make_unique<GameClient>(loop, notices);
        notices.onCreateGame = [this] {
            client->setGame(nullptr);
            game = Game::createClient(view);
            client->setGame(game.get());
        };
        notices.onStartRound = [this] { game->startRoundCommand(); };
    }
    ~Joining() override
    {
        client.reset();
        game.reset();
    }

    JoinRequest request(std::uint16_t port, const std::string& name = "Ann")
    {
        JoinRequest r;
        r.name = name;
        r.host = "127.0.0.1";
        r.port = port;
        return r;
    }
    // Connected to the fake host and logged in.
    void join()
    {
        ASSERT_TRUE(client->connect(request(host.port())));
        ASSERT_TRUE(host.accept());
        ASSERT_TRUE(loop.runUntil([&] { return !notices.finished.empty(); }, 10s));
        ASSERT_TRUE(notices.finished.back());
        ASSERT_TRUE(host.waitFor(K::msgLogin));
    }
    // The fake host sends, and the frame is in the client's inbox before the
    // test goes on: the ticks that follow find it there.
    void hostSends(std::int32_t kind, const std::string& payload = {})
    {
        host.send(kind, payload);
        ASSERT_TRUE(loop.runUntil([&] { return client->framesReceived() >= host.sent(); }, 10s))
            << "frame " << kind << " never arrived";
    }
    // One tick of the poll timer, after the loop's tasks.
    void tick()
    {
        loop.runPending();
        timers_.runFor(GameClient::kPollInterval);
        loop.runPending();
    }
    // Ticks until the condition holds; false after `limit` ticks.
    bool tickUntil(const std::function<bool()>& done, int limit = 50)
    {
        for (int i = 0; i < limit && !done(); ++i)
            tick();
        return done();
    }
    bool handled(const std::string& kind) const
    {
        return std::find(notices.handledKinds.begin(), notices.handledKinds.end(), kind) != notices.handledKinds.end();
    }
    // Admitted into a game of two with a running round on the test grid.
    void joinARunningRound(int rounds = 2, int minutes = 0, int seconds = 30)
    {
        join();
        hostSends(K::msgAdmitted);
        hostSends(K::msgSettings, encodeSettings(settingsFor(2, rounds, 1, minutes, seconds)));
        hostSends(K::msgGridNewRound, gridPayload());
        ASSERT_TRUE(tickUntil([&] { return game && game->roundRunning; }));
    }

    TaskLoop loop;
    RecordingClientNotices notices;
    FakeHost host;
    std::unique_ptr<GameClient> client;
};

// A loopback port where nothing listens: bound, never listening.
class RefusingPort {
public:
    RefusingPort() : socket_(io_, asio::ip::tcp::v4()) { socket_.bind({asio::ip::make_address("127.0.0.1"), 0}); }
    std::uint16_t port() const { return socket_.local_endpoint().port(); }

private:
    asio::io_context io_;
    asio::ip::tcp::socket socket_;
};

} // namespace

TEST_F(Joining, RefusedAttemptsAreRetriedUntilTheFortyFirstGivesUp)
{
    RefusingPort refusing;
    ASSERT_TRUE(client->connect(request(refusing.port())));
    for (int attempt = 1; attempt <= 41; ++attempt) {
        ASSERT_TRUE(loop.runUntil([&] { return client->attempts() == attempt; }, 10s)) << attempt;
        if (attempt <= 40) {
            ASSERT_EQ(notices.attempts.back(), attempt);
            EXPECT_EQ(notices.statuses.back().rfind("Connection failed with message: ", 0), 0u);
            EXPECT_NE(notices.statuses.back().find("\nWill retry (maybe host wasn't quite ready).  Press cancel to abort.\n"),
                      std::string::npos);
            timers_.runFor(GameClient::kRetryPause);
        }
    }
    EXPECT_EQ(notices.statuses.back(), "Maximum attempts reached.  Quitting...");
    EXPECT_EQ(notices.attempts.size(), 40u);
    EXPECT_TRUE(notices.finished.empty()) << "the last text stands for two seconds";
    timers_.runFor(1999);
    EXPECT_TRUE(notices.finished.empty());
    timers_.runFor(1);
    ASSERT_EQ(notices.finished, std::vector<bool>{false});
    const auto tries = std::count_if(notices.statuses.begin(), notices.statuses.end(),
                                     [](const std::string& s) { return s.rfind("Connecting to ", 0) == 0; });
    EXPECT_EQ(tries, 41);
    EXPECT_FALSE(client->connecting());
}

TEST_F(Joining, CancelEndsTheAttemptsAndEmptyFieldsAreRefused)
{
    JoinRequest noName = request(1);
    noName.name.clear();
    EXPECT_FALSE(client->connect(noName));
    JoinRequest noHost = request(1);
    noHost.host.clear();
    EXPECT_FALSE(client->connect(noHost));
    ASSERT_EQ(dialogs_.messages.size(), 2u);
    EXPECT_EQ(dialogs_.messages[0].text, "Please type or select a player name.");
    EXPECT_EQ(dialogs_.messages[1].text, "Please enter an IP address or host name.");
    EXPECT_EQ(dialogs_.messages[1].caption, "Error");

    RefusingPort refusing;
    ASSERT_TRUE(client->connect(request(refusing.port())));
    ASSERT_TRUE(loop.runUntil([&] { return client->attempts() == 1; }, 10s));
    client->cancel();
    EXPECT_EQ(notices.finished, std::vector<bool>{false});
    timers_.runFor(10'000);
    loop.runFor(50ms);
    EXPECT_EQ(client->attempts(), 1) << "no attempt after the cancel";
}

TEST_F(Joining, LogsInWithItsRecordAndKeepsTheConnectionAlive)
{
    JoinRequest r = request(host.port(), "AVeryLongPlayerName");
    r.email = std::string(40, 'e');
    r.message = "Hello";
    ASSERT_TRUE(client->connect(r));
    ASSERT_TRUE(host.accept());
    ASSERT_TRUE(loop.runUntil([&] { return !notices.finished.empty(); }, 10s));
    const auto login = host.waitFor(K::msgLogin);
    ASSERT_TRUE(login);
    const TGameClient me = TGameClient::fromImage(login->payload);
    EXPECT_EQ(me.name, "AVeryLongPlayerN");
    EXPECT_EQ(me.versionText, " 1.0");
    EXPECT_EQ(me.email, std::string(30, 'e'));
    EXPECT_EQ(me.message, "Hello");
    EXPECT_EQ(me.status, MemberStatus::Connected);
    EXPECT_FALSE(me.hostName.empty());

    // Ten seconds of silence, then a keep-alive at the next tick.
    const std::uint32_t loggedIn = clock_.tickCount();
    while (clock_.tickCount() + GameClient::kPollInterval - loggedIn <= GameClient::kKeepAliveAfter)
        tick();
    loop.runFor(50ms);
    EXPECT_EQ(host.count(K::msgKeepAlive), 0);
    tick();
    EXPECT_TRUE(host.waitFor(K::msgKeepAlive));
    const long keepAlives = host.count(K::msgKeepAlive);
    // Chatting every few seconds needs none.
    for (int i = 0; i < 10; ++i) {
        client->sendChatInput("line " + std::to_string(i));
        for (int t = 0; t < 10; ++t)
            tick();
    }
    EXPECT_TRUE(host.waitFor(K::msgChat, 10));
    EXPECT_EQ(host.count(K::msgKeepAlive), keepAlives);
}

TEST_F(Joining, SettingsWaitForTheAdmissionAndABurstIsWorkedOffOneFramePerTick)
{
    join();
    hostSends(K::msgSettings, encodeSettings(settingsFor(2, 3, 0)));
    ASSERT_TRUE(tickUntil([&] { return !notices.droppedKinds.empty(); }));
    EXPECT_EQ(notices.droppedKinds, std::vector<std::string>{"msgSettings"}) << "no client game yet";
    EXPECT_EQ(notices.settingsApplied, 0);

    hostSends(K::msgAdmitted);
    hostSends(K::msgSettings, encodeSettings(settingsFor(2, 3, 0)));
    for (int i = 0; i < 4; ++i)
        hostSends(K::msgChatLine, "line " + std::to_string(i));
    std::vector<std::size_t> handledAfterTick;
    for (int t = 0; t < 6; ++t) {
        tick();
        handledAfterTick.push_back(notices.handledKinds.size());
    }
    EXPECT_EQ(handledAfterTick, (std::vector<std::size_t>{1, 2, 3, 4, 5, 6}));
    ASSERT_TRUE(game);
    EXPECT_EQ(notices.settingsApplied, 1);
    EXPECT_EQ(game->playerCount, 2);
    EXPECT_EQ(game->roundsPerGame, 3);
    EXPECT_EQ(game->remoteNames[1], "Ann");
    ASSERT_NE(game->playerAt(1), nullptr) << "every slot gets a player";
    EXPECT_EQ(notices.roundLabel, "Round 1") << "round 0 shows as round 1";
    EXPECT_EQ(notices.chat.back(), "line 3");

    // Half a frame: the tick does not wait for the rest, and the whole frame
    // is handled at the tick after it has come. What it shows is plain and cut.
    const std::string frame = encodeFrame(K::msgChatLine, "Bob> \x1b[2Jbell\a" + std::string(2000, 'b'));
    host.sendRaw(frame.substr(0, 12));
    for (int t = 0; t < 3; ++t)
        tick();
    EXPECT_EQ(notices.handledKinds.size(), 6u);
    host.sendRaw(frame.substr(12));
    ASSERT_TRUE(loop.runUntil([&] { return client->framesWaiting() == 1; }, 10s));
    tick();
    EXPECT_EQ(notices.chat.back(), "Bob>  [2Jbell " + std::string(GameClient::kMaxShownLine - 14, 'b'));
}

TEST_F(Joining, AWholeRoundWithVerdictResultsAndTheWinnerAfterTheLast)
{
    joinARunningRound(1);
    EXPECT_EQ(gridOptions().gridColumns, 4);
    EXPECT_EQ(game->round()->grid().letterAt(1, 1), 'C');

    game->wordEntry().typedTextChanged("COATS");
    game->wordEntry().submitTyped();
    const auto word = host.waitFor(K::msgSubmitWord);
    ASSERT_TRUE(word);
    EXPECT_EQ(decodeText(word->payload), "COATS");
    hostSends(K::msgWordVerdict, encodeVerdict({5, "COATS"}));
    ASSERT_TRUE(tickUntil([&] { return handled("msgWordVerdict"); }));
    EXPECT_EQ(sounds_.played().back(), SoundEvent::GoodWord);

    hostSends(K::msgScores, encodeScores({0, 5, 0, 0, 1}));
    ASSERT_TRUE(tickUntil([&] { return handled("msgScores"); }));
    EXPECT_EQ(game->playerAt(1)->gameScore, 5);

    // The round ends by the client's own clock: it says so to the host.
    ASSERT_TRUE(tickUntil([&] { return !game->roundRunning; }, 200));
    EXPECT_TRUE(host.waitFor(K::msgRoundFinished));
    EXPECT_EQ(notices.waits, std::vector<bool>{true});

    hostSends(K::msgResultsReady);
    ASSERT_TRUE(tickUntil([&] { return handled("msgResultsReady"); }));
    EXPECT_TRUE(notices.results.empty()) << "after the last round the results come with the winner";
    // The congratulations stand open for 30 seconds: the ticks go on and keep
    // the connection alive, and what the host sends meanwhile waits for them.
    const long aliveBefore = host.count(K::msgKeepAlive);
    std::string shownDuringTheBox;
    view.onCongratulations = [&] {
        hostSends(K::msgChatLine, "while the box is up");
        timers_.runFor(30'000);
        shownDuringTheBox = notices.chat.empty() ? std::string() : notices.chat.back();
    };
    hostSends(K::msgWinner, "Ann");
    ASSERT_TRUE(tickUntil([&] { return handled("msgWinner"); }));
    EXPECT_TRUE(host.waitFor(K::msgKeepAlive, aliveBefore + 2)) << "keep-alives while the box was up";
    EXPECT_NE(shownDuringTheBox, "while the box is up");
    ASSERT_TRUE(tickUntil([&] { return !notices.chat.empty() && notices.chat.back() == "while the box is up"; }));
    EXPECT_TRUE(view.hasEvent("congratulations:Ann"));
    EXPECT_EQ(notices.results, std::vector<int>{1});

    client->resultsClosed();
    client->resultsClosed();
    EXPECT_TRUE(host.waitFor(K::msgReady));
    loop.runFor(50ms);
    EXPECT_EQ(host.count(K::msgReady), 1) << "once per results window";

    hostSends(K::msgNewGame);
    ASSERT_TRUE(tickUntil([&] { return notices.newGames == 1; }));
    EXPECT_EQ(client->game(), nullptr);
    EXPECT_EQ(notices.chat.back(), "*** The Host started a new game.");
}

TEST_F(Joining, AReconnectInMidRoundKeepsTheClientsOwnRound)
{
    joinARunningRound();
    const Round* round = game->round();
    host.drop();
    ASSERT_TRUE(loop.runUntil([&] { return !client->isConnected(); }, 10s));
    ASSERT_TRUE(tickUntil([&] { return notices.lost == 1; }));
    EXPECT_EQ(notices.chat.back(), "Disconnected");

    client->reconnect();
    ASSERT_TRUE(host.accept());
    ASSERT_TRUE(loop.runUntil([&] { return notices.finished.size() == 2; }, 10s));
    ASSERT_TRUE(notices.finished.back());
    EXPECT_TRUE(host.waitFor(K::msgLogin));
    EXPECT_TRUE(client->reconnecting());

    // What a returning player is sent: ignored while reconnecting.
    hostSends(K::msgRejoinGame);
    hostSends(K::msgSettingsRejoin, encodeSettings(settingsFor(2, 2, 1)));
    hostSends(K::msgGridRejoin, gridPayload());
    hostSends(K::msgTimeLeft, encodeInt32(3));
    ASSERT_TRUE(tickUntil([&] { return notices.droppedKinds.size() >= 3; }));
    EXPECT_EQ(notices.droppedKinds, (std::vector<std::string>{"msgRejoinGame", "msgGridRejoin", "msgTimeLeft"}));
    EXPECT_EQ(game->round(), round) << "the round in progress was kept";
    EXPECT_EQ(notices.gamesMade, 1);
    EXPECT_GT(game->round()->secondsLeftNow(), 3) << "and not re-timed";

    ASSERT_TRUE(tickUntil([&] { return !game->roundRunning; }, 200));
    hostSends(K::msgGridNewRound, gridPayload());
    ASSERT_TRUE(tickUntil([&] { return notices.roundsStarted == 2; }));
    EXPECT_FALSE(client->reconnecting());
}

TEST_F(Joining, TheHostsShutdownIsANoticeNotALostConnection)
{
    join();
    hostSends(K::msgHostShutdown);
    host.drop();
    ASSERT_TRUE(tickUntil([&] { return notices.shutdowns == 1; }));
    ASSERT_FALSE(dialogs_.messages.empty());
    EXPECT_EQ(dialogs_.messages.back().text, "The host has shut down abruptly (but deliberately)");
    EXPECT_EQ(dialogs_.messages.back().caption, "Notice");
    for (int i = 0; i < 5; ++i)
        tick();
    EXPECT_EQ(notices.lost, 0);
    EXPECT_TRUE(client->hostStopped());
}

TEST_F(Joining, ASilentHostInARunningRoundOrAnOversizedFrameIsALostConnection)
{
    // A long round, and a host that goes quiet without closing.
    joinARunningRound(1, 3, 0);
    ASSERT_TRUE(tickUntil([&] { return notices.lost == 1; }, 400));
    EXPECT_GT(clock_.tickCount(), GameClient::kHostSilenceLimit);

    client->reconnect();
    ASSERT_TRUE(host.accept());
    ASSERT_TRUE(loop.runUntil([&] { return notices.finished.size() == 2; }, 10s));
    host.sendRaw(std::string("\x7f\xff\xff\xff\x01\x00\x00\x00", 8));
    ASSERT_TRUE(loop.runUntil([&] { return !client->isConnected(); }, 10s));
    ASSERT_TRUE(tickUntil([&] { return notices.lost == 2; }));
}

TEST_F(Joining, ChatCommandsAreCheckedHere)
{
    join();
    TGameClient hal, bob;
    hal.name = "Hal";
    bob.name = "Bob";
    hostSends(K::msgMemberList, encodeMemberList({hal, bob}));
    ASSERT_TRUE(tickUntil([&] { return client->members().size() == 2; }));
    const std::size_t before = notices.chat.size();
    client->sendChatInput("/n bob");
    client->sendChatInput("/n " + std::string(17, 'x'));
    client->sendChatInput("/w x");
    client->sendChatInput("/w Nobody hi");
    client->sendChatInput("/W Bob hi");
    client->sendChatInput("/w");
    client->sendChatInput("/w BOB  hi there");
    const std::vector<std::string> lines(notices.chat.begin() + static_cast<long>(before), notices.chat.end());
    EXPECT_EQ(lines, (std::vector<std::string>{"That name is already in use.", "Names can be at most 16 characters long.",
                                               "Recipient missing.  Whisper format: \"/w [name] [message]\"",
                                               "There is no one here by the name of \"Nobody\"",
                                               "Sorry, I don't understand that command.",
                                               "You whispered to BOB:  hi there"}));
    client->sendChatInput("/n " + std::string(16, 'y'));
    const auto rename = host.waitFor(K::msgRename);
    ASSERT_TRUE(rename);
    EXPECT_EQ(decodeText(rename->payload), std::string(16, 'y'));
    const auto whisper = host.waitFor(K::msgWhisper);
    ASSERT_TRUE(whisper);
    EXPECT_EQ(decodeText(whisper->payload), "BOB  hi there");

    // A member ready by name; an unknown name changes nothing.
    hostSends(K::msgMemberReady, "Bob");
    hostSends(K::msgMemberReady, "Zed");
    ASSERT_TRUE(tickUntil([&] { return notices.handledKinds.size() >= 3; }));
    EXPECT_EQ(client->members()[1].status, MemberStatus::Ready);
    EXPECT_EQ(client->members()[0].status, MemberStatus::Connected);
}

namespace {

class QuietHostNotices : public HostNotices {
public:
    void showChatLine(const std::string&) override {}
};

} // namespace

TEST_F(Joining, AgainstTheRealHostAWordIsJudgedAndASecondAnnIsRenamed)
{
    // The host's game and the clients' games share this process's clock and timers.
    RecordingGameView hostView;
    GameSetup s = gridFileSetup({human("Hal")}, gridFile({"CATS", "OPOT", "ATSX", "XXXX"}, "host.grd"), 1, "0:30");
    s.bonusWordEnabled = false;
    s.listenForNetworkPlayers = true;
    auto hostGame = Game::createFromSetup(hostView, s);
    QuietHostNotices hostNotices;
    GameHost host(loop, hostNotices);
    std::string error;
    ASSERT_TRUE(host.startHosting(0, "Hal", hostGame.get(), error)) << error;

    ASSERT_TRUE(client->connect(request(host.port())));
    // Listed at once, seatable once its login has run its course.
    ASSERT_TRUE(loop.runUntil([&] { return host.canAddMember(1); }, 10s));
    ASSERT_TRUE(host.addSelectedMember(1));
    // Frames come from the real host when they come: each tick waits (on the
    // real clock) until one is in the inbox.
    const auto tickAsArrived = [&](GameClient& c, const std::function<bool()>& done) {
        for (int i = 0; i < 100 && !done(); ++i) {
            loop.runUntil([&] { return c.framesWaiting() > 0 || done(); }, 1s);
            tick();
        }
        return done();
    };
    ASSERT_TRUE(tickAsArrived(*client, [&] { return game != nullptr && notices.settingsApplied > 0; }));
    hostGame->startRoundCommand();
    hostGame->round()->solver()->waitFor();
    ASSERT_TRUE(tickAsArrived(*client, [&] { return game->roundRunning; }));
    EXPECT_EQ(game->round()->grid().letterAt(1, 1), 'C');

    game->wordEntry().typedTextChanged("COATS");
    game->wordEntry().submitTyped();
    ASSERT_TRUE(tickAsArrived(*client, [&] { return handled("msgWordVerdict"); }));
    EXPECT_EQ(hostGame->findRemotePlayer("Ann")->wordsThisRound, 1);

    // The same name again, while Ann is still connected: a new member with a free name.
    RecordingClientNotices secondNotices;
    GameClient second(loop, secondNotices);
    ASSERT_TRUE(second.connect(request(host.port())));
    ASSERT_TRUE(loop.runUntil([&] { return host.members().size() == 3; }, 10s));
    EXPECT_EQ(host.members()[2].name, "Ann2");
    const auto noteShown = [&] {
        return std::any_of(secondNotices.chat.begin(), secondNotices.chat.end(), [](const std::string& l) {
            return l.find("Your name was modified because it was already taken.") != std::string::npos;
        });
    };
    EXPECT_TRUE(tickAsArrived(second, noteShown));

    // Ann renames herself; a reconnect then logs in under the new name, and
    // she returns to the seat that took the name along.
    client->sendChatInput("/n Annabel");
    ASSERT_TRUE(tickAsArrived(*client, [&] { return client->request().name == "Annabel"; }));
    EXPECT_TRUE(loop.runUntil([&] { return hostGame->playerAt(1)->name == "Annabel"; }, 10s));
    client->dropConnection();
    ASSERT_TRUE(loop.runUntil([&] { return !client->isConnected(); }, 10s));
    ASSERT_TRUE(tickUntil([&] { return notices.lost == 1; }));
    ASSERT_TRUE(loop.runUntil([&] { return host.members().size() == 2; }, 10s)) << "the old connection is gone";
    client->reconnect();
    ASSERT_TRUE(loop.runUntil([&] { return host.members().size() == 3; }, 10s));
    EXPECT_EQ(host.members()[2].name, "Annabel");
    EXPECT_TRUE(tickAsArrived(*client, [&] {
        return std::find(notices.chat.begin(), notices.chat.end(), " >>> Welcome back.  There is still time to submit words!") !=
               notices.chat.end();
    }));
    second.shutdown();
    client->shutdown();
    host.shutdown();
    client->setGame(nullptr);
    game.reset();
}
