#include "GameFixture.h"

using namespace lettrava;
using namespace lettrava::test;
using Cursor = WordEntry::Cursor;
using Colour = WordEntry::CellColour;

namespace {

// C A T S
// O P O T
// A T S X
class Clicking : public GameFixture {
protected:
    Clicking() { gridPath = gridFile({"CATS", "OPOT", "ATSX"}); }
    std::string gridPath;
};

} // namespace

TEST_F(Clicking, OnePersonTypingAndClickingBuildsOneWord)
{
    newGame({human("Ann")}, gridPath);
    startRound();
    WordEntry& e = game->wordEntry();
    EXPECT_EQ(e.cursorAt(3, 2), Cursor::Hand) << "before a click every cell takes one";
    sounds_.requests.clear();
    ASSERT_TRUE(e.leftClick(0, 0)); // C
    EXPECT_EQ(e.colourAt(0, 0), Colour::Blue);
    EXPECT_EQ(e.cursorAt(1, 1), Cursor::Hand);
    EXPECT_EQ(e.cursorAt(2, 0), Cursor::NotAllowed);
    EXPECT_FALSE(e.leftClick(2, 0)) << "not a neighbour of the last cell";
    ASSERT_TRUE(e.leftClick(1, 0)); // A
    EXPECT_FALSE(e.leftClick(1, 0)) << "the same cell twice in a row adds nothing";
    EXPECT_EQ(e.cursorAt(1, 0), Cursor::NotAllowed);
    ASSERT_TRUE(e.leftClick(2, 0)); // T
    EXPECT_EQ(e.typedText(), "CAT") << "the letters go into the word entry field";
    EXPECT_EQ(e.mouseWord(), "CAT");
    EXPECT_TRUE(e.clearClicksEnabled());
    EXPECT_EQ(sounds_.played(), std::vector<SoundEvent>(4, SoundEvent::LetterClick));

    e.typedTextChanged("CATS"); // typing continues the same word
    EXPECT_EQ(e.mouseWord(), "CATS");
    e.rightClick(); // submits like Enter
    EXPECT_EQ(view.status, "* CATS * is good for 2 points!");
    EXPECT_EQ(e.typedText(), "");
    EXPECT_EQ(e.colourAt(0, 0), Colour::Plain);
    EXPECT_FALSE(e.hasLastClicked());
}

TEST_F(Clicking, ColoursCountHowOftenACellIsUsed)
{
    newGame({human("Ann")}, gridPath);
    startRound();
    WordEntry& e = game->wordEntry();
    for (auto [x, y] : {std::pair{1, 1}, {2, 1}, {1, 1}, {2, 1}, {1, 1}})
        ASSERT_TRUE(e.leftClick(x, y));
    EXPECT_EQ(e.mouseWord(), "POPOP");
    EXPECT_EQ(e.colourAt(1, 1), Colour::Green);
    EXPECT_EQ(e.colourAt(2, 1), Colour::Yellow);
    e.middleClick();
    EXPECT_EQ(e.colourAt(1, 1), Colour::Plain);
    EXPECT_EQ(e.typedText(), "") << "a middle click also clears the field of a keyboard-and-mouse player";
}

TEST_F(Clicking, SeparateMousePlayerKeepsItsOwnWord)
{
    newGame({human("Kay", InputMethod::KeyboardOnly), human("Mo", InputMethod::MouseOnly)}, gridPath);
    startRound();
    WordEntry& e = game->wordEntry();
    e.typedTextChanged("TOP");
    for (auto [x, y] : {std::pair{0, 0}, {1, 0}, {2, 0}})
        ASSERT_TRUE(e.leftClick(x, y));
    EXPECT_EQ(e.mouseWord(), "CAT");
    EXPECT_EQ(e.typedText(), "TOP");
    e.middleClick();
    EXPECT_EQ(e.mouseWord(), "CAT") << "a middle click keeps a separate mouse player's word";
    ASSERT_TRUE(e.leftClick(3, 0)); // S: after the reset any cell may start
    e.rightClick();
    EXPECT_EQ(game->playerAt(1)->words.back().text, "CATS");
    EXPECT_TRUE(game->playerAt(0)->words.empty());
    EXPECT_EQ(e.mouseWord(), "");
    EXPECT_FALSE(e.clearClicksEnabled());
}

TEST_F(Clicking, NoMousePlayerMeansArrowsAndNoClicks)
{
    newGame({human("Kay", InputMethod::KeyboardOnly), computer("Patsy")}, gridPath);
    startRound();
    EXPECT_EQ(game->wordEntry().cursorAt(0, 0), Cursor::Arrow);
    EXPECT_FALSE(game->wordEntry().leftClick(0, 0));
    game->requestRoundEnd(true);
    timers_.runFor(300);
    newGame({human("Ann")}, gridPath);
    EXPECT_FALSE(game->wordEntry().leftClick(0, 0)) << "no clicks between rounds";
}

TEST_F(Clicking, WordsTypedAfterTheRoundEndedAreNotJudged)
{
    newGame({human("Ann")}, gridPath);
    startRound();
    game->requestRoundEnd(true);
    timers_.runFor(300);
    ASSERT_FALSE(game->roundRunning);
    const int before = game->playerAt(0)->gameScore;
    EXPECT_EQ(type("CATS"), 0);
    EXPECT_EQ(game->playerAt(0)->gameScore, before);
    EXPECT_TRUE(game->playerAt(0)->words.empty());
    game.reset();
    EXPECT_EQ(PlayerFileManager::instance().findByName("Ann")->game, nullptr)
        << "the store's record forgets the game it was lent to";
}
