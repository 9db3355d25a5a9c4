#include "net/Frame.h"
#include "net/FrameLink.h"

#include <algorithm>

namespace lettrava {

std::string_view messageKindName(std::int32_t kind)
{
    using namespace MessageKind;
    switch (kind) {
    case msgChat: return "msgChat";
    case msgWhisper: return "msgWhisper";
    case msgSubmitWord: return "msgSubmitWord";
    case msgLogin: return "msgLogin";
    case msgRoundFinished: return "msgRoundFinished";
    case msgReady: return "msgReady";
    case msgRename: return "msgRename";
    case msgKeepAlive: return "msgKeepAlive";
    case msgMemberList: return "msgMemberList";
    case msgChatLine: return "msgChatLine";
    case msgPrivateLine: return "msgPrivateLine";
    case msgSettings: return "msgSettings";
    case msgSettingsRejoin: return "msgSettingsRejoin";
    case msgGridNewRound: return "msgGridNewRound";
    case msgGridRejoin: return "msgGridRejoin";
    case msgScores: return "msgScores";
    case msgResultsReady: return "msgResultsReady";
    case msgPlayers: return "msgPlayers";
    case msgPlayerWords: return "msgPlayerWords";
    case msgWordVerdict: return "msgWordVerdict";
    case msgRejoinGame: return "msgRejoinGame";
    case msgAdmitted: return "msgAdmitted";
    case msgBonusHint: return "msgBonusHint";
    case msgRoundEndCounts: return "msgRoundEndCounts";
    case msgRoundEndVoid: return "msgRoundEndVoid";
    case msgTimeLeft: return "msgTimeLeft";
    case msgWinner: return "msgWinner";
    case msgNewGame: return "msgNewGame";
    case msgMemberReady: return "msgMemberReady";
    case msgHostShutdown: return "msgHostShutdown";
    default: return {};
    }
}

std::string encodeFrame(std::int32_t kind, std::string_view payload)
{
    const auto length = static_cast<std::uint32_t>(payload.size() + 4);
    const auto k = static_cast<std::uint32_t>(kind);
    std::string frame;
    frame.reserve(8 + payload.size());
    for (int shift = 24; shift >= 0; shift -= 8)
        frame.push_back(static_cast<char>((length >> shift) & 0xFF));
    for (int shift = 0; shift < 32; shift += 8)
        frame.push_back(static_cast<char>((k >> shift) & 0xFF));
    frame.append(payload);
    return frame;
}

bool FrameDecoder::feed(const void* data, std::size_t size)
{
    const auto* bytes = static_cast<const unsigned char*>(data);
    std::size_t at = 0;
    while (!failed_ && at < size) {
        if (!inBody_) {
            header_[headerFill_++] = bytes[at++];
            if (headerFill_ < 4)
                continue;
            headerFill_ = 0;
            bodyLength_ = static_cast<std::size_t>(header_[0]) << 24 | static_cast<std::size_t>(header_[1]) << 16
                        | static_cast<std::size_t>(header_[2]) << 8 | static_cast<std::size_t>(header_[3]);
            if (bodyLength_ > kMaxFrameBody) {
                failed_ = true;
                break;
            }
            body_.clear();
            inBody_ = true;
            if (bodyLength_ == 0)
                finishBody();
            continue;
        }
        const std::size_t take = std::min(size - at, bodyLength_ - body_.size());
        body_.append(reinterpret_cast<const char*>(bytes + at), take);
        at += take;
        if (body_.size() == bodyLength_)
            finishBody();
    }
    return !failed_;
}

void FrameDecoder::finishBody()
{
    inBody_ = false;
    if (body_.size() < 4) {
        ++dropped_;
        body_.clear();
        return;
    }
    Frame f;
    const auto* b = reinterpret_cast<const unsigned char*>(body_.data());
    f.kind = static_cast<std::int32_t>(static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8
                                       | static_cast<std::uint32_t>(b[2]) << 16
                                       | static_cast<std::uint32_t>(b[3]) << 24);
    f.payload = body_.substr(4);
    body_.clear();
    body_.shrink_to_fit();
    frames_.push_back(std::move(f));
}

std::optional<Frame> FrameDecoder::next()
{
    if (frames_.empty())
        return std::nullopt;
    Frame f = std::move(frames_.front());
    frames_.pop_front();
    return f;
}

SharedFrame makeFrame(std::int32_t kind, std::string_view payload)
{
    return std::make_shared<const std::string>(encodeFrame(kind, payload));
}

} // namespace lettrava
