#pragma once

#include "core/game/Game.h"
#include "core/grid/CompSearchThread.h"
#include "core/grid/Grid.h"
#include "core/grid/GridFile.h"
#include "core/grid/GridOptions.h"
#include "core/platform/Clock.h"
#include "core/platform/Paths.h"
#include "core/platform/Random.h"
#include "core/platform/RecordingDialogs.h"
#include "core/platform/RecordingGameView.h"
#include "core/platform/Sounds.h"
#include "core/players/PlayerFileManager.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lettrava::test {

// A whole game under test: a small dictionary, a manual clock and timers,
// recorded dialogs, sounds and main window, and a player file in a temporary
// program folder.
class GameFixture : public ::testing::Test {
protected:
    explicit GameFixture(const std::vector<std::string>& words = defaultWords())
        : dictionary_(words), time_(clock_, timers_), installDialogs_(dialogs_), installSounds_(sounds_)
    {
        Random::instance().seed(12345);
        gridOptions() = GridOptions{};
        PlayerFileManager::useFile(home_ / "LTPlayers.dat");
    }
    ~GameFixture() override
    {
        game.reset();
        PlayerFileManager::resetInstance();
        gridOptions() = GridOptions{};
    }

    static std::vector<std::string> defaultWords()
    {
        return {"CAT", "CATS", "ACT", "TAC", "SAT", "TOP", "POT", "STOP", "POTS", "SPOT", "TOPS", "OPT", "OPTS",
                "COT", "COTS", "COAT", "COATS", "TACO", "TACOS", "COST", "SCAT", "ATOP", "PAST", "SPAT", "TAPS",
                "PATS", "POST", "OATS", "STOAT", "DODO", "APT", "PAT", "TAP", "SAP", "SPA"};
    }

    // Writes a grid file of the given rows ("CATS", "OPTS", ...) and returns its path.
    std::string gridFile(const std::vector<std::string>& rows, const std::string& name = "round.grd")
    {
        std::string text = "ROWS=" + std::to_string(rows.size()) + "\r\nCOLS=" + std::to_string(rows[0].size()) + "\r\n";
        for (const auto& r : rows)
            text += ">" + r + "\r\n";
        const auto path = home_ / name;
        writeFile(path, text);
        return path.string();
    }

    static PlayerChoice human(const std::string& name, std::int32_t method = InputMethod::KeyboardAndMouse)
    {
        PlayerChoice c;
        c.inputMethod = method;
        c.name = name;
        return c;
    }
    static PlayerChoice computer(const std::string& name)
    {
        PlayerChoice c;
        c.inputMethod = InputMethod::Computer;
        c.name = name;
        c.computerLevel = computerLevelForName(name);
        return c;
    }

    // A new game of the given players, every round on the same grid file.
    Game& newGame(const std::vector<PlayerChoice>& players, const std::string& grid, int rounds = 3,
                  const std::string& duration = "auto")
    {
        const GameSetup s = gridFileSetup(players, grid, rounds, duration);
        setup = s;
        game = Game::createFromSetup(view, s);
        return *game;
    }

    // Starts a round and lets its solver finish before any time passes.
    void startRound()
    {
        game->startRoundCommand();
        game->round()->solver()->waitFor();
    }

    VerdictCode type(const std::string& word)
    {
        game->wordEntry().typedTextChanged(word);
        return game->wordEntry().submitTyped();
    }

    // Runs the game's timer until the running round has ended.
    void runToRoundEnd()
    {
        timers_.runUntil([this] { return !game->roundRunning; }, 7'000'000);
        ASSERT_FALSE(game->roundRunning);
    }

    std::uint32_t roundElapsedMs()
    {
        const Round* r = game->round();
        return clock_.tickCount() - r->startTick - static_cast<std::uint32_t>(r->pausedTotal);
    }

    TempDir home_;
    ScopedDictionary dictionary_;
    ManualClock clock_;
    ManualTimers timers_{clock_};
    ScopedTime time_;
    RecordingDialogs dialogs_;
    ScopedDialogs installDialogs_;
    RecordingSounds sounds_;
    ScopedSounds installSounds_;
    RecordingGameView view;
    GameSetup setup;
    std::unique_ptr<Game> game;
};

} // namespace lettrava::test
