#include "net/WordSuggestion.h"

#include <asio.hpp>

#include <array>

namespace lettrava::WordSuggestion {

std::string requestDatagram(std::string_view word) { return "%@" + std::string(word) + "="; }

std::optional<std::string> parseRequest(std::string_view d)
{
    if (d.size() < 4 || d.substr(0, 2) != "%@" || d.back() != '=')
        return std::nullopt;
    std::string word(d.substr(2, d.size() - 3));
    if (word.empty() || word.size() > kMaxWordLength)
        return std::nullopt;
    for (char& c : word) {
        const auto u = static_cast<unsigned char>(c);
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        else if (!((c >= 'A' && c <= 'Z') || (u >= 0xC0 && u != 0xD7 && u != 0xF7)))
            return std::nullopt;
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
