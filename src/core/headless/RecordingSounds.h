#pragma once

#include "core/platform/Sounds.h"

#include <vector>

namespace lettrava {

// Remembers every request, for tests.
class RecordingSounds : public SoundPlayer {
public:
    struct Request {
        enum Kind { Play, Stop, Offensive } kind;
        SoundEvent event;
        bool looping;
        bool operator==(const Request&) const = default;
    };
    void playSound(SoundEvent event, bool looping) override { requests.push_back({Request::Play, event, looping}); }
    void stopSounds() override { requests.push_back({Request::Stop, SoundEvent::GoodWord, false}); }
    void playOffensiveWordSound() override { requests.push_back({Request::Offensive, SoundEvent::GoodWord, false}); }

    // The events played (not stops or offensive sounds), in order.
    std::vector<SoundEvent> played() const
    {
        std::vector<SoundEvent> out;
        for (const auto& r : requests)
            if (r.kind == Request::Play)
                out.push_back(r.event);
        return out;
    }
    std::vector<Request> requests;
};

} // namespace lettrava
