#pragma once

#include "core/grid/GeneratedGrid.h"
#include "core/grid/GridGenerator.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace lettrava {

// One "Generate Grid" run: the generator driven a generation at a time, with
// pause, stop, the elapsed time and the texts the generator window shows. The
// window and the command-line tool both drive a run through this object.
class GeneratorRun {
public:
    // target is the grid that receives every improvement (the factory grid).
    GeneratorRun(std::vector<std::string> words, GeneratedGrid& target);

    // Called after each improvement has been copied into the target.
    void onImproved(std::function<void()> callback) { onImproved_ = std::move(callback); }

    // One generation, unless the run was stopped or is paused. False when
    // nothing was done.
    bool runOneGeneration();

    void pause();
    void resume();
    void togglePause() { paused_ ? resume() : pause(); }
    void stop() { running_ = false; }

    bool running() const { return running_; }
    bool paused() const { return paused_; }
    // All words were placed (the run then ended by itself).
    bool allPlaced() const { return allPlaced_; }
    int generations() const { return generator_->generation(); }
    int bestFitness() const { return generator_->bestFitness(); }
    std::size_t wordCount() const { return generator_->words().size(); }
    const GridGenerator& generator() const { return *generator_; }

    // "0" at the start, then the best fitness, "ALL!" once every word is placed.
    std::string wordsPlacedText() const;
    // The time since the run started, paused time included.
    std::uint32_t elapsedMilliseconds() const;
    std::string elapsedText() const { return formatElapsed(elapsedMilliseconds() / 1000); }

    // Hours without leading zeros, ":", two-digit minutes, ":", two-digit seconds.
    static std::string formatElapsed(std::uint32_t seconds);

private:
    GeneratedGrid& target_;
    std::unique_ptr<GridGenerator> generator_;
    std::function<void()> onImproved_;
    std::uint32_t startTick_;
    bool running_ = true;
    bool paused_ = false;
    bool allPlaced_ = false;
};

// The generator window's word list rules.
namespace WordList {

// "Add": the letters of the input, upper-cased. Empty text when nothing is
// left (the input is dropped silently); otherwise `error` receives the message
// of the first check that fails, or stays empty when the word may be added.
std::string wordToAdd(const std::string& input, const std::vector<std::string>& list, std::string& error);

// "Load": every run of letters A-Z / a-z becomes an entry, upper-cased, in
// file order, duplicates kept. A run longer than 18 letters cannot be a word
// of the game and is dropped.
std::vector<std::string> wordsFromText(const std::string& text);

} // namespace WordList

} // namespace lettrava
