#include "net/LineConnection.h"

namespace lettrava {

LineConnection::LineConnection(std::chrono::steady_clock::time_point deadline, std::size_t maxLineLength)
    : socket_(io_), deadline_(deadline), buffer_(maxLineLength + 2)
{
}

LineConnection::~LineConnection() { close(); }

void LineConnection::close()
{
    asio::error_code ignored;
    if (socket_.is_open()) {
        socket_.shutdown(asio::ip::tcp::socket::shutdown_both, ignored);
        socket_.close(ignored);
    }
}

void LineConnection::runUntil(const bool& done)
{
    io_.restart();
    while (!done && !io_.stopped()) {
        if (std::chrono::steady_clock::now() >= deadline_)
            break;
        io_.run_one_until(deadline_);
    }
    if (!done) {
        // Out of time: cancel what is pending and let its handler run.
        error_ = asio::error::timed_out;
        close();
        io_.restart();
        while (!done && io_.run_one() > 0) {
        }
        error_ = asio::error::timed_out;
    }
}

bool LineConnection::connect(const std::string& host, std::uint16_t port)
{
    if (error_)
        return false;
    asio::ip::tcp::resolver resolver(io_);
    bool done = false;
    asio::ip::tcp::resolver::results_type endpoints;
    resolver.async_resolve(host, std::to_string(port),
                           [&](const asio::error_code& ec, asio::ip::tcp::resolver::results_type results) {
                               if (ec)
                                   error_ = ec;
                               endpoints = std::move(results);
                               done = true;
                           });
    runUntil(done);
    if (!done)
        resolver.cancel();
    if (error_)
        return false;

    done = false;
    asio::async_connect(socket_, endpoints, [&](const asio::error_code& ec, const asio::ip::tcp::endpoint&) {
        if (ec)
            error_ = ec;
        done = true;
    });
    runUntil(done);
    if (error_)
        close();
    return !error_;
}

bool LineConnection::write(std::string_view text)
{
    if (error_)
        return false;
    bool done = false;
    asio::async_write(socket_, asio::buffer(text.data(), text.size()), [&](const asio::error_code& ec, std::size_t) {
        if (ec)
            error_ = ec;
        done = true;
    });
    runUntil(done);
    if (error_)
        close();
    return !error_;
}

std::optional<std::string> LineConnection::readLine()
{
    if (error_)
        return std::nullopt;
    bool done = false;
    std::size_t length = 0;
    // The buffer's maximum size bounds the line: a longer one ends the read
    // with an error instead of growing the buffer.
    asio::async_read_until(socket_, buffer_, '\n', [&](const asio::error_code& ec, std::size_t n) {
        if (ec)
            error_ = ec;
        length = n;
        done = true;
    });
    runUntil(done);
    if (error_) {
        close();
        return std::nullopt;
    }
    std::string line(asio::buffers_begin(buffer_.data()), asio::buffers_begin(buffer_.data()) + static_cast<std::ptrdiff_t>(length));
    buffer_.consume(length);
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
        line.pop_back();
    return line;
}

} // namespace lettrava
