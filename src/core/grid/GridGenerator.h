#pragma once

#include "core/grid/GeneratedGrid.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace lettrava {

// Breeds grids that hold as many words of a list as possible: a genetic
// algorithm over two populations of 105 grids. Each generation the grids of
// one population are scored by the words they hold; the 15 best are paired in
// every combination to breed the other population cell by cell, keeping the
// letters the words use; then 300 random letters are written into random grids.
//
// Runs on the user-interface thread, a generation at a time. The populations
// are allocated once, when the generator is made.
class GridGenerator {
public:
    static constexpr int kPopulation = 105;
    static constexpr int kParents = 15;
    static constexpr int kMutations = 300;

    // Fills both populations at random (B then A for each index, holes drawn
    // anew each time); the holes of the last fill are kept for every crossover.
    explicit GridGenerator(std::vector<std::string> words);

    // One generation; returns the best fitness of the generation evaluated.
    int step();

    // The number of listed words traced in the grid, counting the cells used.
    int countPlacedWords(GeneratedGrid& grid) const { return grid.countPlacedWords(words_); }
    // A child of p (the better-ranked parent) and q: holes where the kept mask
    // has them, a random letter where neither parent's cell carried a word,
    // otherwise the letter of the parent whose cell was used more (q on ties).
    void crossover(const GeneratedGrid& p, const GeneratedGrid& q, GeneratedGrid& child) const;

    int generation() const { return generation_; }
    int bestFitness() const { return bestFitness_; }
    int generationBest() const { return generationBest_; }
    bool improved() const { return improved_; }
    const GeneratedGrid& best() const { return best_; }
    const std::vector<std::string>& words() const { return words_; }
    const std::array<int, kParents>& parents() const { return parents_; }
    const std::array<int, kPopulation>& fitness() const { return fitness_; }
    // Population A (even generations evaluate it) or B (odd ones).
    const std::array<GeneratedGrid, kPopulation>& population(bool a) const { return a ? *populationA_ : *populationB_; }

private:
    std::vector<std::string> words_;
    int generation_ = 0;
    std::array<int, kPopulation> fitness_{};
    std::array<int, kParents> parents_{};
    std::unique_ptr<std::array<GeneratedGrid, kPopulation>> populationA_;
    std::unique_ptr<std::array<GeneratedGrid, kPopulation>> populationB_;
    GeneratedGrid best_;
    int bestFitness_ = -1;
    int generationBest_ = 0;
    bool improved_ = false;
    std::array<std::array<bool, Grid::kSize>, Grid::kSize> holes_{};
};

} // namespace lettrava
