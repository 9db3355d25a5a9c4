#pragma once

#include "core/grid/Grid.h"
#include "core/platform/Texts.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

namespace lettrava {

class CompSearchThread;
class Game;
class ResultsWindow;

// One timed round of a game: its grid, its clock, its solver thread, its bonus
// word and, once the round was credited, its results window.
class Round {
public:
    static constexpr const char* kNoResultsText = QT_TRANSLATE_NOOP("Game", "There are no results to view at this time.");

    // The grid is givenGrid when there is one (a client's grid from the host),
    // else read from gridFile when that names a file, else random. With 0
    // minutes and 0 seconds the duration follows the grid size.
    Round(Game& game, const std::filesystem::path& gridFile, std::unique_ptr<Grid> givenGrid, int minutes,
          int seconds);
    // Closes the results window and stops and joins the solver.
    ~Round();
    Round(const Round&) = delete;
    Round& operator=(const Round&) = delete;

    // Seconds of a round on a grid of this mean dimension when the duration is automatic.
    static int automaticDuration(int meanDimension);
    // The clock text: minutes, ":" and two-digit seconds; 0:00 once time is up.
    static std::string clockText(int secondsLeft);

    int meanDimension() const;
    int bonusPoints() const;

    Grid& grid() { return *grid_; }
    const Grid& grid() const { return *grid_; }
    CompSearchThread* solver() { return solver_.get(); }
    const CompSearchThread* solver() const { return solver_.get(); }
    ResultsWindow* resultsWindow() { return resultsWindow_.get(); }
    void setResultsWindow(std::unique_ptr<ResultsWindow> window);

    // Starts the clock now (the last step of building the board).
    void startClock();
    void startSolver();
    void stopSolver();
    // Recomputes timeLeft from the tick count and shows it.
    void updateClock();
    // The seconds left by the tick count now, without touching the clock label.
    int secondsLeftNow() const;
    void togglePause();
    // Moves the clock so that it shows `seconds` left (a client following its
    // host); the number is taken as 0 .. the round's duration.
    void syncTimeLeft(int seconds);
    // Takes the bonus word from the solver's list, when it has one yet.
    void chooseBonusWord();
    // The "Show Results" command.
    void showResults();
    void hideResultsWindow();

    std::uint32_t startTick = 0;
    std::uint32_t pauseStartTick = 0;
    std::int32_t pausedTotal = 0;
    int timeLeft = 0;
    int duration = 0;
    bool paused = false;
    bool solverStopped = false;
    std::string bonusWord;

private:
    Game& game_;
    std::unique_ptr<Grid> grid_;
    std::unique_ptr<CompSearchThread> solver_;
    std::unique_ptr<ResultsWindow> resultsWindow_;
};

} // namespace lettrava
