#include "GameFixture.h"
#include "core/headless/RecordingSounds.h"

using namespace lettrava;
using namespace lettrava::test;

namespace {

const std::vector<std::string> kGrid = {"CATS", "OPOT", "ATSX", "XXXX"};

class GameEnd : public GameFixture {
protected:
    GameEnd() { gridPath = gridFile(kGrid); }

    // Gives the players final figures and decides.
    void decide(const std::vector<std::tuple<int, int, std::string, int>>& figures)
    {
        for (std::size_t i = 0; i < figures.size(); ++i) {
            Player& p = *game->playerAt(static_cast<int>(i));
            std::tie(p.gameScore, p.wordsThisGame, p.longestThisGame, p.roundScore) = figures[i];
        }
        game->decideWinner();
    }
    std::string gridPath;
};

} // namespace

TEST_F(GameEnd, WinnerAndEveryTieBreak)
{
    newGame({human("A"), computer("Patsy"), computer("Pushover")}, gridPath);
    decide({{30, 5, "CAT", 3}, {30, 5, "DOG", 3}, {20, 9, "LONGER", 9}});
    EXPECT_EQ(game->winner, nullptr);
    EXPECT_EQ(game->winnerText(), "It was a tie!");
    decide({{20, 5, "CAT", 3}, {30, 5, "CAT", 3}, {30, 5, "CAT", 3}});
    EXPECT_EQ(game->winner, nullptr);
    decide({{30, 5, "CAT", 3}, {20, 5, "CAT", 3}, {40, 5, "CAT", 3}});
    EXPECT_EQ(game->winnerText(), "Pushover");
    decide({{30, 5, "CAT", 3}, {30, 6, "CAT", 3}, {30, 5, "CAT", 3}});
    EXPECT_EQ(game->winnerText(), "Patsy") << "more words break a tie of scores";
    decide({{30, 5, "CATS", 3}, {30, 5, "CAT", 3}, {30, 5, "CAT", 9}});
    EXPECT_EQ(game->winnerText(), "A") << "then the longer longest word";
    decide({{30, 5, "CAT", 3}, {30, 5, "DOG", 4}, {30, 5, "CAT", 3}});
    EXPECT_EQ(game->winnerText(), "Patsy") << "then the last round's score";
    decide({{30, 5, "CAT", 3}, {30, 5, "CAT", 3}, {40, 5, "CAT", 3}});
    EXPECT_EQ(game->winnerText(), "Pushover") << "a better later player clears an earlier tie";
}

TEST_F(GameEnd, TwoPlayerGameEndsWithCongratulationsThenTheFinalResults)
{
    newGame({human("Ann"), computer("Patsy")}, gridPath, 2, "0:30");
    for (int r = 0; r < 2; ++r) {
        startRound();
        if (r == 1)
            for (const char* w : {"CATS", "TOPS", "COATS", "STOP"})
                type(w);
        runToRoundEnd();
    }
    EXPECT_FALSE(game->inProgress);
    const Player& ann = *game->playerAt(0);
    const Player& patsy = *game->playerAt(1);
    ASSERT_NE(game->winner, nullptr);
    const std::string expected = "congratulations:" + game->winner->name + (game->winner == &ann ? " (won)" : "");
    const auto congratulations = std::find(view.events.begin(), view.events.end(), expected);
    ASSERT_NE(congratulations, view.events.end());
    const auto results = std::find(congratulations, view.events.end(), "results:modal");
    EXPECT_NE(results, view.events.end()) << "the final results follow the congratulations";
    EXPECT_EQ(ann.gamesCompleted, 1);
    EXPECT_EQ(patsy.gamesCompleted, 1);
    EXPECT_EQ(ann.gamesWon + patsy.gamesWon, 1);
    EXPECT_TRUE(std::find(sounds_.requests.begin(), sounds_.requests.end(),
                          RecordingSounds::Request{RecordingSounds::Request::Play, SoundEvent::GameEnd, false})
                != sounds_.requests.end());
    EXPECT_NE(view.status.rfind("Click GO", 0), 0u) << "no next round is offered after the last";
}

TEST_F(GameEnd, OnePlayerGameCompletesWithoutCongratulationsOrAWin)
{
    newGame({human("Solo")}, gridPath, 1, "0:20");
    startRound();
    type("CATS");
    runToRoundEnd();
    EXPECT_FALSE(game->inProgress);
    for (const auto& e : view.events)
        EXPECT_EQ(e.rfind("congratulations", 0), std::string::npos);
    EXPECT_EQ(game->playerAt(0)->gamesCompleted, 1);
    EXPECT_EQ(game->playerAt(0)->gamesWon, 0);
    EXPECT_TRUE(view.hasEvent("results:modal"));
}

TEST_F(GameEnd, LastRoundIsOfferedAsTheLastRound)
{
    newGame({human("Solo")}, gridPath, 2, "0:20");
    startRound();
    runToRoundEnd();
    EXPECT_EQ(view.status, "Click GO or press Enter to start the LAST round");
}
