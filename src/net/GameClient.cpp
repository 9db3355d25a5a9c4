#include "net/GameClient.h"
#include "core/platform/Texts.h"

#include "core/grid/Grid.h"
#include "core/grid/GridOptions.h"
#include "core/platform/Clock.h"
#include "core/platform/Dialogs.h"
#include "core/platform/TextLabel.h"
#include "core/words/Dictionary.h"
#include "net/ChatRules.h"
#include "net/Connection.h"
#include "net/NetLoop.h"
#include "net/Payloads.h"

#include <algorithm>
#include <deque>

namespace lettrava {

namespace {

std::string thisHostName()
{
    asio::error_code ec;
    std::string name = asio::ip::host_name(ec);
    return ec ? std::string() : name;
}

// How long a closing client lets its last frames go out.
constexpr std::chrono::milliseconds kCloseGrace(500);

} // namespace

// What the I/O thread hands the poll: whole frames in arrival order, whether
// the connection has ended after them, and when bytes last arrived.
struct GameClient::Inbox {
    mutable std::mutex mutex;
    std::deque<Frame> frames;
    std::size_t bytes = 0;
    std::uint64_t received = 0;
    bool closed = false;
    bool held = false; // reading paused until the poll works the frames down
    std::atomic<std::uint32_t> lastHeard{0};
};

GameClient::GameClient(TaskSeam& ui, ClientNotices& notices)
    : uiSeam_(ui), notices_(notices), ui_(std::make_unique<UiCaller>(ui))
{
    pollTimer_ = timers().createTimer(kPollInterval, [this] { poll(); });
    pollTimer_->setEnabled(true);
}

GameClient::~GameClient()
{
    ui_->close(); // an attempt still running reports to nobody
    if (game_)
        game_->setClientLink(nullptr);
    if (attempt_)
        attempt_->cancel();
    {
        std::lock_guard lock(arrivedMutex_);
        if (arrived_)
            arrived_->close();
        arrived_.reset();
    }
    if (connection_)
        connection_->close();
    connection_.reset();
    if (net_)
        net_->stop(kCloseGrace);
    attempt_.reset();
}

// ------------------------------------------------------------------ connecting

bool GameClient::connect(const JoinRequest& request)
{
    if (request.name.empty()) {
        dialogs().showMessage(translate("Client", "Please type or select a player name."), translate("Client", "Error"),
                              MessageButtons::Ok, MessageIcon::Error);
        return false;
    }
    if (request.host.empty()) {
        dialogs().showMessage(translate("Client", "Please enter an IP address or host name."), translate("Client", "Error"),
                              MessageButtons::Ok,
                              MessageIcon::Error);
        return false;
    }
    if (connecting_)
        return false;
    request_ = request;
    request_.name = request_.name.substr(0, TGameClient::kMaxName);
    attempts_ = 0;
    cancelled_ = false;
    connecting_ = true;
    startAttempt();
    return true;
}

void GameClient::reconnect()
{
    reconnecting_ = true;
    JoinRequest again = request_;
    connect(again);
}

void GameClient::startAttempt()
{
    notices_.showStatus(
        fillIn(translate("Client", "Connecting to %1 on port %2..."), {request_.host, std::to_string(request_.port)}));
    if (!net_)
        net_ = std::make_unique<NetLoop>();
    UiCaller* ui = ui_.get();
    auto inbox = std::make_shared<Inbox>();
    attempt_ = ConnectAttempt::start(
        net_->context(), request_.host, request_.port, kConnectTimeoutMs,
        [this, ui, inbox](std::optional<asio::ip::tcp::socket> socket, const std::string& error) {
            // On the I/O thread. The connection starts reading at once; the
            // user-interface thread takes it or closes it.
            if (socket) {
                auto connection = std::make_shared<Connection>(std::move(*socket));
                const std::weak_ptr<Connection> weak = connection;
                Connection::Events events;
                events.bytesArrived = [inbox] { inbox->lastHeard = clock().tickCount(); };
                events.frameArrived = [inbox, weak](Frame&& frame) {
                    std::lock_guard lock(inbox->mutex);
                    inbox->bytes += frame.payload.size() + 8;
                    ++inbox->received;
                    inbox->frames.push_back(std::move(frame));
                    if (inbox->bytes > kInboxLimit && !inbox->held)
                        if (const auto c = weak.lock()) {
                            inbox->held = true;
                            c->pauseReading();
                        }
                };
                events.closed = [inbox](const std::string&) {
                    std::lock_guard lock(inbox->mutex);
                    inbox->closed = true;
                };
                connection->start(std::move(events));
                std::lock_guard lock(arrivedMutex_);
                arrived_ = std::move(connection);
            }
            ui->post([this, inbox, error] { attemptFinished(inbox, error); });
        });
}

void GameClient::attemptFinished(const std::shared_ptr<Inbox>& inbox, const std::string& error)
{
    std::shared_ptr<Connection> connection;
    {
        std::lock_guard lock(arrivedMutex_);
        connection = std::move(arrived_);
    }
    attempt_.reset();
    if (!connecting_ || cancelled_) {
        if (connection)
            connection->close();
        if (connecting_)
            finishConnecting(false);
        return;
    }
    if (connection) {
        connection_ = std::move(connection);
        inbox_ = inbox;
        onConnected();
        finishConnecting(true);
        return;
    }
    ++attempts_;
    if (attempts_ > kMaxRetries) {
        notices_.showStatus(translate("Client", "Maximum attempts reached.  Quitting..."));
        after(kGiveUpPause, [this] { finishConnecting(false); });
        return;
    }
    notices_.showStatus(fillIn(translate("Client", "Connection failed with message: %1\nWill retry (maybe host wasn't "
                                                   "quite ready).  Press cancel to abort.\n"),
                               {error}));
    notices_.showAttempts(attempts_);
    after(kRetryPause, [this] {
        if (cancelled_)
            finishConnecting(false);
        else
            startAttempt();
    });
}

void GameClient::cancel()
{
    if (!connecting_)
        return;
    cancelled_ = true;
    // Between attempts the loop ends now; during one, as soon as the attempt
    // has been called off.
    if (pauseTimer_ && pauseTimer_->isEnabled()) {
        pauseTimer_->setEnabled(false);
        finishConnecting(false);
    } else if (attempt_) {
        attempt_->cancel();
    }
}

void GameClient::finishConnecting(bool connected)
{
    connecting_ = false;
    notices_.connectFinished(connected);
}

void GameClient::after(std::uint32_t ms, std::function<void()> then)
{
    afterPause_ = std::move(then);
    pauseTimer_ = timers().createTimer(ms, [this] {
        pauseTimer_->setEnabled(false);
        auto next = std::move(afterPause_);
        afterPause_ = nullptr;
        if (next)
            next();
    });
    pauseTimer_->setEnabled(true);
}

void GameClient::onConnected()
{
    TGameClient me;
    me.name = request_.name.substr(0, TGameClient::kMaxName);
    knownAs_ = me.name;
    nameModified_ = false;
    pendingRename_.clear();
    me.status = MemberStatus::Connected;
    me.hostName = thisHostName();
    me.versionText = " 1.0";
    me.dictionaryVersion = Dictionary::instance().dictionaryVersion();
    me.email = request_.email.substr(0, TGameClient::kMaxEmail);
    me.message = request_.message.substr(0, TGameClient::kMaxMessage);
    hostStopped_ = false;
    inbox_->lastHeard = clock().tickCount();
    sendFrame(MessageKind::msgLogin, me.toImage());
    pollTimer_->setEnabled(true);
}

bool GameClient::isConnected() const
{
    if (!connection_ || !connection_->isOpen())
        return false;
    std::lock_guard lock(inbox_->mutex);
    return !inbox_->closed;
}

std::uint64_t GameClient::framesReceived() const
{
    if (!inbox_)
        return 0;
    std::lock_guard lock(inbox_->mutex);
    return inbox_->received;
}

std::size_t GameClient::framesWaiting() const
{
    if (!inbox_)
        return 0;
    std::lock_guard lock(inbox_->mutex);
    return inbox_->frames.size();
}

// ------------------------------------------------------------------ sending

bool GameClient::sendFrame(std::int32_t kind, const std::string& payload)
{
    if (!connection_ || !connection_->isOpen())
        return false;
    lastSendTick_ = clock().tickCount();
    return connection_->send(kind, payload);
}

void GameClient::sendWord(const std::string& text) { sendFrame(MessageKind::msgSubmitWord, text); }

void GameClient::sendChatInput(const std::string& text)
{
    const ChatInput in = parseChatInput(text);
    switch (in.kind) {
    case ChatInput::Kind::Nothing:
        return;
    case ChatInput::Kind::Text:
        sendFrame(MessageKind::msgChat, text);
        return;
    case ChatInput::Kind::Command:
        break;
    }
    const auto memberNamed = [this](const std::string& name) {
        for (const TGameClient& m : members_)
            if (equalsIgnoringCase(m.name, name))
                return true;
        return false;
    };
    if (in.letter == 'n') {
        if (memberNamed(keptName(in.argument)))
            localLine(translate("Client", "That name is already in use."));
        else if (in.argument.size() > TGameClient::kMaxName)
            localLine(fillIn(translate("Client", "Names can be at most %1 characters long."),
                             {std::to_string(TGameClient::kMaxName)}));
        else
        {
            pendingRename_ = keptName(in.argument);
            sendFrame(MessageKind::msgRename, in.argument);
        }
    } else if (in.letter == 'w') {
        const WhisperParts w = splitWhisper(in.argument);
        if (w.recipient.empty()) {
            localLine(translate("Client", "Recipient missing.  Whisper format: \"/w [name] [message]\""));
        } else if (!memberNamed(w.recipient)) {
            localLine(fillIn(translate("Client", "There is no one here by the name of \"%1\""), {w.recipient}));
        } else {
            localLine(fillIn(translate("Client", "You whispered to %1: %2"), {w.recipient, w.message}));
            sendFrame(MessageKind::msgWhisper, in.argument);
        }
    } else {
        localLine(translate("Client", "Sorry, I don't understand that command."));
    }
}

void GameClient::resultsClosed()
{
    if (!resultsOpen_)
        return;
    resultsOpen_ = false;
    sendFrame(MessageKind::msgReady);
}

// ------------------------------------------------------------------ polling

void GameClient::poll()
{
    if (game_ && game_->roundRunning && !handling_) {
        game_->tick();
        if (game_ && !game_->roundRunning) {
            sendFrame(MessageKind::msgRoundFinished);
            notices_.waiting(game_->roundCounts);
        }
    }
    if (!connection_)
        return;
    const bool open = connection_->isOpen();
    if (open) {
        // Read before the clock, so that bytes stamped meanwhile are not
        // taken for bytes from the future.
        const std::uint32_t heard = inbox_->lastHeard.load();
        const std::uint32_t now = clock().tickCount();
        if (now - lastSendTick_ > kKeepAliveAfter)
            sendFrame(MessageKind::msgKeepAlive);
        if (game_ && game_->roundRunning && now - heard > kHostSilenceLimit) {
            onConnectionLost();
            return;
        }
    }
    // A frame's handler may stand in a modal window (the congratulations,
    // say) for as long as the user leaves it open. It runs outside this
    // timer's own call, so that the ticks go on meanwhile and keep the
    // connection alive; the next frame waits until it is done.
    if (handling_)
        return;
    if (auto frame = takeFrame()) {
        handling_ = true;
        ui_->post([this, f = std::move(*frame)] {
            handleFrame(f);
            handling_ = false;
        });
        return;
    }
    bool closed;
    {
        std::lock_guard lock(inbox_->mutex);
        closed = inbox_->closed;
    }
    // The frames that came before the end have all been handled.
    if (!open || closed)
        onConnectionLost();
}

std::optional<Frame> GameClient::takeFrame()
{
    std::optional<Frame> frame;
    bool resume = false;
    {
        std::lock_guard lock(inbox_->mutex);
        if (inbox_->frames.empty())
            return frame;
        frame = std::move(inbox_->frames.front());
        inbox_->frames.pop_front();
        inbox_->bytes -= std::min(inbox_->bytes, frame->payload.size() + 8);
        if (inbox_->held && inbox_->bytes <= kInboxLimit / 2) {
            inbox_->held = false;
            resume = true;
        }
    }
    if (resume)
        connection_->resumeReading();
    return frame;
}

void GameClient::onConnectionLost()
{
    if (connecting_ || hostStopped_ || !connection_)
        return;
    pollTimer_->setEnabled(false);
    connection_->close();
    connection_.reset();
    inbox_.reset();
    if (shuttingDown_)
        return;
    localLine(translate("Client", "Disconnected"));
    ui_->post([this] {
        if (!hostStopped_)
            notices_.connectionLost();
    });
}

void GameClient::dropConnection()
{
    if (connection_)
        connection_->close();
}

void GameClient::shutdown()
{
    shuttingDown_ = true;
    cancel();
    if (connection_)
        connection_->closeAfterSending();
    connection_.reset();
    inbox_.reset();
    pollTimer_->setEnabled(false);
}

void GameClient::setGame(Game* game)
{
    if (game_ && game_ != game)
        game_->setClientLink(nullptr);
    game_ = game;
    shownRound_ = -1;
    resultsOpen_ = false;
    if (game_)
        game_->setClientLink(this);
}

// ------------------------------------------------------------------ the host's frames

bool GameClient::withGame(const Frame& frame)
{
    if (game_)
        return true;
    notices_.frameRead(frame.kind, true);
    return false;
}

void GameClient::handleFrame(const Frame& frame)
{
    using namespace MessageKind;
    const auto handled = [&] { notices_.frameRead(frame.kind, false); };
    const auto dropped = [&] { notices_.frameRead(frame.kind, true); };
    switch (frame.kind) {
    case msgMemberList:
        members_ = decodeMemberList(frame.payload);
        for (TGameClient& m : members_)
            for (std::string* field : {&m.name, &m.dictionaryVersion, &m.versionText, &m.address, &m.hostName,
                                       &m.email, &m.message})
                *field = plainText(*field);
        handled();
        notices_.membersChanged();
        break;
    case msgChatLine:
    case msgPrivateLine: {
        handled();
        const std::string line = plainText(decodeText(frame.payload), kMaxShownLine);
        noteOwnName(frame.kind, line);
        localLine(line);
        break;
    }
    case msgSettings:
    case msgSettingsRejoin: {
        if (!withGame(frame))
            break;
        const auto record = decodeSettings(frame.payload);
        if (!record) {
            dropped();
            break;
        }
        handled();
        applySettings(*record);
        break;
    }
    case msgGridNewRound:
    case msgGridRejoin: {
        if (frame.kind == msgGridNewRound)
            reconnecting_ = false;
        if (!withGame(frame))
            break;
        const auto grid = decodeGrid(frame.payload);
        if (reconnecting_ || !grid) {
            dropped();
            break;
        }
        handled();
        if (Round* r = game_->round(); r && r->resultsWindow() && resultsOpen_) {
            // The host moved on: the results close without a readiness of their own.
            resultsOpen_ = false;
            notices_.closeResults();
        }
        GridOptions& o = gridOptions();
        o.gridColumns = grid->columns;
        o.gridRows = grid->rows;
        auto received = std::make_unique<Grid>(false);
        received->fromImage(grid->image.data());
        game_->setReceivedGrid(std::move(received));
        notices_.startRound();
        break;
    }
    case msgScores: {
        if (!withGame(frame))
            break;
        handled();
        const ScoreUpdate scores = decodeScores(frame.payload);
        game_->applyScores(scores);
        if (scores[4] != shownRound_) {
            shownRound_ = scores[4];
            // Before the first round the label shows the round to come.
            notices_.setRoundLabel(roundLabel(std::max(1, shownRound_)));
        }
        break;
    }
    case msgResultsReady:
        if (!withGame(frame))
            break;
        handled();
        game_->refreshScores();
        if (game_->currentRound != game_->roundsPerGame)
            showResults();
        break;
    case msgPlayers:
        if (!withGame(frame))
            break;
        handled();
        game_->replacePlayers(reinterpret_cast<const unsigned char*>(frame.payload.data()), frame.payload.size());
        break;
    case msgPlayerWords:
        if (!withGame(frame))
            break;
        handled();
        game_->replaceWordList(reinterpret_cast<const unsigned char*>(frame.payload.data()), frame.payload.size());
        break;
    case msgWordVerdict: {
        if (!withGame(frame))
            break;
        auto v = decodeVerdict(frame.payload);
        if (v)
            v->word = plainText(v->word, kMaxShownLine);
        if (!v) {
            dropped();
            break;
        }
        handled();
        game_->showRemoteVerdict(v->code, v->word);
        notices_.verdictShown(v->code, v->word);
        break;
    }
    case msgRejoinGame:
        if (reconnecting_) {
            dropped();
            break;
        }
        handled();
        notices_.createClientGame();
        break;
    case msgAdmitted:
        handled();
        notices_.createClientGame();
        break;
    case msgBonusHint: {
        if (!withGame(frame))
            break;
        handled();
        const BonusHint hint = decodeBonusHint(frame.payload);
        game_->setBonusWordFromHost(hint.text, hint.points);
        break;
    }
    case msgRoundEndCounts:
    case msgRoundEndVoid: {
        if (!withGame(frame))
            break;
        handled();
        const bool counts = frame.kind == msgRoundEndCounts;
        game_->requestRoundEnd(counts);
        localLine(fillIn(counts ? translate("Client", "*** The Host ended round %1 abrubtly.  The round will count.")
                                : translate("Client", "*** The Host ended round %1 abrubtly.  The round will not count."),
                         {std::to_string(game_->currentRound)}));
        break;
    }
    case msgTimeLeft: {
        if (!withGame(frame))
            break;
        const auto seconds = decodeInt32(frame.payload);
        if (reconnecting_ || !game_->round() || !seconds) {
            dropped();
            break;
        }
        handled();
        game_->round()->syncTimeLeft(*seconds);
        break;
    }
    case msgWinner:
        if (!withGame(frame))
            break;
        handled();
        game_->showCongratulations(plainText(decodeText(frame.payload), kMaxShownLine));
        showResults();
        break;
    case msgNewGame:
        if (!withGame(frame))
            break;
        handled();
        setGame(nullptr);
        localLine(translate("Client", "*** The Host started a new game."));
        notices_.hostStartedNewGame();
        break;
    case msgMemberReady: {
        handled();
        const std::string name = plainText(decodeText(frame.payload));
        for (TGameClient& m : members_)
            if (m.name == name) {
                m.status = MemberStatus::Ready;
                notices_.membersChanged();
                break;
            }
        break;
    }
    case msgHostShutdown:
        handled();
        pollTimer_->setEnabled(false);
        hostStopped_ = true;
        dialogs().showMessage(translate("Client", "The host has shut down abruptly (but deliberately)"),
                              translate("Client", "Notice"), MessageButtons::Ok,
                              MessageIcon::Information);
        ui_->post([this] { notices_.hostShutDown(); });
        break;
    default:
        dropped(); // a kind a host never sends
        break;
    }
}

void GameClient::noteOwnName(std::int32_t kind, const std::string& line)
{
    // The host's login reply says when it gave us another name than we
    // asked for; which one, only a later rename tells.
    if (kind == MessageKind::msgPrivateLine && line.rfind(" >>> ", 0) == 0 &&
        line.find("Your name was modified because it was already taken.") != std::string::npos)
        nameModified_ = true;
    if (kind != MessageKind::msgChatLine || pendingRename_.empty())
        return;
    // Our rename went through: from now on (a reconnect too) we are the new name.
    const std::string tail = " is now known as " + pendingRename_;
    const bool ours = line == " *** " + knownAs_ + tail ||
                      (nameModified_ && line.rfind(" *** ", 0) == 0 && line.size() > tail.size() &&
                       line.compare(line.size() - tail.size(), tail.size(), tail) == 0);
    if (!ours)
        return;
    knownAs_ = pendingRename_;
    request_.name = pendingRename_;
    pendingRename_.clear();
    nameModified_ = false;
}

void GameClient::applySettings(const GameInfo& record)
{
    game_->fromSettingsRecord(record);
    game_->roundsPerGame = record.roundsPerGame;
    for (int slot = 0; slot < Game::kMaxPlayers; ++slot) {
        if (slot >= game_->playerCount)
            continue;
        if (!game_->playerAt(slot))
            game_->placeEmptyPlayer(slot);
        // The score so far (0 before the host sends any), not a blank.
        if (Player* p = game_->playerAt(slot); p && p->scoreLabel)
            p->scoreLabel->setText(std::to_string(p->gameScore));
    }
    notices_.applySettings();
    notices_.setRoundLabel(roundLabel(game_->currentRound));
}

void GameClient::showResults()
{
    game_->showRoundResults();
    resultsOpen_ = true;
    notices_.resultsShown(game_->currentRound);
}

} // namespace lettrava
