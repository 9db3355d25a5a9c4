#include "core/views/PlayerStats.h"
#include "core/platform/Texts.h"

#include "core/game/Player.h"

namespace lettrava::PlayerStats {

std::string wordsPerRound(const Player& p)
{
    // A damaged record may hold a negative count; it shows nothing rather
    // than a meaningless (or, for the smallest number, undefined) quotient.
    if (p.roundsPlayed <= 0)
        return {};
    return std::to_string(p.wordsFound / p.roundsPlayed);
}

SummaryRow summaryRow(const Player& p)
{
    return {p.name,
            std::to_string(p.gamesCompleted),
            std::to_string(p.gamesWon),
            std::to_string(p.roundsPlayed),
            std::to_string(p.wordsFound),
            wordsPerRound(p),
            p.longestWord};
}

std::vector<SummaryRow> summaryRows(const std::vector<std::unique_ptr<Player>>& records)
{
    std::vector<SummaryRow> rows;
    rows.reserve(records.size());
    for (const auto& r : records)
        if (r)
            rows.push_back(summaryRow(*r));
    return rows;
}

std::string cardCaption(const std::string& name)
{
    // English has its own rule for a name that ends in s; a translation
    // gives both forms as its language needs them.
    if (name.empty() || (name.back() != 'S' && name.back() != 's'))
        return fillIn(translate("Statistics", "%1's Stats"), {name});
    return fillIn(translate("Statistics", "%1' Stats"), {name});
}

} // namespace lettrava::PlayerStats
