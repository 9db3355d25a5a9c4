#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>

namespace lettrava {

// The message kinds of the game protocol. A client sends 3 to 10, the host
// sends 100 to 121; each side reads and ignores every other kind.
namespace MessageKind {
// client to host
inline constexpr std::int32_t msgChat = 3;
inline constexpr std::int32_t msgWhisper = 4;
inline constexpr std::int32_t msgSubmitWord = 5;
inline constexpr std::int32_t msgLogin = 6;
inline constexpr std::int32_t msgRoundFinished = 7;
inline constexpr std::int32_t msgReady = 8;
inline constexpr std::int32_t msgRename = 9;
inline constexpr std::int32_t msgKeepAlive = 10;
// host to client
inline constexpr std::int32_t msgMemberList = 100;
inline constexpr std::int32_t msgChatLine = 101;
inline constexpr std::int32_t msgPrivateLine = 102;
inline constexpr std::int32_t msgSettings = 103;
inline constexpr std::int32_t msgSettingsRejoin = 104;
inline constexpr std::int32_t msgGridNewRound = 105;
inline constexpr std::int32_t msgGridRejoin = 106;
inline constexpr std::int32_t msgScores = 107;
inline constexpr std::int32_t msgResultsReady = 108;
inline constexpr std::int32_t msgPlayers = 109;
inline constexpr std::int32_t msgPlayerWords = 110;
inline constexpr std::int32_t msgWordVerdict = 111;
inline constexpr std::int32_t msgRejoinGame = 112;
inline constexpr std::int32_t msgAdmitted = 113;
inline constexpr std::int32_t msgBonusHint = 114;
inline constexpr std::int32_t msgRoundEndCounts = 115;
inline constexpr std::int32_t msgRoundEndVoid = 116;
inline constexpr std::int32_t msgTimeLeft = 117;
inline constexpr std::int32_t msgWinner = 118;
inline constexpr std::int32_t msgNewGame = 119;
inline constexpr std::int32_t msgMemberReady = 120;
inline constexpr std::int32_t msgHostShutdown = 121;

inline constexpr bool isClientKind(std::int32_t kind) { return kind >= msgChat && kind <= msgKeepAlive; }
inline constexpr bool isHostKind(std::int32_t kind) { return kind >= msgMemberList && kind <= msgHostShutdown; }
} // namespace MessageKind

// The kind's name ("msgChat" …), or empty text for a kind the protocol lacks.
std::string_view messageKindName(std::int32_t kind);

// One received frame: its kind and its payload bytes.
struct Frame {
    std::int32_t kind = 0;
    std::string payload;
};

// The largest body a peer may announce. The largest regular frames (a word
// list of a few thousand words, a member list of a few hundred members) stay
// far below it; a peer announcing more is broken or hostile.
inline constexpr std::size_t kMaxFrameBody = 1024 * 1024;

// A whole frame as one buffer: the body's length (4 bytes, most significant
// first), the kind (4 bytes, least significant first), the payload.
std::string encodeFrame(std::int32_t kind, std::string_view payload = {});

// Turns a byte stream into frames as the bytes arrive: partial frames wait for
// the rest, one read may hold several frames. A body shorter than 4 bytes is
// dropped. A length above kMaxFrameBody puts the decoder in its failed state,
// in which it takes no more bytes; the connection is then to be closed.
class FrameDecoder {
public:
    // Takes the bytes; false once the decoder has failed.
    bool feed(const void* data, std::size_t size);
    bool feed(std::string_view bytes) { return feed(bytes.data(), bytes.size()); }
    // The next complete frame, oldest first.
    std::optional<Frame> next();
    bool hasFrame() const { return !frames_.empty(); }
    bool failed() const { return failed_; }
    // Bytes of a frame begun but not complete.
    bool midFrame() const { return headerFill_ > 0 || inBody_; }
    // Frames dropped for a body shorter than their kind.
    std::size_t droppedCount() const { return dropped_; }

private:
    void finishBody();

    std::deque<Frame> frames_;
    unsigned char header_[4]{};
    std::size_t headerFill_ = 0;
    bool inBody_ = false;
    std::size_t bodyLength_ = 0;
    std::string body_;
    bool failed_ = false;
    std::size_t dropped_ = 0;
};

} // namespace lettrava
