#pragma once

#include "core/game/GameSetup.h"
#include "core/platform/Texts.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace lettrava {

// The rules of the game setup dialog, kept apart from its widgets: which
// input methods conflict, which names are reserved, which computer name a slot
// gets, where added grid files go, and the checks before a game may start.
namespace SetupRules {

// Two players conflict when both type or both click; computers never conflict.
bool conflicts(std::int32_t a, std::int32_t b);

// The conflict marks of the slots in the game (0-based): a slot is marked when
// a later slot conflicts with it. One player is never marked.
std::array<bool, 4> conflictMarks(const std::array<std::int32_t, 4>& methods, int playerCount);

// The computer names in one text; a human name that occurs anywhere inside it
// (exact case) is refused.
inline constexpr const char* kReservedText = "PatsyPushoverKent DansTuff NufKen BoogyWard SmithW.A. VocabDeep Words";
bool isReservedName(const std::string& name);
std::string reservedNameMessage(const std::string& name);
inline constexpr const char* kReservedNameTitle = QT_TRANSLATE_NOOP("Setup", "Sorry");
inline constexpr const char* kAlreadyInGameText =
    QT_TRANSLATE_NOOP("Setup", "That person is already in the game.  Please enter another.");
inline constexpr const char* kInputLockedText = QT_TRANSLATE_NOOP("Setup",
    "Input method cannot be changed when \"Wait for network players\" is checked.  Keyboard and mouse method "
    "reserved for host.");

// The name a slot (0-based) gets when it becomes a computer player: the slot's
// default, moved on while it is the first name that occurs twice among the
// players in the game (at most three times). names holds the current names of
// all four slots; the slot's own entry is replaced.
std::string defaultComputerName(int slot, std::array<std::string, 4> names, int playerCount);

// The first name occurring twice among the first playerCount names (slot 1
// against 2..N, then 2 against 3..N ...), or empty text.
std::string firstDuplicateName(const std::array<std::string, 4>& names, int playerCount);

struct Problem {
    std::string text;
    std::string title;
};

// The first reason, in the dialog's order, why the setup cannot start a game.
// `marks` are the dialog's current conflict marks; without them they are
// computed from the input methods (none while listening for network players).
std::optional<Problem> acceptanceProblem(const GameSetup& setup, const std::array<bool, 4>* marks = nullptr);

// Puts added grid files into the per-round entries: each goes into the first
// entry, from the selected one (or the first) among the first `rounds`
// entries, that does not name an existing file; files that find no free
// entry are dropped. Returns how many were placed.
int placeGridFiles(std::vector<std::string>& entries, int selected, const std::vector<std::string>& files,
                   int rounds, const std::function<bool(const std::string&)>& fileExists);

} // namespace SetupRules
} // namespace lettrava
