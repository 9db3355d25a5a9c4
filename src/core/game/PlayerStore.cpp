#include "core/game/PlayerStore.h"

#include "core/game/Player.h"

#include <mutex>

namespace lettrava {

namespace {
std::mutex installedMutex;
std::shared_ptr<PlayerStore> installed;
} // namespace

PlayerStore::PlayerStore() = default;
PlayerStore::~PlayerStore() = default;

Player* PlayerStore::findByName(const std::string& name) const
{
    for (const auto& p : records_)
        if (p->name == name)
            return p.get();
    return nullptr;
}

Player* PlayerStore::registerForGame(Game* game, std::int32_t inputMethod, const std::string& name,
                                     std::int32_t computerLevel, TextLabel* scoreLabel)
{
    Player* p = findByName(name.substr(0, Player::kMaxNameLength));
    if (!p) {
        records_.push_back(std::make_unique<Player>(name));
        p = records_.back().get();
    }
    p->game = game;
    p->inputMethod = inputMethod;
    p->computerLevel = computerLevel;
    p->scoreLabel = scoreLabel;
    return p;
}

std::shared_ptr<PlayerStore> playerStoreForNewGames()
{
    std::lock_guard lock(installedMutex);
    if (!installed)
        installed = std::make_shared<PlayerStore>();
    return installed;
}

void installPlayerStore(std::shared_ptr<PlayerStore> store)
{
    std::lock_guard lock(installedMutex);
    installed = std::move(store);
}

} // namespace lettrava
