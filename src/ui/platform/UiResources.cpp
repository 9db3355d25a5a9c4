#include "ui/platform/UiResources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void registerLettravaResources() { Q_INIT_RESOURCE(lettrava); }

namespace lettrava {

void initialiseUiResources()
{
    static const bool done = (registerLettravaResources(), true);
    (void)done;
}

} // namespace lettrava
