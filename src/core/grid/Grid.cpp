#include "core/grid/Grid.h"

#include "core/grid/GridIndex.h"

#include "core/grid/GridFile.h"
#include "core/grid/GridOptions.h"
#include "core/platform/Random.h"
#include "core/words/Dictionary.h"

#include <algorithm>
#include <cstring>
#include <system_error>

namespace lettrava {

namespace {

std::array<std::array<bool, Grid::kSize>, Grid::kSize>& mutableHolesMask()
{
    static std::array<std::array<bool, Grid::kSize>, Grid::kSize> mask{};
    return mask;
}

bool isVowel(char c)
{
    return c == 'A' || c == 'E' || c == 'I' || c == 'O' || c == 'U' || c == 'Y';
}

} // namespace

const std::array<std::array<bool, Grid::kSize>, Grid::kSize>& holesMask() { return mutableHolesMask(); }

int Grid::columns() { return std::clamp(gridOptions().gridColumns, 0, kMaxInterior); }
int Grid::rows() { return std::clamp(gridOptions().gridRows, 0, kMaxInterior); }

Grid::Grid(bool random)
{
    for (auto& column : cells_)
        column.fill(' ');
    if (random) {
        randomFill();
        fixLonelyQ();
        ensureVowel();
    }
}

Grid::Grid(const std::filesystem::path& gridFile) : Grid(false)
{
    std::error_code ec;
    const bool usable = !gridFile.empty() && std::filesystem::exists(gridFile, ec);
    // A file that exists but cannot be read leaves the round without letters;
    // a random grid keeps it playable.
    if (!usable || !loadGridFile(*this, gridFile)) {
        clearBorder();
        randomFill();
        fixLonelyQ();
        ensureVowel();
    }
}

Grid::Grid(const Grid& other) : Grid(false) { *this = other; }

Grid& Grid::operator=(const Grid& other)
{
    if (this == &other)
        return *this;
    for (auto& column : cells_)
        column.fill(' ');
    const int cols = columns(), rws = rows();
    for (int c = 1; c <= cols; ++c)
        for (int r = 1; r <= rws; ++r)
            cells_[c][r] = other.cells_[c][r];
    return *this;
}

char Grid::letterAt(int column, int row) const
{
    if (column < 0 || column >= kSize || row < 0 || row >= kSize)
        return ' ';
    return cells_[column][row];
}

void Grid::setLetter(int column, int row, char letter)
{
    if (column < 0 || column >= kSize || row < 0 || row >= kSize)
        return;
    cells_[column][row] = letter;
}

void Grid::clearBorder()
{
    const int cols = columns(), rws = rows();
    for (int r = 0; r <= rws + 1; ++r) {
        cells_[0][r] = ' ';
        cells_[cols + 1][r] = ' ';
    }
    for (int c = 0; c <= cols + 1; ++c) {
        cells_[c][0] = ' ';
        cells_[c][rws + 1] = ' ';
    }
}

void Grid::clearInterior()
{
    const int cols = columns(), rws = rows();
    for (int c = 1; c <= cols; ++c)
        for (int r = 1; r <= rws; ++r)
            cells_[c][r] = ' ';
}

bool Grid::isEmpty() const
{
    const int cols = columns(), rws = rows();
    for (int c = 1; c <= cols; ++c)
        for (int r = 1; r <= rws; ++r)
            if (cells_[c][r] != ' ')
                return false;
    return true;
}

void Grid::randomFill()
{
    const int cols = columns(), rws = rows();
    const int porosity = gridOptions().gridPorosity;
    auto& mask = mutableHolesMask();
    for (auto& column : mask)
        column.fill(false);
    // Holes first, column by column; with no porosity nothing is drawn.
    for (int c = 1; c <= cols; ++c)
        for (int r = 1; r <= rws; ++r)
            mask[c][r] = porosity > 0 && static_cast<int>(Random::instance().next() % 100) < porosity;
    // Then the letters, from the last cell back to the first. The dictionary is
    // asked for each cell, so that a dictionary not loaded yet is loaded by the
    // first random grid.
    for (int c = cols; c >= 1; --c)
        for (int r = rws; r >= 1; --r)
            cells_[c][r] = mask[c][r] ? ' ' : Dictionary::instance().randomLetter();
}

void Grid::fixLonelyQ()
{
    const int cols = columns(), rws = rows();
    // A Q in a grid of one cell has nowhere to put its U.
    if (cols * rws < 2)
        return;
    for (int c = 1; c <= cols; ++c) {
        for (int r = 1; r <= rws; ++r) {
            if (cells_[c][r] != 'Q')
                continue;
            bool hasU = false;
            for (int dc = -1; dc <= 1; ++dc)
                for (int dr = -1; dr <= 1; ++dr)
                    hasU = hasU || cells_[c + dc][r + dr] == 'U';
            if (hasU)
                continue;
            // Every interior cell of a grid of two or more cells has an
            // interior neighbour, so this ends.
            int tc = 0, tr = 0;
            do {
                const int dc = static_cast<int>(Random::instance().next() % 3) - 1;
                const int dr = static_cast<int>(Random::instance().next() % 3) - 1;
                tc = c + dc;
                tr = r + dr;
            } while (tc < 1 || tc > cols || tr < 1 || tr > rws || (tc == c && tr == r));
            cells_[tc][tr] = 'U';
        }
    }
}

void Grid::ensureVowel()
{
    const int cols = columns(), rws = rows();
    if (cols < 1 || rws < 1)
        return;
    for (int c = 1; c <= cols; ++c)
        for (int r = 1; r <= rws; ++r)
            if (isVowel(cells_[c][r]))
                return;
    const int c = 1 + static_cast<int>(Random::instance().next() % static_cast<std::uint32_t>(cols));
    const int r = 1 + static_cast<int>(Random::instance().next() % static_cast<std::uint32_t>(rws));
    static constexpr char kVowels[] = {'A', 'E', 'I', 'O', 'U', 'Y'};
    cells_[c][r] = kVowels[Random::instance().next() % 6];
}

std::array<unsigned char, Grid::kImageSize> Grid::toImage() const
{
    std::array<unsigned char, kImageSize> image{};
    for (int c = 0; c < kSize; ++c)
        for (int r = 0; r < kSize; ++r)
            image[static_cast<std::size_t>(c * kSize + r)] = static_cast<unsigned char>(cells_[c][r]);
    return image;
}

void Grid::fromImage(const unsigned char* bytes)
{
    for (int c = 0; c < kSize; ++c)
        for (int r = 0; r < kSize; ++r)
            cells_[c][r] = static_cast<char>(bytes[c * kSize + r]);
}

bool Grid::traceWord(std::string_view word) const { return trace(word, gridOptions().allowLetterReuse, nullptr); }

bool Grid::traceWordWithReuse(std::string_view word) const { return trace(word, true, nullptr); }

bool Grid::tracePath(std::string_view word, PathTable& path) const
{
    path.fill(GridCell());
    return trace(word, gridOptions().allowLetterReuse, &path);
}

// The search runs on the grid's letter bit boards: only cells from which the
// rest of the word can still be traced are followed, so the first chain in the
// fixed order comes at once, and a grid full of one letter cannot make a long
// word take forever.
bool Grid::trace(std::string_view word, bool reuse, PathTable* path) const
{
    return GridIndex(*this).trace(word, reuse, path);
}

} // namespace lettrava
