#pragma once

#include <functional>
#include "core/platform/Texts.h"
#include <string>

namespace lettrava {

class Game;

// Loads the chosen dictionary when the choice changes (or "Reload
// Dictionaries" asks): at once when no round runs, else as soon as the round
// has ended, so that a round is judged by one dictionary from start to end.
// What it did goes to the status line.
class DictionaryChoice {
public:
    using StatusLine = std::function<void(const std::string& text)>;

    static constexpr const char* kLoadedText = QT_TRANSLATE_NOOP("Session", "Dictionary loaded: %1");
    static constexpr const char* kWaitingText =
        QT_TRANSLATE_NOOP("Session", "The chosen dictionary will be loaded when this round ends.");

    explicit DictionaryChoice(StatusLine status) : status_(std::move(status)) {}

    // The user chose or reloaded the dictionary; `game` is the current game, or none.
    void chosen(const Game* game);
    // The round may be over: a choice that waited is loaded now, unless
    // `game` still runs its round (or, hosting, waits for its players).
    void roundEnded(const Game* game);
    bool waiting() const { return waiting_; }

private:
    void loadNow();

    StatusLine status_;
    bool waiting_ = false;
};

} // namespace lettrava
