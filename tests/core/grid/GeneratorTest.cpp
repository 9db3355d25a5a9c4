#include "core/grid/GeneratedGrid.h"
#include "core/grid/GeneratorRun.h"
#include "core/grid/GridGenerator.h"
#include "core/grid/GridIndex.h"
#include "core/platform/Clock.h"
#include "core/platform/Random.h"
#include "GridTestSupport.h"
#include "LiteralTracer.h"
#include "support/TestSupport.h"
#include "core/headless/ManualTimers.h"

#include <gtest/gtest.h>

using namespace lettrava;
using test::gridOf;
using test::ScopedGridOptions;

namespace {

template <typename G>
G filledWith(const std::vector<std::string>& rows)
{
    G grid;
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < rows[r].size(); ++c)
            grid.setLetter(static_cast<int>(c + 1), static_cast<int>(r + 1), rows[r][c] == '.' ? ' ' : rows[r][c]);
    return grid;
}

} // namespace

TEST(GridIndexTrace, GivesTheAnswersAndChainsOfThePlainRecursion)
{
    ScopedGridOptions keep;
    auto english = test::ScopedDictionary::english();
    Random::instance().seed(21);
    int traced = 0;
    for (int round = 0; round < 150; ++round) {
        gridOptions().gridColumns = 3 + static_cast<int>(Random::instance().below(10));
        gridOptions().gridRows = 3 + static_cast<int>(Random::instance().below(10));
        gridOptions().gridPorosity = round % 3 == 0 ? 25 : 0;
        Grid grid(true);
        const GridIndex index(grid);
        // Words read off random walks (so many trace), and random texts.
        for (int w = 0; w < 60; ++w) {
            std::string word;
            int c = 1 + static_cast<int>(Random::instance().below(static_cast<std::uint32_t>(Grid::columns())));
            int r = 1 + static_cast<int>(Random::instance().below(static_cast<std::uint32_t>(Grid::rows())));
            const auto length = 2 + Random::instance().below(9);
            for (std::uint32_t k = 0; k < length; ++k) {
                word += grid.letterAt(c, r);
                c = std::clamp(c + static_cast<int>(Random::instance().below(3)) - 1, 1, Grid::columns());
                r = std::clamp(r + static_cast<int>(Random::instance().below(3)) - 1, 1, Grid::rows());
            }
            if (w % 5 == 0)
                word[word.size() / 2] = static_cast<char>('A' + Random::instance().below(26));
            for (bool reuse : {true, false}) {
                gridOptions().allowLetterReuse = reuse;
                PathTable expected, actual;
                const bool a = test::LiteralTracer(grid, reuse).trace(word, expected);
                ASSERT_EQ(index.trace(word, reuse, &actual), a) << word;
                ASSERT_EQ(index.trace(word, reuse, nullptr), a) << word;
                for (std::size_t k = 0; k < expected.size(); ++k)
                    ASSERT_TRUE(expected[k].x == actual[k].x && expected[k].y == actual[k].y) << word << " letter " << k;
                traced += a;
            }
        }
    }
    EXPECT_GT(traced, 3000);
}

TEST(GeneratedGridCounts, EveryChainCellCountsAndAWordListedTwiceCountsTwice)
{
    ScopedGridOptions keep;
    gridOptions().gridColumns = 3;
    gridOptions().gridRows = 2;
    gridOptions().allowLetterReuse = true;
    auto grid = filledWith<GeneratedGrid>({"DOX", "XXX"});
    EXPECT_EQ(grid.countPlacedWords({"DODO", "DODO", "OX", "QQQ"}), 3);
    EXPECT_EQ(grid.useCount(1, 1), 4); // D twice in each DODO
    EXPECT_EQ(grid.useCount(2, 1), 5); // O twice per DODO, once for OX
    EXPECT_EQ(grid.totalUse(), 10);
    GeneratedGrid copy(grid);
    EXPECT_EQ(copy.useCount(2, 1), 5);
    EXPECT_EQ(copy.letterAt(3, 1), 'X');
    gridOptions().allowLetterReuse = false;
    EXPECT_EQ(grid.countPlacedWords({"DODO", "OX"}), 1);
    EXPECT_EQ(grid.totalUse(), 2) << "counts start again at every evaluation";
}

class Generator : public ::testing::Test {
protected:
    Generator() : dictionary_({"CAT", "DOG", "BIRD", "FISH", "EMU", "GNU", "YAK", "OWL"})
    {
        gridOptions().gridColumns = 5;
        gridOptions().gridRows = 5;
        gridOptions().gridPorosity = 0;
        gridOptions().allowLetterReuse = true;
        Random::instance().seed(99);
    }
    ScopedGridOptions keep_;
    test::ScopedDictionary dictionary_;
};

TEST_F(Generator, CrossoverKeepsUsedLettersGivesTiesToTheSecondParentAndKeepsHoles)
{
    gridOptions().gridPorosity = 40;
    GridGenerator generator({"CAT"});
    const auto& mask = holesMask();
    auto p = filledWith<GeneratedGrid>({"CATXX", "XXXXX", "XXXXX", "XXXXX", "XXXXX"});
    auto q = filledWith<GeneratedGrid>({"CXXXX", "AXXXX", "TXXXX", "XXXXX", "XXXXX"});
    p.countPlacedWords({"CAT"});
    q.countPlacedWords({"CAT", "CAT"});
    GeneratedGrid child;
    generator.crossover(p, q, child);
    for (int c = 1; c <= 5; ++c)
        for (int r = 1; r <= 5; ++r) {
            const char got = child.letterAt(c, r);
            if (mask[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)]) {
                EXPECT_EQ(got, ' ');
            } else if (q.useCount(c, r) >= p.useCount(c, r) && q.useCount(c, r) > 0) {
                EXPECT_EQ(got, q.letterAt(c, r));
            } else if (p.useCount(c, r) > 0) {
                EXPECT_EQ(got, p.letterAt(c, r));
            } else {
                EXPECT_NE(std::string("ABCDEFGHIKLMNORSTUWY").find(got), std::string::npos) << "a drawn letter";
            }
        }
    // The mask is the generator's own: later fills do not change its crossovers.
    auto before = mask;
    Grid other(true);
    GeneratedGrid again;
    generator.crossover(p, q, again);
    for (int c = 1; c <= 5; ++c)
        for (int r = 1; r <= 5; ++r)
            EXPECT_EQ(again.letterAt(c, r) == ' ', before[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)]);
}

TEST_F(Generator, StepSelectsBreedsAndMutatesInTheGivenOrder)
{
    const std::vector<std::string> words = {"CAT", "DOG", "EMU", "OWL", "YAK", "GNU", "CAT"};
    GridGenerator generator(words);
    // What the first generation evaluates (population B), scored independently.
    std::array<GeneratedGrid, GridGenerator::kPopulation> evaluated = generator.population(false);
    std::array<int, GridGenerator::kPopulation> fitness{};
    for (std::size_t i = 0; i < evaluated.size(); ++i)
        fitness[i] = evaluated[i].countPlacedWords(words);
    std::array<int, 15> parents{};
    auto scratch = fitness;
    for (int& p : parents) {
        p = static_cast<int>(std::max_element(scratch.begin(), scratch.end()) - scratch.begin());
        scratch[static_cast<std::size_t>(p)] = -1;
    }

    Random::instance().seed(4242);
    const int best = generator.step();
    EXPECT_EQ(best, fitness[static_cast<std::size_t>(parents[0])]);
    EXPECT_EQ(generator.parents(), parents);
    EXPECT_TRUE(generator.improved());
    EXPECT_EQ(generator.generation(), 1);

    // The same draws again: the 105 children in pair order, then 300 mutations
    // (letter, row, column, grid).
    Random::instance().seed(4242);
    std::vector<GeneratedGrid> expected(GridGenerator::kPopulation);
    std::size_t slot = 0;
    for (int j = 0; j < 14; ++j)
        for (int i = j + 1; i < 15; ++i)
            generator.crossover(evaluated[static_cast<std::size_t>(parents[static_cast<std::size_t>(j)])],
                                evaluated[static_cast<std::size_t>(parents[static_cast<std::size_t>(i)])],
                                expected[slot++]);
    for (int m = 0; m < 300; ++m) {
        const char letter = Dictionary::instance().randomLetter();
        const int row = static_cast<int>(Random::instance().below(5));
        const int column = static_cast<int>(Random::instance().below(5));
        expected[Random::instance().below(105)].setLetter(column + 1, row + 1, letter);
    }
    const auto& children = generator.population(true);
    for (std::size_t i = 0; i < expected.size(); ++i)
        ASSERT_EQ(test::rowsOf(children[i]), test::rowsOf(expected[i])) << "child " << i;
    generator.step(); // the second generation evaluates population A
    EXPECT_EQ(generator.generation(), 2);
}

TEST_F(Generator, ARunThatFitsEndsByItselfAndOneThatCannotRunsToTheLimit)
{
    ManualClock time;
    ManualTimers timers(time);
    ScopedTime install(time, timers);
    GeneratedGrid target;
    int improvements = 0;
    GeneratorRun fits({"CAT", "DOG", "EMU"}, target);
    fits.onImproved([&] { ++improvements; });
    EXPECT_EQ(fits.wordsPlacedText(), "0");
    for (int i = 0; i < 5000 && fits.running(); ++i)
        fits.runOneGeneration();
    EXPECT_FALSE(fits.running());
    EXPECT_TRUE(fits.allPlaced());
    EXPECT_EQ(fits.wordsPlacedText(), "ALL!");
    EXPECT_GE(improvements, 1);
    EXPECT_EQ(target.countPlacedWords({"CAT", "DOG", "EMU"}), 3) << "the target holds the best grid";

    GeneratorRun never({"CAT", "XYZZY"}, target);
    for (int i = 0; i < 40; ++i)
        never.runOneGeneration();
    EXPECT_TRUE(never.running());
    EXPECT_EQ(never.generations(), 40);
    EXPECT_EQ(never.bestFitness(), 1);

    never.pause();
    EXPECT_FALSE(never.runOneGeneration());
    time.advance(3'725'000);
    EXPECT_EQ(never.generations(), 40);
    EXPECT_EQ(never.elapsedText(), "1:02:05") << "paused time counts";
    never.resume();
    EXPECT_TRUE(never.runOneGeneration());
    never.stop();
    EXPECT_FALSE(never.runOneGeneration());
}

TEST(GeneratorWordList, AddAndLoadRules)
{
    std::string error;
    EXPECT_EQ(WordList::wordToAdd("x-ray", {}, error), "XRAY");
    EXPECT_TRUE(error.empty());
    WordList::wordToAdd("ox", {}, error);
    EXPECT_EQ(error, "Words must be at least 3 letters long.");
    WordList::wordToAdd(std::string(19, 'a'), {}, error);
    EXPECT_EQ(error, "Words can be no more than 18 letters long.");
    WordList::wordToAdd("cat", {"DOG", "CAT"}, error);
    EXPECT_EQ(error, "That word is already in the list");
    EXPECT_EQ(WordList::wordToAdd("1-2", {}, error), "");
    EXPECT_TRUE(error.empty());

    EXPECT_EQ(WordList::wordsFromText("cat, dog cat"), (std::vector<std::string>{"CAT", "DOG", "CAT"}));
    EXPECT_EQ(WordList::wordsFromText("ab\r\n" + std::string(19, 'q') + " emu " + std::string(1'000'000, 'z')),
              (std::vector<std::string>{"AB", "EMU"}))
        << "runs over 18 letters are dropped, however long";
    EXPECT_EQ(GeneratorRun::formatElapsed(3725), "1:02:05");
    EXPECT_EQ(GeneratorRun::formatElapsed(59), "0:00:59");
    EXPECT_EQ(GeneratorRun::formatElapsed(360000), "100:00:00");
}

TEST(GeneratorWordList, LoadKeepsShortRunsAsTheyAre)
{
    // "x-ray" read from a file is two runs; the single letter can never be placed.
    EXPECT_EQ(WordList::wordsFromText("x-ray"), (std::vector<std::string>{"X", "RAY"}));
}
