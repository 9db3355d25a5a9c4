#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace lettrava {

class Game;
class Player;
class TextLabel;

// Where the local players of games and their lifetime statistics live. The
// store owns its records; a game's local players are these very records, so
// what the game counts is what is kept. A game holds the store it was made
// with for its whole life, so that the store cannot go from under it: a
// store replaced meanwhile lives on until its last game is gone.
//
// This one keeps its records in memory only; the player file store keeps
// them in a file as well.
class PlayerStore {
public:
    PlayerStore();
    virtual ~PlayerStore();
    PlayerStore(const PlayerStore&) = delete;
    PlayerStore& operator=(const PlayerStore&) = delete;

    const std::vector<std::unique_ptr<Player>>& records() const { return records_; }
    Player* findByName(const std::string& name) const;

    // The record of the named player (created when new) linked to the game
    // with the given input method, level and score label.
    Player* registerForGame(Game* game, std::int32_t inputMethod, const std::string& name,
                            std::int32_t computerLevel, TextLabel* scoreLabel);

    // Keeps the records (after a counted round). True when they are kept.
    virtual bool saveAll() { return true; }

protected:
    std::vector<std::unique_ptr<Player>> records_;
};

// The store that new games take: the one installed last, or, until one is,
// a store in memory only.
std::shared_ptr<PlayerStore> playerStoreForNewGames();
void installPlayerStore(std::shared_ptr<PlayerStore> store);

} // namespace lettrava
