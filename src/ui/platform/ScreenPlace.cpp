#include "ui/platform/ScreenPlace.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>

#include <algorithm>

namespace lettrava {

QPoint placeOnScreen(QPoint stored, QSize size, bool centre)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1280, 1024);
    // A little inside the corner, where the title bar is.
    const bool onScreen = QGuiApplication::screenAt(stored + QPoint(40, 20)) != nullptr;
    if (centre || !onScreen)
        return {area.x() + std::max(0, (area.width() - size.width()) / 2),
                area.y() + std::max(0, (area.height() - size.height()) / 2)};
    return stored;
}

} // namespace lettrava
