#pragma once

#include <asio.hpp>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lettrava {

// A TCP client connection for line-based protocols whose every operation must
// finish before one deadline: connecting, writing whole texts and reading
// lines of bounded length. Blocking, for one thread. Once an operation fails
// or the deadline passes, the connection is closed and every later operation
// fails at once; error() tells why.
class LineConnection {
public:
    explicit LineConnection(std::chrono::steady_clock::time_point deadline, std::size_t maxLineLength);
    ~LineConnection();
    LineConnection(const LineConnection&) = delete;
    LineConnection& operator=(const LineConnection&) = delete;

    bool connect(const std::string& host, std::uint16_t port);
    bool write(std::string_view text);
    // The next line without its CR LF (a lone LF ends a line too); nothing
    // when the connection ended, the deadline passed or the line is longer
    // than the limit.
    std::optional<std::string> readLine();

    bool ok() const { return !error_; }
    const asio::error_code& error() const { return error_; }

private:
    // Runs the started asynchronous operation until its handler set `done`,
    // or until the deadline, which closes the socket and waits for the handler.
    void runUntil(const bool& done);
    void close();

    asio::io_context io_;
    asio::ip::tcp::socket socket_;
    std::chrono::steady_clock::time_point deadline_;
    asio::streambuf buffer_;
    asio::error_code error_;
};

} // namespace lettrava
