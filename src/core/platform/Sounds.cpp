#include "core/platform/Sounds.h"

#include <atomic>

namespace lettrava {

namespace {

class Silence final : public SoundPlayer {
public:
    void playSound(SoundEvent, bool) override {}
    void stopSounds() override {}
    void playOffensiveWordSound() override {}
};

Silence silence;
std::atomic<SoundPlayer*> installed{nullptr};

} // namespace

SoundPlayer& sounds()
{
    SoundPlayer* p = installed.load();
    return p ? *p : silence;
}

void setSounds(SoundPlayer* player) { installed.store(player); }

} // namespace lettrava
