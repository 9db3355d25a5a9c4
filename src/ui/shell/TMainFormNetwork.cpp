// The main window's side of network play: hosting a new game, joining, the
// "H&ost" menu, the chat panel under the board, the notices of the
// connection window and the tear-down of a network game.

#include "ui/shell/TMainForm.h"

#include "core/game/Game.h"
#include "core/platform/Dialogs.h"
#include "ui/dialogs/TRRForm.h"
#include "ui/net/TChatPanel.h"
#include "ui/net/TMemberList.h"
#include "ui/platform/GameText.h"
#include "ui/platform/Settings.h"
#include "ui/platform/SettingsStore.h"
#include "ui/play/TPlayPanels.h"
#include "ui/widgets/TAdvancedPanel.h"
#include "ui/widgets/TFlashingLabel.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSplitter>
#include <QTimer>
#include <QToolButton>

namespace lettrava {

void TMainForm::buildChat()
{
    // The window keeps the panel while the splitter does not show it.
    pnlChat_ = new TChatPanel(TChatPanel::Place::MainWindow, this);
    pnlChat_->hide();
    pnlChat_->setMemberListShown(memberList_);
    connect(pnlChat_, &TChatPanel::textEntered, this, [this](const QString& text) {
        if (tcpForm_)
            tcpForm_->sendChatInput(text);
    });
    connect(pnlChat_, &TChatPanel::memberListToggled, this, [this](bool shown) { memberList_ = shown; });
    connect(pnlChat_, &TChatPanel::addPlayerClicked, this, [this] {
        if (tcpForm_)
            tcpForm_->addSelectedMember();
    });
    connect(pnlChat_, &TChatPanel::debugClicked, this, [this] {
        if (tcpForm_)
            tcpForm_->simulateDisconnection();
    });
    connect(pnlChat_, &TChatPanel::memberMenuRequested, this,
            [this](const QPoint& at) { memberMenuAt(pnlChat_, at); });

    mnuHost_ = menuBar()->addMenu(QStringLiteral("H&ost"));
    mnuHost_->setObjectName(QStringLiteral("mnuHost"));
    actHostLock_ = mnuHost_->addAction(QStringLiteral("Lock"), this, &TMainForm::mnuHostLockClick);
    actHostLock_->setObjectName(QStringLiteral("mnuHostLock"));
    actHostLock_->setToolTip(QStringLiteral("Allow no more new connections"));
    actHostShutdown_ = mnuHost_->addAction(QStringLiteral("Shutdown"), this, &TMainForm::mnuHostShutdownClick);
    actHostShutdown_->setObjectName(QStringLiteral("mnuHostShutdown"));
    actHostShutdown_->setToolTip(QStringLiteral("End game, disconnect clients and close network connection."));
    mnuHost_->setToolTipsVisible(true);
    mnuHost_->menuAction()->setVisible(false);
}

bool TMainForm::chatShown() const { return chatPanel_ == pnlChat_ && pnlChat_ && !pnlChat_->isHidden(); }

void TMainForm::showChat(bool shown)
{
    if (shown) {
        setChatPanel(pnlChat_);
        pnlChat_->show();
        pnlChat_->setMemberListShown(memberList_);
        // The chat takes what the splitter gives beyond the board.
        const int total = splChat_->height();
        splChat_->setSizes({std::max(total - 150, total / 2), std::min(150, total / 2)});
    } else {
        pnlChat_->hide();
        setChatPanel(nullptr);
        pnlChat_->setParent(this);
        pnlChat_->hide();
    }
    // With the chat up, Enter belongs to the chat's input line.
    if (shown)
        actRoundStart_->setShortcuts({});
    else
        actRoundStart_->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    layoutCentre();
}

void TMainForm::memberMenuAt(TChatPanel* panel, const QPoint& globalPos)
{
    if (!tcpForm_ || !panel)
        return;
    tcpForm_->preparePopup(panel->memberList());
    tcpForm_->popupMenu()->popup(globalPos);
}

void TMainForm::attachResultsChat(TRRForm& form)
{
    TChatPanel* chat = form.chatPanel();
    if (!tcpForm_ || !chat)
        return;
    connect(chat, &TChatPanel::textEntered, this, [this](const QString& text) {
        if (tcpForm_)
            tcpForm_->sendChatInput(text);
    });
    connect(chat, &TChatPanel::memberMenuRequested, this, [this, chat](const QPoint& at) { memberMenuAt(chat, at); });
    form.onChatShown = [this](TChatPanel* panel) {
        if (tcpForm_)
            tcpForm_->setChatTarget(panel);
    };
    form.onChatHidden = [this] {
        if (tcpForm_)
            tcpForm_->moveChatHome();
    };
    if (tcpForm_->role() == TTCPForm::Role::Client)
        form.onReleased = [this] {
            if (tcpForm_)
                tcpForm_->resultsReleased();
        };
}

// ------------------------------------------------------------------ hosting

// The new game of the setup dialog is a hosting one: the connection window
// starts listening, or (hosting already) takes the new game and seats its
// members again. False when listening could not start; the game is then a
// local one.
bool TMainForm::hostNewGame()
{
    if (tcpForm_) {
        if (GameHost* host = tcpForm_->host()) {
            host->setGame(game_.get());
            host->readmitMembers();
            showPlayerLabels();
            for (int slot = 0; slot < game_->playerCount; ++slot)
                remotePlayerSeated(slot);
        }
        return true;
    }
    auto form = std::make_unique<TTCPForm>(TTCPForm::Role::Host, *this, this);
    form->setChatTarget(pnlChat_);
    pnlChat_->clearLines();
    std::string error;
    const auto port = static_cast<std::uint16_t>(game_->hostPort);
    if (!form->startHosting(port, game_->playerAt(0)->name, game_.get(), error)) {
        dialogs().showMessage("Could not listen for network players on port " + std::to_string(port) + ": " + error,
                              "Error", MessageButtons::Ok, MessageIcon::Error);
        game_->networkMode = NetworkMode::Local;
        return false;
    }
    tcpForm_ = std::move(form);
    return true;
}

void TMainForm::mnuHostLockClick()
{
    dialogs().showMessage("This feature is not yet enabled.", "Sorry", MessageButtons::Ok, MessageIcon::Information);
}

void TMainForm::mnuHostShutdownClick()
{
    if (!tcpForm_ || !tcpForm_->host())
        return;
    if (dialogs().showMessage("This will end the game and disconnect any remote players, are you sure?", "Warning",
                              MessageButtons::YesNo, MessageIcon::Warning)
        != MessageAnswer::Yes)
        return;
    tearDownNetwork();
}

// ------------------------------------------------------------------ joining

void TMainForm::joinGameClick()
{
    if (joinGameHandler) {
        joinGameHandler();
        return;
    }
    if (tcpForm_ || mode_ == Mode::Factory)
        return;
    auto form = std::make_unique<TTCPForm>(TTCPForm::Role::Client, *this, this);
    form->setChatTarget(pnlChat_);
    pnlChat_->clearLines();
    // The connection window reports to the main window while it runs.
    tcpForm_ = std::move(form);
    if (!tcpForm_->runJoin()) {
        tcpForm_.reset();
        return;
    }
    setWelcomeVisible(false);
    showChat(true);
    pnlChat_->addPlayerButton()->hide();
    for (QAction* a : {actGameNew_, actGameLoad_, actGridFactory_})
        a->setEnabled(false);
    layoutCentre();
}

// The network game's current game goes: the connection forgets it first, an
// open results window closes, and the board is cleared.
void TMainForm::dropNetworkGame()
{
    if (tcpForm_) {
        if (GameClient* client = tcpForm_->client())
            client->setGame(nullptr);
        if (GameHost* host = tcpForm_->host())
            host->setGame(nullptr);
    }
    if (game_) {
        if (game_->round())
            game_->round()->hideResultsWindow();
        game_->wordEntry().reset();
    }
    game_.reset();
    removeBoard();
}

Game* TMainForm::createClientGame()
{
    dropNetworkGame();
    game_ = Game::createClient(*this);
    setMode(Mode::Play);
    play_->lblTimeLeft->setFlashing(false);
    play_->lblTimeLeft->clear();
    showAllCells(false);
    for (QAction* a : {actGameNew_, actGameLoad_, actGameSave_, actGameSaveAs_, actViewPlayerStats_, actGridFactory_,
                       actShowResults_})
        a->setEnabled(false);
    actGameOptions_->setEnabled(false);
    return game_.get();
}

void TMainForm::startClientRound()
{
    if (game_)
        game_->startRoundCommand();
}

void TMainForm::applyClientSettings()
{
    if (!game_)
        return;
    fillStatusPanels();
    play_->pnlBonus->setVisible(game_->bonusWordEnabled);
    for (int slot = 0; slot < 4; ++slot) {
        const auto s = static_cast<std::size_t>(slot);
        const bool inGame = slot < game_->playerCount;
        play_->lblPlayerName[s]->setVisible(inGame);
        play_->lblPlayerScore[s]->setVisible(inGame);
        if (inGame) {
            play_->lblPlayerName[s]->setText(toQt(game_->remoteNames[s]));
            play_->lblPlayerScore[s]->clear();
        }
    }
    actGameOptions_->setEnabled(true);
    layoutCentre();
}

void TMainForm::showClientRoundLabel(const std::string& text) { setRoundLabel(text); }

void TMainForm::showWaiting(bool roundCounts)
{
    setStatusText(std::string("Waiting for ") + (roundCounts ? "round results" : "restart") + ".  Please stand by...");
}

void TMainForm::closeClientResults()
{
    if (game_ && game_->round())
        game_->round()->hideResultsWindow();
}

void TMainForm::hostStartedNewGame()
{
    dropNetworkGame();
    for (QLabel* l : play_->lblBonusLetter)
        l->hide();
    play_->pnlInfo->hide();
    play_->pnlBonus->hide();
    play_->pnlWordEntry->hide();
    pnlSpeedBar_->hide();
    actGameOptions_->setEnabled(false);
    layoutCentre();
}

void TMainForm::connectionLost()
{
    if (!tcpForm_ || !tcpForm_->client() || tcpForm_->client()->hostStopped())
        return;
    if (tcpForm_->runReconnect())
        return;
    tearDownNetwork();
}

void TMainForm::hostShutDown() { tearDownNetwork(); }

void TMainForm::remotePlayerSeated(int slot)
{
    if (!game_ || slot < 0 || slot >= 4)
        return;
    const Player* p = game_->playerAt(slot);
    if (!p)
        return;
    const auto s = static_cast<std::size_t>(slot);
    play_->lblPlayerName[s]->setText(toQt(p->name));
    play_->lblPlayerScore[s]->setText(QStringLiteral("0"));
    play_->lblPlayerName[s]->show();
    play_->lblPlayerScore[s]->show();
    layoutCentre();
}

// ------------------------------------------------------------------ the end of a network game

// After the host's "Shutdown", the host's shutdown seen by a client, or a lost
// connection that was not made again: the game goes, the connections close
// and the window is back at its welcome panel.
void TMainForm::tearDownNetwork()
{
    dropNetworkGame();
    if (tcpForm_) {
        tcpForm_->shutdown();
        // The window may be in the middle of reporting to us: it goes once
        // the event that brought us here is over.
        TTCPForm* form = tcpForm_.release();
        form->hide();
        form->deleteLater();
    }
    showChat(false);
    pnlChat_->clearLines();
    pnlChat_->setMemberModel(nullptr);
    mnuHost_->menuAction()->setVisible(false);
    for (QAction* a : {actGameNew_, actGameLoad_, actGridFactory_})
        a->setEnabled(true);
    actGameSave_->setEnabled(false);
    actGameSaveAs_->setEnabled(false);
    actShowResults_->setEnabled(false);
    setMode(Mode::Welcome);
    pnlSpeedBar_->hide();
}

} // namespace lettrava
