#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lettrava {

// A word that a player wants in the dictionary, sent to the word server as
// one UDP datagram "%@" + word + "=" (single-byte text, no terminator); the
// server answers with one datagram of text.
namespace WordSuggestion {

inline constexpr std::uint16_t kPort = 19789;
inline constexpr std::size_t kMaxReply = 1024;
inline constexpr std::chrono::milliseconds kReplyWait{10000};
// A word longer than this is no word of any dictionary.
inline constexpr std::size_t kMaxWordLength = 18;

std::string requestDatagram(std::string_view word);

// The word server as the user writes it: "host", "host:port", "[v6 address]"
// or "[v6 address]:port"; the port defaults to kPort. False for an empty text
// or a port that is no number from 1 to 65535.
bool parseServerAddress(std::string_view text, std::string& host, std::uint16_t& port);

// The word of a request datagram, upper-cased, or nothing when the datagram
// is not a request: it must be exactly "%@", 1 to 18 letters (A to Z in
// either case, or single-byte letters from 0xC0 up) and "=".
std::optional<std::string> parseRequest(std::string_view datagram);

struct SendResult {
    std::string reply; // the server's text, empty when none came in time
    std::string error; // a network error's message (no reply then)
};

// Sends the request to host:port and waits up to `wait` for one reply from
// that address; a longer reply is cut at kMaxReply bytes. Blocking.
SendResult send(const std::string& host, std::uint16_t port, std::string_view word,
                std::chrono::milliseconds wait = kReplyWait);

} // namespace WordSuggestion

} // namespace lettrava
