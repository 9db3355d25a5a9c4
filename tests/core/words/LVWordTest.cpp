#include "core/words/LVWord.h"

#include <gtest/gtest.h>

using namespace lettrava;

TEST(LVWordImage, RoundTripsAndSurvivesShortOrGarbageInput)
{
    LVWord w("QUIXOTE", 7);
    w.inGrid = true;
    w.inDictionary = true;
    unsigned char image[32];
    w.writeImage(image);
    EXPECT_EQ(image[4], 'Q');
    EXPECT_EQ(image[11], 0);
    EXPECT_EQ(image[23], 1);
    EXPECT_EQ(image[25], 0);
    EXPECT_EQ(image[28], 7);
    EXPECT_EQ(LVWord::fromImage(image, 32), w);

    // A text without terminator takes at most 18 bytes; flags read any nonzero.
    unsigned char garbage[32];
    for (int i = 0; i < 32; ++i)
        garbage[i] = static_cast<unsigned char>(0x41 + i);
    const LVWord g = LVWord::fromImage(garbage, 32);
    EXPECT_EQ(g.text.size(), 18u);
    EXPECT_TRUE(g.inGrid && g.inDictionary && g.unique);

    // A short buffer reads what is there and zeros for the rest.
    const LVWord cut = LVWord::fromImage(image, 10);
    EXPECT_EQ(cut.text, "QUIXOT");
    EXPECT_FALSE(cut.inGrid);
    EXPECT_EQ(cut.order, 0);
    EXPECT_EQ(LVWord::fromImage(image, 0), LVWord());
}
