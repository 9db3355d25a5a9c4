#pragma once

#include <QColor>

namespace lettrava {

// The plain look for displays of 256 colours or fewer: no wallpapers, panels
// painted pale yellow, headers navy.
bool lowColourDisplay();

// Forces the plain look on or off (tests, the --low-colour switch).
void forceLowColour(bool on);
// Back to asking the screen.
void clearForcedLowColour();

inline QColor lowColourPanel() { return QColor(255, 255, 170); }
inline QColor lowColourHeader() { return QColor(0, 0, 128); }

} // namespace lettrava
