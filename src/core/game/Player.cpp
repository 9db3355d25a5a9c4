#include "core/game/Player.h"

#include "core/words/Latin1.h"

#include "core/game/Game.h"
#include "core/game/Round.h"
#include "core/grid/CompSearchThread.h"
#include "core/grid/Grid.h"
#include "core/grid/GridOptions.h"
#include "core/platform/Bytes.h"
#include "core/platform/Debug.h"
#include "core/platform/Random.h"
#include "core/platform/Sounds.h"
#include "core/platform/TextLabel.h"
#include "core/words/Dictionary.h"

#include <algorithm>

namespace lettrava {

int computerLevelForName(const std::string& name)
{
    for (int i = 0; i < 8; ++i)
        if (name == kComputerNames[i])
            return 8 - i;
    return 0;
}

Player::Player() { drawStreak(); }

Player::Player(const std::string& playerName, TextLabel* label) : Player()
{
    name = playerName.substr(0, kMaxNameLength);
    nameLabel = label;
    if (nameLabel)
        nameLabel->setText(name);
}

Player::Player(Game* owner, TextLabel* score, TextLabel* label) : Player()
{
    game = owner;
    scoreLabel = score;
    nameLabel = label;
}

void Player::drawStreak()
{
    // A starting form from -39 to 39: the size first, then the sign.
    streak = static_cast<std::int32_t>(Random::instance().below(40));
    if (Random::instance().below(2) == 0)
        streak = -streak;
}

void Player::resetForGame()
{
    longestThisGame.clear();
    gameScore = 0;
    wordsThisGame = 0;
}

void Player::resetForRound(bool bonusWordEnabled)
{
    submissionCount = 0;
    wordsThisRound = 0;
    roundScore = 0;
    words.clear();
    savedLongestThisGame = longestThisGame;
    savedLongestWord = longestWord;
    newLongestWord = false;
    newLongestThisGame = false;
    solverIndex = 0;
    allValid = true;
    penaltyPoints = 0;
    notInGridCount = 0;
    bonusEnabled = bonusWordEnabled;
    bonusFound = false;
    finished = false;

    // The form of the day: up or down by 1 to 5, within -40 and 40.
    const bool up = Random::instance().below(2) == 0;
    const auto step = static_cast<std::int32_t>(1 + Random::instance().below(5));
    streak += up ? step : -step;
    streak = std::clamp(streak, -40, 40);
    if (isComputer()) {
        debugLog("level: " + std::to_string(computerLevel));
        debugLog("streak: " + std::to_string(streak));
    }
}

bool Player::hasWord(const std::string& text) const
{
    return std::any_of(words.begin(), words.end(), [&](const LVWord& w) { return w.text == text; });
}

VerdictCode Player::judge(const std::string& text)
{
    if (hasWord(text))
        return Verdict::AlreadySubmitted;

    LVWord word(text, submissionCount++);
    const Round* round = game ? game->round() : nullptr;
    const Grid* grid = round ? &round->grid() : nullptr;

    if (!isComputer()) {
        if (isOffensiveWord(text)) {
            if (!isRemote())
                sounds().playOffensiveWordSound();
            return Verdict::Offensive;
        }
        word.inGrid = grid && grid->traceWord(text);
    } else {
        word.inGrid = true; // the solver found it in this grid
    }

    VerdictCode verdict;
    if (word.inGrid) {
        word.inDictionary = isComputer() || Dictionary::instance().lookup(text) == LookupResult::Word;
        if (word.inDictionary) {
            if (bonusEnabled && !bonusFound && round && text == round->bonusWord)
                bonusFound = true;
            ++wordsThisRound;
            ++wordsThisGame;
            const int length = static_cast<int>(text.size());
            std::int32_t points = Game::pointsFor(length);
            if (game && game->networkMode != NetworkMode::Client && game->playerCount > 1
                && game->isUniqueWord(text, this)) {
                word.unique = true;
                points += Game::uniqueBonusFor(length);
            }
            if (isLocalHuman())
                sounds().playSound(SoundEvent::GoodWord);
            roundScore += points;
            gameScore += points;
            if (text.size() > longestThisGame.size()) {
                longestThisGame = text;
                newLongestThisGame = true;
                if (text.size() > longestWord.size()) {
                    longestWord = text;
                    newLongestWord = true;
                }
            }
            verdict = points;
        } else {
            if (allValid) {
                if (!isRemote())
                    sounds().playSound(SoundEvent::LostAllValidBonus);
                allValid = false;
            } else if (!isRemote()) {
                sounds().playSound(SoundEvent::WordNotInDict);
            }
            verdict = Verdict::NotInDictionary;
        }
    } else {
        if (!isRemote())
            sounds().playSound(SoundEvent::WordNotInGrid);
        verdict = (grid && grid->traceWordWithReuse(text)) ? Verdict::NeedsReuse : Verdict::NotInGrid;
        ++notInGridCount;
        if (notInGridCount > 10) {
            roundScore -= 5;
            gameScore -= 5;
            penaltyPoints += 5;
        } else if (notInGridCount == 10) {
            sounds().playSound(SoundEvent::InvalidPenalty);
        }
    }
    words.push_back(std::move(word));
    showScore();
    return verdict;
}

void Player::creditRound(int bonusPoints)
{
    if (allValid && wordsThisRound >= 5) {
        roundScore += 25;
        gameScore += 25;
    } else {
        allValid = false;
    }
    if (bonusFound) {
        roundScore += bonusPoints;
        gameScore += bonusPoints;
    }
    wordsFound += wordsThisRound;
    pointsScored += roundScore;
    roundsPlayed += 1;
    showScore();
}

void Player::undoRound()
{
    gameScore -= roundScore;
    wordsThisGame -= wordsThisRound;
    longestThisGame = savedLongestThisGame;
    longestWord = savedLongestWord;
    showScore();
}

int Player::maxWordLengthForLevel() const
{
    return (isComputer() && computerLevel >= 3) ? 13 - computerLevel : 18;
}

void Player::computerMove(int elapsedSeconds)
{
    Round* round = game ? game->round() : nullptr;
    CompSearchThread* solver = round ? round->solver() : nullptr;
    if (!solver)
        return;
    if (computerLevel <= 1) {
        // The strongest opponent plays every word as soon as the solver lists it.
        std::vector<std::string> fresh;
        solver->appendWordsFrom(fresh, static_cast<std::size_t>(solverIndex));
        solverIndex += static_cast<std::int32_t>(fresh.size());
        for (const std::string& w : fresh)
            judge(w);
        return;
    }
    // The products stay far below 2^31 for every reachable value; they are
    // computed in 64 bits only so that a corrupt value cannot overflow.
    const GridOptions& options = gridOptions();
    const auto found = static_cast<std::int64_t>(std::min<std::size_t>(solver->count(), 1'000'000));
    const std::int64_t a = 550 - std::min<std::int64_t>(3 * found, 400) - 6 * (24 - options.gridColumns - options.gridRows);
    const std::int64_t b = 16 * (std::max(elapsedSeconds, 0) / 25) + 16;
    const std::int32_t form = std::clamp(streak, -40, 40);
    const auto e = static_cast<std::int64_t>(Random::instance().below(static_cast<std::uint32_t>(form + 110)));
    if ((e * a * b) / 112 < 70 * (9 - computerLevel)) {
        const std::string word = solver->randomWord();
        if (!word.empty() && static_cast<int>(word.size()) <= maxWordLengthForLevel())
            judge(word);
    }
}

std::string Player::copyWordImages() const
{
    std::string out;
    out.reserve(words.size() * LVWord::kImageSize);
    unsigned char image[LVWord::kImageSize];
    for (const LVWord& w : words) {
        w.writeImage(image);
        out.append(reinterpret_cast<const char*>(image), sizeof image);
    }
    return out;
}

void Player::setGameScore(std::int32_t score)
{
    gameScore = score;
    showScore();
}

void Player::showScore() const
{
    if (scoreLabel)
        scoreLabel->setText(std::to_string(gameScore));
}

void Player::sortWords(int order) { sortWordList(words, order); }

void sortWordList(std::vector<LVWord>& words, int order)
{
    auto byOrder = [](const LVWord& a, const LVWord& b) { return a.order < b.order; };
    // Accented words sort beside their plain letters, as in a dictionary.
    auto byText = [](const LVWord& a, const LVWord& b) { return latin1::dictionaryLess(a.text, b.text); };
    auto byLength = [](const LVWord& a, const LVWord& b) { return a.text.size() < b.text.size(); };
    auto byLengthDown = [](const LVWord& a, const LVWord& b) { return a.text.size() > b.text.size(); };
    switch (order) {
    case 0: std::stable_sort(words.begin(), words.end(), byOrder); break;
    case 1: std::stable_sort(words.begin(), words.end(), byText); break;
    case 2: std::stable_sort(words.begin(), words.end(), byLength); break;
    case 3: std::stable_sort(words.begin(), words.end(), byLengthDown); break;
    default: break;
    }
}

std::string Player::toImage() const
{
    ByteWriter w;
    w.text(longestThisGame, 19);
    w.flag(newLongestThisGame);
    w.flag(newLongestWord);
    w.flag(allValid);
    w.flag(bonusEnabled);
    w.flag(finished);
    w.flag(bonusFound);
    w.flag(active);
    w.zeros(2);
    w.int32(inputMethod);
    w.int32(wordsThisGame);
    w.int32(wordsThisRound);
    w.int32(submissionCount);
    w.int32(notInGridCount);
    w.int32(gameScore);
    w.int32(roundScore);
    w.int32(solverIndex);
    w.int32(computerLevel);
    w.int32(penaltyPoints);
    w.text(name, 17);
    w.text(longestWord, 19);
    w.text(savedLongestThisGame, 19);
    w.text(savedLongestWord, 19);
    w.zeros(2);
    w.int32(gamesWon);
    w.int32(gamesCompleted);
    w.int32(roundsPlayed);
    w.int32(wordsFound);
    w.int32(pointsScored);
    w.zeros(16); // words, score label, name label, game: references, meaningless elsewhere
    w.int32(streak);
    return w.take();
}

void Player::fromImage(const unsigned char* bytes, std::size_t size)
{
    ByteReader r(bytes, size);
    longestThisGame = r.text(19, kMaxWordLength);
    newLongestThisGame = r.flag();
    newLongestWord = r.flag();
    allValid = r.flag();
    bonusEnabled = r.flag();
    finished = r.flag();
    bonusFound = r.flag();
    active = r.flag();
    r.skip(2);
    inputMethod = r.int32();
    wordsThisGame = r.int32();
    wordsThisRound = r.int32();
    submissionCount = r.int32();
    notInGridCount = r.int32();
    gameScore = r.int32();
    roundScore = r.int32();
    solverIndex = r.int32();
    computerLevel = r.int32();
    penaltyPoints = r.int32();
    name = r.text(17, kMaxNameLength);
    longestWord = r.text(19, kMaxWordLength);
    savedLongestThisGame = r.text(19, kMaxWordLength);
    savedLongestWord = r.text(19, kMaxWordLength);
    r.skip(2);
    gamesWon = r.int32();
    gamesCompleted = r.int32();
    roundsPlayed = r.int32();
    wordsFound = r.int32();
    pointsScored = r.int32();
    r.skip(16);
    streak = r.int32();
}

void Player::assignImage(const unsigned char* bytes, std::size_t size)
{
    std::string image = Player().toImage();
    std::copy_n(reinterpret_cast<const char*>(bytes), std::min(size, kImageSize), image.begin());
    fromImage(reinterpret_cast<const unsigned char*>(image.data()), image.size());
}

std::string Player::toFileRecord() const
{
    ByteWriter w;
    w.text(name, 17);
    w.text(longestWord, 19);
    w.int32(gamesWon);
    w.int32(gamesCompleted);
    w.int32(roundsPlayed);
    w.int32(wordsFound);
    w.int32(computerLevel);
    w.int32(pointsScored);
    return w.take();
}

void Player::fromFileRecord(const unsigned char* bytes, std::size_t size)
{
    ByteReader r(bytes, size);
    name = r.text(17, kMaxNameLength);
    longestWord = r.text(19, kMaxWordLength);
    gamesWon = r.int32();
    gamesCompleted = r.int32();
    roundsPlayed = r.int32();
    wordsFound = r.int32();
    computerLevel = r.int32();
    pointsScored = r.int32();
}

std::string Player::toSavedRecord() const
{
    ByteWriter w;
    w.text(name, 17);
    w.text(longestThisGame, 19);
    w.int32(wordsThisGame);
    w.int32(inputMethod);
    w.int32(gameScore);
    w.int32(computerLevel);
    return w.take();
}

} // namespace lettrava
