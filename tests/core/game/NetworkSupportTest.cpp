#include "GameFixture.h"

using namespace lettrava;
using namespace lettrava::test;

namespace {
class NetworkSupport : public GameFixture {
protected:
    NetworkSupport() { gridPath = gridFile({"CATS", "OPOT", "ATSX"}); }
    std::string gridPath;
};
} // namespace

TEST_F(NetworkSupport, SettingsRecordCarriesTheGameAndClampsWhatComesIn)
{
    newGame({human("Hal"), computer("Patsy")}, gridPath, 5, "1:30");
    game->networkMode = NetworkMode::Host;
    game->addRemotePlayer("Rita");
    GameInfo info;
    game->toSettingsRecord(info);
    EXPECT_EQ(info.roundsPerGame, 5);
    EXPECT_EQ(info.playerCount, 3);
    EXPECT_EQ(info.roundMinutes, 1);
    EXPECT_EQ(info.roundSeconds, 30);
    EXPECT_EQ(info.versionText, " 1.0");
    EXPECT_EQ(info.names[0], "Hal");
    EXPECT_EQ(info.kinds[0], 0);
    EXPECT_EQ(info.kinds[1], 2);
    EXPECT_EQ(info.kinds[2], 1);

    RecordingGameView clientView;
    auto client = Game::createClient(clientView);
    info.playerCount = 9;
    info.minWordLength = 40;
    info.maxWordLength = -3;
    info.currentRound = 5000;
    client->fromSettingsRecord(info);
    EXPECT_EQ(client->playerCount, 4);
    EXPECT_EQ(gridOptions().minWordLength, 18);
    EXPECT_EQ(gridOptions().maxWordLength, 18);
    EXPECT_EQ(client->currentRound, 20);
    EXPECT_EQ(client->remoteNames[2], "Rita");
}

TEST_F(NetworkSupport, PlayersScoresAndWordListsCrossOver)
{
    newGame({human("Hal"), computer("Patsy")}, gridPath);
    startRound();
    ASSERT_EQ(type("CATS"), 2 + 2);
    game->playerAt(1)->gameScore = 17;
    const std::string images = game->copyPlayers();
    ASSERT_EQ(images.size(), 2 * Player::kImageSize);
    const auto scores = game->scoresSnapshot();
    EXPECT_EQ(scores[0], 4);
    EXPECT_EQ(scores[1], 17);
    EXPECT_EQ(scores[4], 1);

    RecordingGameView clientView;
    auto client = Game::createClient(clientView);
    client->playerCount = 2;
    client->replacePlayers(reinterpret_cast<const unsigned char*>(images.data()), images.size());
    EXPECT_EQ(client->playerAt(0)->name, "Hal");
    EXPECT_EQ(clientView.names[1].text, "Patsy");
    EXPECT_TRUE(client->playerAt(0)->words.empty());

    std::string list("\x00\x00\x00\x00", 4);
    list += game->playerAt(0)->copyWordImages();
    list += "partial";
    client->replaceWordList(reinterpret_cast<const unsigned char*>(list.data()), list.size());
    ASSERT_EQ(client->playerAt(0)->words.size(), 1u);
    EXPECT_EQ(client->playerAt(0)->words[0].text, "CATS");
    EXPECT_TRUE(client->playerAt(0)->words[0].unique);

    client->applyScores({40, 41, 0, 0, 3});
    EXPECT_EQ(clientView.scores[1].text, "41");
    EXPECT_EQ(client->currentRound, 3);

    // Hostile input: short images, a slot that does not exist, garbage.
    client->replacePlayers(reinterpret_cast<const unsigned char*>(images.data()), 30);
    EXPECT_EQ(client->playerAt(1)->name, "");
    const std::string badSlot("\x07\x00\x00\x00garbage-garbage-garbage-garbage-", 36);
    client->replaceWordList(reinterpret_cast<const unsigned char*>(badSlot.data()), badSlot.size());
    client->replaceWordList(reinterpret_cast<const unsigned char*>(badSlot.data()), 2);
}

TEST_F(NetworkSupport, RemotePlayersFinishedMarksAndEmptySlots)
{
    newGame({human("Hal")}, gridPath);
    EXPECT_TRUE(game->addRemotePlayer("R1"));
    EXPECT_TRUE(game->addRemotePlayer("R2"));
    EXPECT_TRUE(game->addRemotePlayer("R3"));
    EXPECT_FALSE(game->addRemotePlayer("R4"));
    EXPECT_EQ(view.names[3].text, "R3");
    EXPECT_EQ(game->playerAt(3)->inputMethod, InputMethod::Remote);
    game->markLocalPlayersFinished();
    EXPECT_TRUE(game->playerAt(0)->finished);
    EXPECT_FALSE(game->allPlayersFinished());
    game->markPlayerFinished("R1");
    game->markPlayerFinished("R2");
    game->playerAt(3)->active = false; // logged off: not waited for
    EXPECT_TRUE(game->allPlayersFinished());
    game->placeEmptyPlayer(2);
    EXPECT_EQ(game->playerAt(2)->name, "");
    game->placeEmptyPlayer(7); // ignored
}
