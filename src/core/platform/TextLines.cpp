#include "core/platform/TextLines.h"

#include <algorithm>
#include <string>

namespace lettrava {

LinesEnd readTextLines(std::istream& in, std::size_t maxLineLength, std::size_t maxBytes,
                       const std::function<bool(std::string_view)>& line, LongLines longLines)
{
    std::string current;
    current.reserve(maxLineLength + 1);
    std::size_t consumed = 0;
    bool afterCR = false;
    char buffer[4096];
    while (true) {
        const std::size_t want = std::min(sizeof buffer, maxBytes - consumed);
        if (want == 0)
            break;
        in.read(buffer, static_cast<std::streamsize>(want));
        const auto got = static_cast<std::size_t>(in.gcount());
        if (got == 0)
            break;
        consumed += got;
        for (std::size_t i = 0; i < got; ++i) {
            const char c = buffer[i];
            if (c == '\n' && afterCR) { // the LF of a CR LF pair
                afterCR = false;
                continue;
            }
            afterCR = false;
            if (c == '\r' || c == '\n') {
                afterCR = c == '\r';
                if (!line(current))
                    return LinesEnd::Stopped;
                current.clear();
                continue;
            }
            if (current.size() >= maxLineLength) {
                if (longLines == LongLines::EndReading)
                    return LinesEnd::LineTooLong;
                if (current.size() > maxLineLength)
                    continue; // the rest of an over-long line is dropped
            }
            current.push_back(c);
        }
    }
    if (consumed == maxBytes && in.peek() != std::char_traits<char>::eof())
        return LinesEnd::SizeLimit;
    if (!current.empty() && !line(current))
        return LinesEnd::Stopped;
    return LinesEnd::EndOfInput;
}

} // namespace lettrava
