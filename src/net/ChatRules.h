#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace lettrava {

// The rules of the chat input and of member names, shared by host and client.

// The text without leading and trailing blanks (spaces and tabs).
std::string trimBlanks(std::string_view text);
// Byte comparison with ASCII letters compared without case.
bool equalsIgnoringCase(std::string_view a, std::string_view b);

// The text with every control character (bytes below 32, and 127) made a
// blank: what a member sends is shown and printed, and must not move a
// cursor, ring a bell or start a line of its own.
std::string plainText(std::string_view text);
// The text cut to `limit` characters, then made plain.
std::string plainText(std::string_view text, std::size_t limit);
// The name a member asks for as it will be kept: made plain, without blanks
// at either end, cut to 16 characters (and trimmed again). Taken-name tests
// run on this. Empty when nothing is left.
std::string keptName(std::string_view wanted);

// What a line typed into the chat input is.
struct ChatInput {
    enum class Kind {
        Nothing, // empty, or a "/" line of at most 3 characters: does nothing
        Text,    // a plain line for everyone
        Command, // "/" + letter + one dropped character + argument
    };
    Kind kind = Kind::Nothing;
    char letter = 0;      // the command letter, compared exactly
    std::string argument; // everything from the fourth character on
};
ChatInput parseChatInput(const std::string& text);

// A whisper's argument: the recipient up to the first blank (empty when the
// argument has none) and the message after that blank.
struct WhisperParts {
    std::string recipient;
    std::string message;
};
WhisperParts splitWhisper(const std::string& argument);

// The name a joining member gets. While `taken` says the candidate is used,
// a candidate ending in a decimal digit has that character replaced by the one
// with the next code (Bob2 becomes Bob3, Bob9 becomes Bob:), any other gets
// "2" appended (Bob becomes Bob2). Names stay within 16 characters: where
// appending would pass 16, the last character is replaced by "2" instead; and
// should that walk come back to a name it tried, a number counted up from 2
// replaces the end of the name, so the result is always free.
std::string freeMemberName(const std::string& wanted, const std::function<bool(const std::string&)>& taken);

} // namespace lettrava
