#pragma once

#include <asio.hpp>

#include <array>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

namespace lettrava {

// The word server: receives word suggestions (see WordSuggestion), appends
// each word as one line to a text file and thanks the sender with a short
// text. Datagrams that are not suggestions are dropped without an answer.
// Runs on the given io_context's thread.
class WordServer {
public:
    // The file stops growing at this size; later suggestions are answered
    // with a note that the box is full.
    static constexpr std::uintmax_t kMaxFileBytes = 64ull * 1024 * 1024;

    WordServer(asio::io_context& io, const asio::ip::udp::endpoint& where, std::filesystem::path file);

    std::uint16_t port() const;
    asio::ip::udp::endpoint localEndpoint() const;

    // Starts receiving; each stored word is also reported to onWord.
    void start(std::function<void(const std::string& word)> onWord = {});
    void stop();

    static std::string thanksFor(const std::string& word);
    static constexpr const char* kFullText = "Sorry, the suggestion box is full.";

private:
    void receive();
    bool store(const std::string& word);

    asio::ip::udp::socket socket_;
    std::filesystem::path file_;
    std::array<char, 512> buffer_{};
    asio::ip::udp::endpoint sender_;
    std::function<void(const std::string&)> onWord_;
};

} // namespace lettrava
