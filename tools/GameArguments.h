#pragma once

#include "ToolSupport.h"

#include "core/game/GameSetup.h"

#include <ostream>

namespace lettrava {
class Game;
}

namespace lettrava::tool {

const char* yesNo(bool b);

// A game's set-up from the options shared by `simulate` and `host`: rounds,
// sizes or a grid file, duration, bonus, reuse, porosity, lengths, and the
// players given as human:NAME or computer:NAME. A host's game has exactly one
// human, the first player: the host's own seat.
GameSetup setupFromArguments(const Arguments& a, bool hosting);

// One `score` line per player of the round just credited.
void printScoreLines(std::ostream& out, const Game& game, int round);

} // namespace lettrava::tool
