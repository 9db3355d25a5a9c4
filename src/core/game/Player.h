#pragma once

#include "core/game/Verdict.h"
#include "core/words/LVWord.h"

#include <cstdint>
#include <string>
#include <vector>

namespace lettrava {

class Game;
class TextLabel;

// How a player enters words.
namespace InputMethod {
inline constexpr std::int32_t Remote = -1;
inline constexpr std::int32_t KeyboardAndMouse = 0;
inline constexpr std::int32_t KeyboardOnly = 1;
inline constexpr std::int32_t MouseOnly = 2;
inline constexpr std::int32_t Computer = 3;
} // namespace InputMethod

// The eight computer opponents, strongest last; the level is 8 minus the index.
inline constexpr const char* kComputerNames[8] = {"Patsy",     "Pushover",   "Kent Dans",  "Tuff Nuf",
                                                  "Ken Boogy", "Ward Smith", "W.A. Vocab", "Deep Words"};
// The level of a computer opponent's name, or 0 for any other name.
int computerLevelForName(const std::string& name);

// Sorts a word list: 0 submission order, 1 alphabetical, 2 length ascending,
// 3 length descending; any other order leaves it as it is.
void sortWordList(std::vector<LVWord>& words, int order);

// One participant of a game, and at the same time the player store's record of
// that person or computer opponent: lifetime statistics and the counters of the
// running game live in one object.
class Player {
public:
    static constexpr std::size_t kImageSize = 184;      // the network image
    static constexpr std::size_t kFileRecordSize = 60;  // a player file record
    static constexpr std::size_t kSavedRecordSize = 52; // a saved game's player record
    static constexpr std::size_t kMaxNameLength = 16;
    static constexpr std::size_t kMaxWordLength = 18;

    Player();
    explicit Player(const std::string& name, TextLabel* nameLabel = nullptr);
    Player(Game* game, TextLabel* scoreLabel, TextLabel* nameLabel);

    // Per-game fields cleared for a new game.
    void resetForGame();
    // Per-round fields cleared at a round start; the streak takes a random walk.
    void resetForRound(bool bonusWordEnabled);

    // Judges a word for this player: the checks after the length rules and all
    // the bookkeeping. Returns the points or a negative verdict code.
    VerdictCode judge(const std::string& text);

    // Credits a counted round (all-valid bonus, bonus word, lifetime counters)
    // or takes an uncounted one back.
    void creditRound(int bonusPoints);
    void undoRound();

    // A computer opponent's decision for one timer tick.
    void computerMove(int elapsedSeconds);
    int maxWordLengthForLevel() const;

    bool isComputer() const { return inputMethod == InputMethod::Computer; }
    bool isRemote() const { return inputMethod == InputMethod::Remote; }
    // A person at this computer: keyboard, mouse or both.
    bool isLocalHuman() const { return inputMethod >= 0 && inputMethod <= 2; }

    void addWord(const LVWord& word) { words.push_back(word); }
    const LVWord* wordAt(std::size_t index) const { return index < words.size() ? &words[index] : nullptr; }
    bool hasWord(const std::string& text) const;
    // The 32-byte images of the word list, one after another.
    std::string copyWordImages() const;
    void setGameScore(std::int32_t score);
    // Writes gameScore into the score label.
    void showScore() const;
    // 0 submission order, 1 alphabetical, 2 length ascending, 3 length descending.
    void sortWords(int order);

    // Byte images. Readers take at most each field's bytes and never fail;
    // a short buffer reads as zeros where it ends.
    std::string toImage() const;
    void fromImage(const unsigned char* bytes, std::size_t size);
    // As fromImage, but the bytes missing from a short image keep a new
    // player's values instead of reading as zeros.
    void assignImage(const unsigned char* bytes, std::size_t size);
    std::string toFileRecord() const;
    void fromFileRecord(const unsigned char* bytes, std::size_t size);
    std::string toSavedRecord() const;

    // --- fields, in the order of the network image
    std::string longestThisGame;
    bool newLongestThisGame = false;
    bool newLongestWord = false;
    bool allValid = true;
    bool bonusEnabled = false;
    bool finished = false;
    bool bonusFound = false;
    bool active = true;
    std::int32_t inputMethod = InputMethod::KeyboardAndMouse;
    std::int32_t wordsThisGame = 0;
    std::int32_t wordsThisRound = 0;
    std::int32_t submissionCount = 0;
    std::int32_t notInGridCount = 0;
    std::int32_t gameScore = 0;
    std::int32_t roundScore = 0;
    std::int32_t solverIndex = 0;
    std::int32_t computerLevel = 0;
    std::int32_t penaltyPoints = 0;
    std::string name;
    std::string longestWord;
    std::string savedLongestThisGame;
    std::string savedLongestWord;
    std::int32_t gamesWon = 0;
    std::int32_t gamesCompleted = 0;
    std::int32_t roundsPlayed = 0;
    std::int32_t wordsFound = 0;
    std::int32_t pointsScored = 0;
    std::vector<LVWord> words;
    TextLabel* scoreLabel = nullptr;
    TextLabel* nameLabel = nullptr;
    Game* game = nullptr;
    std::int32_t streak = 0;

    // A fresh starting form: a size 0 to 39, then a sign, from the generator.
    void drawStreak();
};

} // namespace lettrava
