#pragma once

#include "core/grid/GridCell.h"

#include <array>
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace lettrava {

// The letters of one grid: a 14 x 14 array of bytes, cell(column, row) with
// both from 0 to 13. The part in use is the interior, columns 1 to gridColumns
// and rows 1 to gridRows of the current options, and a one-cell border around
// it that always holds spaces. A cell holds an upper-case letter or a space; an
// interior space is an empty cell (a hole), through which no word passes.
//
// Grids are written on the user-interface thread only.
class Grid {
public:
    static constexpr int kSize = 14;
    static constexpr int kMaxInterior = kSize - 2; // 12
    static constexpr std::size_t kImageSize = 200;
    static constexpr std::size_t kMaxWordLength = 18;

    // A grid with a blank border. With random set, the interior is filled at
    // random (randomFill, then fixLonelyQ, then ensureVowel); otherwise it is
    // blank and the caller fills it.
    explicit Grid(bool random);

    // The grid of a grid file, whose settings also become the current options.
    // A missing file or an empty name gives Grid(true); so does a file that
    // exists but cannot be read.
    explicit Grid(const std::filesystem::path& gridFile);
    // File names as text go to the file constructor (a plain pointer would
    // otherwise pick Grid(bool)).
    explicit Grid(const char* gridFile) : Grid(std::filesystem::path(gridFile ? gridFile : "")) {}
    explicit Grid(const std::string& gridFile) : Grid(std::filesystem::path(gridFile)) {}

    // A blank border and the other grid's interior at the current size.
    Grid(const Grid& other);
    Grid& operator=(const Grid& other);

    // Direct access with 1-based interior coordinates (the border is row and
    // column 0 and size + 1). Positions outside the 14 x 14 array read as a
    // space and are never written.
    char letterAt(int column, int row) const;
    void setLetter(int column, int row, char letter);

    void clearBorder();
    void clearInterior();
    // True when every interior cell is a space.
    bool isEmpty() const;

    // Holes by porosity (drawn column by column, written to holesMask()), then
    // letters from the dictionary's weights, last cell first.
    void randomFill();
    // Gives every Q without a U in its 3 x 3 block a U in a random neighbour.
    void fixLonelyQ();
    // Puts one random vowel (A E I O U Y) into a random cell of a grid that has none.
    void ensureVowel();

    // The 200-byte image: byte column * 14 + row holds cell(column, row); the
    // last four bytes are zero. The size travels beside it.
    std::array<unsigned char, kImageSize> toImage() const;
    // Takes the 196 cells of an image as they are.
    void fromImage(const unsigned char* bytes);

    // Can the word be traced on a chain of touching cells, under the current
    // letter-reuse option? Words of fewer than 2 or more than 18 letters never
    // are. Matching is byte for byte (callers pass upper case).
    bool traceWord(std::string_view word) const;
    // As traceWord with letter reuse allowed, whatever the option says.
    bool traceWordWithReuse(std::string_view word) const;
    // As traceWord; on success path holds the chain found (the first in the
    // search order: leftmost start column, then topmost row, then the earliest
    // neighbour at each step), on failure every entry is empty. The table must
    // hold only empty entries when called.
    bool tracePath(std::string_view word, PathTable& path) const;

    // The interior size the grid code works with: the current options clamped
    // to 0..12, so that nothing reaches outside the array.
    static int columns();
    static int rows();

    bool operator==(const Grid& other) const { return cells_ == other.cells_; }

private:
    bool trace(std::string_view word, bool reuse, PathTable* path) const;

    // cells_[column][row]
    std::array<std::array<char, kSize>, kSize> cells_;
};

// The holes chosen by the last randomFill, indexed [column][row] like the grid.
const std::array<std::array<bool, Grid::kSize>, Grid::kSize>& holesMask();

} // namespace lettrava
