#pragma once

#include "core/game/GameSetup.h"

#include <QGroupBox>

#include <array>
#include <string>

class QComboBox;
class QLabel;

namespace lettrava {

class TUpDown;

// The setup dialog's "Players" group: the number of players and, for each
// slot, its input method and name.
//
// For a new game the slots can be changed: a computer slot offers the
// computer opponents' names, any other slot the people the player store
// knows (or a name typed in), and a slot whose input method conflicts with a
// later slot's is marked. A name is checked when its box is left: reserved
// names and a name already in the game are refused. While the game is hosted
// for network players the first slot plays with keyboard and mouse and every
// other slot becomes a computer opponent. For a running game the slots only
// show its players (or, in a network game, their kinds).
class TPlayersGroup : public QGroupBox {
    Q_OBJECT
public:
    // newGame: the slots can be chosen (a new game's setup).
    TPlayersGroup(bool newGame, QWidget* parent);

    int playerCount() const;
    // -1 for every slot while the players' kinds are shown instead.
    int inputMethod(int slot) const;
    QString nameOf(int slot) const;
    // The slots marked because their input method conflicts with a later one.
    std::array<bool, 4> conflictMarks() const { return marks_; }

    // A new game: the slots and the number of players last accepted.
    void restoreStoredChoices();
    // A running game: its players, fixed.
    void fillFromSetup(const GameSetup& s);
    // The players and their number cannot be changed (a running game's options).
    void lock();
    // The number of players and each slot's input method, name and computer level.
    void writeTo(GameSetup& s) const;
    // allSlots: every slot's choices are stored, else only those of the
    // slots in the game (the others keep what the last new game stored).
    void storeChoices(bool allSlots) const;

    // The game is to be hosted for network players (or no longer).
    void setHosting(bool hosting);
    void recomputeMarks();
    // A name still being typed is checked as if its box had been left.
    void checkNameBeingTyped();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::array<std::string, 4> names() const;
    void setInputMethod(int slot, int method);
    void fillNameList(int slot, bool computer);
    void selectName(int slot, const QString& name);
    void inputMethodChanged(int slot);
    void applyMarks();
    void nameBoxLeft(int slot);
    void numPlayersChanged();

    bool newGame_;
    bool hosting_ = false;
    bool kindsShown_ = false;

    TUpDown* updNumPlayers_ = nullptr;
    std::array<QLabel*, 4> lblPlayer_{};
    std::array<QComboBox*, 4> cmbInput_{};
    std::array<QComboBox*, 4> cmbName_{};
    std::array<bool, 4> computerList_{};
    std::array<bool, 4> marks_{};

    int programmatic_ = 0;     // > 0 while the group itself changes controls
    bool recomputing_ = false; // inside the hosting branch of the conflict marks
    bool checkingName_ = false;
};

} // namespace lettrava
