// Loading each shipped dictionary, as the program does when a player chooses it.

#include "core/headless/RecordingDialogs.h"
#include "core/words/Dictionary.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

using namespace lettrava;

namespace {

const char* const kFiles[] = {"English.dic",  "English-large.dic", "English-British.dic", "Deutsch.dic",
                              "Francais.dic", "Espanol.dic",       "Italiano.dic",        "Nederlands.dic"};

void BM_LoadDictionary(benchmark::State& state)
{
    const std::filesystem::path file =
        std::filesystem::path(LETTRAVA_SHIPPED_DICT).parent_path() / kFiles[state.range(0)];
    state.SetLabel(kFiles[state.range(0)]);
    Dictionary d;
    d.setCustomWordsFile(std::filesystem::path());
    RecordingDialogs quiet;
    ScopedDialogs install(quiet);
    for (auto _ : state) {
        if (d.loadFile(file) != Dictionary::LoadStatus::Loaded) {
            state.SkipWithError("cannot load the dictionary");
            break;
        }
        benchmark::DoNotOptimize(d.words()->size());
    }
    state.counters["words"] = static_cast<double>(d.words()->size());
    state.counters["letters"] = static_cast<double>(d.alphabet().letters().size());
    std::error_code ec;
    state.counters["file_MB"] = static_cast<double>(std::filesystem::file_size(file, ec)) / (1024.0 * 1024.0);
    state.counters["word_set_MB"] = static_cast<double>(d.words()->memoryBytes()) / (1024.0 * 1024.0);
}
BENCHMARK(BM_LoadDictionary)
    ->DenseRange(0, static_cast<int>(std::size(kFiles)) - 1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
