#include "core/game/SavedGameFile.h"

#include "core/game/Game.h"
#include "core/grid/GridOptions.h"
#include "core/platform/Bytes.h"
#include "core/platform/GameView.h"

namespace lettrava {

std::string SavedGameFile::encode(const Game& game)
{
    const GridOptions& o = gridOptions();
    const int rounds = std::clamp(game.roundsPerGame, 0, Game::kMaxRounds);
    ByteWriter w;
    w.int32(kMagic);
    w.int32(game.roundsPerGame);
    w.int32(game.playerCount);
    w.int32(game.currentRound);
    for (int i = 0; i < rounds; ++i)
        w.int32(game.columnsByRound[static_cast<std::size_t>(i)]);
    for (int i = 0; i < rounds; ++i)
        w.int32(game.rowsByRound[static_cast<std::size_t>(i)]);
    w.int32(game.gridSizeOrder);
    w.flag(game.manualGridSize);
    w.flag(game.automaticDuration);
    w.int32(game.roundMinutes);
    w.int32(game.roundSeconds);
    w.flag(game.hasKeyboardPlayer);
    w.flag(o.allowLetterReuse);
    w.flag(game.bonusWordEnabled);
    w.int32(o.gridPorosity);
    w.int32(o.minWordLength);
    w.int32(o.maxWordLength);
    w.byte(game.networkMode);
    for (int i = 0; i < game.playerCount; ++i)
        if (const Player* p = game.playerAt(i))
            w.raw(p->toSavedRecord());
    w.int32(game.hostPort);
    return w.take();
}

namespace {

bool inRange(std::int32_t v, std::int32_t low, std::int32_t high) { return v >= low && v <= high; }

struct SavedPlayer {
    std::string name;
    std::string longestThisGame;
    std::int32_t wordsThisGame = 0;
    std::int32_t inputMethod = 0;
    std::int32_t gameScore = 0;
    std::int32_t computerLevel = 0;
};

} // namespace

SavedGameFile::Result SavedGameFile::decode(Game& game, const std::string& bytes)
{
    ByteReader r(bytes);
    const std::int32_t magic = r.int32();
    if (r.shortRead())
        return Result::Corrupt;
    if (magic != kMagic)
        return Result::WrongMagic;

    const std::int32_t rounds = r.int32();
    const std::int32_t count = r.int32();
    const std::int32_t current = r.int32();
    if (!inRange(rounds, 1, Game::kMaxRounds) || !inRange(count, 1, Game::kMaxPlayers)
        || !inRange(current, 0, rounds))
        return Result::Corrupt;
    std::array<std::int32_t, Game::kMaxRounds> columns{}, rows{};
    for (int i = 0; i < rounds; ++i)
        columns[static_cast<std::size_t>(i)] = r.int32();
    for (int i = 0; i < rounds; ++i)
        rows[static_cast<std::size_t>(i)] = r.int32();
    const std::int32_t order = r.int32();
    const bool manual = r.flag();
    const bool automatic = r.flag();
    const std::int32_t minutes = r.int32();
    const std::int32_t seconds = r.int32();
    const bool keyboard = r.flag();
    const bool reuse = r.flag();
    const bool bonus = r.flag();
    const std::int32_t porosity = r.int32();
    const std::int32_t minLength = r.int32();
    const std::int32_t maxLength = r.int32();
    const std::uint8_t network = r.byte();
    std::vector<SavedPlayer> loaded(static_cast<std::size_t>(count));
    for (SavedPlayer& p : loaded) {
        // The game's words come before the input method, the score before the level.
        p.name = r.text(17, Player::kMaxNameLength);
        p.longestThisGame = r.text(19, Player::kMaxWordLength);
        p.wordsThisGame = r.int32();
        p.inputMethod = r.int32();
        p.gameScore = r.int32();
        p.computerLevel = r.int32();
    }
    const std::int32_t port = r.int32();
    if (r.shortRead())
        return Result::Corrupt;

    // Values that size grids, index tables or steer a later round.
    if (!inRange(order, 0, 3) || !inRange(porosity, 0, 60) || !inRange(minLength, 3, 18)
        || !inRange(maxLength, minLength, 18) || !inRange(minutes, 0, 99) || !inRange(seconds, 0, 99)
        || network > 1)
        return Result::Corrupt;
    for (int i = 0; i < rounds; ++i) {
        const auto c = columns[static_cast<std::size_t>(i)];
        const auto w = rows[static_cast<std::size_t>(i)];
        // A game whose sizes are set by hand each round plans none.
        const bool unplanned = order == 2 && c == 0 && w == 0;
        if (!unplanned && (!inRange(c, 3, 12) || !inRange(w, 3, 12)))
            return Result::Corrupt;
    }
    for (const SavedPlayer& p : loaded)
        if (!inRange(p.inputMethod, -1, 3) || !inRange(p.computerLevel, 0, 8))
            return Result::Corrupt;

    game.roundsPerGame = rounds;
    game.playerCount = count;
    game.currentRound = current;
    game.columnsByRound = columns;
    game.rowsByRound = rows;
    game.gridSizeOrder = order;
    game.manualGridSize = manual;
    game.automaticDuration = automatic;
    game.roundMinutes = minutes;
    game.roundSeconds = seconds;
    game.hasKeyboardPlayer = keyboard;
    game.bonusWordEnabled = bonus;
    game.networkMode = network;
    game.hostPort = port;
    GridOptions& o = gridOptions();
    o.allowLetterReuse = reuse;
    o.gridPorosity = porosity;
    o.minWordLength = minLength;
    o.maxWordLength = maxLength;
    game.hasMousePlayer = false;
    for (int i = 0; i < count; ++i) {
        const SavedPlayer& from = loaded[static_cast<std::size_t>(i)];
        auto p = std::make_unique<Player>(&game, &game.view().scoreLabel(i), &game.view().nameLabel(i));
        p->name = from.name;
        p->longestThisGame = from.longestThisGame;
        p->longestWord = from.longestThisGame;
        p->wordsThisGame = from.wordsThisGame;
        p->inputMethod = from.inputMethod;
        p->gameScore = from.gameScore;
        p->computerLevel = from.computerLevel;
        if (p->inputMethod == 0 || p->inputMethod == 2)
            game.hasMousePlayer = true;
        game.adoptPlayer(i, std::move(p));
    }
    return Result::Loaded;
}

} // namespace lettrava
