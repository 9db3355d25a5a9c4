#pragma once

#include <QPoint>
#include <QSize>

namespace lettrava {

// Where a window of `size` that was last at `stored` goes now: there, while
// a screen still shows that place; centred on the primary screen's free area
// when none does (another monitor set-up) or when `centre` is asked for.
QPoint placeOnScreen(QPoint stored, QSize size, bool centre = false);

} // namespace lettrava
