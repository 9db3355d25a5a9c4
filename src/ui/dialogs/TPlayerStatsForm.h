#pragma once

#include <QDialog>

class QLabel;

namespace lettrava {

class Player;

// One player's card: name, games completed, games won and the longest word,
// as the player store holds them now. A dialog that stays on top.
class TPlayerStatsForm : public QDialog {
    Q_OBJECT
public:
    TPlayerStatsForm(const Player& player, QWidget* owner = nullptr);

    // The value shown beside a caption ("Name:", "Games Completed:", ...).
    QString value(const QString& caption) const;
};

} // namespace lettrava
