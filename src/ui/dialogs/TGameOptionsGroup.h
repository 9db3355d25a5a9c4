#pragma once

#include "core/game/GameSetup.h"

#include <QGroupBox>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace lettrava {

class TUpDown;

// The setup dialog's "Game Options" group: the allowed word lengths, the
// grid's porosity, the bonus word, letter reuse, the order of the grid sizes,
// the number of rounds and the round duration (automatic, or minutes and
// seconds typed in).
//
// The longest word length never falls below the shortest. The grid files of
// the "Load from Files" order are not part of the group: the dialog follows
// gridSizeOrderChanged and roundsPerGameChanged for them.
class TGameOptionsGroup : public QGroupBox {
    Q_OBJECT
public:
    // readOnly: a network client's view of the host's options, where the
    // duration fields stay disabled whatever the duration choice.
    TGameOptionsGroup(bool readOnly, QWidget* parent);

    int roundsPerGame() const;
    int gridSizeOrder() const;

    // A new game: the options last accepted.
    void restoreStoredChoices();
    // A running game: its options.
    void fillFromSetup(const GameSetup& s);
    // The grid size order and the number of rounds cannot be changed (a running game's options).
    void lock();
    // The options a running game may change: duration, bonus word, letter
    // reuse, porosity and word lengths (not the rounds and the grid size order).
    void writeTo(GameSetup& s) const;
    void storeChoices() const;
    // The duration fields are enabled for a duration set manually.
    void durationChoiceChanged();

signals:
    void gridSizeOrderChanged();
    void roundsPerGameChanged();

private:
    void wordLengthsChanged();

    bool readOnly_;
    TUpDown* updMinimumWordLength_ = nullptr;
    TUpDown* updMaximumWordLength_ = nullptr;
    QSpinBox* updGridPorosity_ = nullptr;
    QCheckBox* chkBonusWordEnabled_ = nullptr;
    QCheckBox* chkAllowLetterReuse_ = nullptr;
    QComboBox* cmbGridSizeOrder_ = nullptr;
    TUpDown* updRoundsPerGame_ = nullptr;
    QComboBox* cmbRoundDuration_ = nullptr;
    QLabel* lblRoundDuration_ = nullptr;
    QLineEdit* edtRoundDurationMinutes_ = nullptr;
    QLineEdit* edtRoundDurationSeconds_ = nullptr;
};

} // namespace lettrava
