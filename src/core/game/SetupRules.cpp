#include "core/game/SetupRules.h"
#include "core/platform/Texts.h"

#include "core/game/Player.h"

namespace lettrava::SetupRules {

namespace {
bool usesKeyboard(std::int32_t m) { return m == InputMethod::KeyboardAndMouse || m == InputMethod::KeyboardOnly; }
bool usesMouse(std::int32_t m) { return m == InputMethod::KeyboardAndMouse || m == InputMethod::MouseOnly; }
} // namespace

bool conflicts(std::int32_t a, std::int32_t b)
{
    return (usesKeyboard(a) && usesKeyboard(b)) || (usesMouse(a) && usesMouse(b));
}

std::array<bool, 4> conflictMarks(const std::array<std::int32_t, 4>& methods, int playerCount)
{
    std::array<bool, 4> marks{};
    const int n = std::min(playerCount, 4);
    for (int i = 0; i + 1 < n; ++i)
        for (int j = i + 1; j < n; ++j)
            if (conflicts(methods[static_cast<std::size_t>(i)], methods[static_cast<std::size_t>(j)]))
                marks[static_cast<std::size_t>(i)] = true;
    return marks;
}

bool isReservedName(const std::string& name)
{
    return !name.empty() && std::string(kReservedText).find(name) != std::string::npos;
}

std::string reservedNameMessage(const std::string& name)
{
    return fillIn(translate("Setup", "The name \"%1\" is reserved for a computer player. Please enter a different name."),
                  {name});
}

std::string firstDuplicateName(const std::array<std::string, 4>& names, int playerCount)
{
    const int n = std::min(playerCount, 4);
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j)
            if (names[static_cast<std::size_t>(i)] == names[static_cast<std::size_t>(j)])
                return names[static_cast<std::size_t>(i)];
    return {};
}

std::string defaultComputerName(int slot, std::array<std::string, 4> names, int playerCount)
{
    int index = std::max(slot - 1, 0); // slot 1 and 2 Patsy, slot 3 Pushover, slot 4 Kent Dans (1-based)
    names[static_cast<std::size_t>(slot)] = kComputerNames[index];
    for (int tries = 0; tries < 3; ++tries) {
        if (firstDuplicateName(names, playerCount) != names[static_cast<std::size_t>(slot)])
            break;
        index = (index + 1) % 8;
        names[static_cast<std::size_t>(slot)] = kComputerNames[index];
    }
    return names[static_cast<std::size_t>(slot)];
}

std::optional<Problem> acceptanceProblem(const GameSetup& setup, const std::array<bool, 4>* givenMarks)
{
    const int n = std::clamp(setup.playerCount, 1, 4);
    std::array<std::int32_t, 4> methods{};
    std::array<std::string, 4> names;
    for (std::size_t i = 0; i < 4; ++i) {
        methods[i] = setup.players[i].inputMethod;
        names[i] = setup.players[i].name;
    }
    std::array<bool, 4> marks{};
    if (givenMarks)
        marks = *givenMarks;
    else if (!setup.listenForNetworkPlayers)
        marks = conflictMarks(methods, n);
    {
        for (int i = 0; i < n; ++i)
            if (marks[static_cast<std::size_t>(i)]) {
                const char* text =
                    methods[static_cast<std::size_t>(i)] == InputMethod::MouseOnly
                        ? QT_TRANSLATE_NOOP("Setup", "Player %1 is using the Mouse, which has been designated for use "
                                                     "by another player also.\n\nPlease correct the input methods.")
                        : QT_TRANSLATE_NOOP("Setup", "Player %1 is using the Keyboard, which has been designated for "
                                                     "use by another player also.\n\nPlease correct the input methods.");
                return Problem{fillIn(translate("Setup", text), {std::to_string(i + 1)}), translate("Setup", "Error")};
            }
    }
    for (int i = 0; i < n; ++i)
        if (names[static_cast<std::size_t>(i)].empty())
            return Problem{fillIn(translate("Setup", "Please enter or select a name for Player %1"), {std::to_string(i + 1)}),
                           translate("Setup", "Player Name Required")};
    if (const std::string twice = firstDuplicateName(names, n); !twice.empty())
        return Problem{fillIn(translate("Setup", "Player '%1' is listed more than once.\n\nPlease make all player names unique."),
                              {twice}),
                       translate("Setup", "Duplicate Player Names")};
    if (setup.listenForNetworkPlayers) {
        int humans = 0;
        for (int i = 0; i < n; ++i)
            humans += methods[static_cast<std::size_t>(i)] < InputMethod::Computer;
        if (humans > 1)
            return Problem{fillIn(translate("Setup", "Only one (local) human player is allowed in a network game.  Please "
                                                     "uncheck \" Listen for network players\" box or remove %1 human "
                                                     "player(s)"),
                                  {std::to_string(humans - 1)}),
                           translate("Setup", "Error")};
    }
    return std::nullopt;
}

int placeGridFiles(std::vector<std::string>& entries, int selected, const std::vector<std::string>& files,
                   int rounds, const std::function<bool(const std::string&)>& fileExists)
{
    if (entries.size() < static_cast<std::size_t>(rounds))
        entries.resize(static_cast<std::size_t>(rounds));
    int placed = 0;
    const int start = std::clamp(selected, 0, std::max(rounds - 1, 0));
    for (const std::string& file : files) {
        for (int i = start; i < rounds; ++i) {
            std::string& entry = entries[static_cast<std::size_t>(i)];
            if (entry.empty() || !fileExists(entry)) {
                entry = file;
                ++placed;
                break;
            }
        }
    }
    return placed;
}

} // namespace lettrava::SetupRules
