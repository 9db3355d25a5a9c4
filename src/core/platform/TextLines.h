#pragma once

#include <cstddef>
#include <functional>
#include <istream>
#include <string_view>

namespace lettrava {

enum class LinesEnd {
    EndOfInput,  // every line was read
    LineTooLong, // a line longer than the limit ended the reading; it was not passed on
    Stopped,     // the callback asked to stop
    SizeLimit,   // the byte limit was reached; the cut line was not passed on
};

enum class LongLines {
    EndReading, // a line over the limit ends the reading
    Truncate,   // a line over the limit is passed on cut to limit + 1 characters
};

// Reads text lines from `in` and passes each to `line` without its line end.
// A line ends at CR LF, at a lone LF or at a lone CR, so files from any platform
// read the same. A line longer than maxLineLength characters either ends the
// reading, without reading the rest of it, or is passed on cut short (its
// length then tells the caller it was too long); either way an endless line
// costs no more than maxLineLength + 1 bytes of memory. At most maxBytes bytes
// are read. The callback returns false to stop.
LinesEnd readTextLines(std::istream& in, std::size_t maxLineLength, std::size_t maxBytes,
                       const std::function<bool(std::string_view)>& line,
                       LongLines longLines = LongLines::EndReading);

} // namespace lettrava
