#include "session/DictionaryChoice.h"
#include "core/platform/Texts.h"

#include "core/game/Game.h"
#include "core/words/Dictionary.h"

namespace lettrava {

namespace {
// The host's wait for its players' last words belongs to the round too.
bool inRound(const Game* game) { return game && (game->roundRunning || game->hostWaiting()); }
} // namespace

void DictionaryChoice::chosen(const Game* game)
{
    if (inRound(game)) {
        waiting_ = true;
        status_(translate("Session", kWaitingText));
        return;
    }
    loadNow();
}

void DictionaryChoice::roundEnded(const Game* game)
{
    if (waiting_ && !inRound(game))
        loadNow();
}

void DictionaryChoice::loadNow()
{
    waiting_ = false;
    Dictionary& dictionary = Dictionary::instance();
    // The load shows what went wrong in its own boxes.
    if (dictionary.load() == Dictionary::LoadStatus::Loaded)
        status_(fillIn(translate("Session", kLoadedText), {dictionary.displayName()}));
}

} // namespace lettrava
