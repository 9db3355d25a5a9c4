#pragma once

#include "core/grid/Grid.h"
#include "core/grid/GridOptions.h"
#include "core/grid/SolverObserver.h"
#include "core/words/LVWord.h"
#include "core/words/WordStore.h"

#include <array>
#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace lettrava {

// The solver: lists every word of a grid on a worker thread.
//
// The search walks every chain of touching cells that can still begin a word,
// from every start cell, and appends each chain that spells a word of the
// allowed lengths to the found list -- in the order found, a word once for
// every chain and start cell it is found from. The start cell is random, so
// the order (not the set) of the list differs from run to run; cells are
// visited column by column from the start column, wrapping round, and within a
// column row by row from the start row, wrapping likewise. From each cell the
// neighbours are tried in the tracing order.
//
// Lifecycle: created suspended; start() runs it. suspend() and resume() halt
// and continue it, terminate() ends it early; both take effect at the solver's
// next check point, which comes before every neighbour it tries, so within
// one step. waitFor() joins the thread. Destroying a solver that runs or is
// suspended terminates it and joins it first.
//
// Threads: start() takes everything the search reads -- a copy of the grid's
// cells, a copy of the grid options and a snapshot of the dictionary's words --
// on the calling thread, so the user-interface thread may change any of them
// afterwards without racing the search. The found list may be read from any
// thread while it grows; every read and append holds the list's mutex.
class CompSearchThread {
public:
    // The grid must not be null (a programming error: throws std::logic_error
    // "NULL != g"). It is read when the solver starts.
    explicit CompSearchThread(const Grid* grid);
    ~CompSearchThread();
    CompSearchThread(const CompSearchThread&) = delete;
    CompSearchThread& operator=(const CompSearchThread&) = delete;

    // Optional; set before start(). Not owned; must outlive the search.
    void setObserver(SolverObserver* observer) { observer_ = observer; }

    // Draws the start column and then the start row from the process-wide
    // generator on the calling thread, takes the grid, the options and the
    // words, and runs the search on the solver's own thread. Only the first
    // call of start() or startAt() has an effect.
    void start();
    // As start() with a given 0-based start cell, drawing nothing.
    void startAt(int column, int row);

    void suspend();
    void resume();
    void terminate();
    // Returns when the solver's thread has ended (at once when it was never
    // started). A suspended solver ends only once resumed or terminated.
    void waitFor();

    bool started() const { return started_; }
    // The search has returned, to the end or terminated.
    bool finished() const { return finished_.load(); }
    // The search searched every start cell.
    bool completed() const { return completed_.load(); }
    bool terminated() const { return (control_.load() & kTerminate) != 0; }
    // The solver's thread is halted in a suspension.
    bool paused() const;

    // The start cell used (0-based), once started.
    int startColumn() const { return startColumn_; }
    int startRow() const { return startRow_; }

    // The found list, read while it grows.
    std::size_t count() const;
    // Entry i, or empty text when i is not below the count.
    std::string wordAt(std::size_t i) const;
    // The entry at r mod count for a fresh random r, or empty text when
    // nothing has been found.
    std::string randomWord() const;
    // The first entry of length n; the last entry when none has that length;
    // empty text when nothing has been found.
    std::string firstWordOfLength(std::size_t n) const;
    // Appends entries start, start + 1, ... to list.
    void appendWordsFrom(std::vector<std::string>& list, std::size_t start) const;
    // A copy of the whole found list.
    std::vector<std::string> foundWords() const;

    // The distinct found words sorted alphabetically without regard to case,
    // each with its position as order and inGrid and inDictionary set. Rebuilt
    // on every call; meant for after the search has ended.
    const std::vector<LVWord>& solutionWords();
    // The same words, into list (emptied first).
    void fillSolutionList(std::vector<LVWord>& list) const;

private:
    friend class SolverWalk;
    static constexpr unsigned kTerminate = 1, kSuspend = 2;

    void launch();
    void run();
    // Called at a check point when a control flag is set: halts while
    // suspended; true when the search must end.
    bool checkpoint();
    bool checkpointDue() const;
    // Words found go to the list in small batches: at most kPendingWords at a
    // time, and always before a start cell is left, before the search halts
    // and when it ends.
    void append(const char* text, std::size_t length);
    void publish();
    static constexpr std::size_t kPendingWords = 32;
    std::vector<LVWord> buildSolution() const;

    const Grid* grid_;
    SolverObserver* observer_ = nullptr;

    // Taken by start(), read by the solver thread only.
    std::array<char, Grid::kSize * Grid::kSize> cells_{};
    GridOptions options_;
    std::shared_ptr<const WordStore> words_;
    int columns_ = 0, rows_ = 0;
    int startColumn_ = 0, startRow_ = 0;

    bool started_ = false;
    std::atomic<unsigned> control_{0};
    std::atomic<bool> finished_{false};
    std::atomic<bool> completed_{false};

    mutable std::mutex controlMutex_;
    std::condition_variable controlChanged_;
    bool paused_ = false;

    std::vector<std::string> pending_; // solver thread only

    mutable std::mutex foundMutex_;
    std::vector<std::string> found_;
    std::vector<LVWord> solution_;

    std::mutex joinMutex_;
    std::thread thread_;
};

} // namespace lettrava
