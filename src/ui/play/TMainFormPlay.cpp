// The main window in play: the board and the panels of play as the game
// asks for them (the GameView side of the main window).

#include "ui/shell/TMainForm.h"

#include "ui/dialogs/TRRForm.h"
#include "ui/shell/MainFormParts.h"

#include "core/game/Game.h"
#include "core/game/SavedGameFile.h"
#include "core/grid/Grid.h"
#include "core/grid/GridFile.h"
#include "core/grid/GridOptions.h"
#include "core/platform/Dialogs.h"
#include "core/platform/Paths.h"
#include "core/platform/Random.h"
#include "core/players/PlayerFileManager.h"
#include "session/DictionaryChoice.h"
#include "ui/board/BoardLayout.h"
#include "ui/widgets/DrawnIcons.h"
#include "ui/platform/FileChooser.h"
#include "ui/platform/LowColour.h"
#include "ui/platform/Settings.h"
#include "ui/platform/SharedPictures.h"
#include "ui/widgets/TAdvancedPanel.h"
#include "ui/widgets/TFlashingLabel.h"
#include "ui/dialogs/THelpForm.h"
#include "ui/board/TLetterLabel.h"
#include "ui/board/TLetterBoard.h"
#include "ui/play/TPlayPanels.h"
#include "ui/widgets/TPictureButton.h"
#include "ui/dialogs/TPlayerInfoDlg.h"
#include "ui/widgets/TUpDown.h"
#include "ui/platform/GameText.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace lettrava {

using namespace mainform;

// ------------------------------------------------------------------ panels

void TMainForm::setWelcomeVisible(bool visible)
{
    pnlWelcome_->setVisible(visible);
    if (visible)
        pnlWelcome_->raise();
    for (QAction* a : actWelcomeKeys_)
        a->setEnabled(visible);
    if (visible)
        welcomeButtons_[0]->setFocus();
}

void TMainForm::fillStatusPanels()
{
    const GridOptions& o = gridOptions();
    stbPanel1_->setText(QStringLiteral("Word Length:  MIN:%1 MAX:%2").arg(o.minWordLength).arg(o.maxWordLength));
    stbPanel2_->setText(QStringLiteral("Reuse: ") + (o.allowLetterReuse ? QStringLiteral("YES") : QStringLiteral("NO")));
}

void TMainForm::clearStatusPanels()
{
    stbPanel0_->clear();
    stbPanel1_->clear();
    stbPanel2_->clear();
}

void TMainForm::showPlayerLabels()
{
    for (int i = 0; i < 4; ++i) {
        const auto s = static_cast<std::size_t>(i);
        const Player* p = game_ ? game_->playerAt(i) : nullptr;
        play_->lblPlayerName[s]->setVisible(p != nullptr);
        play_->lblPlayerScore[s]->setVisible(p != nullptr);
        if (p) {
            play_->lblPlayerName[s]->setText(toQt(p->name));
            play_->lblPlayerScore[s]->setText(QStringLiteral("0"));
        }
    }
}

// ------------------------------------------------------------------ the board

void TMainForm::removeBoard() { board_->clear(); }

TLetterLabel* TMainForm::letterAt(int column, int row) const { return board_->letterAt(column, row); }

QLabel* TMainForm::tileAt(int column, int row) const { return board_->tileAt(column, row); }

void TMainForm::buildBoard(const Grid& grid)
{
    play_->lblTimeLeft->clear();
    building_ = true;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    const int columns = std::clamp(Grid::columns(), 3, 12);
    const int rows = std::clamp(Grid::rows(), 3, 12);
    board_->setPlacement(TLetterBoard::Placement::WholeTiles, tilePrototypePosition());
    board_->setTileSize(tileSize_);
    board_->setBoardFont(letterFont_);
    board_->setTextColour(letterColour_);
    board_->build(grid, columns, rows);
    building_ = false;
    play_->updDimCol->setValue(columns);
    play_->updDimRow->setValue(rows);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TMainForm::showAllCells(bool show)
{
    const Round* round = game_ ? game_->round() : nullptr;
    if (round)
        board_->showCells(round->grid(), show);
    else
        board_->showCells(Grid(false), false);
}

void TMainForm::showCellsForPause(const Grid& grid, bool show) { board_->showCells(grid, show); }

void TMainForm::letterPressed(int tag, Qt::MouseButton button)
{
    if (!game_ || !game_->hasMousePlayer)
        return;
    WordEntry& entry = game_->wordEntry();
    switch (button) {
    case Qt::LeftButton: entry.leftClick(tag / 100, tag % 100); break;
    case Qt::RightButton: entry.rightClick(); break;
    case Qt::MiddleButton: entry.middleClick(); break;
    default: break;
    }
}

void TMainForm::wordEntryEdited(const QString& text)
{
    // Upper-cased as the dictionaries are: "straße" shows and judges as STRAßE.
    const std::string word = typedWord(text);
    const QString upper = toQt(word);
    if (upper != text) {
        const int at = play_->edtWordEntry->cursorPosition();
        play_->edtWordEntry->setText(upper);
        play_->edtWordEntry->setCursorPosition(at);
    }
    if (game_)
        game_->wordEntry().typedTextChanged(word);
}

void TMainForm::submitTypedWord()
{
    if (!game_ || !game_->roundRunning || !play_->edtWordEntry->isEnabled())
        return;
    game_->wordEntry().submitTyped();
}

// ------------------------------------------------------------------ GameView

void TMainForm::setStatusText(const std::string& text) { stbPanel0_->setText(toQt(text)); }

TextLabel& TMainForm::scoreLabel(int slot) { return play_->scoreLabels[static_cast<std::size_t>(std::clamp(slot, 0, 3))]; }

TextLabel& TMainForm::nameLabel(int slot) { return play_->nameLabels[static_cast<std::size_t>(std::clamp(slot, 0, 3))]; }

void TMainForm::manualGridSize(int& columns, int& rows)
{
    columns = play_->updDimCol->value();
    rows = play_->updDimRow->value();
}

void TMainForm::roundStarting()
{
    actRoundStart_->setEnabled(false);
    showAllCells(false);
}

void TMainForm::enterRoundMode(const Game& game)
{
    const bool client = game.networkMode == NetworkMode::Client;
    fillStatusPanels();
    play_->imgSetRoundTime->hide();
    for (QAction* a : {actGameOptions_, actGameNew_, actGameLoad_, actGameSaveAs_, actViewPlayerStats_, actGameSave_,
                       actShowResults_, actRoundClear_, actGridFactory_})
        a->setEnabled(false);
    actRoundPause_->setEnabled(game.networkMode == NetworkMode::Local);
    actAbortCounts_->setEnabled(!client);
    actAbortNoCount_->setEnabled(!client);
    mnuAbort_->menuAction()->setEnabled(!client);
    play_->lblTimeLeft->show();
    play_->lblRound->show();
    if (!client)
        setRoundLabel("Round " + std::to_string(game.currentRound));
    play_->updDimCol->setEnabled(false);
    play_->updDimRow->setEnabled(false);
    for (QLabel* l : play_->lblBonusLetter)
        l->hide();
    play_->lblBonusValue->clear();
    play_->pnlBonus->setToolTip(QString());
    play_->pnlBonus->setVisible(game.bonusWordEnabled);
    actPrintGrid_->setEnabled(actPrintGrid_->isVisible());
    actSaveGrid_->setEnabled(true);
    for (QAction* a : actWelcomeKeys_)
        a->setEnabled(false);
    if (tcpForm_)
        tcpForm_->disableAddPlayerButton();
    layoutCentre();
}

void TMainForm::placeWordEntryPanel(bool show)
{
    wordEntryWanted_ = show;
    if (!show) {
        play_->pnlWordEntry->hide();
        return;
    }
    play_->pnlWordEntry->adjustSize();
    const QSize panel = play_->pnlWordEntry->size();
    const int bottom = board_->y() + board_->cellsBottom();
    const int top = BoardLayout::wordEntryTop(bottom, pnlCenter_->height(), panel.height());
    const int left = board_->x() + (board_->width() - panel.width()) / 2;
    play_->pnlWordEntry->move(std::max(0, left), std::max(bottom + 3, top));
    play_->pnlWordEntry->show();
    play_->pnlWordEntry->raise();
    play_->edtWordEntry->setEnabled(true);
    play_->edtWordEntry->setFocus();
}

void TMainForm::refreshLetterCells()
{
    if (!game_)
        return;
    const WordEntry& entry = game_->wordEntry();
    const QString tip = toQt(entry.mouseWord());
    for (int c = 0; c < board_->columns(); ++c)
        for (int r = 0; r < board_->rows(); ++r)
            if (TLetterLabel* l = letterAt(c, r)) {
                l->setLetterColour(cellColour(entry.colourAt(c, r)));
                l->setCursor(cellCursor(entry.cursorAt(c, r)));
                l->setToolTip(tip);
            }
    const QString typed = toQt(entry.typedText());
    if (play_->edtWordEntry->text() != typed) {
        play_->edtWordEntry->setText(typed);
        play_->edtWordEntry->end(false);
    }
    actRoundClear_->setEnabled(game_->roundRunning && entry.clearClicksEnabled());
}

void TMainForm::setClockText(const std::string& text) { play_->setClockText(text); }

void TMainForm::setClockFlashing(bool flashing) { play_->setClockFlashing(flashing); }

void TMainForm::setPaused(bool paused)
{
    play_->pnlPaused->setVisible(paused);
    if (paused)
        play_->pnlPaused->raise();
    if (game_ && game_->round())
        showCellsForPause(game_->round()->grid(), !paused);
    if (play_->pnlWordEntry->isVisible()) {
        play_->edtWordEntry->setEnabled(!paused);
        if (!paused)
            play_->edtWordEntry->setFocus();
    }
    actRoundPause_->setText(paused ? QStringLiteral("&Resume") : QStringLiteral("&Pause"));
    actRoundPause_->setToolTip(paused ? QStringLiteral("Resume") : QStringLiteral("Pause"));
}

void TMainForm::showBonusHint(const std::string& letters, const std::string& value)
{
    play_->showBonusHint(letters, value);
}

void TMainForm::leaveRoundMode(const Game& game, bool)
{
    const bool client = game.networkMode == NetworkMode::Client;
    play_->edtWordEntry->clear();
    play_->pnlWordEntry->hide();
    wordEntryWanted_ = false;
    if (play_->pnlPaused->isVisible()) {
        play_->pnlPaused->hide();
        actRoundPause_->setText(QStringLiteral("&Pause"));
        actRoundPause_->setToolTip(QStringLiteral("Pause"));
    }
    for (QAction* a : {actRoundPause_, actAbortCounts_, actAbortNoCount_, actRoundClear_})
        a->setEnabled(false);
    mnuAbort_->menuAction()->setEnabled(false);
    if (!client)
        for (QAction* a : {actViewPlayerStats_, actGameSave_, actGameNew_, actGameLoad_, actGameSaveAs_, actGridFactory_})
            a->setEnabled(true);
    actGameOptions_->setEnabled(true);
    if (tcpForm_) {
        // No designing while a network game is up; the add-player rule applies again.
        actGridFactory_->setEnabled(false);
        tcpForm_->enableAddPlayerButton();
    }
    // A dictionary chosen during the round is loaded now.
    if (dictionaryChoice_)
        dictionaryChoice_->roundEnded();
}

void TMainForm::prepareNextRound(const Game& game)
{
    play_->imgSetRoundTime->setVisible(!game.automaticDuration);
    play_->updDimCol->setEnabled(true);
    play_->updDimRow->setEnabled(true);
    actRoundStart_->setEnabled(true);
    play_->pnlBonus->setVisible(game.bonusWordEnabled);
    mnuRound_->menuAction()->setEnabled(true);
    layoutCentre();
}

void TMainForm::setRoundLabel(const std::string& text) { play_->lblRound->setText(toQt(text)); }

void TMainForm::setRoundTimeHint(const std::string& text) { play_->imgSetRoundTime->setToolTip(toQt(text)); }

void TMainForm::setShowResultsEnabled(bool enabled) { actShowResults_->setEnabled(enabled); }

void TMainForm::setMainWindowVisible(bool visible) { setVisible(visible); }

std::unique_ptr<ResultsWindow> TMainForm::createResultsWindow(Game& game, Round& round)
{
    auto window = resultsWindowFactory ? resultsWindowFactory(game, round) : nullptr;
    if (auto* form = dynamic_cast<TRRForm*>(window.get()))
        attachResultsChat(*form);
    return window;
}

void TMainForm::showCongratulations(const std::string& text, bool humanWinner)
{
    if (congratulationsHandler)
        congratulationsHandler(text, humanWinner);
}

bool TMainForm::runSetupDialog(GameSetup& setup, bool isNew, bool allowNetworkChoice)
{
    TPlayerInfoDlg::Purpose purpose = TPlayerInfoDlg::Purpose::NewGame;
    if (!isNew)
        purpose = game_ && game_->networkMode == NetworkMode::Client ? TPlayerInfoDlg::Purpose::ReadOnly
                                                                     : TPlayerInfoDlg::Purpose::GameOptions;
    TPlayerInfoDlg dialog(purpose, setup, allowNetworkChoice && networkChoiceAvailable && !tcpForm_, this);
    if (isNew && tcpForm_ && tcpForm_->host())
        dialog.keepHosting(tcpForm_->host()->port());
    if (dialog.exec() != QDialog::Accepted || purpose == TPlayerInfoDlg::Purpose::ReadOnly)
        return false;
    setup = dialog.setup();
    return true;
}

} // namespace lettrava
