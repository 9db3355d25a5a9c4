// The options that set up a game, shared by the commands that play one.

#include "GameArguments.h"

#include "core/game/Game.h"
#include "core/game/Player.h"

namespace lettrava::tool {

const char* yesNo(bool b) { return b ? "yes" : "no"; }

GameSetup setupFromArguments(const Arguments& a, bool hosting)
{
    GameSetup setup;
    setup.roundsPerGame = static_cast<int>(a.integer("rounds", 1, 20).value_or(3));
    setup.bonusWordEnabled = a.yesNo("bonus").value_or(true);
    setup.allowLetterReuse = a.yesNo("reuse").value_or(true);
    setup.gridPorosity = static_cast<int>(a.integer("porosity", 0, 60).value_or(0));
    setup.minWordLength = static_cast<int>(a.integer("min", 3, 18).value_or(3));
    setup.maxWordLength = static_cast<int>(a.integer("max", 3, 18).value_or(18));
    if (setup.maxWordLength < setup.minWordLength)
        throw UsageError("--max must not be below --min");

    const std::string duration = a.value("duration", "auto");
    if (duration == "auto") {
        setup.automaticDuration = true;
    } else {
        const auto colon = duration.find(':');
        if (colon == std::string::npos || duration.size() - colon != 3)
            throw UsageError("--duration must be auto or M:SS");
        setup.automaticDuration = false;
        setup.minutesText = std::to_string(parseInteger(duration.substr(0, colon), "--duration minutes", 0, 99));
        setup.secondsText = std::to_string(parseInteger(duration.substr(colon + 1), "--duration seconds", 0, 59));
    }

    if (a.value("size") && a.value("grid"))
        throw UsageError("--size and --grid exclude each other");
    if (auto grid = a.value("grid")) {
        setup.gridSizeOrder = 3;
        setup.gridFiles.assign(static_cast<std::size_t>(setup.roundsPerGame), *grid);
    } else if (a.value("size")) {
        setup.gridSizeOrder = 2;
    } else {
        setup.gridSizeOrder = 0;
    }

    const auto& players = a.positional();
    if (players.empty() || players.size() > 4)
        throw UsageError("expected one to four players");
    setup.playerCount = static_cast<int>(players.size());
    int humans = 0;
    for (std::size_t i = 0; i < players.size(); ++i) {
        const std::string& p = players[i];
        PlayerChoice& c = setup.players[i];
        if (hosting && i == 0 && !p.starts_with("human:"))
            throw UsageError("the first player is the host's own seat, human:NAME");
        if (p.starts_with("human:") && p.size() > 6) {
            if (hosting && i > 0)
                throw UsageError("the other seats are computer opponents or remote players");
            if (++humans > 2)
                throw UsageError("at most two human players (keyboard and mouse)");
            c.inputMethod = humans == 1 ? InputMethod::KeyboardOnly : InputMethod::MouseOnly;
            c.name = programText(p.substr(6), "a player's name");
        } else if (p.starts_with("computer:")) {
            c.inputMethod = InputMethod::Computer;
            c.name = p.substr(9);
            c.computerLevel = computerLevelForName(c.name);
            if (c.computerLevel == 0)
                throw UsageError("unknown computer opponent " + c.name);
        } else {
            throw UsageError("a player is human:NAME or computer:NAME");
        }
        if (c.name.size() > Player::kMaxNameLength)
            throw UsageError("player names have at most 16 characters");
    }
    return setup;
}

void printScoreLines(std::ostream& out, const Game& game, int round)
{
    for (int i = 0; i < game.playerCount; ++i) {
        const Player* p = game.playerAt(i);
        if (!p)
            continue;
        out << "score " << round << ' ' << terminalText(p->name) << " words=" << p->wordsThisRound << " round=" << p->roundScore
            << " game=" << p->gameScore << " allvalid=" << yesNo(p->allValid) << " bonusfound=" << yesNo(p->bonusFound)
            << " longest=" << p->longestThisGame << '\n';
    }
}

} // namespace lettrava::tool
