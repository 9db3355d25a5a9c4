#include "core/grid/GridFile.h"

#include "core/grid/GridOptions.h"
#include "core/platform/FileUtil.h"
#include "core/platform/TextLines.h"
#include "core/words/Latin1.h"

#include <algorithm>
#include <charconv>
#include <ctime>
#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

namespace lettrava {

namespace {

constexpr const char* kLineEnd = "\r\n";

char upperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool sameNameIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (upperAscii(a[i]) != upperAscii(b[i]))
            return false;
    return true;
}

// A plain decimal integer with an optional sign, nothing around it; nothing
// for anything else, including numbers too large for an int.
std::optional<int> integerValue(const std::optional<std::string>& text)
{
    if (!text || text->empty())
        return std::nullopt;
    const char* begin = text->data();
    const char* end = begin + text->size();
    if (*begin == '+')
        ++begin;
    int v = 0;
    auto [stop, ec] = std::from_chars(begin, end, v);
    if (ec != std::errc() || stop != end)
        return std::nullopt;
    return v;
}

bool inRange(const std::optional<int>& v, int low, int high) { return v && *v >= low && *v <= high; }

std::string formatNow(const char* format)
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char buffer[128];
    const std::size_t n = std::strftime(buffer, sizeof buffer, format, &local);
    return std::string(buffer, n);
}

} // namespace

std::optional<GridFileContents> readGridFile(std::istream& in)
{
    GridFileContents contents;
    const LinesEnd end = readTextLines(
        in, GridFileContents::kMaxLineLength, GridFileContents::kMaxFileBytes,
        [&contents](std::string_view line) {
            line = line.substr(0, GridFileContents::kMaxLineLength);
            if (line.empty() || line.front() == '#')
                return true;
            if (line.front() == '>') {
                // Only the first rows can ever be used.
                if (contents.rows.size() < static_cast<std::size_t>(Grid::kMaxInterior))
                    contents.rows.emplace_back(line.substr(1));
                return true;
            }
            const std::size_t eq = line.find('=');
            if (eq == std::string_view::npos)
                return true;
            const std::string_view name = line.substr(0, eq);
            const std::string_view value = line.substr(eq + 1);
            // The first line with a name wins, even when its value is unusable.
            auto take = [&](const char* known, std::optional<std::string>& slot) {
                if (!slot && sameNameIgnoringCase(name, known))
                    slot = std::string(value);
            };
            take("ROWS", contents.rowsValue);
            take("COLS", contents.colsValue);
            take("MIN_WORD_LENGTH", contents.minValue);
            take("MAX_WORD_LENGTH", contents.maxValue);
            take("ALLOW_REUSE", contents.reuseValue);
            return true;
        },
        LongLines::Truncate);
    if (end == LinesEnd::SizeLimit || in.bad())
        return std::nullopt;
    return contents;
}

void applyGridFile(Grid& grid, const GridFileContents& contents)
{
    GridOptions& options = gridOptions();
    if (const auto cols = integerValue(contents.colsValue); inRange(cols, 3, 12))
        options.gridColumns = *cols;
    if (const auto rows = integerValue(contents.rowsValue); inRange(rows, 3, 12))
        options.gridRows = *rows;

    const int cols = Grid::columns(), rows = Grid::rows();
    for (int c = 0; c <= cols + 1; ++c)
        for (int r = 0; r <= rows + 1; ++r)
            grid.setLetter(c, r, ' ');

    if (const auto min = integerValue(contents.minValue); inRange(min, 3, 18))
        options.minWordLength = *min;
    // A file that raises the minimum above the current maximum raises the
    // maximum with it, even without a maximum of its own.
    int max = options.maxWordLength;
    if (const auto v = integerValue(contents.maxValue))
        max = *v;
    if (max >= 3 && max <= 18)
        options.maxWordLength = std::max(max, options.minWordLength);

    if (contents.reuseValue && !contents.reuseValue->empty()) {
        const char first = upperAscii(contents.reuseValue->front());
        options.allowLetterReuse = first == 'Y' || first == 'T';
    }

    for (int r = 1; r <= rows; ++r) {
        if (static_cast<std::size_t>(r) > contents.rows.size())
            break;
        const std::string& line = contents.rows[static_cast<std::size_t>(r - 1)];
        const int n = std::min(static_cast<int>(line.size()), cols);
        for (int k = 1; k <= n; ++k) {
            const char c = line[static_cast<std::size_t>(k - 1)];
            grid.setLetter(k, r, latin1::isLetter(c) ? latin1::toUpper(c) : ' ');
        }
    }
}

bool loadGridFile(Grid& grid, const fs::path& file)
{
    std::error_code ec;
    if (!fs::is_regular_file(file, ec))
        return false;
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return false;
    const std::optional<GridFileContents> contents = readGridFile(in);
    if (!contents)
        return false;
    applyGridFile(grid, *contents);
    return true;
}

std::string gridFileText(const Grid& grid)
{
    const GridOptions& options = gridOptions();
    std::string text;
    text += "# grid saved from GridTester on " + formatNow("%x") + " at " + formatNow("%X") + kLineEnd;
    text += kLineEnd;
    text += std::string("# NOTES: 1.  When modifying this file or creating grid files,") + kLineEnd;
    text += std::string("#            please remember to begin each grid row with \">\"") + kLineEnd;
    text += std::string("#        2.  The word length and reuse options in this file") + kLineEnd;
    text += std::string("#            override those set in the game options screen.") + kLineEnd;
    text += std::string("#            To prevent that, remove the settings below.") + kLineEnd;
    text += kLineEnd;
    text += "ROWS=" + std::to_string(options.gridRows) + kLineEnd;
    text += "COLS=" + std::to_string(options.gridColumns) + kLineEnd;
    text += "MIN_WORD_LENGTH=" + std::to_string(options.minWordLength) + kLineEnd;
    text += "MAX_WORD_LENGTH=" + std::to_string(options.maxWordLength) + kLineEnd;
    text += std::string("ALLOW_REUSE=") + (options.allowLetterReuse ? "Yes" : "No") + kLineEnd;
    // The empty line before the rows is the line end that precedes the first
    // row; the file ends right after the last cell.
    const int cols = Grid::columns(), rows = Grid::rows();
    for (int r = 1; r <= rows; ++r) {
        text += kLineEnd;
        text += '>';
        for (int c = 1; c <= cols; ++c) {
            const char cell = grid.letterAt(c, r);
            // A line end inside a row would split it; such a byte is no letter
            // and reads back as an empty cell anyway.
            text += (cell == '\r' || cell == '\n') ? ' ' : cell;
        }
    }
    return text;
}

bool saveGridFile(const Grid& grid, const fs::path& file) { return writeFileAtomically(file, gridFileText(grid)); }

} // namespace lettrava
