#pragma once

namespace lettrava {

// Registers the pictures and sounds compiled into the windows' library. The
// library is static, so its resources must be registered by a call; doing it
// more than once is harmless.
void initialiseUiResources();

} // namespace lettrava
