#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace lettrava {

// The arithmetic of the letter board and of fitting the main window to the
// screen, apart from any widget so that it can be checked on its own.
namespace BoardLayout {

// A tile's design size and the space between two neighbouring tiles, in
// pixels, at scale 1; every board scales both alike.
inline constexpr int kTileWidth = 32;
inline constexpr int kTileHeight = 31;
inline constexpr int kTileGap = 3;
// The largest board, in cells.
inline constexpr int kMaxCells = 12;
// The scales a board's tiles may take: small enough for a 1024 x 600
// screen, large enough that a big screen's board does not look lost.
inline constexpr double kMinScale = 0.55;
inline constexpr double kMaxScale = 3.0;

// Tiles and gap at one scale.
struct TileScale {
    QSize tile{kTileWidth, kTileHeight};
    int gap = kTileGap;
    double scale = 1.0;
    bool operator==(const TileScale&) const = default;
};
TileScale tileAtScale(double scale);
// The largest scale (between kMinScale and kMaxScale) at which a 12 x 12
// board's cells fit into `space`: the tile size that follows the room a
// window gives its board.
TileScale tileForSpace(QSize space);

// Where cell (column, row) of a columns x rows board goes, given the
// prototype tile's position and size: smaller boards sit near the middle of
// the space of a 12 x 12 board.
QPoint boardOrigin(QPoint prototype, QSize tile, int columns, int rows);
QRect tileRect(QPoint prototype, QSize tile, int columns, int rows, int column, int row, int gap = kTileGap);
// The space a 12 x 12 board takes from the prototype's position.
QSize fullBoardSize(QSize tile, int gap = kTileGap);

// The top of the word entry panel under a board whose bottom edge is
// boardBottom, in a centre panel of the given height: halfway between board
// and panel bottom, but never reaching past the bottom.
int wordEntryTop(int boardBottom, int centreHeight, int panelHeight);

// A status bar panel's width, designed for a screen 1280 pixels wide.
int scaledPanelWidth(int designWidth, int screenWidth);

} // namespace BoardLayout
} // namespace lettrava
