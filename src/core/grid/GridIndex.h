#pragma once

#include "core/grid/Grid.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace lettrava {

// A grid's letters as bit boards, for tracing many words in one grid fast.
//
// Each letter has a 256-bit board with bit row * 16 + column set where the
// grid (at the current size) holds that letter. Tracing a word first computes,
// from the last letter back, the cells from which the rest of the word can be
// traced when cells may be reused: the board of letter k, masked with the
// neighbours of the cells found for letter k + 1 -- eight shifts and an AND
// per letter. The chain is then searched in the usual order, following only
// such cells, so the answer and the chain found are those of Grid::tracePath,
// at a fraction of the cost. Build an index after the grid was last changed.
class GridIndex {
public:
    explicit GridIndex(const Grid& grid);

    // As Grid::traceWord / tracePath with the given reuse; with a path table,
    // it receives the chain found (0-based cells) or is left all empty.
    bool trace(std::string_view word, bool reuse, PathTable* path) const;

private:
    struct Bits {
        std::array<std::uint64_t, 4> w{};
        bool any() const { return (w[0] | w[1] | w[2] | w[3]) != 0; }
        bool test(int column, int row) const
        {
            const int i = row * 16 + column;
            return (w[static_cast<std::size_t>(i >> 6)] >> (i & 63)) & 1u;
        }
    };
    static Bits neighbours(const Bits& b);

    std::array<Bits, 256> letters_{};
    int columns_, rows_;
};

} // namespace lettrava
