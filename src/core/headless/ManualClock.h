#pragma once

#include "core/platform/Clock.h"

#include <atomic>
#include <cstdint>

namespace lettrava {

// Time that moves only when told: sleeping advances it at once. Any thread
// may read it (network threads stamp frames with it).
class ManualClock : public Clock {
public:
    explicit ManualClock(std::uint32_t start = 1000) : now_(start) {}
    std::uint32_t tickCount() override { return now_.load(); }
    void sleep(std::uint32_t milliseconds) override { now_ += milliseconds; }
    void advance(std::uint32_t milliseconds) { now_ += milliseconds; }
    void set(std::uint32_t now) { now_ = now; }

private:
    std::atomic<std::uint32_t> now_;
};

} // namespace lettrava
