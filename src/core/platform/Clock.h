#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace lettrava {

// The system's millisecond tick count and the blocking sleep. The round clock
// is computed from tick counts, so a test that owns the clock owns the time.
class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds since some fixed start; wraps around after 2^32 ms.
    virtual std::uint32_t tickCount() = 0;
    virtual void sleep(std::uint32_t milliseconds) = 0;
};

// A repeating timer that calls its handler on the user-interface thread.
class Timer {
public:
    virtual ~Timer() = default;
    virtual void setEnabled(bool enabled) = 0;
    virtual bool isEnabled() const = 0;
};

class TimerFactory {
public:
    virtual ~TimerFactory() = default;
    // A timer created disabled, firing every intervalMs while enabled.
    virtual std::unique_ptr<Timer> createTimer(std::uint32_t intervalMs, std::function<void()> onTick) = 0;
};

// The installed clock and timers. Until something is installed: the steady
// clock of the standard library, and timers that never fire.
Clock& clock();
void setClock(Clock* c);
TimerFactory& timers();
void setTimers(TimerFactory* t);

// The standard library's steady clock.
class SteadyClock : public Clock {
public:
    std::uint32_t tickCount() override;
    void sleep(std::uint32_t milliseconds) override;
};

// Installs a clock and timers for the lifetime of this object.
class ScopedTime {
public:
    ScopedTime(Clock& c, TimerFactory& t);
    ~ScopedTime();
    ScopedTime(const ScopedTime&) = delete;
    ScopedTime& operator=(const ScopedTime&) = delete;

private:
    Clock* previousClock_;
    TimerFactory* previousTimers_;
};

} // namespace lettrava
