#include "core/grid/GridGenerator.h"

#include "core/platform/Random.h"
#include "core/words/Dictionary.h"

namespace lettrava {

GridGenerator::GridGenerator(std::vector<std::string> words)
    : words_(std::move(words)), populationA_(std::make_unique<std::array<GeneratedGrid, kPopulation>>()),
      populationB_(std::make_unique<std::array<GeneratedGrid, kPopulation>>())
{
    for (int i = 0; i < kPopulation; ++i) {
        (*populationB_)[static_cast<std::size_t>(i)].randomFill();
        (*populationA_)[static_cast<std::size_t>(i)].randomFill();
    }
    holes_ = holesMask();
}

void GridGenerator::crossover(const GeneratedGrid& p, const GeneratedGrid& q, GeneratedGrid& child) const
{
    child.clearInterior();
    child.clearCounts();
    Dictionary& dictionary = Dictionary::instance();
    const int cols = Grid::columns(), rows = Grid::rows();
    for (int c = 1; c <= cols; ++c) {
        for (int r = 1; r <= rows; ++r) {
            char letter;
            if (holes_[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)]) {
                letter = ' ';
            } else {
                const int up = p.useCount(c, r);
                const int uq = q.useCount(c, r);
                if (up == 0 && uq == 0)
                    letter = dictionary.randomLetter();
                else
                    letter = uq >= up ? q.letterAt(c, r) : p.letterAt(c, r);
            }
            child.setLetter(c, r, letter);
        }
    }
}

int GridGenerator::step()
{
    ++generation_;
    const bool evaluateB = generation_ % 2 == 1;
    auto& evaluated = evaluateB ? *populationB_ : *populationA_;
    auto& children = evaluateB ? *populationA_ : *populationB_;

    improved_ = false;
    for (int i = 0; i < kPopulation; ++i)
        fitness_[static_cast<std::size_t>(i)] = countPlacedWords(evaluated[static_cast<std::size_t>(i)]);

    // The fittest grid, the lowest index on ties; then 14 more, best first.
    auto takeBest = [this] {
        int at = 0;
        for (int i = 1; i < kPopulation; ++i)
            if (fitness_[static_cast<std::size_t>(i)] > fitness_[static_cast<std::size_t>(at)])
                at = i;
        return at;
    };
    const int top = takeBest();
    generationBest_ = fitness_[static_cast<std::size_t>(top)];
    if (generationBest_ > bestFitness_) {
        bestFitness_ = generationBest_;
        improved_ = true;
        best_ = evaluated[static_cast<std::size_t>(top)];
    }
    parents_[0] = top;
    fitness_[static_cast<std::size_t>(top)] = -1;
    for (int k = 1; k < kParents; ++k) {
        const int next = takeBest();
        parents_[static_cast<std::size_t>(k)] = next;
        fitness_[static_cast<std::size_t>(next)] = -1;
    }

    std::size_t slot = 0;
    GeneratedGrid child;
    for (int j = 0; j < kParents - 1; ++j) {
        for (int i = j + 1; i < kParents; ++i) {
            crossover(evaluated[static_cast<std::size_t>(parents_[static_cast<std::size_t>(j)])],
                      evaluated[static_cast<std::size_t>(parents_[static_cast<std::size_t>(i)])], child);
            children[slot++] = child;
        }
    }

    Dictionary& dictionary = Dictionary::instance();
    Random& random = Random::instance();
    const int cols = Grid::columns(), rows = Grid::rows();
    for (int m = 0; m < kMutations && cols > 0 && rows > 0; ++m) {
        const char letter = dictionary.randomLetter();
        const int row = static_cast<int>(random.below(static_cast<std::uint32_t>(rows)));
        const int column = static_cast<int>(random.below(static_cast<std::uint32_t>(cols)));
        const auto grid = static_cast<std::size_t>(random.below(kPopulation));
        children[grid].setLetter(column + 1, row + 1, letter);
    }
    return generationBest_;
}

} // namespace lettrava
