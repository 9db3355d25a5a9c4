#pragma once

#include "core/game/GameSetup.h"
#include "core/platform/GameView.h"
#include "core/platform/TextLabel.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace lettrava {

// A main window that only remembers what it was asked to do: every call as a
// line of text in `events`, the labels' texts, the status text, the clock.
// Tests and the command-line tool drive whole games through it.
class RecordingGameView : public GameView {
public:
    struct Results : ResultsWindow {
        explicit Results(RecordingGameView& v) : view(v) {}
        void showModal() override { view.events.push_back("results:modal"); }
        void showModeless() override { view.events.push_back("results:modeless"); }
        void requestHide() override { view.events.push_back("results:hide"); }
        RecordingGameView& view;
    };

    void setStatusText(const std::string& text) override
    {
        status = text;
        events.push_back("status:" + text);
    }
    TextLabel& scoreLabel(int slot) override { return scores.at(static_cast<std::size_t>(slot)); }
    TextLabel& nameLabel(int slot) override { return names.at(static_cast<std::size_t>(slot)); }
    void manualGridSize(int& c, int& r) override
    {
        c = columns;
        r = rows;
    }
    void roundStarting() override { events.push_back("roundStarting"); }
    void enterRoundMode(const Game&) override { events.push_back("enterRoundMode"); }
    void buildBoard(const Grid&) override
    {
        events.push_back("buildBoard");
        if (onBuildBoard)
            onBuildBoard();
    }
    void placeWordEntryPanel(bool show) override { events.push_back(show ? "wordEntry:shown" : "wordEntry:hidden"); }
    void refreshLetterCells() override { ++refreshes; }
    void setClockText(const std::string& text) override { clockText = text; }
    void setClockFlashing(bool f) override
    {
        if (f != flashing)
            events.push_back(f ? "clock:flashing" : "clock:steady");
        flashing = f;
    }
    void setPaused(bool p) override { events.push_back(p ? "paused" : "resumed"); }
    void showBonusHint(const std::string& letters, const std::string& value) override
    {
        bonusLetters = letters;
        bonusValue = value;
        events.push_back("bonus:" + letters + " " + value);
    }
    void leaveRoundMode(const Game&, bool counts) override
    {
        events.push_back(counts ? "leaveRoundMode:counts" : "leaveRoundMode:aborted");
    }
    void prepareNextRound(const Game&) override { events.push_back("prepareNextRound"); }
    void setRoundLabel(const std::string& text) override { roundLabel = text; }
    void setRoundTimeHint(const std::string& text) override { roundTimeHint = text; }
    void setShowResultsEnabled(bool e) override { showResultsEnabled = e; }
    void setMainWindowVisible(bool v) override
    {
        mainVisible = v;
        events.push_back(v ? "main:shown" : "main:hidden");
    }
    std::unique_ptr<ResultsWindow> createResultsWindow(Game&, Round&) override
    {
        events.push_back("results:created");
        return std::make_unique<Results>(*this);
    }
    void showCongratulations(const std::string& text, bool humanWinner) override
    {
        events.push_back("congratulations:" + text + (humanWinner ? " (won)" : ""));
        if (onCongratulations)
            onCongratulations(); // a modal window stands open for as long as this runs
    }
    bool runSetupDialog(GameSetup& setup, bool isNew, bool) override
    {
        events.push_back(isNew ? "setup:new" : "setup:options");
        if (!acceptSetup)
            return false;
        if (isNew)
            setup = setupAnswer;
        return true;
    }

    bool hasEvent(const std::string& e) const
    {
        for (const auto& x : events)
            if (x == e)
                return true;
        return false;
    }

    std::vector<std::string> events;
    std::array<PlainLabel, 4> scores;
    std::array<PlainLabel, 4> names;
    std::string status;
    std::string clockText;
    bool flashing = false;
    std::string bonusLetters;
    std::string bonusValue;
    std::string roundLabel;
    std::string roundTimeHint;
    bool showResultsEnabled = false;
    bool mainVisible = true;
    int refreshes = 0;
    int columns = 5, rows = 5;
    bool acceptSetup = true;
    GameSetup setupAnswer;
    std::function<void()> onBuildBoard;
    std::function<void()> onCongratulations;
};

} // namespace lettrava
