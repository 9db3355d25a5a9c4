// Grid engine: the solver against the plain search it must agree with, and
// tracing long words.

#include "../tests/core/grid/ReferenceSolver.h"

#include "core/grid/CompSearchThread.h"
#include "core/grid/Grid.h"
#include "core/grid/GridOptions.h"
#include "core/grid/PrefixTree.h"
#include "core/platform/Preferences.h"
#include "core/platform/Random.h"
#include "core/headless/RecordingDialogs.h"
#include "core/words/Dictionary.h"
#include "core/headless/FixedPreferences.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <set>
#include <string>
#include <vector>

using namespace lettrava;

namespace {

const char* const kShipped = LETTRAVA_SHIPPED_DICT;

// The program's dictionary holding the shipped English words.
void loadEnglish()
{
    static bool loaded = [] {
        static RecordingDialogs quiet;
        setDialogs(&quiet);
        static FixedPreferences choice(kShipped);
        setPreferences(&choice);
        Dictionary& d = Dictionary::instance();
        d.setCustomWordsFile(std::filesystem::path());
        return d.load() == Dictionary::LoadStatus::Loaded;
    }();
    if (!loaded)
        std::abort();
}

const std::set<std::string>& englishSet()
{
    static const std::set<std::string> words = reference::wordSet(*Dictionary::instance().words());
    return words;
}

struct Case {
    Grid grid;
    int column, row;
};

// Random 12 x 12 grids from English letter weights, no holes, lengths 3 to 18.
const std::vector<Case>& cases()
{
    static const std::vector<Case> list = [] {
        loadEnglish();
        gridOptions() = GridOptions{12, 12, 0, true, 3, 18};
        Random::instance().seed(12345);
        std::vector<Case> out;
        for (int i = 0; i < 64; ++i) {
            Grid g(true);
            const int c = static_cast<int>(Random::instance().below(12));
            const int r = static_cast<int>(Random::instance().below(12));
            out.push_back({g, c, r});
        }
        return out;
    }();
    return list;
}

void setOptions(bool reuse) { gridOptions() = GridOptions{12, 12, 0, reuse, 3, 18}; }

// Reports the median time of one grid beside the mean.
template <typename Solve>
void timeGrids(benchmark::State& state, Solve solve)
{
    const auto& list = cases();
    std::vector<double> ms;
    std::size_t i = 0, words = 0;
    for (auto _ : state) {
        const Case& c = list[i++ % list.size()];
        const auto t0 = std::chrono::steady_clock::now();
        words += solve(c);
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
    }
    std::nth_element(ms.begin(), ms.begin() + static_cast<std::ptrdiff_t>(ms.size() / 2), ms.end());
    state.counters["median_ms"] = ms[ms.size() / 2];
    state.counters["words_per_grid"] = static_cast<double>(words) / static_cast<double>(ms.size());
}

void BM_Solver(benchmark::State& state)
{
    cases();
    setOptions(state.range(0) != 0);
    (void)PrefixTree::of(Dictionary::instance().words()); // built once per dictionary
    timeGrids(state, [](const Case& c) {
        CompSearchThread solver(&c.grid);
        solver.startAt(c.column, c.row);
        solver.waitFor();
        return solver.count();
    });
}
BENCHMARK(BM_Solver)->ArgName("reuse")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();

void BM_ReferenceSolver(benchmark::State& state)
{
    cases();
    setOptions(state.range(0) != 0);
    const auto& words = englishSet();
    timeGrids(state, [&words](const Case& c) {
        return reference::Solver(c.grid, gridOptions(), words).run(c.column, c.row).size();
    });
}
BENCHMARK(BM_ReferenceSolver)->ArgName("reuse")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->MinTime(4.0);

// The one-time cost after each dictionary load.
void BM_PrefixTreeBuild(benchmark::State& state)
{
    loadEnglish();
    const auto words = Dictionary::instance().words();
    std::size_t nodes = 0;
    for (auto _ : state) {
        PrefixTree tree(*words);
        nodes = tree.nodeCount();
        benchmark::DoNotOptimize(nodes);
    }
    state.counters["nodes"] = static_cast<double>(nodes);
}
BENCHMARK(BM_PrefixTreeBuild)->Unit(benchmark::kMillisecond);

// An 18-letter word along a random chain of distinct cells of a random grid.
std::vector<std::string> longWords(const Grid& grid)
{
    std::vector<std::string> words;
    Random::instance().seed(99);
    while (words.size() < 32) {
        std::vector<std::pair<int, int>> chain = {{1 + static_cast<int>(Random::instance().below(12)),
                                                    1 + static_cast<int>(Random::instance().below(12))}};
        for (int tries = 0; chain.size() < 18 && tries < 200; ++tries) {
            const int c = chain.back().first + static_cast<int>(Random::instance().below(3)) - 1;
            const int r = chain.back().second + static_cast<int>(Random::instance().below(3)) - 1;
            if (c >= 1 && c <= 12 && r >= 1 && r <= 12
                && std::find(chain.begin(), chain.end(), std::make_pair(c, r)) == chain.end())
                chain.push_back({c, r});
        }
        if (chain.size() < 18)
            continue;
        std::string w;
        for (const auto& [c, r] : chain)
            w += grid.letterAt(c, r);
        words.push_back(w);
    }
    return words;
}

void BM_TraceWord18(benchmark::State& state)
{
    const Case& c = cases().front();
    setOptions(state.range(0) != 0);
    const auto words = longWords(c.grid);
    std::size_t i = 0;
    for (auto _ : state) {
        const bool ok = c.grid.traceWord(words[i++ % words.size()]);
        if (!ok)
            state.SkipWithError("an 18-letter chain was not traced");
        benchmark::DoNotOptimize(ok);
    }
}
BENCHMARK(BM_TraceWord18)->ArgName("reuse")->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

// The worst grid for a plain recursive trace: one letter everywhere, and a
// word that ends in a letter the grid has once, far from where it starts.
void BM_TraceWord18OneLetterGrid(benchmark::State& state)
{
    setOptions(state.range(0) != 0);
    Grid grid(false);
    for (int c = 1; c <= 12; ++c)
        for (int r = 1; r <= 12; ++r)
            grid.setLetter(c, r, 'A');
    grid.setLetter(12, 12, 'B');
    const std::string word = std::string(17, 'A') + "B";
    for (auto _ : state)
        benchmark::DoNotOptimize(grid.traceWord(word));
}
BENCHMARK(BM_TraceWord18OneLetterGrid)->ArgName("reuse")->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
