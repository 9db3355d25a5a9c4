#pragma once

#include "core/grid/Grid.h"

#include <string>

namespace lettrava::test {

// Tracing written out plainly: recursion over the neighbours in order, the
// path table as the only memory, no pruning.
class LiteralTracer {
public:
    LiteralTracer(const Grid& grid, bool reuse) : grid_(grid), reuse_(reuse) {}

    bool trace(const std::string& word, PathTable& path)
    {
        if (word.size() < 2 || word.size() > 18)
            return false;
        for (int c = 1; c <= Grid::columns(); ++c)
            for (int r = 1; r <= Grid::rows(); ++r)
                if (grid_.letterAt(c, r) == word[0] && word[0] != ' ' && from(word, 0, c, r, path))
                    return true;
        return false;
    }

private:
    bool from(const std::string& word, std::size_t k, int c, int r, PathTable& path)
    {
        path[k] = GridCell(c - 1, r - 1);
        if (k + 1 == word.size())
            return true;
        static constexpr int steps[8][2] = {{-1, -1}, {-1, 0}, {-1, 1}, {0, -1}, {0, 1}, {1, -1}, {1, 0}, {1, 1}};
        for (const auto& s : steps) {
            const int nc = c + s[0], nr = r + s[1];
            if (grid_.letterAt(nc, nr) != word[k + 1] || word[k + 1] == ' ')
                continue;
            if (!reuse_) {
                bool used = false;
                for (std::size_t i = 0; i < path.size() && path[i].x != -1; ++i)
                    used = used || (path[i].x == nc - 1 && path[i].y == nr - 1);
                if (used)
                    continue;
            }
            if (from(word, k + 1, nc, nr, path))
                return true;
        }
        path[k] = GridCell();
        return false;
    }

    const Grid& grid_;
    bool reuse_;
};

} // namespace lettrava::test
