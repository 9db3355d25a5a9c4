#pragma once

#include "core/grid/Grid.h"

#include <cstddef>
#include <filesystem>
#include <istream>
#include <optional>
#include <string>
#include <vector>

namespace lettrava {

// Grid files: text, one line per row beginning with '>', settings lines
// NAME=VALUE (ROWS, COLS, MIN_WORD_LENGTH, MAX_WORD_LENGTH, ALLOW_REUSE), '#'
// comments and blank lines. Lines end with CR LF when written; CR LF, LF and CR
// are all read.

// The lines of a grid file that matter, sorted as read: the first row lines
// (at most as many as a grid can have) and, per setting, the value of the
// first line naming it.
struct GridFileContents {
    static constexpr std::size_t kMaxLineLength = 254;
    static constexpr std::size_t kMaxFileBytes = 1024 * 1024;

    std::vector<std::string> rows; // without their '>'
    std::optional<std::string> rowsValue, colsValue, minValue, maxValue, reuseValue;
};

// Reads the lines of a grid file. A line longer than 254 characters is cut to
// its first 254 and the reading goes on. Nothing when the input holds more
// than kMaxFileBytes bytes (no grid file is that large).
std::optional<GridFileContents> readGridFile(std::istream& in);

// Applies what a grid file holds to the grid and the process-wide options:
// COLS, then ROWS, then the cells within the new size (border included) made
// blank, then MIN_WORD_LENGTH, MAX_WORD_LENGTH (raised to the minimum when
// below it), ALLOW_REUSE, and the rows. Out-of-range or unreadable values are
// ignored one by one; row characters other than letters become empty cells,
// and characters beyond the grid's columns are ignored.
void applyGridFile(Grid& grid, const GridFileContents& contents);

// Reads the file into the grid and applies its settings. False, changing
// nothing, when the file cannot be opened or read (or is not a regular file,
// or is too large to be a grid file).
bool loadGridFile(Grid& grid, const std::filesystem::path& file);

// The text saveGridFile writes for the grid and the current options.
std::string gridFileText(const Grid& grid);

// Writes the grid and the current options, replacing the file as a whole
// (through a temporary file and a rename). False when it cannot be written.
bool saveGridFile(const Grid& grid, const std::filesystem::path& file);

} // namespace lettrava
