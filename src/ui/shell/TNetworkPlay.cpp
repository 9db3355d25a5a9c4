#include "ui/shell/TNetworkPlay.h"

#include "core/game/Game.h"
#include "core/platform/Dialogs.h"
#include "session/GameSession.h"
#include "ui/dialogs/TRRForm.h"
#include "ui/net/TChatPanel.h"
#include "ui/net/TMemberList.h"
#include "ui/platform/ScreenPlace.h"
#include "ui/platform/Settings.h"
#include "ui/platform/SettingsStore.h"
#include "ui/play/TPlayPanels.h"
#include "ui/play/TPlayView.h"
#include "ui/shell/TMainForm.h"
#include "ui/shell/TSpeedBar.h"
#include "ui/widgets/TAdvancedPanel.h"
#include "ui/widgets/TFlashingLabel.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QSplitter>
#include <QToolButton>

namespace lettrava {

namespace {
constexpr const char* kWaitingForTheHost = QT_TRANSLATE_NOOP("lettrava::TNetworkPlay", "You are in the game.  The host will start the round.");
// The chat's fewest lines when a network game starts.
constexpr int kChatLines = 6;
} // namespace

TNetworkPlay::TNetworkPlay(TMainForm& window) : w_(window)
{
    memberList_ = SettingsStore::read(settings::MemberList);
    buildChat();
}

TNetworkPlay::~TNetworkPlay()
{
    SettingsStore::write(settings::MemberList, memberList_);
    // The connections end before the windows they report to.
    tcpForm_.reset();
}

void TNetworkPlay::buildChat()
{
    // The window keeps the panel while the splitter does not show it.
    pnlChat_ = new TChatPanel(TChatPanel::Place::MainWindow, &w_);
    pnlChat_->hide();
    pnlChat_->setMemberListShown(memberList_);
    connect(pnlChat_, &TChatPanel::textEntered, this, [this](const QString& text) {
        if (tcpForm_)
            tcpForm_->sendChatInput(text);
    });
    connect(pnlChat_, &TChatPanel::memberListToggled, this, [this](bool shown) { memberList_ = shown; });
    connect(w_.splChat_, &QSplitter::splitterMoved, this, &TNetworkPlay::chatDragged);
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

    mnuHost_ = new QMenu(tr("H&ost"), &w_);
    mnuHost_->setObjectName(QStringLiteral("mnuHost"));
    actHostLock_ = mnuHost_->addAction(tr("Lock"), this, &TNetworkPlay::mnuHostLockClick);
    actHostLock_->setObjectName(QStringLiteral("mnuHostLock"));
    actHostLock_->setToolTip(tr("Allow no more new connections"));
    actHostShutdown_ = mnuHost_->addAction(tr("Shutdown"), this, &TNetworkPlay::mnuHostShutdownClick);
    actHostShutdown_->setObjectName(QStringLiteral("mnuHostShutdown"));
    actHostShutdown_->setToolTip(tr("End game, disconnect clients and close network connection."));
    mnuHost_->setToolTipsVisible(true);
    mnuHost_->menuAction()->setVisible(false);
}

bool TNetworkPlay::chatShown() const
{
    return w_.chatPanel_ == pnlChat_ && pnlChat_ && !pnlChat_->isHidden();
}

void TNetworkPlay::showChat(bool shown)
{
    if (shown) {
        w_.setChatPanel(pnlChat_);
        pnlChat_->show();
        pnlChat_->setMemberListShown(memberList_);
        giveChatItsHeight();
    } else {
        pnlChat_->hide();
        w_.setChatPanel(nullptr);
        pnlChat_->setParent(&w_);
        pnlChat_->hide();
    }
    // With the chat up, Enter belongs to the chat's input line.
    if (shown)
        w_.actions_.roundStart->setShortcuts({});
    else
        w_.actions_.roundStart->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    w_.layoutCentre();
}

void TNetworkPlay::giveChatItsHeight()
{
    // Six lines at least, or the height the user dragged the chat to; the
    // window grows for them while its screen has room, else the board gives
    // way down to its smallest tiles.
    QSplitter& splitter = *w_.splChat_;
    const int chat = std::max(SettingsStore::read(settings::ChatHeight), pnlChat_->heightForLines(kChatLines));
    const int needed = w_.pnlCenter_->minimumHeight() + splitter.handleWidth() + chat;
    if (splitter.height() < needed) {
        const QScreen* screen = w_.screen();
        const int frame = w_.frameGeometry().height() - w_.height();
        const int most = screen ? screen->availableGeometry().height() - frame : w_.height();
        const int height = std::min(w_.height() + needed - splitter.height(), std::max(most, w_.height()));
        if (height > w_.height()) {
            w_.resize(w_.width(), height);
            placeWindow(w_, w_.pos());
        }
    }
    const int room = splitter.height() - splitter.handleWidth();
    splitter.setSizes({std::max(room - chat, w_.pnlCenter_->minimumHeight()), chat});
}

void TNetworkPlay::chatDragged()
{
    if (chatShown())
        SettingsStore::write(settings::ChatHeight, pnlChat_->height());
}

void TNetworkPlay::memberMenuAt(TChatPanel* panel, const QPoint& globalPos)
{
    if (!tcpForm_ || !panel)
        return;
    tcpForm_->preparePopup(panel->memberList());
    tcpForm_->popupMenu()->popup(globalPos);
}

void TNetworkPlay::attachResultsChat(TRRForm& form)
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

void TNetworkPlay::roundStarted()
{
    if (tcpForm_)
        tcpForm_->disableAddPlayerButton();
}

void TNetworkPlay::roundEnded()
{
    if (!tcpForm_)
        return;
    // No designing while a network game is up; the add-player rule applies again.
    w_.actions_.gridFactory->setEnabled(false);
    tcpForm_->enableAddPlayerButton();
}

void TNetworkPlay::refreshOwnRecord()
{
    if (tcpForm_ && tcpForm_->host())
        tcpForm_->host()->refreshOwnRecord();
}

void TNetworkPlay::shutdown()
{
    if (tcpForm_)
        tcpForm_->shutdown();
}

// ------------------------------------------------------------------ hosting

bool TNetworkPlay::hostNewGame()
{
    Game* game = w_.game();
    if (!game)
        return false;
    if (!tcpForm_) {
        auto form = std::make_unique<TTCPForm>(TTCPForm::Role::Host, *this, *w_.session_, &w_);
        form->setChatTarget(pnlChat_);
        pnlChat_->clearLines();
        std::string error;
        const int port = game->hostPort;
        if (!form->startHosting(error)) {
            dialogs().showMessage(
                toBytes(tr("Could not listen for network players on port %1: %2").arg(port).arg(toQt(error))),
                toBytes(tr("Error")), MessageButtons::Ok, MessageIcon::Error);
            return false;
        }
        tcpForm_ = std::move(form);
    } else if (tcpForm_->host()) {
        // A new game while hosting: the members are seated in it again.
        w_.session_->seatMembers();
        w_.view_->showPlayerLabels();
        for (int slot = 0; slot < game->playerCount; ++slot)
            remotePlayerSeated(slot);
    }
    mnuHost_->menuAction()->setVisible(true);
    showChat(true);
    pnlChat_->addPlayerButton()->show();
    tcpForm_->updateAddPlayerButton();
    w_.actions_.gridFactory->setEnabled(false);
    return true;
}

void TNetworkPlay::mnuHostLockClick()
{
    dialogs().showMessage(toBytes(tr("This feature is not yet enabled.")), toBytes(tr("Sorry")), MessageButtons::Ok,
                          MessageIcon::Information);
}

void TNetworkPlay::mnuHostShutdownClick()
{
    if (!hostingWindow())
        return;
    if (dialogs().showMessage(toBytes(tr("This will end the game and disconnect any remote players, are you sure?")),
                              toBytes(tr("Warning")),
                              MessageButtons::YesNo, MessageIcon::Warning)
        != MessageAnswer::Yes)
        return;
    tearDown();
}

// ------------------------------------------------------------------ joining

void TNetworkPlay::joinGame()
{
    if (tcpForm_ || w_.mode() == TMainForm::Mode::Factory)
        return;
    auto form = std::make_unique<TTCPForm>(TTCPForm::Role::Client, *this, *w_.session_, &w_);
    form->setChatTarget(pnlChat_);
    pnlChat_->clearLines();
    // The connection window reports to the main window while it runs.
    tcpForm_ = std::move(form);
    if (!tcpForm_->runJoin()) {
        tcpForm_.reset();
        return;
    }
    w_.setWelcomeVisible(false);
    showChat(true);
    pnlChat_->addPlayerButton()->hide();
    for (QAction* a : {w_.actions_.gameNew, w_.actions_.gameLoad, w_.actions_.gridFactory})
        a->setEnabled(false);
    w_.layoutCentre();
}

Game* TNetworkPlay::createClientGame()
{
    Game* game = w_.session_->createClientGame();
    w_.setMode(TMainForm::Mode::Play);
    w_.play_->lblTimeLeft->setFlashing(false);
    w_.play_->lblTimeLeft->clear();
    w_.view_->showAllCells(false);
    for (QAction* a : {w_.actions_.gameNew, w_.actions_.gameLoad, w_.actions_.gameSave, w_.actions_.gameSaveAs, w_.actions_.viewPlayerStats,
                       w_.actions_.gridFactory, w_.actions_.showResults})
        a->setEnabled(false);
    w_.actions_.gameOptions->setEnabled(false);
    return game;
}

void TNetworkPlay::startClientRound()
{
    if (Game* game = w_.game())
        game->startRoundCommand();
}

void TNetworkPlay::applyClientSettings()
{
    Game* game = w_.game();
    if (!game)
        return;
    w_.view_->fillStatusPanels();
    w_.play_->pnlBonus->setVisible(game->bonusWordEnabled);
    w_.view_->showClientPlayers(*game);
    // Seated and waiting: the round comes when the host starts it.
    if (!game->roundRunning)
        w_.view_->setStatusText(toBytes(tr(kWaitingForTheHost)));
    w_.actions_.gameOptions->setEnabled(true);
    w_.layoutCentre();
}

void TNetworkPlay::showClientRoundLabel(const std::string& text) { w_.view_->setRoundLabel(text); }

void TNetworkPlay::showWaiting(bool roundCounts)
{
    w_.view_->setStatusText(toBytes(roundCounts ? tr("Waiting for round results.  Please stand by...")
                                                : tr("Waiting for restart.  Please stand by...")));
}

void TNetworkPlay::closeClientResults()
{
    Game* game = w_.game();
    if (game && game->round())
        game->round()->hideResultsWindow();
}

void TNetworkPlay::hostStartedNewGame()
{
    w_.session_->dropGame();
    for (QLabel* l : w_.play_->lblBonusLetter)
        l->hide();
    w_.play_->pnlInfo->hide();
    w_.play_->pnlBonus->hide();
    w_.play_->pnlWordEntry->hide();
    w_.pnlSpeedBar_->hide();
    w_.actions_.gameOptions->setEnabled(false);
    w_.layoutCentre();
}

void TNetworkPlay::connectionLost()
{
    if (!tcpForm_ || !tcpForm_->client() || tcpForm_->client()->hostStopped())
        return;
    if (tcpForm_->runReconnect())
        return;
    tearDown();
}

void TNetworkPlay::hostShutDown() { tearDown(); }

void TNetworkPlay::remotePlayerSeated(int slot)
{
    if (const Game* game = w_.game())
        w_.view_->showSeatedPlayer(*game, slot);
    w_.layoutCentre();
}

// ------------------------------------------------------------------ the end of a network game

void TNetworkPlay::tearDown()
{
    if (tcpForm_) {
        // The game goes with the connections.
        tcpForm_->shutdown();
        // The window may be in the middle of reporting to us: it goes once
        // the event that brought us here is over.
        TTCPForm* form = tcpForm_.release();
        form->hide();
        form->deleteLater();
    }
    w_.session_->dropGame();
    showChat(false);
    pnlChat_->clearLines();
    pnlChat_->setMemberModel(nullptr);
    mnuHost_->menuAction()->setVisible(false);
    for (QAction* a : {w_.actions_.gameNew, w_.actions_.gameLoad, w_.actions_.gridFactory})
        a->setEnabled(true);
    w_.actions_.gameSave->setEnabled(false);
    w_.actions_.gameSaveAs->setEnabled(false);
    w_.actions_.showResults->setEnabled(false);
    w_.setMode(TMainForm::Mode::Welcome);
    w_.pnlSpeedBar_->hide();
}

} // namespace lettrava
