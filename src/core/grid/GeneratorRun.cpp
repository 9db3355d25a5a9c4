#include "core/grid/GeneratorRun.h"

#include "core/platform/Clock.h"
#include "core/words/Latin1.h"

#include <cctype>

namespace lettrava {

GeneratorRun::GeneratorRun(std::vector<std::string> words, GeneratedGrid& target)
    : target_(target), startTick_(clock().tickCount())
{
    target_.clearInterior();
    target_.clearCounts();
    generator_ = std::make_unique<GridGenerator>(std::move(words));
}

bool GeneratorRun::runOneGeneration()
{
    if (!running_ || paused_)
        return false;
    const int best = generator_->step();
    if (generator_->improved()) {
        target_ = generator_->best();
        if (static_cast<std::size_t>(best) == generator_->words().size()) {
            allPlaced_ = true;
            running_ = false;
        }
        if (onImproved_)
            onImproved_();
    }
    return true;
}

void GeneratorRun::pause() { paused_ = true; }
void GeneratorRun::resume() { paused_ = false; }

std::string GeneratorRun::wordsPlacedText() const
{
    if (allPlaced_)
        return "ALL!";
    return std::to_string(std::max(generator_->bestFitness(), 0));
}

std::uint32_t GeneratorRun::elapsedMilliseconds() const { return clock().tickCount() - startTick_; }

std::string GeneratorRun::formatElapsed(std::uint32_t seconds)
{
    const std::uint32_t h = seconds / 3600, m = seconds / 60 % 60, s = seconds % 60;
    std::string out = std::to_string(h) + ':';
    out += static_cast<char>('0' + m / 10);
    out += static_cast<char>('0' + m % 10);
    out += ':';
    out += static_cast<char>('0' + s / 10);
    out += static_cast<char>('0' + s % 10);
    return out;
}

namespace WordList {

namespace {
bool isLetter(char c) { return latin1::isLetter(c); }
char upper(char c) { return latin1::toUpper(c); }
} // namespace

std::string wordToAdd(const std::string& input, const std::vector<std::string>& list, std::string& error)
{
    error.clear();
    std::string word;
    for (char c : input)
        if (isLetter(c))
            word.push_back(upper(c));
    if (word.empty())
        return word;
    if (word.size() <= 2) {
        error = "Words must be at least 3 letters long.";
    } else if (word.size() >= 19) {
        error = "Words can be no more than 18 letters long.";
    } else {
        for (const std::string& w : list) {
            std::string u;
            for (char c : w)
                u.push_back(upper(c));
            if (u == word) {
                error = "That word is already in the list";
                break;
            }
        }
    }
    return word;
}

std::vector<std::string> wordsFromText(const std::string& text)
{
    std::vector<std::string> out;
    std::string run;
    bool tooLong = false;
    auto endRun = [&] {
        if (!run.empty() && !tooLong)
            out.push_back(run);
        run.clear();
        tooLong = false;
    };
    for (char c : text) {
        if (!isLetter(c)) {
            endRun();
        } else if (run.size() == 18) {
            tooLong = true; // the rest of this run is not kept
        } else {
            run.push_back(upper(c));
        }
    }
    endRun();
    return out;
}

} // namespace WordList

} // namespace lettrava
