#pragma once

#include "ui/widgets/TAdvancedPanel.h"

#include <array>

class QPoint;

namespace lettrava {

class Player;

// The round results window's score table: for every player in the game a row
// with the words and points of the round and of the game, the marks of the
// round's bonuses ("B": found the bonus word, "V": every word valid) and the
// longest word of the game, bold when this round found it. Absent players
// have no row.
//
// The table only shows the players' values as they are when it is made;
// what a click or a context menu on a longest word does is the window's.
class TRoundScoreTable : public TAdvancedPanel {
    Q_OBJECT
public:
    // players: by slot, nullptr for a slot without a player.
    TRoundScoreTable(const std::array<Player*, 4>& players, QWidget* parent);

signals:
    // The longest word of the player in `slot` was clicked.
    void longestWordClicked(int slot);
    // A context menu was asked for on a longest word's label, at `globalPos`.
    void popupRequested(QWidget* label, const QPoint& globalPos);
};

} // namespace lettrava
