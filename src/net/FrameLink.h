#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace lettrava {

// A whole encoded frame, shared by every queue it is appended to (a broadcast
// encodes once).
using SharedFrame = std::shared_ptr<const std::string>;
SharedFrame makeFrame(std::int32_t kind, std::string_view payload = {});

// One connection as the game's host and client see it: a queue of whole
// frames going out, reading that can be held back, and a close. The socket
// connection implements it; a fuzz target or a test may put a link of its own
// in its place.
//
// Appending never waits: the frames go out later, in order, on the network
// I/O thread. Frames appended in one call go out back to back, with nothing
// of another call between them.
class FrameLink {
public:
    virtual ~FrameLink() = default;

    // Appends the frames; false (and nothing appended) once the link is
    // closed or closing. Safe from any thread.
    virtual bool sendFrames(const std::vector<SharedFrame>& frames) = 0;
    bool send(std::int32_t kind, std::string_view payload = {}) { return sendFrames({makeFrame(kind, payload)}); }
    bool send(const SharedFrame& frame) { return sendFrames({frame}); }

    // Closes at once, dropping what is queued; the link's closed event
    // follows on the I/O thread. Safe from any thread.
    virtual void close() = 0;
    // Sends what is queued, then closes. Safe from any thread.
    virtual void closeAfterSending() = 0;
    virtual bool isOpen() const = 0;

    // No more incoming frames are delivered (and no more bytes read) until
    // resumeReading. pauseReading on the I/O thread only (from a frame's
    // handler); resumeReading from any thread.
    virtual void pauseReading() = 0;
    virtual void resumeReading() = 0;

    // The remote end's numeric address, empty when unknown.
    virtual const std::string& peerAddress() const = 0;
};

} // namespace lettrava
