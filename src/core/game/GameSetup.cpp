#include "core/game/GameSetup.h"

#include <algorithm>
#include <charconv>

namespace lettrava {

int parseDurationField(const std::string& text)
{
    int v = 0;
    const char* begin = text.data();
    const char* end = text.data() + text.size();
    while (begin < end && *begin == ' ')
        ++begin;
    while (end > begin && end[-1] == ' ')
        --end;
    auto [ptr, ec] = std::from_chars(begin, end, v);
    if (ec != std::errc() || ptr != end)
        return 0;
    return std::max(v, 0);
}

} // namespace lettrava
