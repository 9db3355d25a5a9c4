// The grid generator: generations per second, and the time to place a list.

#include "core/grid/GeneratorRun.h"
#include "core/grid/GridGenerator.h"
#include "core/grid/GridOptions.h"
#include "core/platform/Random.h"
#include "core/headless/RecordingDialogs.h"
#include "core/platform/Preferences.h"
#include "core/words/Dictionary.h"
#include "core/headless/FixedPreferences.h"

#include <benchmark/benchmark.h>

#include <algorithm>

using namespace lettrava;

namespace {

void loadEnglish()
{
    static FixedPreferences prefs(LETTRAVA_SHIPPED_DICT);
    static bool once = [] {
        setPreferences(&prefs);
        Dictionary::instance().setCustomWordsFile(std::filesystem::path());
        return Dictionary::instance().load() == Dictionary::LoadStatus::Loaded;
    }();
    if (!once)
        std::abort();
}

// `count` distinct English words of 4 to 8 letters, chosen by the seed.
std::vector<std::string> wordList(std::size_t count, std::uint32_t seed, std::size_t maxLength = 8)
{
    loadEnglish();
    const auto words = Dictionary::instance().words();
    std::vector<std::string> list;
    Random::instance().seed(seed);
    while (list.size() < count) {
        std::string w(words->wordAt(Random::instance().below(static_cast<std::uint32_t>(words->size()))));
        if (w.size() >= 4 && w.size() <= maxLength && std::find(list.begin(), list.end(), w) == list.end())
            list.push_back(w);
    }
    return list;
}

void BM_GenerationsOn10x10With100Words(benchmark::State& state)
{
    gridOptions() = GridOptions{};
    gridOptions().gridColumns = 10;
    gridOptions().gridRows = 10;
    gridOptions().allowLetterReuse = true;
    const auto words = wordList(100, 7);
    Random::instance().seed(1);
    GridGenerator generator(words);
    for (auto _ : state)
        benchmark::DoNotOptimize(generator.step());
    state.counters["generations_per_s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["best_placed"] = generator.bestFitness();
}
BENCHMARK(BM_GenerationsOn10x10With100Words)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// One complete run per iteration: a 30-word list on a 12 x 12 grid, until every
// word is placed (or 20000 generations).
void BM_PlaceThirtyWordsOn12x12(benchmark::State& state)
{
    gridOptions() = GridOptions{};
    gridOptions().gridColumns = 12;
    gridOptions().gridRows = 12;
    gridOptions().allowLetterReuse = true;
    static std::uint32_t seed = 100; // a new list and seed for every run, across repetitions
    double generations = 0, placedAll = 0, runs = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const auto words = wordList(30, seed, 7);
        Random::instance().seed(seed++);
        GeneratedGrid grid;
        state.ResumeTiming();
        GeneratorRun run(words, grid);
        while (run.running() && run.generations() < 20000)
            run.runOneGeneration();
        generations += run.generations();
        placedAll += run.allPlaced();
        runs += 1;
    }
    state.counters["generations"] = generations / runs;
    state.counters["all_placed_share"] = placedAll / runs;
}
BENCHMARK(BM_PlaceThirtyWordsOn12x12)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(9)->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
