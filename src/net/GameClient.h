#pragma once

#include "core/game/Game.h"
#include "core/platform/TaskSeam.h"
#include "net/Frame.h"
#include "net/TGameClient.h"

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace lettrava {

class ConnectAttempt;
class Connection;
class NetLoop;
class Timer;

// What the client tells the window that wraps it (and the main window behind
// it). Every call comes on the user-interface thread; connectionLost and
// hostShutDown are posted to run after the event that caused them.
class ClientNotices {
public:
    virtual ~ClientNotices() = default;
    // While connecting: the status label's text and the attempts so far.
    virtual void showStatus(const std::string& text) { (void)text; }
    virtual void showAttempts(int attempts) { (void)attempts; }
    // The connection attempts ended: connected (and logged in) or not.
    virtual void connectFinished(bool connected) { (void)connected; }
    // A line for the chat, local lines included.
    virtual void showChatLine(const std::string& line) = 0;
    virtual void membersChanged() {}
    // A client game is to be made and handed to setGame, replacing any other.
    virtual void createClientGame() = 0;
    // The main window's "Start Round" on the client game.
    virtual void startRound() = 0;
    // The settings were applied: word lengths, reuse, the bonus panel, the
    // slots' labels (game()->playerCount and remoteNames) are to be refreshed.
    virtual void applySettings() {}
    virtual void setRoundLabel(const std::string& text) { (void)text; }
    // The client's round ended; the status bar says what comes next.
    virtual void waiting(bool roundCounts) { (void)roundCounts; }
    // The host sent the results and they are shown (client game's way).
    virtual void resultsShown(int round) { (void)round; }
    // The results window is to close without announcing readiness.
    virtual void closeResults() {}
    virtual void verdictShown(VerdictCode verdict, const std::string& word) { (void)verdict, (void)word; }
    virtual void connectionLost() {}
    // The client game is to be destroyed (the host started a new game).
    virtual void hostStartedNewGame() {}
    virtual void hostShutDown() {}
    // Every host frame read: handled, or dropped (no client game, or reconnecting).
    virtual void frameRead(std::int32_t kind, bool dropped) { (void)kind, (void)dropped; }
};

// What a member asks for when joining.
struct JoinRequest {
    std::string name;
    std::string host;
    std::uint16_t port = 9789;
    std::string email;
    std::string message;
};

// The client of a network game: it connects with retries, logs in, polls the
// connection every 300 ms on the user-interface thread, keeps the client game
// in step with the host's frames, and offers to reconnect when the connection
// breaks. The socket work (attempts, reads, writes) runs on a network I/O
// thread of its own, which assembles whole frames into an inbox; the poll
// takes at most one frame per tick from it and never waits on the socket.
// Attempts report back through the task seam.
class GameClient : public ClientLink {
public:
    static constexpr std::uint32_t kPollInterval = 300;
    static constexpr int kConnectTimeoutMs = 5000;
    static constexpr int kMaxRetries = 40; // 41 attempts in all
    static constexpr std::uint32_t kRetryPause = 1500;
    static constexpr std::uint32_t kGiveUpPause = 2000;
    static constexpr std::uint32_t kKeepAliveAfter = 10000;
    // A running round with nothing heard from the host for this long means
    // the host is gone, even if the connection did not fail.
    static constexpr std::uint32_t kHostSilenceLimit = 60000;
    // Frames waiting in the inbox beyond this many bytes hold reading back
    // until the poll has worked them down to half.
    static constexpr std::size_t kInboxLimit = 4 * 1024 * 1024;
    // Lines longer than this are cut before they are shown.
    static constexpr std::size_t kMaxShownLine = 1100;

    GameClient(TaskSeam& ui, ClientNotices& notices);
    ~GameClient() override;
    GameClient(const GameClient&) = delete;
    GameClient& operator=(const GameClient&) = delete;

    // "Connect to Host": the checks (an "Error" box and false when the name
    // or host is empty), then the attempts, which end in connectFinished.
    bool connect(const JoinRequest& request);
    // "Cancel" between or during attempts: they end unconnected.
    void cancel();
    bool connecting() const { return connecting_; }
    // "Reconnect": connects again with the same request (under the name we
    // were renamed to, if we were); the client game and its running round
    // are kept.
    void reconnect();
    bool reconnecting() const { return reconnecting_; }
    bool isConnected() const;
    bool hostStopped() const { return hostStopped_; }
    const JoinRequest& request() const { return request_; }
    int attempts() const { return attempts_; }

    void setGame(Game* game);
    Game* game() const { return game_; }
    const std::vector<TGameClient>& members() const { return members_; }

    // The chat input line.
    void sendChatInput(const std::string& text);
    // The results window was closed by the user: readiness goes to the host,
    // once per results window.
    void resultsClosed();
    // The "D" button: the connection closes as if it had broken.
    void dropConnection();
    // Closes the connection in an orderly way (the main window closes).
    void shutdown();

    // The poll timer's handler (public for tests that own the clock).
    void poll();

    // ClientLink: the word entry's word goes to the host.
    void sendWord(const std::string& text) override;

    // For tests: the frames the I/O thread has put into the inbox since the
    // connection was made, and those of them not yet handled.
    std::uint64_t framesReceived() const;
    std::size_t framesWaiting() const;

private:
    struct Inbox;

    void startAttempt();
    void attemptFinished(const std::shared_ptr<Inbox>& inbox, const std::string& error);
    std::optional<Frame> takeFrame();
    void finishConnecting(bool connected);
    void onConnected();
    void onConnectionLost();
    void handleFrame(const Frame& frame);
    bool withGame(const Frame& frame);
    void applySettings(const GameInfo& record);
    // Follows the name the host knows us by, from its chat and login lines.
    void noteOwnName(std::int32_t kind, const std::string& line);
    void showResults();
    bool sendFrame(std::int32_t kind, const std::string& payload = {});
    void localLine(const std::string& line) { notices_.showChatLine(line); }
    // One-shot timers on the repeating timer seam.
    void after(std::uint32_t ms, std::function<void()> then);

    TaskSeam& uiSeam_;
    ClientNotices& notices_;
    std::unique_ptr<UiCaller> ui_;
    JoinRequest request_;
    Game* game_ = nullptr;
    // Sockets go before the loop that runs them: the loop is declared first.
    std::unique_ptr<NetLoop> net_;
    std::shared_ptr<ConnectAttempt> attempt_;
    // A connection made by an attempt, until the user-interface thread takes it.
    std::mutex arrivedMutex_;
    std::shared_ptr<Connection> arrived_;
    std::shared_ptr<Connection> connection_;
    std::shared_ptr<Inbox> inbox_;
    std::unique_ptr<Timer> pollTimer_;
    std::unique_ptr<Timer> pauseTimer_;
    std::function<void()> afterPause_;
    std::uint32_t lastSendTick_ = 0;
    int shownRound_ = -1;
    int attempts_ = 0;
    bool connecting_ = false;
    bool cancelled_ = false;
    bool reconnecting_ = false;
    bool hostStopped_ = false;
    bool shuttingDown_ = false;
    bool resultsOpen_ = false;
    bool handling_ = false; // a frame's handler has not returned yet
    std::string knownAs_;       // our name as the host knows it, as far as we can tell
    std::string pendingRename_; // asked for, not yet confirmed
    bool nameModified_ = false; // the host gave us another name at login
    std::vector<TGameClient> members_;
};

} // namespace lettrava
