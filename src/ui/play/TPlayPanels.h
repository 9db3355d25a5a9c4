#pragma once

#include "ui/platform/QtTextLabel.h"

#include <QObject>

#include <array>
#include <string>

class QLabel;
class QLineEdit;
class QWidget;

namespace lettrava {

class TAdvancedPanel;
class TFlashingLabel;
class TUpDown;

// The panels of play beside and below the board: the round and its clock
// with the players' names and scores, the grid size spinners, the bonus
// word's letters, the word entry field and the pause notice. They are built
// hidden into the main window's centre; the main window shows, places and
// fills them as the game asks.
class TPlayPanels : public QObject {
    Q_OBJECT
public:
    explicit TPlayPanels(QWidget* centre);

    // The bonus word as far as it is revealed, one letter per place, and its value.
    void showBonusHint(const std::string& letters, const std::string& value);
    void setClockText(const std::string& text);
    void setClockFlashing(bool flashing);
    // The dark wood of play with ivory text, or the plain look of a
    // 256-colour display.
    void applyColours(bool lowColour);

    TAdvancedPanel* pnlRoundTime = nullptr;
    QLabel* lblRound = nullptr;
    TFlashingLabel* lblTimeLeft = nullptr;
    QLabel* imgSetRoundTime = nullptr;
    std::array<QLabel*, 4> lblPlayerName{};
    std::array<QLabel*, 4> lblPlayerScore{};
    std::array<QtTextLabel, 4> nameLabels;
    std::array<QtTextLabel, 4> scoreLabels;
    QWidget* pnlInfo = nullptr;
    TAdvancedPanel* pnlGridSize = nullptr;
    TUpDown* updDimCol = nullptr;
    TUpDown* updDimRow = nullptr;
    TAdvancedPanel* pnlBonus = nullptr;
    std::array<QLabel*, 10> lblBonusLetter{};
    QLabel* lblBonusValue = nullptr;
    TAdvancedPanel* pnlWordEntry = nullptr;
    QLineEdit* edtWordEntry = nullptr;
    TAdvancedPanel* pnlPaused = nullptr;

signals:
    // The round clock was clicked.
    void clockClicked();
    // The user changed the word entry's text.
    void wordEdited(const QString& text);
    // Return, Enter or Space in the word entry: the word goes to the game.
    void wordSubmitted();
    // A mouse button pressed on the round-time picture (left more time,
    // right less, middle the game's options).
    void roundTimeClicked(Qt::MouseButton button);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildRoundTimePanel();
    void buildInfoPanel();
    void buildBonusPanel();
    void buildWordEntryPanel();
    void buildPausePanel();

    QWidget* centre_;
};

} // namespace lettrava
