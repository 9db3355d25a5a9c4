#pragma once

#include "ui/net/TTCPForm.h"

#include <QObject>

#include <memory>
#include <string>

class QAction;
class QMenu;
class QPoint;

namespace lettrava {

class Game;
class TChatPanel;
class TMainForm;
class TRRForm;

// The main window's side of network play: hosting a new game, joining, the
// "H&ost" menu, the chat panel under the board, the notices of the
// connection window and the tear-down of a network game. The connections
// themselves are the game session's; the connection window wraps them.
class TNetworkPlay : public QObject, public NetworkShell {
    Q_OBJECT
public:
    explicit TNetworkPlay(TMainForm& window);
    ~TNetworkPlay() override;

    // The connection window while hosting or joined, else none.
    TTCPForm* connectionWindow() const { return tcpForm_.get(); }
    bool active() const { return tcpForm_ != nullptr; }
    bool hostingWindow() const { return tcpForm_ && tcpForm_->host(); }
    bool joinedWindow() const { return tcpForm_ && tcpForm_->role() == TTCPForm::Role::Client; }
    TChatPanel* chatPanel() const { return pnlChat_; }
    bool chatShown() const;
    QMenu* hostMenu() const { return mnuHost_; }
    // Whether the main window's member list is shown (the setting "MemberList").
    bool memberListShown() const { return memberList_; }

    // The session's new game is a hosting one: listening starts, or (hosting
    // already) the host takes the new game and seats its members again.
    // False when listening could not start; the game is then a local one.
    bool hostNewGame();
    // "&Join an Internet Game".
    void joinGame();
    // A local game: no chat under the board.
    void hideChat() { showChat(false); }
    // "H&ost": "Lock" and "Shutdown".
    void mnuHostLockClick();
    void mnuHostShutdownClick();
    // A results window of a network game takes the chat while it is up.
    void attachResultsChat(TRRForm& form);
    // Each round's start and end: the add-player button follows.
    void roundStarted();
    void roundEnded();
    // "Game Options" changed the host's e-mail or message.
    void refreshOwnRecord();
    // The main window closes: the connections end.
    void shutdown();

    // ---- NetworkShell
    Game* createClientGame() override;
    void startClientRound() override;
    void applyClientSettings() override;
    void showClientRoundLabel(const std::string& text) override;
    void showWaiting(bool roundCounts) override;
    void closeClientResults() override;
    void hostStartedNewGame() override;
    void connectionLost() override;
    void hostShutDown() override;
    void remotePlayerSeated(int slot) override;

private:
    void buildChat();
    void showChat(bool shown);
    void memberMenuAt(TChatPanel* panel, const QPoint& globalPos);
    // The splitter's share for the chat as it comes up, and the share the
    // user drags it to, kept for the next time.
    void giveChatItsHeight();
    void chatDragged();
    // After the host's "Shutdown", the host's shutdown seen by a client, or a
    // lost connection that was not made again.
    void tearDown();

    TMainForm& w_;
    std::unique_ptr<TTCPForm> tcpForm_;
    TChatPanel* pnlChat_ = nullptr;
    QMenu* mnuHost_ = nullptr;
    QAction* actHostLock_ = nullptr;
    QAction* actHostShutdown_ = nullptr;
    bool memberList_ = true;
};

} // namespace lettrava
