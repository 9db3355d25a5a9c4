#pragma once

#include <functional>
#include <string_view>

namespace lettrava {

// Diagnostic output (entry and exit of the main game steps, computer opponents'
// levels and streaks). Silent unless a sink is installed or LETTRAVA_DEBUG is set
// (to anything but empty or 0) in the environment, in which case lines go to std::clog.
void debugLog(std::string_view line);

void setDebugSink(std::function<void(std::string_view)> sink);

} // namespace lettrava
