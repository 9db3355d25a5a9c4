#include "core/players/PlayerFileManager.h"

#include "core/game/Player.h"
#include "core/platform/Debug.h"
#include "core/platform/FileUtil.h"
#include "core/platform/Paths.h"

#include <algorithm>
#include <fstream>
#include <mutex>

namespace lettrava {

namespace {
std::mutex storeMutex;
std::shared_ptr<PlayerFileManager> theStore;

PlayerFileManager& install(std::shared_ptr<PlayerFileManager> store)
{
    theStore = std::move(store);
    installPlayerStore(theStore);
    return *theStore;
}
} // namespace

PlayerFileManager& PlayerFileManager::instance()
{
    std::lock_guard lock(storeMutex);
    if (!theStore)
        return install(std::make_shared<PlayerFileManager>(Paths::writableFile(kFileName)));
    return *theStore;
}

void PlayerFileManager::resetInstance()
{
    std::lock_guard lock(storeMutex);
    theStore.reset();
    installPlayerStore(nullptr);
}

PlayerFileManager& PlayerFileManager::useFile(const std::filesystem::path& file)
{
    std::lock_guard lock(storeMutex);
    return install(std::make_shared<PlayerFileManager>(file));
}

PlayerFileManager::PlayerFileManager(std::filesystem::path file) : file_(std::move(file)) { loadAll(); }

PlayerFileManager::~PlayerFileManager() = default;

std::vector<std::unique_ptr<Player>> PlayerFileManager::parse(const std::string& bytes)
{
    std::vector<std::unique_ptr<Player>> out;
    for (std::size_t at = 0; at < bytes.size() && out.size() < kMaxRecords; at += Player::kFileRecordSize) {
        auto p = std::make_unique<Player>();
        p->fromFileRecord(reinterpret_cast<const unsigned char*>(bytes.data()) + at, bytes.size() - at);
        out.push_back(std::move(p));
    }
    return out;
}

void PlayerFileManager::loadAll()
{
    if (file_.empty())
        return;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file_, ec))
        return;
    std::ifstream in(file_, std::ios::binary);
    if (!in)
        return;
    const std::uintmax_t size = std::filesystem::file_size(file_, ec);
    std::string bytes(ec ? 0 : static_cast<std::size_t>(std::min<std::uintmax_t>(size, kMaxRecords * Player::kFileRecordSize)),
                      '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    records_ = parse(bytes);
}

bool PlayerFileManager::saveAll()
{
    if (file_.empty())
        return true;
    std::string bytes;
    bytes.reserve(records_.size() * Player::kFileRecordSize);
    for (const auto& p : records_)
        if (!p->isRemote())
            bytes += p->toFileRecord();
    const bool ok = writeFileAtomically(file_, bytes);
    if (!ok)
        debugLog("the player file could not be written: " + file_.string());
    return ok;
}

} // namespace lettrava
