#include "ui/platform/LowColour.h"

#include <QGuiApplication>
#include <QScreen>

#include <optional>

namespace lettrava {

namespace {
std::optional<bool>& forced()
{
    static std::optional<bool> value;
    return value;
}
} // namespace

bool lowColourDisplay()
{
    if (forced())
        return *forced();
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr && screen->depth() <= 8;
}

void forceLowColour(bool on) { forced() = on; }
void clearForcedLowColour() { forced().reset(); }

} // namespace lettrava
