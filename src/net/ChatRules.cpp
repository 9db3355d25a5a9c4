#include "net/ChatRules.h"

#include <set>

namespace lettrava {

namespace {
constexpr std::size_t kMaxName = 16;
bool isBlank(char c) { return c == ' ' || c == '\t'; }
char lowered(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
} // namespace

std::string trimBlanks(std::string_view text)
{
    std::size_t begin = 0, end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return std::string(text.substr(begin, end - begin));
}

std::string plainText(std::string_view text)
{
    std::string out(text);
    for (char& c : out) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 32 || b == 127)
            c = ' ';
    }
    return out;
}

std::string plainText(std::string_view text, std::size_t limit) { return plainText(text.substr(0, limit)); }

std::string keptName(std::string_view wanted)
{
    return trimBlanks(trimBlanks(plainText(wanted)).substr(0, kMaxName));
}

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lowered(a[i]) != lowered(b[i]))
            return false;
    return true;
}

ChatInput parseChatInput(const std::string& text)
{
    ChatInput in;
    if (text.empty())
        return in;
    if (text[0] != '/') {
        in.kind = ChatInput::Kind::Text;
        return in;
    }
    if (text.size() <= 3)
        return in;
    in.kind = ChatInput::Kind::Command;
    in.letter = text[1];
    in.argument = text.substr(3);
    return in;
}

WhisperParts splitWhisper(const std::string& argument)
{
    WhisperParts w;
    const std::size_t blank = argument.find(' ');
    if (blank == std::string::npos)
        return w;
    w.recipient = argument.substr(0, blank);
    w.message = argument.substr(blank + 1);
    return w;
}

std::string freeMemberName(const std::string& wanted, const std::function<bool(const std::string&)>& taken)
{
    std::string candidate = wanted.substr(0, kMaxName);
    std::set<std::string> tried;
    while (taken(candidate)) {
        if (!tried.insert(candidate).second)
            break; // the walk came round: count instead
        if (candidate.empty()) {
            candidate.push_back('2');
            continue;
        }
        char& last = candidate.back();
        if (last >= '0' && last <= '9')
            last = static_cast<char>(last + 1);
        else if (candidate.size() < kMaxName)
            candidate += '2';
        else
            last = '2';
    }
    if (!taken(candidate))
        return candidate;
    for (unsigned n = 2;; ++n) {
        const std::string number = std::to_string(n);
        std::string counted = wanted.substr(0, kMaxName - number.size()) + number;
        if (!taken(counted))
            return counted;
    }
}

} // namespace lettrava
