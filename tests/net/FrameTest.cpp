#include "net/Frame.h"

#include <gtest/gtest.h>

#include <string>

using namespace lettrava;

namespace {
std::string bytes(std::initializer_list<int> list)
{
    std::string s;
    for (int b : list)
        s.push_back(static_cast<char>(b));
    return s;
}
} // namespace

TEST(Frame, EncodesLengthBigEndianAndKindLittleEndian)
{
    EXPECT_EQ(encodeFrame(MessageKind::msgKeepAlive), bytes({0, 0, 0, 4, 0x0A, 0, 0, 0}));
    EXPECT_EQ(encodeFrame(MessageKind::msgChat, "hi"), bytes({0, 0, 0, 6, 3, 0, 0, 0, 'h', 'i'}));
    const std::string big(300, 'x');
    const std::string f = encodeFrame(0x01020304, big);
    EXPECT_EQ(f.substr(0, 8), bytes({0, 0, 0x01, 0x30, 4, 3, 2, 1}));
    EXPECT_EQ(f.size(), 308u);
}

TEST(Frame, EveryKindHasItsName)
{
    EXPECT_EQ(messageKindName(3), "msgChat");
    EXPECT_EQ(messageKindName(10), "msgKeepAlive");
    EXPECT_EQ(messageKindName(100), "msgMemberList");
    EXPECT_EQ(messageKindName(110), "msgPlayerWords");
    EXPECT_EQ(messageKindName(121), "msgHostShutdown");
    for (int k = 3; k <= 10; ++k)
        EXPECT_FALSE(messageKindName(k).empty()) << k;
    for (int k = 100; k <= 121; ++k)
        EXPECT_FALSE(messageKindName(k).empty()) << k;
    EXPECT_TRUE(messageKindName(11).empty());
    EXPECT_TRUE(messageKindName(99).empty());
    EXPECT_TRUE(MessageKind::isClientKind(6) && !MessageKind::isClientKind(100));
    EXPECT_TRUE(MessageKind::isHostKind(121) && !MessageKind::isHostKind(122));
}

TEST(FrameDecoder, TakesBytesOneAtATimeAndManyFramesAtOnce)
{
    const std::string stream = encodeFrame(MessageKind::msgChat, "hello") + encodeFrame(MessageKind::msgChat)
                             + encodeFrame(MessageKind::msgRename, std::string("a\0b", 3));
    FrameDecoder slow;
    int frames = 0;
    for (char c : stream) {
        ASSERT_TRUE(slow.feed(&c, 1));
        while (auto f = slow.next())
            ++frames;
    }
    EXPECT_EQ(frames, 3);
    EXPECT_FALSE(slow.midFrame());

    FrameDecoder fast;
    ASSERT_TRUE(fast.feed(stream + stream.substr(0, 7)));
    auto a = fast.next(), b = fast.next(), c = fast.next();
    ASSERT_TRUE(a && b && c);
    EXPECT_EQ(a->kind, MessageKind::msgChat);
    EXPECT_EQ(a->payload, "hello");
    EXPECT_EQ(b->payload, "") << "N = 4 carries an empty payload";
    EXPECT_EQ(c->payload, std::string("a\0b", 3)) << "the payload keeps its bytes; texts end at a zero later";
    EXPECT_FALSE(fast.next());
    EXPECT_TRUE(fast.midFrame()) << "the start of the fourth frame waits for the rest";
    ASSERT_TRUE(fast.feed(stream.substr(7)));
    EXPECT_EQ(fast.next()->payload, "hello");
}

TEST(FrameDecoder, ReadsTheKindFromTheBodyAndDropsShortBodies)
{
    // 00 00 01 00 announces 256 bytes; the body 6E 00 00 00 ... is kind 110.
    std::string frame = bytes({0, 0, 1, 0, 0x6E, 0, 0, 0}) + std::string(252, '\x01');
    // Bodies of 0 to 3 bytes carry no kind and are dropped.
    const std::string shortOnes = bytes({0, 0, 0, 0}) + bytes({0, 0, 0, 3, 1, 2, 3});
    FrameDecoder d;
    ASSERT_TRUE(d.feed(shortOnes + frame));
    auto f = d.next();
    ASSERT_TRUE(f);
    EXPECT_EQ(f->kind, 110);
    EXPECT_EQ(f->payload.size(), 252u);
    EXPECT_FALSE(d.next());
    EXPECT_EQ(d.droppedCount(), 2u);
}

TEST(FrameDecoder, RefusesBodiesAboveOneMebibyteWithoutAllocatingThem)
{
    FrameDecoder ok;
    std::string atLimit = bytes({0, 0x10, 0, 0}) + bytes({3, 0, 0, 0});
    atLimit += std::string(kMaxFrameBody - 4, 'a');
    ASSERT_TRUE(ok.feed(atLimit));
    EXPECT_EQ(ok.next()->payload.size(), kMaxFrameBody - 4);

    FrameDecoder d;
    ASSERT_TRUE(d.feed(encodeFrame(MessageKind::msgChat, "before")));
    EXPECT_FALSE(d.feed(bytes({0, 0x10, 0, 1, 3, 0, 0, 0})));
    EXPECT_TRUE(d.failed());
    EXPECT_EQ(d.next()->payload, "before") << "frames that came whole before stay";
    EXPECT_FALSE(d.feed(encodeFrame(MessageKind::msgChat, "after")));
    EXPECT_FALSE(d.next());

    FrameDecoder huge;
    EXPECT_FALSE(huge.feed(bytes({0xFF, 0xFF, 0xFF, 0xFF})));
}
