#include "net/Connection.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <unistd.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/time.h>

namespace lettrava {

std::string addressText(const asio::ip::address& a)
{
    if (a.is_v6() && a.to_v6().is_v4_mapped())
        return asio::ip::make_address_v4(asio::ip::v4_mapped, a.to_v6()).to_string();
    return a.to_string();
}

Connection::Connection(int fd, std::string peerAddress) : fd_(fd), peerAddress_(std::move(peerAddress))
{
    // Blocking from here on, whatever an asynchronous connect or accept left.
    const int flags = ::fcntl(fd_, F_GETFL, 0);
    if (flags >= 0)
        ::fcntl(fd_, F_SETFL, flags & ~O_NONBLOCK);
    const int one = 1;
    ::setsockopt(fd_, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    timeval tv{};
    tv.tv_sec = kSendTimeoutMs / 1000;
    ::setsockopt(fd_, SOL_SOCKET, SO_SNDTIMEO, &tv, sizeof tv);
}

Connection::~Connection()
{
    close();
    ::close(fd_);
}

std::unique_ptr<Connection> adoptSocket(asio::ip::tcp::socket& socket)
{
    asio::error_code ec;
    const auto remote = socket.remote_endpoint(ec);
    const std::string address = ec ? std::string() : addressText(remote.address());
    const int fd = socket.release(ec);
    if (ec || fd < 0)
        return nullptr;
    return std::make_unique<Connection>(fd, address);
}

void Connection::close()
{
    std::lock_guard lock(stateMutex_);
    if (!open_.exchange(false))
        return;
    // Shutting down (not closing) the socket wakes every thread blocked on
    // it, and the descriptor stays ours until the destructor.
    ::shutdown(fd_, SHUT_RDWR);
}

void Connection::fail(int error)
{
    {
        std::lock_guard lock(stateMutex_);
        if (error_ == 0)
            error_ = error;
    }
    close();
}

std::string Connection::errorText() const
{
    std::lock_guard lock(stateMutex_);
    return error_ ? std::strerror(error_) : std::string();
}

bool Connection::sendFrame(std::int32_t kind, std::string_view payload)
{
    return sendBytes(encodeFrame(kind, payload));
}

bool Connection::sendBytes(std::string_view frame)
{
    std::lock_guard lock(writeMutex_);
    std::size_t sent = 0;
    while (sent < frame.size()) {
        if (!open_.load())
            return false;
        const ssize_t n = ::send(fd_, frame.data() + sent, frame.size() - sent, MSG_NOSIGNAL);
        if (n > 0) {
            sent += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        fail(n < 0 ? (errno == EAGAIN || errno == EWOULDBLOCK ? ETIMEDOUT : errno) : EPIPE);
        return false;
    }
    return true;
}

bool Connection::waitReadable(int timeoutMs)
{
    if (!open_.load())
        return false;
    pollfd p{fd_, POLLIN, 0};
    for (;;) {
        const int r = ::poll(&p, 1, timeoutMs < 0 ? -1 : timeoutMs);
        if (r < 0 && errno == EINTR)
            continue;
        return r > 0;
    }
}

Connection::ReadResult Connection::receive(FrameDecoder& decoder, int timeoutMs)
{
    if (!open_.load())
        return ReadResult::Closed;
    pollfd p{fd_, POLLIN, 0};
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs < 0 ? 0 : timeoutMs);
    for (;;) {
        int wait = -1;
        if (timeoutMs >= 0) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
            wait = static_cast<int>(std::max<long long>(0, left.count()));
        }
        const int r = ::poll(&p, 1, wait);
        if (r < 0 && errno == EINTR)
            continue;
        if (r < 0) {
            fail(errno);
            return ReadResult::Failed;
        }
        if (r == 0)
            return ReadResult::Timeout;
        break;
    }
    char buffer[16384];
    ssize_t n;
    do {
        n = ::recv(fd_, buffer, sizeof buffer, 0);
    } while (n < 0 && errno == EINTR);
    if (n == 0) {
        close();
        return ReadResult::Closed;
    }
    if (n < 0) {
        if (!open_.load())
            return ReadResult::Closed;
        fail(errno);
        return ReadResult::Failed;
    }
    if (!decoder.feed(buffer, static_cast<std::size_t>(n))) {
        fail(EMSGSIZE);
        return ReadResult::TooLarge;
    }
    return ReadResult::Data;
}

std::unique_ptr<Connection> connectTo(const std::string& host, std::uint16_t port, int timeoutMs,
                                      std::string& errorText)
{
    asio::io_context io;
    asio::ip::tcp::resolver resolver(io);
    asio::ip::tcp::socket socket(io);
    asio::error_code result = asio::error::would_block;
    resolver.async_resolve(host, std::to_string(port),
                           [&](const asio::error_code& ec, const asio::ip::tcp::resolver::results_type& endpoints) {
                               if (ec) {
                                   result = ec;
                                   return;
                               }
                               asio::async_connect(socket, endpoints,
                                                   [&](const asio::error_code& e, const asio::ip::tcp::endpoint&) {
                                                       result = e;
                                                   });
                           });
    io.run_for(std::chrono::milliseconds(timeoutMs));
    if (result == asio::error::would_block) {
        // Out of time: cancel whatever is still going and let it finish.
        asio::error_code ignored;
        socket.close(ignored);
        resolver.cancel();
        io.restart();
        io.run();
        errorText = "Connection timed out";
        return nullptr;
    }
    if (result) {
        errorText = result.message();
        return nullptr;
    }
    auto connection = adoptSocket(socket);
    if (!connection)
        errorText = "The connection could not be taken over";
    return connection;
}

} // namespace lettrava
