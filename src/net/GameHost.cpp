#include "net/GameHost.h"

#include "core/grid/Grid.h"
#include "core/grid/GridOptions.h"
#include "core/platform/Clock.h"
#include "core/platform/Preferences.h"
#include "core/platform/TextLabel.h"
#include "core/words/Dictionary.h"
#include "net/ChatRules.h"
#include "net/Connection.h"
#include "net/Frame.h"
#include "net/NetLoop.h"
#include "net/Payloads.h"

#include <algorithm>
#include <chrono>

namespace lettrava {

namespace {

const char* const kModifiedNote = "  Your name was modified because it was already taken.  You may change it by sending "
                                  "\"/n [newname]\" in the chat window.";

// A name that is nothing but blanks or control characters.
const char* const kNamelessName = "Player";

std::string roundPayloadOf(const Grid& grid)
{
    GridPayload g;
    g.columns = gridOptions().gridColumns;
    g.rows = gridOptions().gridRows;
    g.image = grid.toImage();
    return encodeGrid(g);
}

} // namespace

// One accepted connection and its provisional member record.
struct GameHost::Peer {
    std::shared_ptr<FrameLink> link;
    TGameClient record;    // the provisional record until the login; under hostLock_
    bool loggedIn = false; // under hostLock_
    // Game calls of this member not yet done on the user-interface thread,
    // and whether its frames are held back until they are.
    std::atomic<int> callsInFlight{0};
    std::atomic<bool> held{false};
    std::unique_ptr<asio::steady_timer> loginTimer; // the I/O thread's
};

struct GameHost::Listener {
    explicit Listener(asio::io_context& io) : acceptor(io), retry(io) {}
    asio::ip::tcp::acceptor acceptor;
    asio::steady_timer retry; // after a failed accept (out of descriptors, say)
};

GameHost::GameHost(TaskSeam& ui, HostNotices& notices)
    : uiSeam_(ui), notices_(notices), ui_(std::make_unique<UiCaller>(ui))
{
}

GameHost::~GameHost()
{
    shutdown();
    if (game_ && game_->hostLink() == this)
        game_->setHostLink(nullptr);
}

// ------------------------------------------------------------------ starting

bool GameHost::startHosting(std::uint16_t port, const std::string& hostPlayerName, Game* game, std::string& errorText)
{
    if (hosting_) {
        errorText = "Already hosting";
        return false;
    }
    auto net = std::make_unique<NetLoop>();
    auto listener = std::make_unique<Listener>(net->context());
    asio::ip::tcp::acceptor& acceptor = listener->acceptor;
    asio::error_code ec;
    // One dual-stack socket takes IPv6 and IPv4; without IPv6, IPv4 alone.
    acceptor.open(asio::ip::tcp::v6(), ec);
    if (!ec)
        acceptor.set_option(asio::ip::v6_only(false), ec);
    asio::ip::tcp::endpoint endpoint(asio::ip::tcp::v6(), port);
    if (ec) {
        asio::error_code ignored;
        acceptor.close(ignored);
        ec.clear();
        acceptor.open(asio::ip::tcp::v4(), ec);
        endpoint = asio::ip::tcp::endpoint(asio::ip::tcp::v4(), port);
    }
    if (!ec)
        acceptor.set_option(asio::socket_base::reuse_address(true), ec);
    if (!ec)
        acceptor.bind(endpoint, ec);
    if (!ec)
        acceptor.listen(asio::socket_base::max_listen_connections, ec);
    if (ec) {
        errorText = ec.message();
        listener.reset();
        net->stop();
        return false;
    }
    port_ = acceptor.local_endpoint(ec).port();
    net_ = std::move(net);
    listener_ = std::move(listener);
    beginHosting(hostPlayerName, game);
    net_->post([this] { startAccepting(); });
    return true;
}

void GameHost::startInProcess(const std::string& hostPlayerName, Game* game)
{
    if (!hosting_)
        beginHosting(hostPlayerName, game);
}

void GameHost::beginHosting(const std::string& hostPlayerName, Game* game)
{
    hosting_ = true;
    shuttingDown_ = false;
    ui_ = std::make_unique<UiCaller>(uiSeam_);

    Member own;
    own.record.name = hostPlayerName.substr(0, TGameClient::kMaxName);
    own.record.status = MemberStatus::Host;
    own.record.versionText = Game::kVersionText;
    own.record.dictionaryVersion = Dictionary::instance().dictionaryVersion();
    own.record.email = preferences().settingText("Email", "Undisclosed");
    own.record.message = preferences().settingText("Message", "");
    own.loginDone = true;
    {
        std::lock_guard lock(hostLock_);
        members_.clear();
        members_.push_back(own);
    }
    setGame(game);
    broadcastMemberList();
    lastSilenceCheck_ = clock().tickCount();
    silenceTimer_ = timers().createTimer(kSilenceCheckInterval, [this] { checkSilence(); });
    silenceTimer_->setEnabled(true);
    notices_.membersChanged();
}

void GameHost::setGame(Game* game)
{
    if (game_ && game_ != game && game_->hostLink() == this)
        game_->setHostLink(nullptr);
    game_ = game;
    if (game_)
        game_->setHostLink(this);
}

// ------------------------------------------------------------------ the I/O thread: accepting

void GameHost::startAccepting()
{
    listener_->acceptor.async_accept([this](const asio::error_code& ec, asio::ip::tcp::socket socket) {
        if (ec == asio::error::operation_aborted || !listener_->acceptor.is_open())
            return;
        if (ec) {
            // Out of descriptors or memory: try again a little later rather
            // than spin on the error.
            listener_->retry.expires_after(std::chrono::milliseconds(100));
            listener_->retry.async_wait([this](const asio::error_code& e) {
                if (!e && listener_->acceptor.is_open())
                    startAccepting();
            });
            return;
        }
        // A bounded kernel buffer: the queue limit, not the system's buffer
        // tuning, decides how much a member that stops reading may hold.
        asio::error_code ignored;
        socket.set_option(asio::socket_base::send_buffer_size(kKernelSendBuffer), ignored);
        auto connection = std::make_shared<Connection>(std::move(socket), queueLimit_);
        std::shared_ptr<Peer> peer = linkOpened(connection);
        if (!peer) {
            connection->close(); // beyond the limit: closes as it goes
        } else {
            const std::weak_ptr<Peer> weak = peer;
            peer->loginTimer = std::make_unique<asio::steady_timer>(net_->context(),
                                                                    std::chrono::milliseconds(loginTimeoutMs_));
            peer->loginTimer->async_wait([this, weak](const asio::error_code& e) {
                const auto p = weak.lock();
                if (e || !p)
                    return;
                bool in;
                {
                    std::lock_guard lock(hostLock_);
                    in = p->loggedIn;
                }
                if (!in)
                    p->link->close(); // never logged in: the connection goes
            });
            Connection::Events events;
            events.bytesArrived = [this, weak] {
                if (const auto p = weak.lock())
                    bytesArrived(p);
            };
            events.frameArrived = [this, weak](Frame&& frame) {
                if (const auto p = weak.lock())
                    frameArrived(p, frame);
            };
            events.closed = [this, weak](const std::string&) {
                if (const auto p = weak.lock())
                    linkClosed(p);
            };
            connection->start(std::move(events));
        }
        startAccepting();
    });
}

std::shared_ptr<GameHost::Peer> GameHost::linkOpened(const std::shared_ptr<FrameLink>& link)
{
    if (shuttingDown_ || !hosting_)
        return nullptr;
    std::lock_guard lock(hostLock_);
    if (peers_.size() >= maxConnections_)
        return nullptr;
    auto peer = std::make_shared<Peer>();
    peer->link = link;
    peer->record.name = "Logging In";
    peer->record.status = MemberStatus::Connected;
    peer->record.address = link->peerAddress().substr(0, TGameClient::kMaxAddress);
    peer->record.lastHeard = clock().tickCount();
    peers_.push_back(peer);
    return peer;
}

std::size_t GameHost::connectionCount() const
{
    std::lock_guard lock(hostLock_);
    return static_cast<std::size_t>(std::count_if(peers_.begin(), peers_.end(),
                                                   [](const std::shared_ptr<Peer>& p) { return p->link->isOpen(); }));
}

// ------------------------------------------------------------------ the I/O thread: reading

GameHost::Member* GameHost::findMember(const std::string& name)
{
    for (Member& m : members_)
        if (equalsIgnoringCase(m.record.name, name))
            return &m;
    return nullptr;
}

GameHost::Member* GameHost::memberOf(const Peer* peer)
{
    for (Member& m : members_)
        if (m.peer.get() == peer)
            return &m;
    return nullptr;
}

void GameHost::bytesArrived(const std::shared_ptr<Peer>& peer)
{
    // Stamped when the bytes arrive, not when their frames are worked off:
    // a member whose frames wait behind others has not been silent.
    std::lock_guard lock(hostLock_);
    const std::uint32_t now = clock().tickCount();
    peer->record.lastHeard = now;
    if (Member* m = memberOf(peer.get()))
        m->record.lastHeard = now;
}

void GameHost::callForPeer(const std::shared_ptr<Peer>& peer, std::function<void()> fn, bool answerAwaited)
{
    // The hold is decided before the call is posted, so that the call that
    // ends it always finds it.
    const int inFlight = ++peer->callsInFlight;
    if ((answerAwaited || inFlight > kMaxCallsInFlight) && !peer->held.exchange(true))
        peer->link->pauseReading();
    const std::weak_ptr<Peer> weak = peer;
    ui_->post([weak, fn = std::move(fn)] {
        fn();
        if (const auto p = weak.lock())
            if (--p->callsInFlight == 0 && p->held.exchange(false))
                p->link->resumeReading();
    });
}

void GameHost::frameArrived(const std::shared_ptr<Peer>& peer, const Frame& frame)
{
    bool loggedIn;
    std::string name;
    {
        std::lock_guard lock(hostLock_);
        loggedIn = peer->loggedIn;
        name = peer->record.name;
    }
    using namespace MessageKind;
    if (!loggedIn) {
        // Before its login a connection can do nothing but log in: it has no
        // name to chat, whisper or play under.
        if (frame.kind == msgLogin)
            login(peer, frame.payload);
        return;
    }
    const std::weak_ptr<Peer> weak = peer;
    switch (frame.kind) {
    case msgSubmitWord: {
        const std::string word = plainText(decodeText(frame.payload), kMaxChatText);
        callForPeer(
            peer,
            [this, weak, name, word] {
                if (!game_)
                    return;
                const auto verdict = game_->submitRemoteWord(name, word);
                if (!verdict)
                    return;
                if (const auto p = weak.lock())
                    p->link->send(msgWordVerdict, encodeVerdict({*verdict, word}));
                notices_.remoteWordJudged(name, word, *verdict);
            },
            true);
        break;
    }
    case msgRoundFinished:
        callForPeer(
            peer,
            [this, name] {
                if (game_)
                    if (Player* p = game_->findRemotePlayer(name))
                        p->finished = true;
            },
            false);
        break;
    case msgReady: {
        {
            std::lock_guard lock(hostLock_);
            if (Member* m = memberOf(peer.get()))
                m->record.status = MemberStatus::Ready;
            broadcastLocked(makeFrame(msgMemberReady, name));
        }
        callForPeer(peer, [this] { notices_.membersChanged(); }, false);
        break;
    }
    case msgChat: {
        const std::string line = name + "> " + trimBlanks(plainText(decodeText(frame.payload), kMaxChatText));
        broadcast(msgChatLine, line);
        callForPeer(peer, [this, line] { notices_.showChatLine(line); }, false);
        break;
    }
    case msgWhisper: {
        const std::string text = plainText(decodeText(frame.payload), kMaxChatText);
        callForPeer(peer, [this, name, text] { relayWhisper(name, text); }, false);
        break;
    }
    case msgRename:
        rename(peer, decodeText(frame.payload));
        break;
    default:
        break; // msgKeepAlive, a second login and unknown kinds
    }
}

void GameHost::login(const std::shared_ptr<Peer>& peer, const std::string& payload)
{
    const TGameClient sent = TGameClient::fromImage(payload);
    std::string wanted = keptName(sent.name);
    if (wanted.empty())
        wanted = kNamelessName;
    std::string name, note, hostName, address, version, dictionary;
    {
        std::lock_guard lock(hostLock_);
        TGameClient& r = peer->record;
        r.name = freeMemberName(wanted, [this](const std::string& n) { return findMember(n) != nullptr; });
        if (r.name != wanted)
            note = kModifiedNote;
        r.hostName = plainText(sent.hostName);
        r.versionText = plainText(sent.versionText);
        r.dictionaryVersion = plainText(sent.dictionaryVersion);
        r.email = plainText(sent.email);
        r.message = plainText(sent.message);
        r.status = MemberStatus::Connected;
        peer->loggedIn = true;
        members_.push_back({r, peer, false});
        name = r.name;
        hostName = r.hostName;
        address = r.address;
        version = r.versionText;
        dictionary = r.dictionaryVersion;
        broadcastMemberListLocked();
    }
    peer->loginTimer.reset();
    ui_->post([this] { notices_.membersChanged(); });
    systemLine(name + " logged in from <<" + hostName + " (" + address + ") >>");
    systemLine(name + " has: Game Version: " + version + " - Dictionary Version: " + dictionary);
    const std::weak_ptr<Peer> weak = peer;
    callForPeer(
        peer,
        [this, weak, name, note] {
            const auto p = weak.lock();
            if (!p)
                return;
            returningOrNewMember(p, name, note);
            // Told once the login has run its course, so that whatever the
            // window does about the new member (admitting it, say) comes
            // after the reply.
            notices_.memberLoggedIn(name);
        },
        true);
}

// On the user-interface thread: the game's part of a login, ending with the
// login reply. Returns the note.
std::string GameHost::returningOrNewMember(const std::shared_ptr<Peer>& peer, const std::string& name,
                                           const std::string& note)
{
    using namespace MessageKind;
    {
        std::lock_guard lock(hostLock_);
        if (Member* m = memberOf(peer.get()))
            m->loginDone = true;
    }
    Player* returning = game_ ? game_->findRemotePlayer(name) : nullptr;
    if (!returning) {
        std::string reply = note;
        if (game_) {
            if (game_->playerCount < Game::kMaxPlayers)
                showLine(" *** If you want " + name + " to be able to play, highlight his or her name and click the "
                         "add player button below.");
            else
                showLine(" *** Sorry, " + name + " cannot play because the game is full.");
            reply = "Welcome to Lettrava Internet!" + note;
        }
        peer->link->send(msgPrivateLine, " >>> " + reply);
        return reply;
    }

    std::string reply = "Welcome back.";
    returning->active = true;
    // The whole sequence goes into the member's queue in one piece: no
    // broadcast can come between its frames.
    std::vector<SharedFrame> frames;
    frames.push_back(makeFrame(msgRejoinGame));
    GameInfo info;
    game_->toSettingsRecord(info);
    frames.push_back(makeFrame(msgSettingsRejoin, encodeSettings(info)));
    frames.push_back(makeFrame(msgPlayers, game_->copyPlayers()));
    frames.push_back(makeFrame(msgScores, encodeScores(game_->scoresSnapshot())));
    bool readyNow = false;
    if (game_->round()) {
        const int t = game_->secondsLeftInRunningRound();
        if (t > 20) {
            frames.push_back(makeFrame(msgGridRejoin, roundPayloadOf(game_->round()->grid())));
            frames.push_back(makeFrame(msgTimeLeft, encodeInt32(t)));
            frames.push_back(makeFrame(msgBonusHint, encodeBonusHint({lastBonusPoints_, lastBonusText_})));
            reply += "  There is still time to submit words!";
        } else {
            returning->finished = true;
            reply += "  The current round is over or almost over.  You will resume with the next round.";
        }
    } else {
        readyNow = true;
    }
    frames.push_back(makeFrame(msgPrivateLine, " >>> " + reply));
    peer->link->sendFrames(frames);
    if (readyNow) {
        {
            std::lock_guard lock(hostLock_);
            if (Member* m = memberOf(peer.get()))
                m->record.status = MemberStatus::Ready;
        }
        broadcast(msgMemberReady, name);
        notices_.membersChanged();
    }
    return reply;
}

void GameHost::linkClosed(const std::shared_ptr<Peer>& peer)
{
    peer->loginTimer.reset();
    bool wasMember;
    std::string name;
    {
        std::lock_guard lock(hostLock_);
        std::erase(peers_, peer);
        wasMember = peer->loggedIn;
        name = peer->record.name;
        if (Member* m = memberOf(peer.get()))
            name = m->record.name;
    }
    if (shuttingDown_ || !wasMember)
        return; // a connection that never logged in was never in the member list
    ui_->post([this, name] {
        // The player stays in the game; the end-of-round wait no longer waits for it.
        if (game_)
            if (Player* p = game_->findRemotePlayer(name))
                p->active = false;
    });
    systemLine(name + " logged off.");
    {
        std::lock_guard lock(hostLock_);
        const auto it = std::find_if(members_.begin(), members_.end(), [&](const Member& m) { return m.peer == peer; });
        if (it != members_.end())
            members_.erase(it);
        broadcastMemberListLocked();
    }
    ui_->post([this, name] {
        notices_.memberLoggedOff(name);
        notices_.membersChanged();
    });
}

// ------------------------------------------------------------------ sending

void GameHost::broadcast(std::int32_t kind, const std::string& payload)
{
    const SharedFrame frame = makeFrame(kind, payload);
    std::lock_guard lock(hostLock_);
    broadcastLocked(frame);
}

void GameHost::broadcastLocked(const SharedFrame& frame)
{
    for (const auto& p : peers_)
        if (p->link->isOpen())
            p->link->send(frame);
}

void GameHost::broadcastMemberList()
{
    std::lock_guard lock(hostLock_);
    broadcastMemberListLocked();
}

void GameHost::broadcastMemberListLocked()
{
    // Sent while the list cannot change, so that lists go out in the order
    // of their changes.
    std::vector<TGameClient> records;
    records.reserve(members_.size());
    for (const Member& m : members_)
        records.push_back(m.record);
    broadcastLocked(makeFrame(MessageKind::msgMemberList, encodeMemberList(records)));
}

bool GameHost::sendToMember(const std::string& name, std::int32_t kind, const std::string& payload)
{
    std::lock_guard lock(hostLock_);
    Member* m = findMember(name);
    return m && m->peer && m->peer->link->send(kind, payload);
}

void GameHost::showLine(const std::string& line)
{
    if (uiSeam_.onUiThread())
        notices_.showChatLine(line);
    else
        ui_->post([this, line] { notices_.showChatLine(line); });
}

std::vector<TGameClient> GameHost::members() const
{
    std::lock_guard lock(hostLock_);
    std::vector<TGameClient> out;
    for (const Member& m : members_)
        out.push_back(m.record);
    return out;
}

std::string GameHost::ownName() const
{
    std::lock_guard lock(hostLock_);
    return members_.empty() ? std::string() : members_[0].record.name;
}

// ------------------------------------------------------------------ chat

void GameHost::chatLine(const std::string& sender, const std::string& text)
{
    const std::string line = sender + "> " + trimBlanks(text);
    broadcast(MessageKind::msgChatLine, line);
    showLine(line);
}

void GameHost::systemLine(const std::string& text)
{
    const std::string line = " *** " + trimBlanks(text);
    broadcast(MessageKind::msgChatLine, line);
    showLine(line);
}

void GameHost::sendChatInput(const std::string& typed)
{
    const std::string text = plainText(typed, kMaxChatText);
    const ChatInput in = parseChatInput(text);
    if (in.kind == ChatInput::Kind::Text) {
        chatLine(ownName(), text);
    } else if (in.kind == ChatInput::Kind::Command && in.letter == 'w') {
        const WhisperParts w = splitWhisper(in.argument);
        if (!w.recipient.empty() && !w.message.empty())
            hostWhisper(ownName(), w.recipient, w.message);
    } else if (in.kind == ChatInput::Kind::Command && in.letter == 'n') {
        // The host's name is its game's first player's: a rename would part them.
        showLine(kHostKeepsItsName);
    }
}

void GameHost::hostWhisper(const std::string& from, const std::string& to, const std::string& message)
{
    if (equalsIgnoringCase(to, ownName())) {
        showLine("You whispered to yourself: " + message);
        return;
    }
    if (!sendToMember(to, MessageKind::msgPrivateLine, from + " whispers: " + message))
        showLine("There is no one here by the name of \"" + to + "\"");
}

void GameHost::relayWhisper(const std::string& sender, const std::string& text)
{
    const WhisperParts w = splitWhisper(text);
    bool known;
    {
        std::lock_guard lock(hostLock_);
        known = !w.recipient.empty() && findMember(w.recipient) != nullptr;
    }
    if (!known) {
        sendToMember(sender, MessageKind::msgPrivateLine,
                     "Player " + w.recipient + " has logged off or was never here.");
        return;
    }
    if (equalsIgnoringCase(w.recipient, ownName()))
        showLine(sender + " whispers: " + w.message);
    else
        hostWhisper(sender, w.recipient, w.message);
}

void GameHost::rename(const std::shared_ptr<Peer>& peer, const std::string& wanted)
{
    // Judged on the name as it will be kept, so that a long name cut to a
    // member's name, or one that differs only by blanks, counts as taken.
    const std::string kept = keptName(wanted);
    std::string oldName;
    bool renamed = false;
    {
        std::lock_guard lock(hostLock_);
        Member* m = memberOf(peer.get());
        if (m && !kept.empty() && !findMember(kept)) {
            oldName = m->record.name;
            m->record.name = kept;
            peer->record.name = kept;
            renamed = true;
        }
    }
    if (renamed) {
        systemLine(oldName + " is now known as " + kept);
        // The player's rename and the players' images go out together on
        // the user-interface thread, after the member list.
        callForPeer(
            peer,
            [this, oldName, kept] {
                if (game_)
                    game_->renamePlayer(oldName, kept);
                broadcastMemberList();
                if (game_)
                    sendPlayers();
                notices_.membersChanged();
            },
            false);
        return;
    }
    broadcastMemberList();
    callForPeer(
        peer,
        [this] {
            if (game_)
                sendPlayers();
        },
        false);
}

// ------------------------------------------------------------------ admission

void GameHost::admitMember(const std::string& name)
{
    sendToMember(name, MessageKind::msgAdmitted);
    systemLine(name + " has been admitted to the game.");
    {
        std::lock_guard lock(hostLock_);
        if (Member* m = findMember(name))
            m->record.status = MemberStatus::Ready;
    }
    notices_.memberAdmitted(name);
    notices_.membersChanged();
}

bool GameHost::canAddMember(int index) const
{
    if (!game_ || game_->playerCount >= Game::kMaxPlayers)
        return false;
    std::string name;
    {
        std::lock_guard lock(hostLock_);
        if (index < 1 || static_cast<std::size_t>(index) >= members_.size())
            return false; // entry 0 is the host, already a player
        const Member& m = members_[static_cast<std::size_t>(index)];
        if (!m.loginDone)
            return false;
        name = m.record.name;
    }
    return game_->findPlayerByName(name) == nullptr;
}

bool GameHost::addSelectedMember(int index)
{
    if (!canAddMember(index))
        return false;
    std::string name;
    {
        std::lock_guard lock(hostLock_);
        TGameClient& r = members_[static_cast<std::size_t>(index)].record;
        r.status = MemberStatus::Ready;
        name = r.name;
    }
    if (!seatRemotePlayer(name))
        return false;
    sendSettings();
    sendScores();
    return true;
}

bool GameHost::seatRemotePlayer(const std::string& name)
{
    const int slot = game_->playerCount;
    if (!game_->addRemotePlayer(name))
        return false;
    if (Player* p = game_->playerAt(slot)) {
        if (p->nameLabel)
            p->nameLabel->setText(name);
        if (p->scoreLabel)
            p->scoreLabel->setText("0");
    }
    notices_.slotTaken(slot);
    admitMember(name);
    return true;
}

void GameHost::readmitMembers()
{
    if (!game_)
        return;
    std::vector<std::string> names;
    {
        std::lock_guard lock(hostLock_);
        if (!members_.empty())
            if (const Player* first = game_->playerAt(0))
                members_[0].record.name = first->name.substr(0, TGameClient::kMaxName);
        for (std::size_t i = 1; i < members_.size(); ++i)
            names.push_back(members_[i].record.name);
    }
    for (const std::string& name : names) {
        if (Player* p = game_->findPlayerByName(name)) {
            p->active = true;
            std::lock_guard lock(hostLock_);
            if (Member* m = findMember(name))
                m->record.status = MemberStatus::Ready;
            continue;
        }
        // Without a free seat the member stays outside the game.
        seatRemotePlayer(name);
    }
    sendSettings();
    sendScores();
    notices_.membersChanged();
}

void GameHost::announceNewGame()
{
    broadcast(MessageKind::msgNewGame);
    {
        std::lock_guard lock(hostLock_);
        for (std::size_t i = 1; i < members_.size(); ++i)
            members_[i].record.status = MemberStatus::Connected;
    }
    broadcastMemberList();
    notices_.clearMemberSelection();
    notices_.membersChanged();
}

void GameHost::refreshOwnRecord()
{
    const std::string email = preferences().settingText("Email", "Undisclosed");
    const std::string message = preferences().settingText("Message", "");
    std::lock_guard lock(hostLock_);
    if (!members_.empty()) {
        members_[0].record.email = email;
        members_[0].record.message = message;
    }
}

// ------------------------------------------------------------------ silence and shutdown

void GameHost::checkSilence()
{
    const std::uint32_t now = clock().tickCount();
    const bool late = now - lastSilenceCheck_ > kSilenceCheckInterval + kLateCheckSlack;
    lastSilenceCheck_ = now;
    if (late)
        return; // the host itself was stalled: what the members sent may not be read yet
    std::vector<std::pair<std::string, std::shared_ptr<FrameLink>>> silent;
    {
        std::lock_guard lock(hostLock_);
        for (const Member& m : members_)
            if (m.peer && m.peer->link->isOpen() && now - m.record.lastHeard > kSilenceLimit)
                silent.emplace_back(m.record.name, m.peer->link);
    }
    // Each closes as a lost connection: its logoff follows from the I/O thread.
    for (const auto& [name, link] : silent) {
        showLine(name + " disconnected abrubtly.");
        link->close();
    }
}

void GameHost::shutdown()
{
    if (!hosting_)
        return;
    shuttingDown_ = true;
    silenceTimer_.reset();
    broadcast(MessageKind::msgHostShutdown);
    ui_->close();
    {
        std::lock_guard lock(hostLock_);
        for (const auto& p : peers_)
            p->link->closeAfterSending();
    }
    if (net_) {
        net_->post([this] {
            asio::error_code ignored;
            listener_->acceptor.close(ignored);
            listener_->retry.cancel();
        });
        // The goodbyes go out within the grace; a member that does not read
        // them is cut off.
        net_->stop(std::chrono::milliseconds(kShutdownGraceMs));
    }
    // The I/O thread is gone: nothing reaches the peers any more. They, the
    // listener and the loop go in that order, sockets before their context.
    std::vector<std::shared_ptr<Peer>> peers;
    {
        std::lock_guard lock(hostLock_);
        peers.swap(peers_);
        members_.clear();
    }
    for (const auto& p : peers)
        p->loginTimer.reset();
    peers.clear();
    listener_.reset();
    net_.reset();
    hosting_ = false;
}

// ------------------------------------------------------------------ the game's hooks

void GameHost::sendPlayers()
{
    if (game_)
        broadcast(MessageKind::msgPlayers, game_->copyPlayers());
}

void GameHost::sendSettings()
{
    if (!game_)
        return;
    GameInfo info;
    game_->toSettingsRecord(info);
    broadcast(MessageKind::msgSettings, encodeSettings(info));
}

void GameHost::sendGrid(const Grid& grid) { broadcast(MessageKind::msgGridNewRound, roundPayloadOf(grid)); }

void GameHost::sendScores()
{
    if (game_)
        broadcast(MessageKind::msgScores, encodeScores(game_->scoresSnapshot()));
}

void GameHost::sendBonusHint(const std::string& shown, int points)
{
    lastBonusText_ = shown;
    lastBonusPoints_ = points;
    broadcast(MessageKind::msgBonusHint, encodeBonusHint({points, shown}));
}

void GameHost::sendRoundEnd(bool counts)
{
    broadcast(counts ? MessageKind::msgRoundEndCounts : MessageKind::msgRoundEndVoid);
}

void GameHost::sendRoundResults(bool counts)
{
    if (!game_)
        return;
    sendPlayers();
    if (!counts)
        return;
    for (int slot = 0; slot < game_->playerCount; ++slot)
        if (const Player* p = game_->playerAt(slot))
            broadcast(MessageKind::msgPlayerWords, encodeWordList(slot, p->copyWordImages()));
    broadcast(MessageKind::msgResultsReady);
    {
        std::lock_guard lock(hostLock_);
        for (std::size_t i = 1; i < members_.size(); ++i)
            members_[i].record.status = MemberStatus::ViewingResults;
    }
    broadcastMemberList();
    notices_.membersChanged();
}

void GameHost::sendWinner(const std::string& text) { broadcast(MessageKind::msgWinner, text); }

void GameHost::sendTimeLeft(int seconds) { broadcast(MessageKind::msgTimeLeft, encodeInt32(seconds)); }

} // namespace lettrava
