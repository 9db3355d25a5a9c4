#include "core/grid/GridCell.h"

namespace lettrava {

// A cell of a 0 x 0 area stays where it is rather than divide by nothing.

void GridCell::next()
{
    if (columns <= 0 || rows <= 0)
        return;
    if (++x >= columns) {
        x = 0;
        if (++y >= rows)
            y = 0;
    }
}

void GridCell::previous()
{
    if (columns <= 0 || rows <= 0)
        return;
    if (--x < 0) {
        x = columns - 1;
        if (--y < 0)
            y = rows - 1;
    }
}

void GridCell::left()
{
    if (columns > 0 && --x < 0)
        x = columns - 1;
}

void GridCell::right()
{
    if (columns > 0 && ++x >= columns)
        x = 0;
}

void GridCell::up()
{
    if (rows > 0 && --y < 0)
        y = rows - 1;
}

void GridCell::down()
{
    if (rows > 0 && ++y >= rows)
        y = 0;
}

} // namespace lettrava
