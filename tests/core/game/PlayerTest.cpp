#include "core/game/Player.h"
#include "core/platform/Random.h"

#include <gtest/gtest.h>

using namespace lettrava;

TEST(PlayerImage, HasItsFieldsAtTheirPlacesAndSurvivesShortInput)
{
    Player p("Alexandra");
    p.longestThisGame = "QUIXOTIC";
    p.active = true;
    p.inputMethod = 3;
    p.gameScore = -7;
    p.computerLevel = 2;
    p.longestWord = "EXTRAORDINARY";
    p.gamesWon = 3;
    p.pointsScored = 0x01020304;
    p.streak = -12;
    const std::string image = p.toImage();
    ASSERT_EQ(image.size(), Player::kImageSize);
    EXPECT_EQ(image.substr(0, 9), std::string("QUIXOTIC\0", 9));
    EXPECT_EQ(image[25], 1);                                    // active
    EXPECT_EQ(static_cast<unsigned char>(image[28]), 3u);       // inputMethod
    EXPECT_EQ(static_cast<unsigned char>(image[48]), 0xF9u);    // gameScore -7
    EXPECT_EQ(image.substr(68, 10), std::string("Alexandra\0", 10));
    EXPECT_EQ(image.substr(85, 13), "EXTRAORDINARY");
    EXPECT_EQ(static_cast<unsigned char>(image[160]), 4u);      // pointsScored, little-endian
    EXPECT_EQ(static_cast<unsigned char>(image[180]), 0xF4u);   // streak -12

    Player q;
    q.fromImage(reinterpret_cast<const unsigned char*>(image.data()), image.size());
    EXPECT_EQ(q.toImage(), image);

    Player cut;
    cut.fromImage(reinterpret_cast<const unsigned char*>(image.data()), 70);
    EXPECT_EQ(cut.name, "Al");
    EXPECT_EQ(cut.gameScore, -7);
    EXPECT_EQ(cut.longestWord, "");

    std::string garbage(Player::kImageSize, 'Z');
    Player g;
    g.fromImage(reinterpret_cast<const unsigned char*>(garbage.data()), garbage.size());
    EXPECT_EQ(g.name.size(), 16u);
    EXPECT_EQ(g.longestThisGame.size(), 18u);
}

TEST(PlayerFileRecord, KeepsTheOddFieldOrder)
{
    Player p("Bob");
    p.longestWord = "ZEBRA";
    p.gamesWon = 1;
    p.gamesCompleted = 2;
    p.roundsPlayed = 3;
    p.wordsFound = 4;
    p.computerLevel = 5;
    p.pointsScored = 6;
    const std::string r = p.toFileRecord();
    ASSERT_EQ(r.size(), 60u);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(r[static_cast<std::size_t>(36 + 4 * i)], i + 1);
    EXPECT_EQ(p.toSavedRecord().size(), Player::kSavedRecordSize);
}

TEST(PlayerRounds, StreakStaysInBoundsAndUndoGivesBackTheRound)
{
    Random::instance().seed(3);
    Player p("Walker");
    for (int i = 0; i < 2000; ++i) {
        p.resetForRound(true);
        ASSERT_GE(p.streak, -40);
        ASSERT_LE(p.streak, 40);
    }
    p.gameScore = 100;
    p.longestThisGame = "CAT";
    p.resetForRound(true);
    p.roundScore = 20 - 15; // 20 points earned, 15 lost to misses
    p.gameScore += p.roundScore;
    p.wordsThisRound = p.wordsThisGame = 4;
    p.longestThisGame = p.longestWord = "CATTLE";
    p.undoRound();
    EXPECT_EQ(p.gameScore, 100);
    EXPECT_EQ(p.wordsThisGame, 0);
    EXPECT_EQ(p.longestThisGame, "CAT");
    EXPECT_EQ(p.longestWord, "");
}

TEST(PlayerWords, SortOrdersAndLevels)
{
    Player p;
    for (const char* w : {"PEAR", "FIG", "APPLE", "KIWI"})
        p.addWord(LVWord(w, static_cast<std::int32_t>(p.words.size())));
    p.sortWords(1);
    EXPECT_EQ(p.words[0].text, "APPLE");
    p.sortWords(3);
    EXPECT_EQ(p.words[0].text, "APPLE");
    EXPECT_EQ(p.words[3].text, "FIG");
    p.sortWords(2);
    EXPECT_EQ(p.words[0].text, "FIG");
    p.sortWords(0);
    EXPECT_EQ(p.words[0].text, "PEAR");
    EXPECT_EQ(p.words[3].text, "KIWI");
    EXPECT_EQ(p.copyWordImages().size(), 4 * LVWord::kImageSize);
    EXPECT_TRUE(p.hasWord("FIG"));
    EXPECT_FALSE(p.hasWord("fig"));

    p.inputMethod = InputMethod::Computer;
    for (int level = 1; level <= 8; ++level) {
        p.computerLevel = level;
        EXPECT_EQ(p.maxWordLengthForLevel(), level <= 2 ? 18 : 13 - level);
        EXPECT_EQ(computerLevelForName(kComputerNames[8 - level]), level);
    }
    EXPECT_EQ(computerLevelForName("Bob"), 0);
}
