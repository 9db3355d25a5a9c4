#pragma once

#include "ui/play/TPlayView.h"
#include "ui/shell/MainActions.h"

#include <QMainWindow>
#include <QPointer>
#include <QString>

#include <array>
#include <functional>
#include <memory>

class QAction;
class QLabel;
class QMenu;
class QKeyEvent;
class QPainter;
class QSplitter;
class QToolButton;

namespace lettrava {

class DictionaryChoice;
class Game;
class GamePreferences;
class GameSession;
class QtTaskSeam;
class TAdvancedPanel;
class TCentreLayout;
class TChatPanel;
class TFactoryMode;
class TLetterBoard;
class TLetterLabel;
class TNetworkPlay;
class TPlayPanels;
class TPreferencesForm;
class TRRForm;
class TSpeedBar;
class TTCPForm;
class TWelcomePanel;

// The program's main window, "Lettrava": the welcome panel while there is no
// game; the board of letter cells with the players' scores, the round clock,
// the bonus panel and the word entry field during play; the Grid Factory in
// its place; the game's commands in menus, a speed bar and keys.
//
// The game and its connections are the game session's, which the window
// drives; the game's view is the play view (ui/play), to which the window
// lends its board and panels and whose phases its commands follow; the
// network side is TNetworkPlay. Every rule of play is the game's own.
//
// The windows of the results, the statistics, the tips and the about box are
// opened through replaceable hooks; while a hook is not set the window does
// what the game does without that window.
class TMainForm : public QMainWindow, private PlayShell {
    Q_OBJECT
public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    static constexpr const char* kTitle = "Lettrava";

    // ---- hooks for windows made elsewhere
    // The results window of a counted round; none while not set.
    std::function<std::unique_ptr<ResultsWindow>(Game&, Round&)> resultsWindowFactory;
    // The congratulations window at the end of a game, shown modally.
    std::function<void(const std::string& text, bool humanWinner)> congratulationsHandler;
    // The statistics summary of "View Player Stats" when the store holds records.
    std::function<void()> playerStatsHandler;
    // "Tip of the Day" and "About" in the Help menu; the entries are offered
    // only while their hooks are set.
    std::function<void()> tipOfTheDayHandler;
    std::function<void()> aboutHandler;
    // The tips at the window's first activation (when the preferences ask for
    // them): in order on the program's first run, at random otherwise.
    std::function<void(bool inOrder)> startupTipsHandler;
    // The warning that the help cannot be shown, at start-up.
    std::function<void()> helpWarningHandler;
    // "Join an Internet Game" in place of the window's own connection window
    // (tests); the window joins by itself while it is not set.
    std::function<void()> joinGameHandler;
    // Whether the setup dialog may offer "Listen for network players" (also
    // only while no network connection window exists).
    bool networkChoiceAvailable = true;

    Game* game() const;
    GameSession& session() const { return *session_; }
    // The program's preferences, made with the window and kept for its life.
    GamePreferences& gamePreferences() const { return *preferences_; }
    TPreferencesForm& preferencesForm() const { return *preferencesForm_; }

    // The window's modes: the welcome panel between games, the board and
    // the panels of play during one. Every switch goes through setMode.
    enum class Mode { Welcome, Play, Factory };
    Mode mode() const { return mode_; }

    // A panel under the centre, with a splitter handle between them (the
    // chat of a network game); none removes it, to its owner's keeping.
    void setChatPanel(QWidget* panel);
    QSplitter* chatSplitter() const { return splChat_; }

    // ---- network play
    // The connection window while hosting or joined, else none.
    TTCPForm* networkWindow() const;
    // The chat panel under the board (shown in network games only).
    TChatPanel* chatPanel() const;
    bool chatShown() const;
    QMenu* hostMenu() const;
    // "&Join an Internet Game".
    void joinGameClick();
    // A results window of a network game takes the chat while it is up.
    void attachResultsChat(TRRForm& form);

    // ---- commands
    void mnuGameNewClick();
    void mnuGameLoadClick();
    // Save and Save As; false when nothing was saved (cancelled or failed).
    bool actGameSaveExecute();
    bool actGameSaveAsExecute();
    void mnuViewPlayerStatsClick();
    // "&Grid Factory": the game (asked about first) makes way for the grid designer.
    void mnuGridFactoryClick();
    TFactoryMode* factory() const { return factory_; }
    void actRoundStartExecute();
    void actRoundPauseExecute();
    void abortRoundStillCounts();
    void abortRoundDoesNotCount();
    void actRoundClearExecute();
    void mnuShowResultsClick();
    void mnuPrintGridClick();
    void mnuSaveGridClick();
    void mnuPreferencesGeneralClick();
    void mnuPreferencesSoundClick();
    void mnuGameOptionsClick();
    void mnuHelpTopicsClick();
    void howToPlayClick();
    // Asks whether to save a game with unsaved rounds: false on Cancel.
    bool confirmSaveGame();
    // Paints the window as it is printed, scaled into `page`.
    void renderForPrinting(QPainter& painter, const QRect& page);

    // ---- the board
    TPlayView& playView() const { return *view_; }
    TLetterLabel* letterAt(int column, int row) const;
    QLabel* tileAt(int column, int row) const;
    QSize tileSize() const;
    // Where the prototype tile sits in the board area.
    QPoint tilePrototypePosition() const;
    QWidget* boardArea() const;
    QWidget* centrePanel() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class TNetworkPlay;

    // ---- PlayShell
    Game* currentGame() const override { return game(); }
    void layoutCentre() override;
    void roundStarting() override;
    void roundModeEntered(const Game& game) override;
    void roundModeLeft(const Game& game) override;
    void nextRoundPrepared(const Game& game) override;
    void pausedChanged(bool paused) override;
    void clearClicksAvailable(bool available) override;
    void showResultsAvailable(bool available) override;
    void setWindowShown(bool shown) override;
    std::unique_ptr<ResultsWindow> createResultsWindow(Game& game, Round& round) override;
    void showCongratulations(const std::string& text, bool humanWinner) override;
    bool runSetupDialog(GameSetup& setup, bool isNew, bool allowNetworkChoice) override;

    void buildActions();
    void buildMenus();
    void buildSpeedBar();
    void buildCentre();
    void buildStatusBar();
    void applyColours();
    void applyPreferences();
    // The window's smallest and first size: the one the user left, else a
    // good share of the screen.
    void sizeToScreen();
    void readSettings();
    void writeSettings() const;
    void firstActivation();

    // New and Load share their second half.
    void newGame(bool load, const QString& file);
    // The session's new current game is shown.
    void showNewGame(bool load, const QString& file);
    // The session dropped its game: the board and the panels of play go.
    void gameDropped();
    bool saveGame(bool askForFile);
    void setCaptionFile(const QString& file);
    void setMode(Mode mode);
    void showMainMenus(bool shown);
    void leaveFactory();
    void setWelcomeVisible(bool visible);
    void runPreferences(int page);
    void refreshBetweenRounds();

    Mode mode_ = Mode::Welcome;
    GamePreferences* preferences_ = nullptr;
    TPreferencesForm* preferencesForm_ = nullptr;
    // Loads a newly chosen dictionary between rounds.
    std::unique_ptr<DictionaryChoice> dictionaryChoice_;

    MainActions actions_;

    // speed bar
    TSpeedBar* pnlSpeedBar_ = nullptr;

    // centre
    TAdvancedPanel* pnlCenter_ = nullptr;
    TLetterBoard* board_ = nullptr;
    QSplitter* splChat_ = nullptr;
    QPointer<QWidget> chatPanel_;
    TWelcomePanel* pnlWelcome_ = nullptr;
    TFactoryMode* factory_ = nullptr; // the grid designer's mode
    TPlayPanels* play_ = nullptr;     // the panels of play, children of the centre
    std::unique_ptr<TCentreLayout> centre_; // places the centre's parts for its size

    // status bar
    QLabel* stbPanel0_ = nullptr;
    QLabel* stbPanel1_ = nullptr;
    QLabel* stbPanel2_ = nullptr;

    QString saveFile_;
    bool activatedOnce_ = false;

    // The game's view, the session that owns the game and its connections,
    // and the network side: the network side goes first, the view last.
    std::unique_ptr<TPlayView> view_;
    std::unique_ptr<QtTaskSeam> seam_;
    std::unique_ptr<GameSession> session_;
    std::unique_ptr<TNetworkPlay> network_;
};

} // namespace lettrava
