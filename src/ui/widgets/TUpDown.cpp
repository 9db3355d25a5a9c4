#include "ui/widgets/TUpDown.h"

#include <QLineEdit>
#include <QPalette>

namespace lettrava {

TUpDown::TUpDown(int minimum, int maximum, QWidget* parent) : QSpinBox(parent)
{
    setRange(minimum, maximum);
    setFocusPolicy(Qt::StrongFocus);
    setAlignment(Qt::AlignCenter);
    // The text field shows the number and takes no typing; the arrow keys
    // still step it, so the control stays usable from the keyboard.
    lineEdit()->setReadOnly(true);
    // Dark arrows on light buttons, whatever text colour the panel around
    // gives its children (ivory on the dark wood).
    QPalette pal = palette();
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        pal.setColor(role, QColor(52, 28, 8));
    pal.setColor(QPalette::Button, QColor(255, 248, 228));
    pal.setColor(QPalette::Base, QColor(255, 252, 242));
    setPalette(pal);
}

void TUpDown::setTypingAllowed(bool allowed)
{
    lineEdit()->setReadOnly(!allowed);
    // Out-of-range digits never stand: the spin box's own validator keeps
    // what is typed within its range and corrects it when editing ends.
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
}

} // namespace lettrava
