#include "core/platform/Paths.h"

#include <cstdlib>
#include <fstream>
#include <mutex>
#include <system_error>

#ifndef LETTRAVA_INSTALLED_DATA_DIR
#define LETTRAVA_INSTALLED_DATA_DIR "/usr/local/share/lettrava"
#endif
// The installed data folder relative to the installed executable's folder.
#ifndef LETTRAVA_DATA_DIR_FROM_EXECUTABLE
#define LETTRAVA_DATA_DIR_FROM_EXECUTABLE "../share/lettrava"
#endif

namespace fs = std::filesystem;

namespace lettrava {

namespace {

std::mutex pathsMutex;
bool homeWasGiven = false;
fs::path& storedProgramFolder()
{
    static fs::path folder;
    return folder;
}

} // namespace

fs::path Paths::executableFolder(const char* argv0)
{
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec || exe.empty()) {
        if (argv0 == nullptr || *argv0 == '\0')
            return fs::current_path(ec);
        exe = fs::absolute(argv0, ec);
    }
    return exe.parent_path();
}

std::vector<std::string> Paths::initialise(int argc, char** argv)
{
    std::vector<std::string> rest;
    std::string home;
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        if (arg == "--home" && i + 1 < argc) {
            home = argv[++i];
        } else if (arg.starts_with("--home=")) {
            home = std::string(arg.substr(7));
        } else {
            rest.emplace_back(arg);
        }
    }
    if (home.empty()) {
        if (const char* env = std::getenv("LETTRAVA_HOME"); env && *env)
            home = env;
    }
    setProgramFolder(home.empty() ? executableFolder(argc > 0 ? argv[0] : nullptr) : fs::path(home));
    homeWasGiven = !home.empty();
    return rest;
}

void Paths::setProgramFolder(const fs::path& folder)
{
    std::error_code ec;
    fs::path absolute = fs::absolute(folder, ec);
    std::lock_guard lock(pathsMutex);
    storedProgramFolder() = ec ? folder : absolute;
}

bool Paths::homeGiven() { return homeWasGiven; }

fs::path Paths::programFolder()
{
    {
        std::lock_guard lock(pathsMutex);
        if (!storedProgramFolder().empty())
            return storedProgramFolder();
    }
    setProgramFolder(executableFolder(nullptr));
    std::lock_guard lock(pathsMutex);
    return storedProgramFolder();
}

fs::path Paths::installedDataFolder(const fs::path& executableFolder)
{
    std::error_code ec;
    if (!executableFolder.empty()) {
        const fs::path relative =
            (executableFolder / fs::path(LETTRAVA_DATA_DIR_FROM_EXECUTABLE)).lexically_normal();
        if (fs::is_directory(relative, ec))
            return relative;
    }
    return fs::path(LETTRAVA_INSTALLED_DATA_DIR);
}

bool Paths::isInstalledProgramFolder(const fs::path& folder, const fs::path& executableFolder)
{
    std::error_code ec;
    if (folder.empty() || executableFolder.empty() || !fs::equivalent(folder, executableFolder, ec) || ec)
        return false;
    return !fs::exists(folder / "dict", ec);
}

fs::path Paths::dataPath(std::string_view name)
{
    std::error_code ec;
    fs::path local = programFolder() / fs::path(name);
    if (fs::exists(local, ec))
        return local;
    fs::path installed = installedDataFolder(executableFolder(nullptr)) / fs::path(name);
    if (fs::exists(installed, ec))
        return installed;
    return local;
}

fs::path Paths::userDataFolder()
{
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg)
        return fs::path(xdg) / "lettrava";
    if (const char* home = std::getenv("HOME"); home && *home)
        return fs::path(home) / ".local" / "share" / "lettrava";
    return programFolder();
}

bool Paths::isWritableFolder(const fs::path& folder)
{
    std::error_code ec;
    if (!fs::is_directory(folder, ec))
        return false;
    // Asking the file system is the only portable and honest test: permissions,
    // read-only mounts and access control lists all show up here.
    fs::path probe = folder / ".lettrava-write-probe";
    {
        std::ofstream out(probe, std::ios::binary);
        if (!out)
            return false;
    }
    fs::remove(probe, ec);
    return true;
}

fs::path Paths::writableFile(std::string_view name)
{
    const fs::path program = programFolder();
    const bool installed = !homeGiven() && isInstalledProgramFolder(program, executableFolder(nullptr));
    if (!installed && isWritableFolder(program))
        return program / fs::path(name);
    const fs::path user = userDataFolder();
    std::error_code ec;
    fs::create_directories(user, ec);
    return user / fs::path(name);
}

} // namespace lettrava
