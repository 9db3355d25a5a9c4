#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <sys/types.h>
#include <thread>
#include <vector>

namespace lettrava::test {

// The full path of a program found in PATH, /usr/sbin or /usr/local/sbin.
std::optional<std::filesystem::path> findProgram(const std::string& name);

// A program started by a test, its standard output read through a pipe. The
// process is terminated and reaped when the object goes.
class ChildProcess {
public:
    // Starts argv[0] (a path) with the arguments; stdin reads from stdinFile
    // when one is given, else from /dev/null; stderr is discarded.
    explicit ChildProcess(const std::vector<std::string>& argv, const std::filesystem::path& stdinFile = {});
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool started() const { return pid_ > 0; }
    // The next line of output, waiting at most `limit`; nothing at its end or on time-out.
    std::optional<std::string> readLine(std::chrono::milliseconds limit = std::chrono::milliseconds(10000));
    // Ends the process (SIGTERM) and returns its exit status as waitpid gives it.
    int terminate();
    // Waits for the process to end by itself.
    int wait();

private:
    pid_t pid_ = -1;
    int out_ = -1;
    std::string pending_;
    bool reaped_ = false;
    int status_ = 0;
};

// Runs a program to its end; its exit code, or -1 when it could not run.
int runProgram(const std::vector<std::string>& argv, const std::filesystem::path& stdinFile = {});

// A DICT server of the test's own: a dictionary made with dictfmt from the
// given headwords and definitions, served by dictd (as started by inetd: one
// process per connection, with this object's own configuration) behind a
// loopback port chosen by the system. Nothing of the system's dictd service
// is used.
class LocalDictServer {
public:
    // The server, or nothing with the reason in whyNot when dictd or dictfmt
    // is missing or the dictionary cannot be made.
    static std::unique_ptr<LocalDictServer> start(const std::map<std::string, std::string>& definitions,
                                                  std::string& whyNot);
    ~LocalDictServer();

    std::uint16_t port() const { return port_; }
    // Connections accepted so far.
    int connections() const { return connections_.load(); }

private:
    LocalDictServer() = default;
    void serve();

    std::filesystem::path folder_;
    std::filesystem::path dictd_;
    int listener_ = -1;
    std::uint16_t port_ = 0;
    std::atomic<bool> stopping_{false};
    std::atomic<int> connections_{0};
    std::vector<pid_t> children_;
    std::thread thread_;
};

} // namespace lettrava::test
