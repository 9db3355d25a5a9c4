#include "GameFixture.h"

#include "core/game/SavedGameFile.h"

using namespace lettrava;
using namespace lettrava::test;

namespace {

// A game in a dictionary of accented words, on a grid of accented letters:
//   É T É
//   S A ß
//   Ü R E
class AccentedGame : public GameFixture {
protected:
    AccentedGame() : GameFixture({"\xC9T\xC9", "T\xC9T\xC9", "RA\xDF" "E", "\xDC" "BER", "SAT", "RATS"})
    {
        gridPath = gridFile({"\xC9T\xC9", "SA\xDF", "\xDCRE"});
    }
    std::string gridPath;
};

} // namespace

TEST_F(AccentedGame, TypedClickedSolvedSavedAndRecordedWithTheirAccents)
{
    newGame({human("Zo\xEB"), computer("Patsy")}, gridPath, 2);
    startRound();
    const auto solution = game->round()->solver()->solutionWords();
    std::vector<std::string> solved;
    for (const LVWord& w : solution)
        solved.push_back(w.text);
    EXPECT_NE(std::find(solved.begin(), solved.end(), "\xC9T\xC9"), solved.end());
    EXPECT_NE(std::find(solved.begin(), solved.end(), "RA\xDF" "E"), solved.end());

    EXPECT_GT(type("\xC9T\xC9"), 0);
    EXPECT_LT(type("ETE"), 0) << "the letters without accents are not in this grid";
    // Clicking R, A, ß, E builds the word from the grid's own bytes.
    WordEntry& entry = game->wordEntry();
    ASSERT_TRUE(entry.leftClick(1, 2));
    ASSERT_TRUE(entry.leftClick(1, 1));
    ASSERT_TRUE(entry.leftClick(2, 1));
    ASSERT_TRUE(entry.leftClick(2, 2));
    EXPECT_EQ(entry.typedText(), "RA\xDF" "E");
    entry.rightClick();
    runToRoundEnd();

    Player* zoe = game->findPlayerByName("Zo\xEB");
    ASSERT_NE(zoe, nullptr);
    EXPECT_EQ(zoe->wordsThisGame, 2);
    EXPECT_EQ(zoe->longestThisGame.size(), 4u);

    ASSERT_TRUE(game->saveToFile(home_ / "accents.LTG"));
    auto loaded = Game::createFromFile(view, home_ / "accents.LTG");
    ASSERT_TRUE(loaded->isReady());
    EXPECT_EQ(loaded->playerAt(0)->name, "Zo\xEB");
    EXPECT_EQ(loaded->playerAt(0)->longestThisGame, zoe->longestThisGame);

    // The player file keeps the name as single bytes too. The games go
    // first: their players are the store's records.
    loaded.reset();
    game.reset();
    PlayerFileManager::resetInstance();
    PlayerFileManager::useFile(home_ / "LTPlayers.dat");
    EXPECT_NE(PlayerFileManager::instance().findByName("Zo\xEB"), nullptr);
}
