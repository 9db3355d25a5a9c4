// Word engine: loading the shipped dictionary and looking texts up.

#include "core/platform/Random.h"
#include "core/headless/RecordingDialogs.h"
#include "core/words/Dictionary.h"

#include <benchmark/benchmark.h>

#include <set>
#include <string>
#include <vector>

using namespace lettrava;

namespace {

const char* const kShipped = LETTRAVA_SHIPPED_DICT;

Dictionary& loadedEnglish()
{
    static Dictionary d;
    static bool once = [] {
        d.setCustomWordsFile(std::filesystem::path());
        return d.loadFile(kShipped) == Dictionary::LoadStatus::Loaded;
    }();
    if (!once)
        std::abort();
    return d;
}

// A mix of a third words, a third prefixes and a third misses.
std::vector<std::string> lookupMix()
{
    const auto words = loadedEnglish().words();
    std::vector<std::string> mix;
    Random::instance().seed(1);
    for (int i = 0; i < 30000; ++i) {
        std::string w(words->wordAt(Random::instance().below(static_cast<std::uint32_t>(words->size()))));
        switch (i % 3) {
        case 0: mix.push_back(w); break;
        case 1: mix.push_back(w.substr(0, 2 + Random::instance().below(static_cast<std::uint32_t>(w.size() - 1)))); break;
        default: w[Random::instance().below(static_cast<std::uint32_t>(w.size()))] = 'Q'; w += "XZ"; mix.push_back(w); break;
        }
    }
    return mix;
}

void BM_LoadEnglish(benchmark::State& state)
{
    Dictionary d;
    d.setCustomWordsFile(std::filesystem::path());
    RecordingDialogs quiet;
    ScopedDialogs install(quiet);
    for (auto _ : state) {
        if (d.loadFile(kShipped) != Dictionary::LoadStatus::Loaded)
            state.SkipWithError("cannot load the shipped dictionary");
        benchmark::DoNotOptimize(d.words()->size());
    }
    state.counters["words"] = static_cast<double>(d.words()->size());
    state.counters["word_set_MB"] = static_cast<double>(d.words()->memoryBytes()) / (1024.0 * 1024.0);
}
BENCHMARK(BM_LoadEnglish)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);

// For scale: the same words inserted into a node-based std::set.
void BM_BuildStdSetOfEnglish(benchmark::State& state)
{
    const auto words = loadedEnglish().words();
    std::vector<std::string> list;
    for (std::size_t i = 0; i < words->size(); ++i)
        list.emplace_back(words->wordAt(i));
    for (auto _ : state) {
        std::set<std::string> s(list.begin(), list.end());
        benchmark::DoNotOptimize(s.size());
    }
}
BENCHMARK(BM_BuildStdSetOfEnglish)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_Lookup(benchmark::State& state)
{
    const Dictionary& d = loadedEnglish();
    const auto mix = lookupMix();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(d.lookup(mix[i]));
        if (++i == mix.size())
            i = 0;
    }
}
BENCHMARK(BM_Lookup)->Repetitions(9)->ReportAggregatesOnly(true);

void BM_LookupStdSet(benchmark::State& state)
{
    const auto words = loadedEnglish().words();
    std::set<std::string> s;
    for (std::size_t i = 0; i < words->size(); ++i)
        s.emplace(words->wordAt(i));
    const auto mix = lookupMix();
    std::size_t i = 0;
    for (auto _ : state) {
        auto it = s.lower_bound(mix[i]);
        benchmark::DoNotOptimize(it);
        if (++i == mix.size())
            i = 0;
    }
}
BENCHMARK(BM_LookupStdSet)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
