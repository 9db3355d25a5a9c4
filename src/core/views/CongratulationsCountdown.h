#pragma once

#include <string>

namespace lettrava {

// The drum roll of the congratulations window, tick by tick (one tick every
// 200 ms): the winner label grows a dot in its middle while the countdown is
// still high, the winner is revealed 4.2 seconds after opening, and at the
// end the congratulations appear for a winner who is a person.
class CongratulationsCountdown {
public:
    static constexpr int kStart = 6000;
    static constexpr int kTick = 200;
    static constexpr int kRevealBelow = 2000;
    static constexpr const char* kStartText = "->..<-";

    enum class Step {
        Grow,     // a dot was inserted into label()
        Wait,     // nothing to change this tick
        Reveal,   // show the winner text now
        Finish,   // the timer stops; congratulate when congratulate() says so
    };

    CongratulationsCountdown(std::string winnerText, bool humanWinner, bool plainLook);

    Step tick();

    const std::string& label() const { return label_; }
    const std::string& winnerText() const { return winner_; }
    int remaining() const { return remaining_; }
    bool revealed() const { return revealed_; }
    bool finished() const { return finished_; }
    // "CONGRATULATIONS!" and the "Won Game" sound follow the end of the countdown.
    bool congratulate() const { return finished_ && human_; }

private:
    std::string winner_;
    bool human_;
    bool plain_;
    std::string label_ = kStartText;
    int remaining_ = kStart;
    bool revealed_ = false;
    bool finished_ = false;
};

} // namespace lettrava
