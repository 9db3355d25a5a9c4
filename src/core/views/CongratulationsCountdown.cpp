#include "core/views/CongratulationsCountdown.h"

namespace lettrava {

CongratulationsCountdown::CongratulationsCountdown(std::string winnerText, bool humanWinner, bool plainLook)
    : winner_(std::move(winnerText)), human_(humanWinner), plain_(plainLook)
{
}

CongratulationsCountdown::Step CongratulationsCountdown::tick()
{
    if (finished_)
        return Step::Wait;
    remaining_ -= kTick;
    if (remaining_ < 0) {
        finished_ = true;
        if (!revealed_) {
            revealed_ = true;
            label_ = winner_;
        }
        return Step::Finish;
    }
    if (revealed_)
        return Step::Wait;
    if (remaining_ >= kRevealBelow) {
        // The plain look keeps the label hidden until the reveal.
        if (plain_)
            return Step::Wait;
        label_.insert(label_.begin() + static_cast<std::ptrdiff_t>(label_.size() / 2), '.');
        return Step::Grow;
    }
    revealed_ = true;
    label_ = winner_;
    return Step::Reveal;
}

} // namespace lettrava
