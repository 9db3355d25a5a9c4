#pragma once

#include "net/GameClient.h"
#include "net/GameHost.h"

#include <QDialog>
#include <QPointer>

#include "ui/net/TChatPanel.h"
#include "ui/net/TMemberList.h"

#include <functional>
#include <memory>
#include <optional>

class QLabel;
class QLineEdit;
class QComboBox;
class QMenu;
class QAction;
class QUrl;

namespace lettrava {

class Game;
class GameSession;
class TChatPanel;
class TMemberListBox;
class TMemberListModel;
class TPictureButton;
class TFlatButton;

// What the connection window asks of the main window. Every call comes on the
// user-interface thread; connectionLost and hostShutDown run after the event
// that caused them.
class NetworkShell {
public:
    virtual ~NetworkShell() = default;
    // A client game replaces any other as the window's game (the session
    // makes it and hands it to the client).
    virtual Game* createClientGame() = 0;
    virtual void startClientRound() = 0;
    virtual void applyClientSettings() = 0;
    virtual void showClientRoundLabel(const std::string& text) = 0;
    virtual void showWaiting(bool roundCounts) = 0;
    // The host moved on while the results were up: they close, no readiness.
    virtual void closeClientResults() = 0;
    virtual void hostStartedNewGame() = 0;
    virtual void connectionLost() = 0;
    virtual void hostShutDown() = 0;
    // A remote player took the slot (host): its labels are to be shown.
    virtual void remotePlayerSeated(int slot) = 0;
};

// The network connection window (`TTCPForm`). As a host it stays invisible
// and wraps the GameHost; as a client it is the "Lettrava Internet" window
// that asks for the name, host and port, connects with retries and, when the
// connection breaks, offers to reconnect; behind it the GameClient polls.
//
// In both roles it owns the member list (one model shown by the main
// window's list box and, while results are up, the results window's), writes
// the chat into whichever chat panel is current, and carries the member
// list's pop-up menu. Every rule of the chat and the game lives in the host,
// client and chat classes; this window only shows and collects.
class TTCPForm final : public QDialog, private HostNotices, private ClientNotices {
    Q_OBJECT
public:
    enum class Role { Host, Client };
    static constexpr const char* kClientCaption = "Lettrava Internet";

    // The session owns the host or the client (joining here makes it).
    TTCPForm(Role role, NetworkShell& shell, GameSession& session, QWidget* parent = nullptr);
    ~TTCPForm() override;

    Role role() const { return role_; }
    GameHost* host() const;
    GameClient* client() const;
    TMemberListModel* memberModel() const { return members_; }
    std::vector<TGameClient> members() const;

    // ---- the host role
    // Listens for the session's current game on its port; false with the
    // system's text when it cannot.
    bool startHosting(std::string& errorText);
    // The add-player button: the main panel's selected member joins the game.
    void addSelectedMember();
    // The add-player button's state by the host's rule (a round start
    // disables it; the next click in the member list recomputes it).
    void updateAddPlayerButton();
    void disableAddPlayerButton();
    // A round ended: the rule applies again.
    void enableAddPlayerButton();

    // ---- the client role
    // Shows the window modally until it connects (true) or is cancelled.
    bool runJoin();
    // After a lost connection: "Oops!" and "Reconnect", shown modally; true
    // when connected again.
    bool runReconnect();
    bool connected() const;
    // The results window was closed by its user: readiness, once per window.
    void resultsReleased();

    // ---- both roles
    // The chat panel that receives lines and shows the member list. The
    // first one set is the main window's, to which moveChatHome returns.
    void setChatTarget(TChatPanel* panel);
    void moveChatHome();
    TChatPanel* chatTarget() const { return target_; }
    void sendChatInput(const QString& text);
    void showLocalLine(const std::string& line);
    // The "D" button: a client's connection closes as if it had broken.
    void simulateDisconnection();
    // Ends the connections (the main window closes, or the host shuts down).
    void shutdown();

    // The member list's pop-up, for the list it opens on.
    QMenu* popupMenu() const { return mnuMemberListPopup_; }
    void preparePopup(TMemberListBox* list);
    void profileClick();
    void whisperClick();
    void emailClick();

    // Platform hooks: the whisper's input box and the desktop's "open".
    std::function<std::optional<QString>(const QString& title, const QString& prompt)> inputBox;
    std::function<void(const QUrl&)> openAddress;

    // ---- the client window's controls (also for tests)
    QComboBox* playerNameBox() const { return cmbPlayerName_; }
    QLineEdit* hostField() const { return edtHostIP_; }
    QLineEdit* portField() const { return edtClientPort_; }
    QLineEdit* emailField() const { return edtEmail_; }
    QLineEdit* messageField() const { return edtMessage_; }
    QLabel* statusLabel() const { return lblClientStatus_; }
    QLabel* attemptsLabel() const { return lblRetryAttempts_; }
    QLabel* instructionsLabel() const { return lblInstructions_; }
    TFlatButton* connectLabel() const { return lblConnect_; }
    TPictureButton* connectButton() const { return imgConnect_; }
    TPictureButton* cancelButton() const { return imgCancel_; }
    void connectClick();
    void cancelClick();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // HostNotices and ClientNotices.
    void showChatLine(const std::string& line) override;
    void membersChanged() override;
    void clearMemberSelection() override;
    void slotTaken(int slot) override;
    void showStatus(const std::string& text) override;
    void showAttempts(int attempts) override;
    void connectFinished(bool connected) override;
    void createClientGame() override;
    void startRound() override;
    void applySettings() override;
    void setRoundLabel(const std::string& text) override;
    void waiting(bool roundCounts) override;
    void closeResults() override;
    void connectionLost() override;
    void hostStartedNewGame() override;
    void hostShutDown() override;

    void buildClientWindow();
    void readClientSettings();
    void writeClientSettings() const;
    void setFieldsEnabled(bool enabled);
    TMemberListBox* popupList() const;
    const TGameClient* popupMember() const;

    Role role_;
    NetworkShell& shell_;
    GameSession& session_;
    bool shutDown_ = false;
    TMemberListModel* members_ = nullptr;
    QPointer<TChatPanel> home_;
    QPointer<TChatPanel> target_;
    bool addPlayerAllowed_ = false;

    QMenu* mnuMemberListPopup_ = nullptr;
    QAction* actProfile_ = nullptr;
    QAction* actWhisper_ = nullptr;
    QAction* actEmail_ = nullptr;
    QPointer<TMemberListBox> popupList_;

    QLabel* lblInstructions_ = nullptr;
    QComboBox* cmbPlayerName_ = nullptr;
    QLineEdit* edtHostIP_ = nullptr;
    QLineEdit* edtClientPort_ = nullptr;
    QLineEdit* edtEmail_ = nullptr;
    QLineEdit* edtMessage_ = nullptr;
    QLabel* lblClientStatus_ = nullptr;
    QLabel* lblRetryAttempts_ = nullptr;
    TPictureButton* imgConnect_ = nullptr;
    TFlatButton* lblConnect_ = nullptr;
    TPictureButton* imgCancel_ = nullptr;
    TFlatButton* lblCancel_ = nullptr;
};

} // namespace lettrava
