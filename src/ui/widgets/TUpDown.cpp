#include "ui/widgets/TUpDown.h"

#include <QLineEdit>

namespace lettrava {

TUpDown::TUpDown(int minimum, int maximum, QWidget* parent) : QSpinBox(parent)
{
    setRange(minimum, maximum);
    setFocusPolicy(Qt::StrongFocus);
    setAlignment(Qt::AlignCenter);
    // The text field shows the number and takes no typing; the arrow keys
    // still step it, so the control stays usable from the keyboard.
    lineEdit()->setReadOnly(true);
}

} // namespace lettrava
