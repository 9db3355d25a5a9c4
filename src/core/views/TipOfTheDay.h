#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace lettrava {

// The tips of the day and the walk through them.
//
// A tip is stored as one line of text: "%CRLF%" stands for a line break, and
// a leading "+" (not shown) asks for a vertical scroll bar because the tip is
// long. Shown in order (the program's first run) the walk starts at the
// first tip and goes forwards and backwards round the list; in random order
// each step draws another tip from the one generator and there is no going
// back.
class TipOfTheDay {
public:
    struct Shown {
        std::string text;          // with real line breaks, without the "+"
        bool scrollBar = false;    // the tip asked for a vertical scroll bar
    };

    // The program's own tips.
    static const std::vector<std::string>& builtInTips();
    static Shown present(const std::string& stored);

    TipOfTheDay(std::vector<std::string> tips, bool inOrder);

    bool empty() const { return tips_.empty(); }
    bool inOrder() const { return inOrder_; }
    // Going back is offered only in order, and only with tips to go to.
    bool canGoBack() const { return inOrder_ && !tips_.empty(); }
    bool canGoForward() const { return !tips_.empty(); }

    // The tip shown now; index -1 and empty text without tips.
    int index() const { return index_; }
    Shown current() const;

    void next();
    void previous();

private:
    int randomIndex() const;

    std::vector<std::string> tips_;
    bool inOrder_;
    int index_ = -1;
};

} // namespace lettrava
