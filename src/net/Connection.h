#pragma once

#include "net/Frame.h"

#include <asio.hpp>

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>

namespace lettrava {

// One TCP connection of the game protocol, shared between the thread that
// reads it and any thread that writes to it.
//
// Writes are whole frames, one at a time (a write mutex), so frames never
// interleave; a write that cannot go out within the send timeout (a peer
// that stopped reading) fails. Any failure closes the connection. close()
// may come from any thread: it wakes a blocked read or write at once. The
// socket itself is released only when the object is destroyed, after every
// thread that used it is done.
class Connection {
public:
    enum class ReadResult {
        Data,     // bytes arrived and went to the decoder
        Timeout,  // nothing arrived in time
        Closed,   // the peer closed the connection, or close() was called
        Failed,   // a socket error
        TooLarge, // the peer announced a frame above the limit
    };

    static constexpr int kSendTimeoutMs = 10000;

    // Takes over a connected socket's descriptor (and closes it when destroyed).
    Connection(int fd, std::string peerAddress);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Builds and writes one frame; false when the connection is (now) closed.
    bool sendFrame(std::int32_t kind, std::string_view payload = {});
    // Writes bytes as they are, as one unit (a frame built elsewhere).
    bool sendBytes(std::string_view bytes);
    // Waits at most timeoutMs (negative: without limit) for bytes, and feeds
    // what arrived to the decoder.
    ReadResult receive(FrameDecoder& decoder, int timeoutMs);
    // Waits at most timeoutMs for bytes to arrive, reading none.
    bool waitReadable(int timeoutMs);

    void close();
    bool isOpen() const { return open_.load(); }
    // The remote end's numeric address ("192.0.2.7"; an IPv4 peer reached
    // over IPv6 shows its IPv4 form), empty when unknown.
    const std::string& peerAddress() const { return peerAddress_; }
    // Why the connection failed, when it did.
    std::string errorText() const;

private:
    void fail(int error);

    int fd_;
    std::mutex writeMutex_;
    mutable std::mutex stateMutex_;
    std::atomic<bool> open_{true};
    int error_ = 0;
    std::string peerAddress_;
};

// The numeric text of an address; an IPv4 address reached over IPv6 shows
// its IPv4 form.
std::string addressText(const asio::ip::address& address);

// Takes the descriptor out of a connected socket into a Connection.
std::unique_ptr<Connection> adoptSocket(asio::ip::tcp::socket& socket);

// Connects to host:port within timeoutMs; the connection, or nothing with
// the reason in errorText.
std::unique_ptr<Connection> connectTo(const std::string& host, std::uint16_t port, int timeoutMs,
                                      std::string& errorText);

} // namespace lettrava
