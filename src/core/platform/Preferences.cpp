#include "core/platform/Preferences.h"

#include <atomic>

namespace lettrava {

namespace {
FixedPreferences nothingChosen;
std::atomic<Preferences*> installed{nullptr};
} // namespace

Preferences& preferences()
{
    Preferences* p = installed.load();
    return p ? *p : nothingChosen;
}

void setPreferences(Preferences* p) { installed.store(p); }

} // namespace lettrava
