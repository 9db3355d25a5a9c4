#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace lettrava {

// Where a window of `size` that was last at `stored` goes now: there, while
// a screen still shows that place; centred on the primary screen's free area
// when none does (another monitor set-up) or when `centre` is asked for.
QPoint placeOnScreen(QPoint stored, QSize size, bool centre = false);

// Places a window by that rule and then wholly on the screen it lands on:
// no larger than the screen's free area (title bar and frame included), and
// moved in from any edge it would cross.
void placeWindow(QWidget& window, QPoint stored, bool centre = false);

} // namespace lettrava
