#include "core/game/WordEntry.h"

#include "core/game/Game.h"
#include "core/grid/Grid.h"
#include "core/grid/GridOptions.h"
#include "core/platform/GameView.h"
#include "core/platform/Sounds.h"

#include <cstdlib>

namespace lettrava {

bool WordEntry::keyboardIsMouse() const
{
    // A client's one person types and clicks into the same word.
    if (game_.networkMode == NetworkMode::Client)
        return true;
    const Player* k = game_.keyboardPlayer();
    return k && k == game_.mousePlayer();
}

bool WordEntry::clicksAllowed() const
{
    const Round* round = game_.round();
    return game_.roundRunning && round && !round->paused;
}

void WordEntry::refresh() { game_.view().refreshLetterCells(); }

void WordEntry::setTyped(const std::string& text)
{
    typed_ = text;
    if (keyboardIsMouse())
        mouseWord_ = typed_;
}

void WordEntry::typedTextChanged(const std::string& text)
{
    setTyped(text);
    refresh();
}

VerdictCode WordEntry::submitTyped()
{
    const std::string text = typed_;
    VerdictCode verdict = 0;
    if (!game_.roundRunning) {
        // A key that arrives after the round ended judges nothing.
    } else if (game_.networkMode == NetworkMode::Client) {
        // Judged by the host; the verdict comes back later.
        game_.sendWordToHost(text);
    } else {
        verdict = game_.submitWord(text, WordSource::Keyboard);
        game_.showVerdict(verdict, text);
    }
    setTyped("");
    if (keyboardIsMouse())
        resetClicks();
    refresh();
    return verdict;
}

WordEntry::Cursor WordEntry::cursorAt(int x, int y) const
{
    if (!game_.hasMousePlayer)
        return Cursor::Arrow;
    if (lastX_ < 0)
        return Cursor::Hand;
    if (x == lastX_ && y == lastY_ && lastRefused_)
        return Cursor::NotAllowed;
    return (std::abs(x - lastX_) <= 1 && std::abs(y - lastY_) <= 1) ? Cursor::Hand : Cursor::NotAllowed;
}

WordEntry::CellColour WordEntry::colourAt(int x, int y) const
{
    if (x < 0 || y < 0 || x >= 12 || y >= 12)
        return CellColour::Plain;
    return colours_[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)];
}

bool WordEntry::leftClick(int x, int y)
{
    const Round* round = game_.round();
    const GridOptions& o = gridOptions();
    if (!clicksAllowed() || x < 0 || y < 0 || x >= o.gridColumns || y >= o.gridRows || x >= 12 || y >= 12)
        return false;
    if (cursorAt(x, y) != Cursor::Hand || mouseWord_.size() > 17)
        return false;
    const char letter = round->grid().letterAt(x + 1, y + 1);
    if (letter == ' ')
        return false; // a hole shows no cell to click
    sounds().playSound(SoundEvent::LetterClick);
    if (x == lastX_ && y == lastY_) {
        lastRefused_ = true;
        refresh();
        return false;
    }
    CellColour& c = colours_[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)];
    c = c == CellColour::Plain ? CellColour::Blue : c == CellColour::Blue ? CellColour::Yellow : CellColour::Green;

    if (keyboardIsMouse())
        setTyped(typed_ + letter);
    else if (game_.hasMousePlayer)
        mouseWord_ += letter;
    lastX_ = x;
    lastY_ = y;
    lastRefused_ = false;
    clearEnabled_ = true;
    refresh();
    return true;
}

void WordEntry::rightClick()
{
    if (!clicksAllowed())
        return;
    if (keyboardIsMouse()) {
        submitTyped();
        return;
    }
    const std::string word = mouseWord_;
    const VerdictCode verdict = game_.submitWord(word, WordSource::Mouse);
    game_.showVerdict(verdict, word);
    clearMouseWord();
}

void WordEntry::middleClick()
{
    if (!clicksAllowed())
        return;
    resetClicks();
    if (keyboardIsMouse())
        setTyped("");
    refresh();
}

void WordEntry::resetClicks()
{
    lastX_ = lastY_ = -1;
    lastRefused_ = false;
    for (auto& column : colours_)
        column.fill(CellColour::Plain);
}

void WordEntry::clearMouseWord()
{
    resetClicks();
    mouseWord_.clear();
    if (keyboardIsMouse())
        typed_.clear();
    clearEnabled_ = false;
    refresh();
}

void WordEntry::reset()
{
    resetClicks();
    typed_.clear();
    mouseWord_.clear();
    clearEnabled_ = false;
}

} // namespace lettrava
