#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace lettrava {

// The arithmetic of the letter board and of fitting the main window to the
// screen, apart from any widget so that it can be checked on its own.
namespace BoardLayout {

// Space between two neighbouring tiles, in pixels.
inline constexpr int kTileGap = 3;
// The largest board, in cells.
inline constexpr int kMaxCells = 12;

// Where cell (column, row) of a columns x rows board goes, given the
// prototype tile's position and size: smaller boards sit near the middle of
// the space of a 12 x 12 board.
QPoint boardOrigin(QPoint prototype, QSize tile, int columns, int rows);
QRect tileRect(QPoint prototype, QSize tile, int columns, int rows, int column, int row);
// The space a 12 x 12 board takes from the prototype's position.
QSize fullBoardSize(QSize tile);

// The top of the word entry panel under a board whose bottom edge is
// boardBottom, in a centre panel of the given height: halfway between board
// and panel bottom, but never reaching past the bottom.
int wordEntryTop(int boardBottom, int centreHeight, int panelHeight);

// The window's height and the tile size on a screen of the given height: a
// screen lower than 600 pixels gets a window of 94 % of its height; one lower
// than 768 pixels the same, and tiles of 93 % of their design size. Tall
// screens get larger tiles, so the board does not look lost on them: by a
// quarter from 900 pixels, by half from 1080. `zoom` is the factor applied
// to the design size, for the letters' font to follow.
struct ScreenFit {
    int windowHeight;
    QSize tile;
    double zoom = 1.0;
};
ScreenFit fitToScreen(int screenHeight, int windowHeight, QSize tile);

// A status bar panel's width, designed for a screen 1280 pixels wide.
int scaledPanelWidth(int designWidth, int screenWidth);

} // namespace BoardLayout
} // namespace lettrava
