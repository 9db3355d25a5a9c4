#include "core/grid/Grid.h"
#include "core/grid/GridFile.h"
#include "core/grid/GridOptions.h"
#include "core/views/LookupAddress.h"
#include "core/words/Dictionary.h"
#include "core/words/Latin1.h"
#include "../grid/GridTestSupport.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace lettrava;

TEST(Latin1, DictionaryOrderPutsAccentedWordsBesideTheirPlainLetters)
{
    std::vector<std::string> words = {"ZOO", "\xC9T\xC9", "ETE", "ETA", "STRA\xDF" "E", "STRASSE", "STRAND",
                                      "AFFILI\xC9", "AFFILIES", "AFFILIE", "\xE0", "A"};
    std::sort(words.begin(), words.end(), [](const std::string& a, const std::string& b) {
        return latin1::dictionaryLess(a, b);
    });
    EXPECT_EQ(words, (std::vector<std::string>{"A", "\xE0", "AFFILIE", "AFFILI\xC9", "AFFILIES", "ETA", "ETE",
                                               "\xC9T\xC9", "STRAND", "STRASSE", "STRA\xDF" "E", "ZOO"}));
    // A strict order: no two different words are equal, and plain a-z is alphabetical.
    EXPECT_FALSE(latin1::dictionaryLess("ETE", "ETE"));
    EXPECT_TRUE(latin1::dictionaryLess("ETE", "\xC9T\xC9") != latin1::dictionaryLess("\xC9T\xC9", "ETE"));
    EXPECT_TRUE(latin1::dictionaryLess("CAT", "CATS"));
    EXPECT_TRUE(latin1::dictionaryLess("CATS", "DOG"));
}

TEST(Latin1, LettersAndTheirCapitals)
{
    for (char c : std::string("azAZ\xC0\xD6\xD8\xDE\xDF\xE0\xF6\xF8\xFF"))
        EXPECT_TRUE(latin1::isLetter(c)) << static_cast<int>(static_cast<unsigned char>(c));
    for (char c : std::string("@[`{09 '-\x80\xA9\xAA\xB5\xBA\xBF\xD7\xF7"))
        EXPECT_FALSE(latin1::isLetter(c)) << static_cast<int>(static_cast<unsigned char>(c));

    EXPECT_EQ(latin1::upper("stra\xDF" "e"), "STRA\xDF" "E") << "sharp s has no single-byte capital";
    EXPECT_EQ(latin1::upper("\xE9t\xE9"), "\xC9T\xC9");
    EXPECT_EQ(latin1::upper("\xE0\xFE\xFF"), "\xC0\xDE\xFF") << "y with diaeresis stays small";
    EXPECT_EQ(latin1::upper("\xF7\xD7" "A1"), "\xF7\xD7" "A1") << "signs and capitals are unchanged";
    EXPECT_EQ(latin1::upper("\xC9T\xC9"), "\xC9T\xC9");
}

TEST(Latin1, ConvertsToAndFromUtf8AndRefusesWhatLatin1CannotHold)
{
    std::string every;
    for (int b = 1; b < 256; ++b)
        every.push_back(static_cast<char>(b));
    const std::string utf8 = latin1::toUtf8(every);
    EXPECT_EQ(utf8.size(), 127u + 2u * 128u);
    EXPECT_EQ(latin1::fromUtf8(utf8), every);
    EXPECT_EQ(latin1::toUtf8("stra\xDF" "e"), "stra\xC3\x9F" "e");

    EXPECT_FALSE(latin1::fromUtf8("c\xC5\x93ur")) << "oe ligature, U+0153";
    EXPECT_FALSE(latin1::fromUtf8("\xE2\x82\xAC")) << "euro sign";
    EXPECT_FALSE(latin1::fromUtf8("caf\xC3")) << "cut sequence";
    EXPECT_FALSE(latin1::fromUtf8("\xC3\x28")) << "bad continuation";
    EXPECT_FALSE(latin1::fromUtf8("\xC1\xA9")) << "overlong form of a Latin-1 letter";
    EXPECT_FALSE(latin1::fromUtf8("\xC0\x80")) << "overlong NUL";
    EXPECT_FALSE(latin1::fromUtf8("\xE9t\xE9")) << "Latin-1 bytes are not UTF-8";
    EXPECT_FALSE(latin1::fromUtf8("\xED\xA0\x80")) << "surrogate";
    EXPECT_EQ(latin1::fromUtf8(""), "");

    EXPECT_EQ(latin1::fromUtf8Lossy("c\xC5\x93ur \xC3\xA9t\xC3\xA9 \xFF"), "c?ur \xE9t\xE9 ?");
    EXPECT_EQ(latin1::fromUtf8Lossy("\xF0\x9F\x98\x80!"), "?!") << "one mark per character";
}

TEST(Latin1, LookupAddressesCarryWordsAsPercentEncodedUtf8)
{
    EXPECT_EQ(LookupAddress::encodedWord("STRA\xDF" "E"), "STRA%C3%9FE");
    EXPECT_EQ(LookupAddress::encodedWord("\xC9T\xC9"), "%C3%89T%C3%89");
    EXPECT_EQ(LookupAddress::encodedWord("a b&c/d%-._~"), "a%20b%26c%2Fd%25-._~");
    EXPECT_EQ(LookupAddress::dictionaryPage("https://de.wiktionary.org/wiki/%", "STRA\xDF" "E"),
              "https://de.wiktionary.org/wiki/STRA%C3%9FE");
    EXPECT_EQ(LookupAddress::definitionPage("https://d.example/?q=", "\xC9T\xC9"), "https://d.example/?q=%C3%89T%C3%89");
    EXPECT_EQ(LookupAddress::dictionaryPage(".html", "\xC9T\xC9"), "%C3%89T%C3%89.html");
}

TEST(AccentedWords, TravelThroughTheDictionaryFileLookupAndCustomWords)
{
    test::TempDir dir;
    test::writeDictionary(dir / "fr.dic", {"\xC9T\xC9", "STRA\xDF" "E", "NA\xCFVE", "CAT"}, "Fran\xE7" "ais");
    Dictionary d;
    d.setCustomWordsFile(dir / "Lettrava.Cus");
    // Custom words are upper-cased by the same rule as the dictionaries.
    test::writeFile(dir / "Lettrava.Cus", "\xE0la\r\ngr\xFC\xDF" "en\nxy\xFF" "z\r\n");
    ASSERT_EQ(d.loadFile(dir / "fr.dic"), Dictionary::LoadStatus::Loaded);
    d.loadCustomWords();
    EXPECT_EQ(d.displayName(), "Fran\xE7" "ais");
    EXPECT_EQ(d.lookup("\xC9T\xC9"), LookupResult::Word);
    EXPECT_EQ(d.lookup("\xC9T"), LookupResult::Prefix);
    EXPECT_EQ(d.lookup("\xE9t\xE9"), LookupResult::NoMatch) << "lookups compare bytes";
    EXPECT_EQ(d.lookup("ETE"), LookupResult::NoMatch) << "accents count";
    EXPECT_EQ(d.lookup("STRA\xDF" "E"), LookupResult::Word);
    EXPECT_EQ(d.lookup("STRASSE"), LookupResult::NoMatch);
    EXPECT_EQ(d.lookup("NA\xCF"), LookupResult::Prefix);
    EXPECT_EQ(d.lookup("\xC0LA"), LookupResult::Word);
    EXPECT_EQ(d.lookup("GR\xDC\xDF" "EN"), LookupResult::Word);
    EXPECT_EQ(d.lookup("XY\xFFZ"), LookupResult::Word);
    EXPECT_TRUE(d.alphabet().contains('\xC9'));
    EXPECT_TRUE(d.alphabet().contains('\xDC')) << "a custom word's letter joins the alphabet";
    EXPECT_FALSE(d.alphabet().contains('\xE9'));

    ASSERT_TRUE(d.addCustomWord("CH\xC2TEAU"));
    EXPECT_EQ(d.lookup("CH\xC2TEAU"), LookupResult::Word);
    EXPECT_EQ(test::readFile(dir / "Lettrava.Cus").substr(test::readFile(dir / "Lettrava.Cus").size() - 9),
              "CH\xC2TEAU\r\n")
        << "written as single bytes";
    Dictionary again;
    again.setCustomWordsFile(dir / "Lettrava.Cus");
    ASSERT_EQ(again.loadFile(dir / "fr.dic"), Dictionary::LoadStatus::Loaded);
    again.loadCustomWords();
    EXPECT_EQ(again.lookup("CH\xC2TEAU"), LookupResult::Word);
}

TEST(AccentedWords, TraceAndTravelThroughGridFiles)
{
    test::ScopedGridOptions keep;
    test::TempDir dir;
    Grid grid = test::gridOf({"\xC9T\xC9", "SA\xDF", "\xDCRE"});
    PathTable path;
    EXPECT_TRUE(grid.tracePath("\xC9T\xC9", path));
    EXPECT_TRUE(grid.tracePath("\xDF" "E", path));
    EXPECT_FALSE(grid.tracePath("ETE", path));
    ASSERT_TRUE(saveGridFile(grid, dir / "g.grd"));
    EXPECT_NE(test::readFile(dir / "g.grd").find(">\xC9T\xC9\r\n"), std::string::npos) << "single bytes in the file";
    Grid back(false);
    ASSERT_TRUE(loadGridFile(back, dir / "g.grd"));
    for (int c = 1; c <= 3; ++c)
        for (int r = 1; r <= 3; ++r)
            EXPECT_EQ(back.letterAt(c, r), grid.letterAt(c, r)) << c << ',' << r;

    // Small accented letters in a grid file become capitals; signs become holes.
    test::writeFile(dir / "small.grd", "ROWS=3\r\nCOLS=3\r\n>\xE9t\xE9\r\n>\xFF\xDF\xF7\r\n>abc\r\n");
    ASSERT_TRUE(loadGridFile(back, dir / "small.grd"));
    EXPECT_EQ(back.letterAt(1, 1), '\xC9');
    EXPECT_EQ(back.letterAt(2, 1), 'T');
    EXPECT_EQ(back.letterAt(1, 2), '\xFF');
    EXPECT_EQ(back.letterAt(2, 2), '\xDF');
    EXPECT_EQ(back.letterAt(3, 2), ' ');
}
