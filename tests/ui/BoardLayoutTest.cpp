#include "ui/BoardLayout.h"

#include <gtest/gtest.h>

using namespace lettrava;

TEST(BoardLayout, SmallBoardsSitInTheMiddleOfTheLargestOne)
{
    const QPoint proto(10, 20);
    const QSize tile(32, 31);
    EXPECT_EQ(BoardLayout::tileRect(proto, tile, 3, 3, 0, 0), QRect(10 + 128, 20 + 124, 32, 31));
    EXPECT_EQ(BoardLayout::tileRect(proto, tile, 3, 3, 1, 0).left() - 138, 35);
    EXPECT_EQ(BoardLayout::tileRect(proto, tile, 3, 3, 0, 1).top() - 144, 34);
    EXPECT_EQ(BoardLayout::tileRect(proto, tile, 12, 12, 0, 0).topLeft(), proto);
    EXPECT_EQ(BoardLayout::tileRect(proto, tile, 4, 12, 3, 11), QRect(10 + 4 * 32 + 3 * 35, 20 + 11 * 34, 32, 31));
    EXPECT_EQ(BoardLayout::fullBoardSize(tile), QSize(12 * 35 - 3, 12 * 34 - 3));
}

TEST(BoardLayout, WordEntrySitsBelowTheBoardButInsideThePanel)
{
    EXPECT_EQ(BoardLayout::wordEntryTop(300, 500, 40), 380);
    EXPECT_EQ(BoardLayout::wordEntryTop(480, 500, 40), 460) << "never lower than the panel allows";
}

TEST(BoardLayout, WindowFitsLowScreensAndTilesGrowOnTallOnes)
{
    const QSize tile(32, 31);
    auto fit = BoardLayout::fitToScreen(700, 720, tile);
    EXPECT_EQ(fit.windowHeight, 658);
    EXPECT_EQ(fit.tile, QSize(30, 29));
    fit = BoardLayout::fitToScreen(560, 720, tile);
    EXPECT_EQ(fit.windowHeight, 526);
    EXPECT_EQ(fit.tile, QSize(30, 29));
    fit = BoardLayout::fitToScreen(800, 720, tile);
    EXPECT_EQ(fit.windowHeight, 720);
    EXPECT_EQ(fit.tile, tile);
    EXPECT_EQ(BoardLayout::fitToScreen(900, 720, tile).tile, QSize(40, 39));
    EXPECT_EQ(BoardLayout::fitToScreen(1200, 720, tile).tile, QSize(48, 47));
    EXPECT_EQ(BoardLayout::scaledPanelWidth(360, 1024), 288);
}
