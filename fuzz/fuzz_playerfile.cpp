// Feeds arbitrary bytes to the player file reader.

#include "core/game/Player.h"
#include "core/players/PlayerFileManager.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace lettrava;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto records = PlayerFileManager::parse(bytes);
    if (records.size() != (size + Player::kFileRecordSize - 1) / Player::kFileRecordSize)
        std::abort();
    for (const auto& p : records) {
        if (p->name.size() > Player::kMaxNameLength || p->longestWord.size() > Player::kMaxWordLength)
            std::abort();
        if (p->toFileRecord().size() != Player::kFileRecordSize)
            std::abort();
    }
    return 0;
}
