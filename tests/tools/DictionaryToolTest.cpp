#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace lettrava::test;

TEST(DictionaryTool, MakesADictionaryThatReadsBackWithItsHeaderAndWeights)
{
    TempDir dir;
    writeFile(dir / "words.txt", "cat\r\nDOG\nox\ncat's\nzebra\nabcdefghijklmnopqrs\nCat\n\nemu");
    auto made = runTool({"mkdict", "--name", "Mini", "--page1", "https://example.org/?q=%", "--page1-name", "Ex",
                         "--local-lookup", (dir / "words.txt").string(), (dir / "mini.dic").string()});
    ASSERT_EQ(made.exitCode, 0) << made.err;
    EXPECT_NE(made.err.find("skipped 4"), std::string::npos) << made.err; // ox, cat's, the 19 letters, the empty line

    auto info = runTool({"dictinfo", "--words", (dir / "mini.dic").string()});
    ASSERT_EQ(info.exitCode, 0) << info.err;
    EXPECT_EQ(lines(info.out), (std::vector<std::string>{
                                   "name: Mini", "page1: https://example.org/?q=%", "page1-name: Ex", "page2: ",
                                   "page2-name: ", "local-lookup: yes", "letters: 12",
                                   // CAT DOG EMU ZEBRA: 14 letters in all, each word once
                                   "A 0.14285715", "B 0.071428575", "C 0.071428575", "D 0.071428575",
                                   "E 0.14285715", "G 0.071428575", "M 0.071428575", "O 0.071428575",
                                   "R 0.071428575", "T 0.071428575", "U 0.071428575", "Z 0.071428575",
                                   "words: 4", "CAT", "DOG", "EMU", "ZEBRA"}));
}

TEST(DictionaryTool, LooksUpTextsWithCustomWords)
{
    TempDir dir;
    writeFile(dir / "words.txt", "cat\ncats\n");
    ASSERT_EQ(runTool({"mkdict", (dir / "words.txt").string(), (dir / "d.dic").string()}).exitCode, 0);
    writeFile(dir / "custom.txt", "quixote\r\n");
    auto r = runTool({"lookup", "--dict", (dir / "d.dic").string(), "--custom", (dir / "custom.txt").string(), "CAT",
                      "CA", "cat", "CATX", "QUIXOTE", ""});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(lines(r.out), (std::vector<std::string>{"CAT Word", "CA Prefix", "cat NoMatch", "CATX NoMatch",
                                                      "QUIXOTE Word", " Prefix"}));
    // Without --custom the custom words are not there.
    r = runTool({"lookup", "--dict", (dir / "d.dic").string(), "QUIXOTE"});
    EXPECT_EQ(r.out, "QUIXOTE NoMatch\n");
}

TEST(DictionaryTool, FailsLoudlyOnMissingOrBrokenDictionaries)
{
    TempDir dir;
    auto r = runTool({"lookup", "--dict", (dir / "none.dic").string(), "CAT"});
    EXPECT_NE(r.exitCode, 0);
    EXPECT_TRUE(r.out.empty());
    EXPECT_FALSE(r.err.empty());

    writeFile(dir / "short.dic", std::string(362, '\0') + "\x05");
    r = runTool({"dictinfo", (dir / "short.dic").string()});
    EXPECT_NE(r.exitCode, 0);
    EXPECT_NE(r.err.find("Stream read error"), std::string::npos) << r.err;

    std::filesystem::create_directory(dir / "folder.dic");
    EXPECT_NE(runTool({"dictinfo", (dir / "folder.dic").string()}).exitCode, 0);
    EXPECT_EQ(runTool({"lookup", "CAT"}).exitCode, 2); // --dict missing
    EXPECT_EQ(runTool({"no-such-command"}).exitCode, 2);
}

TEST(ShippedDictionary, IsEnglishAndRemakesByteForByteFromTheDebianWordList)
{
    auto info = runTool({"dictinfo", shippedDictionary().string()});
    ASSERT_EQ(info.exitCode, 0) << info.err;
    const auto out = lines(info.out);
    EXPECT_EQ(out[0], "name: English");
    EXPECT_EQ(out[6], "letters: 26");
    EXPECT_EQ(out.back(), "words: 63724");

    const std::filesystem::path list = "/usr/share/dict/american-english";
    const std::string expectedList = "9f513f1ceadb6a01c5485b7dbdfd5118dc66cd70b59cae2851292112d4066a32";
    if (!std::filesystem::exists(list))
        GTEST_SKIP() << "wamerican is not installed; cannot remake the dictionary";
    TempDir dir;
    const std::string sum = "sha256sum " + list.string() + " > " + (dir / "sum").string();
    ASSERT_EQ(std::system(sum.c_str()), 0);
    if (readFile(dir / "sum").substr(0, 64) != expectedList)
        GTEST_SKIP() << "the installed word list is not the one the shipped dictionary was made from";
    // The same command as data/dict/remake.sh.
    auto made = runTool({"mkdict", "--name", "English", "--page1", "https://en.wiktionary.org/wiki/%", "--page1-name",
                         "Wiktionary", "--page2", "https://www.merriam-webster.com/dictionary/%", "--page2-name",
                         "Merriam-Webster", "--local-lookup", "--lowercase-only", list.string(),
                         (dir / "English.dic").string()});
    ASSERT_EQ(made.exitCode, 0) << made.err;
    EXPECT_TRUE(readFile(dir / "English.dic") == readFile(shippedDictionary()));
}
