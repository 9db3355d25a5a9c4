#include "ui/board/BoardLayout.h"

#include <algorithm>
#include <cmath>

namespace lettrava::BoardLayout {

QPoint boardOrigin(QPoint prototype, QSize tile, int columns, int rows)
{
    columns = std::clamp(columns, 1, kMaxCells);
    rows = std::clamp(rows, 1, kMaxCells);
    return {prototype.x() + tile.width() * ((kMaxCells - columns) / 2),
            prototype.y() + tile.height() * ((kMaxCells - rows) / 2)};
}

QRect tileRect(QPoint prototype, QSize tile, int columns, int rows, int column, int row)
{
    const QPoint origin = boardOrigin(prototype, tile, columns, rows);
    return {origin.x() + (tile.width() + kTileGap) * column, origin.y() + (tile.height() + kTileGap) * row,
            tile.width(), tile.height()};
}

QSize fullBoardSize(QSize tile)
{
    return {(tile.width() + kTileGap) * kMaxCells - kTileGap, (tile.height() + kTileGap) * kMaxCells - kTileGap};
}

int wordEntryTop(int boardBottom, int centreHeight, int panelHeight)
{
    const int top = (boardBottom + centreHeight) / 2 - panelHeight / 2;
    return std::min(top, centreHeight - panelHeight);
}

ScreenFit fitToScreen(int screenHeight, int windowHeight, QSize tile)
{
    ScreenFit fit{windowHeight, tile};
    if (screenHeight < 600)
        fit.windowHeight = static_cast<int>(std::lround(0.94 * screenHeight));
    if (screenHeight < 768) {
        fit.windowHeight = static_cast<int>(std::lround(0.94 * screenHeight));
        fit.zoom = 0.93;
    } else if (screenHeight >= 1080) {
        fit.zoom = 1.5;
    } else if (screenHeight >= 900) {
        fit.zoom = 1.25;
    }
    if (fit.zoom != 1.0)
        fit.tile = QSize(static_cast<int>(std::lround(fit.zoom * tile.width())),
                         static_cast<int>(std::lround(fit.zoom * tile.height())));
    return fit;
}

int scaledPanelWidth(int designWidth, int screenWidth)
{
    if (screenWidth <= 0)
        return designWidth;
    return static_cast<int>(std::lround(static_cast<double>(designWidth) * screenWidth / 1280.0));
}

} // namespace lettrava::BoardLayout
