#include "ToolSupport.h"

#include "core/platform/Preferences.h"
#include "core/platform/TextLines.h"
#include "core/words/Dictionary.h"
#include "core/words/Latin1.h"
#include "core/headless/FixedPreferences.h"

#include <charconv>
#include <filesystem>
#include <fstream>
#include <iostream>

namespace lettrava::tool {

Arguments::Arguments(const std::vector<std::string>& args, const std::set<std::string>& valueOptions,
                     const std::set<std::string>& flags)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.size() > 2 && a.starts_with("--")) {
            std::string name = a.substr(2);
            std::optional<std::string> inlineValue;
            if (auto eq = name.find('='); eq != std::string::npos) {
                inlineValue = name.substr(eq + 1);
                name.resize(eq);
            }
            if (valueOptions.count(name)) {
                if (inlineValue) {
                    values_[name] = *inlineValue;
                } else {
                    if (i + 1 >= args.size())
                        throw UsageError("option --" + name + " needs a value");
                    values_[name] = args[++i];
                }
            } else if (flags.count(name) && !inlineValue) {
                flags_.insert(name);
            } else {
                throw UsageError("unknown option " + a);
            }
        } else {
            positional_.push_back(a);
        }
    }
}

std::optional<std::string> Arguments::value(const std::string& name) const
{
    auto it = values_.find(name);
    if (it == values_.end())
        return std::nullopt;
    return it->second;
}

std::string Arguments::value(const std::string& name, const std::string& fallback) const
{
    return value(name).value_or(fallback);
}

std::optional<std::string> Arguments::text(const std::string& name) const
{
    auto v = value(name);
    if (!v)
        return std::nullopt;
    return programText(*v, "--" + name);
}

std::string terminalText(std::string_view programBytes) { return latin1::toUtf8(programBytes); }

std::string programText(const std::string& typed, const std::string& what)
{
    auto bytes = latin1::fromUtf8(typed);
    if (!bytes)
        throw UsageError(what + " holds a character outside Latin-1 (or is not UTF-8)");
    return *bytes;
}

int parseInteger(const std::string& text, const std::string& what, long low, long high)
{
    long v = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || end != text.data() + text.size() || v < low || v > high)
        throw UsageError(what + " must be a number from " + std::to_string(low) + " to " + std::to_string(high));
    return static_cast<int>(v);
}

std::optional<long> Arguments::integer(const std::string& name, long low, long high) const
{
    auto v = value(name);
    if (!v)
        return std::nullopt;
    return parseInteger(*v, "--" + name, low, high);
}

std::optional<bool> Arguments::yesNo(const std::string& name) const
{
    auto v = value(name);
    if (!v)
        return std::nullopt;
    if (*v == "yes")
        return true;
    if (*v == "no")
        return false;
    throw UsageError("--" + name + " must be yes or no");
}

MessageAnswer ToolDialogs::showMessage(const std::string& text, const std::string& caption, MessageButtons buttons,
                                       MessageIcon icon)
{
    if (icon == MessageIcon::Warning || icon == MessageIcon::Error)
        failed_ = true;
    std::cerr << terminalText(caption) << ": " << terminalText(text) << '\n';
    return (buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoCancel) ? MessageAnswer::Yes
                                                                                         : MessageAnswer::Ok;
}

void ToolDialogs::reportError(const std::string& text)
{
    failed_ = true;
    std::cerr << "error: " << terminalText(text) << '\n';
}

FixedPreferences& toolPreferences()
{
    static FixedPreferences preferences;
    return preferences;
}

void loadDictionaryForTool(const std::string& file, const std::optional<std::string>& customFile)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec))
        throw ToolError("cannot read dictionary " + file);
    Dictionary& dictionary = Dictionary::instance();
    dictionary.setCustomWordsFile(customFile ? std::filesystem::path(*customFile) : std::filesystem::path());
    FixedPreferences& choice = toolPreferences();
    choice.setDictionaryFile(std::filesystem::absolute(file, ec).string());
    setPreferences(&choice);
    if (dictionary.load() != Dictionary::LoadStatus::Loaded)
        throw ToolError("cannot load dictionary " + file);
}

void forEachScriptLine(const std::string& file, const std::string& what,
                       const std::function<void(std::string_view line, int number)>& line)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw ToolError("cannot read " + what + " " + file);
    int number = 0;
    readTextLines(in, 1024, 16u * 1024 * 1024, [&](std::string_view text) {
        line(text, ++number);
        return true;
    });
}

} // namespace lettrava::tool
