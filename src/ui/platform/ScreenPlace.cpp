#include "ui/platform/ScreenPlace.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

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

void placeWindow(QWidget& window, QPoint stored, bool centre)
{
    // A frame's title bar and borders, before the window manager has told.
    const QMargins frame = window.isVisible() ? QMargins(window.geometry().left() - window.frameGeometry().left(),
                                                          window.geometry().top() - window.frameGeometry().top(),
                                                          window.frameGeometry().right() - window.geometry().right(),
                                                          window.frameGeometry().bottom() - window.geometry().bottom())
                                              : QMargins(8, 32, 8, 8);
    const QPoint at = placeOnScreen(stored, window.size(), centre);
    const QScreen* screen = QGuiApplication::screenAt(at + QPoint(40, 20));
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen) {
        window.move(at);
        return;
    }
    // move() places the frame; the size is the window's inside it.
    const QRect area = screen->availableGeometry();
    const QSize room = area.size().shrunkBy(frame);
    const QSize size = window.size().boundedTo(room).expandedTo(window.minimumSize());
    if (size != window.size())
        window.resize(size);
    const QSize outer = size.grownBy(frame);
    const int x = std::clamp(at.x(), area.left(), std::max(area.left(), area.right() + 1 - outer.width()));
    const int y = std::clamp(at.y(), area.top(), std::max(area.top(), area.bottom() + 1 - outer.height()));
    window.move(x, y);
}

} // namespace lettrava
