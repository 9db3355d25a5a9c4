#include "session/DictionaryChoice.h"

#include "core/game/Game.h"
#include "core/words/Dictionary.h"

namespace lettrava {

void DictionaryChoice::chosen(const Game* game)
{
    // The host's wait for its players belongs to the round too.
    if (game && (game->roundRunning || game->hostWaiting())) {
        waiting_ = true;
        status_(kWaitingText);
        return;
    }
    loadNow();
}

void DictionaryChoice::roundEnded()
{
    if (waiting_)
        loadNow();
}

void DictionaryChoice::loadNow()
{
    waiting_ = false;
    Dictionary& dictionary = Dictionary::instance();
    // The load shows what went wrong in its own boxes.
    if (dictionary.load() == Dictionary::LoadStatus::Loaded)
        status_(kLoadedText + dictionary.displayName());
}

} // namespace lettrava
