#pragma once

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <type_traits>
#include <utility>

namespace lettrava {

// Hands work from any thread to the user-interface thread, which owns the
// game. The program implements it with Qt's queued invocation; the tool and
// the tests with TaskLoop.
class TaskSeam {
public:
    virtual ~TaskSeam() = default;
    // Runs the task later on the user-interface thread; tasks run in the
    // order they were posted. Safe from any thread.
    virtual void post(std::function<void()> task) = 0;
    // Whether the calling thread is the user-interface thread.
    virtual bool onUiThread() const = 0;
};

// Calls into the user-interface thread from other threads, waiting for the
// answer where one is needed. Callers must hold no lock while they wait: the
// user-interface thread may need that lock to get to the task.
//
// Closing the caller (on the user-interface thread, when the network side
// shuts down) wakes every waiting thread with no answer and makes every task
// still queued do nothing, so no thread waits forever for a user-interface
// thread that has moved on, and no late task reaches an object that is gone.
class UiCaller {
public:
    explicit UiCaller(TaskSeam& seam) : seam_(seam), state_(std::make_shared<State>()) {}
    ~UiCaller() { close(); }
    UiCaller(const UiCaller&) = delete;
    UiCaller& operator=(const UiCaller&) = delete;

    // Runs fn on the user-interface thread and returns its result; nothing
    // when the caller was closed first. On the user-interface thread itself fn
    // runs at once. For a function returning nothing the answer is `true`.
    template <class F>
    auto call(F fn)
    {
        using R = std::invoke_result_t<F&>;
        if constexpr (std::is_void_v<R>) {
            return callFor<bool>([f = std::move(fn)]() mutable {
                f();
                return true;
            });
        } else {
            return callFor<R>(std::move(fn));
        }
    }

    // Runs fn later on the user-interface thread, unless the caller is closed
    // by then. Does not wait.
    void post(std::function<void()> fn)
    {
        seam_.post([state = state_, f = std::move(fn)] {
            if (!state->isClosed())
                f();
        });
    }

    void close()
    {
        {
            std::lock_guard lock(state_->mutex);
            state_->closed = true;
        }
        state_->changed.notify_all();
    }
    bool closed() const { return state_->isClosed(); }

private:
    struct State {
        std::mutex mutex;
        std::condition_variable changed;
        bool closed = false;
        bool isClosed()
        {
            std::lock_guard lock(mutex);
            return closed;
        }
    };

    template <class R, class F>
    std::optional<R> callFor(F fn)
    {
        if (state_->isClosed())
            return std::nullopt;
        if (seam_.onUiThread())
            return std::optional<R>(fn());
        struct Answer {
            std::optional<R> value;
            bool done = false;
        };
        auto answer = std::make_shared<Answer>();
        seam_.post([state = state_, answer, f = std::move(fn)]() mutable {
            std::optional<R> value;
            if (!state->isClosed())
                value.emplace(f()); // runs without the state's lock: f may close the caller
            {
                std::lock_guard lock(state->mutex);
                answer->value = std::move(value);
                answer->done = true;
            }
            state->changed.notify_all();
        });
        std::unique_lock lock(state_->mutex);
        state_->changed.wait(lock, [&] { return answer->done || state_->closed; });
        return answer->done ? std::move(answer->value) : std::nullopt;
    }

    TaskSeam& seam_;
    std::shared_ptr<State> state_;
};

} // namespace lettrava
