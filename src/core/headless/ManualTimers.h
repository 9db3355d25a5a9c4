#pragma once

#include "core/headless/ManualClock.h"
#include "core/platform/Clock.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace lettrava {

// Timers driven by a manual clock: runFor(ms) moves the clock forward and
// fires every enabled timer each time its interval has passed, in order of
// due time, so a whole timed game runs in a test without real waiting. A
// timer does not fire again while its own handler runs.
class ManualTimers : public TimerFactory {
public:
    explicit ManualTimers(ManualClock& clock) : clock_(clock) {}
    ~ManualTimers() override;
    std::unique_ptr<Timer> createTimer(std::uint32_t intervalMs, std::function<void()> onTick) override;

    // Advances time by `milliseconds`, firing timers as they fall due.
    void runFor(std::uint32_t milliseconds);
    // Advances to the next firing of any enabled timer and fires it. False
    // when no timer is enabled.
    bool fireNext();
    // Keeps firing until `done` returns true or `limitMs` has passed.
    bool runUntil(const std::function<bool()>& done, std::uint32_t limitMs);
    std::size_t enabledCount() const;

private:
    class ManualTimer;
    friend class ManualTimer;
    ManualTimer* nextDue() const;
    ManualClock& clock_;
    std::vector<ManualTimer*> timers_;
    std::uint64_t elapsed_ = 0; // manual time passed under our control, for due times
};

} // namespace lettrava
