#include "core/game/Player.h"
#include "core/platform/Random.h"
#include "core/views/CongratulationsCountdown.h"
#include "core/views/LookupAddress.h"
#include "core/views/PlayerStats.h"
#include "core/views/ResultsRules.h"
#include "core/views/TipOfTheDay.h"
#include "core/words/Dictionary.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <set>

using namespace lettrava;

TEST(ResultsRules, TitleAndAddableWords)
{
    EXPECT_EQ(ResultsRules::title(5, 5), "Final Results");
    EXPECT_EQ(ResultsRules::title(3, 5), "Round 3 Results");

    test::ScopedDictionary dict({"CAT", "DODO"});
    auto word = [](const char* text, bool inGrid, bool inDictionary) {
        LVWord w(text);
        w.inGrid = inGrid;
        w.inDictionary = inDictionary;
        return w;
    };
    const Dictionary& d = Dictionary::instance();
    EXPECT_FALSE(ResultsRules::mayAddWord(word("CAT", true, true), d)) << "valid";
    EXPECT_TRUE(ResultsRules::mayAddWord(word("XYZ", true, false), d)) << "red";
    EXPECT_FALSE(ResultsRules::mayAddWord(word("DODO", false, false), d)) << "struck through, a dictionary word";
    EXPECT_TRUE(ResultsRules::mayAddWord(word("QQQ", false, false), d)) << "struck through, no word";
    EXPECT_FALSE(ResultsRules::mayAddWord(word("CAT", true, false), d)) << "added since it was judged";

    Player p("Ann");
    p.longestThisGame = "COATS";
    p.newLongestThisGame = false;
    EXPECT_FALSE(ResultsRules::longestWordTraceable(p)) << "found in an earlier round";
    p.newLongestThisGame = true;
    EXPECT_TRUE(ResultsRules::longestWordTraceable(p));
    p.longestThisGame = "AB";
    EXPECT_FALSE(ResultsRules::longestWordTraceable(p));
}

TEST(ResultsRules, SolutionOrders)
{
    std::vector<LVWord> words;
    int n = 0;
    for (const char* w : {"ACT", "CATS", "COATS", "TAP"})
        words.emplace_back(w, n++);
    ResultsRules::sortSolution(words, 3);
    EXPECT_EQ(words.front().text, "COATS");
    ResultsRules::sortSolution(words, 0);
    EXPECT_EQ(words[1].text, "CATS");
    ResultsRules::sortSolution(words, 2);
    EXPECT_EQ(words.back().text, "COATS");
    ResultsRules::sortSolution(words, 1);
    EXPECT_EQ(words[3].text, "TAP");
}

TEST(PlayerStats, FiguresAndCaptions)
{
    Player p("Bob");
    p.wordsFound = 7;
    p.roundsPlayed = 2;
    EXPECT_EQ(PlayerStats::wordsPerRound(p), "3");
    p.roundsPlayed = 0;
    EXPECT_EQ(PlayerStats::wordsPerRound(p), "");
    p.roundsPlayed = -1; // a damaged record
    p.wordsFound = std::numeric_limits<std::int32_t>::min();
    EXPECT_EQ(PlayerStats::wordsPerRound(p), "");

    p.roundsPlayed = 4;
    p.wordsFound = 9;
    p.gamesCompleted = 3;
    p.gamesWon = 1;
    p.longestWord = "";
    EXPECT_EQ(PlayerStats::summaryRow(p), (PlayerStats::SummaryRow{"Bob", "3", "1", "4", "9", "2", ""}));

    EXPECT_EQ(PlayerStats::cardCaption("Bob"), "Bob's Stats");
    EXPECT_EQ(PlayerStats::cardCaption("James"), "James' Stats");
    EXPECT_EQ(PlayerStats::cardCaption("CHRIS"), "CHRIS' Stats");
}

TEST(TipOfTheDay, TextsAndMarks)
{
    const auto& tips = TipOfTheDay::builtInTips();
    EXPECT_EQ(tips.size(), 20u);
    std::set<std::string> distinct(tips.begin(), tips.end());
    EXPECT_EQ(distinct.size(), tips.size());
    const auto shown = TipOfTheDay::present("+First%CRLF%%CRLF%second");
    EXPECT_TRUE(shown.scrollBar);
    EXPECT_EQ(shown.text, "First\n\nsecond");
    const auto plain = TipOfTheDay::present("No +mark here%CRLF%");
    EXPECT_FALSE(plain.scrollBar);
    EXPECT_EQ(plain.text, "No +mark here\n");
    for (const auto& t : tips)
        EXPECT_EQ(TipOfTheDay::present(t).text.find("%CRLF%"), std::string::npos);
}

TEST(TipOfTheDay, InOrderAndRandomWalks)
{
    TipOfTheDay ordered({"a", "b", "c"}, true);
    EXPECT_EQ(ordered.index(), 0);
    EXPECT_TRUE(ordered.canGoBack());
    ordered.previous();
    EXPECT_EQ(ordered.index(), 2) << "before the first comes the last";
    ordered.next();
    EXPECT_EQ(ordered.index(), 0) << "after the last comes the first";

    Random::instance().seed(99);
    TipOfTheDay shuffled({"a", "b", "c", "d"}, false);
    EXPECT_FALSE(shuffled.canGoBack());
    for (int i = 0; i < 200; ++i) {
        const int before = shuffled.index();
        shuffled.next();
        EXPECT_NE(shuffled.index(), before) << "never the same tip twice in a row";
        EXPECT_GE(shuffled.index(), 0);
        EXPECT_LT(shuffled.index(), 4);
    }

    TipOfTheDay one({"only"}, false);
    one.next();
    EXPECT_EQ(one.index(), 0);
    TipOfTheDay none({}, true);
    EXPECT_FALSE(none.canGoForward());
    EXPECT_FALSE(none.canGoBack());
    none.next();
    EXPECT_EQ(none.current().text, "");
}

TEST(CongratulationsCountdown, DotsRevealAndEnd)
{
    CongratulationsCountdown c("Ann", true, false);
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(c.tick(), CongratulationsCountdown::Step::Grow);
    EXPECT_EQ(c.label(), "->" + std::string(22, '.') + "<-");
    EXPECT_EQ(c.tick(), CongratulationsCountdown::Step::Reveal) << "4.2 seconds after opening";
    EXPECT_EQ(c.label(), "Ann");
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(c.tick(), CongratulationsCountdown::Step::Wait);
    EXPECT_FALSE(c.congratulate());
    EXPECT_EQ(c.tick(), CongratulationsCountdown::Step::Finish);
    EXPECT_TRUE(c.congratulate());

    CongratulationsCountdown tie("It was a tie!", false, false);
    while (tie.tick() != CongratulationsCountdown::Step::Finish) {
    }
    EXPECT_FALSE(tie.congratulate());

    CongratulationsCountdown plain("Ann", true, true);
    EXPECT_EQ(plain.tick(), CongratulationsCountdown::Step::Wait);
    EXPECT_EQ(plain.label(), CongratulationsCountdown::kStartText);
}

TEST(LookupAddress, Pages)
{
    EXPECT_EQ(LookupAddress::definitionPage("https://d.example/cgi-bin/dict.pl?term=", "CAT"),
              "https://d.example/cgi-bin/dict.pl?term=CAT");
    EXPECT_EQ(LookupAddress::dictionaryPage("https://w.example/find?q=%&lang=en", "CAT"),
              "https://w.example/find?q=CAT&lang=en");
    EXPECT_EQ(LookupAddress::dictionaryPage("a%b%c", "X"), "aXb%c") << "only the first % is the word";
    EXPECT_EQ(LookupAddress::dictionaryPage(".html", "CAT"), "CAT.html");
    EXPECT_EQ(LookupAddress::withoutScheme("https://d.example/x?term="), "d.example/x?term=");
    EXPECT_EQ(LookupAddress::withoutScheme("d.example"), "d.example");
}
