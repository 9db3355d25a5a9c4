#pragma once

#include "core/platform/Clock.h"
#include "core/platform/TaskSeam.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace lettrava {

// A user-interface thread of its own for the command-line tool and the tests:
// it runs posted tasks and repeating timers on the real (steady) clock. The
// thread that creates the loop is its user-interface thread and the only one
// that may run it or create, change and destroy its timers; any thread may
// post tasks and quit it.
class TaskLoop : public TaskSeam, public TimerFactory {
public:
    TaskLoop();
    ~TaskLoop() override;
    TaskLoop(const TaskLoop&) = delete;
    TaskLoop& operator=(const TaskLoop&) = delete;

    void post(std::function<void()> task) override;
    bool onUiThread() const override { return std::this_thread::get_id() == owner_; }
    std::unique_ptr<Timer> createTimer(std::uint32_t intervalMs, std::function<void()> onTick) override;

    // Runs tasks and timers until quit() is called.
    void run();
    // Ends run() (from any thread; from a task or a timer too).
    void quit();
    // Runs tasks and timers until `done` holds (checked after every task and
    // timer firing, and every few milliseconds) or the time is up; true when
    // `done` held.
    bool runUntil(const std::function<bool()>& done, std::chrono::milliseconds limit);
    // Runs tasks and timers for the given time.
    void runFor(std::chrono::milliseconds duration);
    // Runs the tasks posted so far, and no timer.
    void runPending();

private:
    class LoopTimer;
    using TimePoint = std::chrono::steady_clock::time_point;

    // One round of the loop: waits for a task or a timer until `until` at
    // most, then runs what is due.
    void step(TimePoint until);
    bool runTasks();
    bool fireTimers();

    std::thread::id owner_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::function<void()>> tasks_;
    bool quit_ = false;
    std::vector<LoopTimer*> timers_; // the owner thread's only
};

} // namespace lettrava
