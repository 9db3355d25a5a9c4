#include "net/WordSuggestion.h"

#include "core/words/Latin1.h"

#include <asio.hpp>

#include <array>

namespace lettrava::WordSuggestion {

std::string requestDatagram(std::string_view word) { return "%@" + std::string(word) + "="; }

bool parseServerAddress(std::string_view text, std::string& host, std::uint16_t& port)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    if (text.empty())
        return false;
    std::string_view portText;
    if (text.front() == '[') {
        const auto close = text.find(']');
        if (close == std::string_view::npos || close == 1)
            return false;
        host = std::string(text.substr(1, close - 1));
        const std::string_view rest = text.substr(close + 1);
        if (!rest.empty()) {
            if (rest.front() != ':')
                return false;
            portText = rest.substr(1);
            if (portText.empty())
                return false;
        }
    } else {
        const auto colon = text.find(':');
        // More than one colon: a bare IPv6 address without a port.
        if (colon != std::string_view::npos && text.find(':', colon + 1) == std::string_view::npos) {
            host = std::string(text.substr(0, colon));
            portText = text.substr(colon + 1);
            if (host.empty() || portText.empty())
                return false;
        } else {
            host = std::string(text);
        }
    }
    port = kPort;
    if (!portText.empty()) {
        if (portText.size() > 5)
            return false;
        unsigned value = 0;
        for (char c : portText) {
            if (c < '0' || c > '9')
                return false;
            value = value * 10 + static_cast<unsigned>(c - '0');
        }
        if (value == 0 || value > 65535)
            return false;
        port = static_cast<std::uint16_t>(value);
    }
    return true;
}

std::optional<std::string> parseRequest(std::string_view d)
{
    if (d.size() < 4 || d.substr(0, 2) != "%@" || d.back() != '=')
        return std::nullopt;
    std::string word(d.substr(2, d.size() - 3));
    if (word.empty() || word.size() > kMaxWordLength)
        return std::nullopt;
    for (char& c : word) {
        if (!latin1::isLetter(c))
            return std::nullopt;
        c = latin1::toUpper(c);
    }
    return word;
}

SendResult send(const std::string& host, std::uint16_t port, std::string_view word, std::chrono::milliseconds wait)
{
    SendResult result;
    asio::io_context io;
    asio::ip::udp::socket socket(io);
    asio::error_code ec;
    asio::ip::udp::resolver resolver(io);
    const auto endpoints = resolver.resolve(host, std::to_string(port), ec);
    if (ec || endpoints.empty()) {
        result.error = "Cannot find the word server " + host + ": " + (ec ? ec.message() : std::string("no address"));
        return result;
    }
    const asio::ip::udp::endpoint server = *endpoints.begin();
    socket.open(server.protocol(), ec);
    // Connected, so that only the server's own datagrams are received.
    if (!ec)
        socket.connect(server, ec);
    const std::string request = requestDatagram(word);
    if (!ec)
        socket.send(asio::buffer(request), 0, ec);
    if (ec) {
        result.error = ec.message();
        return result;
    }

    std::array<char, kMaxReply> buffer{};
    bool done = false;
    std::size_t received = 0;
    asio::error_code receiveError;
    socket.async_receive(asio::buffer(buffer), [&](const asio::error_code& e, std::size_t n) {
        receiveError = e;
        received = n;
        done = true;
    });
    const auto deadline = std::chrono::steady_clock::now() + wait;
    while (!done && std::chrono::steady_clock::now() < deadline)
        io.run_one_until(deadline);
    if (!done) {
        socket.close(ec);
        io.restart();
        while (!done && io.run_one() > 0) {
        }
        return result; // no reply in time
    }
    if (receiveError && receiveError != asio::error::message_size) {
        // A refused port is reported here on systems that pass ICMP errors on.
        if (receiveError != asio::error::connection_refused)
            result.error = receiveError.message();
        return result;
    }
    result.reply.assign(buffer.data(), received);
    return result;
}

} // namespace lettrava::WordSuggestion
