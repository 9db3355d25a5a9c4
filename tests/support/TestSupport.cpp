#include "support/TestSupport.h"

#include "core/platform/Paths.h"
#include "core/words/DictionaryWriter.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>

namespace fs = std::filesystem;

namespace lettrava::test {

TempDir::TempDir()
{
    static std::mt19937_64 names{std::random_device{}()};
    for (;;) {
        path_ = fs::temp_directory_path() / ("lettrava-test-" + std::to_string(names()));
        if (fs::create_directory(path_))
            break;
    }
}

TempDir::~TempDir()
{
    std::error_code ec;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(path_, ec);
}

std::string readFile(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void writeFile(const fs::path& file, const std::string& bytes)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void writeDictionary(const fs::path& file, const std::vector<std::string>& words, const std::string& displayName)
{
    DictionaryHeader header;
    header.setField(DictionaryHeader::kDisplayNameOffset, DictionaryHeader::kDisplayNameSize, displayName);
    writeFile(file, DictionaryWriter::file(header, DictionaryWriter::letterWeights(words),
                                           DictionaryWriter::plainBody(words)));
}

fs::path shippedDictionary() { return fs::path(LETTRAVA_SHIPPED_DICT); }

fs::path shippedDictionary(const std::string& fileName) { return shippedDictionary().parent_path() / fileName; }

ScopedDictionary::ScopedDictionary(const std::vector<std::string>& words)
    : previousFolder_(Paths::programFolder())
{
    fs::create_directory(dir_ / "dict");
    const fs::path file = dir_ / "dict" / "Test.dic";
    writeDictionary(file, words);
    Paths::setProgramFolder(dir_.path());
    preferences_.setDictionaryFile(file.string());
    setPreferences(&preferences_);
    ScopedDialogs quiet(dialogs_);
    Dictionary& d = Dictionary::instance();
    d.setCustomWordsFile(fs::path());
    EXPECT_EQ(d.load(), Dictionary::LoadStatus::Loaded);
}

ScopedDictionary::ScopedDictionary(ShippedTag) : previousFolder_(Paths::programFolder())
{
    Paths::setProgramFolder(dir_.path());
    preferences_.setDictionaryFile(shippedDictionary().string());
    setPreferences(&preferences_);
    ScopedDialogs quiet(dialogs_);
    Dictionary& d = Dictionary::instance();
    d.setCustomWordsFile(fs::path());
    EXPECT_EQ(d.load(), Dictionary::LoadStatus::Loaded);
}

ScopedDictionary ScopedDictionary::english() { return ScopedDictionary(ShippedTag{}); }

ScopedDictionary::~ScopedDictionary()
{
    setPreferences(nullptr);
    Dictionary::instance().setCustomWordsFile(std::nullopt);
    Paths::setProgramFolder(previousFolder_);
}

} // namespace lettrava::test

#include <sys/wait.h>

namespace lettrava::test {

namespace {
std::string shellQuote(const std::string& s)
{
    std::string q = "'";
    for (char c : s) {
        if (c == '\'')
            q += "'\\''";
        else
            q += c;
    }
    return q + "'";
}
} // namespace

ToolResult runTool(const std::vector<std::string>& args, const std::string& stdinText)
{
    TempDir io;
    writeFile(io / "in", stdinText);
    std::string command = shellQuote(LETTRAVA_TOOL_PATH);
    for (const auto& a : args)
        command += ' ' + shellQuote(a);
    command += " <" + shellQuote((io / "in").string()) + " >" + shellQuote((io / "out").string()) + " 2>"
               + shellQuote((io / "err").string());
    const int status = std::system(command.c_str());
    ToolResult r;
    r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.out = readFile(io / "out");
    r.err = readFile(io / "err");
    return r;
}

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        out.push_back(line);
    return out;
}

} // namespace lettrava::test

namespace lettrava::test {

GameSetup gridFileSetup(const std::vector<PlayerChoice>& players, const std::string& gridFile, int rounds,
                        const std::string& duration)
{
    GameSetup s;
    s.playerCount = static_cast<int>(players.size());
    for (std::size_t i = 0; i < players.size() && i < s.players.size(); ++i)
        s.players[i] = players[i];
    s.roundsPerGame = rounds;
    s.gridSizeOrder = 3;
    s.gridFiles.assign(static_cast<std::size_t>(rounds), gridFile);
    if (duration != "auto") {
        s.automaticDuration = false;
        const auto colon = duration.find(':');
        s.minutesText = duration.substr(0, colon);
        s.secondsText = colon == std::string::npos ? std::string() : duration.substr(colon + 1);
    }
    return s;
}

} // namespace lettrava::test
