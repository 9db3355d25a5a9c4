#include "ui/platform/DesktopSwitches.h"

#include "ui/platform/LowColour.h"
#include "ui/platform/SoundOutput.h"

namespace lettrava {

std::vector<std::string> applyDesktopSwitches(const std::vector<std::string>& args)
{
    std::vector<std::string> rest;
    for (const std::string& arg : args) {
        if (arg == "--no-sound")
            setSoundSwitchedOff(true);
        else if (arg == "--low-colour" || arg == "--low-color")
            forceLowColour(true);
        else
            rest.push_back(arg);
    }
    return rest;
}

} // namespace lettrava
