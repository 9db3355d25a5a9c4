#pragma once

#include "core/words/Alphabet.h"
#include "core/platform/Texts.h"
#include "core/words/WordStore.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <istream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lettrava {

// The first 361 bytes of a dictionary file, kept as read. Every text field is
// read up to its first NUL (or the field's end).
class DictionaryHeader {
public:
    static constexpr std::size_t kSize = 361;
    static constexpr std::size_t kDisplayNameOffset = 0, kDisplayNameSize = 32;
    static constexpr std::size_t kReservedOffset = 32, kReservedSize = 8;
    static constexpr std::size_t kLookupPage1Offset = 40, kLookupPageSize = 128;
    static constexpr std::size_t kLookupPage1NameOffset = 168, kLookupPageNameSize = 32;
    static constexpr std::size_t kLookupPage2Offset = 200;
    static constexpr std::size_t kLookupPage2NameOffset = 328;
    static constexpr std::size_t kLocalLookupOffset = 360;

    std::array<char, kSize> bytes{};

    std::string displayName() const { return field(kDisplayNameOffset, kDisplayNameSize); }
    std::string lookupPage1() const { return field(kLookupPage1Offset, kLookupPageSize); }
    std::string lookupPage1Name() const { return field(kLookupPage1NameOffset, kLookupPageNameSize); }
    std::string lookupPage2() const { return field(kLookupPage2Offset, kLookupPageSize); }
    std::string lookupPage2Name() const { return field(kLookupPage2NameOffset, kLookupPageNameSize); }
    bool localLookup() const { return bytes[kLocalLookupOffset] != 0; }

    // Writes text into a field, NUL-padded; false when it does not fit with
    // its terminating NUL.
    bool setField(std::size_t offset, std::size_t size, std::string_view text);
    void setLocalLookup(bool on) { bytes[kLocalLookupOffset] = on ? 1 : 0; }

private:
    std::string field(std::size_t offset, std::size_t size) const;
};

// The file name of the custom dictionary, kept in the program folder.
inline constexpr const char* kCustomDictionaryName = "Lettrava.Cus";

// Texts the dictionary load shows.
inline constexpr const char* kNoDictionarySelected = QT_TRANSLATE_NOOP("Dictionary",
    "There is no dictionary selected or the dictionary is missing.  Please "
    "go to Preferences/General and select a dictionary.");
inline constexpr const char* kMissingMarkers =
    QT_TRANSLATE_NOOP("Dictionary", "There are missing characters ('=') from the dictionary");

// The program's one word service: the loaded dictionary file's header, its
// alphabet, and the ordered set of words from that file and the custom
// dictionary.
//
// Threads: everything here runs on the user-interface thread, except lookups
// through a snapshot (words()). A worker thread takes its snapshot when it is
// created; a reload or an added custom word replaces the dictionary's set
// without touching a snapshot in use.
class Dictionary {
public:
    enum class LoadStatus {
        Loaded,         // the file was read and its words taken
        NoneSelected,   // no dictionary chosen; the load is retried on next use
        Failed,         // the file could not be read; reported, not retried
        MissingMarkers, // the body held fewer than two '=' markers; no words taken
    };

    // Limits that keep a hostile file from exhausting memory.
    static constexpr std::uintmax_t kMaxBodyBytes = 32u * 1024 * 1024;
    static constexpr std::size_t kMaxCustomFileBytes = 16u * 1024 * 1024;
    static constexpr std::size_t kMaxCustomLineLength = 254;

    // The one dictionary of the program, created empty on first use. Getting
    // it never loads anything: the program loads the chosen dictionary
    // (load()) at start-up and whenever the choice changes.
    static Dictionary& instance();

    Dictionary();

    // Appends the display name and full path of every dictionary file ("*.dic")
    // in the dictionary folder whose header can be read, sorted by name in
    // dictionary order.
    static void listDictionaries(std::vector<std::string>& names, std::vector<std::string>& paths);
    static std::filesystem::path dictionaryFolder();

    // Loads the dictionary chosen in the preferences, then the custom words.
    LoadStatus load();

    // Reads one dictionary file into this dictionary (header, alphabet, words)
    // without the custom words and without consulting the preferences.
    LoadStatus loadFile(const std::filesystem::path& file);

    // The reading step of a load, from any stream holding a dictionary file of
    // `size` bytes. Throws DictionaryError for the failures that end a load.
    LoadStatus readFrom(std::istream& in, std::uintmax_t size);

    std::string displayName() const { return header_.displayName(); }
    std::string lookupPage1() const { return header_.lookupPage1(); }
    std::string lookupPage1Name() const { return header_.lookupPage1Name(); }
    std::string lookupPage2() const { return header_.lookupPage2(); }
    std::string lookupPage2Name() const { return header_.lookupPage2Name(); }
    bool localLookup() const { return header_.localLookup(); }
    const DictionaryHeader& header() const { return header_; }
    const std::string& dictionaryVersion() const { return dictionaryVersion_; }

    bool loaded() const { return loaded_; }

    LookupResult lookup(std::string_view text) const { return words_->lookup(text); }

    // The current word set, shared: safe to read from another thread while the
    // dictionary is reloaded or extended.
    std::shared_ptr<const WordStore> words() const { return words_; }

    // Reads the custom dictionary into the words and the alphabet.
    void loadCustomWords();

    // Appends the word to the custom dictionary file and accepts it from now on.
    // False when the file cannot be written; the words are then unchanged.
    bool addCustomWord(std::string_view word);

    // Where the custom dictionary lives; by default "Lettrava.Cus" in the
    // program folder (or the per-user data folder when that is read-only).
    // An empty path means: no custom dictionary.
    void setCustomWordsFile(std::optional<std::filesystem::path> file) { customFile_ = std::move(file); }
    std::filesystem::path customWordsFile() const;

    Alphabet& alphabet() { return alphabet_; }
    const Alphabet& alphabet() const { return alphabet_; }
    char randomLetter() { return alphabet_.randomLetter(); }

private:
    void clear();

    Alphabet alphabet_;
    DictionaryHeader header_;
    bool loaded_ = false;
    std::shared_ptr<const WordStore> words_;
    std::string dictionaryVersion_;
    std::optional<std::filesystem::path> customFile_;
};

// Rotations of the dictionary body: byte i is stored rotated left by (i + 3) mod 8.
unsigned char restoreBodyByte(unsigned char stored, std::size_t position);
unsigned char storeBodyByte(unsigned char plain, std::size_t position);

} // namespace lettrava
