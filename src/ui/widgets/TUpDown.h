#pragma once

#include <QSpinBox>

namespace lettrava {

// A spin control whose number cannot be typed: only its arrows, the Up and
// Down keys and the mouse wheel change it.
class TUpDown : public QSpinBox {
    Q_OBJECT
public:
    TUpDown(int minimum, int maximum, QWidget* parent = nullptr);
    // The field takes typed digits too, kept within the range (it shows the
    // number only, by default).
    void setTypingAllowed(bool allowed);
};

} // namespace lettrava
