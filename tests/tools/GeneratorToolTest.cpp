#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace lettrava::test;

TEST(GeneratorTool, BreedsAGridAndReportsEachImprovement)
{
    TempDir dir;
    writeFile(dir / "words.txt", "cat, dog\nemu yak");
    const std::vector<std::string> args = {"generate", "--dict", shippedDictionary().string(), "--words",
                                           (dir / "words.txt").string(), "--cols", "6", "--rows", "5", "--seed", "3",
                                           (dir / "out.grd").string()};
    const ToolResult r = runTool(args);
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto out = lines(r.out);
    ASSERT_GE(out.size(), 2u);
    EXPECT_EQ(out.back(), "placed ALL of 4");
    for (std::size_t i = 0; i + 1 < out.size(); ++i)
        EXPECT_EQ(out[i].rfind("generation ", 0), 0u) << out[i];
    EXPECT_NE(out[out.size() - 2].find(" placed 4 of 4"), std::string::npos);
    EXPECT_EQ(runTool(args).out, r.out) << "the same seed breeds the same grid";

    // Every word is in the grid written.
    for (const char* word : {"CAT", "DOG", "EMU", "YAK"})
        EXPECT_EQ(runTool({"trace", (dir / "out.grd").string(), word}).exitCode, 0) << word;
    EXPECT_NE(readFile(dir / "out.grd").find("COLS=6"), std::string::npos);
}

TEST(GeneratorTool, StopsAtTheGenerationLimitWhenTheListCannotFit)
{
    TempDir dir;
    writeFile(dir / "words.txt", "abcdefghijklmnopqr stuvwxyzabcdefghi");
    const ToolResult r = runTool({"generate", "--dict", shippedDictionary().string(), "--words",
                                  (dir / "words.txt").string(), "--cols", "3", "--rows", "3", "--generations", "25",
                                  (dir / "out.grd").string()});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(lines(r.out).back(), "placed 0 of 2");
    EXPECT_NE(runTool({"generate", "--dict", shippedDictionary().string(), "--words", (dir / "none.txt").string(),
                       (dir / "out.grd").string()})
                  .exitCode,
              0);
}
