#pragma once

#include <string>

namespace lettrava {

// A piece of text in a window that the engine writes: a player's score or name
// label in the main window.
class TextLabel {
public:
    virtual ~TextLabel() = default;
    virtual void setText(const std::string& text) = 0;
};

// A label that just keeps its text; for tests, tools and players without a window.
class PlainLabel : public TextLabel {
public:
    void setText(const std::string& t) override { text = t; }
    std::string text;
};

} // namespace lettrava
