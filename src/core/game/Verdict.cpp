#include "core/game/Verdict.h"

namespace lettrava {

namespace {

// Thirteen words no one should be congratulated for. Each stands between
// spaces, so a word counts only when it matches a whole entry.
constexpr const char* kOffensiveWords =
    " ARSE  BITCH  BOLLOCKS  BASTARD  CRAP  DICKHEAD  PISS  PRICK  SHIT  SLUT  TWAT  WANKER  WHORE ";

} // namespace

bool isOffensiveWord(const std::string& word)
{
    return std::string(kOffensiveWords).find(" " + word + " ") != std::string::npos;
}

std::string verdictMessage(VerdictCode verdict, const std::string& word, int minLength, int maxLength)
{
    if (verdict == Verdict::AlreadySubmitted)
        return "You already submitted " + word;
    if (verdict == Verdict::Offensive)
        return "Shame on you!";
    std::string text;
    if (verdict >= 0) {
        text = "good for " + std::to_string(verdict) + (verdict == 1 ? " point!" : " points!");
    } else {
        switch (verdict) {
        case Verdict::WrongLength:
            text = "invalid.  Only " + std::to_string(minLength) + " letter words are valid.";
            break;
        case Verdict::TooShort:
            text = "invalid.  Words must be at least " + std::to_string(minLength) + " letters long";
            break;
        case Verdict::TooLong:
            text = "invalid.  Words can be no more than " + std::to_string(maxLength) + " letters long";
            break;
        case Verdict::NotInDictionary: text = "not in the dictionary"; break;
        case Verdict::NotInGrid: text = "not in the grid"; break;
        case Verdict::NeedsReuse: text = "invalid because letter reuse not allowed"; break;
        default: text = ""; break;
        }
    }
    return "* " + word + " * is " + text;
}

} // namespace lettrava
