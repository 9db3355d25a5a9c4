#pragma once

#include <cstddef>

namespace lettrava {

// What a running solver tells its owner. Both calls come on the solver's own
// thread; an adapter for a windowing toolkit turns them into queued signals.
// Implementations must not wait for the solver (suspend, terminate and count
// are fine; waitFor and destroying the solver are not).
class SolverObserver {
public:
    virtual ~SolverObserver() = default;

    // After each start cell has been searched: cells done of the total, and
    // the number of words found so far.
    virtual void progress(std::size_t cellsDone, std::size_t cellsTotal, std::size_t wordsFound)
    {
        (void)cellsDone;
        (void)cellsTotal;
        (void)wordsFound;
    }

    // Once, when the search ends: completed is false when it was terminated
    // before every cell had been searched.
    virtual void finished(bool completed) { (void)completed; }
};

} // namespace lettrava
