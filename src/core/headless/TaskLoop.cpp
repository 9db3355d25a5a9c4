#include "core/headless/TaskLoop.h"

#include <algorithm>

namespace lettrava {

class TaskLoop::LoopTimer : public Timer {
public:
    LoopTimer(TaskLoop& loop, std::uint32_t intervalMs, std::function<void()> onTick)
        : loop_(loop), interval_(std::max<std::uint32_t>(intervalMs, 1)), onTick_(std::move(onTick))
    {
        loop_.timers_.push_back(this);
    }
    ~LoopTimer() override { std::erase(loop_.timers_, this); }

    void setEnabled(bool enabled) override
    {
        if (enabled && !enabled_)
            due_ = std::chrono::steady_clock::now() + interval_;
        enabled_ = enabled;
    }
    bool isEnabled() const override { return enabled_; }

private:
    TaskLoop& loop_;

public:
    std::chrono::milliseconds interval_;
    std::function<void()> onTick_;
    bool enabled_ = false;
    TimePoint due_{};
};

TaskLoop::TaskLoop() : owner_(std::this_thread::get_id()) {}

TaskLoop::~TaskLoop()
{
    // Timers that outlive the loop must not reach back into it.
    for (LoopTimer* t : timers_)
        t->enabled_ = false;
    timers_.clear();
}

void TaskLoop::post(std::function<void()> task)
{
    {
        std::lock_guard lock(mutex_);
        tasks_.push_back(std::move(task));
    }
    wake_.notify_one();
}

std::unique_ptr<Timer> TaskLoop::createTimer(std::uint32_t intervalMs, std::function<void()> onTick)
{
    return std::make_unique<LoopTimer>(*this, intervalMs, std::move(onTick));
}

void TaskLoop::quit()
{
    {
        std::lock_guard lock(mutex_);
        quit_ = true;
    }
    wake_.notify_one();
}

bool TaskLoop::runTasks()
{
    std::deque<std::function<void()>> batch;
    {
        std::lock_guard lock(mutex_);
        batch.swap(tasks_);
    }
    for (auto& task : batch)
        task();
    return !batch.empty();
}

bool TaskLoop::fireTimers()
{
    const auto now = std::chrono::steady_clock::now();
    // A handler may create, stop or destroy timers: fire from a copy, and
    // only timers that still exist and are still due.
    const std::vector<LoopTimer*> snapshot = timers_;
    bool fired = false;
    for (LoopTimer* t : snapshot) {
        if (std::find(timers_.begin(), timers_.end(), t) == timers_.end())
            continue;
        if (!t->enabled_ || t->due_ > now)
            continue;
        t->due_ = std::max(t->due_ + t->interval_, now);
        fired = true;
        auto handler = t->onTick_; // the timer may be destroyed by its own handler
        handler();
    }
    return fired;
}

void TaskLoop::step(TimePoint until)
{
    TimePoint wakeAt = until;
    for (const LoopTimer* t : timers_)
        if (t->enabled_)
            wakeAt = std::min(wakeAt, t->due_);
    {
        std::unique_lock lock(mutex_);
        wake_.wait_until(lock, wakeAt, [this] { return quit_ || !tasks_.empty(); });
    }
    runTasks();
    fireTimers();
}

void TaskLoop::run()
{
    for (;;) {
        bool quitting = false;
        {
            std::lock_guard lock(mutex_);
            if (quit_) {
                quit_ = false;
                quitting = true;
            }
        }
        if (quitting) {
            // Tasks posted before the quit still run, as they would have had
            // the loop been waiting when they came.
            runTasks();
            return;
        }
        step(std::chrono::steady_clock::now() + std::chrono::seconds(1));
    }
}

bool TaskLoop::runUntil(const std::function<bool()>& done, std::chrono::milliseconds limit)
{
    const auto end = std::chrono::steady_clock::now() + limit;
    runPending();
    // `done` may be made true by another thread without a task: look again
    // every few milliseconds.
    while (!done()) {
        const auto now = std::chrono::steady_clock::now();
        if (now >= end)
            return false;
        step(std::min(end, now + std::chrono::milliseconds(5)));
    }
    return true;
}

void TaskLoop::runFor(std::chrono::milliseconds duration)
{
    const auto end = std::chrono::steady_clock::now() + duration;
    while (std::chrono::steady_clock::now() < end)
        step(end);
}

void TaskLoop::runPending() { runTasks(); }

} // namespace lettrava
