#include "core/grid/GridOptions.h"

namespace lettrava {

GridOptions& gridOptions()
{
    static GridOptions options;
    return options;
}

} // namespace lettrava
