#pragma once

#include <string>
#include <vector>

namespace lettrava {

// Takes the desktop program's own switches out of the argument list and acts
// on them; returns the remaining arguments.
//   --no-sound     play no sound at all (no audio device is opened)
//   --low-colour   the plain look of a 256-colour display
std::vector<std::string> applyDesktopSwitches(const std::vector<std::string>& args);

} // namespace lettrava
