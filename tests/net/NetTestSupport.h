#pragma once

#include "core/headless/TaskLoop.h"
#include "net/Connection.h"
#include "net/Frame.h"
#include "net/NetLoop.h"
#include "net/TGameClient.h"

#include <asio.hpp>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace lettrava::test {

// A protocol peer driven by a test: it connects to a port on loopback, sends
// frames when told, and collects every frame it receives on a network loop of
// its own, so that the test's user-interface loop can keep running while it
// waits.
class TestPeer {
public:
    explicit TestPeer(std::uint16_t port);
    ~TestPeer();
    TestPeer(const TestPeer&) = delete;
    TestPeer& operator=(const TestPeer&) = delete;

    bool connected() const { return connection_ != nullptr; }
    bool send(std::int32_t kind, const std::string& payload = {});
    bool sendRaw(const std::string& bytes);
    // A login with this name (and the other fields of a member's record).
    bool login(const std::string& name);
    void close();

    // Frames received so far, oldest first, and whether the other end closed.
    std::vector<Frame> received() const;
    bool closedByPeer() const;
    // Keeps `loop` running until the condition holds on what was received.
    bool waitFor(TaskLoop& loop, const std::function<bool(const std::vector<Frame>&)>& condition,
                 std::chrono::milliseconds limit = std::chrono::seconds(10));
    // Waits without a loop (another thread runs the host).
    bool waitFor(const std::function<bool(const std::vector<Frame>&)>& condition,
                 std::chrono::milliseconds limit = std::chrono::seconds(10));
    // The first frame of that kind from `from` on, waiting for it; its index too.
    std::optional<Frame> waitForKind(TaskLoop& loop, std::int32_t kind, std::size_t from = 0,
                                     std::size_t* index = nullptr);
    bool waitForClose(TaskLoop& loop);
    // The texts of every chat and private line received.
    std::vector<std::string> lines() const;
    // The kinds received from `from` on, as names.
    std::vector<std::string> kindNames(std::size_t from = 0) const;
    std::size_t count() const;

private:
    NetLoop net_; // before the connection: sockets go before their loop
    std::shared_ptr<Connection> connection_;
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<Frame> frames_;
    bool closed_ = false;
};

// A peer that reads only when told, on a plain blocking socket whose receive
// buffer is small: a member that stops reading, or reads slowly.
class StubbornPeer {
public:
    explicit StubbornPeer(std::uint16_t port, int receiveBuffer = 4096);
    bool connected() const { return socket_.is_open(); }
    bool send(std::int32_t kind, const std::string& payload = {});
    // Reads what has arrived, up to `limit` bytes, without waiting; false
    // once the other end has closed.
    bool readAvailable(std::size_t limit = 1 << 20);
    // Waits (reading everything) until the other end closes; false after `limit`.
    bool drainUntilClosed(std::chrono::milliseconds limit = std::chrono::seconds(10));

private:
    asio::io_context io_;
    asio::ip::tcp::socket socket_;
};

// The frames' texts in order.
inline std::string text(const Frame& f) { return f.payload.substr(0, f.payload.find('\0')); }

// A login record for a member of that name.
std::string loginRecord(const std::string& name);

} // namespace lettrava::test
