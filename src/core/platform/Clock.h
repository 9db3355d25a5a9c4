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

// Timers driven by a manual clock: runFor(ms) moves the clock forward and
// fires every enabled timer each time its interval has passed, in order of
// due time, so a whole timed game runs in a test without real waiting.
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
    ManualClock& clock_;
    std::vector<ManualTimer*> timers_;
    std::uint64_t elapsed_ = 0; // manual time passed under our control, for due times
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
