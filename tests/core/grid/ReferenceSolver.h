#pragma once

// The solver's search written out plainly, as the yardstick for the fast one:
// an ordered std::set of words, one lower-bound lookup for every extended
// chain, chains kept as strings, cells kept in a path table. Shared by the
// tests and the benchmark; not part of the program.

#include "core/grid/Grid.h"
#include "core/grid/GridCell.h"
#include "core/grid/GridOptions.h"
#include "core/words/WordStore.h"

#include <cstddef>
#include <set>
#include <string>
#include <vector>

namespace lettrava::reference {

inline LookupResult lookup(const std::set<std::string>& words, const std::string& text)
{
    const std::size_t L = text.size();
    if (L < 2)
        return LookupResult::Prefix;
    if (L > 18)
        return LookupResult::NoMatch;
    auto w = words.lower_bound(text);
    if (w == words.end())
        return LookupResult::NoMatch;
    if (L >= 3 && *w == text)
        return LookupResult::Word;
    if (w->compare(0, L, text) == 0)
        return LookupResult::Prefix;
    return LookupResult::NoMatch;
}

inline std::set<std::string> wordSet(const WordStore& store)
{
    std::set<std::string> words;
    for (std::size_t i = 0; i < store.size(); ++i)
        words.emplace(store.wordAt(i));
    return words;
}

class Solver {
public:
    // limit: stop once this many words were found (0: no limit).
    Solver(const Grid& grid, const GridOptions& options, const std::set<std::string>& words, std::size_t limit = 0)
        : grid_(grid), options_(options), words_(words), limit_(limit)
    {
    }

    std::vector<std::string> run(int startColumn, int startRow)
    {
        found_.clear();
        const int columns = options_.gridColumns, rows = options_.gridRows;
        for (int i = 0; i < columns; ++i) {
            const int x = (startColumn + i) % columns;
            for (int j = 0; j < rows; ++j) {
                const int y = (startRow + j) % rows;
                if (stopped())
                    return found_;
                const char letter = grid_.letterAt(x + 1, y + 1);
                if (letter == ' ')
                    continue;
                PathTable table; // all entries -1
                extend(std::string(1, letter), GridCell(x, y), table);
            }
        }
        return found_;
    }

private:
    bool stopped() const { return limit_ != 0 && found_.size() >= limit_; }

    void extend(const std::string& prefix, const GridCell& cell, PathTable& table)
    {
        const std::size_t L = prefix.size();
        table[L - 1] = cell;
        static constexpr int steps[8][2] = {{-1, -1}, {-1, 0}, {-1, 1}, {0, -1}, {0, 1}, {1, -1}, {1, 0}, {1, 1}};
        for (const auto& step : steps) {
            if (stopped())
                return;
            const GridCell next(cell.x + step[0], cell.y + step[1]);
            if (!options_.allowLetterReuse) {
                bool used = false;
                for (std::size_t k = 0; k < table.size() && table[k].x != -1; ++k)
                    used = used || (table[k].x == next.x && table[k].y == next.y);
                if (used)
                    continue;
            }
            const std::string candidate = prefix + grid_.letterAt(next.x + 1, next.y + 1);
            if (candidate.find(' ') != std::string::npos)
                continue;
            const LookupResult result = lookup(words_, candidate);
            if (result == LookupResult::NoMatch)
                continue;
            const int length = static_cast<int>(candidate.size());
            if (result == LookupResult::Word && length >= options_.minWordLength && length <= options_.maxWordLength)
                found_.push_back(candidate);
            extend(candidate, next, table);
        }
        table[L - 1] = GridCell();
    }

    const Grid& grid_;
    GridOptions options_;
    const std::set<std::string>& words_;
    std::size_t limit_;
    std::vector<std::string> found_;
};

} // namespace lettrava::reference
