#include "core/platform/Random.h"
#include "core/words/Dictionary.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <map>

using namespace lettrava;

namespace {

struct Shipped {
    const char* file;
    const char* name;  // the header's name, Latin-1
    std::size_t words; // as remade from the Debian 12 word lists
    std::vector<std::string> held, notHeld;
};

const std::vector<Shipped> kShipped = {
    {"English-British.dic", "English (British)", 63350, {"COLOUR", "CENTRE"}, {"LONDON", "CAF\xC9"}},
    {"Deutsch.dic", "Deutsch", 340068, {"STRA\xDF" "E", "HAUS", "\xC4PFEL", "GEHEN"}, {"STRASSE", "ABC", "HAUSS"}},
    {"Francais.dic", "Fran\xE7" "ais", 340949, {"\xC9T\xC9", "NA\xCFVE", "FOR\xCAT"}, {"ETE", "MARSEILLE"}},
    {"Espanol.dic", "Espa\xF1ol", 85876, {"A\xD1O", "MA\xD1" "ANA", "CORAZ\xD3N", "PING\xDCINO"}, {"MANANA", "MADRID"}},
    {"Italiano.dic", "Italiano", 108147, {"CITT\xC0", "PERCH\xC9", "CASA"}, {"ROMA"}},
    {"Nederlands.dic", "Nederlands", 330716, {"\xC9\xC9N", "HUIS", "ZEE\xCBN"}, {"AMSTERDAM"}},
};

} // namespace

TEST(ShippedDictionaries, LoadWithTheirNamesAndHoldTheirLanguagesWords)
{
    for (const Shipped& s : kShipped) {
        SCOPED_TRACE(s.file);
        Dictionary d;
        d.setCustomWordsFile(std::filesystem::path());
        ASSERT_EQ(d.loadFile(test::shippedDictionary(s.file)), Dictionary::LoadStatus::Loaded);
        EXPECT_EQ(d.displayName(), s.name);
        EXPECT_EQ(d.words()->size(), s.words);
        for (const std::string& w : s.held)
            EXPECT_EQ(d.lookup(w), LookupResult::Word) << w;
        for (const std::string& w : s.notHeld)
            EXPECT_NE(d.lookup(w), LookupResult::Word) << w;
        for (std::size_t i = 0; i < d.words()->size(); ++i)
            for (char c : d.words()->wordAt(i))
                ASSERT_TRUE((c >= 'A' && c <= 'Z') || static_cast<unsigned char>(c) >= 0xC0) << d.words()->wordAt(i);
    }
}

// Random grids take their letters from the dictionary's weights: a German
// grid is mostly E, N, R, S, T, with Ä, Ö, Ü and ß rare but present.
TEST(ShippedDictionaries, RandomLettersFollowTheLanguage)
{
    Dictionary d;
    d.setCustomWordsFile(std::filesystem::path());
    ASSERT_EQ(d.loadFile(test::shippedDictionary("Deutsch.dic")), Dictionary::LoadStatus::Loaded);
    Random::instance().seed(77);
    std::map<char, int> drawn;
    const int draws = 25 * 400; // four hundred 5 x 5 grids
    for (int i = 0; i < draws; ++i)
        ++drawn[d.randomLetter()];
    int most = 0;
    char mostDrawn = 0;
    for (auto [letter, n] : drawn)
        if (n > most)
            most = n, mostDrawn = letter;
    EXPECT_EQ(mostDrawn, 'E');
    for (char accented : std::string("\xC4\xD6\xDC\xDF")) {
        EXPECT_GT(drawn[accented], 0) << accented;
        EXPECT_LT(drawn[accented], draws / 50) << accented; // under 2 %
    }
    EXPECT_EQ(drawn[' '], 0);
}
