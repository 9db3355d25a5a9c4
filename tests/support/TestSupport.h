#pragma once

#include "core/game/GameSetup.h"
#include "core/platform/Preferences.h"
#include "core/headless/RecordingDialogs.h"
#include "core/words/Dictionary.h"
#include "core/headless/FixedPreferences.h"

#include <filesystem>
#include <string>
#include <vector>

namespace lettrava::test {

// A fresh folder under the system's temporary folder, removed with its
// contents when the object goes.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

std::string readFile(const std::filesystem::path& file);
void writeFile(const std::filesystem::path& file, const std::string& bytes);

// Writes a dictionary file holding `words` (weights from their letters).
void writeDictionary(const std::filesystem::path& file, const std::vector<std::string>& words,
                     const std::string& displayName = "Test");

// Makes the program's dictionary hold exactly `words`: writes them to a
// dictionary file in a temporary program folder and loads it with no custom
// words. While it exists, the program folder points at that folder.
class ScopedDictionary {
public:
    explicit ScopedDictionary(const std::vector<std::string>& words);
    // Loads the shipped English dictionary instead.
    static ScopedDictionary english();
    ~ScopedDictionary();
    ScopedDictionary(ScopedDictionary&&) = delete;

    const std::filesystem::path& folder() const { return dir_.path(); }

private:
    struct ShippedTag {};
    explicit ScopedDictionary(ShippedTag);
    TempDir dir_;
    FixedPreferences preferences_;
    RecordingDialogs dialogs_;
    std::filesystem::path previousFolder_;
};

// The shipped English dictionary's path in the source tree, or that of
// another shipped dictionary file (for example "Deutsch.dic").
std::filesystem::path shippedDictionary();
std::filesystem::path shippedDictionary(const std::string& fileName);

} // namespace lettrava::test

namespace lettrava::test {

struct ToolResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs lettrava-tool with the arguments and collects what it printed.
ToolResult runTool(const std::vector<std::string>& args, const std::string& stdinText = {});

std::vector<std::string> lines(const std::string& text);

} // namespace lettrava::test

namespace lettrava::test {

// The choices of a game of these players in which every round is played on
// one grid file; duration is "auto" or "M:SS".
GameSetup gridFileSetup(const std::vector<PlayerChoice>& players, const std::string& gridFile, int rounds,
                        const std::string& duration);

} // namespace lettrava::test
