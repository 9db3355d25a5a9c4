#pragma once

#include "net/Frame.h"
#include "net/FrameLink.h"

#include <asio.hpp>

#include <array>
#include <atomic>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace lettrava {

// One TCP connection of the game protocol on a NetLoop's context, after
// Asio's chat-server example: an asynchronous read loop that turns bytes into
// frames, and an outgoing queue of whole frames written one after another.
// Sending from any thread only appends to the queue; a queue that passes its
// byte limit (a peer that stopped reading) closes the connection as lost.
//
// Lives by shared ownership: the pending reads and writes hold it, so it
// stays until the last of them has finished after a close.
class Connection : public FrameLink, public std::enable_shared_from_this<Connection> {
public:
    static constexpr std::size_t kQueueLimit = 4 * 1024 * 1024;

    // What the connection reports, on the I/O thread, in this order for any
    // bytes: bytesArrived when they arrive, then frameArrived for each frame
    // they complete. closed comes once, last, with the reason, and nothing
    // comes after it.
    struct Events {
        std::function<void()> bytesArrived;
        std::function<void(Frame&&)> frameArrived;
        std::function<void(const std::string& reason)> closed;
    };

    Connection(asio::ip::tcp::socket socket, std::size_t queueLimit = kQueueLimit);
    ~Connection() override;
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Starts reading, with these events. Any thread; once.
    void start(Events events);

    bool sendFrames(const std::vector<SharedFrame>& frames) override;
    void close() override;
    void closeAfterSending() override;
    bool isOpen() const override { return open_.load(); }
    void pauseReading() override;
    void resumeReading() override;
    const std::string& peerAddress() const override { return peerAddress_; }

    // Bytes waiting to go out.
    std::size_t queuedBytes() const;

private:
    void readMore();
    void deliver();
    void writeMore();
    void finish(const std::string& reason);

    asio::ip::tcp::socket socket_;
    const std::size_t queueLimit_;
    std::string peerAddress_;
    std::atomic<bool> open_{true};

    // The I/O thread's own.
    Events events_;
    FrameDecoder decoder_;
    std::array<char, 16384> readBuffer_{};
    bool reading_ = false;
    bool paused_ = false;
    bool draining_ = false; // closing after sending: bytes still read, frames dropped
    bool finished_ = false;
    std::vector<SharedFrame> inFlight_;

    // Shared with the sending threads.
    mutable std::mutex queueMutex_;
    std::deque<SharedFrame> queue_;
    std::size_t queuedBytes_ = 0;
    bool writing_ = false;
    bool closeWhenSent_ = false;
};

// The numeric text of an address; an IPv4 address reached over IPv6 shows
// its IPv4 form.
std::string addressText(const asio::ip::address& address);

// One connection attempt: resolves the host, connects within the time limit
// and hands the result to `done` on the context's thread: the socket
// connected, or the reason it is not. cancel() (any thread) ends the attempt
// early with "Cancelled".
class ConnectAttempt : public std::enable_shared_from_this<ConnectAttempt> {
public:
    using Done = std::function<void(std::optional<asio::ip::tcp::socket> socket, const std::string& error)>;

    static std::shared_ptr<ConnectAttempt> start(asio::io_context& io, const std::string& host, std::uint16_t port,
                                                 int timeoutMs, Done done);
    void cancel();

    explicit ConnectAttempt(asio::io_context& io);

private:
    void finish(const std::string& error);

    asio::ip::tcp::resolver resolver_;
    asio::ip::tcp::socket socket_;
    asio::steady_timer timer_;
    Done done_;
    bool finished_ = false;
};

} // namespace lettrava
