#pragma once

#include <cstdint>
#include <string>

namespace lettrava {

// A judged word's verdict: its points (0 or more) when valid, otherwise one of
// the codes below. The codes travel from a host to its clients unchanged.
using VerdictCode = std::int32_t;

namespace Verdict {
inline constexpr VerdictCode WrongLength = -1;      // min = max and the word has another length
inline constexpr VerdictCode TooShort = -2;         // shorter than the minimum
inline constexpr VerdictCode TooLong = -3;          // longer than the maximum
inline constexpr VerdictCode NotInDictionary = -4;  // in the grid, not in the dictionary
inline constexpr VerdictCode NotInGrid = -5;        // cannot be traced, not even with reuse
inline constexpr VerdictCode AlreadySubmitted = -6; // this player already entered the same text
inline constexpr VerdictCode Offensive = -7;        // on the offensive-word list
inline constexpr VerdictCode NeedsReuse = -8;       // traceable only by using a cell twice
inline constexpr VerdictCode NoSuchPlayer = -9;     // a remote word for a player the game lacks
} // namespace Verdict

// The status-bar message for a verdict on `word`. minLength and maxLength are
// the game's word-length limits at the time of judging.
std::string verdictMessage(VerdictCode verdict, const std::string& word, int minLength, int maxLength);

// Whether `word` is on the built-in list of offensive words.
bool isOffensiveWord(const std::string& word);

} // namespace lettrava
