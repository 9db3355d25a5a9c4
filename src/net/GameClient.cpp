#include "net/GameClient.h"

#include "core/grid/Grid.h"
#include "core/grid/GridOptions.h"
#include "core/platform/Clock.h"
#include "core/platform/Dialogs.h"
#include "core/platform/TextLabel.h"
#include "core/words/Dictionary.h"
#include "net/ChatRules.h"
#include "net/Connection.h"
#include "net/Payloads.h"

#include <unistd.h>

namespace lettrava {

namespace {

std::string thisHostName()
{
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0)
        return {};
    return name;
}

} // namespace

GameClient::GameClient(TaskSeam& ui, ClientNotices& notices)
    : uiSeam_(ui), notices_(notices), ui_(std::make_unique<UiCaller>(ui))
{
    pollTimer_ = timers().createTimer(kPollInterval, [this] { poll(); });
    pollTimer_->setEnabled(true);
}

GameClient::~GameClient()
{
    ui_->close(); // an attempt still running reports to nobody
    if (attemptThread_.joinable())
        attemptThread_.join();
    if (game_)
        game_->setClientLink(nullptr);
    if (connection_)
        connection_->close();
}

// ------------------------------------------------------------------ connecting

bool GameClient::connect(const JoinRequest& request)
{
    if (request.name.empty()) {
        dialogs().showMessage("Please type or select a player name.", "Error", MessageButtons::Ok, MessageIcon::Error);
        return false;
    }
    if (request.host.empty()) {
        dialogs().showMessage("Please enter an IP address or host name.", "Error", MessageButtons::Ok,
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
    if (attemptThread_.joinable())
        attemptThread_.join();
    notices_.showStatus("Connecting to " + request_.host + " on port " + std::to_string(request_.port) + "...");
    const std::string host = request_.host;
    const std::uint16_t port = request_.port;
    UiCaller* ui = ui_.get();
    attemptThread_ = std::thread([this, ui, host, port] {
        auto error = std::make_shared<std::string>();
        // Shared so that a report nobody runs any more still closes the connection.
        auto made = std::make_shared<std::unique_ptr<Connection>>(connectTo(host, port, kConnectTimeoutMs, *error));
        ui->post([this, made, error] { attemptFinished(std::move(*made), *error); });
    });
}

void GameClient::attemptFinished(std::unique_ptr<Connection> connection, const std::string& error)
{
    if (!connecting_)
        return;
    if (cancelled_) {
        if (connection)
            connection->close();
        finishConnecting(false);
        return;
    }
    if (connection) {
        connection_ = std::move(connection);
        decoder_ = FrameDecoder();
        peerClosed_ = false;
        onConnected();
        finishConnecting(true);
        return;
    }
    ++attempts_;
    if (attempts_ > kMaxRetries) {
        notices_.showStatus("Maximum attempts reached.  Quitting...");
        after(kGiveUpPause, [this] { finishConnecting(false); });
        return;
    }
    notices_.showStatus("Connection failed with message: " + error + "\n" +
                        "Will retry (maybe host wasn't quite ready).  " + "Press cancel to abort." + "\n");
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
    // Between attempts the loop ends now; during one, when it returns.
    if (pauseTimer_ && pauseTimer_->isEnabled()) {
        pauseTimer_->setEnabled(false);
        finishConnecting(false);
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
    me.status = MemberStatus::Connected;
    me.hostName = thisHostName();
    me.versionText = " 1.0";
    me.dictionaryVersion = Dictionary::instance(false).dictionaryVersion();
    me.email = request_.email.substr(0, TGameClient::kMaxEmail);
    me.message = request_.message.substr(0, TGameClient::kMaxMessage);
    hostStopped_ = false;
    lastHeardTick_ = clock().tickCount();
    sendFrame(MessageKind::msgLogin, me.toImage());
    pollTimer_->setEnabled(true);
}

bool GameClient::isConnected() const { return connection_ && connection_->isOpen() && !peerClosed_; }

// ------------------------------------------------------------------ sending

bool GameClient::sendFrame(std::int32_t kind, const std::string& payload)
{
    if (!connection_ || !connection_->isOpen())
        return false;
    lastSendTick_ = clock().tickCount();
    return connection_->sendFrame(kind, payload);
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
        if (memberNamed(in.argument))
            localLine("That name is already in use.");
        else if (in.argument.size() > TGameClient::kMaxName)
            localLine("Names can be at most " + std::to_string(TGameClient::kMaxName) + " characters long.");
        else
            sendFrame(MessageKind::msgRename, in.argument);
    } else if (in.letter == 'w') {
        const WhisperParts w = splitWhisper(in.argument);
        if (w.recipient.empty()) {
            localLine("Recipient missing.  Whisper format: \"/w [name] [message]\"");
        } else if (!memberNamed(w.recipient)) {
            localLine("There is no one here by the name of \"" + w.recipient + "\"");
        } else {
            localLine("You whispered to " + w.recipient + ": " + w.message);
            sendFrame(MessageKind::msgWhisper, in.argument);
        }
    } else {
        localLine("Sorry, I don't understand that command.");
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
    if (game_ && game_->roundRunning) {
        game_->tick();
        if (game_ && !game_->roundRunning) {
            sendFrame(MessageKind::msgRoundFinished);
            notices_.waiting(game_->roundCounts);
        }
    }
    if (!connection_)
        return;
    const bool open = connection_->isOpen() && !peerClosed_;
    const std::uint32_t now = clock().tickCount();
    if (open) {
        if (now - lastSendTick_ > kKeepAliveAfter)
            sendFrame(MessageKind::msgKeepAlive);
        if (game_ && game_->roundRunning && now - lastHeardTick_ > kHostSilenceLimit) {
            onConnectionLost();
            return;
        }
        if (!decoder_.hasFrame()) {
            auto r = connection_->receive(decoder_, 25);
            // A frame that has begun to arrive is completed before it is handled.
            for (int waits = 0; r == Connection::ReadResult::Data && decoder_.midFrame() && !decoder_.hasFrame() &&
                                waits < 100;
                 ++waits)
                r = connection_->receive(decoder_, 100);
            if (r == Connection::ReadResult::Closed)
                peerClosed_ = true; // the frames that came before the close still count
            else if (r == Connection::ReadResult::Failed || r == Connection::ReadResult::TooLarge) {
                onConnectionLost();
                return;
            }
        }
    }
    if (auto frame = decoder_.next()) {
        lastHeardTick_ = now;
        handleFrame(*frame);
        return;
    }
    if (!open || peerClosed_)
        onConnectionLost();
}

void GameClient::onConnectionLost()
{
    if (connecting_ || hostStopped_ || !connection_)
        return;
    pollTimer_->setEnabled(false);
    connection_->close();
    connection_.reset();
    decoder_ = FrameDecoder();
    peerClosed_ = false;
    if (shuttingDown_)
        return;
    localLine("Disconnected");
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
        connection_->close();
    connection_.reset();
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
        handled();
        notices_.membersChanged();
        break;
    case msgChatLine:
    case msgPrivateLine:
        handled();
        localLine(decodeText(frame.payload));
        break;
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
            notices_.setRoundLabel("Round " + std::to_string(shownRound_));
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
        const auto v = decodeVerdict(frame.payload);
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
        localLine("*** The Host ended round " + std::to_string(game_->currentRound) +
                  (counts ? " abrubtly.  The round will count." : " abrubtly.  The round will not count."));
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
        game_->showCongratulations(decodeText(frame.payload));
        showResults();
        break;
    case msgNewGame:
        if (!withGame(frame))
            break;
        handled();
        setGame(nullptr);
        localLine("*** The Host started a new game.");
        notices_.hostStartedNewGame();
        break;
    case msgMemberReady: {
        handled();
        const std::string name = decodeText(frame.payload);
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
        dialogs().showMessage("The host has shut down abruptly (but deliberately)", "Notice", MessageButtons::Ok,
                              MessageIcon::Information);
        ui_->post([this] { notices_.hostShutDown(); });
        break;
    default:
        dropped(); // a kind a host never sends
        break;
    }
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
        if (Player* p = game_->playerAt(slot); p && p->scoreLabel)
            p->scoreLabel->setText("");
    }
    notices_.applySettings();
    notices_.setRoundLabel("Round " + std::to_string(game_->currentRound == 0 ? 1 : game_->currentRound));
}

void GameClient::showResults()
{
    game_->showRoundResults();
    resultsOpen_ = true;
    notices_.resultsShown(game_->currentRound);
}

} // namespace lettrava
