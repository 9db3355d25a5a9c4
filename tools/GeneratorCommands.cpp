// generate: breeds a grid that holds as many words of a list as possible.

#include "Commands.h"
#include "ToolSupport.h"

#include "core/grid/GeneratorRun.h"
#include "core/grid/GridFile.h"
#include "core/grid/GridOptions.h"
#include "core/platform/FileUtil.h"
#include "core/platform/Random.h"

#include <iostream>

namespace lettrava::tool {

int generateCommand(const Args& args)
{
    Arguments a(args, {"dict", "words", "cols", "rows", "porosity", "reuse", "seed", "generations"}, {});
    const auto dict = a.value("dict");
    const auto wordsFile = a.value("words");
    if (!dict || !wordsFile)
        throw UsageError("--dict and --words are required");
    if (a.positional().size() != 1)
        throw UsageError("expected OUT.grd");

    GridOptions& o = gridOptions();
    o.gridColumns = static_cast<int>(a.integer("cols", 3, 12).value_or(o.gridColumns));
    o.gridRows = static_cast<int>(a.integer("rows", 3, 12).value_or(o.gridRows));
    o.gridPorosity = static_cast<int>(a.integer("porosity", 0, 60).value_or(0));
    o.allowLetterReuse = a.yesNo("reuse").value_or(o.allowLetterReuse);
    const long generations = a.integer("generations", 1, 100'000'000).value_or(1000);
    loadDictionaryForTool(*dict, std::nullopt);
    Random::instance().seed(static_cast<std::uint32_t>(a.integer("seed", 0, 4294967295L).value_or(0)));

    const auto text = readFileLimited(*wordsFile, 64u * 1024 * 1024);
    if (!text)
        throw ToolError("cannot read word list " + *wordsFile);
    const std::vector<std::string> words = WordList::wordsFromText(*text);
    if (words.empty())
        throw ToolError("the word list " + *wordsFile + " holds no words");

    GeneratedGrid grid;
    GeneratorRun run(words, grid);
    run.onImproved([&] {
        std::cout << "generation " << run.generations() << " placed " << run.bestFitness() << " of " << words.size()
                  << '\n';
    });
    while (run.running() && run.generations() < generations)
        run.runOneGeneration();

    if (!saveGridFile(grid, a.positional()[0]))
        throw ToolError("cannot write " + a.positional()[0]);
    std::cout << "placed " << (run.allPlaced() ? std::string("ALL") : std::to_string(run.bestFitness())) << " of "
              << words.size() << '\n';
    return 0;
}

} // namespace lettrava::tool
