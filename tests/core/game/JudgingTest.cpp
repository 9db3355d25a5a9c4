#include "GameFixture.h"

#include "core/game/Verdict.h"
#include "core/headless/RecordingSounds.h"

using namespace lettrava;
using namespace lettrava::test;

namespace {

// C A T S
// O P O T
// A T S X
// X X X X
const std::vector<std::string> kGrid = {"CATS", "OPOT", "ATSX", "XXXX"};

class Judging : public GameFixture {
protected:
    Judging() { gridPath = gridFile(kGrid); }
    std::string gridPath;
};

} // namespace

TEST(Scoring, TablesAndMessages)
{
    EXPECT_EQ(Game::pointsFor(3), 1);
    EXPECT_EQ(Game::pointsFor(16), 42);
    EXPECT_EQ(Game::pointsFor(17), 65);
    EXPECT_EQ(Game::pointsFor(18), 100);
    EXPECT_EQ(Game::pointsFor(2), 0);
    EXPECT_EQ(Game::pointsFor(19), 0);
    EXPECT_EQ(Game::uniqueBonusFor(5), 2);
    EXPECT_EQ(Game::uniqueBonusFor(18), 9);

    EXPECT_EQ(verdictMessage(1, "CAT", 3, 8), "* CAT * is good for 1 point!");
    EXPECT_EQ(verdictMessage(12, "CATS", 3, 8), "* CATS * is good for 12 points!");
    EXPECT_EQ(verdictMessage(Verdict::WrongLength, "CAT", 4, 4), "* CAT * is invalid.  Only 4 letter words are valid.");
    EXPECT_EQ(verdictMessage(Verdict::TooShort, "CAT", 4, 8), "* CAT * is invalid.  Words must be at least 4 letters long");
    EXPECT_EQ(verdictMessage(Verdict::TooLong, "COATS", 3, 4),
              "* COATS * is invalid.  Words can be no more than 4 letters long");
    EXPECT_EQ(verdictMessage(Verdict::NotInDictionary, "CAP", 3, 8), "* CAP * is not in the dictionary");
    EXPECT_EQ(verdictMessage(Verdict::NotInGrid, "SAT", 3, 8), "* SAT * is not in the grid");
    EXPECT_EQ(verdictMessage(Verdict::NeedsReuse, "DODO", 3, 8), "* DODO * is invalid because letter reuse not allowed");
    EXPECT_EQ(verdictMessage(Verdict::AlreadySubmitted, "CAT", 3, 8), "You already submitted CAT");
    EXPECT_EQ(verdictMessage(Verdict::Offensive, "CRAP", 3, 8), "Shame on you!");
    EXPECT_EQ(verdictMessage(Verdict::NoSuchPlayer, "CAT", 3, 8), "* CAT * is ");

    EXPECT_TRUE(isOffensiveWord("CRAP"));
    EXPECT_FALSE(isOffensiveWord("CRA"));
    EXPECT_FALSE(isOffensiveWord("RAP"));
    EXPECT_FALSE(isOffensiveWord("CRAP SHIT"));
}

TEST_F(Judging, LengthRulesComeFirstAndRecordNothing)
{
    newGame({human("Ann")}, gridPath);
    startRound();
    gridOptions().minWordLength = 4;
    gridOptions().maxWordLength = 4;
    EXPECT_EQ(type("CAT"), Verdict::WrongLength);
    EXPECT_EQ(view.status, "* CAT * is invalid.  Only 4 letter words are valid.");
    gridOptions().maxWordLength = 8;
    EXPECT_EQ(type("CAT"), Verdict::TooShort);
    EXPECT_EQ(type("CATSCATSC"), Verdict::TooLong);
    EXPECT_TRUE(game->playerAt(0)->words.empty());
    EXPECT_TRUE(sounds_.requests.empty() || sounds_.played() == std::vector<SoundEvent>{SoundEvent::BuildingGrid});
}

TEST_F(Judging, EachVerdictWithItsBookkeepingSoundAndMessage)
{
    newGame({human("Ann")}, gridPath);
    startRound();
    Player& ann = *game->playerAt(0);
    sounds_.requests.clear();

    EXPECT_EQ(type("CAT"), 1);
    EXPECT_EQ(view.status, "* CAT * is good for 1 point!");
    EXPECT_EQ(type("CATS"), 2);
    EXPECT_EQ(type("CAT"), Verdict::AlreadySubmitted);
    EXPECT_EQ(view.status, "You already submitted CAT");
    EXPECT_EQ(type("SAT"), Verdict::NotInGrid);
    EXPECT_EQ(type("SAT"), Verdict::AlreadySubmitted) << "invalid words are listed too";
    EXPECT_EQ(type("CAP"), Verdict::NotInDictionary); // first dictionary miss: the all-valid bonus is lost
    EXPECT_EQ(type("TOT"), Verdict::NotInDictionary);
    EXPECT_EQ(type("CRAP"), Verdict::Offensive);
    EXPECT_EQ(view.status, "Shame on you!");
    EXPECT_EQ(type("CRAP"), Verdict::Offensive) << "an offensive word leaves no trace";

    EXPECT_EQ((sounds_.played()),
              (std::vector<SoundEvent>{SoundEvent::GoodWord, SoundEvent::GoodWord, SoundEvent::WordNotInGrid,
                                       SoundEvent::LostAllValidBonus, SoundEvent::WordNotInDict}));
    EXPECT_EQ(std::count_if(sounds_.requests.begin(), sounds_.requests.end(),
                            [](const auto& r) { return r.kind == RecordingSounds::Request::Offensive; }),
              2);
    EXPECT_EQ(ann.words.size(), 5u); // CAT CATS SAT CAP TOT
    EXPECT_EQ(ann.submissionCount, 7) << "offensive words still take a place in the order";
    EXPECT_EQ(ann.words[4].order, 4);
    EXPECT_EQ(ann.wordsThisRound, 2);
    EXPECT_EQ(ann.roundScore, 3);
    EXPECT_FALSE(ann.allValid);
    EXPECT_EQ(ann.longestThisGame, "CATS");
    EXPECT_EQ(view.scores[0].text, "3");
}

TEST_F(Judging, NotInGridPenaltyStartsAfterTheTenthMissAndMayGoNegative)
{
    newGame({human("Ann")}, gridPath);
    startRound();
    Player& ann = *game->playerAt(0);
    ASSERT_EQ(type("CAT"), 1);
    for (int i = 0; i < 9; ++i)
        ASSERT_EQ(type(std::string("ZZ") + static_cast<char>('A' + i)), Verdict::NotInGrid);
    EXPECT_EQ(ann.gameScore, 1);
    sounds_.requests.clear();
    EXPECT_EQ(type("ZZJ"), Verdict::NotInGrid); // the tenth warns
    EXPECT_EQ(sounds_.played(), (std::vector<SoundEvent>{SoundEvent::WordNotInGrid, SoundEvent::InvalidPenalty}));
    EXPECT_EQ(ann.gameScore, 1);
    EXPECT_EQ(type("ZZK"), Verdict::NotInGrid);
    EXPECT_EQ(type("ZZL"), Verdict::NotInGrid);
    EXPECT_EQ(ann.gameScore, -9);
    EXPECT_EQ(ann.penaltyPoints, 10);
    EXPECT_EQ(ann.notInGridCount, 12);
    EXPECT_EQ(view.scores[0].text, "-9");
}

TEST_F(Judging, WordNeedingACellTwiceIsRefusedWithoutReuse)
{
    newGame({human("Ann")}, gridFile({"DOXX", "XXXX", "XXXX"}, "dodo.grd"));
    startRound();
    gridOptions().allowLetterReuse = false;
    EXPECT_EQ(type("DODO"), Verdict::NeedsReuse);
    EXPECT_EQ(view.status, "* DODO * is invalid because letter reuse not allowed");
    EXPECT_EQ(game->playerAt(0)->notInGridCount, 1);
    gridOptions().allowLetterReuse = true;
    game->playerAt(0)->words.clear();
    EXPECT_EQ(type("DODO"), 2);
}

TEST_F(Judging, UniqueBonusGoesToTheFirstOnlyAndSplitInputHidesMessages)
{
    newGame({human("Kay", InputMethod::KeyboardOnly), human("Mo", InputMethod::MouseOnly)}, gridPath);
    startRound();
    view.status.clear();
    EXPECT_EQ(type("COATS"), 3 + 2);
    EXPECT_EQ(type("SAT"), Verdict::NotInGrid);
    EXPECT_TRUE(view.status.empty()) << "one person types, another clicks: no message could be told apart";
    EXPECT_EQ(game->submitWord("COATS", WordSource::Mouse), 3);
    EXPECT_TRUE(game->playerAt(0)->words.front().unique);
    EXPECT_FALSE(game->playerAt(1)->words.back().unique);
    EXPECT_EQ(type("CAT"), 1 + 1);
    EXPECT_EQ(game->submitWord("CAT", WordSource::Mouse), 1);
}

TEST_F(Judging, RemoteWordsNameTheirPlayerAndMakeNoLocalSound)
{
    newGame({human("Ann"), computer("Patsy")}, gridPath);
    startRound();
    sounds_.requests.clear();
    EXPECT_EQ(game->submitRemoteWord("Nobody", "CAT"), Verdict::NoSuchPlayer);
    ASSERT_TRUE(game->addRemotePlayer("Rita"));
    EXPECT_EQ(game->submitRemoteWord("Rita", "CA"), Verdict::TooShort);
    EXPECT_EQ(game->submitRemoteWord("Rita", "CAT"), 1 + 1);
    EXPECT_EQ(game->submitRemoteWord("Rita", "SAT"), Verdict::NotInGrid);
    EXPECT_EQ(game->submitRemoteWord("Rita", "CRAP"), Verdict::Offensive);
    EXPECT_TRUE(sounds_.requests.empty());
}
