#include "net/Connection.h"

namespace lettrava {

namespace {
// Frames gathered into one write, at most (a single larger frame goes alone).
constexpr std::size_t kWriteBatch = 64 * 1024;
} // namespace

std::string addressText(const asio::ip::address& a)
{
    if (a.is_v6() && a.to_v6().is_v4_mapped())
        return asio::ip::make_address_v4(asio::ip::v4_mapped, a.to_v6()).to_string();
    return a.to_string();
}

Connection::Connection(asio::ip::tcp::socket socket, std::size_t queueLimit)
    : socket_(std::move(socket)), queueLimit_(queueLimit)
{
    asio::error_code ec;
    const auto remote = socket_.remote_endpoint(ec);
    if (!ec)
        peerAddress_ = addressText(remote.address());
    socket_.set_option(asio::ip::tcp::no_delay(true), ec);
}

Connection::~Connection() = default;

void Connection::start(Events events)
{
    asio::post(socket_.get_executor(), [self = shared_from_this(), events = std::move(events)]() mutable {
        if (self->finished_)
            return;
        self->events_ = std::move(events);
        self->readMore();
    });
}

// ------------------------------------------------------------------ reading

void Connection::readMore()
{
    if (reading_ || finished_ || (paused_ && !draining_))
        return;
    reading_ = true;
    socket_.async_read_some(asio::buffer(readBuffer_), [self = shared_from_this()](const asio::error_code& ec,
                                                                                   std::size_t n) {
        self->reading_ = false;
        if (self->finished_)
            return;
        if (ec) {
            self->finish(ec == asio::error::eof ? std::string("Connection closed by the peer") : ec.message());
            return;
        }
        if (self->draining_) {
            self->readMore(); // closing: what still comes is read and dropped
            return;
        }
        if (self->events_.bytesArrived)
            self->events_.bytesArrived();
        if (!self->decoder_.feed(self->readBuffer_.data(), n)) {
            self->finish("The peer announced a frame above the limit");
            return;
        }
        self->deliver();
    });
}

void Connection::deliver()
{
    while (!paused_ && !finished_ && !draining_) {
        auto frame = decoder_.next();
        if (!frame)
            break;
        if (events_.frameArrived)
            events_.frameArrived(std::move(*frame));
    }
    readMore();
}

void Connection::pauseReading() { paused_ = true; }

void Connection::resumeReading()
{
    asio::post(socket_.get_executor(), [self = shared_from_this()] {
        if (!self->paused_)
            return;
        self->paused_ = false;
        self->deliver();
    });
}

// ------------------------------------------------------------------ writing

bool Connection::sendFrames(const std::vector<SharedFrame>& frames)
{
    bool startWriting = false;
    bool overflow = false;
    {
        std::lock_guard lock(queueMutex_);
        if (!open_.load() || closeWhenSent_)
            return false;
        for (const SharedFrame& f : frames) {
            queue_.push_back(f);
            queuedBytes_ += f->size();
        }
        if (queuedBytes_ > queueLimit_)
            overflow = true;
        else if (!writing_)
            writing_ = startWriting = true;
    }
    if (overflow) {
        // The peer has stopped reading: it is lost, and holding its frames
        // any longer would only grow the queue.
        open_ = false;
        asio::post(socket_.get_executor(),
                   [self = shared_from_this()] { self->finish("The peer stopped reading (send queue full)"); });
        return false;
    }
    if (startWriting)
        asio::post(socket_.get_executor(), [self = shared_from_this()] { self->writeMore(); });
    return true;
}

void Connection::writeMore()
{
    inFlight_.clear();
    bool closeNow = false;
    {
        std::lock_guard lock(queueMutex_);
        std::size_t bytes = 0;
        if (!finished_)
            for (const SharedFrame& f : queue_) {
                if (!inFlight_.empty() && bytes + f->size() > kWriteBatch)
                    break;
                inFlight_.push_back(f);
                bytes += f->size();
            }
        if (inFlight_.empty()) {
            writing_ = false;
            closeNow = closeWhenSent_;
        }
    }
    if (inFlight_.empty()) {
        if (closeNow && !finished_ && !draining_) {
            // Everything went out: say so to the peer and wait for its end,
            // so that a close with unread bytes cannot reset what was sent.
            draining_ = true;
            asio::error_code ignored;
            socket_.shutdown(asio::ip::tcp::socket::shutdown_send, ignored);
            readMore();
        }
        return;
    }
    std::vector<asio::const_buffer> buffers;
    buffers.reserve(inFlight_.size());
    for (const SharedFrame& f : inFlight_)
        buffers.emplace_back(asio::buffer(*f));
    asio::async_write(socket_, buffers, [self = shared_from_this()](const asio::error_code& ec, std::size_t) {
        {
            std::lock_guard lock(self->queueMutex_);
            for (std::size_t i = 0; i < self->inFlight_.size() && !self->queue_.empty(); ++i) {
                self->queuedBytes_ -= self->queue_.front()->size();
                self->queue_.pop_front();
            }
        }
        if (ec) {
            self->finish(ec.message());
            return;
        }
        self->writeMore();
    });
}

std::size_t Connection::queuedBytes() const
{
    std::lock_guard lock(queueMutex_);
    return queuedBytes_;
}

// ------------------------------------------------------------------ closing

void Connection::close()
{
    open_ = false;
    asio::post(socket_.get_executor(), [self = shared_from_this()] { self->finish("Closed"); });
}

void Connection::closeAfterSending()
{
    bool startWriting = false;
    {
        std::lock_guard lock(queueMutex_);
        if (!open_.load() || closeWhenSent_)
            return;
        closeWhenSent_ = true;
        if (!writing_)
            writing_ = startWriting = true;
    }
    open_ = false;
    if (startWriting)
        asio::post(socket_.get_executor(), [self = shared_from_this()] { self->writeMore(); });
}

void Connection::finish(const std::string& reason)
{
    if (finished_)
        return;
    finished_ = true;
    open_ = false;
    asio::error_code ignored;
    socket_.shutdown(asio::ip::tcp::socket::shutdown_both, ignored);
    socket_.close(ignored);
    {
        std::lock_guard lock(queueMutex_);
        queue_.clear();
        queuedBytes_ = 0;
    }
    // The handlers go with the close, and with them whatever they hold.
    Events events = std::move(events_);
    events_ = {};
    if (events.closed)
        events.closed(reason);
}

// ------------------------------------------------------------------ connecting

ConnectAttempt::ConnectAttempt(asio::io_context& io) : resolver_(io), socket_(io), timer_(io) {}

std::shared_ptr<ConnectAttempt> ConnectAttempt::start(asio::io_context& io, const std::string& host,
                                                      std::uint16_t port, int timeoutMs, Done done)
{
    auto a = std::make_shared<ConnectAttempt>(io);
    a->done_ = std::move(done);
    asio::post(io, [a, host, port, timeoutMs] {
        if (a->finished_)
            return;
        a->timer_.expires_after(std::chrono::milliseconds(timeoutMs));
        a->timer_.async_wait([a](const asio::error_code& ec) {
            if (!ec)
                a->finish("Connection timed out");
        });
        a->resolver_.async_resolve(
            host, std::to_string(port),
            [a](const asio::error_code& ec, const asio::ip::tcp::resolver::results_type& endpoints) {
                if (a->finished_)
                    return;
                if (ec) {
                    a->finish(ec.message());
                    return;
                }
                asio::async_connect(a->socket_, endpoints,
                                    [a](const asio::error_code& e, const asio::ip::tcp::endpoint&) {
                                        if (a->finished_)
                                            return;
                                        if (e) {
                                            a->finish(e.message());
                                            return;
                                        }
                                        a->finished_ = true;
                                        a->timer_.cancel();
                                        Done d = std::move(a->done_);
                                        d(std::move(a->socket_), std::string());
                                    });
            });
    });
    return a;
}

void ConnectAttempt::cancel()
{
    asio::post(timer_.get_executor(), [self = shared_from_this()] { self->finish("Cancelled"); });
}

void ConnectAttempt::finish(const std::string& error)
{
    if (finished_)
        return;
    finished_ = true;
    asio::error_code ignored;
    timer_.cancel();
    resolver_.cancel();
    socket_.close(ignored);
    Done d = std::move(done_);
    done_ = nullptr;
    if (d)
        d(std::nullopt, error);
}

} // namespace lettrava
