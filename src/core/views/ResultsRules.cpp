#include "core/views/ResultsRules.h"
#include "core/platform/Texts.h"

#include "core/game/Player.h"
#include "core/grid/CompSearchThread.h"
#include "core/words/Dictionary.h"

namespace lettrava::ResultsRules {

std::string title(int currentRound, int roundsPerGame)
{
    if (currentRound == roundsPerGame)
        return translate("Results", "Final Results");
    return fillIn(translate("Results", "Round %1 Results"), {std::to_string(currentRound)});
}

bool mayAddWord(const LVWord& word, const Dictionary& dictionary)
{
    if (word.inDictionary)
        return false;
    return dictionary.lookup(word.text) != LookupResult::Word;
}

bool longestWordTraceable(const Player& player)
{
    return player.longestThisGame.size() > 2 && player.newLongestThisGame;
}

std::vector<LVWord> solutionWords(CompSearchThread* solver)
{
    std::vector<LVWord> list;
    if (solver)
        solver->fillSolutionList(list);
    return list;
}

void sortSolution(std::vector<LVWord>& words, int order)
{
    // Numbers are the alphabetical positions, so both first orders sort by them.
    sortWordList(words, order == 1 ? 0 : order);
}

} // namespace lettrava::ResultsRules
