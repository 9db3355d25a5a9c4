#include "ui/board/BoardLayout.h"

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

TEST(BoardLayout, TilesFollowTheSpaceWithinTheirLimitsAndTheGapScalesAlike)
{
    // The design size fits a 12 x 12 board of 417 x 405 pixels exactly.
    const QSize design = BoardLayout::fullBoardSize({32, 31});
    EXPECT_EQ(design, QSize(417, 405));
    EXPECT_EQ(BoardLayout::tileForSpace(design).tile, QSize(32, 31));
    // Twice the room: twice the tile and the gap; the narrower side decides.
    const BoardLayout::TileScale twice = BoardLayout::tileForSpace({2 * 417, 2 * 405 + 300});
    EXPECT_EQ(twice.tile, QSize(64, 62));
    EXPECT_EQ(twice.gap, 6);
    for (const QSize space : {QSize(500, 380), QSize(1200, 700), QSize(777, 1300)}) {
        const BoardLayout::TileScale t = BoardLayout::tileForSpace(space);
        const QSize full = BoardLayout::fullBoardSize(t.tile, t.gap);
        EXPECT_LE(full.width(), space.width());
        EXPECT_LE(full.height(), space.height());
        const BoardLayout::TileScale bigger = BoardLayout::tileAtScale(t.scale + 0.05);
        const QSize more = BoardLayout::fullBoardSize(bigger.tile, bigger.gap);
        EXPECT_TRUE(more.width() > space.width() || more.height() > space.height()) << "the largest that fits";
    }
    // Never below the smallest or above the largest scale.
    EXPECT_EQ(BoardLayout::tileForSpace({100, 100}).tile, BoardLayout::tileAtScale(BoardLayout::kMinScale).tile);
    EXPECT_EQ(BoardLayout::tileForSpace({10000, 10000}).tile, QSize(96, 93));
    // A 3 x 3 board at a scaled tile sits in the middle of the 12 x 12 space of that tile.
    EXPECT_EQ(BoardLayout::tileRect({0, 0}, twice.tile, 3, 3, 1, 1, twice.gap), QRect(4 * 64 + 70, 4 * 62 + 68, 64, 62));
    EXPECT_EQ(BoardLayout::scaledPanelWidth(360, 1024), 288);
}

// The letter board shared by the game, the results window and the grid designer.
#include "core/grid/Grid.h"
#include "core/grid/GridOptions.h"
#include "ui/board/TLetterLabel.h"
#include "ui/board/TLetterBoard.h"

#include <QSignalSpy>
#include <QTest>

namespace {

Grid gridOf(const std::vector<std::string>& rows)
{
    gridOptions().gridColumns = static_cast<int>(rows[0].size());
    gridOptions().gridRows = static_cast<int>(rows.size());
    Grid g(false);
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < rows[r].size(); ++c)
            g.setLetter(static_cast<int>(c) + 1, static_cast<int>(r) + 1, rows[r][c]);
    return g;
}

} // namespace

TEST(LetterBoard, BuildsEveryCellLastFirstWithBlanksAsAsked)
{
    const Grid g = gridOf({"CAT", "O P", "SAT"});
    QWidget host;
    TLetterBoard board(&host);
    board.setPlacement(TLetterBoard::Placement::WholeTiles, QPoint(8, 8));
    board.build(g, 3, 3);
    ASSERT_NE(board.letterAt(1, 1), nullptr) << "a hole in play is built, hidden";
    EXPECT_FALSE(board.letterAt(1, 1)->isVisibleTo(&host));
    EXPECT_FALSE(board.tileAt(1, 1)->isVisibleTo(&host));
    EXPECT_EQ(board.letterAt(2, 0)->text(), "T");
    EXPECT_EQ(board.letterAt(2, 0)->objectName(), "letter200");
    EXPECT_EQ(board.tileAt(0, 2)->objectName(), "tile2");
    EXPECT_EQ(board.letterAt(3, 0), nullptr);
    // Last cell first: the first child is the last cell's tile.
    EXPECT_EQ(board.children().first()->objectName(), "tile202");
    EXPECT_EQ(board.tileAt(0, 0)->geometry(), BoardLayout::tileRect(QPoint(8, 8), board.tileSize(), 3, 3, 0, 0));

    board.setBlanks(TLetterBoard::Blanks::Absent);
    board.build(g, 3, 3);
    EXPECT_EQ(board.letterAt(1, 1), nullptr);
    EXPECT_EQ(board.tileAt(1, 1), nullptr);

    board.setBlanks(TLetterBoard::Blanks::Tiled);
    board.build(g, 3, 3);
    ASSERT_NE(board.tileAt(1, 1), nullptr);
    EXPECT_TRUE(board.tileAt(1, 1)->isVisibleTo(&host)) << "the designer shows every cell";
    board.showCells(g, false);
    EXPECT_FALSE(board.tileAt(0, 0)->isVisibleTo(&host));
    board.showCells(g, true);
    EXPECT_TRUE(board.tileAt(1, 1)->isVisibleTo(&host));
}

TEST(LetterBoard, ReportsPressesAndKeepsAPathsBoldThroughAFontChange)
{
    const Grid g = gridOf({"CATS", "OPOT", "ATSX", "XXXX"});
    QWidget host;
    host.resize(600, 600);
    TLetterBoard board(&host);
    board.resize(600, 600);
    board.build(g, 4, 4);
    host.show();
    QSignalSpy presses(&board, &TLetterBoard::cellPressed);
    QTest::mouseClick(board.letterAt(2, 3), Qt::RightButton);
    ASSERT_EQ(presses.count(), 1);
    EXPECT_EQ(presses.at(0).at(0).toInt(), 2);
    EXPECT_EQ(presses.at(0).at(1).toInt(), 3);
    EXPECT_EQ(presses.at(0).at(2).value<Qt::MouseButton>(), Qt::RightButton);

    board.setCellStyle(1, 0, Qt::blue, true);
    QFont other = board.boardFont();
    other.setPointSize(other.pointSize() + 4);
    board.setBoardFont(other);
    EXPECT_TRUE(board.letterAt(1, 0)->font().bold());
    EXPECT_FALSE(board.letterAt(0, 0)->font().bold());
    EXPECT_EQ(board.letterAt(1, 0)->font().pointSize(), other.pointSize());
    EXPECT_EQ(board.letterAt(1, 0)->palette().color(QPalette::WindowText), QColor(Qt::blue));

    board.setPressable(false);
    board.build(g, 4, 4);
    QTest::mouseClick(board.letterAt(0, 0), Qt::LeftButton);
    EXPECT_EQ(presses.count(), 1) << "letters that take no presses";
    gridOptions() = GridOptions{};
}
