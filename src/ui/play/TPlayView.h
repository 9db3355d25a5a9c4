#pragma once

#include "core/platform/GameView.h"

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QSize>

#include <memory>
#include <string>

class QLabel;
class QString;
class QWidget;

namespace lettrava {

class Game;
class Grid;
class Round;
class TLetterBoard;
class TLetterLabel;
class TPlayPanels;
struct GameSetup;

// What the play view asks of the window it sits in: the window's commands
// follow the game's phases, and the window opens the game's other windows.
class PlayShell {
public:
    virtual ~PlayShell() = default;
    virtual Game* currentGame() const = 0;
    // The centre's parts are to be placed again.
    virtual void layoutCentre() = 0;
    // The commands of each phase: a round starts, runs, ends; the next is offered.
    virtual void roundStarting() = 0;
    virtual void roundModeEntered(const Game& game) = 0;
    virtual void roundModeLeft(const Game& game) = 0;
    virtual void nextRoundPrepared(const Game& game) = 0;
    virtual void pausedChanged(bool paused) = 0;
    virtual void clearClicksAvailable(bool available) = 0;
    virtual void showResultsAvailable(bool available) = 0;
    virtual void setWindowShown(bool shown) = 0;
    virtual std::unique_ptr<ResultsWindow> createResultsWindow(Game& game, Round& round) = 0;
    virtual void showCongratulations(const std::string& text, bool humanWinner) = 0;
    virtual bool runSetupDialog(GameSetup& setup, bool isNew, bool allowNetworkChoice) = 0;
};

// The status bar's three panels: the message, the word lengths, the letter reuse.
struct StatusPanels {
    QLabel* message = nullptr;
    QLabel* lengths = nullptr;
    QLabel* reuse = nullptr;
};

// The game's view in the main window: the GameView the game talks to. It
// builds and shows the board, fills the panels of play and the status bar,
// and takes the player's clicks and typing to the game; what the window's
// commands do in each phase it leaves to the shell.
class TPlayView : public GameView {
public:
    TPlayView(PlayShell& shell, TLetterBoard& board, TPlayPanels& panels, QWidget& centre, StatusPanels status);

    // ---- the board's look
    void setTileSize(QSize tile, int gap)
    {
        tileSize_ = tile;
        tileGap_ = gap;
    }
    QSize tileSize() const { return tileSize_; }
    int tileGap() const { return tileGap_; }
    void setLetterFont(const QFont& font) { letterFont_ = font; }
    const QFont& letterFont() const { return letterFont_; }
    const QColor& letterColour() const { return letterColour_; }
    // Where the prototype tile sits in the board area.
    QPoint tilePrototypePosition() const;
    // Set while a board is built: the window does not place its parts then.
    bool building() const { return building_; }
    // Whether the word entry panel is to be shown under the board.
    bool wordEntryWanted() const { return wordEntryWanted_; }
    void forgetWordEntry() { wordEntryWanted_ = false; }

    // ---- the board
    void removeBoard();
    void showAllCells(bool show);
    void showCellsForPause(const Grid& grid, bool show);
    TLetterLabel* letterAt(int column, int row) const;
    QLabel* tileAt(int column, int row) const;

    // ---- the panels
    // A new current game: its players, its round to come, nothing of a board yet.
    void showGame(Game& game);
    // The current game went: its board and what it showed of a round.
    void clearGame();
    void fillStatusPanels();
    void clearStatusPanels();
    // Each slot's name and score labels: shown for the game's players, with 0.
    void showPlayerLabels();
    // The client's slots as its settings name them, scores 0 until the host sends any.
    void showClientPlayers(const Game& game);
    // The labels of a slot a remote player took.
    void showSeatedPlayer(const Game& game, int slot);

    // ---- the player's input
    void letterPressed(int column, int row, Qt::MouseButton button);
    void wordEntryEdited(const QString& text);
    void submitTypedWord();

    // ---- GameView
    void setStatusText(const std::string& text) override;
    TextLabel& scoreLabel(int slot) override;
    TextLabel& nameLabel(int slot) override;
    void manualGridSize(int& columns, int& rows) override;
    void roundStarting() override;
    void enterRoundMode(const Game& game) override;
    void buildBoard(const Grid& grid) override;
    void placeWordEntryPanel(bool show) override;
    void refreshLetterCells() override;
    void setClockText(const std::string& text) override;
    void setClockFlashing(bool flashing) override;
    void setPaused(bool paused) override;
    void showBonusHint(const std::string& letters, const std::string& value) override;
    void leaveRoundMode(const Game& game, bool counts) override;
    void prepareNextRound(const Game& game) override;
    void setRoundLabel(const std::string& text) override;
    void setRoundTimeHint(const std::string& text) override;
    void setShowResultsEnabled(bool enabled) override;
    void setMainWindowVisible(bool visible) override;
    std::unique_ptr<ResultsWindow> createResultsWindow(Game& game, Round& round) override;
    void showCongratulations(const std::string& text, bool humanWinner) override;
    bool runSetupDialog(GameSetup& setup, bool isNew, bool allowNetworkChoice) override;

private:
    PlayShell& shell_;
    TLetterBoard& board_;
    TPlayPanels& play_;
    QWidget& centre_;
    StatusPanels status_;

    QSize tileSize_;
    int tileGap_ = 3;
    QFont letterFont_;
    QColor letterColour_{Qt::black};
    bool building_ = false;
    bool wordEntryWanted_ = false;
};

} // namespace lettrava
