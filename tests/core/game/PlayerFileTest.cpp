#include "GameFixture.h"

#include "core/platform/FileUtil.h"

using namespace lettrava;
using namespace lettrava::test;

namespace {
class PlayerFile : public GameFixture {
protected:
    PlayerFile() { gridPath = gridFile({"CATS", "OPOT", "ATSX"}); }
    std::filesystem::path file() const { return home_ / "LTPlayers.dat"; }
    std::string gridPath;
};
} // namespace

TEST_F(PlayerFile, FirstCompletedRoundOfAOnePlayerGameWritesOneRecord)
{
    EXPECT_FALSE(std::filesystem::exists(file()));
    newGame({human("Solo")}, gridPath, 2, "0:20");
    startRound();
    ASSERT_EQ(type("COATS"), 3);
    runToRoundEnd();
    ASSERT_EQ(std::filesystem::file_size(file()), 60u);
    PlayerFileManager reread(file());
    ASSERT_EQ(reread.records().size(), 1u);
    const Player& solo = *reread.records()[0];
    EXPECT_EQ(solo.name, "Solo");
    EXPECT_EQ(solo.longestWord, "COATS");
    EXPECT_EQ(solo.roundsPlayed, 1);
    EXPECT_EQ(solo.wordsFound, 1);
    EXPECT_EQ(solo.pointsScored, 3);
    EXPECT_EQ(solo.gamesCompleted, 0);

    // The program's store replaced in mid-game: the game keeps the store it
    // was made with, and its last round is written to that store's file.
    PlayerFileManager::useFile(home_ / "other.dat");
    startRound();
    ASSERT_EQ(type("CATS"), 2);
    runToRoundEnd();
    EXPECT_FALSE(std::filesystem::exists(home_ / "other.dat"));
    PlayerFileManager after(file());
    EXPECT_EQ(after.records()[0]->gamesCompleted, 1);
    EXPECT_EQ(after.records()[0]->wordsFound, 2);
    EXPECT_EQ(after.records()[0]->gamesWon, 0) << "a one-player game is never won";
    EXPECT_EQ(after.records()[0]->roundsPlayed, 2);
}

TEST_F(PlayerFile, RecordsByExactNameAndPartialTrailingRecord)
{
    Player a("Bob"), b("bob"), c("Christabel");
    a.gamesWon = 2;
    c.pointsScored = 77;
    writeFile(file(), a.toFileRecord() + b.toFileRecord() + c.toFileRecord().substr(0, 10));
    PlayerFileManager store(file());
    ASSERT_EQ(store.records().size(), 3u);
    EXPECT_EQ(store.records()[2]->name, "Christabel"); // the first 10 bytes
    EXPECT_EQ(store.records()[2]->pointsScored, 0);
    EXPECT_EQ(store.findByName("Bob")->gamesWon, 2);
    EXPECT_NE(store.findByName("bob"), store.findByName("Bob"));
    EXPECT_EQ(store.findByName("BOB"), nullptr);
    Player* again = store.registerForGame(nullptr, 1, "Bob", 0, nullptr);
    EXPECT_EQ(again, store.findByName("Bob"));
    store.registerForGame(nullptr, 0, "BOB", 0, nullptr);
    EXPECT_EQ(store.records().size(), 4u);
}

TEST_F(PlayerFile, AnAbortedRoundChangesNoLifetimeFigure)
{
    newGame({human("Ann")}, gridPath, 3, "0:30");
    startRound();
    type("COATS");
    runToRoundEnd();
    const std::string before = readFile(file());
    startRound();
    type("CATS");
    type("TACOS");
    game->requestRoundEnd(false);
    timers_.runFor(300);
    EXPECT_EQ(readFile(file()), before);
    const Player& ann = *PlayerFileManager::instance().findByName("Ann");
    EXPECT_EQ(ann.longestWord, "COATS");
    EXPECT_EQ(ann.roundsPlayed, 1);
}

TEST_F(PlayerFile, TieGivesNoWinAndRemotePlayersAreNeverWritten)
{
    newGame({human("Ann"), computer("Patsy")}, gridPath, 1, "0:15");
    EXPECT_TRUE(game->addRemotePlayer("Rita"));
    startRound();
    for (int i = 0; i < 3; ++i)
        game->playerAt(i)->active = true;
    runToRoundEnd();
    PlayerFileManager reread(file());
    for (const auto& p : reread.records())
        EXPECT_NE(p->name, "Rita");
    const bool tie = game->winner == nullptr;
    int wins = 0;
    for (const auto& p : reread.records())
        wins += p->gamesWon;
    EXPECT_EQ(wins, tie ? 0 : 1);
}

TEST_F(PlayerFile, ClientGamesNeverWriteAndFailedSavesKeepTheOldFile)
{
    RecordingGameView clientView;
    auto client = Game::createClient(clientView);
    client->playerCount = 1;
    client->placeEmptyPlayer(0);
    client->startRound();
    client->endRound();
    client->showRoundResults();
    EXPECT_TRUE(clientView.hasEvent("results:modeless"));
    EXPECT_FALSE(std::filesystem::exists(file()));

    Player a("Keeper");
    writeFile(file(), a.toFileRecord());
    PlayerFileManager& store = PlayerFileManager::useFile(file());
    store.registerForGame(nullptr, 1, "Newcomer", 0, nullptr);
    setAtomicWriteHookForTests([](const std::filesystem::path&) { return false; });
    EXPECT_FALSE(store.saveAll());
    setAtomicWriteHookForTests(nullptr);
    EXPECT_EQ(std::filesystem::file_size(file()), 60u);
    EXPECT_TRUE(store.saveAll());
    EXPECT_EQ(std::filesystem::file_size(file()), 120u);
}
