#include "net/DictProtocol.h"

#include <gtest/gtest.h>

using namespace lettrava::dict;

TEST(DictProtocol, StatusCodesAndCommands)
{
    EXPECT_EQ(statusCode("220 host dictd <auth> <msg-id>"), 220);
    EXPECT_EQ(statusCode("250"), 250);
    EXPECT_EQ(statusCode("25x ok"), -1);
    EXPECT_EQ(statusCode("2500 ok"), -1);
    EXPECT_EQ(statusCode(""), -1);

    EXPECT_EQ(defineCommand("*", "QUIXOTIC"), "DEFINE * \"QUIXOTIC\"\r\n");
    EXPECT_EQ(defineCommand("gcide", "cat"), "DEFINE gcide \"cat\"\r\n");
    // Nothing that could end the command early or start another one.
    EXPECT_FALSE(defineCommand("*", "CAT\r\nQUIT"));
    EXPECT_FALSE(defineCommand("*", "A\"B"));
    EXPECT_FALSE(defineCommand("*", "A\\B"));
    EXPECT_FALSE(defineCommand("*", "TWO WORDS"));
    EXPECT_FALSE(defineCommand("*", ""));
    EXPECT_FALSE(defineCommand("*", std::string(65, 'A')));
    EXPECT_FALSE(defineCommand("db name", "CAT"));
}

TEST(DictProtocol, DefinitionHeader)
{
    Definition d;
    ASSERT_TRUE(parseDefinitionHeader("151 \"quixotic\" gcide \"The Collaborative \\\"International\\\" Dictionary\"", d));
    EXPECT_EQ(d.word, "quixotic");
    EXPECT_EQ(d.database, "gcide");
    EXPECT_EQ(d.description, "The Collaborative \"International\" Dictionary");
    EXPECT_FALSE(parseDefinitionHeader("151 \"unterminated gcide", d));
    EXPECT_FALSE(parseDefinitionHeader("151", d));
    EXPECT_FALSE(parseDefinitionHeader("150 \"a\" b \"c\"", d));
}

TEST(DictProtocol, ReaderCollectsDefinitionsAndUndoesDotStuffing)
{
    DefineReader r;
    for (const char* line : {"150 2 definitions retrieved", "151 \"cat\" wn \"WordNet\"", "cat", "  n 1: a small feline",
                             "..dotted line", ".", "151 \"cat\" gcide \"GCIDE\"", "Cat, n.", "."})
        EXPECT_EQ(r.feed(line), DefineReader::State::Reading) << line;
    EXPECT_EQ(r.feed("250 ok"), DefineReader::State::Found);
    ASSERT_EQ(r.definitions().size(), 2u);
    EXPECT_EQ(r.definitions()[0].text, "cat\n  n 1: a small feline\n.dotted line");
    EXPECT_EQ(r.definitions()[1].database, "gcide");
    // Nothing after the end changes the answer.
    EXPECT_EQ(r.feed("151 \"x\" y \"z\""), DefineReader::State::Found);
    EXPECT_EQ(r.definitions().size(), 2u);
}

TEST(DictProtocol, ReaderEndsOnNoMatchAndErrors)
{
    DefineReader none;
    EXPECT_EQ(none.feed("552 no match"), DefineReader::State::NoMatch);

    DefineReader noDb;
    EXPECT_EQ(noDb.feed("550 invalid database"), DefineReader::State::Failed);
    EXPECT_EQ(noDb.failure(), "550 invalid database");

    DefineReader empty;
    EXPECT_EQ(empty.feed("250 ok"), DefineReader::State::Failed);

    DefineReader garbage;
    EXPECT_EQ(garbage.feed("HTTP/1.1 200 OK"), DefineReader::State::Failed);

    DefineReader badHeader;
    EXPECT_EQ(badHeader.feed("151 \"cat"), DefineReader::State::Failed);
}

TEST(DictProtocol, ReaderRefusesWhatExceedsItsLimits)
{
    DefineReader longLine;
    longLine.feed("151 \"cat\" wn \"WordNet\"");
    EXPECT_EQ(longLine.feed(std::string(kMaxLineLength + 1, 'x')), DefineReader::State::Failed);
    EXPECT_TRUE(longLine.definitions().empty());

    DefineReader many;
    for (std::size_t i = 0; i < kMaxDefinitions; ++i) {
        many.feed("151 \"cat\" wn \"WordNet\"");
        many.feed(".");
    }
    EXPECT_EQ(many.feed("151 \"cat\" wn \"WordNet\""), DefineReader::State::Failed);

    DefineReader flood;
    flood.feed("151 \"cat\" wn \"WordNet\"");
    const std::string line(1000, 'y');
    DefineReader::State s = DefineReader::State::Reading;
    for (int i = 0; i < 1000 && s == DefineReader::State::Reading; ++i)
        s = flood.feed(line);
    EXPECT_EQ(s, DefineReader::State::Failed);
}
