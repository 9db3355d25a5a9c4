#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace lettrava {

class Game;
class Player;
class TextLabel;

// The lifetime statistics of every person and computer opponent that ever
// played a local or hosted game, kept in "LTPlayers.dat": 60-byte records with
// no header. The store owns its records for the whole run; a new game's
// players are these very records, so what the game counts is what is saved.
class PlayerFileManager {
public:
    static constexpr const char* kFileName = "LTPlayers.dat";
    // A hostile file of any size loads in bounded memory: records beyond this
    // many are not read (real files hold a few dozen).
    static constexpr std::size_t kMaxRecords = 100000;

    // The one store, created and loaded on first use from the program folder
    // (or the per-user data folder when the program folder is read-only).
    static PlayerFileManager& instance();
    // Drops the one store so that the next instance() loads again, from the
    // then current program folder. No game may hold its records any more.
    static void resetInstance();
    // Makes the one store the one kept in `file`; with an empty path the store
    // lives in memory only and is never written.
    static PlayerFileManager& useFile(const std::filesystem::path& file);

    explicit PlayerFileManager(std::filesystem::path file);
    ~PlayerFileManager();

    const std::vector<std::unique_ptr<Player>>& records() const { return records_; }
    Player* findByName(const std::string& name) const;

    // The record of the named player (created when new) linked to the game
    // with the given input method, level and score label.
    Player* registerForGame(Game* game, std::int32_t inputMethod, const std::string& name,
                            std::int32_t computerLevel, TextLabel* scoreLabel);

    // Rewrites the file from the records, remote participants left out. The
    // old file is replaced only once the new one is completely written, so a
    // failed save loses nothing. Reports success to the caller only.
    bool saveAll();

    const std::filesystem::path& file() const { return file_; }

    // Records read from file bytes: whole 60-byte records and a trailing
    // partial one built from the bytes that are there.
    static std::vector<std::unique_ptr<Player>> parse(const std::string& bytes);

private:
    void loadAll();

    std::filesystem::path file_;
    std::vector<std::unique_ptr<Player>> records_;
};

} // namespace lettrava
