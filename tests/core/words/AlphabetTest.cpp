#include "core/platform/Random.h"
#include "core/words/Alphabet.h"
#include "core/words/DictionaryWriter.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace lettrava;

namespace {

Alphabet readTable(const std::vector<AlphabetChar>& entries)
{
    std::istringstream in(DictionaryWriter::alphabetTable(entries));
    Alphabet a;
    a.readAlphabet(in);
    return a;
}

std::string tableWithCount(std::uint32_t count)
{
    std::vector<AlphabetChar> entries;
    for (std::uint32_t i = 0; i < count; ++i)
        entries.push_back({static_cast<char>(i % 256), 0.01f});
    return DictionaryWriter::alphabetTable(entries);
}

} // namespace

TEST(Alphabet, CountLimitIsThreeHundredAndNothingIsInsertedBeyondIt)
{
    {
        std::istringstream in(tableWithCount(300));
        Alphabet a;
        EXPECT_NO_THROW(a.readAlphabet(in));
        EXPECT_EQ(a.letters().size(), 256u); // 300 entries, 256 distinct bytes
    }
    {
        std::istringstream in(tableWithCount(301));
        Alphabet a;
        try {
            a.readAlphabet(in);
            FAIL() << "a count of 301 must fail";
        } catch (const DictionaryError& e) {
            EXPECT_STREQ(e.what(), "Too many characters in alphabet!");
        }
        EXPECT_TRUE(a.letters().empty());
    }
}

TEST(Alphabet, ShortTableFailsWithReadErrorAndKeepsLettersReadSoFar)
{
    std::string table = DictionaryWriter::alphabetTable({{'A', 0.5f}, {'B', 0.25f}, {'C', 0.25f}});
    table.resize(4 + 5 + 5 + 2); // cut inside the third entry
    std::istringstream in(table);
    Alphabet a;
    try {
        a.readAlphabet(in);
        FAIL() << "a short table must fail";
    } catch (const DictionaryError& e) {
        EXPECT_STREQ(e.what(), kStreamReadError);
    }
    ASSERT_EQ(a.letters().size(), 2u);
    EXPECT_EQ(a.letters()[1].letter, 'B');
}

TEST(Alphabet, FirstEntryOfARepeatedLetterWinsAndOrderIsBySignedByte)
{
    Alphabet a = readTable({{'E', 0.12f}, {'\xC4', 0.1f}, {'E', 0.5f}, {'A', 0.2f}});
    ASSERT_EQ(a.letters().size(), 3u);
    EXPECT_EQ(a.letters()[0].letter, '\xC4'); // 0xC4 sorts before ASCII as a signed byte
    EXPECT_EQ(a.letters()[1].letter, 'A');
    EXPECT_EQ(a.letters()[2].letter, 'E');
    EXPECT_FLOAT_EQ(a.letters()[2].weight, 0.12f);
}

TEST(Alphabet, PoolCopiesTruncateTheDoubleProduct)
{
    EXPECT_EQ(Alphabet::poolCopies(0.12f), 119u); // 0.119999997... x 1000
    EXPECT_EQ(Alphabet::poolCopies(0.029f), 28u);
    EXPECT_EQ(Alphabet::poolCopies(0.5f), 500u);
    EXPECT_EQ(Alphabet::poolCopies(0.0004f), 0u);
    EXPECT_EQ(Alphabet::poolCopies(0.0f), 0u);
    EXPECT_EQ(Alphabet::poolCopies(-1.0f), 0u);
    EXPECT_EQ(Alphabet::poolCopies(std::numeric_limits<float>::quiet_NaN()), 0u);
    EXPECT_EQ(Alphabet::poolCopies(std::numeric_limits<float>::infinity()), Alphabet::kMaxCopiesPerLetter);
}

TEST(Alphabet, DrawsFollowTheWeights)
{
    Random::instance().seed(7);
    Alphabet a = readTable({{'A', 0.5f}, {'B', 0.25f}, {'Z', 0.0004f}});
    EXPECT_TRUE(a.letterPool().empty()); // built lazily
    int countA = 0, countB = 0;
    for (int i = 0; i < 30000; ++i) {
        const char c = a.randomLetter();
        ASSERT_TRUE(c == 'A' || c == 'B') << "unexpected letter " << c;
        (c == 'A' ? countA : countB)++;
    }
    EXPECT_EQ(a.letterPool().size(), 750u);
    EXPECT_NEAR(static_cast<double>(countA) / 30000.0, 2.0 / 3.0, 0.02);
}

TEST(Alphabet, EmptyOrWeightlessAlphabetDrawsSpaces)
{
    Alphabet empty;
    EXPECT_EQ(empty.randomLetter(), ' ');
    Alphabet weightless = readTable({{'A', 0.0f}});
    weightless.addLetter('Q');
    EXPECT_EQ(weightless.randomLetter(), ' ');
}

TEST(Alphabet, PoolIsRebuiltOnlyAfterClearing)
{
    Alphabet a = readTable({{'A', 1.0f}});
    EXPECT_EQ(a.randomLetter(), 'A');
    a.addLetter('B'); // weight 0 and the pool is kept as built
    EXPECT_EQ(a.letterPool().size(), 1000u);
    a.clearAlphabet();
    std::istringstream in(DictionaryWriter::alphabetTable({{'X', 0.01f}}));
    a.readAlphabet(in);
    for (int i = 0; i < 50; ++i)
        ASSERT_EQ(a.randomLetter(), 'X');
}
