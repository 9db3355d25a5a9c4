#include "core/platform/Paths.h"
#include "core/words/Dictionary.h"
#include "core/words/DictionaryWriter.h"
#include "support/TestSupport.h"
#include "core/headless/FixedPreferences.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

using namespace lettrava;
using lettrava::test::TempDir;

namespace {

std::vector<std::string> allWords(const Dictionary& d)
{
    std::vector<std::string> out;
    auto words = d.words();
    for (std::size_t i = 0; i < words->size(); ++i)
        out.emplace_back(words->wordAt(i));
    return out;
}

std::string fileWithBody(const std::string& plainBody)
{
    DictionaryHeader header;
    header.setField(DictionaryHeader::kDisplayNameOffset, DictionaryHeader::kDisplayNameSize, "Body");
    return DictionaryWriter::file(header, {{'A', 0.5f}}, plainBody);
}

// Loads a dictionary made of the given file bytes through the preferences,
// the way the program does, with no custom words.
struct LoadFixture : ::testing::Test {
    TempDir dir;
    RecordingDialogs shown;
    ScopedDialogs installDialogs{shown};
    FixedPreferences prefs;
    Dictionary dictionary;

    LoadFixture()
    {
        setPreferences(&prefs);
        dictionary.setCustomWordsFile(dir / "Lettrava.Cus");
    }
    ~LoadFixture() override { setPreferences(nullptr); }

    Dictionary::LoadStatus loadBytes(const std::string& bytes)
    {
        test::writeFile(dir / "x.dic", bytes);
        prefs.setDictionaryFile((dir / "x.dic").string());
        return dictionary.load();
    }
};

} // namespace

TEST_F(LoadFixture, BodiesSplitIntoSectionsByLength)
{
    EXPECT_EQ(loadBytes(fileWithBody(std::string(16, '='))), Dictionary::LoadStatus::Loaded);
    EXPECT_TRUE(allWords(dictionary).empty());

    EXPECT_EQ(loadBytes(fileWithBody("CATDOG" + std::string(16, '='))), Dictionary::LoadStatus::Loaded);
    EXPECT_EQ(allWords(dictionary), (std::vector<std::string>{"CAT", "DOG"}));

    EXPECT_EQ(loadBytes(fileWithBody("=TREE" + std::string(15, '='))), Dictionary::LoadStatus::Loaded);
    EXPECT_EQ(allWords(dictionary), (std::vector<std::string>{"TREE"}));
    EXPECT_EQ(dictionary.lookup("TREE"), LookupResult::Word);

    // A word listed twice is held once; bytes after the 16th marker are ignored.
    EXPECT_EQ(loadBytes(fileWithBody("DOGCATDOG" + std::string(16, '=') + "ZZZZZ")), Dictionary::LoadStatus::Loaded);
    EXPECT_EQ(allWords(dictionary), (std::vector<std::string>{"CAT", "DOG"}));
    EXPECT_TRUE(shown.messages.empty());
    EXPECT_TRUE(shown.errors.empty());
}

TEST_F(LoadFixture, BodyEndingEarlyKeepsTheWordsReadAndDropsAPartialWord)
{
    EXPECT_EQ(loadBytes(fileWithBody("CAT=TREE=HOUSEAB")), Dictionary::LoadStatus::Loaded);
    EXPECT_EQ(allWords(dictionary), (std::vector<std::string>{"CAT", "HOUSE", "TREE"}));
    // Only a section's first byte is tested for the marker: "OUSE=" is a word.
    EXPECT_EQ(loadBytes(fileWithBody("CAT==TREEHOUSE=")), Dictionary::LoadStatus::Loaded);
    EXPECT_EQ(allWords(dictionary), (std::vector<std::string>{"CAT", "OUSE=", "TREEH"}));
}

TEST_F(LoadFixture, FewerThanTwoMarkersWarnsTakesNoWordsAndKeepsRunning)
{
    test::writeFile(dir / "Lettrava.Cus", "zebra\r\n");
    EXPECT_EQ(loadBytes(fileWithBody("CATDOG=")), Dictionary::LoadStatus::MissingMarkers);
    ASSERT_EQ(shown.messages.size(), 1u);
    EXPECT_EQ(shown.messages[0].text, "There are missing characters ('=') from the dictionary");
    EXPECT_EQ(shown.messages[0].caption, "warning");
    EXPECT_EQ(dictionary.lookup("CAT"), LookupResult::NoMatch);
    EXPECT_EQ(dictionary.lookup("ZEBRA"), LookupResult::Word); // the user's own words stay valid
    EXPECT_TRUE(dictionary.loaded());
}

TEST(DictionaryBody, RotationRestoresEachByteByItsPosition)
{
    EXPECT_EQ(restoreBodyByte(0x0A, 0), 0x41);
    for (std::size_t pos = 0; pos < 16; ++pos)
        for (int b = 0; b < 256; ++b)
            ASSERT_EQ(restoreBodyByte(storeBodyByte(static_cast<unsigned char>(b), pos), pos), b);
    EXPECT_EQ(storeBodyByte(0x41, 5), 0x41); // the sixth byte is not rotated
    EXPECT_EQ(storeBodyByte(0x41, 8), storeBodyByte(0x41, 0));
}

TEST_F(LoadFixture, NoDictionarySelectedWarnsEveryTimeUntilOneIsChosen)
{
    prefs.setDictionaryFile("");
    EXPECT_EQ(dictionary.load(), Dictionary::LoadStatus::NoneSelected);
    EXPECT_EQ(dictionary.load(), Dictionary::LoadStatus::NoneSelected);
    ASSERT_EQ(shown.messages.size(), 2u);
    EXPECT_EQ(shown.messages[0].text, "There is no dictionary selected or the dictionary is missing.  Please go to "
                                      "Preferences/General and select a dictionary.");
    EXPECT_EQ(shown.messages[0].caption, "warning");
    EXPECT_FALSE(dictionary.loaded());
    EXPECT_EQ(loadBytes(fileWithBody("CAT" + std::string(16, '='))), Dictionary::LoadStatus::Loaded);
    EXPECT_TRUE(dictionary.loaded());
    EXPECT_EQ(shown.busyOn, 3);
    EXPECT_EQ(shown.busyOff, 3);
}

TEST_F(LoadFixture, UnreadableFilesAreReportedAndLeaveTheLoadMarkedStarted)
{
    // A directory named like a dictionary.
    std::filesystem::create_directory(dir / "folder.dic");
    prefs.setDictionaryFile((dir / "folder.dic").string());
    EXPECT_EQ(dictionary.load(), Dictionary::LoadStatus::Failed);
    EXPECT_TRUE(dictionary.loaded());
    EXPECT_EQ(shown.errors.size(), 1u);

    // A file that ends inside the alphabet table keeps the header and the letters read.
    std::string bytes = fileWithBody("CAT" + std::string(16, '='));
    DictionaryHeader header;
    header.setField(DictionaryHeader::kDisplayNameOffset, DictionaryHeader::kDisplayNameSize, "Cut");
    bytes = std::string(header.bytes.data(), header.bytes.size())
            + DictionaryWriter::alphabetTable({{'A', 0.5f}, {'B', 0.5f}}).substr(0, 4 + 5 + 3);
    EXPECT_EQ(loadBytes(bytes), Dictionary::LoadStatus::Failed);
    EXPECT_EQ(shown.errors.back(), kStreamReadError);
    EXPECT_EQ(dictionary.displayName(), "Cut");
    EXPECT_EQ(dictionary.alphabet().letters().size(), 1u);
    EXPECT_TRUE(allWords(dictionary).empty());

    // Too many letters.
    std::string tooMany = std::string(header.bytes.data(), header.bytes.size()) + std::string("\x2d\x01\x00\x00", 4);
    EXPECT_EQ(loadBytes(tooMany), Dictionary::LoadStatus::Failed);
    EXPECT_EQ(shown.errors.back(), "Too many characters in alphabet!");

    // Empty and header-only files.
    EXPECT_EQ(loadBytes(""), Dictionary::LoadStatus::Failed);
    EXPECT_EQ(loadBytes(std::string(100, 'x')), Dictionary::LoadStatus::Failed);
    EXPECT_EQ(shown.errors.back(), kStreamReadError);
}

TEST_F(LoadFixture, ReloadReplacesHeaderAlphabetAndWords)
{
    const auto first = dir / "first.dic";
    const auto second = dir / "second.dic";
    test::writeDictionary(first, {"CAT", "DOG"}, "First");
    test::writeDictionary(second, {"XYZZY"}, "Second");
    prefs.setDictionaryFile(first.string());
    ASSERT_EQ(dictionary.load(), Dictionary::LoadStatus::Loaded);
    auto snapshot = dictionary.words(); // a worker's view survives the reload
    prefs.setDictionaryFile(second.string());
    ASSERT_EQ(dictionary.load(), Dictionary::LoadStatus::Loaded);
    EXPECT_EQ(dictionary.displayName(), "Second");
    EXPECT_EQ(dictionary.lookup("CAT"), LookupResult::NoMatch);
    EXPECT_EQ(dictionary.lookup("XYZZY"), LookupResult::Word);
    EXPECT_EQ(snapshot->lookup("CAT"), LookupResult::Word);
    for (int i = 0; i < 100; ++i) {
        const char c = dictionary.randomLetter();
        ASSERT_NE(std::string("XYZ").find(c), std::string::npos);
    }
}

TEST(DictionaryList, ListsReadableDictionariesOnly)
{
    TempDir home;
    const auto previous = Paths::programFolder();
    Paths::setProgramFolder(home.path());
    std::vector<std::string> names, paths;
    Dictionary::listDictionaries(names, paths); // no dict folder
    EXPECT_TRUE(names.empty());
    std::filesystem::create_directory(home / "dict");
    Dictionary::listDictionaries(names, paths); // empty dict folder
    EXPECT_TRUE(names.empty() && paths.empty());

    test::writeDictionary(home.path() / "dict" / "Good.dic", {"CAT"}, "Good one");
    test::writeFile(home.path() / "dict" / "Short.dic", std::string(200, 'x'));
    test::writeFile(home.path() / "dict" / "notes.txt", std::string(400, 'x'));
    std::filesystem::create_directory(home.path() / "dict" / "folder.dic");
    Dictionary::listDictionaries(names, paths);
    ASSERT_EQ(names, std::vector<std::string>{"Good one"});
    EXPECT_EQ(paths[0], (home.path() / "dict" / "Good.dic").string());

    // By name, accented names in their place, each path with its name.
    test::writeDictionary(home.path() / "dict" / "a.dic", {"CAT"}, "Fran\xE7" "ais");
    test::writeDictionary(home.path() / "dict" / "b.dic", {"CAT"}, "Espa\xF1" "ol");
    test::writeDictionary(home.path() / "dict" / "c.dic", {"CAT"}, "Deutsch");
    names.clear();
    paths.clear();
    Dictionary::listDictionaries(names, paths);
    EXPECT_EQ(names, (std::vector<std::string>{"Deutsch", "Espa\xF1" "ol", "Fran\xE7" "ais", "Good one"}));
    EXPECT_EQ(paths[2], (home.path() / "dict" / "a.dic").string());
    Paths::setProgramFolder(previous);
}

TEST(DictionaryHeaderFields, TextsEndAtTheirFirstNulOrTheFieldEnd)
{
    DictionaryHeader h;
    std::fill(h.bytes.begin(), h.bytes.end(), 'x');
    EXPECT_EQ(h.displayName(), std::string(32, 'x'));
    EXPECT_EQ(h.lookupPage1().size(), 128u);
    EXPECT_TRUE(h.localLookup());
    EXPECT_TRUE(h.setField(DictionaryHeader::kLookupPage2NameOffset, 32, "Webster"));
    EXPECT_EQ(h.lookupPage2Name(), "Webster");
    EXPECT_FALSE(h.setField(0, 32, std::string(32, 'y'))); // no room for the NUL
}
