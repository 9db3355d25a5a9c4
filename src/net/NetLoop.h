#pragma once

#include <asio.hpp>

#include <chrono>
#include <functional>
#include <future>
#include <optional>
#include <thread>

namespace lettrava {

// The network I/O thread of a host or a client: one asio::io_context run on a
// thread of its own. Every socket operation of its owner runs there,
// asynchronously; other threads hand it work with post().
//
// Objects that hold sockets of this context (connections, acceptors, timers)
// must go before the loop does: the owner closes and drops them, then stops
// the loop. Handlers still queued when the loop stops are destroyed with it.
class NetLoop {
public:
    NetLoop();
    // Stops the loop (with no grace) when the owner has not.
    ~NetLoop();
    NetLoop(const NetLoop&) = delete;
    NetLoop& operator=(const NetLoop&) = delete;

    asio::io_context& context() { return io_; }
    void post(std::function<void()> work) { asio::post(io_, std::move(work)); }
    bool onLoopThread() const { return std::this_thread::get_id() == threadId_; }

    // Lets the loop finish what it has (writes still queued, closing
    // handshakes) for at most `grace`, then stops it and joins its thread.
    // Call it after everything of the owner's has been closed or told to
    // close; nothing runs on the loop afterwards.
    void stop(std::chrono::milliseconds grace = std::chrono::milliseconds(0));
    bool running() const { return thread_.joinable(); }

private:
    asio::io_context io_;
    std::optional<asio::executor_work_guard<asio::io_context::executor_type>> work_;
    std::promise<void> finished_;
    std::future<void> finishedFuture_;
    std::thread thread_;
    std::thread::id threadId_;
};

} // namespace lettrava
