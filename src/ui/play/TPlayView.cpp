#include "ui/play/TPlayView.h"

#include "core/game/Game.h"
#include "core/grid/Grid.h"
#include "core/grid/GridOptions.h"
#include "ui/board/BoardLayout.h"
#include "ui/board/TLetterBoard.h"
#include "ui/board/TLetterLabel.h"
#include "ui/platform/GameText.h"
#include "ui/play/PlayParts.h"
#include "ui/play/TPlayPanels.h"
#include "ui/widgets/TAdvancedPanel.h"
#include "ui/widgets/TFlashingLabel.h"
#include "ui/widgets/TUpDown.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace lettrava {

using namespace playparts;

TPlayView::TPlayView(PlayShell& shell, TLetterBoard& board, TPlayPanels& panels, QWidget& centre, StatusPanels status)
    : shell_(shell), board_(board), play_(panels), centre_(centre), status_(status)
{
}

QPoint TPlayView::tilePrototypePosition() const { return {kBoardPad, kBoardPad}; }

// ------------------------------------------------------------------ the board

void TPlayView::removeBoard() { board_.clear(); }

TLetterLabel* TPlayView::letterAt(int column, int row) const { return board_.letterAt(column, row); }

QLabel* TPlayView::tileAt(int column, int row) const { return board_.tileAt(column, row); }

void TPlayView::buildBoard(const Grid& grid)
{
    play_.lblTimeLeft->clear();
    building_ = true;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    const int columns = std::clamp(Grid::columns(), 3, 12);
    const int rows = std::clamp(Grid::rows(), 3, 12);
    board_.setPlacement(TLetterBoard::Placement::WholeTiles, tilePrototypePosition());
    board_.setTileSize(tileSize_, tileGap_);
    board_.setBoardFont(letterFont_);
    board_.setTextColour(letterColour_);
    board_.build(grid, columns, rows);
    building_ = false;
    play_.updDimCol->setValue(columns);
    play_.updDimRow->setValue(rows);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TPlayView::showAllCells(bool show)
{
    const Game* game = shell_.currentGame();
    const Round* round = game ? game->round() : nullptr;
    if (round)
        board_.showCells(round->grid(), show);
    else
        board_.showCells(Grid(false), false);
}

void TPlayView::showCellsForPause(const Grid& grid, bool show) { board_.showCells(grid, show); }

// ------------------------------------------------------------------ the panels

void TPlayView::showGame(Game& game)
{
    showAllCells(false);
    fillStatusPanels();
    showPlayerLabels();
    play_.lblTimeLeft->setFlashing(false);
    play_.lblTimeLeft->clear();
    play_.pnlGridSize->setVisible(game.manualGridSize && game.networkMode != NetworkMode::Client);
    for (QLabel* l : play_.lblBonusLetter)
        l->hide();
    if (game.roundsPerGame - game.currentRound <= 0)
        setRoundLabel(roundLabel(game.roundsPerGame));
    else
        game.prepareNextRound();
    game.refreshScores();
}

void TPlayView::clearGame()
{
    play_.imgSetRoundTime->hide();
    play_.pnlWordEntry->hide();
    wordEntryWanted_ = false;
    play_.pnlBonus->hide();
    play_.lblBonusValue->clear();
    play_.pnlGridSize->hide();
    removeBoard();
}

void TPlayView::fillStatusPanels()
{
    const GridOptions& o = gridOptions();
    status_.lengths->setText(QCoreApplication::translate("TPlayView", "Word Length:  MIN:%1 MAX:%2").arg(o.minWordLength).arg(o.maxWordLength));
    status_.reuse->setText(QCoreApplication::translate("TPlayView", "Reuse: ") + (o.allowLetterReuse ? QCoreApplication::translate("TPlayView", "YES") : QCoreApplication::translate("TPlayView", "NO")));
}

void TPlayView::clearStatusPanels()
{
    status_.message->clear();
    status_.lengths->clear();
    status_.reuse->clear();
}

void TPlayView::showPlayerLabels()
{
    const Game* game = shell_.currentGame();
    for (int i = 0; i < 4; ++i) {
        const auto s = static_cast<std::size_t>(i);
        const Player* p = game ? game->playerAt(i) : nullptr;
        play_.lblPlayerName[s]->setVisible(p != nullptr);
        play_.lblPlayerScore[s]->setVisible(p != nullptr);
        if (p) {
            play_.lblPlayerName[s]->setText(toQt(p->name));
            play_.lblPlayerScore[s]->setText(QStringLiteral("0"));
        }
    }
}

void TPlayView::showClientPlayers(const Game& game)
{
    for (int slot = 0; slot < 4; ++slot) {
        const auto s = static_cast<std::size_t>(slot);
        const bool inGame = slot < game.playerCount;
        play_.lblPlayerName[s]->setVisible(inGame);
        play_.lblPlayerScore[s]->setVisible(inGame);
        if (inGame) {
            play_.lblPlayerName[s]->setText(toQt(game.remoteNames[s]));
            const Player* p = game.playerAt(slot);
            play_.lblPlayerScore[s]->setText(QString::number(p ? p->gameScore : 0));
        }
    }
}

void TPlayView::showSeatedPlayer(const Game& game, int slot)
{
    const Player* p = slot >= 0 && slot < 4 ? game.playerAt(slot) : nullptr;
    if (!p)
        return;
    const auto s = static_cast<std::size_t>(slot);
    play_.lblPlayerName[s]->setText(toQt(p->name));
    play_.lblPlayerScore[s]->setText(QStringLiteral("0"));
    play_.lblPlayerName[s]->show();
    play_.lblPlayerScore[s]->show();
}

// ------------------------------------------------------------------ input

void TPlayView::letterPressed(int column, int row, Qt::MouseButton button)
{
    Game* game = shell_.currentGame();
    if (!game || !game->hasMousePlayer)
        return;
    WordEntry& entry = game->wordEntry();
    switch (button) {
    case Qt::LeftButton: entry.leftClick(column, row); break;
    case Qt::RightButton: entry.rightClick(); break;
    case Qt::MiddleButton: entry.middleClick(); break;
    default: break;
    }
}

void TPlayView::wordEntryEdited(const QString& text)
{
    // Upper-cased as the dictionaries are: "straße" shows and judges as STRAßE.
    const std::string word = typedWord(text);
    const QString upper = toQt(word);
    if (upper != text) {
        const int at = play_.edtWordEntry->cursorPosition();
        play_.edtWordEntry->setText(upper);
        play_.edtWordEntry->setCursorPosition(at);
    }
    if (Game* game = shell_.currentGame())
        game->wordEntry().typedTextChanged(word);
}

void TPlayView::submitTypedWord()
{
    Game* game = shell_.currentGame();
    if (!game || !game->roundRunning || !play_.edtWordEntry->isEnabled())
        return;
    game->wordEntry().submitTyped();
}

// ------------------------------------------------------------------ GameView

void TPlayView::setStatusText(const std::string& text) { status_.message->setText(toQt(text)); }

TextLabel& TPlayView::scoreLabel(int slot) { return play_.scoreLabels[static_cast<std::size_t>(std::clamp(slot, 0, 3))]; }

TextLabel& TPlayView::nameLabel(int slot) { return play_.nameLabels[static_cast<std::size_t>(std::clamp(slot, 0, 3))]; }

void TPlayView::manualGridSize(int& columns, int& rows)
{
    columns = play_.updDimCol->value();
    rows = play_.updDimRow->value();
}

void TPlayView::roundStarting()
{
    shell_.roundStarting();
    showAllCells(false);
}

void TPlayView::enterRoundMode(const Game& game)
{
    const bool client = game.networkMode == NetworkMode::Client;
    fillStatusPanels();
    play_.imgSetRoundTime->hide();
    shell_.roundModeEntered(game);
    play_.lblTimeLeft->show();
    play_.lblRound->show();
    if (!client)
        setRoundLabel(roundLabel(game.currentRound));
    play_.updDimCol->setEnabled(false);
    play_.updDimRow->setEnabled(false);
    for (QLabel* l : play_.lblBonusLetter)
        l->hide();
    play_.lblBonusValue->clear();
    play_.pnlBonus->setToolTip(QString());
    play_.pnlBonus->setVisible(game.bonusWordEnabled);
    shell_.layoutCentre();
}

void TPlayView::placeWordEntryPanel(bool show)
{
    wordEntryWanted_ = show;
    if (!show) {
        play_.pnlWordEntry->hide();
        return;
    }
    play_.pnlWordEntry->adjustSize();
    const QSize panel = play_.pnlWordEntry->size();
    const int bottom = board_.y() + board_.cellsBottom();
    const int top = BoardLayout::wordEntryTop(bottom, centre_.height(), panel.height());
    const int left = board_.x() + (board_.width() - panel.width()) / 2;
    play_.pnlWordEntry->move(std::max(0, left), std::max(bottom + 3, top));
    play_.pnlWordEntry->show();
    play_.pnlWordEntry->raise();
    play_.edtWordEntry->setEnabled(true);
    play_.edtWordEntry->setFocus();
}

void TPlayView::refreshLetterCells()
{
    const Game* game = shell_.currentGame();
    if (!game)
        return;
    const WordEntry& entry = const_cast<Game*>(game)->wordEntry();
    const QString tip = toQt(entry.mouseWord());
    for (int c = 0; c < board_.columns(); ++c)
        for (int r = 0; r < board_.rows(); ++r)
            if (TLetterLabel* l = letterAt(c, r)) {
                l->setLetterColour(cellColour(entry.colourAt(c, r)));
                l->setCursor(cellCursor(entry.cursorAt(c, r)));
                l->setToolTip(tip);
            }
    const QString typed = toQt(entry.typedText());
    if (play_.edtWordEntry->text() != typed) {
        play_.edtWordEntry->setText(typed);
        play_.edtWordEntry->end(false);
    }
    shell_.clearClicksAvailable(game->roundRunning && entry.clearClicksEnabled());
}

void TPlayView::setClockText(const std::string& text) { play_.setClockText(text); }

void TPlayView::setClockFlashing(bool flashing) { play_.setClockFlashing(flashing); }

void TPlayView::setPaused(bool paused)
{
    play_.pnlPaused->setVisible(paused);
    if (paused)
        play_.pnlPaused->raise();
    const Game* game = shell_.currentGame();
    if (game && game->round())
        showCellsForPause(game->round()->grid(), !paused);
    if (play_.pnlWordEntry->isVisible()) {
        play_.edtWordEntry->setEnabled(!paused);
        if (!paused)
            play_.edtWordEntry->setFocus();
    }
    shell_.pausedChanged(paused);
}

void TPlayView::showBonusHint(const std::string& letters, const std::string& value)
{
    play_.showBonusHint(letters, value);
}

void TPlayView::leaveRoundMode(const Game& game, bool)
{
    play_.edtWordEntry->clear();
    play_.pnlWordEntry->hide();
    wordEntryWanted_ = false;
    if (play_.pnlPaused->isVisible()) {
        play_.pnlPaused->hide();
        shell_.pausedChanged(false);
    }
    shell_.roundModeLeft(game);
}

void TPlayView::prepareNextRound(const Game& game)
{
    play_.imgSetRoundTime->setVisible(!game.automaticDuration);
    play_.updDimCol->setEnabled(true);
    play_.updDimRow->setEnabled(true);
    play_.pnlBonus->setVisible(game.bonusWordEnabled);
    shell_.nextRoundPrepared(game);
    shell_.layoutCentre();
}

void TPlayView::setRoundLabel(const std::string& text) { play_.lblRound->setText(toQt(text)); }

void TPlayView::setRoundTimeHint(const std::string& text) { play_.imgSetRoundTime->setToolTip(toQt(text)); }

void TPlayView::setShowResultsEnabled(bool enabled) { shell_.showResultsAvailable(enabled); }

void TPlayView::setMainWindowVisible(bool visible) { shell_.setWindowShown(visible); }

std::unique_ptr<ResultsWindow> TPlayView::createResultsWindow(Game& game, Round& round)
{
    return shell_.createResultsWindow(game, round);
}

void TPlayView::showCongratulations(const std::string& text, bool humanWinner)
{
    shell_.showCongratulations(text, humanWinner);
}

bool TPlayView::runSetupDialog(GameSetup& setup, bool isNew, bool allowNetworkChoice)
{
    return shell_.runSetupDialog(setup, isNew, allowNetworkChoice);
}

} // namespace lettrava
