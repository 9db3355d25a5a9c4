#pragma once

class QApplication;

namespace lettrava {

// Where a font the program names is missing, a free look-alike stands in:
// "Comic Sans MS" (the board font) by Comic Neue, "Courier" by a monospaced font.
void installFontSubstitutes();

// Everything the desktop program sets up once its QApplication exists: the
// compiled-in pictures and sounds, the window icon, font substitutes and the
// Qt message boxes as the engine's dialogs. The owner-drawn menu style
// belongs to the widgets and is installed beside this (installMenuStyle).
void initialiseDesktopApplication(QApplication& app);

} // namespace lettrava
