#include "ui/widgets/TFlashingLabel.h"

#include <QMouseEvent>

namespace lettrava {

TFlashingLabel::TFlashingLabel(QWidget* parent) : QLabel(parent)
{
    QSizePolicy policy = sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    setSizePolicy(policy);
    timer_.setInterval(400);
    connect(&timer_, &QTimer::timeout, this, [this] { setVisible(!isVisible()); });
}

void TFlashingLabel::setFlashing(bool on)
{
    if (on == isFlashing())
        return;
    if (on) {
        timer_.start();
    } else {
        timer_.stop();
        show();
    }
}

void TFlashingLabel::setFlashRate(int milliseconds) { timer_.setInterval(std::max(50, milliseconds)); }

void TFlashingLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit clicked();
    QLabel::mousePressEvent(event);
}

} // namespace lettrava
