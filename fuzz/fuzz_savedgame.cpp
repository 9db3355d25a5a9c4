// Feeds arbitrary bytes to the saved-game reader; a game that loads must then
// start a round on the sizes it brought without misbehaving.

#include "core/game/Game.h"
#include "core/game/SavedGameFile.h"
#include "core/grid/GridOptions.h"
#include "core/headless/RecordingDialogs.h"
#include "core/headless/RecordingGameView.h"
#include "core/players/PlayerFileManager.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace lettrava;
    static RecordingDialogs quiet;
    setDialogs(&quiet);
    static bool once = [] {
        PlayerFileManager::useFile({});
        return true;
    }();
    (void)once;
    gridOptions() = GridOptions{};

    const std::string bytes(reinterpret_cast<const char*>(data), size);
    RecordingGameView view;
    Game game(view);
    if (SavedGameFile::decode(game, bytes) != SavedGameFile::Result::Loaded)
        return 0;
    // What was read writes back whole.
    const std::size_t expected = 50 + 8 * static_cast<std::size_t>(game.roundsPerGame) + 52 * static_cast<std::size_t>(game.playerCount);
    if (SavedGameFile::encode(game).size() != expected)
        std::abort();
    if (game.currentRound < game.roundsPerGame) {
        game.startRound();
        const GridOptions& o = gridOptions();
        if (o.gridColumns < 3 || o.gridColumns > 12 || o.gridRows < 3 || o.gridRows > 12)
            std::abort();
    }
    quiet.messages.clear();
    return 0;
}
