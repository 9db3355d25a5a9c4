#include "support/GameBench.h"

#include "core/platform/Random.h"
#include "core/players/PlayerFileManager.h"

#include <gtest/gtest.h>

namespace lettrava::test {

GameBench::GameBench(GameView& view, const std::vector<std::string>& words)
    : dictionary_(words), time_(clock_, timers_), installSounds_(sounds_), gameView_(view)
{
    Random::instance().seed(12345);
    gridOptions() = GridOptions{};
    PlayerFileManager::useFile(home_ / "LTPlayers.dat");
}

GameBench::~GameBench()
{
    game.reset();
    PlayerFileManager::resetInstance();
    gridOptions() = GridOptions{};
}

std::vector<std::string> GameBench::defaultWords()
{
    return {"CAT", "CATS", "ACT", "TAC", "SAT", "TOP", "POT", "STOP", "POTS", "SPOT", "TOPS", "OPT", "OPTS",
            "COT", "COTS", "COAT", "COATS", "TACO", "TACOS", "COST", "SCAT", "ATOP", "PAST", "SPAT", "TAPS",
            "PATS", "POST", "OATS", "STOAT", "DODO", "APT", "PAT", "TAP", "SAP", "SPA"};
}

std::string GameBench::gridFile(const std::vector<std::string>& rows, const std::string& name)
{
    std::string text = "ROWS=" + std::to_string(rows.size()) + "\r\nCOLS=" + std::to_string(rows[0].size()) + "\r\n";
    for (const auto& r : rows)
        text += ">" + r + "\r\n";
    const auto path = home_ / name;
    writeFile(path, text);
    return path.string();
}

PlayerChoice GameBench::human(const std::string& name, std::int32_t method)
{
    PlayerChoice c;
    c.inputMethod = method;
    c.name = name;
    return c;
}

PlayerChoice GameBench::computer(const std::string& name)
{
    PlayerChoice c;
    c.inputMethod = InputMethod::Computer;
    c.name = name;
    c.computerLevel = computerLevelForName(name);
    return c;
}

Game& GameBench::newGame(const std::vector<PlayerChoice>& players, const std::string& grid, int rounds,
                         const std::string& duration)
{
    setup = gridFileSetup(players, grid, rounds, duration);
    game = Game::createFromSetup(gameView_, setup);
    return *game;
}

void GameBench::startRound()
{
    game->startRoundCommand();
    game->round()->solver()->waitFor();
}

VerdictCode GameBench::type(const std::string& word)
{
    game->wordEntry().typedTextChanged(word);
    return game->wordEntry().submitTyped();
}

void GameBench::runToRoundEnd()
{
    timers_.runUntil([this] { return !game->roundRunning; }, 7'000'000);
    ASSERT_FALSE(game->roundRunning);
}

} // namespace lettrava::test
