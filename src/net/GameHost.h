#pragma once

#include "core/game/Game.h"
#include "core/platform/TaskSeam.h"
#include "net/FrameLink.h"
#include "net/TGameClient.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace lettrava {

class NetLoop;
class Timer;
struct Frame;

// What the host tells the window that wraps it. Every call comes on the
// user-interface thread.
class HostNotices {
public:
    virtual ~HostNotices() = default;
    // A line for the host's own chat.
    virtual void showChatLine(const std::string& line) = 0;
    // The member list changed: repaint it.
    virtual void membersChanged() {}
    // The member list loses its selection (a new game was announced).
    virtual void clearMemberSelection() {}
    // A remote player took the slot: its name and score labels are to be shown.
    virtual void slotTaken(int slot) { (void)slot; }
    virtual void memberLoggedIn(const std::string& name) { (void)name; }
    virtual void memberAdmitted(const std::string& name) { (void)name; }
    virtual void memberLoggedOff(const std::string& name) { (void)name; }
    // A remote player's word was judged (the verdict already went back).
    virtual void remoteWordJudged(const std::string& name, const std::string& word, VerdictCode verdict)
    {
        (void)name, (void)word, (void)verdict;
    }
};

// The host of a network game: it listens on a TCP port on every local
// address, keeps the list of connected members, admits members as remote
// players of its game, judges their words and keeps the clients' mirrors of
// the game up to date.
//
// Threads: the user-interface thread (everything public, the game hooks and
// the silence check) and one network I/O thread that accepts, reads and
// writes every connection asynchronously. The I/O thread keeps the member
// bookkeeping under hostLock and hands every game call to the user-interface
// thread through the task seam, never waiting for it: a call whose answer
// goes back to the member (a login, a word) holds that member's further
// frames back until the answer has been queued. Sending only appends to a
// connection's queue, so no thread ever waits on a socket, and a member that
// stops reading is closed as lost once its queue passes its limit.
class GameHost : public HostLink {
public:
    static constexpr std::uint16_t kDefaultPort = 9789;
    static constexpr std::uint32_t kSilenceCheckInterval = 15500;
    static constexpr std::uint32_t kSilenceLimit = 15000;
    // A silence check that runs this much later than its interval (the host
    // itself was stalled) drops nobody: what members sent meanwhile may not
    // have been read yet.
    static constexpr std::uint32_t kLateCheckSlack = 2000;
    // A connection that has not logged in by then is closed.
    static constexpr int kLoginTimeoutMs = 30000;
    // Connections beyond this number at a time are closed at once.
    static constexpr std::size_t kMaxConnections = 64;
    // Chat and whisper texts are cut to this many characters.
    static constexpr std::size_t kMaxChatText = 1000;
    // Game calls of one member waiting for the user-interface thread; past
    // them, its further frames wait until they are done.
    static constexpr int kMaxCallsInFlight = 16;
    // The system's send buffer of each member's connection.
    static constexpr int kKernelSendBuffer = 256 * 1024;
    // The answer to the host's own "/n".
    static constexpr const char* kHostKeepsItsName = "The host keeps its name.";
    // How long a shutdown lets the goodbye frames go out.
    static constexpr int kShutdownGraceMs = 1000;

    // Other limits than those (for tests); before startHosting.
    void setLimits(int loginTimeoutMs, std::size_t maxConnections, std::size_t queueLimit = 4 * 1024 * 1024)
    {
        loginTimeoutMs_ = loginTimeoutMs;
        maxConnections_ = maxConnections;
        queueLimit_ = queueLimit;
    }

    GameHost(TaskSeam& ui, HostNotices& notices);
    // Shuts down when still hosting.
    ~GameHost() override;
    GameHost(const GameHost&) = delete;
    GameHost& operator=(const GameHost&) = delete;

    // Listens on `port` (0: the system chooses) on every local address, makes
    // the host's own record entry 0 of the member list, broadcasts it and
    // starts the silence check. False, with the system's text, when listening
    // cannot start; nothing is left running then.
    bool startHosting(std::uint16_t port, const std::string& hostPlayerName, Game* game, std::string& errorText);
    // Hosts without listening: members come only through linkOpened, driven
    // by the caller (a fuzz target), whose thread is then the I/O thread.
    void startInProcess(const std::string& hostPlayerName, Game* game);
    bool hosting() const { return hosting_; }
    std::uint16_t port() const { return port_; }

    // The hosting game, or none (between games). The host installs itself as
    // the game's host link.
    void setGame(Game* game);
    Game* game() const { return game_; }

    // A copy of the member list, entry 0 being the host.
    std::vector<TGameClient> members() const;
    // The host's own name (entry 0's).
    std::string ownName() const;

    // Admission.
    void admitMember(const std::string& name);
    // The add-player button's rule: a game exists, `index` is a member of the
    // list whose login has run its course, the game has fewer than four
    // players and none of them has exactly that member's name.
    bool canAddMember(int index) const;
    // The add-player button: the member becomes the next remote player.
    bool addSelectedMember(int index);
    // After a new game was set up while hosting: members seated again.
    void readmitMembers();
    // Before the old game goes: everybody back to "connected".
    void announceNewGame();
    // Entry 0's e-mail and message read again from the settings.
    void refreshOwnRecord();

    // The host's own chat input (plain lines and "/w").
    void sendChatInput(const std::string& text);
    // The host's chat and system lines: built, sent to everyone, shown here.
    void chatLine(const std::string& sender, const std::string& text);
    void systemLine(const std::string& text);
    void hostWhisper(const std::string& from, const std::string& to, const std::string& message);

    // Members silent for longer than kSilenceLimit are disconnected (the
    // silence timer's handler; public for tests that own the clock).
    void checkSilence();

    // Tells everyone, lets that go out (kShutdownGraceMs at most), closes
    // every connection and stops listening and the I/O thread. The game is
    // left alone.
    void shutdown();

    // --- the game's hooks
    void sendPlayers() override;
    void sendSettings() override;
    void sendGrid(const Grid& grid) override;
    void sendScores() override;
    void sendBonusHint(const std::string& shown, int points) override;
    void sendRoundEnd(bool counts) override;
    void sendRoundResults(bool counts) override;
    void sendWinner(const std::string& text) override;
    void sendTimeLeft(int seconds) override;

    // For tests: connections open now (logged in or not).
    std::size_t connectionCount() const;

    // --- the transport's side, on the I/O thread (a fuzz target calls them
    // itself after startInProcess). A link opened is refused (nullptr, and
    // the caller closes it) beyond the connection limit or while shutting
    // down; every later event names the peer it returned.
    struct Peer;
    std::shared_ptr<Peer> linkOpened(const std::shared_ptr<FrameLink>& link);
    void bytesArrived(const std::shared_ptr<Peer>& peer);
    void frameArrived(const std::shared_ptr<Peer>& peer, const Frame& frame);
    void linkClosed(const std::shared_ptr<Peer>& peer);

private:
    struct Member {
        TGameClient record;
        std::shared_ptr<Peer> peer; // none for the host's own entry
        // The login's game part (returning player or new member) has run;
        // until then the member cannot be seated, or its login would take
        // the fresh seat for a return.
        bool loginDone = false;
    };

    void beginHosting(const std::string& hostPlayerName, Game* game);
    void startAccepting();
    void login(const std::shared_ptr<Peer>& peer, const std::string& payload);
    std::string returningOrNewMember(const std::shared_ptr<Peer>& peer, const std::string& name,
                                     const std::string& note);
    void relayWhisper(const std::string& sender, const std::string& text);
    void rename(const std::shared_ptr<Peer>& peer, const std::string& newName);
    // The member takes the next free seat, its labels and its admission.
    bool seatRemotePlayer(const std::string& name);
    // Runs fn on the user-interface thread for the member. With
    // `answerAwaited`, or with too many of its calls waiting, the member's
    // further frames wait until its calls are done. I/O thread only.
    void callForPeer(const std::shared_ptr<Peer>& peer, std::function<void()> fn, bool answerAwaited);

    // Sending: appends to the queues, under hostLock_ (which may be held).
    void broadcast(std::int32_t kind, const std::string& payload = {});
    void broadcastLocked(const SharedFrame& frame);
    void broadcastMemberList();
    void broadcastMemberListLocked();
    bool sendToMember(const std::string& name, std::int32_t kind, const std::string& payload = {});
    void showLine(const std::string& line); // in the host's own chat, from any thread

    // Under hostLock_: the first member whose name equals `name` ignoring case.
    Member* findMember(const std::string& name);
    Member* memberOf(const Peer* peer);

    TaskSeam& uiSeam_;
    HostNotices& notices_;
    std::unique_ptr<UiCaller> ui_; // posts from the I/O thread; closed at shutdown
    Game* game_ = nullptr;
    bool hosting_ = false;
    std::uint16_t port_ = 0;
    std::atomic<bool> shuttingDown_{false};
    int loginTimeoutMs_ = kLoginTimeoutMs;
    std::size_t maxConnections_ = kMaxConnections;
    std::size_t queueLimit_ = 4 * 1024 * 1024;
    std::string lastBonusText_;
    std::int32_t lastBonusPoints_ = 0;
    std::unique_ptr<Timer> silenceTimer_;
    std::uint32_t lastSilenceCheck_ = 0;

    // hostLock: the member list and the connection list, and every member
    // record in them. Held only for bookkeeping and appending to queues.
    mutable std::mutex hostLock_;
    std::vector<Member> members_;
    std::vector<std::shared_ptr<Peer>> peers_;

    struct Listener;
    std::unique_ptr<NetLoop> net_;
    std::unique_ptr<Listener> listener_;
};

} // namespace lettrava
