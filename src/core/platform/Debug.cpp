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
    static const bool toStderr = [] {
        const char* v = std::getenv("LETTRAVA_DEBUG");
        return v != nullptr && *v != '\0' && std::string_view(v) != "0";
    }();
    if (toStderr)
        std::clog << line << '\n';
}

void setDebugSink(std::function<void(std::string_view)> s)
{
    std::lock_guard lock(sinkMutex);
    sink() = std::move(s);
}

} // namespace lettrava
