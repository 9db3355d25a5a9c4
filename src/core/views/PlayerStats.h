#pragma once

#include <array>
#include "core/platform/Texts.h"
#include <memory>
#include <string>
#include <vector>

namespace lettrava {

class Player;

// The texts of the statistics windows, from the player store's records.
namespace PlayerStats {

inline constexpr const char* kNoStatsText = QT_TRANSLATE_NOOP("Statistics", "No player stats available.");
inline constexpr std::array<const char*, 7> kSummaryHeaders = {"Name",  "Games",   "Wins",   "Rounds",
                                                                "Words", "Wds/Rnd", "Longest"};

// One row of the summary table, in the columns of kSummaryHeaders.
using SummaryRow = std::array<std::string, 7>;

SummaryRow summaryRow(const Player& p);
std::vector<SummaryRow> summaryRows(const std::vector<std::unique_ptr<Player>>& records);

// Words per round as a whole number; empty when no round was played.
std::string wordsPerRound(const Player& p);

// The player card's caption: "Bob's Stats", "James' Stats".
std::string cardCaption(const std::string& name);

} // namespace PlayerStats

} // namespace lettrava
