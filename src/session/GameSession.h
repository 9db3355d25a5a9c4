#pragma once

#include "core/game/GameSetup.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace lettrava {

class ClientNotices;
class Game;
class GameClient;
class GameHost;
class GameView;
class HostNotices;
class TaskSeam;

// The one game session of the program: the current game (or none) and, in a
// network game, its host or its client. The main window drives it and shows
// what it reports; lettrava-tool's game and network commands drive the very
// same steps, so that the windows and the tools cannot drift apart.
//
// Everything runs on the user-interface thread. Questions (save first?) and
// errors go through the dialogs seam; the view is the game's. A session made
// without a task seam plays local games only.
class GameSession {
public:
    explicit GameSession(GameView& view, TaskSeam* ui = nullptr);
    // Leaves the network game and drops the game.
    ~GameSession();
    GameSession(const GameSession&) = delete;
    GameSession& operator=(const GameSession&) = delete;

    Game* game() const { return game_.get(); }
    GameHost* host() const { return host_.get(); }
    GameClient* client() const { return client_.get(); }
    bool hosting() const { return host_ != nullptr; }
    bool joined() const { return client_ != nullptr; }

    // Told when the current game goes, before anything else is made: the
    // window clears the board and the panels of play.
    std::function<void()> onGameDropped;

    // ---- games
    // Asks whether to save a game with unsaved rounds; Yes saves with `save`.
    // False when the user cancels (or the save fails), true otherwise.
    bool confirmSave(const std::function<bool()>& save);
    // The program is to close: a running round is aborted (and does not
    // count) once the user agrees, then as confirmSave. A client's game is
    // its host's: nothing to ask. False when the user keeps the program open.
    bool confirmClose(const std::function<bool()>& save);

    // "New": the setup dialog's new game, or none when it was cancelled (a
    // client starts none). The current game goes first, or, while hosting,
    // only once the new one is ready: then the members hear of the new game,
    // the old one goes, and the new one is hosted on the same port — call
    // seatMembers() once the window shows it. Asking about saving is the
    // caller's.
    Game* newGame(bool allowNetworkChoice = true);
    // A new game of these choices (the tools' way), replacing the current one.
    Game* newGameFromSetup(const GameSetup& setup);
    // "Continue": the game saved in `file`, or none when it cannot be read
    // (the reader said why); a game loaded while hosting is hosted too.
    Game* loadGame(const std::filesystem::path& file);
    // Saves the current game; false when it could not be written (the
    // caller tells the user).
    bool saveGame(const std::filesystem::path& file);
    // The current game goes: the connection forgets it first, an open
    // results window closes.
    void dropGame();

    // ---- hosting
    // Starts listening for the current hosting game on its port; false with
    // the system's text, and the game becomes a local one. The notices go
    // to `notices` for as long as the host lives.
    // With `port`, listening is on that port instead (0: one the system chooses).
    bool startHosting(HostNotices& notices, std::string& errorText, std::optional<std::uint16_t> port = std::nullopt);
    // The members are seated in the current (new) game again.
    void seatMembers();

    // ---- joining
    // The client of a network game, its attempts still to be started (a
    // session with a task seam only).
    GameClient& join(ClientNotices& notices);
    // The host admitted us (or we return): a client game replaces the current one.
    Game* createClientGame();

    // Ends the network game: the connections close and the game goes.
    void leaveNetwork();

private:
    void replaceGame(std::unique_ptr<Game> game);
    // A made game taken as the current one, or dropped when it is not ready.
    Game* takeNewGame(std::unique_ptr<Game> made);

    GameView& view_;
    TaskSeam* ui_;
    std::unique_ptr<GameHost> host_;
    std::unique_ptr<GameClient> client_;
    std::unique_ptr<Game> game_; // goes before the connections that report to it
};

} // namespace lettrava
