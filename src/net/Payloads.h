#pragma once

#include "core/game/Game.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lettrava {

// The fixed payloads of the game protocol, each with its encoder and a
// bounded decoder. Integers are 32-bit little-endian. A short payload is read
// into a new record (the missing bytes keep its values); nothing is ever read
// past a payload's end.

// --- the settings record (124 bytes)
inline constexpr std::size_t kSettingsSize = 124;
std::string encodeSettings(const GameInfo& info);
// Nothing when a value is out of its range (player count 0 to 4, word
// lengths 3 to 18 with the shortest not above the longest, porosity 0 to 60,
// rounds and current round 0 to 20, size order 0 to 3, kinds 0 to 2): such a
// record would drive the game outside its arrays. The manual duration is
// clamped to 0..99 minutes and seconds, as a host may hold long durations.
std::optional<GameInfo> decodeSettings(std::string_view payload);

// --- the score update (20 bytes): four game scores in slot order, then the
// host's current round. A new record holds round 1.
inline constexpr std::size_t kScoresSize = 20;
using ScoreUpdate = std::array<std::int32_t, 5>;
std::string encodeScores(const ScoreUpdate& scores);
ScoreUpdate decodeScores(std::string_view payload);

// --- the grid payload (208 bytes): columns, rows, the 200-byte grid image.
inline constexpr std::size_t kGridPayloadSize = 208;
struct GridPayload {
    std::int32_t columns = 0;
    std::int32_t rows = 0;
    std::array<unsigned char, 200> image{};
};
std::string encodeGrid(const GridPayload& grid);
// Nothing when the size is outside 3 to 12 or the payload is short. The
// image comes back with spaces everywhere outside the C x R interior (the
// border included) and a space for every control byte inside it.
std::optional<GridPayload> decodeGrid(std::string_view payload);

// --- the bonus hint: the points, then the shown text in 11 bytes (at most 10
// characters and a terminator).
inline constexpr std::size_t kBonusHintSize = 15;
inline constexpr std::size_t kMaxBonusText = 10;
struct BonusHint {
    std::int32_t points = 0;
    std::string text;
};
std::string encodeBonusHint(const BonusHint& hint);
BonusHint decodeBonusHint(std::string_view payload);

// --- the verdict: the code, then the word as it was sent.
struct WordVerdict {
    std::int32_t code = 0;
    std::string word;
};
std::string encodeVerdict(const WordVerdict& verdict);
// Nothing without the 4 bytes of the code.
std::optional<WordVerdict> decodeVerdict(std::string_view payload);

// --- a player's word list: the slot number, then 32-byte word images.
std::string encodeWordList(std::int32_t slot, std::string_view wordImages);

// --- one 32-bit number (the seconds left in a round).
std::string encodeInt32(std::int32_t value);
std::optional<std::int32_t> decodeInt32(std::string_view payload);

// --- text payloads: the characters without terminator; a zero byte ends the
// text early.
std::string decodeText(std::string_view payload);

} // namespace lettrava
