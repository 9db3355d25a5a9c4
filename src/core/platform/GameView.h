#pragma once

#include <memory>
#include <string>

namespace lettrava {

class Game;
class Grid;
class Round;
class TextLabel;
struct GameSetup;

// The round results window, as the engine sees it: created at the end of a
// counted round, owned by the round, shown modally (local and hosting games)
// or without waiting (clients).
class ResultsWindow {
public:
    virtual ~ResultsWindow() = default;
    virtual void showModal() = 0;
    virtual void showModeless() = 0;
    // The host started the next round while the window is still up.
    virtual void requestHide() = 0;
};

// Everything the game engine asks of the main window. The desktop program's
// main window implements it; tests record the calls; the command-line tool
// prints what it needs. Every call arrives on the user-interface thread.
class GameView {
public:
    virtual ~GameView() = default;

    // Status bar, first panel.
    virtual void setStatusText(const std::string& text) = 0;

    // The players' labels of a slot (0 to 3); never null.
    virtual TextLabel& scoreLabel(int slot) = 0;
    virtual TextLabel& nameLabel(int slot) = 0;

    // The grid size the user set with the main window's spinners.
    virtual void manualGridSize(int& columns, int& rows) = 0;

    // A round begins: "Start Round" disabled, letter cells hidden.
    virtual void roundStarting() = 0;
    // The window switches to round mode (menus, panels, round label, status
    // bar panels); the game tells what to show.
    virtual void enterRoundMode(const Game& game) = 0;
    // Builds the board of letter cells for the grid.
    virtual void buildBoard(const Grid& grid) = 0;
    // Places the word entry panel below the board and shows it (enabled, with
    // the focus) or hides it.
    virtual void placeWordEntryPanel(bool show) = 0;
    // The mouse entry state changed: cell colours, cursors, tooltips, the
    // word entry text and "Clear Mouse Clicks" are to be redrawn from the game.
    virtual void refreshLetterCells() = 0;

    // The round clock label: its text and whether it flashes.
    virtual void setClockText(const std::string& text) = 0;
    virtual void setClockFlashing(bool flashing) = 0;

    // Pause: pause panel, hidden letters, entry disabled, "Pause"/"Resume".
    virtual void setPaused(bool paused) = 0;

    // The bonus letters (an underscore for a hidden letter) and the value text.
    virtual void showBonusHint(const std::string& letters, const std::string& value) = 0;

    // The window leaves round mode (clock "OVER" or "ABORTED" is set apart).
    virtual void leaveRoundMode(const Game& game, bool counts) = 0;
    // The window offers the next round ("Start Round", round-time picture,
    // spinners, bonus panel, "Round" menu).
    virtual void prepareNextRound(const Game& game) = 0;
    virtual void setRoundLabel(const std::string& text) = 0;
    virtual void setRoundTimeHint(const std::string& text) = 0;
    virtual void setShowResultsEnabled(bool enabled) = 0;

    virtual void setMainWindowVisible(bool visible) = 0;
    virtual std::unique_ptr<ResultsWindow> createResultsWindow(Game& game, Round& round) = 0;
    // Shows the congratulations window modally.
    virtual void showCongratulations(const std::string& text, bool humanWinner) = 0;

    // Runs the setup dialog on `setup` (filled with the current values);
    // false when the user cancels.
    virtual bool runSetupDialog(GameSetup& setup, bool isNew, bool allowNetworkChoice) = 0;
};

} // namespace lettrava
