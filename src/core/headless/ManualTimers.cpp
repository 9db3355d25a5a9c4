#include "core/headless/ManualTimers.h"

#include <algorithm>
#include <memory>

namespace lettrava {

class ManualTimers::ManualTimer final : public Timer {
public:
    ManualTimer(ManualTimers* owner, std::uint32_t interval, std::function<void()> onTick)
        : owner_(owner), interval_(interval == 0 ? 1 : interval), onTick_(std::move(onTick))
    {
    }
    ~ManualTimer() override
    {
        *alive_ = false;
        if (owner_)
            std::erase(owner_->timers_, this);
    }
    void setEnabled(bool enabled) override
    {
        if (enabled && !enabled_ && owner_)
            due_ = owner_->elapsed_ + interval_;
        enabled_ = enabled;
    }
    bool isEnabled() const override { return enabled_; }

    ManualTimers* owner_;
    std::uint32_t interval_;
    std::function<void()> onTick_;
    bool enabled_ = false;
    bool running_ = false; // its handler has not returned yet
    std::uint64_t due_ = 0;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

ManualTimers::~ManualTimers()
{
    for (ManualTimer* t : timers_)
        t->owner_ = nullptr;
}

std::unique_ptr<Timer> ManualTimers::createTimer(std::uint32_t intervalMs, std::function<void()> onTick)
{
    auto t = std::make_unique<ManualTimer>(this, intervalMs, std::move(onTick));
    timers_.push_back(t.get());
    return t;
}

std::size_t ManualTimers::enabledCount() const
{
    return static_cast<std::size_t>(
        std::count_if(timers_.begin(), timers_.end(), [](const ManualTimer* t) { return t->enabled_; }));
}

ManualTimers::ManualTimer* ManualTimers::nextDue() const
{
    // A timer whose handler is still running (it opened a modal window, say)
    // does not fire again until it has returned, as a toolkit's timers do.
    ManualTimer* next = nullptr;
    for (ManualTimer* t : timers_)
        if (t->enabled_ && !t->running_ && (!next || t->due_ < next->due_))
            next = t;
    return next;
}

bool ManualTimers::fireNext()
{
    ManualTimer* next = nextDue();
    if (!next)
        return false;
    if (next->due_ > elapsed_) {
        clock_.advance(static_cast<std::uint32_t>(next->due_ - elapsed_));
        elapsed_ = next->due_;
    }
    next->due_ += next->interval_;
    // The handler may destroy timers (a round's end frees its round), its
    // own among them; it runs last.
    auto handler = next->onTick_;
    const std::shared_ptr<bool> alive = next->alive_;
    next->running_ = true;
    handler();
    if (*alive)
        next->running_ = false;
    return true;
}

void ManualTimers::runFor(std::uint32_t milliseconds)
{
    const std::uint64_t end = elapsed_ + milliseconds;
    for (;;) {
        const ManualTimer* next = nextDue();
        if (!next || next->due_ > end)
            break;
        fireNext();
    }
    if (end > elapsed_) {
        clock_.advance(static_cast<std::uint32_t>(end - elapsed_));
        elapsed_ = end;
    }
}

bool ManualTimers::runUntil(const std::function<bool()>& done, std::uint32_t limitMs)
{
    const std::uint64_t end = elapsed_ + limitMs;
    while (!done()) {
        if (elapsed_ >= end || !fireNext())
            return done();
    }
    return true;
}

} // namespace lettrava
