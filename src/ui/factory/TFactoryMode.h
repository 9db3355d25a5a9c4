#pragma once

#include "core/factory/FactoryEditor.h"
#include "ui/factory/TFactoryWordListForm.h"
#include "ui/widgets/TFlashingLabel.h"

#include <QList>
#include <QObject>
#include <QPointer>

class QAction;
class QCheckBox;
class QKeyEvent;
class QLabel;
class QMenu;
class QMenuBar;
class QVBoxLayout;
class QWidget;

namespace lettrava {

class TAdvancedPanel;
class TLetterBoard;
class TUpDown;
class TWordListBox;

// The Grid Factory: the main window's mode for designing grids. It lends the
// main window's board (every cell with a tile), menu bar, grid size spinners
// and centre, and adds its own menus, speed bar, side panels (word lengths,
// letter reuse, the solution) and the flashing caret on the keyboard
// cursor's cell. The editing rules are FactoryEditor's; this class shows what
// they decide and runs the commands: New, Random, Load, Save, Solve.
class TFactoryMode : public QObject {
    Q_OBJECT
public:
    struct Lent {
        QWidget* window = nullptr;     // the main window, parent of the dialogs
        QMenuBar* menuBar = nullptr;   // the factory's menus go beside the main ones
        QVBoxLayout* bars = nullptr;   // the speed bar goes in at index 1
        QWidget* centre = nullptr;     // the side panels are its children
        TLetterBoard* board = nullptr;
        TUpDown* columns = nullptr;
        TUpDown* rows = nullptr;
    };
    struct Choices { // the stored "FactoryMinWL", "FactoryMaxWL", "FactoryAllowReuse", "FactorySort"
        int minWordLength = 3;
        int maxWordLength = 18;
        bool allowReuse = true;
        int sortOrder = 1;
    };

    TFactoryMode(const Lent& lent, const Choices& choices);
    ~TFactoryMode() override;

    // Shows the factory's menus, bar and panels and builds a blank grid of
    // the spinners' size (the game is already gone).
    void enter();
    // Back to the main window's own menus: the grid and its solution go.
    void leave();
    bool isOpen() const { return open_; }
    Choices choices() const;
    // The choices as the settings store keeps them, and this mode's written there.
    static Choices storedChoices();
    void storeChoices() const;

    // The board's tiles took another size: the caret follows.
    void boardRescaled() { placeCaret(); }
    // A key for the grid; false when it is not the grid's (F1, for one).
    bool keyPressed(QKeyEvent* event);
    void cellPressed(int column, int row);

    // The commands. New, Random and Load ask first about a changed grid;
    // false when that question was cancelled.
    bool newGrid();
    bool randomGrid();
    bool loadGrid();
    void saveGrid();
    void solve();
    // "Word List": the generator window, made on first use; the caret stays
    // hidden from then on.
    void showWordList();
    TFactoryWordListForm* wordList() const { return wordList_; }
    void setSortOrder(int order);
    void showWordPath(const std::string& word);

    // The side panels, top to bottom, for the main window's right column.
    QList<QWidget*> sidePanels() const;
    TAdvancedPanel* solutionPanel() const { return pnlSolution_; }

    // For the windows' tests.
    const FactoryEditor& editor() const { return editor_; }
    TFlashingLabel* caret() const { return caret_; }
    TWordListBox* solutionList() const { return lbxSolution_; }
    QLabel* solutionCount() const { return lblSolutionCount_; }
    QCheckBox* allowReuse() const { return chkAllowReuse_; }
    TUpDown* minimumLength() const { return updMinimumWordLength_; }
    TUpDown* maximumLength() const { return updMaximumWordLength_; }

signals:
    void exitRequested();
    void quitRequested();
    void preferencesRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void buildSpeedBar();
    void buildPanels();
    // Yes saves (and goes on), No goes on, Cancel stops: false.
    bool askToSaveChanges();
    void buildBoard();
    void refreshLetters();
    void placeCaret();
    void showSolution();
    void clearHighlight();
    void lengthsChanged();
    void reuseChanged();
    void setShown(bool shown);

    Lent lent_;
    FactoryEditor editor_;
    bool open_ = false;

    QList<QAction*> menuActions_;
    QAction* actAllowReuse_ = nullptr;
    TAdvancedPanel* pnlSpeedBar_ = nullptr;
    TAdvancedPanel* pnlWordLength_ = nullptr;
    TUpDown* updMinimumWordLength_ = nullptr;
    TUpDown* updMaximumWordLength_ = nullptr;
    TAdvancedPanel* pnlAllowReuse_ = nullptr;
    QCheckBox* chkAllowReuse_ = nullptr;
    TAdvancedPanel* pnlSolution_ = nullptr;
    TWordListBox* lbxSolution_ = nullptr;
    QLabel* lblSolutionCount_ = nullptr;
    QMenu* popup_ = nullptr;
    QPointer<TFlashingLabel> caret_;
    QPointer<TFactoryWordListForm> wordList_;
    // A run breeds into the designer's grid: it stops before the grid is
    // replaced or discarded, and follows the new grid.
    void stopGenerating();
};

} // namespace lettrava
