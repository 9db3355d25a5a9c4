// simulate, game-info and players: whole games on a simulated clock, saved
// games and the player file.

#include "Commands.h"
#include "GameArguments.h"
#include "ToolSupport.h"

#include "core/game/Game.h"
#include "core/game/SavedGameFile.h"
#include "core/grid/CompSearchThread.h"
#include "core/grid/GridOptions.h"
#include "core/platform/Clock.h"
#include "core/platform/FileUtil.h"
#include "core/platform/Paths.h"
#include "core/platform/Random.h"
#include "core/headless/RecordingGameView.h"
#include "core/platform/TextLines.h"
#include "core/players/PlayerFileManager.h"
#include "session/GameSession.h"
#include "core/headless/ManualTimers.h"

#include <fstream>
#include <iostream>
#include <sstream>

namespace lettrava::tool {

namespace {

struct ScriptLine {
    int round = 0;
    int seconds = 0;
    std::string name;
    std::string word;
};

std::string upperCased(std::string s)
{
    for (char& c : s)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return s;
}

std::vector<ScriptLine> readScript(const std::string& file)
{
    std::vector<ScriptLine> lines;
    forEachScriptLine(file, "script", [&](std::string_view text, int number) {
        std::istringstream fields{std::string(text)};
        ScriptLine s;
        std::string round, seconds;
        if (!(fields >> round))
            return; // an empty line
        if (round[0] == '#')
            return;
        if (!(fields >> seconds >> s.name >> s.word))
            throw ToolError("script line " + std::to_string(number) + ": expected ROUND SECONDS NAME WORD");
        s.round = parseInteger(round, "script round", 1, 20);
        s.seconds = parseInteger(seconds, "script seconds", 0, 6000);
        s.word = upperCased(s.word);
        lines.push_back(s);
    });
    return lines;
}

// Milliseconds the round's clock has run (paused time excluded).
std::uint32_t roundElapsed(const Round& round)
{
    return clock().tickCount() - round.startTick - static_cast<std::uint32_t>(round.pausedTotal);
}

} // namespace

int simulateCommand(const Args& args)
{
    Arguments a(args,
                {"dict", "rounds", "size", "grid", "duration", "bonus", "reuse", "porosity", "min", "max", "seed",
                 "script", "save", "load"},
                {});
    const auto dict = a.value("dict");
    if (!dict)
        throw UsageError("--dict is required");
    loadDictionaryForTool(*dict, std::nullopt);
    // The player file lives in the program folder only when one was given.
    PlayerFileManager::useFile(Paths::homeGiven() ? Paths::writableFile(PlayerFileManager::kFileName)
                                                  : std::filesystem::path());
    const auto seed = static_cast<std::uint32_t>(a.integer("seed", 0, 4294967295L).value_or(0));
    Random::instance().seed(seed);

    ManualClock manualClock;
    ManualTimers manualTimers(manualClock);
    ScopedTime time(manualClock, manualTimers);
    RecordingGameView view;
    if (auto size = a.value("size")) {
        const auto x = size->find('x');
        if (x == std::string::npos)
            throw UsageError("--size must be CxR");
        view.columns = parseInteger(size->substr(0, x), "--size columns", 3, 12);
        view.rows = parseInteger(size->substr(x + 1), "--size rows", 3, 12);
    }

    GameSession session(view);
    Game* game = nullptr;
    if (auto load = a.value("load")) {
        if (!a.positional().empty())
            throw UsageError("--load takes the players from the file");
        game = session.loadGame(*load);
        if (!game)
            throw ToolError("cannot continue the saved game " + *load);
    } else {
        const GameSetup setup = setupFromArguments(a, false);
        if (auto grid = a.value("grid"); grid && !std::filesystem::exists(*grid))
            throw ToolError("no grid file " + *grid);
        game = session.newGameFromSetup(setup);
        if (!game)
            throw ToolError("cannot set up the game");
    }
    const std::vector<ScriptLine> script = a.value("script") ? readScript(*a.value("script")) : std::vector<ScriptLine>{};

    // Whether the player file already knew the players changes how many
    // numbers setting up drew; the game itself starts from the seed again, with
    // the players' form drawn afresh in slot order.
    Random::instance().seed(seed);
    for (int i = 0; i < game->playerCount; ++i)
        game->playerAt(i)->drawStreak();

    while (game->inProgress && game->currentRound < game->roundsPerGame) {
        game->startRoundCommand();
        Round* round = game->round();
        // The solver finishes before the clock moves, so what the computer
        // opponents and the bonus word see does not depend on machine speed.
        round->solver()->waitFor();
        const int r = game->currentRound;
        const GridOptions& o = gridOptions();
        std::cout << "round " << r << " grid " << o.gridColumns << 'x' << o.gridRows << " duration "
                  << round->duration << '\n';

        for (const ScriptLine& line : script) {
            if (line.round != r)
                continue;
            manualTimers.runUntil(
                [&] { return !game->roundRunning || roundElapsed(*round) >= static_cast<std::uint32_t>(line.seconds) * 1000; },
                static_cast<std::uint32_t>(round->duration + 10) * 1000);
            if (!game->roundRunning)
                break;
            const Player* player = game->findPlayerByName(line.name);
            if (!player || !player->isLocalHuman())
                throw ToolError("script names " + line.name + ", who is not a human player of this game");
            const std::size_t before = view.events.size();
            VerdictCode verdict;
            if (player == game->keyboardPlayer()) {
                game->wordEntry().typedTextChanged(line.word);
                verdict = game->wordEntry().submitTyped();
            } else {
                verdict = game->submitWord(line.word, WordSource::Mouse);
                game->showVerdict(verdict, line.word);
            }
            std::string status = "-";
            for (std::size_t i = before; i < view.events.size(); ++i)
                if (view.events[i].starts_with("status:"))
                    status = view.events[i].substr(7);
            std::cout << "verdict " << r << ' ' << line.seconds << ' ' << terminalText(line.name) << ' '
                      << terminalText(line.word) << ' ' << verdict << '\n'
                      << "status " << terminalText(status) << '\n';
        }
        manualTimers.runUntil([&] { return !game->roundRunning; }, static_cast<std::uint32_t>(round->duration + 10) * 1000);
        if (game->roundRunning)
            throw ToolError("the round did not end");

        std::cout << "bonus " << (round->bonusWord.empty() ? "-" : terminalText(round->bonusWord)) << '\n';
        printScoreLines(std::cout, *game, r);
    }
    if (game->playerCount > 1 && !game->inProgress)
        std::cout << "winner " << terminalText(game->winnerText()) << '\n';
    if (auto save = a.value("save"); save && !session.saveGame(*save))
        throw ToolError("cannot write " + *save);
    return 0;
}

int gameInfoCommand(const Args& args)
{
    Arguments a(args, {}, {});
    if (a.positional().size() != 1)
        throw UsageError("expected FILE.LTG");
    RecordingGameView view;
    GameSession session(view);
    const Game* game = session.loadGame(a.positional()[0]);
    if (!game)
        return 1; // the reason went to stderr through the dialogs
    const GridOptions& o = gridOptions();
    std::cout << "rounds: " << game->roundsPerGame << '\n'
              << "players: " << game->playerCount << '\n'
              << "current-round: " << game->currentRound << '\n'
              << "sizes:";
    for (int i = 0; i < game->roundsPerGame; ++i)
        std::cout << ' ' << game->columnsByRound[static_cast<std::size_t>(i)] << 'x'
                  << game->rowsByRound[static_cast<std::size_t>(i)];
    std::cout << '\n'
              << "order: " << game->gridSizeOrder << '\n'
              << "manual-size: " << yesNo(game->manualGridSize) << '\n'
              << "auto-duration: " << yesNo(game->automaticDuration) << '\n'
              << "duration: " << Round::clockText(game->roundMinutes * 60 + game->roundSeconds) << '\n'
              << "keyboard-player: " << yesNo(game->hasKeyboardPlayer) << '\n'
              << "reuse: " << yesNo(o.allowLetterReuse) << '\n'
              << "bonus: " << yesNo(game->bonusWordEnabled) << '\n'
              << "porosity: " << o.gridPorosity << '\n'
              << "min: " << o.minWordLength << '\n'
              << "max: " << o.maxWordLength << '\n'
              << "network-mode: " << static_cast<int>(game->networkMode) << '\n';
    for (int i = 0; i < game->playerCount; ++i) {
        const Player* p = game->playerAt(i);
        std::cout << "player " << terminalText(p->name) << " input=" << p->inputMethod << " level=" << p->computerLevel
                  << " score=" << p->gameScore << " words=" << p->wordsThisGame << " longest=" << p->longestThisGame
                  << '\n';
    }
    std::cout << "port: " << game->hostPort << '\n';
    return 0;
}

int playersCommand(const Args& args)
{
    Arguments a(args, {}, {});
    if (a.positional().size() != 1)
        throw UsageError("expected the player file");
    const std::string& file = a.positional()[0];
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec))
        throw ToolError("cannot read " + file);
    PlayerFileManager store(file);
    for (const auto& p : store.records())
        std::cout << terminalText(p->name) << '|' << terminalText(p->longestWord) << '|' << p->gamesWon << '|' << p->gamesCompleted << '|'
                  << p->roundsPlayed << '|' << p->wordsFound << '|' << p->computerLevel << '|' << p->pointsScored
                  << '\n';
    return 0;
}

} // namespace lettrava::tool
