#include "net/NetLoop.h"

namespace lettrava {

NetLoop::NetLoop() : work_(asio::make_work_guard(io_)), finishedFuture_(finished_.get_future())
{
    thread_ = std::thread([this] {
        io_.run();
        finished_.set_value();
    });
    threadId_ = thread_.get_id();
}

NetLoop::~NetLoop() { stop(); }

void NetLoop::stop(std::chrono::milliseconds grace)
{
    if (!thread_.joinable())
        return;
    // Without the guard the loop ends by itself once nothing is left to do;
    // whatever is still going after the grace (a peer that never reads, a
    // closing handshake that never ends) is cut off.
    work_.reset();
    if (finishedFuture_.wait_for(grace) != std::future_status::ready)
        io_.stop();
    thread_.join();
}

} // namespace lettrava
