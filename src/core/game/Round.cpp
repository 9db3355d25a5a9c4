#include "core/game/Round.h"
#include "core/platform/Texts.h"

#include "core/game/Game.h"
#include "core/grid/CompSearchThread.h"
#include "core/grid/GridOptions.h"
#include "core/platform/Clock.h"
#include "core/platform/Dialogs.h"
#include "core/platform/GameView.h"
#include "core/platform/Random.h"

#include <algorithm>
#include <system_error>

namespace lettrava {

Round::Round(Game& game, const std::filesystem::path& gridFile, std::unique_ptr<Grid> givenGrid, int minutes,
             int seconds)
    : game_(game)
{
    if (givenGrid) {
        grid_ = std::move(givenGrid);
    } else {
        // Grid(gridFile) makes a random grid when the name is empty or names no file.
        grid_ = std::make_unique<Grid>(gridFile);
    }
    duration = (minutes == 0 && seconds == 0) ? automaticDuration(meanDimension()) : minutes * 60 + seconds;
    timeLeft = duration;
}

Round::~Round()
{
    resultsWindow_.reset();
    if (solver_) {
        solver_->terminate();
        solver_.reset(); // joins, also when suspended
    }
}

int Round::automaticDuration(int mean)
{
    if (mean <= 4)
        return 90;
    if (mean <= 6)
        return 120;
    return 30 * mean - 60;
}

std::string Round::clockText(int secondsLeft)
{
    const int s = std::max(secondsLeft, 0);
    const int sec = s % 60;
    return std::to_string(s / 60) + (sec < 10 ? ":0" : ":") + std::to_string(sec);
}

int Round::meanDimension() const { return (gridOptions().gridColumns + gridOptions().gridRows) / 2; }

int Round::bonusPoints() const { return 10 * static_cast<int>(bonusWord.size()) + 5 * meanDimension(); }

void Round::setResultsWindow(std::unique_ptr<ResultsWindow> window) { resultsWindow_ = std::move(window); }

void Round::startClock() { startTick = clock().tickCount(); }

void Round::startSolver()
{
    solver_ = std::make_unique<CompSearchThread>(grid_.get());
    solver_->start();
}

void Round::stopSolver()
{
    if (solver_)
        solver_->terminate();
    solverStopped = true;
}

int Round::secondsLeftNow() const
{
    const std::uint32_t now = clock().tickCount();
    const std::uint32_t elapsed = now - startTick - static_cast<std::uint32_t>(pausedTotal);
    return duration - static_cast<int>(elapsed / 1000);
}

void Round::updateClock()
{
    timeLeft = secondsLeftNow();
    game_.view().setClockText(clockText(timeLeft));
}

void Round::togglePause()
{
    paused = !paused;
    const std::uint32_t now = clock().tickCount();
    if (paused) {
        pauseStartTick = now;
        if (solver_)
            solver_->suspend();
    } else {
        pausedTotal += static_cast<std::int32_t>(now - pauseStartTick);
        if (solver_)
            solver_->resume();
    }
    game_.view().setPaused(paused);
}

void Round::syncTimeLeft(int seconds)
{
    const int left = std::clamp(seconds, 0, std::max(duration, 0));
    startTick = clock().tickCount() - static_cast<std::uint32_t>(pausedTotal)
              - static_cast<std::uint32_t>(duration - left) * 1000u;
}

void Round::chooseBonusWord()
{
    if (!solver_)
        return;
    int c = gridOptions().minWordLength > 8 ? 10 : 8;
    c = std::min(c, meanDimension());
    c = std::max(c, 4);
    const int target = c == 4 ? 4 : 4 + static_cast<int>(Random::instance().below(static_cast<std::uint32_t>(c - 4)));
    const std::string word = solver_->firstWordOfLength(static_cast<std::size_t>(target));
    if (word.empty())
        return;
    bonusWord = word;
    game_.showBonusHint(bonusWord, false);
}

void Round::showResults()
{
    GameView& view = game_.view();
    if (!resultsWindow_) {
        dialogs().showMessage(translate("Game", kNoResultsText), translate("Game", "Error"), MessageButtons::Ok,
                              MessageIcon::Error);
        return;
    }
    if (game_.networkMode == NetworkMode::Client) {
        view.setMainWindowVisible(false);
        resultsWindow_->showModeless();
        return;
    }
    view.setMainWindowVisible(false);
    resultsWindow_->showModal();
    view.setMainWindowVisible(true);
}

void Round::hideResultsWindow()
{
    if (resultsWindow_)
        resultsWindow_->requestHide();
}

} // namespace lettrava
