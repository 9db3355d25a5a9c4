#pragma once

#include "core/game/PlayerStore.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace lettrava {

// The lifetime statistics of every person and computer opponent that ever
// played a local or hosted game, kept in "LTPlayers.dat": 60-byte records with
// no header. The store owns its records; a new game's players are these very
// records, so what the game counts is what is saved.
//
// One store at a time is the program's: the one new games take. Replacing it
// (useFile, resetInstance) leaves a live game with the store it was made
// with, records and all, until the game ends.
class PlayerFileManager : public PlayerStore {
public:
    static constexpr const char* kFileName = "LTPlayers.dat";
    // A hostile file of any size loads in bounded memory: records beyond this
    // many are not read (real files hold a few dozen).
    static constexpr std::size_t kMaxRecords = 100000;

    // The program's store, loaded from the program folder (or the per-user
    // data folder when the program folder is read-only) when it is first
    // asked for; the program asks at start-up.
    static PlayerFileManager& instance();
    // The program's store goes; the next instance() loads the file again,
    // from the then current program folder. Games keep theirs.
    static void resetInstance();
    // Makes the store kept in `file` the program's; with an empty path the
    // store lives in memory only and is never written.
    static PlayerFileManager& useFile(const std::filesystem::path& file);

    explicit PlayerFileManager(std::filesystem::path file);
    ~PlayerFileManager() override;

    // Rewrites the file from the records, remote participants left out. The
    // old file is replaced only once the new one is completely written, so a
    // failed save loses nothing. Reports success to the caller only.
    bool saveAll() override;

    const std::filesystem::path& file() const { return file_; }

    // Records read from file bytes: whole 60-byte records and a trailing
    // partial one built from the bytes that are there.
    static std::vector<std::unique_ptr<Player>> parse(const std::string& bytes);

private:
    void loadAll();

    std::filesystem::path file_;
};

} // namespace lettrava
