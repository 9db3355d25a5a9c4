#pragma once

#include "core/platform/Dialogs.h"
#include "core/platform/Preferences.h"
#include "core/headless/FixedPreferences.h"

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace lettrava::tool {

// A wrong command line: the message goes to stderr with the command's usage.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A failure of the command itself: the message goes to stderr, exit code 1.
class ToolError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The arguments of one subcommand: `--name value` options, `--flag` switches
// and positional arguments, checked against what the command accepts.
class Arguments {
public:
    Arguments(const std::vector<std::string>& args, const std::set<std::string>& valueOptions,
              const std::set<std::string>& flags);

    std::optional<std::string> value(const std::string& name) const;
    std::string value(const std::string& name, const std::string& fallback) const;
    // An option that holds program text (a word, a name, a message), typed in
    // UTF-8 and returned as the program's Latin-1 bytes; UsageError when it
    // holds a character Latin-1 does not.
    std::optional<std::string> text(const std::string& name) const;
    // The option as an integer in [low, high]; UsageError otherwise.
    std::optional<long> integer(const std::string& name, long low, long high) const;
    // A yes|no option.
    std::optional<bool> yesNo(const std::string& name) const;
    bool flag(const std::string& name) const { return flags_.count(name) != 0; }
    const std::vector<std::string>& positional() const { return positional_; }

private:
    std::map<std::string, std::string> values_;
    std::set<std::string> flags_;
    std::vector<std::string> positional_;
};

// Dialogs of a command-line tool: messages and errors go to stderr and are
// remembered, so that a command can fail when the engine reported a failure.
class ToolDialogs : public Dialogs {
public:
    MessageAnswer showMessage(const std::string& text, const std::string& caption, MessageButtons buttons,
                              MessageIcon icon) override;
    void reportError(const std::string& text) override;
    bool failed() const { return failed_; }

private:
    bool failed_ = false;
};

// The settings the tool's commands run with (the dictionary chosen, texts
// such as the host's "Email" and "Message").
FixedPreferences& toolPreferences();

// Loads the dictionary file into the program's dictionary, with the custom
// words of customFile when one is given (and none otherwise). Throws ToolError
// when the file is missing or cannot be read.
void loadDictionaryForTool(const std::string& file, const std::optional<std::string>& customFile);

// The terminal speaks UTF-8, the program Latin-1. terminalText() turns program
// text into what is printed; programText() turns a typed argument into program
// text, UsageError naming `what` when Latin-1 cannot hold it. File names stay
// as they were typed.
std::string terminalText(std::string_view programBytes);
std::string programText(const std::string& typed, const std::string& what);

int parseInteger(const std::string& text, const std::string& what, long low, long high);

// Calls `line` with every line of a script file (lines of at most 1024
// bytes) and its number from 1; ToolError when the file cannot be read.
void forEachScriptLine(const std::string& file, const std::string& what,
                       const std::function<void(std::string_view line, int number)>& line);

} // namespace lettrava::tool
