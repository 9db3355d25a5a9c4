#pragma once

#include "core/grid/GridCell.h"
#include "core/platform/GameView.h"
#include "ui/board/BoardLayout.h"

#include <QDialog>

#include <array>
#include <functional>
#include <string>
#include <vector>

class QAction;
class QLabel;
class QMenu;

namespace lettrava {

class Game;
class GamePreferences;
class Player;
class Round;
class TAdvancedPanel;
class TChatPanel;
class TClickLabel;
class TLetterBoard;
class TResultsMenus;
class TWordListBox;

// The round results window: every player's words with their verdicts, the
// round's grid with the path of a chosen word, the bonus word, the scores of
// the round and the game, the longest words and the grid's whole solution.
//
// It belongs to its round (created when a counted round ends, kept while the
// round exists) and reads the game's data without changing it; only "Add
// Word" (the custom dictionary) and the lookups reach outside the window.
// Its lists keep their own copies of the words, so sorting them changes
// nothing in the game. The score table (TRoundScoreTable) and the menus
// (TResultsMenus) are classes of their own.
class TRRForm : public QDialog, public ResultsWindow {
    Q_OBJECT
public:
    TRRForm(bool chatVisible, Game& game, Round& round, QWidget* parent = nullptr);
    ~TRRForm() override;

    // ---- ResultsWindow
    void showModal() override;
    void showModeless() override;
    void requestHide() override;

    // Called once when a window shown without waiting is hidden by its user
    // (a network client then tells its host that the user is ready).
    std::function<void()> onReleased;
    bool released() const { return released_; }
    // In a network game: the window's chat panel takes the chat while the
    // window is up, and gives it back when it is hidden.
    TChatPanel* chatPanel() const { return chat_; }
    std::function<void(TChatPanel*)> onChatShown;
    std::function<void()> onChatHidden;

    // ---- what the window shows (also for tests)
    int playerCount() const { return playerCount_; }
    // Whether the game's chat panel was shown when the window was made.
    bool chatVisible() const { return chatVisible_; }
    TWordListBox* playerList(int slot) const { return lists_.at(static_cast<std::size_t>(slot)); }
    TWordListBox* solutionList() const { return lbxSolution_; }
    QLabel* letterLabel(int column, int row) const;
    QLabel* tile(int column, int row) const;
    // Whether the cell's letter is drawn as part of the highlighted path.
    bool isHighlighted(int column, int row) const;
    bool solutionShown() const { return solutionShown_; }
    int solutionSortOrder() const { return solutionOrder_; }
    QMenu* popupMenu() const;
    QMenu* playerMenu(int slot) const;
    QAction* playerAddWordAction(int slot) const;
    // The player slot whose word list `w` is, or -1.
    int slotOf(const QWidget* w) const;
    // The word the popup's commands act on when it was opened on `source`:
    // a list's selected word, the bonus word on the bonus labels, else the
    // label's text.
    std::string popupWord(const QWidget* source) const;

    // ---- commands
    void highlightWord(const std::string& word);
    void sortPlayerList(int slot, int order);
    void setSolutionSortOrder(int order);
    void setSolutionShown(bool shown);
    // Prepares the shared popup for the widget it opens on (a list or a label)
    // and returns it; popupAt shows it there.
    QMenu* preparePopup(QWidget* source);
    void popupAt(QWidget* source, const QPoint& globalPos);
    void lookUpLocally(TWordListBox* list);
    void lookUpOnInternet(TWordListBox* list);
    void addWord(int slot);
    void viewStats(int slot);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void done(int result) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* buildPlayerPanel(int slot);
    QWidget* buildScorePanel();
    QWidget* buildGridPanel();
    QWidget* buildSolutionPanel();
    // The grid panel's room for a 12 x 12 board of the given tiles, and the
    // board scaled to the room the panel has.
    QSize gridRoom(const BoardLayout::TileScale& tiles) const;
    int bonusLineHeight() const;
    void layoutGrid();
    void placeWindowAtStart(const GamePreferences* prefs);
    void openingPath();
    bool eventFilter(QObject* watched, QEvent* event) override;
    void applyFonts();
    void applyColours();
    void fillSolution();
    void updateSolutionControls();
    void entrySelected(TWordListBox* list);
    void updateAddWord(int slot);
    void closing();

    Game& game_;
    Round& round_;
    bool chatVisible_;
    int playerCount_ = 0;
    std::array<Player*, 4> players_{};
    int columns_ = 0;
    int rows_ = 0;
    double scale_ = 1.0;
    // The board's tile scale, which its letters' font follows.
    double zoom_ = 1.0;

    std::array<TWordListBox*, 4> lists_{};
    std::array<QWidget*, 4> playerPanels_{};
    QWidget* leftColumn_ = nullptr;
    QWidget* rightColumn_ = nullptr;
    TAdvancedPanel* pnlGrid_ = nullptr;
    std::vector<TAdvancedPanel*> headers_;
    QWidget* pnlSolution_ = nullptr;
    TWordListBox* lbxSolution_ = nullptr;
    QLabel* lblCount_ = nullptr;
    TClickLabel* lblBonus_ = nullptr;
    TClickLabel* lblBonusWord_ = nullptr;
    TLetterBoard* board_ = nullptr;
    PathTable path_{};
    TResultsMenus* menus_ = nullptr;

    bool solutionShown_ = true;
    int solutionOrder_ = 3;
    bool modeless_ = false;
    bool released_ = false;
    TChatPanel* chat_ = nullptr;
};

// The results window of a round for the game's main window: the game engine
// asks for it through GameView::createResultsWindow. chatVisible: the main
// window's chat panel is shown (a network game).
std::unique_ptr<ResultsWindow> makeResultsWindow(Game& game, Round& round, QWidget* parent,
                                                 bool chatVisible = false);

} // namespace lettrava
