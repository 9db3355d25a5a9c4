#include "ProcessSupport.h"

#include "TestSupport.h"

#include <arpa/inet.h>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace lettrava::test {

namespace {

std::vector<char*> argvPointers(const std::vector<std::string>& argv)
{
    std::vector<char*> out;
    for (const auto& a : argv)
        out.push_back(const_cast<char*>(a.c_str()));
    out.push_back(nullptr);
    return out;
}

// In the child: stdin from the file (or /dev/null), stdout to outFd (or
// /dev/null), stderr to /dev/null, then exec. Never returns. Everything it
// needs is prepared before the fork: the child of a threaded program may not
// allocate.
[[noreturn]] void execChild(char* const* argv, const char* stdinFile, int outFd)
{
    const int in = ::open(stdinFile, O_RDONLY);
    const int null = ::open("/dev/null", O_WRONLY);
    if (in >= 0)
        ::dup2(in, 0);
    ::dup2(outFd >= 0 ? outFd : null, 1);
    ::dup2(null, 2);
    ::execv(argv[0], argv);
    ::_exit(127);
}

std::string inputName(const std::filesystem::path& stdinFile)
{
    return stdinFile.empty() ? std::string("/dev/null") : stdinFile.string();
}

} // namespace

std::optional<std::filesystem::path> findProgram(const std::string& name)
{
    std::string path = std::getenv("PATH") ? std::getenv("PATH") : "";
    path += ":/usr/sbin:/usr/local/sbin:/sbin";
    std::size_t at = 0;
    while (at <= path.size()) {
        const std::size_t colon = std::min(path.find(':', at), path.size());
        const std::filesystem::path candidate = std::filesystem::path(path.substr(at, colon - at)) / name;
        if (colon > at && ::access(candidate.c_str(), X_OK) == 0)
            return candidate;
        at = colon + 1;
    }
    return std::nullopt;
}

ChildProcess::ChildProcess(const std::vector<std::string>& argv, const std::filesystem::path& stdinFile)
{
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0)
        return;
    const auto ptrs = argvPointers(argv);
    const std::string input = inputName(stdinFile);
    pid_ = ::fork();
    if (pid_ == 0) {
        ::close(fds[0]);
        execChild(ptrs.data(), input.c_str(), fds[1]);
    }
    ::close(fds[1]);
    if (pid_ < 0) {
        ::close(fds[0]);
        return;
    }
    out_ = fds[0];
}

ChildProcess::~ChildProcess()
{
    terminate();
    if (out_ >= 0)
        ::close(out_);
}

std::optional<std::string> ChildProcess::readLine(std::chrono::milliseconds limit)
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    for (;;) {
        const auto nl = pending_.find('\n');
        if (nl != std::string::npos) {
            std::string line = pending_.substr(0, nl);
            pending_.erase(0, nl + 1);
            return line;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (out_ < 0 || left.count() <= 0)
            return std::nullopt;
        pollfd p{out_, POLLIN, 0};
        if (::poll(&p, 1, static_cast<int>(left.count())) <= 0)
            return std::nullopt;
        char buffer[512];
        const ssize_t n = ::read(out_, buffer, sizeof buffer);
        if (n <= 0)
            return std::nullopt;
        pending_.append(buffer, static_cast<std::size_t>(n));
    }
}

int ChildProcess::terminate()
{
    if (pid_ > 0 && !reaped_)
        ::kill(pid_, SIGTERM);
    return wait();
}

int ChildProcess::wait()
{
    if (pid_ > 0 && !reaped_) {
        while (::waitpid(pid_, &status_, 0) < 0 && errno == EINTR) {
        }
        reaped_ = true;
    }
    return status_;
}

int runProgram(const std::vector<std::string>& argv, const std::filesystem::path& stdinFile)
{
    const auto ptrs = argvPointers(argv);
    const std::string input = inputName(stdinFile);
    const pid_t pid = ::fork();
    if (pid == 0)
        execChild(ptrs.data(), input.c_str(), -1);
    if (pid < 0)
        return -1;
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::unique_ptr<LocalDictServer> LocalDictServer::start(const std::map<std::string, std::string>& definitions,
                                                        std::string& whyNot)
{
    const auto dictd = findProgram("dictd");
    const auto dictfmt = findProgram("dictfmt");
    if (!dictd || !dictfmt) {
        whyNot = "dictd and dictfmt are not installed (Debian packages dictd, dictfmt)";
        return nullptr;
    }
    std::unique_ptr<LocalDictServer> s(new LocalDictServer);
    s->dictd_ = *dictd;
    // Not under a private temporary folder: dictd run as root reads the files
    // after giving up its rights, so the folder must be readable by others.
    char pattern[] = "/tmp/lettrava-dictd-XXXXXX";
    if (!::mkdtemp(pattern)) {
        whyNot = "cannot make a folder for the test dictionary";
        return nullptr;
    }
    s->folder_ = pattern;
    ::chmod(pattern, 0755);

    std::string source;
    for (const auto& [word, text] : definitions)
        source += ":" + word + ":\n  " + text + "\n";
    writeFile(s->folder_ / "source.txt", source);
    const std::string base = (s->folder_ / "testwords").string();
    if (runProgram({dictfmt->string(), "-j", "--utf8", "--quiet", "-s", "Lettrava test words", "-u", "test", base},
                   s->folder_ / "source.txt") != 0) {
        whyNot = "dictfmt could not make the test dictionary";
        return nullptr;
    }
    writeFile(s->folder_ / "dictd.conf", "database lettrava_test {\n  data \"" + base + ".dict\"\n  index \"" + base
                                             + ".index\"\n}\n");

    s->listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    socklen_t length = sizeof address;
    if (s->listener_ < 0 || ::bind(s->listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0
        || ::listen(s->listener_, 16) != 0
        || ::getsockname(s->listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        whyNot = "cannot listen on a loopback port";
        return nullptr;
    }
    s->port_ = ntohs(address.sin_port);
    s->thread_ = std::thread([raw = s.get()] { raw->serve(); });
    return s;
}

void LocalDictServer::serve()
{
    for (;;) {
        const int client = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
        if (stopping_.load())
            break;
        if (client < 0) {
            if (errno == EINTR || errno == ECONNABORTED)
                continue;
            break;
        }
        ++connections_;
        const std::vector<std::string> argv{dictd_.string(), "-i", "-c", (folder_ / "dictd.conf").string()};
        const auto ptrs = argvPointers(argv);
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::dup2(client, 0);
            ::dup2(client, 1);
            const int null = ::open("/dev/null", O_WRONLY);
            ::dup2(null, 2);
            ::execv(ptrs[0], ptrs.data());
            ::_exit(127);
        }
        ::close(client);
        if (pid > 0)
            children_.push_back(pid);
    }
}

LocalDictServer::~LocalDictServer()
{
    stopping_ = true;
    if (listener_ >= 0)
        ::shutdown(listener_, SHUT_RDWR);
    if (thread_.joinable())
        thread_.join();
    if (listener_ >= 0)
        ::close(listener_);
    for (pid_t pid : children_) {
        ::kill(pid, SIGTERM);
        int status = 0;
        ::waitpid(pid, &status, 0);
    }
    std::error_code ec;
    if (!folder_.empty())
        std::filesystem::remove_all(folder_, ec);
}

} // namespace lettrava::test
