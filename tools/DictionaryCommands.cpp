// mkdict, dictinfo and lookup: making, inspecting and querying dictionary files.

#include "Commands.h"
#include "ToolSupport.h"

#include "core/platform/FileUtil.h"
#include "core/platform/TextLines.h"
#include "core/words/Dictionary.h"
#include "core/words/DictionaryWriter.h"
#include "core/words/Latin1.h"

#include <charconv>
#include <fstream>
#include <iostream>

namespace lettrava::tool {

namespace {

bool isCapital(char c) { return latin1::isLetter(c) && latin1::toUpper(c) == c && c != '\xDF' && c != '\xFF'; }

// Which entries of a word list count as words, by the case of their letters.
enum class CaseRule {
    Any,     // every entry
    Lower,   // only entries in small letters (lists that capitalise proper names only)
    Initial, // small letters, or a capital followed by small letters (lists that capitalise nouns)
};

CaseRule caseRule(const Arguments& a)
{
    const std::string rule = a.value("case", a.flag("lowercase-only") ? "lower" : "any");
    if (a.flag("lowercase-only") && rule != "lower")
        throw UsageError("--lowercase-only and --case " + rule + " contradict each other");
    if (rule == "any")
        return CaseRule::Any;
    if (rule == "lower")
        return CaseRule::Lower;
    if (rule == "initial")
        return CaseRule::Initial;
    throw UsageError("--case must be any, lower or initial");
}

bool caseAllowed(std::string_view word, CaseRule rule)
{
    for (std::size_t i = 0; i < word.size(); ++i)
        if (isCapital(word[i]) && (rule == CaseRule::Lower || (rule == CaseRule::Initial && i > 0)))
            return false;
    return true;
}

std::string formatFloat(float v)
{
    char buffer[64];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, v);
    return ec == std::errc() ? std::string(buffer, end) : std::string("nan");
}

void setHeaderField(DictionaryHeader& header, std::size_t offset, std::size_t size, const std::string& text,
                    const char* option)
{
    if (!header.setField(offset, size, text))
        throw UsageError(std::string(option) + " must be shorter than " + std::to_string(size) + " bytes");
}

} // namespace

int mkdictCommand(const Args& args)
{
    Arguments a(args, {"name", "page1", "page1-name", "page2", "page2-name", "encoding", "case", "letters"},
                {"local-lookup", "lowercase-only"});
    if (a.positional().size() != 2)
        throw UsageError("expected WORDLIST and OUT.dic");
    const std::string& listFile = a.positional()[0];
    const std::string& outFile = a.positional()[1];

    DictionaryHeader header;
    setHeaderField(header, DictionaryHeader::kDisplayNameOffset, DictionaryHeader::kDisplayNameSize,
                   a.text("name").value_or(latin1::fromUtf8Lossy(std::filesystem::path(outFile).stem().string())), "--name");
    setHeaderField(header, DictionaryHeader::kLookupPage1Offset, DictionaryHeader::kLookupPageSize,
                   a.text("page1").value_or(""), "--page1");
    setHeaderField(header, DictionaryHeader::kLookupPage1NameOffset, DictionaryHeader::kLookupPageNameSize,
                   a.text("page1-name").value_or(""), "--page1-name");
    setHeaderField(header, DictionaryHeader::kLookupPage2Offset, DictionaryHeader::kLookupPageSize,
                   a.text("page2").value_or(""), "--page2");
    setHeaderField(header, DictionaryHeader::kLookupPage2NameOffset, DictionaryHeader::kLookupPageNameSize,
                   a.text("page2-name").value_or(""), "--page2-name");
    header.setLocalLookup(a.flag("local-lookup"));

    const std::string encoding = a.value("encoding", "utf-8");
    if (encoding != "utf-8" && encoding != "latin-1")
        throw UsageError("--encoding must be utf-8 or latin-1");
    const bool utf8 = encoding == "utf-8";
    const CaseRule rule = caseRule(a);
    // --letters: the only letters a word may hold, in either case.
    std::optional<std::string> letters;
    if (const auto given = a.text("letters")) {
        letters = latin1::upper(*given);
        for (char c : *letters)
            if (!latin1::isLetter(c))
                throw UsageError("--letters must hold letters only");
    }

    std::ifstream in(listFile, std::ios::binary);
    if (!in)
        throw ToolError("cannot read word list " + listFile);
    std::vector<std::string> words;
    std::size_t skipped = 0;
    // 18 letters take at most 36 bytes of UTF-8; longer lines are cut, and skipped.
    readTextLines(in, 64, SIZE_MAX, [&](std::string_view line) {
        std::optional<std::string> word = utf8 ? latin1::fromUtf8(line) : std::optional<std::string>(line);
        bool ok = word && word->size() >= 3 && word->size() <= 18 && caseAllowed(*word, rule);
        if (ok)
            for (char c : *word)
                ok = ok && latin1::isLetter(c)
                     && (!letters || letters->find(latin1::toUpper(c)) != std::string::npos);
        if (ok)
            words.push_back(latin1::upper(*word));
        else
            ++skipped;
        return true;
    }, LongLines::Truncate);

    std::sort(words.begin(), words.end());
    words.erase(std::unique(words.begin(), words.end()), words.end());
    const std::string bytes =
        DictionaryWriter::file(header, DictionaryWriter::letterWeights(words), DictionaryWriter::plainBody(words));
    if (!writeFileAtomically(outFile, bytes))
        throw ToolError("cannot write " + outFile);
    std::cerr << "kept " << words.size() << " words, skipped " << skipped << " entries\n";
    return 0;
}

int dictinfoCommand(const Args& args)
{
    Arguments a(args, {}, {"words"});
    if (a.positional().size() != 1)
        throw UsageError("expected FILE.dic");
    loadDictionaryForTool(a.positional()[0], std::nullopt);
    const Dictionary& d = Dictionary::instance();
    std::cout << "name: " << terminalText(d.displayName()) << '\n'
              << "page1: " << terminalText(d.lookupPage1()) << '\n'
              << "page1-name: " << terminalText(d.lookupPage1Name()) << '\n'
              << "page2: " << terminalText(d.lookupPage2()) << '\n'
              << "page2-name: " << terminalText(d.lookupPage2Name()) << '\n'
              << "local-lookup: " << (d.localLookup() ? "yes" : "no") << '\n'
              << "letters: " << d.alphabet().letters().size() << '\n';
    for (const AlphabetChar& c : d.alphabet().letters())
        std::cout << terminalText(std::string(1, c.letter)) << ' ' << formatFloat(c.weight) << '\n';
    const auto words = d.words();
    std::cout << "words: " << words->size() << '\n';
    if (a.flag("words"))
        for (std::size_t i = 0; i < words->size(); ++i)
            std::cout << terminalText(words->wordAt(i)) << '\n';
    return 0;
}

int lookupCommand(const Args& args)
{
    Arguments a(args, {"dict", "custom"}, {});
    const auto dict = a.value("dict");
    if (!dict)
        throw UsageError("--dict is required");
    loadDictionaryForTool(*dict, a.value("custom"));
    const Dictionary& d = Dictionary::instance();
    for (const std::string& typed : a.positional()) {
        const LookupResult r = d.lookup(programText(typed, "TEXT"));
        std::cout << typed << ' '
                  << (r == LookupResult::Word ? "Word" : r == LookupResult::Prefix ? "Prefix" : "NoMatch") << '\n';
    }
    return 0;
}

} // namespace lettrava::tool
