#pragma once

#include <cstdint>
#include "core/platform/Texts.h"
#include <string>

namespace lettrava {

class Game;

// The saved-game file: the game's settings, its progress and, per player, the
// name, input method, level, score, words and longest word of the game.
// Little-endian, no padding; 50 + 8 x rounds + 52 x players bytes.
class SavedGameFile {
public:
    static constexpr std::int32_t kMagic = 112562;
    // No valid file is longer than this (20 rounds, 4 players).
    static constexpr std::size_t kMaxSize = 50 + 8 * 20 + 52 * 4;

    static constexpr const char* kWrongMagicText = QT_TRANSLATE_NOOP("Game",
        "Sorry, that does not appear to be a Lettrava game file.\n\nIf it is a Lettrava file, it is from an outdated "
        "version.");
    static constexpr const char* kCorruptText = QT_TRANSLATE_NOOP("Game",
        "Unable to load game file.  Perhaps it is corrupted or is not a valid Lettrava game file.");

    // Shown by the main window when a save could not be written.
    static constexpr const char* kSaveFailedText = QT_TRANSLATE_NOOP("Game", "Unable to save game to disk.");
    enum class Result { Loaded, WrongMagic, Corrupt };

    static std::string encode(const Game& game);

    // Reads a file's bytes into a freshly constructed game (its players are
    // created and owned by the game). Every value that later sizes a grid or
    // indexes a table is checked; on any failure the game and the process-wide
    // options are left untouched.
    static Result decode(Game& game, const std::string& bytes);
};

} // namespace lettrava
