#include "core/platform/Clock.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>

namespace lettrava {

namespace {

class InertTimer final : public Timer {
public:
    void setEnabled(bool enabled) override { enabled_ = enabled; }
    bool isEnabled() const override { return enabled_; }

private:
    bool enabled_ = false;
};

class InertTimers final : public TimerFactory {
public:
    std::unique_ptr<Timer> createTimer(std::uint32_t, std::function<void()>) override
    {
        return std::make_unique<InertTimer>();
    }
};

SteadyClock steady;
InertTimers inert;
std::atomic<Clock*> installedClock{nullptr};
std::atomic<TimerFactory*> installedTimers{nullptr};

} // namespace

Clock& clock()
{
    Clock* c = installedClock.load();
    return c ? *c : steady;
}
void setClock(Clock* c) { installedClock.store(c); }

TimerFactory& timers()
{
    TimerFactory* t = installedTimers.load();
    return t ? *t : inert;
}
void setTimers(TimerFactory* t) { installedTimers.store(t); }

std::uint32_t SteadyClock::tickCount()
{
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
    return static_cast<std::uint32_t>(ms.count());
}

void SteadyClock::sleep(std::uint32_t milliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

ScopedTime::ScopedTime(Clock& c, TimerFactory& t) : previousClock_(&clock()), previousTimers_(&timers())
{
    setClock(&c);
    setTimers(&t);
}

ScopedTime::~ScopedTime()
{
    setClock(previousClock_);
    setTimers(previousTimers_);
}

} // namespace lettrava
