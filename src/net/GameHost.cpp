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
#include "net/Payloads.h"

#include <algorithm>
#include <chrono>

namespace lettrava {

namespace {

const char* const kModifiedNote = "  Your name was modified because it was already taken.  You may change it by sending "
                                  "\"/n [newname]\" in the chat window.";

std::string roundPayloadOf(const Grid& grid)
{
    GridPayload g;
    g.columns = gridOptions().gridColumns;
    g.rows = gridOptions().gridRows;
    g.image = grid.toImage();
    return encodeGrid(g);
}

} // namespace

// One accepted connection, its provisional member record and its thread.
struct GameHost::Peer {
    std::shared_ptr<Connection> connection;
    TGameClient record;          // the provisional record until the login; under hostLock_
    bool loggedIn = false;       // under hostLock_
    std::unique_ptr<UiCaller> calls; // this thread's waits for the user-interface thread
    std::thread thread;
    std::atomic<bool> finished{false};
};

GameHost::GameHost(TaskSeam& ui, HostNotices& notices) : uiSeam_(ui), notices_(notices), ui_(ui) {}

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
    asio::error_code ec;
    auto acceptor = std::make_unique<asio::ip::tcp::acceptor>(io_);
    // One dual-stack socket takes IPv6 and IPv4; without IPv6, IPv4 alone.
    acceptor->open(asio::ip::tcp::v6(), ec);
    if (!ec)
        acceptor->set_option(asio::ip::v6_only(false), ec);
    asio::ip::tcp::endpoint endpoint(asio::ip::tcp::v6(), port);
    if (ec) {
        asio::error_code ignored;
        acceptor->close(ignored);
        ec.clear();
        acceptor->open(asio::ip::tcp::v4(), ec);
        endpoint = asio::ip::tcp::endpoint(asio::ip::tcp::v4(), port);
    }
    if (!ec)
        acceptor->set_option(asio::socket_base::reuse_address(true), ec);
    if (!ec)
        acceptor->bind(endpoint, ec);
    if (!ec)
        acceptor->listen(asio::socket_base::max_listen_connections, ec);
    if (ec) {
        errorText = ec.message();
        return false;
    }
    port_ = acceptor->local_endpoint(ec).port();
    acceptor_ = std::move(acceptor);
    hosting_ = true;
    shuttingDown_ = false;

    Member own;
    own.record.name = hostPlayerName.substr(0, TGameClient::kMaxName);
    own.record.status = MemberStatus::Host;
    own.record.versionText = Game::kVersionText;
    own.record.dictionaryVersion = Dictionary::instance(false).dictionaryVersion();
    own.record.email = preferences().settingText("Email", "Undisclosed");
    own.record.message = preferences().settingText("Message", "");
    {
        std::lock_guard lock(hostLock_);
        members_.clear();
        members_.push_back(own);
    }
    setGame(game);
    io_.restart();
    startAccepting();
    acceptThread_ = std::thread([this] { io_.run(); });
    broadcastMemberList();
    silenceTimer_ = timers().createTimer(kSilenceCheckInterval, [this] { checkSilence(); });
    silenceTimer_->setEnabled(true);
    notices_.membersChanged();
    return true;
}

void GameHost::setGame(Game* game)
{
    if (game_ && game_ != game && game_->hostLink() == this)
        game_->setHostLink(nullptr);
    game_ = game;
    if (game_)
        game_->setHostLink(this);
}

void GameHost::startAccepting()
{
    acceptor_->async_accept([this](const asio::error_code& ec, asio::ip::tcp::socket socket) {
        if (ec == asio::error::operation_aborted || !acceptor_->is_open())
            return;
        if (!ec)
            accepted(std::move(socket));
        startAccepting();
    });
}

void GameHost::accepted(asio::ip::tcp::socket socket)
{
    reapFinishedPeers();
    std::shared_ptr<Connection> connection = adoptSocket(socket);
    if (!connection || shuttingDown_)
        return;
    std::lock_guard lock(connectionsMutex_);
    if (peers_.size() >= maxConnections_)
        return; // refused: the connection closes as it goes
    // The provisional record; nobody else sees the peer yet.
    auto peer = std::make_shared<Peer>();
    peer->connection = connection;
    peer->calls = std::make_unique<UiCaller>(uiSeam_);
    peer->record.name = "Logging In";
    peer->record.status = MemberStatus::Connected;
    peer->record.address = connection->peerAddress().substr(0, TGameClient::kMaxAddress);
    peer->record.lastHeard = clock().tickCount();
    peers_.push_back(peer);
    peer->thread = std::thread([this, peer] { runPeer(peer); });
}

void GameHost::reapFinishedPeers()
{
    std::vector<std::shared_ptr<Peer>> done;
    {
        std::lock_guard lock(connectionsMutex_);
        for (auto it = peers_.begin(); it != peers_.end();) {
            if ((*it)->finished) {
                done.push_back(*it);
                it = peers_.erase(it);
            } else {
                ++it;
            }
        }
    }
    for (auto& p : done)
        if (p->thread.joinable())
            p->thread.join();
}

std::size_t GameHost::connectionCount() const
{
    std::lock_guard lock(connectionsMutex_);
    return static_cast<std::size_t>(std::count_if(peers_.begin(), peers_.end(), [](const std::shared_ptr<Peer>& p) {
        return !p->finished && p->connection->isOpen();
    }));
}

// ------------------------------------------------------------------ reading

void GameHost::runPeer(const std::shared_ptr<Peer>& peer)
{
    FrameDecoder decoder;
    const auto loginDeadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(loginTimeoutMs_);
    bool open = true;
    while (open) {
        bool loggedIn;
        {
            std::lock_guard lock(hostLock_);
            loggedIn = peer->loggedIn;
        }
        int wait = -1;
        if (!loggedIn) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(loginDeadline
                                                                                    - std::chrono::steady_clock::now());
            if (left.count() <= 0)
                break; // never logged in: the connection goes
            wait = static_cast<int>(left.count());
        }
        const Connection::ReadResult r = peer->connection->receive(decoder, wait);
        if (r == Connection::ReadResult::Timeout)
            continue;
        if (r != Connection::ReadResult::Data)
            break;
        while (auto frame = decoder.next()) {
            handleFrame(peer, *frame);
            if (!peer->connection->isOpen()) {
                open = false;
                break;
            }
        }
    }
    peer->connection->close();
    logoff(peer);
    peer->finished = true;
}

std::string GameHost::memberName(const std::shared_ptr<Peer>& peer) const
{
    std::lock_guard lock(hostLock_);
    return peer->record.name;
}

GameHost::Member* GameHost::findMember(const std::string& name)
{
    for (Member& m : members_)
        if (equalsIgnoringCase(m.record.name, name))
            return &m;
    return nullptr;
}

GameHost::Member* GameHost::memberOf(const Connection* connection)
{
    for (Member& m : members_)
        if (m.connection.get() == connection)
            return &m;
    return nullptr;
}

void GameHost::handleFrame(const std::shared_ptr<Peer>& peer, const Frame& frame)
{
    bool loggedIn;
    std::string name;
    {
        std::lock_guard lock(hostLock_);
        const std::uint32_t now = clock().tickCount();
        peer->record.lastHeard = now;
        if (Member* m = memberOf(peer->connection.get()))
            m->record.lastHeard = now;
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
    switch (frame.kind) {
    case msgSubmitWord: {
        const std::string word = decodeText(frame.payload);
        auto verdict = peer->calls->call([this, name, word]() -> std::optional<VerdictCode> {
            if (!game_)
                return std::nullopt;
            auto v = game_->submitRemoteWord(name, word);
            if (v)
                notices_.remoteWordJudged(name, word, *v);
            return v;
        });
        if (verdict && *verdict)
            peer->connection->sendFrame(msgWordVerdict, encodeVerdict({**verdict, word}));
        break;
    }
    case msgRoundFinished:
        ui_.post([this, name] {
            if (game_)
                if (Player* p = game_->findRemotePlayer(name))
                    p->finished = true;
        });
        break;
    case msgReady: {
        {
            std::lock_guard lock(hostLock_);
            if (Member* m = memberOf(peer->connection.get()))
                m->record.status = MemberStatus::Ready;
        }
        broadcast(msgMemberReady, name);
        ui_.post([this] { notices_.membersChanged(); });
        break;
    }
    case msgChat:
        chatLine(name, decodeText(frame.payload));
        break;
    case msgWhisper: {
        const std::string text = decodeText(frame.payload);
        ui_.post([this, name, text] { relayWhisper(name, text); });
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
    std::string name, note, hostName, address, version, dictionary;
    {
        std::lock_guard lock(hostLock_);
        TGameClient& r = peer->record;
        r.name = freeMemberName(sent.name, [this](const std::string& n) { return findMember(n) != nullptr; });
        if (r.name != sent.name)
            note = kModifiedNote;
        r.hostName = sent.hostName;
        r.versionText = sent.versionText;
        r.dictionaryVersion = sent.dictionaryVersion;
        r.email = sent.email;
        r.message = sent.message;
        r.status = MemberStatus::Connected;
        peer->loggedIn = true;
        members_.push_back({r, peer->connection});
        name = r.name;
        hostName = r.hostName;
        address = r.address;
        version = r.versionText;
        dictionary = r.dictionaryVersion;
        broadcastMemberListLocked();
    }
    ui_.post([this] { notices_.membersChanged(); });
    systemLine(name + " logged in from <<" + hostName + " (" + address + ") >>");
    systemLine(name + " has: Game Version: " + version + " - Dictionary Version: " + dictionary);
    const auto reply = peer->calls->call([this, peer, name, note] { return returningOrNewMember(peer, name, note); });
    if (reply)
        peer->connection->sendFrame(MessageKind::msgPrivateLine, " >>> " + *reply);
    // Told once the login has run its course, so that whatever the window
    // does about the new member (admitting it, say) comes after the reply.
    ui_.post([this, name] { notices_.memberLoggedIn(name); });
}

// On the user-interface thread: the game's part of a login. Returns the note.
std::string GameHost::returningOrNewMember(const std::shared_ptr<Peer>& peer, const std::string& name,
                                           const std::string& note)
{
    using namespace MessageKind;
    {
        std::lock_guard lock(hostLock_);
        if (Member* m = memberOf(peer->connection.get()))
            m->loginDone = true;
    }
    if (!game_)
        return note;
    Player* returning = game_->findRemotePlayer(name);
    if (!returning) {
        if (game_->playerCount < Game::kMaxPlayers)
            showLine(" *** If you want " + name + " to be able to play, highlight his or her name and click the "
                     "add player button below.");
        else
            showLine(" *** Sorry, " + name + " cannot play because the game is full.");
        return "Welcome to Lettrava Internet!" + note;
    }

    std::string reply = "Welcome back.";
    returning->active = true;
    bool readyNow = false;
    {
        // No broadcast may come between these frames.
        std::lock_guard lock(connectionsMutex_);
        Connection& c = *peer->connection;
        c.sendFrame(msgRejoinGame);
        GameInfo info;
        game_->toSettingsRecord(info);
        c.sendFrame(msgSettingsRejoin, encodeSettings(info));
        c.sendFrame(msgPlayers, game_->copyPlayers());
        c.sendFrame(msgScores, encodeScores(game_->scoresSnapshot()));
        if (game_->round()) {
            const int t = game_->secondsLeftInRunningRound();
            if (t > 20) {
                c.sendFrame(msgGridRejoin, roundPayloadOf(game_->round()->grid()));
                c.sendFrame(msgTimeLeft, encodeInt32(t));
                c.sendFrame(msgBonusHint, encodeBonusHint({lastBonusPoints_, lastBonusText_}));
                reply += "  There is still time to submit words!";
            } else {
                returning->finished = true;
                reply += "  The current round is over or almost over.  You will resume with the next round.";
            }
        } else {
            readyNow = true;
        }
    }
    if (readyNow) {
        {
            std::lock_guard lock(hostLock_);
            if (Member* m = memberOf(peer->connection.get()))
                m->record.status = MemberStatus::Ready;
        }
        broadcast(msgMemberReady, name);
        notices_.membersChanged();
    }
    return reply;
}

void GameHost::logoff(const std::shared_ptr<Peer>& peer)
{
    if (shuttingDown_)
        return;
    std::string name;
    {
        std::lock_guard lock(hostLock_);
        if (!peer->loggedIn)
            return; // never in the member list
        name = peer->record.name;
        if (Member* m = memberOf(peer->connection.get()))
            name = m->record.name;
    }
    ui_.post([this, name] {
        // The player stays in the game; the end-of-round wait no longer waits for it.
        if (game_)
            if (Player* p = game_->findRemotePlayer(name))
                p->active = false;
    });
    systemLine(name + " logged off.");
    {
        std::lock_guard lock(hostLock_);
        const auto it = std::find_if(members_.begin(), members_.end(),
                                     [&](const Member& m) { return m.connection == peer->connection; });
        if (it != members_.end())
            members_.erase(it);
        broadcastMemberListLocked();
    }
    ui_.post([this, name] {
        notices_.memberLoggedOff(name);
        notices_.membersChanged();
    });
}

// ------------------------------------------------------------------ sending

void GameHost::broadcast(std::int32_t kind, const std::string& payload)
{
    std::lock_guard lock(connectionsMutex_);
    for (const auto& p : peers_)
        if (p->connection->isOpen())
            p->connection->sendFrame(kind, payload);
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
    for (const Member& m : members_)
        records.push_back(m.record);
    broadcast(MessageKind::msgMemberList, encodeMemberList(records));
}

bool GameHost::sendToMember(const std::string& name, std::int32_t kind, const std::string& payload)
{
    std::shared_ptr<Connection> target;
    {
        std::lock_guard lock(hostLock_);
        if (Member* m = findMember(name))
            target = m->connection;
    }
    if (!target)
        return false;
    return target->sendFrame(kind, payload);
}

void GameHost::showLine(const std::string& line)
{
    if (uiSeam_.onUiThread())
        notices_.showChatLine(line);
    else
        ui_.post([this, line] { notices_.showChatLine(line); });
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

void GameHost::sendChatInput(const std::string& text)
{
    const ChatInput in = parseChatInput(text);
    if (in.kind == ChatInput::Kind::Text) {
        chatLine(ownName(), text);
    } else if (in.kind == ChatInput::Kind::Command && in.letter == 'w') {
        const WhisperParts w = splitWhisper(in.argument);
        if (!w.recipient.empty() && !w.message.empty())
            hostWhisper(ownName(), w.recipient, w.message);
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
    std::string oldName, newName;
    {
        std::lock_guard lock(hostLock_);
        Member* m = memberOf(peer->connection.get());
        if (m && !wanted.empty() && !findMember(wanted)) {
            oldName = m->record.name;
            newName = wanted.substr(0, TGameClient::kMaxName);
            m->record.name = newName;
            peer->record.name = newName;
        }
    }
    if (!newName.empty()) {
        systemLine(oldName + " is now known as " + newName);
        // The player's rename and the players' images go out together on
        // the user-interface thread, after the member list.
        ui_.post([this, oldName, newName] {
            if (game_)
                game_->renamePlayer(oldName, newName);
            broadcastMemberList();
            if (game_)
                sendPlayers();
            notices_.membersChanged();
        });
        return;
    }
    broadcastMemberList();
    ui_.post([this] {
        if (game_)
            sendPlayers();
    });
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

void GameHost::closePeer(const std::shared_ptr<Peer>& peer)
{
    // Its thread may be waiting for this (the user-interface) thread: wake it
    // before waiting for it.
    peer->calls->close();
    peer->connection->close();
    if (peer->thread.joinable())
        peer->thread.join();
}

void GameHost::checkSilence()
{
    const std::uint32_t now = clock().tickCount();
    std::vector<std::pair<std::string, std::shared_ptr<Connection>>> silent;
    {
        std::lock_guard lock(hostLock_);
        for (const Member& m : members_)
            if (m.record.status != MemberStatus::Host && m.connection && m.connection->isOpen()
                && now - m.record.lastHeard > kSilenceLimit)
                silent.emplace_back(m.record.name, m.connection);
    }
    for (const auto& [name, connection] : silent) {
        showLine(name + " disconnected abrubtly.");
        std::shared_ptr<Peer> peer;
        {
            std::lock_guard lock(connectionsMutex_);
            for (const auto& p : peers_)
                if (p->connection == connection)
                    peer = p;
        }
        if (peer) {
            closePeer(peer);
            std::lock_guard lock(connectionsMutex_);
            std::erase(peers_, peer);
        }
    }
    reapFinishedPeers();
}

void GameHost::shutdown()
{
    if (!hosting_)
        return;
    shuttingDown_ = true;
    silenceTimer_.reset();
    broadcast(MessageKind::msgHostShutdown);
    ui_.close();
    std::vector<std::shared_ptr<Peer>> peers;
    {
        std::lock_guard lock(connectionsMutex_);
        peers = peers_;
    }
    for (const auto& p : peers) {
        p->calls->close();
        p->connection->close();
    }
    asio::post(io_, [this] {
        asio::error_code ignored;
        acceptor_->close(ignored);
    });
    if (acceptThread_.joinable())
        acceptThread_.join();
    // The accepting thread is gone: no peer can be added any more.
    {
        std::lock_guard lock(connectionsMutex_);
        peers = peers_;
        peers_.clear();
    }
    for (const auto& p : peers) {
        p->calls->close();
        p->connection->close();
        if (p->thread.joinable())
            p->thread.join();
    }
    acceptor_.reset();
    {
        std::lock_guard lock(hostLock_);
        members_.clear();
    }
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

} // namespace lettrava
