// mkdict, dictinfo and lookup: making, inspecting and querying dictionary files.

#include "Commands.h"
#include "ToolSupport.h"

#include "core/platform/FileUtil.h"
#include "core/platform/TextLines.h"
#include "core/words/Dictionary.h"
#include "core/words/DictionaryWriter.h"

#include <charconv>
#include <fstream>
#include <iostream>

namespace lettrava::tool {

namespace {

bool isAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

std::string upper(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return out;
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
    Arguments a(args, {"name", "page1", "page1-name", "page2", "page2-name"}, {"local-lookup", "lowercase-only"});
    if (a.positional().size() != 2)
        throw UsageError("expected WORDLIST and OUT.dic");
    const std::string& listFile = a.positional()[0];
    const std::string& outFile = a.positional()[1];

    DictionaryHeader header;
    setHeaderField(header, DictionaryHeader::kDisplayNameOffset, DictionaryHeader::kDisplayNameSize,
                   a.value("name", std::filesystem::path(outFile).stem().string()), "--name");
    setHeaderField(header, DictionaryHeader::kLookupPage1Offset, DictionaryHeader::kLookupPageSize,
                   a.value("page1", ""), "--page1");
    setHeaderField(header, DictionaryHeader::kLookupPage1NameOffset, DictionaryHeader::kLookupPageNameSize,
                   a.value("page1-name", ""), "--page1-name");
    setHeaderField(header, DictionaryHeader::kLookupPage2Offset, DictionaryHeader::kLookupPageSize,
                   a.value("page2", ""), "--page2");
    setHeaderField(header, DictionaryHeader::kLookupPage2NameOffset, DictionaryHeader::kLookupPageNameSize,
                   a.value("page2-name", ""), "--page2-name");
    header.setLocalLookup(a.flag("local-lookup"));

    std::ifstream in(listFile, std::ios::binary);
    if (!in)
        throw ToolError("cannot read word list " + listFile);
    const bool lowercaseOnly = a.flag("lowercase-only");
    std::vector<std::string> words;
    std::size_t skipped = 0;
    readTextLines(in, 64, SIZE_MAX, [&](std::string_view line) {
        bool ok = line.size() >= 3 && line.size() <= 18;
        for (char c : line)
            ok = ok && isAsciiLetter(c) && !(lowercaseOnly && c >= 'A' && c <= 'Z');
        if (ok)
            words.push_back(upper(line));
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
    const Dictionary& d = Dictionary::instance(false);
    std::cout << "name: " << d.displayName() << '\n'
              << "page1: " << d.lookupPage1() << '\n'
              << "page1-name: " << d.lookupPage1Name() << '\n'
              << "page2: " << d.lookupPage2() << '\n'
              << "page2-name: " << d.lookupPage2Name() << '\n'
              << "local-lookup: " << (d.localLookup() ? "yes" : "no") << '\n'
              << "letters: " << d.alphabet().letters().size() << '\n';
    for (const AlphabetChar& c : d.alphabet().letters())
        std::cout << c.letter << ' ' << formatFloat(c.weight) << '\n';
    const auto words = d.words();
    std::cout << "words: " << words->size() << '\n';
    if (a.flag("words"))
        for (std::size_t i = 0; i < words->size(); ++i)
            std::cout << words->wordAt(i) << '\n';
    return 0;
}

int lookupCommand(const Args& args)
{
    Arguments a(args, {"dict", "custom"}, {});
    const auto dict = a.value("dict");
    if (!dict)
        throw UsageError("--dict is required");
    loadDictionaryForTool(*dict, a.value("custom"));
    const Dictionary& d = Dictionary::instance(false);
    for (const std::string& text : a.positional()) {
        const LookupResult r = d.lookup(text);
        std::cout << text << ' '
                  << (r == LookupResult::Word ? "Word" : r == LookupResult::Prefix ? "Prefix" : "NoMatch") << '\n';
    }
    return 0;
}

} // namespace lettrava::tool
