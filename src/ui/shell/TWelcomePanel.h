#pragma once

#include "ui/widgets/TAdvancedPanel.h"

#include <array>

namespace lettrava {

class TFlatButton;
class TPictureButton;

// The main window's welcome panel between games: its title, the four picture
// buttons with their captions ("Start a New Game", "Continue a Saved Game",
// "How to Play", "Join an Internet Game") and the line under them. A caption's
// click and its underlined letter do what its button does.
class TWelcomePanel : public TAdvancedPanel {
    Q_OBJECT
public:
    explicit TWelcomePanel(QWidget* parent);

    // Shown on top of the centre with the focus on its first button, or hidden.
    void showWelcome(bool shown);

signals:
    void newGameClicked();
    void continueGameClicked();
    void howToPlayClicked();
    void joinGameClicked();

private:
    std::array<TPictureButton*, 4> buttons_{};
};

} // namespace lettrava
