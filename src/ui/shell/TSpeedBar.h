#pragma once

#include "ui/widgets/TAdvancedPanel.h"

class QAction;
class QToolButton;

namespace lettrava {

// The main window's speed bar under the menus: Save, GO, Pause, Clear and
// Abort, each a button of its command's action (enabled and captioned as the
// action is).
class TSpeedBar : public TAdvancedPanel {
    Q_OBJECT
public:
    struct Commands {
        QAction* save;
        QAction* start;
        QAction* pause;
        QAction* clearClicks;
        QAction* abort;
    };

    TSpeedBar(QWidget* parent, const Commands& commands);

    QToolButton* clearClicksButton() const { return clearClicks_; }
    // The wood with dark text, or the plain look of a 256-colour display.
    void applyColours(bool lowColour);

private:
    QToolButton* clearClicks_ = nullptr;
};

} // namespace lettrava
