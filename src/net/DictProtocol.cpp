#include "net/DictProtocol.h"

namespace lettrava::dict {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool isAtomChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || isDigit(c) || c == '-' || c == '_';
}

// Reads one argument of a status line: a quoted string (with backslash
// escapes) or an atom up to the next space. Advances `at` past it and the
// spaces after it.
std::optional<std::string> nextArgument(std::string_view line, std::size_t& at)
{
    while (at < line.size() && line[at] == ' ')
        ++at;
    if (at >= line.size())
        return std::nullopt;
    std::string out;
    if (line[at] == '"') {
        ++at;
        while (at < line.size() && line[at] != '"') {
            if (line[at] == '\\' && at + 1 < line.size())
                ++at;
            out += line[at++];
        }
        if (at >= line.size())
            return std::nullopt; // no closing quote
        ++at;
    } else {
        while (at < line.size() && line[at] != ' ')
            out += line[at++];
    }
    while (at < line.size() && line[at] == ' ')
        ++at;
    return out;
}

} // namespace

int statusCode(std::string_view line)
{
    if (line.size() < 3 || !isDigit(line[0]) || !isDigit(line[1]) || !isDigit(line[2]))
        return -1;
    if (line.size() > 3 && line[3] != ' ')
        return -1;
    return (line[0] - '0') * 100 + (line[1] - '0') * 10 + (line[2] - '0');
}

std::optional<std::string> defineCommand(std::string_view database, std::string_view word)
{
    if (database.empty() || database.size() > 32)
        return std::nullopt;
    if (database != "*" && database != "!")
        for (char c : database)
            if (!isAtomChar(c))
                return std::nullopt;
    if (word.empty() || word.size() > 64)
        return std::nullopt;
    for (char c : word) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x21 || u == 0x7f || c == '"' || c == '\\')
            return std::nullopt;
    }
    return "DEFINE " + std::string(database) + " \"" + std::string(word) + "\"\r\n";
}

bool parseDefinitionHeader(std::string_view line, Definition& out)
{
    if (statusCode(line) != 151)
        return false;
    std::size_t at = 3;
    auto word = nextArgument(line, at);
    auto database = nextArgument(line, at);
    if (!word || !database)
        return false;
    auto description = nextArgument(line, at);
    out.word = std::move(*word);
    out.database = std::move(*database);
    out.description = description ? std::move(*description) : std::string();
    return true;
}

DefineReader::State DefineReader::fail(std::string why)
{
    failure_ = std::move(why);
    definitions_.clear();
    state_ = State::Failed;
    return state_;
}

DefineReader::State DefineReader::feed(std::string_view line)
{
    if (state_ != State::Reading)
        return state_;
    if (line.size() > kMaxLineLength)
        return fail("The dictionary server sent a line that is too long.");

    if (inText_) {
        if (line == ".") {
            inText_ = false;
            return state_;
        }
        // A leading dot is doubled on the wire.
        if (line.size() >= 2 && line[0] == '.' && line[1] == '.')
            line.remove_prefix(1);
        textBytes_ += line.size() + 1;
        if (textBytes_ > kMaxTextBytes)
            return fail("The dictionary server sent too much text.");
        Definition& d = definitions_.back();
        if (!d.text.empty())
            d.text += '\n';
        d.text.append(line);
        return state_;
    }

    const int code = statusCode(line);
    switch (code) {
    case 150: // n definitions retrieved
        return state_;
    case 151: {
        if (definitions_.size() >= kMaxDefinitions)
            return fail("The dictionary server sent too many definitions.");
        Definition d;
        if (!parseDefinitionHeader(line, d))
            return fail("The dictionary server sent a malformed definition header.");
        definitions_.push_back(std::move(d));
        inText_ = true;
        return state_;
    }
    case 250:
        if (definitions_.empty())
            return fail("The dictionary server ended its answer without a definition.");
        state_ = State::Found;
        return state_;
    case 552:
        state_ = State::NoMatch;
        return state_;
    default:
        if (code >= 400)
            return fail(std::string(line));
        return fail("The dictionary server's answer was not understood.");
    }
}

} // namespace lettrava::dict
