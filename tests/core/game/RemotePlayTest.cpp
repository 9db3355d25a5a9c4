// The game operations a host and a client call for remote players: who may
// submit a remote word and when, the host hooks in the order a round calls
// them, players replaced in place, the clock following the host, and a
// client's words leaving for the host.

#include "GameFixture.h"
#include "core/headless/RecordingSounds.h"

using namespace lettrava;
using namespace lettrava::test;

namespace {

const std::vector<std::string> kGrid = {"CATS", "OPOT", "ATSX", "XXXX"};

// Writes down every hook call as one line.
class RecordingHostLink : public HostLink {
public:
    explicit RecordingHostLink(Game*& game) : game_(game) {}
    void sendPlayers() override { calls.push_back("players"); }
    void sendSettings() override { calls.push_back("settings"); }
    void sendGrid(const Grid& grid) override { calls.push_back(std::string("grid ") + grid.letterAt(1, 1)); }
    void sendScores() override { calls.push_back("scores " + std::to_string(game_->scoresSnapshot()[0])); }
    void sendBonusHint(const std::string& shown, int points) override
    {
        calls.push_back("bonus " + shown + " " + std::to_string(points));
    }
    void sendRoundEnd(bool counts) override { calls.push_back(counts ? "end counts" : "end void"); }
    void sendRoundResults(bool counts) override { calls.push_back(counts ? "results counts" : "results void"); }
    void sendWinner(const std::string& text) override { calls.push_back("winner " + text); }

    std::vector<std::string> calls;
    std::size_t count(const std::string& prefix) const
    {
        return static_cast<std::size_t>(std::count_if(calls.begin(), calls.end(),
                                                      [&](const std::string& c) { return c.rfind(prefix, 0) == 0; }));
    }

private:
    Game*& game_;
};

class RemotePlay : public GameFixture {
protected:
    RemotePlay() { gridPath = gridFile(kGrid); }

    Game& hostGame(const std::vector<PlayerChoice>& players, int rounds = 3, bool bonus = false)
    {
        GameSetup s = gridFileSetup(players, gridPath, rounds, "auto");
        s.bonusWordEnabled = bonus;
        s.listenForNetworkPlayers = true;
        s.portText = "9789";
        game = Game::createFromSetup(view, s);
        rawGame = game.get();
        game->setHostLink(&link);
        return *game;
    }

    std::string gridPath;
    Game* rawGame = nullptr;
    RecordingHostLink link{rawGame};
};

} // namespace

TEST_F(RemotePlay, RemoteWordsAreJudgedOnlyForRemotePlayersWhileTheRoundIsOpen)
{
    hostGame({human("Hal"), computer("Patsy")});
    ASSERT_TRUE(game->addRemotePlayer("Rita"));
    // Before the first round there is no grid to judge against.
    EXPECT_EQ(game->submitRemoteWord("Rita", "CAT"), std::nullopt);
    EXPECT_TRUE(game->playerAt(2)->words.empty());

    startRound();
    EXPECT_EQ(game->submitRemoteWord("Rita", "CATS"), 2 + 2);
    // Neither the computer opponent nor the host's own seat can be played from afar.
    EXPECT_EQ(game->submitRemoteWord("Patsy", "COATS"), Verdict::NoSuchPlayer);
    EXPECT_EQ(game->submitRemoteWord("Hal", "COATS"), Verdict::NoSuchPlayer);
    EXPECT_TRUE(game->playerAt(1)->words.empty());
    EXPECT_EQ(game->findRemotePlayer("Patsy"), nullptr);
    EXPECT_EQ(game->findRemotePlayer("Rita"), game->playerAt(2));

    // After the host's round ended, words still count while it waits for the
    // remote players, and not once the round is credited.
    game->requestRoundEnd(true);
    timers_.runUntil([this] { return !game->roundRunning; }, 10'000);
    ASSERT_TRUE(game->hostWaiting());
    EXPECT_EQ(game->submitRemoteWord("Rita", "COAT"), 2 + 2);
    const int scoreBefore = game->playerAt(2)->gameScore;
    game->markPlayerFinished("Rita");
    timers_.runUntil([this] { return !game->hostWaiting(); }, 20'000);
    EXPECT_EQ(game->submitRemoteWord("Rita", "TACO"), std::nullopt);
    EXPECT_EQ(game->playerAt(2)->gameScore, scoreBefore);
}

TEST_F(RemotePlay, AHostedRoundCallsEveryHookInOrder)
{
    hostGame({human("Hal"), computer("Patsy")}, 1, true);
    ASSERT_TRUE(game->addRemotePlayer("Rita"));
    startRound();
    ASSERT_GE(link.calls.size(), 3u);
    EXPECT_EQ(link.calls[0], "players") << "the first round sends the players before it starts";
    EXPECT_EQ(link.calls[1], "settings");
    EXPECT_EQ(link.calls[2], "grid C");

    type("CATS");
    timers_.runFor(6'000); // 20 ticks
    EXPECT_EQ(link.count("scores"), 1u);
    EXPECT_EQ(link.count("scores 4"), 1u);
    EXPECT_GE(link.count("bonus "), 1u) << "the hint goes out as shown";
    timers_.runFor(6'000);
    EXPECT_EQ(link.count("scores"), 2u);

    // The host's abort reaches the clients once, before its round ends.
    game->requestRoundEnd(true);
    game->requestRoundEnd(true);
    EXPECT_EQ(link.count("end counts"), 1u);
    timers_.runUntil([this] { return !game->roundRunning; }, 10'000);

    // Rita never finishes: after 15 s the clients are forced to finish, the
    // bonus word is revealed, then the results and, this being the last
    // round, the winner.
    link.calls.clear();
    timers_.runUntil([this] { return !game->hostWaiting(); }, 20'000);
    EXPECT_EQ(view.status, "Wait time limit exceeded. Forcing round completion.");
    ASSERT_GE(link.calls.size(), 3u);
    EXPECT_EQ(link.calls[0], "end counts");
    EXPECT_EQ(link.calls[1].rfind("bonus ", 0), 0u);
    EXPECT_EQ(link.calls[1].find('_'), std::string::npos) << "revealed whole: " << link.calls[1];
    EXPECT_EQ(link.calls[2], "results counts");
    EXPECT_EQ(link.calls.back(), "winner " + game->winnerText());
}

TEST_F(RemotePlay, AVoidRoundOnTheHostTellsTheClientsAndIsPlayedAgain)
{
    hostGame({human("Hal")}, 3);
    ASSERT_TRUE(game->addRemotePlayer("Rita"));
    startRound();
    game->requestRoundEnd(false);
    timers_.runUntil([this] { return !game->roundRunning; }, 10'000);
    EXPECT_EQ(game->secondsLeftInRunningRound(), 0) << "an aborted round has no time left";
    EXPECT_EQ(game->currentRound, 0);
    game->markPlayerFinished("Rita");
    timers_.runUntil([this] { return !game->hostWaiting(); }, 20'000);
    EXPECT_TRUE(view.hasEvent("status:All players finished."));
    EXPECT_EQ(link.count("end void"), 1u);
    EXPECT_EQ(link.count("results void"), 1u);
    EXPECT_EQ(link.count("end counts"), 0u);
}

TEST_F(RemotePlay, SecondsLeftFollowTheRunningRoundOnly)
{
    newGame({human("Ann")}, gridPath);
    EXPECT_EQ(game->secondsLeftInRunningRound(), 0);
    startRound();
    EXPECT_EQ(game->secondsLeftInRunningRound(), 90);
    clock_.advance(30'500);
    EXPECT_EQ(game->secondsLeftInRunningRound(), 60);
    game->abortRoundForClose();
    EXPECT_EQ(game->secondsLeftInRunningRound(), 0);
}

TEST_F(RemotePlay, TheClientClockTakesTheHostsSecondsWithinTheRound)
{
    newGame({human("Ann")}, gridPath);
    startRound();
    Round& r = *game->round();
    r.syncTimeLeft(21);
    r.updateClock();
    EXPECT_EQ(r.timeLeft, 21);
    // A number beyond the round would end it at once, a huge one overflowed.
    r.syncTimeLeft(2'000'000'000);
    r.updateClock();
    EXPECT_EQ(r.timeLeft, 90);
    r.syncTimeLeft(-50);
    r.updateClock();
    EXPECT_EQ(r.timeLeft, 0);
    EXPECT_TRUE(game->roundRunning);
}

TEST_F(RemotePlay, ReplacedPlayersKeepTheirObjectsAndShortImagesKeepDefaults)
{
    hostGame({human("Hal"), computer("Patsy")});
    game->addRemotePlayer("Rita");
    startRound();
    type("CATS");
    const std::string images = game->copyPlayers();

    RecordingGameView clientView;
    auto client = Game::createClient(clientView);
    client->playerCount = 3;
    for (int i = 0; i < 3; ++i)
        client->placeEmptyPlayer(i);
    Player* held[3] = {client->playerAt(0), client->playerAt(1), client->playerAt(2)};
    client->playerAt(0)->addWord(LVWord("OLD"));

    client->replacePlayers(reinterpret_cast<const unsigned char*>(images.data()), images.size());
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(client->playerAt(i), held[i]) << "an open results window points at these";
    EXPECT_EQ(held[0]->name, "Hal");
    EXPECT_EQ(held[0]->gameScore, 4);
    EXPECT_TRUE(held[0]->words.empty());
    EXPECT_EQ(held[2]->name, "Rita");
    EXPECT_EQ(held[2]->inputMethod, InputMethod::Remote);
    EXPECT_EQ(clientView.names[2].text, "Rita");

    // Again with the last image cut short: its missing fields keep a new
    // player's values (active) instead of zeros.
    client->replacePlayers(reinterpret_cast<const unsigned char*>(images.data()), 2 * Player::kImageSize + 40);
    EXPECT_EQ(client->playerAt(2), held[2]);
    EXPECT_TRUE(held[2]->active);
    EXPECT_EQ(held[2]->name, "");
}

TEST_F(RemotePlay, ARenameReachesThePlayerAndItsLabel)
{
    hostGame({human("Hal")});
    game->addRemotePlayer("Rita");
    EXPECT_TRUE(game->renamePlayer("Rita", "Roberta"));
    EXPECT_EQ(game->playerAt(1)->name, "Roberta");
    EXPECT_EQ(view.names[1].text, "Roberta");
    EXPECT_FALSE(game->renamePlayer("rita", "X")) << "the old name is compared exactly";
    EXPECT_TRUE(game->renamePlayer("Roberta", "A-very-long-name-indeed"));
    EXPECT_EQ(game->playerAt(1)->name, "A-very-long-name");
}

namespace {
class RecordingClientLink : public ClientLink {
public:
    void sendWord(const std::string& text) override { words.push_back(text); }
    std::vector<std::string> words;
};
} // namespace

TEST_F(RemotePlay, AClientsWordsLeaveForTheHostAndItsVerdictsSound)
{
    RecordingGameView clientView;
    auto client = Game::createClient(clientView);
    RecordingClientLink out;
    client->setClientLink(&out);
    client->playerCount = 2;
    client->placeEmptyPlayer(0);
    client->placeEmptyPlayer(1);

    // No round yet: nothing leaves.
    client->wordEntry().typedTextChanged("CAT");
    client->wordEntry().submitTyped();
    EXPECT_TRUE(out.words.empty());

    gridOptions().gridColumns = 4;
    gridOptions().gridRows = 4;
    auto grid = std::make_unique<Grid>(false);
    const std::string rows[] = {"CATS", "OPOT", "ATSX", "XXXX"};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            grid->setLetter(c + 1, r + 1, rows[r][static_cast<std::size_t>(c)]);
    client->setReceivedGrid(std::move(grid));
    client->startRoundCommand();
    client->round()->solver()->waitFor();
    ASSERT_TRUE(client->roundRunning);

    client->wordEntry().typedTextChanged("CATS");
    client->wordEntry().submitTyped();
    // A clicked word goes the same way: one person types and clicks.
    client->wordEntry().leftClick(0, 0);
    client->wordEntry().leftClick(1, 0);
    client->wordEntry().leftClick(2, 0);
    client->wordEntry().rightClick();
    EXPECT_EQ(out.words, (std::vector<std::string>{"CATS", "CAT"}));
    EXPECT_TRUE(client->playerAt(0)->words.empty()) << "nothing is judged on the client";

    sounds_.requests.clear();
    client->showRemoteVerdict(4, "CATS");
    EXPECT_EQ(clientView.status, verdictMessage(4, "CATS", 3, 18));
    client->showRemoteVerdict(Verdict::NeedsReuse, "TOOT");
    client->showRemoteVerdict(Verdict::NotInGrid, "ZZZ");
    client->showRemoteVerdict(Verdict::NotInDictionary, "TACS");
    client->showRemoteVerdict(Verdict::TooLong, "CATSCATSCATSCATSCATS");
    client->showRemoteVerdict(Verdict::NoSuchPlayer, "CAT");
    EXPECT_EQ(sounds_.played(), (std::vector<SoundEvent>{SoundEvent::GoodWord, SoundEvent::WordNotInGrid,
                                                         SoundEvent::WordNotInGrid, SoundEvent::WordNotInDict}));
    client->showRemoteVerdict(Verdict::Offensive, "CRAP");
    EXPECT_EQ(sounds_.requests.back().kind, RecordingSounds::Request::Offensive);

    // The host ends the round as not counting: the client plays it again
    // under the same number.
    client->currentRound = 2;
    client->requestRoundEnd(false);
    client->tick();
    EXPECT_FALSE(client->roundRunning);
    EXPECT_EQ(client->currentRound, 1);
}
