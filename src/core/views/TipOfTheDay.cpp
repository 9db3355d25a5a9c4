#include "core/views/TipOfTheDay.h"

#include "core/platform/Random.h"
#include "core/platform/Texts.h"

#include <string_view>

namespace lettrava {

const std::vector<std::string>& TipOfTheDay::builtInTips()
{
    static const std::vector<std::string> tips = {
        QT_TRANSLATE_NOOP("Tips", "Need some quiet?  Tick \"Disable All Sound\" on the Sounds page of the Preferences and Lettrava will "
                          "not make a peep."),
        QT_TRANSLATE_NOOP("Tips", "You can play against up to three computer opponents at once.  Pick them in the game setup: from Patsy, "
                          "who is easy to beat, up to Deep Words, who is not."),
        QT_TRANSLATE_NOOP("Tips", "Wondering what a word means?  After a round, pick it in the results window and choose Lookup from the "
                          "Word List menu or the right-click menu."),
        QT_TRANSLATE_NOOP("Tips", "Words that are too short or too long for your taste?  Change the shortest and longest word allowed in "
                          "Game Options."),
        QT_TRANSLATE_NOOP("Tips", "+Was one of your words shown in red?  It is in the grid but not in the dictionary.%CRLF%%CRLF%If you "
                          "are sure it is a real word, choose Add Word in the results window: it goes into your own custom "
                          "dictionary and counts from the next round on."),
        QT_TRANSLATE_NOOP("Tips", "When you add a word to your custom dictionary you can also send it to the Lettrava suggestion box, so "
                          "that it may be part of a later version."),
        QT_TRANSLATE_NOOP("Tips", "With letter reuse allowed, a word may pass over the same tile more than once, so just two tiles that "
                          "touch can make a word: a T beside an O gives TOT."),
        QT_TRANSLATE_NOOP("Tips", "Every event has its own sound.  Choose your own sound files for them on the Sounds page of the "
                          "Preferences."),
        QT_TRANSLATE_NOOP("Tips", "You don't have to choose between the keyboard and the mouse: with \"Keyboard and Mouse\" you can type "
                          "one word and click the next."),
        QT_TRANSLATE_NOOP("Tips", "Is there something you would like Lettrava to do?  Tell us about new features you would like with the "
                          "feedback button in Help, About."),
        QT_TRANSLATE_NOOP("Tips", "Changes in the Preferences only last when you press Save before you leave the window.  Close throws "
                          "them away."),
        QT_TRANSLATE_NOOP("Tips", "Typing words?  Press Space or Enter to submit a word, whichever comes easier."),
        QT_TRANSLATE_NOOP("Tips", "+After a round, click any word in a list of the results window.%CRLF%%CRLF%Its letters light up in blue "
                          "on the grid, so you can see where it was hiding."),
        QT_TRANSLATE_NOOP("Tips", "Found a mistake or have an idea?  Send us your suggestions with the feedback button in Help, About."),
        QT_TRANSLATE_NOOP("Tips", "Letter reuse can be switched on or off in Game Options.  Without it, each tile may be used only once in "
                          "a word, which makes long words much harder."),
        QT_TRANSLATE_NOOP("Tips", "Grid porosity punches holes into the grid.  The more holes, the fewer paths there are between the "
                          "letters.  Set it in Game Options."),
        QT_TRANSLATE_NOOP("Tips", "Make your own grids in the Grid Factory: type the letters, let the solver count the words and save the "
                          "grid to play it in a game."),
        QT_TRANSLATE_NOOP("Tips", "+The Grid Factory can also build a grid for you from a list of words.%CRLF%Give it the words you want "
                          "in the grid and it searches for a grid that holds as many of them as it can."),
        QT_TRANSLATE_NOOP("Tips", "Lettrava can play in other languages too: put another dictionary into the dict folder and choose it "
                          "on the General page of the Preferences."),
        QT_TRANSLATE_NOOP("Tips", "Between rounds, click the round-time picture to make the next round 15 seconds longer, or right-click "
                          "it to make it shorter."),
    };
    return tips;
}

TipOfTheDay::Shown TipOfTheDay::present(const std::string& stored)
{
    Shown s;
    std::string text = stored;
    if (!text.empty() && text.front() == '+') {
        s.scrollBar = true;
        text.erase(0, 1);
    }
    static constexpr std::string_view marker = "%CRLF%";
    std::string_view rest = text;
    for (auto at = rest.find(marker); at != std::string_view::npos; at = rest.find(marker)) {
        s.text.append(rest.substr(0, at));
        s.text += '\n';
        rest.remove_prefix(at + marker.size());
    }
    s.text.append(rest);
    return s;
}

TipOfTheDay::TipOfTheDay(std::vector<std::string> tips, bool inOrder) : tips_(std::move(tips)), inOrder_(inOrder)
{
    if (tips_.empty())
        return;
    index_ = inOrder_ ? 0 : randomIndex();
}

TipOfTheDay::Shown TipOfTheDay::current() const
{
    if (index_ < 0)
        return {};
    // The program's own tips in the player's language; others as they are.
    return present(translate("Tips", tips_[static_cast<std::size_t>(index_)].c_str()));
}

int TipOfTheDay::randomIndex() const
{
    const auto count = static_cast<std::uint32_t>(tips_.size());
    if (count < 2)
        return 0;
    // Draws among all but one tip; drawing the current one moves to the next,
    // so the same tip never comes twice in a row.
    int drawn = static_cast<int>(Random::instance().below(count - 1));
    if (drawn == index_)
        ++drawn;
    return drawn;
}

void TipOfTheDay::next()
{
    if (tips_.empty())
        return;
    if (!inOrder_) {
        index_ = randomIndex();
        return;
    }
    index_ = (index_ + 1) % static_cast<int>(tips_.size());
}

void TipOfTheDay::previous()
{
    if (!canGoBack())
        return;
    index_ = (index_ + static_cast<int>(tips_.size()) - 1) % static_cast<int>(tips_.size());
}

} // namespace lettrava
