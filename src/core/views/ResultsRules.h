#pragma once

#include "core/words/LVWord.h"

#include <string>
#include <vector>

namespace lettrava {

class CompSearchThread;
class Dictionary;
class Player;

// What the round results window shows and allows, decided from the game's
// data alone; the window only draws it.
namespace ResultsRules {

// "Final Results" for the last round of the game, else "Round N Results".
std::string title(int currentRound, int roundsPerGame);

// May the word be offered for the custom dictionary? Only a word of a
// player's list that the dictionary did not accept (rejected by it, or never
// looked up because it was not in the grid) and that it does not hold now
// (it may have been added since).
bool mayAddWord(const LVWord& word, const Dictionary& dictionary);

// Does a click on the player's longest word show its path? Only when the
// word is real text (more than two characters) and was found in this round:
// an older longest word need not be in this grid.
bool longestWordTraceable(const Player& player);

// The solver's distinct words in alphabetical order (case-insensitive), each
// numbered by that position and marked as in grid and in dictionary.
std::vector<LVWord> solutionWords(CompSearchThread* solver);

// Sorts a solution list: 0 by number (the alphabetical order), 1
// alphabetically, 2 by length ascending, 3 by length descending.
void sortSolution(std::vector<LVWord>& words, int order);

} // namespace ResultsRules

} // namespace lettrava
