// solve, trace and random-grid: the grid engine from the command line.

#include "Commands.h"
#include "ToolSupport.h"

#include "core/grid/CompSearchThread.h"
#include "core/grid/Grid.h"
#include "core/grid/GridFile.h"
#include "core/grid/GridOptions.h"
#include "core/platform/Random.h"
#include "core/words/Latin1.h"

#include <filesystem>
#include <iostream>

namespace lettrava::tool {

namespace {

// Loads a grid file as a game does: its settings become the current options.
void loadGridForTool(Grid& grid, const std::string& file)
{
    if (!loadGridFile(grid, file))
        throw ToolError("cannot read grid file " + file);
}

} // namespace

int solveCommand(const Args& args)
{
    Arguments a(args, {"dict", "custom", "min", "max", "reuse"}, {});
    const auto dict = a.value("dict");
    if (!dict)
        throw UsageError("--dict is required");
    if (a.positional().size() != 1)
        throw UsageError("expected GRIDFILE");
    const auto min = a.integer("min", 3, 18);
    const auto max = a.integer("max", 3, 18);
    const auto reuse = a.yesNo("reuse");
    loadDictionaryForTool(*dict, a.value("custom"));

    Grid grid(false);
    loadGridForTool(grid, a.positional()[0]);
    GridOptions& options = gridOptions();
    if (min)
        options.minWordLength = static_cast<int>(*min);
    if (max)
        options.maxWordLength = static_cast<int>(*max);
    if (reuse)
        options.allowLetterReuse = *reuse;

    CompSearchThread solver(&grid);
    solver.start();
    solver.waitFor();
    const auto& words = solver.solutionWords();
    for (const LVWord& w : words)
        std::cout << terminalText(w.text) << '\n';
    std::cout << "count: " << words.size() << '\n';
    std::cerr << "found: " << solver.count() << " (every chain)\n";
    return 0;
}

int traceCommand(const Args& args)
{
    Arguments a(args, {"reuse"}, {});
    if (a.positional().size() != 2)
        throw UsageError("expected GRIDFILE WORD");
    const auto reuse = a.yesNo("reuse");
    Grid grid(false);
    loadGridForTool(grid, a.positional()[0]);
    if (reuse)
        gridOptions().allowLetterReuse = *reuse;

    PathTable path;
    const std::string word = latin1::upper(programText(a.positional()[1], "WORD"));
    if (!grid.tracePath(word, path)) {
        std::cout << "not traceable\n";
        return 1;
    }
    std::cout << "path:";
    for (std::size_t k = 0; k < word.size(); ++k)
        std::cout << " (" << path[k].x << ',' << path[k].y << ')';
    std::cout << '\n';
    return 0;
}

int randomGridCommand(const Args& args)
{
    Arguments a(args, {"dict", "cols", "rows", "porosity", "seed"}, {});
    const auto dict = a.value("dict");
    if (!dict)
        throw UsageError("--dict is required");
    if (a.positional().size() != 1)
        throw UsageError("expected OUT.grd");
    const auto cols = a.integer("cols", 3, 12);
    const auto rows = a.integer("rows", 3, 12);
    const auto porosity = a.integer("porosity", 0, 60);
    const auto seed = a.integer("seed", 0, 4294967295L);
    loadDictionaryForTool(*dict, std::nullopt);

    GridOptions& options = gridOptions();
    if (cols)
        options.gridColumns = static_cast<int>(*cols);
    if (rows)
        options.gridRows = static_cast<int>(*rows);
    if (porosity)
        options.gridPorosity = static_cast<int>(*porosity);
    if (seed)
        Random::instance().seed(static_cast<std::uint32_t>(*seed));
    else
        Random::instance().seedFromClock();

    const Grid grid(true);
    const std::string out = a.positional()[0];
    if (!saveGridFile(grid, out))
        throw ToolError("cannot write " + out);
    return 0;
}

} // namespace lettrava::tool
