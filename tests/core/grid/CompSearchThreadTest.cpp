#include "core/grid/CompSearchThread.h"
#include "core/grid/Grid.h"
#include "core/grid/GridOptions.h"
#include "core/platform/Random.h"
#include "core/words/Dictionary.h"
#include "GridTestSupport.h"
#include "ReferenceSolver.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>

using namespace lettrava;
using test::gridOf;
using test::ScopedGridOptions;

namespace {

std::vector<std::string> solveAt(const Grid& grid, int column, int row)
{
    CompSearchThread solver(&grid);
    solver.startAt(column, row);
    solver.waitFor();
    EXPECT_TRUE(solver.finished());
    EXPECT_TRUE(solver.completed());
    return solver.foundWords();
}

std::vector<std::string> referenceAt(const Grid& grid, int column, int row, std::size_t limit = 0)
{
    const auto words = reference::wordSet(*Dictionary::instance().words());
    return reference::Solver(grid, gridOptions(), words, limit).run(column, row);
}

template <typename Pred>
bool waitUntil(Pred pred)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!pred()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    return true;
}

bool isPrefixOf(const std::vector<std::string>& prefix, const std::vector<std::string>& whole)
{
    return prefix.size() <= whole.size() && std::equal(prefix.begin(), prefix.end(), whole.begin());
}

std::vector<std::string> texts(const std::vector<LVWord>& words)
{
    std::vector<std::string> out;
    for (const LVWord& w : words)
        out.push_back(w.text);
    return out;
}

} // namespace

// ---------------------------------------------------------------- small grids

TEST(Solver, ListsEveryChainThatSpellsAWordOfTheAllowedLengths)
{
    ScopedGridOptions keep;
    {
        test::ScopedDictionary dictionary({"CAT", "TAC", "CATS", "DODO"});
        const Grid grid = gridOf({"CAT", "XXS", "DOX"});
        for (int c = 0; c < 3; ++c)
            for (int r = 0; r < 3; ++r) {
                auto found = solveAt(grid, c, r);
                std::sort(found.begin(), found.end());
                EXPECT_EQ(found, (std::vector<std::string>{"CAT", "CATS", "DODO", "TAC"}));
            }
        // The walk goes on through words too short to count; reuse decides DODO.
        gridOptions().minWordLength = 4;
        gridOptions().allowLetterReuse = false;
        EXPECT_EQ(solveAt(grid, 0, 0), (std::vector<std::string>{"CATS"}));
        gridOptions().minWordLength = 3;
        gridOptions().maxWordLength = 3;
        EXPECT_EQ(solveAt(grid, 0, 0), (std::vector<std::string>{"CAT", "TAC"}));
        gridOptions() = GridOptions{3, 3, 0, true, 3, 18};

        // From two start cells: twice in the found list, once in the solution.
        const Grid twice = gridOf({"CAT", "XXX", "CAT"});
        CompSearchThread solver(&twice);
        solver.startAt(0, 0);
        solver.waitFor();
        EXPECT_EQ(solver.foundWords(), (std::vector<std::string>{"CAT", "CAT", "TAC", "TAC"}));
        EXPECT_EQ(texts(solver.solutionWords()), (std::vector<std::string>{"CAT", "TAC"}));

        EXPECT_TRUE(solveAt(gridOf({"...", "...", "..."}), 0, 0).empty());
        EXPECT_THROW(CompSearchThread(nullptr), std::logic_error);
    }
    test::ScopedDictionary none(std::vector<std::string>{});
    EXPECT_TRUE(solveAt(gridOf({"CAT", "CAT", "CAT"}), 1, 1).empty());
}

TEST(Solver, ReadsTheFoundList)
{
    test::ScopedDictionary dictionary({"CAT", "CATS", "SCAT", "TACS"});
    ScopedGridOptions keep;
    const Grid grid = gridOf({"CAT", "XSX", "XXX"});
    CompSearchThread solver(&grid);
    EXPECT_EQ(solver.count(), 0u);
    EXPECT_EQ(solver.wordAt(0), "");
    EXPECT_EQ(solver.randomWord(), "");
    EXPECT_EQ(solver.firstWordOfLength(7), "");
    solver.startAt(0, 0);
    solver.waitFor();
    // Column 1 first (C), then column 2 (S), then column 3 (T).
    const std::vector<std::string> expected = {"CAT", "CATS", "SCAT", "TACS"};
    ASSERT_EQ(solver.foundWords(), expected);
    EXPECT_EQ(solver.count(), 4u);
    EXPECT_EQ(solver.wordAt(3), "TACS");
    EXPECT_EQ(solver.wordAt(4), "");
    EXPECT_EQ(solver.firstWordOfLength(4), "CATS");
    EXPECT_EQ(solver.firstWordOfLength(7), "TACS");

    std::vector<std::string> list = {"mine"};
    solver.appendWordsFrom(list, 2);
    EXPECT_EQ(list, (std::vector<std::string>{"mine", "SCAT", "TACS"}));
    solver.appendWordsFrom(list, 9);
    EXPECT_EQ(list.size(), 3u);

    Random::instance().seed(77);
    const std::uint32_t r = Random::instance().next();
    Random::instance().seed(77);
    EXPECT_EQ(solver.randomWord(), expected[r % 4]);

    const auto& solution = solver.solutionWords();
    ASSERT_EQ(texts(solution), (std::vector<std::string>{"CAT", "CATS", "SCAT", "TACS"}));
    for (std::size_t i = 0; i < solution.size(); ++i) {
        EXPECT_EQ(solution[i].order, static_cast<int>(i));
        EXPECT_TRUE(solution[i].inGrid);
        EXPECT_TRUE(solution[i].inDictionary);
        EXPECT_FALSE(solution[i].unique);
    }
    std::vector<LVWord> mine = {LVWord("OLD")};
    solver.fillSolutionList(mine);
    EXPECT_EQ(mine, solution);
}

TEST(Solver, StartDrawsTheColumnThenTheRowOnTheCallingThread)
{
    test::ScopedDictionary dictionary({"CAT"});
    ScopedGridOptions keep;
    gridOptions().gridColumns = 7;
    gridOptions().gridRows = 5;
    const Grid grid(false);
    Random::instance().seed(31);
    const std::uint32_t a = Random::instance().next(), b = Random::instance().next(), c = Random::instance().next();
    Random::instance().seed(31);
    CompSearchThread solver(&grid);
    solver.start();
    EXPECT_EQ(Random::instance().next(), c);
    EXPECT_EQ(solver.startColumn(), static_cast<int>(a % 7));
    EXPECT_EQ(solver.startRow(), static_cast<int>(b % 5));
    solver.waitFor();
}

// ---------------------------------------------------------------- against the plain search

class SolverAgainstReference : public ::testing::Test {
protected:
    static void SetUpTestSuite() { english = new test::ScopedDictionary(test::ScopedDictionary::english()); }
    static void TearDownTestSuite()
    {
        delete english;
        english = nullptr;
    }

    void compare(int columns, int rows, int porosity, bool reuse, int min, int max, int grids, std::uint32_t seed)
    {
        gridOptions().gridColumns = columns;
        gridOptions().gridRows = rows;
        gridOptions().gridPorosity = porosity;
        gridOptions().allowLetterReuse = reuse;
        gridOptions().minWordLength = min;
        gridOptions().maxWordLength = max;
        Random::instance().seed(seed);
        for (int g = 0; g < grids; ++g) {
            const Grid grid(true);
            const int c = static_cast<int>(Random::instance().below(static_cast<std::uint32_t>(columns)));
            const int r = static_cast<int>(Random::instance().below(static_cast<std::uint32_t>(rows)));
            const auto expected = referenceAt(grid, c, r);
            const auto actual = solveAt(grid, c, r);
            ASSERT_EQ(actual, expected) << columns << 'x' << rows << " reuse " << reuse << " grid " << g;
            total += expected.size();
        }
    }

    static test::ScopedDictionary* english;
    ScopedGridOptions keep;
    std::size_t total = 0;
};

test::ScopedDictionary* SolverAgainstReference::english = nullptr;

TEST_F(SolverAgainstReference, LargestAndSmallestGrids)
{
    compare(12, 12, 0, true, 3, 18, 3, 1);
    compare(12, 12, 0, false, 3, 18, 3, 2);
    compare(3, 3, 0, true, 3, 18, 30, 3);
    compare(3, 3, 0, false, 3, 18, 30, 4);
    compare(3, 12, 0, true, 3, 18, 5, 5);
    compare(12, 3, 0, false, 3, 18, 5, 6);
    EXPECT_GT(total, 1000u);
}

TEST_F(SolverAgainstReference, HolesAndLengthLimits)
{
    compare(8, 6, 30, true, 3, 18, 8, 7);
    compare(10, 10, 50, false, 3, 18, 8, 8);
    compare(12, 12, 60, true, 3, 18, 3, 9);
    compare(6, 6, 0, true, 5, 7, 6, 10);
    compare(6, 6, 0, false, 3, 3, 6, 11);
    compare(9, 9, 0, true, 18, 18, 2, 12);
    compare(9, 9, 0, true, 8, 18, 3, 13);
    EXPECT_GT(total, 200u);
}

// ---------------------------------------------------------------- threads

// A search that does not end in any test's lifetime: a grid of A's and one B
// next to a corner, with the one word of 17 A's and a B, with reuse.
class EndlessSearch : public ::testing::Test {
protected:
    EndlessSearch() : grid(makeGrid()) {}

    static Grid makeGrid()
    {
        gridOptions() = GridOptions{};
        gridOptions().gridColumns = 12;
        gridOptions().gridRows = 12;
        Grid g(false);
        for (int c = 1; c <= 12; ++c)
            for (int r = 1; r <= 12; ++r)
                g.setLetter(c, r, 'A');
        g.setLetter(2, 2, 'B');
        return g;
    }

    // The found list must be the beginning of the plain search's list.
    void expectPrefixOfReference(const std::vector<std::string>& found, int column, int row)
    {
        const auto expected = referenceAt(grid, column, row, found.size());
        EXPECT_TRUE(isPrefixOf(found, expected)) << found.size() << " found, " << expected.size() << " expected";
    }

    ScopedGridOptions keep;
    test::ScopedDictionary dictionary{{std::string(17, 'A') + "B"}};
    Grid grid;
};

TEST_F(EndlessSearch, TheListCanBeReadWhileItGrows)
{
    CompSearchThread solver(&grid);
    solver.startAt(0, 0);
    std::vector<std::string> seen;
    std::size_t reads = 0;
    while (seen.size() < 300 || reads < 50) {
        solver.appendWordsFrom(seen, seen.size());
        const std::size_t n = solver.count();
        EXPECT_GE(n, seen.size());
        EXPECT_EQ(solver.wordAt(SIZE_MAX), "");
        if (n > 0) {
            EXPECT_EQ(solver.randomWord().size(), 18u);
            EXPECT_EQ(solver.firstWordOfLength(18), seen.empty() ? solver.wordAt(0) : seen.front());
        }
        ++reads;
    }
    solver.terminate();
    solver.waitFor();
    EXPECT_TRUE(solver.finished());
    EXPECT_FALSE(solver.completed());
    const auto found = solver.foundWords();
    EXPECT_TRUE(isPrefixOf(seen, found));
    expectPrefixOfReference(found, 0, 0);
}

TEST_F(EndlessSearch, SuspendAndResumeInALoop)
{
    CompSearchThread solver(&grid);
    solver.startAt(4, 9);
    for (int i = 0; i < 15; ++i) {
        const std::size_t before = solver.count();
        ASSERT_TRUE(waitUntil([&] { return solver.count() > before; }));
        solver.suspend();
        ASSERT_TRUE(waitUntil([&] { return solver.paused(); }));
        const std::size_t held = solver.count();
        std::this_thread::sleep_for(std::chrono::milliseconds(3));
        EXPECT_EQ(solver.count(), held);
        EXPECT_FALSE(solver.finished());
        solver.resume();
    }
    solver.terminate();
    solver.waitFor();
    EXPECT_FALSE(solver.paused());
    expectPrefixOfReference(solver.foundWords(), 4, 9);
}

TEST_F(EndlessSearch, TerminatingStopsWithinAStep)
{
    CompSearchThread solver(&grid);
    solver.startAt(11, 0);
    ASSERT_TRUE(waitUntil([&] { return solver.count() >= 50; }));
    solver.terminate();
    solver.waitFor();
    EXPECT_TRUE(solver.terminated());
    const auto found = solver.foundWords();
    expectPrefixOfReference(found, 11, 0);
    // A suspended and then terminated solver ends too.
    CompSearchThread other(&grid);
    other.startAt(0, 0);
    other.suspend();
    ASSERT_TRUE(waitUntil([&] { return other.paused(); }));
    other.terminate();
    other.waitFor();
    EXPECT_TRUE(other.finished());
}

TEST_F(EndlessSearch, DestroyingASolverEndsItsThreadInEveryState)
{
    {
        CompSearchThread neverStarted(&grid);
        neverStarted.waitFor();
        EXPECT_FALSE(neverStarted.finished());
    }
    {
        CompSearchThread running(&grid);
        running.startAt(0, 0);
        ASSERT_TRUE(waitUntil([&] { return running.count() > 0; }));
    }
    {
        CompSearchThread suspended(&grid);
        suspended.startAt(0, 0);
        suspended.suspend();
        ASSERT_TRUE(waitUntil([&] { return suspended.paused(); }));
    }
    {
        // Suspended before it ever ran.
        CompSearchThread early(&grid);
        early.suspend();
        early.startAt(0, 0);
    }
}

namespace {

class StopAfter : public SolverObserver {
public:
    explicit StopAfter(std::size_t cells) : cells_(cells) {}
    void progress(std::size_t done, std::size_t total, std::size_t words) override
    {
        calls.push_back(done);
        totals = total;
        lastWords = words;
        if (solver && done == cells_)
            solver->terminate();
    }
    void finished(bool completed) override
    {
        ++finishes;
        lastCompleted = completed;
    }

    CompSearchThread* solver = nullptr;
    std::vector<std::size_t> calls;
    std::size_t totals = 0, lastWords = 0;
    int finishes = 0;
    bool lastCompleted = false;

private:
    std::size_t cells_;
};

} // namespace

TEST_F(SolverAgainstReference, TerminatedMidSearchTheListIsAPrefixOfACompleteRun)
{
    gridOptions().gridColumns = 12;
    gridOptions().gridRows = 12;
    gridOptions().gridPorosity = 0;
    gridOptions().allowLetterReuse = true;
    Random::instance().seed(404);
    const Grid grid(true);
    const auto complete = referenceAt(grid, 5, 7);

    StopAfter observer(40);
    CompSearchThread solver(&grid);
    observer.solver = &solver;
    solver.setObserver(&observer);
    solver.startAt(5, 7);
    solver.waitFor();
    const auto found = solver.foundWords();
    EXPECT_FALSE(solver.completed());
    EXPECT_EQ(observer.finishes, 1);
    EXPECT_FALSE(observer.lastCompleted);
    EXPECT_EQ(observer.calls.size(), 40u);
    EXPECT_LT(found.size(), complete.size());
    EXPECT_GT(found.size(), 0u);
    EXPECT_TRUE(isPrefixOf(found, complete));

    // Run to the end, the observer sees every cell and the finish.
    StopAfter watcher(0);
    CompSearchThread whole(&grid);
    whole.setObserver(&watcher);
    whole.startAt(5, 7);
    whole.waitFor();
    EXPECT_EQ(watcher.calls.size(), 144u);
    EXPECT_EQ(watcher.totals, 144u);
    EXPECT_EQ(watcher.lastWords, complete.size());
    EXPECT_TRUE(watcher.lastCompleted);
    EXPECT_EQ(whole.foundWords(), complete);
}

TEST_F(SolverAgainstReference, TheSearchIgnoresChangesMadeAfterItStarted)
{
    gridOptions().gridColumns = 10;
    gridOptions().gridRows = 10;
    gridOptions().allowLetterReuse = false;
    Random::instance().seed(406);
    Grid grid(true);
    const auto expected = referenceAt(grid, 2, 3);
    CompSearchThread solver(&grid);
    solver.startAt(2, 3);
    // The user-interface thread may go on with its own business.
    grid.clearInterior();
    gridOptions().allowLetterReuse = true;
    gridOptions().gridColumns = 3;
    solver.waitFor();
    EXPECT_EQ(solver.foundWords(), expected);
}
