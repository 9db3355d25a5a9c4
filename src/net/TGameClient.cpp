#include "net/TGameClient.h"

#include "core/platform/Bytes.h"

#include <algorithm>

namespace lettrava {

std::string TGameClient::toImage() const
{
    ByteWriter w;
    w.zeros(4);
    w.text(name, kMaxName + 1);
    w.text(dictionaryVersion, kMaxVersion + 1);
    w.text(versionText, kMaxVersion + 1);
    w.text(address, kMaxAddress + 1);
    w.text(hostName, kMaxHostName + 1);
    w.text(email, kMaxEmail + 1);
    w.text(message, kMaxMessage + 1);
    w.byte(status);
    w.zeros(1);
    w.zeros(4);
    w.int32(static_cast<std::int32_t>(lastHeard));
    return w.take();
}

TGameClient TGameClient::fromImage(const void* bytes, std::size_t size)
{
    // A short image is laid over a new record's image, so that what is
    // missing keeps the new record's values.
    std::string image = TGameClient{}.toImage();
    std::copy_n(static_cast<const char*>(bytes), std::min(size, kImageSize), image.begin());
    ByteReader r(image);
    TGameClient c;
    r.skip(4);
    c.name = r.text(kMaxName + 1, kMaxName);
    c.dictionaryVersion = r.text(kMaxVersion + 1, kMaxVersion);
    c.versionText = r.text(kMaxVersion + 1, kMaxVersion);
    c.address = r.text(kMaxAddress + 1, kMaxAddress);
    c.hostName = r.text(kMaxHostName + 1, kMaxHostName);
    c.email = r.text(kMaxEmail + 1, kMaxEmail);
    c.message = r.text(kMaxMessage + 1, kMaxMessage);
    c.status = r.byte();
    r.skip(5);
    c.lastHeard = static_cast<std::uint32_t>(r.int32());
    return c;
}

std::string encodeMemberList(const std::vector<TGameClient>& members)
{
    std::string out;
    out.reserve(members.size() * TGameClient::kImageSize);
    for (const TGameClient& m : members)
        out += m.toImage();
    return out;
}

std::vector<TGameClient> decodeMemberList(std::string_view payload)
{
    std::vector<TGameClient> members;
    for (std::size_t at = 0; at + TGameClient::kImageSize <= payload.size(); at += TGameClient::kImageSize)
        members.push_back(TGameClient::fromImage(payload.data() + at, TGameClient::kImageSize));
    return members;
}

} // namespace lettrava
