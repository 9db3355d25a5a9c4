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

QRect tileRect(QPoint prototype, QSize tile, int columns, int rows, int column, int row, int gap)
{
    const QPoint origin = boardOrigin(prototype, tile, columns, rows);
    return {origin.x() + (tile.width() + gap) * column, origin.y() + (tile.height() + gap) * row, tile.width(),
            tile.height()};
}

QSize fullBoardSize(QSize tile, int gap)
{
    return {(tile.width() + gap) * kMaxCells - gap, (tile.height() + gap) * kMaxCells - gap};
}

TileScale tileAtScale(double scale)
{
    scale = std::clamp(scale, kMinScale, kMaxScale);
    TileScale t;
    t.scale = scale;
    t.tile = QSize(static_cast<int>(std::lround(kTileWidth * scale)), static_cast<int>(std::lround(kTileHeight * scale)));
    t.gap = std::max(1, static_cast<int>(std::lround(kTileGap * scale)));
    return t;
}

TileScale tileForSpace(QSize space)
{
    const double byWidth = static_cast<double>(space.width()) / fullBoardSize({kTileWidth, kTileHeight}).width();
    const double byHeight = static_cast<double>(space.height()) / fullBoardSize({kTileWidth, kTileHeight}).height();
    TileScale t = tileAtScale(std::min(byWidth, byHeight));
    // Rounding may overshoot by a pixel or two: step down until it fits.
    while (t.scale > kMinScale) {
        const QSize full = fullBoardSize(t.tile, t.gap);
        if (full.width() <= space.width() && full.height() <= space.height())
            break;
        t = tileAtScale(t.scale - 0.01);
    }
    return t;
}

int wordEntryTop(int boardBottom, int centreHeight, int panelHeight)
{
    const int top = (boardBottom + centreHeight) / 2 - panelHeight / 2;
    return std::min(top, centreHeight - panelHeight);
}

int scaledPanelWidth(int designWidth, int screenWidth)
{
    if (screenWidth <= 0)
        return designWidth;
    return static_cast<int>(std::lround(static_cast<double>(designWidth) * screenWidth / 1280.0));
}

} // namespace lettrava::BoardLayout
