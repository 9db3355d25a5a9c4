#include "core/platform/Random.h"
#include "core/words/Dictionary.h"
#include "core/words/WordStore.h"
#include "support/TestSupport.h"
#include "../grid/ReferenceSolver.h"
#include "core/headless/FixedPreferences.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

using namespace lettrava;
using lettrava::test::TempDir;

namespace {

WordStore storeOf(const std::vector<std::string>& words)
{
    WordStore::Builder b;
    for (const auto& w : words)
        b.add(w);
    return b.build();
}

} // namespace

TEST(Lookup, AnswersWordsPrefixesAndMisses)
{
    const WordStore store = storeOf({"CAT", "CATS"});
    EXPECT_EQ(store.lookup("C"), LookupResult::Prefix);
    EXPECT_EQ(store.lookup("CA"), LookupResult::Prefix);
    EXPECT_EQ(store.lookup("CAT"), LookupResult::Word);
    EXPECT_EQ(store.lookup("CATS"), LookupResult::Word);
    EXPECT_EQ(store.lookup("CATX"), LookupResult::NoMatch);
    EXPECT_EQ(store.lookup("DOG"), LookupResult::NoMatch);
    EXPECT_EQ(store.lookup("cat"), LookupResult::NoMatch);
    EXPECT_EQ(storeOf({"CATS"}).lookup("CAT"), LookupResult::Prefix);

    const WordStore empty;
    EXPECT_EQ(empty.lookup(""), LookupResult::Prefix);
    EXPECT_EQ(empty.lookup("Q"), LookupResult::Prefix);
    EXPECT_EQ(empty.lookup("QU"), LookupResult::NoMatch);

    const std::string eighteen = "ABCDEFGHIJKLMNOPQR";
    const WordStore long18 = storeOf({eighteen});
    EXPECT_EQ(long18.lookup(eighteen), LookupResult::Word);
    EXPECT_EQ(long18.lookup(eighteen + "S"), LookupResult::NoMatch);
    // Two-letter texts are never words, even when stored.
    EXPECT_EQ(storeOf({"OX"}).lookup("OX"), LookupResult::Prefix);
}

TEST(Lookup, MatchesTheLiteralLowerBoundAlgorithmOnTheShippedDictionary)
{
    auto english = test::ScopedDictionary::english();
    const auto store = Dictionary::instance().words();
    std::set<std::string> reference;
    for (std::size_t i = 0; i < store->size(); ++i)
        reference.emplace(store->wordAt(i));
    ASSERT_EQ(reference.size(), store->size());
    ASSERT_GT(reference.size(), 60000u);

    // Every word, every prefix of every 50th word, each word with a letter
    // changed or appended, and random texts, bytes above 0x7F included.
    Random::instance().seed(99);
    std::size_t checked = 0;
    auto check = [&](const std::string& text) {
        ASSERT_EQ(store->lookup(text), reference::lookup(reference, text)) << "text " << text;
        ++checked;
    };
    std::size_t n = 0;
    for (const std::string& w : reference) {
        check(w);
        check(w + "S");
        std::string changed = w;
        changed[Random::instance().below(static_cast<std::uint32_t>(w.size()))] =
            static_cast<char>('A' + Random::instance().below(26));
        check(changed);
        if (n++ % 50 == 0)
            for (std::size_t len = 0; len <= w.size(); ++len)
                check(w.substr(0, len));
    }
    for (int i = 0; i < 20000; ++i) {
        std::string text(Random::instance().below(21), ' ');
        for (char& c : text)
            c = static_cast<char>(Random::instance().below(4) == 0 ? Random::instance().below(256)
                                                                     : 'A' + Random::instance().below(26));
        check(text);
    }
    EXPECT_GT(checked, 200000u);
}

TEST(WordStoreBuild, MergesRunsInAnyOrderAndKeepsEachWordOnce)
{
    const std::vector<std::string> words = {"ZEBRA", "CAT", "CAT", "APPLE", "\xFF\xFF\xFF", "AB", "ABC", "DOG", "A"};
    const WordStore store = storeOf(words);
    std::set<std::string> expected(words.begin(), words.end());
    ASSERT_EQ(store.size(), expected.size());
    std::size_t i = 0;
    for (const auto& w : expected)
        EXPECT_EQ(store.wordAt(i++), w);
    const WordStore more = store.with("BANANA").with("CAT");
    EXPECT_EQ(more.size(), store.size() + 1);
    EXPECT_TRUE(more.contains("BANANA"));
    EXPECT_FALSE(store.contains("BANANA"));
}

class CustomWords : public ::testing::Test {
protected:
    TempDir dir;
    FixedPreferences prefs;
    Dictionary dictionary;

    CustomWords()
    {
        test::writeDictionary(dir / "base.dic", {"DOG"});
        prefs.setDictionaryFile((dir / "base.dic").string());
        setPreferences(&prefs);
        dictionary.setCustomWordsFile(dir / "Lettrava.Cus");
    }
    ~CustomWords() override { setPreferences(nullptr); }

    void loadWithCustomFile(const std::string& bytes)
    {
        test::writeFile(dir / "Lettrava.Cus", bytes);
        ASSERT_EQ(dictionary.load(), Dictionary::LoadStatus::Loaded);
    }
};

TEST_F(CustomWords, TakesLinesOfThreeToEighteenCharactersUpperCased)
{
    loadWithCustomFile("cat\r\nZebra\r\nox\r\nabcdefghijklmnopqrs\r\nlastline");
    EXPECT_EQ(dictionary.lookup("CAT"), LookupResult::Word);
    EXPECT_EQ(dictionary.lookup("ZEBRA"), LookupResult::Word);
    EXPECT_EQ(dictionary.lookup("LASTLINE"), LookupResult::Word); // no line end after it
    EXPECT_EQ(dictionary.lookup("OX"), LookupResult::NoMatch);
    EXPECT_EQ(dictionary.words()->size(), 4u); // DOG, CAT, ZEBRA, LASTLINE
    EXPECT_FALSE(dictionary.words()->contains("ABCDEFGHIJKLMNOPQRS"));
    // Letters of custom words join the alphabet without a weight.
    EXPECT_TRUE(dictionary.alphabet().contains('Z'));
    for (int i = 0; i < 200; ++i)
        ASSERT_NE(std::string("DOG").find(dictionary.randomLetter()), std::string::npos);
}

TEST_F(CustomWords, AcceptsLineEndsOfAnyPlatform)
{
    loadWithCustomFile("lfonly\nsecond\rthird\r\n\r\n\n\rfourth\r");
    for (const char* w : {"LFONLY", "SECOND", "THIRD", "FOURTH"})
        EXPECT_EQ(dictionary.lookup(w), LookupResult::Word) << w;
    EXPECT_EQ(dictionary.words()->size(), 5u);
}

TEST_F(CustomWords, AnOverlongLineEndsTheReading)
{
    loadWithCustomFile("before\r\n" + std::string(255, 'x') + "\r\nafter\r\n");
    EXPECT_EQ(dictionary.lookup("BEFORE"), LookupResult::Word);
    EXPECT_EQ(dictionary.lookup("AFTER"), LookupResult::NoMatch);
    loadWithCustomFile("before\r\n" + std::string(254, 'x') + "\r\nafter\r\n"); // 254 is still a line
    EXPECT_EQ(dictionary.lookup("AFTER"), LookupResult::Word);
    loadWithCustomFile(std::string(5'000'000, 'q')); // one endless line
    EXPECT_EQ(dictionary.words()->size(), 1u);
}

TEST_F(CustomWords, AddedWordIsValidAtOnceAndWrittenToTheFile)
{
    loadWithCustomFile("cat\r\n");
    EXPECT_EQ(dictionary.lookup("QUIXOTE"), LookupResult::NoMatch);
    ASSERT_TRUE(dictionary.addCustomWord("QUIXOTE"));
    EXPECT_EQ(dictionary.lookup("QUIXOTE"), LookupResult::Word);
    EXPECT_EQ(test::readFile(dir / "Lettrava.Cus"), "cat\r\nQUIXOTE\r\n");
    ASSERT_TRUE(dictionary.addCustomWord("QUIXOTE")); // twice in the file, once in the set
    EXPECT_EQ(test::readFile(dir / "Lettrava.Cus"), "cat\r\nQUIXOTE\r\nQUIXOTE\r\n");
    ASSERT_EQ(dictionary.load(), Dictionary::LoadStatus::Loaded); // and it survives a reload
    EXPECT_EQ(dictionary.lookup("QUIXOTE"), LookupResult::Word);
}

TEST_F(CustomWords, MissingFileIsCreatedAndAnUnwritableOneRefused)
{
    ASSERT_EQ(dictionary.load(), Dictionary::LoadStatus::Loaded);
    EXPECT_EQ(dictionary.words()->size(), 1u);
    ASSERT_TRUE(dictionary.addCustomWord("NEWT"));
    EXPECT_EQ(test::readFile(dir / "Lettrava.Cus"), "NEWT\r\n");

    dictionary.setCustomWordsFile(dir / "no-such-folder" / "Lettrava.Cus");
    EXPECT_FALSE(dictionary.addCustomWord("EMU"));
    EXPECT_EQ(dictionary.lookup("EMU"), LookupResult::NoMatch);
}
