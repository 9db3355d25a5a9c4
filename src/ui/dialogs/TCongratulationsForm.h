#pragma once

#include "core/views/CongratulationsCountdown.h"

#include <QDialog>
#include <QTimer>

class QLabel;

namespace lettrava {

// "Game Over": announces the winner of a game with a drum roll of dots, and
// congratulates a winner who is a person. Esc, V or "&View Final Results"
// closes it; the final results follow.
class TCongratulationsForm : public QDialog {
    Q_OBJECT
public:
    // winnerText: the winner's name or "It was a tie!"; humanWinner: the
    // winner is not a computer player (never set on a network client).
    TCongratulationsForm(const QString& winnerText, bool humanWinner, QWidget* parent = nullptr);

    const CongratulationsCountdown& countdown() const { return countdown_; }
    QLabel* winnerLabel() const { return lblWinner_; }
    QLabel* congratulationsLabel() const { return lblCongratulations_; }
    bool timerActive() const { return timer_.isActive(); }

    // One 200 ms step of the countdown (the timer's handler).
    void step();

protected:
    void keyPressEvent(class QKeyEvent* event) override;
    void done(int result) override;

private:
    CongratulationsCountdown countdown_;
    QTimer timer_;
    QLabel* lblWinner_;
    QLabel* lblCongratulations_;
};

} // namespace lettrava
