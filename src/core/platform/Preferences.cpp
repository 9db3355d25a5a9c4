#include "core/platform/Preferences.h"

#include <atomic>

namespace lettrava {

namespace {
class NothingChosen final : public Preferences {
public:
    std::string selectedDictionaryFile() override { return {}; }
};
NothingChosen nothingChosen;
std::atomic<Preferences*> installed{nullptr};
} // namespace

Preferences& preferences()
{
    Preferences* p = installed.load();
    return p ? *p : nothingChosen;
}

void setPreferences(Preferences* p) { installed.store(p); }

} // namespace lettrava
