#include "core/grid/GridIndex.h"

namespace lettrava {

namespace {

using Word = std::uint64_t;

// The eight neighbours in the order every trace tries them: (column step, row step).
constexpr int kSteps[8][2] = {{-1, -1}, {-1, 0}, {-1, 1}, {0, -1}, {0, 1}, {1, -1}, {1, 0}, {1, 1}};

inline std::array<Word, 4> shiftUp(const std::array<Word, 4>& w, unsigned s) // towards higher bit numbers
{
    return {w[0] << s, (w[1] << s) | (w[0] >> (64 - s)), (w[2] << s) | (w[1] >> (64 - s)),
            (w[3] << s) | (w[2] >> (64 - s))};
}

inline std::array<Word, 4> shiftDown(const std::array<Word, 4>& w, unsigned s)
{
    return {(w[0] >> s) | (w[1] << (64 - s)), (w[1] >> s) | (w[2] << (64 - s)), (w[2] >> s) | (w[3] << (64 - s)),
            w[3] >> s};
}

} // namespace

GridIndex::GridIndex(const Grid& grid) : columns_(Grid::columns()), rows_(Grid::rows())
{
    for (int c = 1; c <= columns_; ++c)
        for (int r = 1; r <= rows_; ++r) {
            const auto letter = static_cast<unsigned char>(grid.letterAt(c, r));
            if (letter == ' ')
                continue;
            const int i = r * 16 + c;
            letters_[letter].w[static_cast<std::size_t>(i >> 6)] |= Word{1} << (i & 63);
        }
}

GridIndex::Bits GridIndex::neighbours(const Bits& b)
{
    // The row neighbours (one column left and right), then the rows above and
    // below of the cells widened by one column each way: the eight neighbours,
    // never the cell itself. Interior cells lie in columns 1..12 of a 16-wide
    // layout, so a shift by one column never carries a cell into another row.
    const auto left = shiftDown(b.w, 1);
    const auto right = shiftUp(b.w, 1);
    std::array<Word, 4> wide;
    for (std::size_t i = 0; i < 4; ++i)
        wide[i] = b.w[i] | left[i] | right[i];
    const auto above = shiftDown(wide, 16);
    const auto below = shiftUp(wide, 16);
    Bits out;
    for (std::size_t i = 0; i < 4; ++i)
        out.w[i] = left[i] | right[i] | above[i] | below[i];
    return out;
}

bool GridIndex::trace(std::string_view word, bool reuse, PathTable* path) const
{
    if (path)
        path->fill(GridCell());
    const std::size_t n = word.size();
    if (n < 2 || n > Grid::kMaxWordLength)
        return false;

    // reachable[k]: cells holding letter k from which letters k.. can be traced with reuse.
    std::array<Bits, Grid::kMaxWordLength> reachable;
    reachable[n - 1] = letters_[static_cast<unsigned char>(word[n - 1])];
    if (!reachable[n - 1].any())
        return false;
    for (std::size_t k = n - 1; k-- > 0;) {
        const Bits near = neighbours(reachable[k + 1]);
        const Bits& own = letters_[static_cast<unsigned char>(word[k])];
        for (std::size_t i = 0; i < 4; ++i)
            reachable[k].w[i] = own.w[i] & near.w[i];
        if (!reachable[k].any())
            return false;
    }
    if (reuse && !path)
        return true;

    std::array<std::array<int, 2>, Grid::kMaxWordLength> chain{};
    std::array<int, Grid::kMaxWordLength> nextStep{};
    auto onChain = [&](std::size_t depth, int c, int r) {
        for (std::size_t i = 0; i <= depth; ++i)
            if (chain[i][0] == c && chain[i][1] == r)
                return true;
        return false;
    };
    for (int c0 = 1; c0 <= columns_; ++c0) {
        for (int r0 = 1; r0 <= rows_; ++r0) {
            if (!reachable[0].test(c0, r0))
                continue;
            std::size_t depth = 0;
            chain[0] = {c0, r0};
            nextStep[0] = 0;
            for (;;) {
                if (depth + 1 == n) {
                    if (path)
                        for (std::size_t k = 0; k < n; ++k) {
                            (*path)[k].x = chain[k][0] - 1;
                            (*path)[k].y = chain[k][1] - 1;
                        }
                    return true;
                }
                bool advanced = false;
                while (nextStep[depth] < 8) {
                    const auto& step = kSteps[nextStep[depth]++];
                    const int c = chain[depth][0] + step[0];
                    const int r = chain[depth][1] + step[1];
                    if (!reachable[depth + 1].test(c, r) || (!reuse && onChain(depth, c, r)))
                        continue;
                    ++depth;
                    chain[depth] = {c, r};
                    nextStep[depth] = 0;
                    advanced = true;
                    break;
                }
                if (advanced)
                    continue;
                if (depth == 0)
                    break;
                --depth;
            }
        }
    }
    return false;
}

} // namespace lettrava
