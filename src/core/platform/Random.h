#pragma once

#include <cstdint>
#include <mutex>
#include <random>

namespace lettrava {

// The one pseudo-random generator of the process.
//
// Every random choice of the program (letters, holes, grid sizes, computer
// opponents, the solver's start cell, bonus words, sounds, tips) draws from this
// generator, so a test that seeds it gets the same game every time. The program
// seeds it once from the clock at start-up.
//
// Draws are serialised by a mutex: the user-interface thread and worker threads
// may draw at the same time without a data race. The sequence seen by any one
// thread then depends on the interleaving, which is why code that must be
// reproducible draws on the thread that owns the game.
class Random {
public:
    static Random& instance();

    void seed(std::uint32_t value);
    void seedFromClock();

    // A uniformly distributed non-negative integer below 2^31.
    std::uint32_t next();

    // next() mod n; n must be positive. The modulo (rather than rejection
    // sampling) is what the game's formulas are written against.
    std::uint32_t below(std::uint32_t n) { return next() % n; }

    // A uniform integer in [low, high], drawn as low + next() mod (high - low + 1).
    int between(int low, int high);

private:
    Random();
    std::mutex mutex_;
    std::mt19937 engine_;
};

} // namespace lettrava
