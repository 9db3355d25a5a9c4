#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lettrava::dict {

// The DICT protocol (RFC 2229) as far as a definition lookup needs it: the
// commands the client sends and a reader for the server's answer to DEFINE.
// Pure text handling, no sockets; the transport feeds it whole lines.

inline constexpr unsigned short kDefaultPort = 2628;

// Server replies are read as hostile input: a line longer than this, more
// definitions or more text than these are refused rather than stored.
inline constexpr std::size_t kMaxLineLength = 4096;
inline constexpr std::size_t kMaxDefinitions = 64;
inline constexpr std::size_t kMaxTextBytes = 512 * 1024;

struct Definition {
    std::string word;        // the headword as the server spelled it
    std::string database;    // the database's short name
    std::string description; // the database's description
    std::string text;        // the definition, lines joined with '\n'
};

// The three-digit status code at the start of a status line, or -1 when the
// line does not start with one followed by a space or its end.
int statusCode(std::string_view line);

// `DEFINE db "word"` with CRLF, or nothing when the word cannot be sent
// safely: empty, longer than 64 bytes, or holding a quote, a backslash, a
// control character or a space. The database name must be an atom ("*" or
// letters, digits, '-', '_').
std::optional<std::string> defineCommand(std::string_view database, std::string_view word);

// Reads the 151 line's arguments: the quoted word, the database name and the
// quoted description. False when it is not of that form.
bool parseDefinitionHeader(std::string_view line, Definition& out);

// Follows the server's answer to one DEFINE command, line by line.
class DefineReader {
public:
    enum class State {
        Reading,  // more lines expected
        Found,    // 250 after at least one definition
        NoMatch,  // 552: no definition for the word
        Failed,   // an error status, or an answer that breaks the protocol or the limits
    };

    // Takes one line without its line end. Returns the state afterwards; lines
    // after the end are ignored.
    State feed(std::string_view line);

    State state() const { return state_; }
    const std::vector<Definition>& definitions() const { return definitions_; }
    std::vector<Definition> takeDefinitions() { return std::move(definitions_); }
    // Why the answer failed: the server's status line, or what was wrong with it.
    const std::string& failure() const { return failure_; }

private:
    State fail(std::string why);

    State state_ = State::Reading;
    bool inText_ = false;
    std::size_t textBytes_ = 0;
    std::vector<Definition> definitions_;
    std::string failure_;
};

} // namespace lettrava::dict
