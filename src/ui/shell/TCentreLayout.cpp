#include "ui/shell/TCentreLayout.h"

#include "ui/board/BoardLayout.h"
#include "ui/board/TLetterBoard.h"
#include "ui/factory/TFactoryMode.h"
#include "ui/play/PlayParts.h"
#include "ui/play/TPlayPanels.h"
#include "ui/play/TPlayView.h"
#include "ui/widgets/TAdvancedPanel.h"
#include "ui/widgets/WindowParts.h"

#include <QList>
#include <QWidget>

#include <algorithm>

namespace lettrava {

namespace {
using namespace playparts;

// Between the panels of the column.
constexpr int kPanelGap = 10;
} // namespace

TCentreLayout::TCentreLayout(QWidget& centre, TLetterBoard& board, TPlayView& view, TPlayPanels& play, QWidget& welcome)
    : centre_(centre), board_(board), view_(view), play_(play), welcome_(welcome)
{
}

void TCentreLayout::setMinimumSize()
{
    // Small enough for a 1024 x 600 screen: the board then takes its
    // smallest tiles, and the panels of play keep their room beside it.
    const BoardLayout::TileScale smallest = BoardLayout::tileAtScale(BoardLayout::kMinScale);
    const QSize board = BoardLayout::fullBoardSize(smallest.tile, smallest.gap) + QSize(2 * kBoardPad, 2 * kBoardPad);
    int column = 0;
    for (QWidget* w : {static_cast<QWidget*>(play_.pnlRoundTime), play_.pnlInfo, static_cast<QWidget*>(play_.pnlBonus)})
        column += w->sizeHint().height() + kPanelGap;
    centre_.setMinimumSize(
        std::max(board.width() + kColumnGap + kRightColumnWidth, welcome_.sizeHint().width()) + 2 * kMargin,
        std::max({board.height() + play_.pnlWordEntry->sizeHint().height(), column, welcome_.sizeHint().height()}) +
            2 * kMargin);
}

void TCentreLayout::arrange(bool factoryShown)
{
    const QSize centre = centre_.size();
    scaleBoard(centre, factoryShown);
    const QSize board = board_.size();
    const int contentWidth = board.width() + kColumnGap + kRightColumnWidth;
    const int left = std::max(kMargin, (centre.width() - contentWidth) / 2);
    const int top = kMargin;
    board_.move(left, top);

    const int x = left + board.width() + kColumnGap;
    int y = top;
    QList<QWidget*> column = {play_.pnlRoundTime, play_.pnlInfo, play_.pnlBonus};
    if (factoryShown && factory_)
        column = QList<QWidget*>{play_.pnlInfo} + factory_->sidePanels();
    for (QWidget* w : column) {
        int h = w->sizeHint().height();
        // The designer's solution list takes what is left of the column.
        if (factory_ && w == factory_->solutionPanel())
            h = std::max(h, centre.height() - y - kMargin);
        w->setGeometry(x, y, kRightColumnWidth, h);
        y += h + kPanelGap;
    }

    play_.pnlPaused->adjustSize();
    play_.pnlPaused->move(left + (board.width() - play_.pnlPaused->width()) / 2,
                          top + (board.height() - play_.pnlPaused->height()) / 2);
    welcome_.adjustSize();
    welcome_.move((centre.width() - welcome_.width()) / 2, std::max(0, (centre.height() - welcome_.height()) / 2));
    if (play_.pnlWordEntry->isVisible())
        view_.placeWordEntryPanel(true);
}

void TCentreLayout::scaleBoard(QSize centre, bool factoryShown)
{
    // The board takes the room the centre leaves beside the panels of play
    // and above the word entry; its tiles, their gap and its letters follow.
    const int entryRoom = play_.pnlWordEntry->sizeHint().height() + kMargin;
    const QSize space(centre.width() - 2 * kMargin - kColumnGap - kRightColumnWidth - 2 * kBoardPad,
                      centre.height() - 2 * kMargin - 2 * kBoardPad - entryRoom);
    const BoardLayout::TileScale t = BoardLayout::tileForSpace(space);
    board_.setFixedSize(BoardLayout::fullBoardSize(t.tile, t.gap) + QSize(2 * kBoardPad, 2 * kBoardPad));
    if (t.tile == view_.tileSize() && t.gap == view_.tileGap())
        return;
    zoom_ = t.scale;
    view_.setTileSize(t.tile, t.gap);
    view_.setLetterFont(preferredGameBoardFont(zoom_));
    board_.setTileSize(t.tile, t.gap);
    board_.setBoardFont(view_.letterFont());
    if (factoryShown && factory_)
        factory_->boardRescaled();
}

} // namespace lettrava
