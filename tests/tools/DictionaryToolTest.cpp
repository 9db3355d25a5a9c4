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
    // The command of data/dict/remake.sh, and the command it replaced, which
    // read the list as single bytes.
    const std::vector<std::string> english = {"mkdict", "--name", "English", "--page1", "https://en.wiktionary.org/wiki/%",
                                              "--page1-name", "Wiktionary", "--page2",
                                              "https://www.merriam-webster.com/dictionary/%", "--page2-name",
                                              "Merriam-Webster", "--local-lookup"};
    for (const auto& rule : {std::vector<std::string>{"--case", "lower", "--letters", "abcdefghijklmnopqrstuvwxyz"},
                             std::vector<std::string>{"--encoding", "latin-1", "--lowercase-only"}}) {
        std::vector<std::string> command = english;
        command.insert(command.end(), rule.begin(), rule.end());
        command.push_back(list.string());
        command.push_back((dir / "English.dic").string());
        auto made = runTool(command);
        ASSERT_EQ(made.exitCode, 0) << made.err;
        EXPECT_TRUE(readFile(dir / "English.dic") == readFile(shippedDictionary())) << rule[0];
    }
}

TEST(DictionaryTool, MakesAccentedDictionariesFromUtf8AndLatin1Lists)
{
    TempDir dir;
    // été, straße, Öl (a noun), ÿ stays small, œ is not Latin-1, ABC is an
    // abbreviation, McDonald has a capital inside, "caf\xC3" is broken UTF-8.
    writeFile(dir / "utf8.txt", "\xC3\xA9t\xC3\xA9\nstra\xC3\x9F" "e\n\xC3\x96lung\nna\xC3\xAFve\nc\xC5\x93ur\nABC\n"
                                "McDonald\ncaf\xC3\nxy\xC3\xBFz\nl'eau\n");
    auto made = runTool({"mkdict", "--name", "Fran\xC3\xA7" "ais", "--case", "initial", (dir / "utf8.txt").string(),
                         (dir / "f.dic").string()});
    ASSERT_EQ(made.exitCode, 0) << made.err;
    EXPECT_NE(made.err.find("kept 5 words, skipped 5"), std::string::npos) << made.err;
    auto info = runTool({"dictinfo", "--words", (dir / "f.dic").string()});
    ASSERT_EQ(info.exitCode, 0) << info.err;
    auto out = lines(info.out);
    // The name and the words print as UTF-8; upper-casing keeps ß and ÿ.
    EXPECT_EQ(out[0], "name: Fran\xC3\xA7" "ais");
    const std::vector<std::string> words(out.end() - 5, out.end());
    EXPECT_EQ(words, (std::vector<std::string>{"NA\xC3\x8FVE", "STRA\xC3\x9F" "E", "XY\xC3\xBFZ", "\xC3\x89T\xC3\x89",
                                               "\xC3\x96LUNG"}));
    // The file holds single bytes: the header's name is Latin-1.
    EXPECT_EQ(readFile(dir / "f.dic").substr(0, 9), std::string("Fran\xE7" "ais\0", 9));

    // --case lower drops the noun; --letters keeps a-z words only.
    made = runTool({"mkdict", "--case", "lower", (dir / "utf8.txt").string(), (dir / "g.dic").string()});
    EXPECT_NE(made.err.find("kept 4 words"), std::string::npos) << made.err;
    made = runTool({"mkdict", "--letters", "abcdefghijklmnopqrstuvwxyz", (dir / "utf8.txt").string(),
                    (dir / "h.dic").string()});
    EXPECT_NE(made.err.find("kept 2 words"), std::string::npos) << made.err; // ABC, McDonald

    // The same words as Latin-1 bytes.
    writeFile(dir / "latin1.txt", "\xE9t\xE9\r\nstra\xDF" "e\r\n\xD7x\xF7\r\n");
    made = runTool({"mkdict", "--encoding", "latin-1", (dir / "latin1.txt").string(), (dir / "l.dic").string()});
    ASSERT_EQ(made.exitCode, 0) << made.err;
    EXPECT_NE(made.err.find("kept 2 words, skipped 1"), std::string::npos) << made.err; // the signs are no letters
    auto r = runTool({"lookup", "--dict", (dir / "l.dic").string(), "\xC3\x89T\xC3\x89", "STRA\xC3\x9F" "E", "STRASSE",
                      "\xC3\xA9t\xC3\xA9"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(lines(r.out), (std::vector<std::string>{"\xC3\x89T\xC3\x89 Word", "STRA\xC3\x9F" "E Word",
                                                      "STRASSE NoMatch", "\xC3\xA9t\xC3\xA9 NoMatch"}));

    EXPECT_EQ(runTool({"mkdict", "--encoding", "cp1252", (dir / "latin1.txt").string(), (dir / "x.dic").string()})
                  .exitCode, 2);
    EXPECT_EQ(runTool({"mkdict", "--case", "upper", (dir / "latin1.txt").string(), (dir / "x.dic").string()}).exitCode,
              2);
    // A name Latin-1 cannot hold is refused, not written as '?'.
    EXPECT_EQ(runTool({"mkdict", "--name", "\xC5\x93", (dir / "latin1.txt").string(), (dir / "x.dic").string()}).exitCode,
              2);
}

TEST(ShippedDictionary, TheRemakeScriptRebuildsEveryShippedDictionaryByteForByte)
{
    const std::filesystem::path shipped = shippedDictionary().parent_path();
    for (const char* list : {"american-english", "american-english-large", "british-english", "ngerman", "french",
                             "spanish", "italian", "dutch"})
        if (!std::filesystem::exists(std::filesystem::path("/usr/share/dict") / list))
            GTEST_SKIP() << "the word list " << list << " is not installed";
    // The script writes beside itself: a copy in a temporary folder remakes
    // every dictionary there.
    TempDir dir;
    std::filesystem::copy_file(shipped / "remake.sh", dir / "remake.sh");
    const std::string command = "sh " + (dir / "remake.sh").string() + " " + LETTRAVA_TOOL_PATH + " > " +
                                (dir / "out.txt").string() + " 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << readFile(dir / "out.txt");
    int compared = 0;
    for (const auto& entry : std::filesystem::directory_iterator(shipped)) {
        if (entry.path().extension() != ".dic")
            continue;
        ++compared;
        const std::filesystem::path made = dir / entry.path().filename();
        ASSERT_TRUE(std::filesystem::exists(made)) << entry.path().filename() << " is not made by the script";
        // A changed Debian list would change the words, not the tool: say which.
        EXPECT_TRUE(readFile(made) == readFile(entry.path())) << entry.path().filename();
    }
    EXPECT_EQ(compared, 8);
}
