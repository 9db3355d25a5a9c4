#pragma once

#include "core/grid/GeneratorRun.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QMenu;
class QPushButton;
class QTimer;

namespace lettrava {

class GeneratedGrid;

// "Grid Factory Word List": the list of words the generator should place,
// and the run that breeds the designer's grid toward it. A run does one
// generation per turn of the event loop, so this window and the main window
// stay responsive; every improvement is copied into the designer's grid at
// once and `onImproved` redraws the board. Entries placed in the grid as it
// is shown carry the placed mark.
class TFactoryWordListForm : public QDialog {
    Q_OBJECT
public:
    // `grid` is the designer's grid (it must outlive the window or be
    // replaced through setGrid while no run is going on).
    TFactoryWordListForm(GeneratedGrid& grid, QWidget* mainWindow);
    ~TFactoryWordListForm() override;

    void setGrid(GeneratedGrid& grid);
    // Called after each improvement was copied into the grid.
    std::function<void()> onImproved;
    // Before a run: the designer makes its grid the size its spinners show
    // (false when the user kept the old grid, and no run starts).
    std::function<bool()> prepareGrid;

    // The list's commands (also the popup menu's).
    void addWord();
    void deleteSelected();
    void selectAll();
    void clearList();
    void loadList();
    void setWords(const std::vector<std::string>& words);
    std::vector<std::string> words() const;

    // The run's commands.
    void generateGrid();
    void togglePause();
    void stopRun();
    bool running() const;
    const GeneratorRun* run() const { return run_.get(); }

    // Whether the entry is traced in the grid as it is now (its placed mark).
    bool entryPlaced(int row) const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void listChanged();
    void runOneGeneration();
    void runEnded();
    void showRunLabels();
    bool confirmStop();

    GeneratedGrid* grid_;
    QListWidget* lbxWords_ = nullptr;
    QLabel* lblWordListLength_ = nullptr;
    QLabel* lblWordsPlaced_ = nullptr;
    QLabel* lblElapsedSearchTime_ = nullptr;
    QLabel* lblGenerations_ = nullptr;
    QPushButton* btnGenerateGrid_ = nullptr;
    QPushButton* btnPause_ = nullptr;
    QPushButton* btnStop_ = nullptr;
    QPushButton* btnClose_ = nullptr;
    QMenu* popup_ = nullptr;
    QTimer* turn_ = nullptr;
    QString folder_;
    std::unique_ptr<GeneratorRun> run_;
};

} // namespace lettrava
