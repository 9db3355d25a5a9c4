#include "session/GameSession.h"
#include "core/platform/Texts.h"

#include "core/game/Game.h"
#include "core/platform/Dialogs.h"
#include "net/GameClient.h"
#include "net/GameHost.h"

namespace lettrava {

GameSession::GameSession(GameView& view, TaskSeam* ui) : view_(view), ui_(ui) {}

GameSession::~GameSession()
{
    onGameDropped = nullptr; // the window that listened may be going too
    leaveNetwork();
}

// ------------------------------------------------------------------ games

bool GameSession::confirmSave(const std::function<bool()>& save)
{
    if (!game_ || !game_->inProgress || !game_->unsavedChanges)
        return true;
    switch (dialogs().showMessage(translate("Session", "Do you want to save the game?"), translate("Session", "Warning"), MessageButtons::YesNoCancel,
                                  MessageIcon::Warning)) {
    case MessageAnswer::Yes: return save();
    case MessageAnswer::No: return true;
    default: return false;
    }
}

bool GameSession::confirmClose(const std::function<bool()>& save)
{
    if (!game_ || game_->networkMode == NetworkMode::Client)
        return true;
    if (game_->roundRunning) {
        if (dialogs().showMessage(translate("Session", "This will abort (and not count) the current round.  Are you sure?"),
                                  translate("Session", "Warning"),
                                  MessageButtons::YesNo, MessageIcon::Warning)
            != MessageAnswer::Yes)
            return false;
        game_->abortRoundForClose();
    }
    return confirmSave(save);
}

void GameSession::dropGame()
{
    if (client_)
        client_->setGame(nullptr);
    if (host_)
        host_->setGame(nullptr);
    if (game_) {
        if (game_->round())
            game_->round()->hideResultsWindow();
        game_->wordEntry().reset();
    }
    const bool had = game_ != nullptr;
    game_.reset();
    if (had && onGameDropped)
        onGameDropped();
}

void GameSession::replaceGame(std::unique_ptr<Game> game)
{
    dropGame();
    game_ = std::move(game);
}

Game* GameSession::takeNewGame(std::unique_ptr<Game> made)
{
    if (!made->isReady())
        return nullptr; // the old game, if one was kept, stays
    if (host_) {
        // The members hear of the new game before the old one goes; the new
        // one is hosted too, on the same port.
        host_->announceNewGame();
        made->networkMode = NetworkMode::Host;
        made->hostPort = host_->port();
    }
    replaceGame(std::move(made));
    return game_.get();
}

Game* GameSession::newGame(bool allowNetworkChoice)
{
    if (client_)
        return nullptr; // a client's game is its host's
    if (game_)
        game_->wordEntry().reset();
    // While hosting, the old game stays until the new one is ready.
    if (!host_)
        dropGame();
    return takeNewGame(Game::createNew(view_, allowNetworkChoice && !host_));
}

Game* GameSession::newGameFromSetup(const GameSetup& setup)
{
    if (client_)
        return nullptr;
    if (!host_)
        dropGame();
    return takeNewGame(Game::createFromSetup(view_, setup));
}

Game* GameSession::loadGame(const std::filesystem::path& file)
{
    if (client_)
        return nullptr;
    if (game_)
        game_->wordEntry().reset();
    if (!host_)
        dropGame();
    return takeNewGame(Game::createFromFile(view_, file));
}

bool GameSession::saveGame(const std::filesystem::path& file)
{
    return game_ && game_->saveToFile(file);
}

// ------------------------------------------------------------------ hosting

bool GameSession::startHosting(HostNotices& notices, std::string& errorText, std::optional<std::uint16_t> port)
{
    if (!game_ || client_ || !ui_) {
        errorText = "No network here";
        return false;
    }
    if (host_)
        return true;
    // The host is the session's before it starts: what it tells its window
    // while starting (its member list) is read back through the session.
    host_ = std::make_unique<GameHost>(*ui_, notices);
    const Player* first = game_->playerAt(0);
    if (!host_->startHosting(port.value_or(static_cast<std::uint16_t>(game_->hostPort)),
                             first ? first->name : std::string(), game_.get(), errorText)) {
        host_.reset();
        game_->networkMode = NetworkMode::Local;
        return false;
    }
    return true;
}

void GameSession::seatMembers()
{
    if (host_ && game_) {
        host_->setGame(game_.get());
        host_->readmitMembers();
    }
}

// ------------------------------------------------------------------ joining

GameClient& GameSession::join(ClientNotices& notices)
{
    if (!client_) {
        leaveNetwork();
        client_ = std::make_unique<GameClient>(*ui_, notices);
    }
    return *client_;
}

Game* GameSession::createClientGame()
{
    replaceGame(Game::createClient(view_));
    if (client_)
        client_->setGame(game_.get());
    return game_.get();
}

// ------------------------------------------------------------------ leaving

void GameSession::leaveNetwork()
{
    dropGame();
    if (host_) {
        host_->shutdown();
        host_.reset();
    }
    if (client_) {
        client_->shutdown();
        client_.reset();
    }
}

} // namespace lettrava
