#include "core/platform/Debug.h"

#include <cstdlib>
#include <iostream>
#include <mutex>

namespace lettrava {

namespace {
std::mutex sinkMutex;
std::function<void(std::string_view)>& sink()
{
    static std::function<void(std::string_view)> s;
    return s;
}
} // namespace

void debugLog(std::string_view line)
{
    std::lock_guard lock(sinkMutex);
    if (sink()) {
        sink()(line);
        return;
    }
    static const bool toStderr = std::getenv("LETTRAVA_DEBUG") != nullptr;
    if (toStderr)
        std::clog << line << '\n';
}

void setDebugSink(std::function<void(std::string_view)> s)
{
    std::lock_guard lock(sinkMutex);
    sink() = std::move(s);
}

} // namespace lettrava
