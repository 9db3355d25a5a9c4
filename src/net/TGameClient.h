#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lettrava {

// A member's status in the member list.
namespace MemberStatus {
inline constexpr std::uint8_t Host = 0;
inline constexpr std::uint8_t Ready = 1;         // in the game and ready
inline constexpr std::uint8_t ViewingResults = 2; // looking at round results
inline constexpr std::uint8_t Connected = 3;      // connected, not (yet) in the game
} // namespace MemberStatus

// One connected member, as the host keeps it and as every client receives it.
// The 388-byte image:
//   0-3     nothing (a reference of the sending program; written as zero)
//   4-20    name, at most 16 characters, zero-terminated
//   21-26   dictionaryVersion, at most 5
//   27-32   versionText, at most 5
//   33-48   address, at most 15
//   49-89   hostName, at most 40
//   90-120  email, at most 30
//   121-377 message, at most 256
//   378     status; 379 zero
//   380-383 the host's connection reference (written as zero)
//   384-387 lastHeard, the host's tick count of the member's last frame
// Texts longer than their field are cut when written.
struct TGameClient {
    static constexpr std::size_t kImageSize = 388;
    static constexpr std::size_t kMaxName = 16;
    static constexpr std::size_t kMaxVersion = 5;
    static constexpr std::size_t kMaxAddress = 15;
    static constexpr std::size_t kMaxHostName = 40;
    static constexpr std::size_t kMaxEmail = 30;
    static constexpr std::size_t kMaxMessage = 256;

    std::string name;
    std::string dictionaryVersion;
    std::string versionText;
    std::string address;
    std::string hostName;
    std::string email;
    std::string message;
    std::uint8_t status = MemberStatus::Connected;
    std::uint32_t lastHeard = 0;

    std::string toImage() const;
    // Reads an image of which only `size` bytes may be present: the missing
    // bytes keep the values of a new record. Never reads past `size`.
    static TGameClient fromImage(const void* bytes, std::size_t size);
    static TGameClient fromImage(std::string_view bytes) { return fromImage(bytes.data(), bytes.size()); }

    bool operator==(const TGameClient&) const = default;
};

// The member list payload: the images one after another.
std::string encodeMemberList(const std::vector<TGameClient>& members);
// Every whole 388-byte image of the payload; trailing bytes are ignored.
std::vector<TGameClient> decodeMemberList(std::string_view payload);

} // namespace lettrava
