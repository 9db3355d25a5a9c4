#pragma once

#include "core/game/Game.h"
#include "core/grid/CompSearchThread.h"
#include "core/grid/GridOptions.h"
#include "core/platform/Clock.h"
#include "core/platform/GameView.h"
#include "core/platform/Sounds.h"
#include "support/TestSupport.h"
#include "core/headless/ManualTimers.h"
#include "core/headless/RecordingSounds.h"

#include <memory>
#include <string>
#include <vector>

namespace lettrava::test {

// What every test of a whole game needs, whichever main window it plays in:
// a small dictionary, a manual clock and timers, recorded sounds, a player
// file in a temporary program folder, grid files written on demand, and the
// steps of play. The fixture that holds it owns the main window (`view`)
// and resets `game` before that window goes.
class GameBench {
public:
    explicit GameBench(GameView& view, const std::vector<std::string>& words = defaultWords());
    ~GameBench();
    GameBench(const GameBench&) = delete;
    GameBench& operator=(const GameBench&) = delete;

    static std::vector<std::string> defaultWords();
    // Writes a grid file of the given rows ("CATS", "OPTS", ...) and returns its path.
    std::string gridFile(const std::vector<std::string>& rows, const std::string& name = "round.grd");
    static PlayerChoice human(const std::string& name, std::int32_t method = InputMethod::KeyboardAndMouse);
    static PlayerChoice computer(const std::string& name);
    // A new game of the given players, every round on the same grid file.
    Game& newGame(const std::vector<PlayerChoice>& players, const std::string& grid, int rounds = 3,
                  const std::string& duration = "auto");
    // Starts a round and lets its solver finish before any time passes.
    void startRound();
    VerdictCode type(const std::string& word);
    // Runs the game's timer until the running round has ended.
    void runToRoundEnd();

    TempDir home_;
    ScopedDictionary dictionary_;
    ManualClock clock_;
    ManualTimers timers_{clock_};
    ScopedTime time_;
    RecordingSounds sounds_;
    ScopedSounds installSounds_;
    GameSetup setup;
    std::unique_ptr<Game> game;

private:
    GameView& gameView_;
};

} // namespace lettrava::test
