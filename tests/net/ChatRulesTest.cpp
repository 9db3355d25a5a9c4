#include "net/ChatRules.h"

#include <gtest/gtest.h>

#include <set>

using namespace lettrava;

TEST(ChatRules, InputKindsCommandLettersAndWhisperParts)
{
    EXPECT_EQ(parseChatInput("").kind, ChatInput::Kind::Nothing);
    EXPECT_EQ(parseChatInput("hello").kind, ChatInput::Kind::Text);
    EXPECT_EQ(parseChatInput("/w").kind, ChatInput::Kind::Nothing);
    EXPECT_EQ(parseChatInput("/w ").kind, ChatInput::Kind::Nothing);
    EXPECT_EQ(parseChatInput("/w x").kind, ChatInput::Kind::Command);
    EXPECT_EQ(parseChatInput("/w x").argument, "x");
    // The third character is dropped whatever it is.
    const ChatInput glued = parseChatInput("/wBob hi");
    EXPECT_EQ(glued.letter, 'w');
    EXPECT_EQ(glued.argument, "ob hi");
    EXPECT_EQ(parseChatInput("/W Bob hi").letter, 'W');

    EXPECT_EQ(splitWhisper("Bob hi there").recipient, "Bob");
    EXPECT_EQ(splitWhisper("Bob hi there").message, "hi there");
    EXPECT_EQ(splitWhisper("x").recipient, "") << "no blank, no recipient";
    EXPECT_EQ(splitWhisper("Bob ").message, "");

    EXPECT_EQ(trimBlanks("  hello   "), "hello");
    EXPECT_EQ(trimBlanks(" \t "), "");
    EXPECT_TRUE(equalsIgnoringCase("Bob", "bOB"));
    EXPECT_FALSE(equalsIgnoringCase("Bob", "Bob2"));
}

TEST(ChatRules, TakenNamesGetTheNextFreeNameWithinSixteenCharacters)
{
    std::set<std::string> members;
    auto taken = [&](const std::string& n) {
        for (const auto& m : members)
            if (equalsIgnoringCase(m, n))
                return true;
        return false;
    };
    auto join = [&](const std::string& wanted) {
        const std::string got = freeMemberName(wanted, taken);
        members.insert(got);
        return got;
    };
    EXPECT_EQ(join("Bob"), "Bob");
    EXPECT_EQ(join("Bob"), "Bob2");
    EXPECT_EQ(join("Bob"), "Bob3");
    EXPECT_EQ(join("bob"), "bob4") << "compared ignoring case: bob2 and bob3 are taken too";
    EXPECT_EQ(join("Bob9"), "Bob9");
    EXPECT_EQ(join("Bob9"), "Bob:") << "the character after 9, not 10";
    EXPECT_EQ(join("Bob9"), "Bob:2");

    std::set<std::string> fresh;
    members.swap(fresh);
    EXPECT_EQ(join("bob"), "bob");
    EXPECT_EQ(join("Bob"), "Bob2");

    // Sixteen characters not ending in a digit: the last one makes room.
    const std::string full = "ABCDEFGHIJKLMNOP";
    EXPECT_EQ(join(full), full);
    EXPECT_EQ(join(full), "ABCDEFGHIJKLMNO2");
    EXPECT_EQ(join(full), "ABCDEFGHIJKLMNO3");
    for (int i = 0; i < 12; ++i) {
        const std::string got = join(full);
        EXPECT_LE(got.size(), 16u);
    }
    EXPECT_EQ(members.size(), 2u + 15u) << "every member got a name of its own";
    EXPECT_EQ(join(""), "");
    EXPECT_EQ(join(""), "2");
}
