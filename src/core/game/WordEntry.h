#pragma once

#include "core/game/Verdict.h"

#include <array>
#include <string>

namespace lettrava {

class Game;

// Words typed into the word entry field and words built by clicking letter
// cells: which cell was clicked last, how often each cell is used (its colour),
// which cells accept a click (their cursor), and submitting.
//
// Positions are 0-based interior cells (x column, y row).
class WordEntry {
public:
    enum class Cursor { Arrow, Hand, NotAllowed };
    // How often a cell is used in the mouse word: none, once (blue), twice
    // (yellow), three times or more (green).
    enum class CellColour { Plain, Blue, Yellow, Green };

    explicit WordEntry(Game& game) : game_(game) {}

    // Enter or Space in the word entry field.
    VerdictCode submitTyped();
    // The word entry field's text changed (typed by the user).
    void typedTextChanged(const std::string& text);

    // Mouse buttons on a letter cell. Clicks count only while a round runs
    // and is not paused; false when the click did nothing.
    bool leftClick(int x, int y);
    void rightClick();
    void middleClick();

    // Forgets which cells were clicked: colours back to plain, cursors recomputed.
    void resetClicks();
    // "Clear Mouse Clicks": resets the clicks and empties the mouse word.
    void clearMouseWord();
    // Everything back to the start of a round.
    void reset();

    const std::string& typedText() const { return typed_; }
    const std::string& mouseWord() const { return mouseWord_; }
    bool clearClicksEnabled() const { return clearEnabled_; }
    Cursor cursorAt(int x, int y) const;
    CellColour colourAt(int x, int y) const;
    bool hasLastClicked() const { return lastX_ >= 0; }

private:
    bool keyboardIsMouse() const;
    bool clicksAllowed() const;
    void setTyped(const std::string& text);
    void refresh();

    Game& game_;
    std::string typed_;
    std::string mouseWord_;
    int lastX_ = -1, lastY_ = -1;
    bool lastRefused_ = false; // the last clicked cell was clicked again
    bool clearEnabled_ = false;
    std::array<std::array<CellColour, 12>, 12> colours_{};
};

} // namespace lettrava
