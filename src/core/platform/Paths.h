#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace lettrava {

// Where the program's files live.
//
// The program folder is the executable's folder, unless the command line says
// `--home DIR` or the environment sets LETTRAVA_HOME. Read-only data (dict/,
// Sounds/, help pages) is looked for in the program folder first and then in
// the installed data folder. Files the program writes (custom words, the player
// file, saved games) go to the program folder when it is writable and to the
// per-user data folder otherwise, so that nothing is silently lost when the
// program is installed read-only. An installed program (one whose executable's
// folder holds no data of its own, such as /usr/games) always writes to the
// per-user folder, even when run by a user who could write to its folder.
class Paths {
public:
    // Takes `--home DIR` (or `--home=DIR`) out of the argument list and decides
    // the program folder: that option, else LETTRAVA_HOME, else the folder of
    // the running executable. Returns the remaining arguments.
    static std::vector<std::string> initialise(int argc, char** argv);

    static void setProgramFolder(const std::filesystem::path& folder);
    // Whether the program folder was chosen by --home or LETTRAVA_HOME.
    static bool homeGiven();
    static std::filesystem::path programFolder();

    // The read-only data folder or file `name`: inside the program folder when
    // present there, else inside the installed data folder, else the program
    // folder's path (which then does not exist).
    static std::filesystem::path dataPath(std::string_view name);

    // The path at which the program keeps the writable file `name`.
    static std::filesystem::path writableFile(std::string_view name);

    // The installed data folder of an executable kept in `executableFolder`:
    // the data folder at its installed place relative to the executable
    // (share/lettrava beside games/ under the same prefix) when that exists,
    // so that a package installed under any prefix finds its data; else the
    // folder fixed when the program was built.
    static std::filesystem::path installedDataFolder(const std::filesystem::path& executableFolder);

    // Whether `folder`, taken as the program folder, is an installed program's
    // folder: the executable's own folder, without a dict/ folder of its own.
    // A build tree or an unpacked copy keeps its data beside the executable.
    static bool isInstalledProgramFolder(const std::filesystem::path& folder,
                                         const std::filesystem::path& executableFolder);

    // The per-user data folder ($XDG_DATA_HOME/lettrava, ~/.local/share/lettrava).
    static std::filesystem::path userDataFolder();

    static bool isWritableFolder(const std::filesystem::path& folder);

    // The folder that holds the running executable.
    static std::filesystem::path executableFolder(const char* argv0);
};

} // namespace lettrava
