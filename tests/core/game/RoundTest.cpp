#include "GameFixture.h"
#include "core/headless/RecordingSounds.h"

using namespace lettrava;
using namespace lettrava::test;

namespace {

const std::vector<std::string> kGrid = {"CATS", "OPOT", "ATSX", "XXXX"};

class Rounds : public GameFixture {
protected:
    Rounds() { gridPath = gridFile(kGrid); }
    std::string gridPath;
};

} // namespace

TEST(RoundDuration, FollowsTheGridSizeOrTheManualTime)
{
    EXPECT_EQ(Round::automaticDuration(4), 90);   // 4x4
    EXPECT_EQ(Round::automaticDuration(5), 120);  // 5x6
    EXPECT_EQ(Round::automaticDuration(7), 150);
    EXPECT_EQ(Round::automaticDuration(9), 210);  // 7x12
    EXPECT_EQ(Round::automaticDuration(12), 300); // 12x12
    EXPECT_EQ(Round::clockText(125), "2:05");
    EXPECT_EQ(Round::clockText(720), "12:00");
    EXPECT_EQ(Round::clockText(-1), "0:00");
    EXPECT_EQ(parseDurationField(""), 0);
    EXPECT_EQ(parseDurationField("07"), 7);
    EXPECT_EQ(parseDurationField("-3"), 0);
    EXPECT_EQ(parseDurationField("1x"), 0);
}

TEST_F(Rounds, ARoundRunsOutOfTimeAndHandsOverToTheResults)
{
    newGame({human("Ann")}, gridPath, 3);
    startRound();
    EXPECT_EQ(game->currentRound, 1);
    EXPECT_EQ(game->round()->duration, 90);
    EXPECT_EQ(view.status, "You may submit words now");
    EXPECT_EQ(view.roundLabel, "");
    EXPECT_TRUE(game->roundRunning);
    EXPECT_TRUE(game->unsavedChanges);

    timers_.runFor(80'100);
    EXPECT_EQ(view.clockText, "0:10");
    EXPECT_FALSE(view.flashing);
    timers_.runFor(1'500);
    EXPECT_TRUE(view.flashing) << "under ten seconds the clock flashes";
    const auto loops = std::count(sounds_.requests.begin(), sounds_.requests.end(),
                                  RecordingSounds::Request{RecordingSounds::Request::Play, SoundEvent::TenSecondsLeft, true});
    EXPECT_GE(loops, 1);

    runToRoundEnd();
    // The first tick that finds time run out (91 s), then the one-second wait.
    EXPECT_GE(roundElapsedMs(), 92'000u);
    EXPECT_LE(roundElapsedMs(), 92'300u);
    EXPECT_EQ(view.clockText, "OVER");
    EXPECT_TRUE(view.hasEvent("results:created"));
    EXPECT_TRUE(view.hasEvent("results:modal"));
    EXPECT_TRUE(view.mainVisible);
    EXPECT_EQ(view.status, "Click GO or press Enter to start round 2");
    EXPECT_EQ(view.roundLabel, "Round 1");
    // A natural end: everything stops, then "Round Over".
    const auto& last = sounds_.requests;
    auto stop = std::find(last.begin(), last.end(), RecordingSounds::Request{RecordingSounds::Request::Stop, SoundEvent::GoodWord, false});
    ASSERT_NE(stop, last.end());
    EXPECT_EQ(*(stop + 1), (RecordingSounds::Request{RecordingSounds::Request::Play, SoundEvent::RoundOver, false}));
    EXPECT_EQ(game->playerAt(0)->roundsPlayed, 1);
}

TEST_F(Rounds, PausedTimeDoesNotCountAndEntryIsBlocked)
{
    newGame({human("Ann")}, gridPath);
    startRound();
    timers_.runFor(45'000);
    game->pauseCommand();
    EXPECT_TRUE(game->round()->paused);
    EXPECT_TRUE(view.hasEvent("paused"));
    timers_.runFor(30'000); // the timer is off while paused
    EXPECT_TRUE(game->roundRunning);
    EXPECT_FALSE(game->wordEntry().leftClick(0, 0)) << "clicks do not count while paused";
    game->pauseCommand();
    EXPECT_TRUE(view.hasEvent("resumed"));
    const std::uint32_t start = game->round()->startTick;
    runToRoundEnd();
    const std::uint32_t sinceStart = clock_.tickCount() - start;
    EXPECT_GE(sinceStart, 122'000u);
    EXPECT_LE(sinceStart, 122'300u);
}

TEST_F(Rounds, EndingAPausedRoundResumesItAndEndsAtTheNextTick)
{
    newGame({human("Ann")}, gridPath);
    game->showResultsCommand();
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_EQ(dialogs_.messages.back().text, "There are no results to view at this time.");
    startRound();
    timers_.runFor(10'000);
    game->pauseCommand();
    game->requestRoundEnd(true);
    EXPECT_FALSE(game->round()->paused);
    EXPECT_TRUE(view.hasEvent("resumed"));
    timers_.runFor(300);
    EXPECT_FALSE(game->roundRunning);
    EXPECT_EQ(view.clockText, "OVER");
}

TEST_F(Rounds, RoundThatDoesNotCountIsTakenBackAndPlayedAgain)
{
    newGame({human("Ann")}, gridPath, 3);
    startRound();
    ASSERT_EQ(type("CATS"), 2);
    runToRoundEnd();
    Player& ann = *game->playerAt(0);
    const auto scoreBefore = ann.gameScore;

    startRound();
    ASSERT_EQ(game->currentRound, 2);
    ASSERT_EQ(type("CAT"), 1);
    ASSERT_EQ(type("TOPS"), 2);
    ann.longestWord = "TOPS";
    sounds_.requests.clear();
    game->requestRoundEnd(false);
    timers_.runFor(300);
    EXPECT_FALSE(game->roundRunning);
    EXPECT_EQ(view.clockText, "ABORTED");
    EXPECT_TRUE(std::find(sounds_.requests.begin(), sounds_.requests.end(),
                          RecordingSounds::Request{RecordingSounds::Request::Play, SoundEvent::RoundOver, false})
                == sounds_.requests.end());
    EXPECT_EQ(ann.gameScore, scoreBefore);
    EXPECT_EQ(ann.wordsThisGame, 1);
    EXPECT_EQ(ann.longestThisGame, "CATS");
    EXPECT_EQ(ann.roundsPlayed, 1);
    EXPECT_EQ(game->currentRound, 1);
    EXPECT_EQ(view.status, "Click GO or press Enter to start round 2");
    EXPECT_TRUE(view.showResultsEnabled);
    game->round()->showResults();
    ASSERT_FALSE(dialogs_.messages.empty());
    EXPECT_EQ(dialogs_.messages.back().text, "There are no results to view at this time.");
}

TEST_F(Rounds, RoundThatStillCountsGetsItsBonuses)
{
    newGame({human("Ann")}, gridPath, 3);
    startRound();
    timers_.runFor(600);
    const std::string bonus = game->round()->bonusWord;
    ASSERT_FALSE(bonus.empty()) << "the solver's list is complete, so a bonus word is chosen at once";
    timers_.runFor(10'000);
    for (const char* w : {"CAT", "CATS", "TOP", "POT", "OPT"})
        type(w);
    if (!game->playerAt(0)->hasWord(bonus))
        type(bonus);
    game->requestRoundEnd(true);
    timers_.runFor(300);
    const Player& ann = *game->playerAt(0);
    EXPECT_TRUE(ann.allValid);
    EXPECT_TRUE(ann.bonusFound);
    const int bonusPoints = 10 * static_cast<int>(bonus.size()) + 5 * 4;
    int wordPoints = 0;
    for (const auto& w : ann.words)
        wordPoints += Game::pointsFor(static_cast<int>(w.text.size()));
    EXPECT_EQ(ann.roundScore, wordPoints + 25 + bonusPoints);
    EXPECT_EQ(view.clockText, "OVER");
    EXPECT_EQ(view.bonusLetters, bonus) << "the bonus word is revealed at the end";
}

TEST_F(Rounds, AllValidBonusNeedsFiveWordsAndNoDictionaryMiss)
{
    newGame({human("Ann")}, gridPath, 3);
    startRound();
    for (const char* w : {"CAT", "CATS", "TOP", "POT"})
        ASSERT_GT(type(w), 0);
    for (const char* w : {"ZZA", "ZZB", "ZZC"})
        ASSERT_EQ(type(w), Verdict::NotInGrid);
    game->requestRoundEnd(true);
    timers_.runFor(300);
    EXPECT_FALSE(game->playerAt(0)->allValid) << "four valid words earn no all-valid bonus";

    startRound();
    for (const char* w : {"CAT", "CATS", "TOP", "POT", "OPT"})
        ASSERT_GT(type(w), 0);
    ASSERT_EQ(type("ZZA"), Verdict::NotInGrid);
    const auto before = game->playerAt(0)->roundScore;
    game->requestRoundEnd(true);
    timers_.runFor(300);
    EXPECT_TRUE(game->playerAt(0)->allValid);
    EXPECT_GE(game->playerAt(0)->roundScore, before + 25);
}

TEST_F(Rounds, ClockClickTakesAMinuteAndRoundTimePictureStepsByFifteenSeconds)
{
    newGame({human("Ann")}, gridPath, 3, "2:00");
    startRound();
    EXPECT_EQ(game->round()->duration, 120);
    timers_.runFor(900);
    game->clockClicked();
    timers_.runFor(300);
    EXPECT_EQ(view.clockText, "0:59");
    game->requestRoundEnd(true);
    timers_.runFor(300);

    EXPECT_EQ(game->roundTimeHint(), "Round time: 2:00 - Left (right) click to increase (decrease)");
    game->roundTimeClicked(true);
    EXPECT_EQ(view.roundTimeHint, "Round time: 2:15 - Left (right) click to increase (decrease)");
    game->roundMinutes = 0;
    game->roundSeconds = 20;
    game->roundTimeClicked(false);
    game->roundTimeClicked(false);
    EXPECT_EQ(game->roundSeconds, 15);
    game->roundMinutes = 99;
    game->roundSeconds = 50;
    game->roundTimeClicked(true);
    EXPECT_EQ(game->roundMinutes * 60 + game->roundSeconds, 5999);
}

TEST_F(Rounds, EmptyManualDurationGivesFifteenSeconds)
{
    newGame({human("Ann")}, gridPath, 1, ":");
    EXPECT_EQ(game->roundMinutes, 0);
    EXPECT_EQ(game->roundSeconds, 15);
    startRound();
    EXPECT_EQ(game->round()->duration, 15);
}

TEST_F(Rounds, BonusWordTargetAndHint)
{
    // 6 x 8 grid: mean 7, target 4 to 7 letters; a 6-letter word is worth 95.
    newGame({human("Ann")}, gridPath);
    startRound();
    gridOptions().gridColumns = 6;
    gridOptions().gridRows = 8;
    game->round()->bonusWord = "COATSS";
    EXPECT_EQ(game->round()->bonusPoints(), 95);
    game->showBonusHint("COATSS", false);
    EXPECT_EQ(view.bonusValue, "95 pts");
    EXPECT_EQ(std::count(view.bonusLetters.begin(), view.bonusLetters.end(), '_'), 4);
    game->showBonusHint("COATSS", true);
    EXPECT_EQ(view.bonusLetters, "COATSS");
    gridOptions().gridColumns = 4;
    gridOptions().gridRows = 4;
    game->showBonusHint("CATS", false);
    EXPECT_EQ(std::count(view.bonusLetters.begin(), view.bonusLetters.end(), '_'), 3) << "one letter on small grids";
}

TEST_F(Rounds, BonusWordIsTheFirstOfTheTargetLengthOrTheLastFound)
{
    newGame({human("Ann")}, gridPath);
    startRound();
    const CompSearchThread& solver = *game->round()->solver();
    ASSERT_GT(solver.count(), 0u);
    // A 4x4 grid: c = min(8, 4) = 4, so the target is 4 letters.
    timers_.runFor(300);
    EXPECT_EQ(game->round()->bonusWord, solver.firstWordOfLength(4));
    EXPECT_EQ(game->round()->bonusWord.size(), 4u);
}

TEST_F(Rounds, StrongestOpponentPlaysEveryWordOfTheGrid)
{
    newGame({human("Ann"), computer("Deep Words")}, gridPath);
    startRound();
    runToRoundEnd();
    const Player& deep = *game->playerAt(1);
    std::vector<LVWord> solution;
    game->round()->solver()->fillSolutionList(solution);
    ASSERT_FALSE(solution.empty());
    EXPECT_EQ(deep.wordsThisRound, static_cast<int>(solution.size()));
    for (const LVWord& w : solution)
        EXPECT_TRUE(deep.hasWord(w.text)) << w.text;
    for (const LVWord& w : deep.words)
        EXPECT_TRUE(w.valid());
}

TEST_F(Rounds, WeakOpponentsKeepToTheirLongestWord)
{
    // A grid with words of many lengths; Patsy plays nothing over 5 letters.
    newGame({human("Ann"), computer("Patsy"), computer("Ward Smith")}, gridPath, 3, "5:00");
    for (int r = 0; r < 3; ++r) {
        startRound();
        runToRoundEnd();
        for (const LVWord& w : game->playerAt(1)->words)
            EXPECT_LE(w.text.size(), 5u);
        for (const LVWord& w : game->playerAt(2)->words)
            EXPECT_LE(w.text.size(), 10u);
    }
    EXPECT_GT(game->playerAt(1)->wordsThisGame + game->playerAt(2)->wordsThisGame, 0);
}
