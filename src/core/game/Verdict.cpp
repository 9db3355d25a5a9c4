#include "core/game/Verdict.h"

#include "core/platform/Texts.h"

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
    const std::string minText = std::to_string(minLength);
    const std::string maxText = std::to_string(maxLength);
    if (verdict == Verdict::AlreadySubmitted)
        return fillIn(translate("Verdict", "You already submitted %1"), {word});
    if (verdict == Verdict::Offensive)
        return translate("Verdict", "Shame on you!");
    std::string text;
    if (verdict >= 0) {
        text = verdict == 1 ? translate("Verdict", "* %1 * is good for 1 point!")
                            : fillIn(translate("Verdict", "* %1 * is good for %2 points!"), {"%1", std::to_string(verdict)});
    } else {
        switch (verdict) {
        case Verdict::WrongLength:
            text = fillIn(translate("Verdict", "* %1 * is invalid.  Only %2 letter words are valid."), {"%1", minText});
            break;
        case Verdict::TooShort:
            text = fillIn(translate("Verdict", "* %1 * is invalid.  Words must be at least %2 letters long"), {"%1", minText});
            break;
        case Verdict::TooLong:
            text = fillIn(translate("Verdict", "* %1 * is invalid.  Words can be no more than %2 letters long"),
                          {"%1", maxText});
            break;
        case Verdict::NotInDictionary: text = translate("Verdict", "* %1 * is not in the dictionary"); break;
        case Verdict::NotInGrid: text = translate("Verdict", "* %1 * is not in the grid"); break;
        case Verdict::NeedsReuse: text = translate("Verdict", "* %1 * is invalid because letter reuse not allowed"); break;
        default: text = "* %1 * is "; break;
        }
    }
    return fillIn(text, {word});
}

} // namespace lettrava
