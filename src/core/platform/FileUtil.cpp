#include "core/platform/FileUtil.h"

#include <cstdio>
#include <fstream>
#include <mutex>
#include <random>
#include <system_error>

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace lettrava {

namespace {

std::mutex hookMutex;
std::function<bool(const fs::path&)>& hook()
{
    static std::function<bool(const fs::path&)> h;
    return h;
}

fs::path temporaryBeside(const fs::path& target)
{
    static std::mutex m;
    static std::mt19937 names{std::random_device{}()};
    std::lock_guard lock(m);
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, ".%08x.tmp", static_cast<unsigned>(names()));
    fs::path tmp = target;
    tmp += suffix;
    return tmp;
}

bool flushToDisk(const fs::path& file)
{
#ifndef _WIN32
    int fd = ::open(file.c_str(), O_RDONLY);
    if (fd < 0)
        return false;
    bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
#else
    (void)file;
    return true;
#endif
}

} // namespace

void setAtomicWriteHookForTests(std::function<bool(const fs::path&)> h)
{
    std::lock_guard lock(hookMutex);
    hook() = std::move(h);
}

bool writeFileAtomically(const fs::path& target, std::string_view bytes)
{
    const fs::path tmp = temporaryBeside(target);
    std::error_code ec;
    {
        std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
        if (!out)
            return false;
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            fs::remove(tmp, ec);
            return false;
        }
    }
    bool ok = flushToDisk(tmp);
    if (ok) {
        std::lock_guard lock(hookMutex);
        if (hook())
            ok = hook()(tmp);
    }
    if (ok) {
        fs::rename(tmp, target, ec);
        ok = !ec;
    }
    if (!ok)
        fs::remove(tmp, ec);
    return ok;
}

std::optional<std::string> readFileLimited(const fs::path& file, std::size_t maxBytes)
{
    std::error_code ec;
    if (!fs::is_regular_file(file, ec))
        return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string bytes;
    char chunk[65536];
    while (in) {
        in.read(chunk, sizeof chunk);
        const auto got = static_cast<std::size_t>(in.gcount());
        if (bytes.size() + got > maxBytes)
            return std::nullopt;
        bytes.append(chunk, got);
    }
    if (in.bad())
        return std::nullopt;
    return bytes;
}

} // namespace lettrava
