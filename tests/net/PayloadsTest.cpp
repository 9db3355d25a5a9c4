#include "net/Frame.h"
#include "net/Payloads.h"
#include "net/TGameClient.h"

#include <gtest/gtest.h>

#include <string>

using namespace lettrava;

namespace {
std::int32_t le32(const std::string& s, std::size_t at)
{
    std::uint32_t u = 0;
    for (int i = 0; i < 4; ++i)
        u |= static_cast<std::uint32_t>(static_cast<unsigned char>(s[at + static_cast<std::size_t>(i)])) << (8 * i);
    return static_cast<std::int32_t>(u);
}
} // namespace

TEST(MemberRecord, LaysOutEveryFieldAndCutsLongTexts)
{
    TGameClient m;
    m.name = "Sixteen-Chars-AB"; // exactly 16
    m.dictionaryVersion = "";
    m.versionText = " 1.0";
    m.address = "192.168.100.200-extra";
    m.hostName = std::string(50, 'h');
    m.email = "bob@example.org";
    m.message = std::string(300, 'm');
    m.status = MemberStatus::ViewingResults;
    m.lastHeard = 0x01020304;
    const std::string image = m.toImage();
    ASSERT_EQ(image.size(), 388u);
    EXPECT_EQ(le32(image, 0), 0);
    EXPECT_EQ(image.substr(4, 16), "Sixteen-Chars-AB");
    EXPECT_EQ(image[20], '\0') << "the name keeps its terminator in a member record";
    EXPECT_EQ(image.substr(27, 5), std::string(" 1.0\0", 5));
    EXPECT_EQ(image.substr(33, 16), std::string("192.168.100.200\0", 16));
    EXPECT_EQ(image.substr(49, 40), std::string(40, 'h'));
    EXPECT_EQ(image[89], '\0');
    EXPECT_EQ(image.substr(90, 15), "bob@example.org");
    EXPECT_EQ(image.substr(121, 256), std::string(256, 'm'));
    EXPECT_EQ(image[377], '\0');
    EXPECT_EQ(image[378], 2);
    EXPECT_EQ(le32(image, 380), 0) << "the connection reference means nothing to a peer";
    EXPECT_EQ(le32(image, 384), 0x01020304);

    const TGameClient back = TGameClient::fromImage(image);
    EXPECT_EQ(back.name, m.name);
    EXPECT_EQ(back.address, "192.168.100.200");
    EXPECT_EQ(back.message.size(), 256u);
    EXPECT_EQ(back.status, MemberStatus::ViewingResults);

    // A short record: what is missing keeps a new record's values.
    const TGameClient cut = TGameClient::fromImage(image.substr(0, 40));
    EXPECT_EQ(cut.name, m.name);
    EXPECT_EQ(cut.status, MemberStatus::Connected);
    EXPECT_EQ(cut.hostName, "");
    // A name field without any terminator reads at most 16 characters.
    std::string noZero = image;
    for (std::size_t i = 4; i < 21; ++i)
        noZero[i] = 'Z';
    EXPECT_EQ(TGameClient::fromImage(noZero).name, std::string(16, 'Z'));
}

TEST(MemberRecord, AListTakesWholeRecordsOnly)
{
    TGameClient a, b;
    a.name = "Host";
    a.status = MemberStatus::Host;
    b.name = "Bob";
    std::string payload = encodeMemberList({a, b}) + "12345";
    ASSERT_EQ(payload.size(), 2 * 388u + 5);
    const auto members = decodeMemberList(payload);
    ASSERT_EQ(members.size(), 2u);
    EXPECT_EQ(members[0].name, "Host");
    EXPECT_EQ(members[0].status, MemberStatus::Host);
    EXPECT_EQ(members[1].name, "Bob");
    EXPECT_TRUE(decodeMemberList(std::string(387, 'x')).empty());
}

TEST(SettingsRecord, LaysOutTheGameAndFillsSixteenCharacterNames)
{
    GameInfo g;
    g.minWordLength = 4;
    g.maxWordLength = 9;
    g.roundsPerGame = 5;
    g.gridPorosity = 20;
    g.playerCount = 3;
    g.currentRound = 2;
    g.bonusWordEnabled = false;
    g.allowLetterReuse = true;
    g.gridSizeOrder = 1;
    g.automaticDuration = false;
    g.roundMinutes = 1;
    g.roundSeconds = 45;
    g.names = {"Hal", "Sixteen-Chars-AB", "Patsy", ""};
    g.kinds = {0, 1, 2, 0};
    g.versionText = " 1.0";
    const std::string s = encodeSettings(g);
    ASSERT_EQ(s.size(), kSettingsSize);
    EXPECT_EQ(le32(s, 0), 4);
    EXPECT_EQ(le32(s, 4), 9);
    EXPECT_EQ(le32(s, 8), 5);
    EXPECT_EQ(le32(s, 12), 20);
    EXPECT_EQ(le32(s, 16), 3);
    EXPECT_EQ(le32(s, 20), 2);
    EXPECT_EQ(s[24], 0);
    EXPECT_EQ(s[25], 1);
    EXPECT_EQ(le32(s, 28), 1);
    EXPECT_EQ(s[32], 0);
    EXPECT_EQ(le32(s, 36), 1);
    EXPECT_EQ(le32(s, 40), 45);
    EXPECT_EQ(s.substr(44, 4), std::string("Hal\0", 4));
    EXPECT_EQ(s.substr(60, 16), "Sixteen-Chars-AB") << "no terminator in a full name field";
    EXPECT_EQ(s.substr(76, 5), "Patsy");
    EXPECT_EQ(s.substr(108, 4), std::string("\0\1\2\0", 4));
    EXPECT_EQ(s.substr(118, 6), std::string(" 1.0\0\0", 6));

    const auto back = decodeSettings(s);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->names[1], "Sixteen-Chars-AB");
    EXPECT_EQ(back->names[2], "Patsy");
    EXPECT_EQ(back->roundSeconds, 45);
    EXPECT_FALSE(back->automaticDuration);
    EXPECT_EQ(back->kinds, g.kinds);
}

TEST(SettingsRecord, AShortRecordKeepsTheDefaultsAndBadValuesAreDropped)
{
    GameInfo g;
    g.minWordLength = 5;
    g.maxWordLength = 6;
    const auto shortOne = decodeSettings(encodeSettings(g).substr(0, 8));
    ASSERT_TRUE(shortOne);
    EXPECT_EQ(shortOne->minWordLength, 5);
    EXPECT_EQ(shortOne->maxWordLength, 6);
    EXPECT_EQ(shortOne->roundMinutes, 2) << "a fresh record's manual duration is two minutes";
    EXPECT_TRUE(shortOne->bonusWordEnabled);
    EXPECT_TRUE(shortOne->allowLetterReuse);
    EXPECT_TRUE(shortOne->automaticDuration);
    EXPECT_EQ(shortOne->playerCount, 0);
    EXPECT_TRUE(decodeSettings(""));

    auto broken = [](auto change) {
        GameInfo bad;
        change(bad);
        return decodeSettings(encodeSettings(bad)).has_value();
    };
    EXPECT_FALSE(broken([](GameInfo& b) { b.playerCount = 5; }));
    EXPECT_FALSE(broken([](GameInfo& b) { b.playerCount = -1; }));
    EXPECT_FALSE(broken([](GameInfo& b) { b.minWordLength = 2; }));
    EXPECT_FALSE(broken([](GameInfo& b) { b.maxWordLength = 19; }));
    EXPECT_FALSE(broken([](GameInfo& b) { b.minWordLength = 9, b.maxWordLength = 8; }));
    EXPECT_FALSE(broken([](GameInfo& b) { b.gridPorosity = 61; }));
    EXPECT_FALSE(broken([](GameInfo& b) { b.roundsPerGame = 21; }));
    EXPECT_FALSE(broken([](GameInfo& b) { b.currentRound = -1; }));
    EXPECT_FALSE(broken([](GameInfo& b) { b.gridSizeOrder = 4; }));
    EXPECT_FALSE(broken([](GameInfo& b) { b.kinds[3] = 7; }));
    EXPECT_TRUE(broken([](GameInfo& b) { b.roundMinutes = 500, b.roundSeconds = -4; }));
    GameInfo longOne;
    longOne.roundMinutes = 500;
    longOne.roundSeconds = -4;
    const auto clamped = decodeSettings(encodeSettings(longOne));
    EXPECT_EQ(clamped->roundMinutes, 99);
    EXPECT_EQ(clamped->roundSeconds, 0);
}

TEST(ScoreUpdate, FreshRecordHoldsRoundOne)
{
    const std::string s = encodeScores({10, -5, 0, 7, 3});
    ASSERT_EQ(s.size(), kScoresSize);
    EXPECT_EQ(le32(s, 4), -5);
    EXPECT_EQ(le32(s, 16), 3);
    EXPECT_EQ(decodeScores(s), (ScoreUpdate{10, -5, 0, 7, 3}));
    EXPECT_EQ(decodeScores(s.substr(0, 8)), (ScoreUpdate{10, -5, 0, 0, 1}));
    EXPECT_EQ(decodeScores(""), (ScoreUpdate{0, 0, 0, 0, 1}));
}

TEST(GridPayload, CarriesTheImageAndDropsImpossibleSizes)
{
    GridPayload g;
    g.columns = 4;
    g.rows = 3;
    g.image.fill(' ');
    for (int c = 1; c <= 4; ++c)
        for (int r = 1; r <= 3; ++r)
            g.image[static_cast<std::size_t>(c * 14 + r)] = static_cast<unsigned char>('A' + c + r);
    g.image[2 * 14 + 2] = ' '; // a hole
    std::fill(g.image.begin() + 196, g.image.end(), 0);
    const std::string s = encodeGrid(g);
    ASSERT_EQ(s.size(), kGridPayloadSize);
    EXPECT_EQ(le32(s, 0), 4);
    EXPECT_EQ(le32(s, 4), 3);
    EXPECT_EQ(static_cast<unsigned char>(s[8 + 1 * 14 + 1]), 'C');
    auto back = decodeGrid(s);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->image, g.image);

    // Letters in the border or beyond the size, and control bytes, become spaces.
    std::string dirty = s;
    dirty[8 + 0] = 'Q';
    dirty[8 + 5 * 14 + 1] = 'Q';  // column 5 of a 4-column grid
    dirty[8 + 1 * 14 + 4] = 'Q';  // row 4 of a 3-row grid
    dirty[8 + 3 * 14 + 3] = '\x01';
    back = decodeGrid(dirty);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->image[0], ' ');
    EXPECT_EQ(back->image[5 * 14 + 1], ' ');
    EXPECT_EQ(back->image[1 * 14 + 4], ' ');
    EXPECT_EQ(back->image[3 * 14 + 3], ' ');
    EXPECT_EQ(back->image[1 * 14 + 1], 'C');

    for (auto [c, r] : {std::pair{2, 5}, {13, 5}, {5, 0}, {5, 13}, {-1, 4}}) {
        GridPayload bad = g;
        bad.columns = c;
        bad.rows = r;
        EXPECT_FALSE(decodeGrid(encodeGrid(bad))) << c << "x" << r;
    }
    EXPECT_FALSE(decodeGrid(s.substr(0, 207)));
}

TEST(SmallPayloads, BonusHintVerdictNumbersAndTexts)
{
    const std::string hint = encodeBonusHint({55, "ABCDEFGHIJ"});
    ASSERT_EQ(hint.size(), kBonusHintSize);
    EXPECT_EQ(le32(hint, 0), 55);
    EXPECT_EQ(hint.substr(4, 10), "ABCDEFGHIJ");
    EXPECT_EQ(hint[14], '\0') << "a 10-letter text uses all 11 bytes, the last a terminator";
    EXPECT_EQ(decodeBonusHint(hint).text, "ABCDEFGHIJ");
    EXPECT_EQ(decodeBonusHint(encodeBonusHint({1, "ABCDEFGHIJKLMN"})).text, "ABCDEFGHIJ");
    std::string noZero = hint;
    noZero[14] = 'K';
    EXPECT_EQ(decodeBonusHint(noZero).text, "ABCDEFGHIJ");
    EXPECT_EQ(decodeBonusHint("\x07").points, 7);

    const std::string v = encodeVerdict({-8, "TOOT"});
    EXPECT_EQ(v, std::string("\xF8\xFF\xFF\xFFTOOT", 8));
    EXPECT_EQ(decodeVerdict(v)->code, -8);
    EXPECT_EQ(decodeVerdict(v)->word, "TOOT");
    EXPECT_FALSE(decodeVerdict("abc"));
    EXPECT_EQ(decodeVerdict(std::string("\x02\0\0\0CAT\0XYZ", 11))->word, "CAT");

    EXPECT_EQ(encodeWordList(2, "img"), std::string("\x02\0\0\0img", 7));
    EXPECT_EQ(decodeInt32(encodeInt32(-21)), -21);
    EXPECT_FALSE(decodeInt32("\x01\x02"));
    EXPECT_EQ(decodeText(std::string("hello\0world", 11)), "hello");
    EXPECT_EQ(decodeText(""), "");
    EXPECT_EQ(decodeText("\xE9t\xE9"), "\xE9t\xE9") << "single bytes travel as they are";
}

TEST(AccentedTexts, TravelThroughRecordsAndFramesAsSingleBytes)
{
    TGameClient m;
    m.name = "Ren\xE9" "e M\xFCller";
    m.message = "\xC0 bient\xF4t";
    const TGameClient member = TGameClient::fromImage(m.toImage());
    EXPECT_EQ(member.name, m.name);
    EXPECT_EQ(member.message, m.message);

    GameInfo info;
    info.names = {"Zo\xEB", "J\xF6rg", "\xC5sa", "Fran\xE7ois"};
    const auto settings = decodeSettings(encodeSettings(info));
    ASSERT_TRUE(settings);
    EXPECT_EQ(settings->names, info.names);

    const auto verdict = decodeVerdict(encodeVerdict({6, "STRA\xDF" "E"}));
    ASSERT_TRUE(verdict);
    EXPECT_EQ(verdict->word, "STRA\xDF" "E");
    EXPECT_EQ(decodeBonusHint(encodeBonusHint({9, "\xC9T\xC9"})).text, "\xC9T\xC9");

    // Whole frames, fed a byte at a time: the payload comes back unchanged.
    const std::string chat = "Zo\xEB: \xE7" "a va? \xFF\xDF";
    const std::string bytes = encodeFrame(MessageKind::msgChat, chat);
    FrameDecoder decoder;
    for (char b : bytes)
        ASSERT_TRUE(decoder.feed(&b, 1));
    const auto frame = decoder.next();
    ASSERT_TRUE(frame);
    EXPECT_EQ(frame->payload, chat);
    EXPECT_EQ(decodeText(frame->payload), chat);
}
