#include "NetTestSupport.h"

#include "net/Payloads.h"

#include <algorithm>
#include <future>
#include <poll.h>

namespace lettrava::test {

TestPeer::TestPeer(std::uint16_t port)
{
    std::promise<std::optional<asio::ip::tcp::socket>> made;
    auto future = made.get_future();
    ConnectAttempt::start(net_.context(), "127.0.0.1", port, 5000,
                          [&made](std::optional<asio::ip::tcp::socket> socket, const std::string&) {
                              made.set_value(std::move(socket));
                          });
    auto socket = future.get();
    if (!socket)
        return;
    connection_ = std::make_shared<Connection>(std::move(*socket));
    Connection::Events events;
    events.frameArrived = [this](Frame&& f) {
        {
            std::lock_guard lock(mutex_);
            frames_.push_back(std::move(f));
        }
        changed_.notify_all();
    };
    events.closed = [this](const std::string&) {
        {
            std::lock_guard lock(mutex_);
            closed_ = true;
        }
        changed_.notify_all();
    };
    connection_->start(std::move(events));
}

TestPeer::~TestPeer()
{
    close();
    connection_.reset();
    net_.stop(std::chrono::milliseconds(500));
}

bool TestPeer::send(std::int32_t kind, const std::string& payload)
{
    return connection_ && connection_->send(kind, payload);
}

bool TestPeer::sendRaw(const std::string& bytes)
{
    return connection_ && connection_->sendFrames({std::make_shared<const std::string>(bytes)});
}

std::string loginRecord(const std::string& name)
{
    TGameClient me;
    me.name = name;
    me.hostName = "testbox";
    me.versionText = " 1.0";
    me.email = name + "@example.org";
    me.message = "hi from " + name;
    return me.toImage();
}

bool TestPeer::login(const std::string& name) { return send(MessageKind::msgLogin, loginRecord(name)); }

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

bool TestPeer::waitFor(const std::function<bool(const std::vector<Frame>&)>& condition,
                       std::chrono::milliseconds limit)
{
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, limit, [&] { return condition(frames_); });
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

// ------------------------------------------------------------------ StubbornPeer

StubbornPeer::StubbornPeer(std::uint16_t port, int receiveBuffer) : socket_(io_)
{
    asio::error_code ec;
    socket_.open(asio::ip::tcp::v4(), ec);
    // Set before connecting, so that the window the peer offers stays small.
    socket_.set_option(asio::socket_base::receive_buffer_size(receiveBuffer), ec);
    socket_.connect({asio::ip::make_address("127.0.0.1"), port}, ec);
    if (ec)
        socket_.close(ec);
}

bool StubbornPeer::send(std::int32_t kind, const std::string& payload)
{
    asio::error_code ec;
    asio::write(socket_, asio::buffer(encodeFrame(kind, payload)), ec);
    return !ec;
}

bool StubbornPeer::readAvailable(std::size_t limit)
{
    asio::error_code ec;
    socket_.non_blocking(true, ec);
    std::vector<char> buffer(64 * 1024);
    for (std::size_t taken = 0; taken < limit;) {
        const std::size_t n = socket_.read_some(asio::buffer(buffer.data(), std::min(buffer.size(), limit - taken)), ec);
        if (ec == asio::error::would_block)
            break;
        if (ec)
            return false;
        taken += n;
    }
    socket_.non_blocking(false, ec);
    return true;
}

bool StubbornPeer::drainUntilClosed(std::chrono::milliseconds limit)
{
    const auto end = std::chrono::steady_clock::now() + limit;
    std::vector<char> buffer(64 * 1024);
    asio::error_code ec;
    socket_.non_blocking(true, ec);
    while (std::chrono::steady_clock::now() < end) {
        socket_.read_some(asio::buffer(buffer), ec);
        if (ec == asio::error::would_block) {
            // Nothing yet: wait for the socket to become readable, briefly.
            pollfd p{socket_.native_handle(), POLLIN, 0};
            ::poll(&p, 1, 50);
            continue;
        }
        if (ec)
            return true; // closed (or reset) by the other end
    }
    return false;
}

} // namespace lettrava::test
