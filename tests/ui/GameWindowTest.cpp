#include "GameWindowTest.h"

#include "core/words/Dictionary.h"

namespace lettrava::test {

GameWindowTest::GameWindowTest() : dictionary_(defaultWords()), time_(clock_, timers_), installSounds_(sounds_)
{
    Random::instance().seed(12345);
    gridOptions() = GridOptions{};
    PlayerFileManager::useFile(home_ / "LTPlayers.dat");
    // Custom words go to "Lettrava.Cus" in the program folder.
    Dictionary::instance(false).setCustomWordsFile(std::nullopt);
}

GameWindowTest::~GameWindowTest()
{
    game.reset();
    PlayerFileManager::resetInstance();
    gridOptions() = GridOptions{};
    Dictionary::instance(false).setCustomWordsFile(std::filesystem::path());
}

std::vector<std::string> GameWindowTest::defaultWords()
{
    return {"CAT", "CATS", "ACT", "TAC", "SAT", "TOP", "POT", "STOP", "POTS", "SPOT", "TOPS", "OPT", "OPTS",
            "COT", "COTS", "COAT", "COATS", "TACO", "TACOS", "COST", "SCAT", "ATOP", "PAST", "SPAT", "TAPS",
            "PATS", "POST", "OATS", "STOAT", "DODO", "APT", "PAT", "TAP", "SAP", "SPA"};
}

std::string GameWindowTest::gridFile(const std::vector<std::string>& rows, const std::string& name)
{
    std::string text = "ROWS=" + std::to_string(rows.size()) + "\r\nCOLS=" + std::to_string(rows[0].size()) + "\r\n";
    for (const auto& r : rows)
        text += ">" + r + "\r\n";
    const auto path = home_ / name;
    writeFile(path, text);
    return path.string();
}

PlayerChoice GameWindowTest::human(const std::string& name, std::int32_t method)
{
    PlayerChoice c;
    c.inputMethod = method;
    c.name = name;
    return c;
}

PlayerChoice GameWindowTest::computer(const std::string& name)
{
    PlayerChoice c;
    c.inputMethod = InputMethod::Computer;
    c.name = name;
    c.computerLevel = computerLevelForName(name);
    return c;
}

Game& GameWindowTest::newGame(const std::vector<PlayerChoice>& players, const std::string& grid, int rounds,
                              const std::string& duration)
{
    const GameSetup s = test::gridFileSetup(players, grid, rounds, duration);
    game = Game::createFromSetup(view, s);
    return *game;
}

void GameWindowTest::startRound()
{
    game->startRoundCommand();
    game->round()->solver()->waitFor();
}

VerdictCode GameWindowTest::type(const std::string& word)
{
    game->wordEntry().typedTextChanged(word);
    return game->wordEntry().submitTyped();
}

void GameWindowTest::runToRoundEnd()
{
    timers_.runUntil([this] { return !game->roundRunning; }, 7'000'000);
    ASSERT_FALSE(game->roundRunning);
}

} // namespace lettrava::test
