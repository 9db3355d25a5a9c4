#pragma once

#include <QIcon>
#include <QPixmap>

namespace lettrava {

// The small pictures of the main window's speed bar and play panels, drawn
// with the painter at twice their size so they stay sharp on dense screens.
enum class DrawnIcon { Save, Go, Pause, ClearClicks, Abort, Stopwatch };

// The picture at `size` logical pixels.
QPixmap drawnPicture(DrawnIcon which, int size);
QIcon drawnIcon(DrawnIcon which, int size = 28);

} // namespace lettrava
