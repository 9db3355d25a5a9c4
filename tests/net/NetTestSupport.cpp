#include "NetTestSupport.h"

#include "net/Payloads.h"

#include <algorithm>

namespace lettrava::test {

TestPeer::TestPeer(std::uint16_t port)
{
    std::string error;
    connection_ = connectTo("127.0.0.1", port, 5000, error);
    if (!connection_)
        return;
    reader_ = std::thread([this] {
        FrameDecoder decoder;
        for (;;) {
            const auto r = connection_->receive(decoder, -1);
            std::lock_guard lock(mutex_);
            while (auto f = decoder.next())
                frames_.push_back(std::move(*f));
            if (r != Connection::ReadResult::Data) {
                closed_ = true;
                return;
            }
        }
    });
}

TestPeer::~TestPeer()
{
    close();
    if (reader_.joinable())
        reader_.join();
}

bool TestPeer::send(std::int32_t kind, const std::string& payload)
{
    return connection_ && connection_->sendFrame(kind, payload);
}

bool TestPeer::sendRaw(const std::string& bytes)
{
    return connection_ && connection_->sendBytes(bytes);
}

bool TestPeer::login(const std::string& name)
{
    TGameClient me;
    me.name = name;
    me.hostName = "testbox";
    me.versionText = " 1.0";
    me.email = name + "@example.org";
    me.message = "hi from " + name;
    return send(MessageKind::msgLogin, me.toImage());
}

void TestPeer::close()
{
    if (connection_)
        connection_->close();
}

std::vector<Frame> TestPeer::received() const
{
    std::lock_guard lock(mutex_);
    return frames_;
}

std::size_t TestPeer::count() const
{
    std::lock_guard lock(mutex_);
    return frames_.size();
}

bool TestPeer::closedByPeer() const
{
    std::lock_guard lock(mutex_);
    return closed_;
}

bool TestPeer::waitFor(TaskLoop& loop, const std::function<bool(const std::vector<Frame>&)>& condition,
                       std::chrono::milliseconds limit)
{
    return loop.runUntil([&] { return condition(received()); }, limit);
}

std::optional<Frame> TestPeer::waitForKind(TaskLoop& loop, std::int32_t kind, std::size_t from, std::size_t* index)
{
    std::optional<Frame> found;
    waitFor(loop, [&](const std::vector<Frame>& frames) {
        for (std::size_t i = from; i < frames.size(); ++i)
            if (frames[i].kind == kind) {
                found = frames[i];
                if (index)
                    *index = i;
                return true;
            }
        return false;
    });
    return found;
}

bool TestPeer::waitForClose(TaskLoop& loop)
{
    return loop.runUntil([&] { return closedByPeer(); }, std::chrono::seconds(10));
}

std::vector<std::string> TestPeer::lines() const
{
    std::vector<std::string> out;
    for (const Frame& f : received())
        if (f.kind == MessageKind::msgChatLine || f.kind == MessageKind::msgPrivateLine)
            out.push_back(decodeText(f.payload));
    return out;
}

std::vector<std::string> TestPeer::kindNames(std::size_t from) const
{
    std::vector<std::string> out;
    const auto frames = received();
    for (std::size_t i = from; i < frames.size(); ++i)
        out.emplace_back(messageKindName(frames[i].kind));
    return out;
}

} // namespace lettrava::test
