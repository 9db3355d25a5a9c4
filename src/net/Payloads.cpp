#include "net/Payloads.h"

#include "core/platform/Bytes.h"

#include <algorithm>

namespace lettrava {

namespace {

constexpr std::size_t kNameField = 16;
constexpr std::size_t kVersionField = 6;

// The payload laid over a new record's image of `size` bytes.
std::string overlay(std::string image, std::string_view payload)
{
    std::copy_n(payload.data(), std::min(payload.size(), image.size()), image.begin());
    return image;
}

bool within(std::int32_t v, std::int32_t low, std::int32_t high) { return v >= low && v <= high; }

} // namespace

std::string encodeSettings(const GameInfo& r)
{
    ByteWriter w;
    w.int32(r.minWordLength);
    w.int32(r.maxWordLength);
    w.int32(r.roundsPerGame);
    w.int32(r.gridPorosity);
    w.int32(r.playerCount);
    w.int32(r.currentRound);
    w.flag(r.bonusWordEnabled);
    w.flag(r.allowLetterReuse);
    w.zeros(2);
    w.int32(r.gridSizeOrder);
    w.flag(r.automaticDuration);
    w.zeros(3);
    w.int32(r.roundMinutes);
    w.int32(r.roundSeconds);
    // A name of 16 characters fills its field without a terminator.
    for (const std::string& name : r.names) {
        const std::size_t n = std::min(name.size(), kNameField);
        w.raw(std::string_view(name).substr(0, n));
        w.zeros(kNameField - n);
    }
    for (std::uint8_t kind : r.kinds)
        w.byte(kind);
    w.text(r.dictionaryVersion, kVersionField);
    w.text(r.versionText, kVersionField);
    return w.take();
}

std::optional<GameInfo> decodeSettings(std::string_view payload)
{
    const std::string image = overlay(encodeSettings(GameInfo{}), payload);
    ByteReader r(image);
    GameInfo g;
    g.minWordLength = r.int32();
    g.maxWordLength = r.int32();
    g.roundsPerGame = r.int32();
    g.gridPorosity = r.int32();
    g.playerCount = r.int32();
    g.currentRound = r.int32();
    g.bonusWordEnabled = r.flag();
    g.allowLetterReuse = r.flag();
    r.skip(2);
    g.gridSizeOrder = r.int32();
    g.automaticDuration = r.flag();
    r.skip(3);
    g.roundMinutes = std::clamp(r.int32(), 0, 99);
    g.roundSeconds = std::clamp(r.int32(), 0, 99);
    for (std::string& name : g.names)
        name = r.text(kNameField, kNameField);
    for (std::uint8_t& kind : g.kinds)
        kind = r.byte();
    g.dictionaryVersion = r.text(kVersionField, kVersionField - 1);
    g.versionText = r.text(kVersionField, kVersionField - 1);

    const bool valid = within(g.minWordLength, 3, 18) && within(g.maxWordLength, g.minWordLength, 18)
                    && within(g.roundsPerGame, 0, Game::kMaxRounds) && within(g.gridPorosity, 0, 60)
                    && within(g.playerCount, 0, Game::kMaxPlayers) && within(g.currentRound, 0, Game::kMaxRounds)
                    && within(g.gridSizeOrder, 0, 3)
                    && std::all_of(g.kinds.begin(), g.kinds.end(), [](std::uint8_t k) { return k <= 2; });
    if (!valid)
        return std::nullopt;
    return g;
}

std::string encodeScores(const ScoreUpdate& scores)
{
    ByteWriter w;
    for (std::int32_t v : scores)
        w.int32(v);
    return w.take();
}

ScoreUpdate decodeScores(std::string_view payload)
{
    const std::string image = overlay(encodeScores({0, 0, 0, 0, 1}), payload);
    ByteReader r(image);
    ScoreUpdate s{};
    for (std::int32_t& v : s)
        v = r.int32();
    return s;
}

std::string encodeGrid(const GridPayload& g)
{
    ByteWriter w;
    w.int32(g.columns);
    w.int32(g.rows);
    w.raw(std::string_view(reinterpret_cast<const char*>(g.image.data()), g.image.size()));
    return w.take();
}

std::optional<GridPayload> decodeGrid(std::string_view payload)
{
    // Without its whole image a grid would show letters nobody sent.
    if (payload.size() < kGridPayloadSize)
        return std::nullopt;
    ByteReader r(payload);
    GridPayload g;
    g.columns = r.int32();
    g.rows = r.int32();
    if (!within(g.columns, 3, 12) || !within(g.rows, 3, 12))
        return std::nullopt;
    std::copy_n(reinterpret_cast<const unsigned char*>(payload.data()) + 8, g.image.size(), g.image.begin());
    for (int c = 0; c < 14; ++c) {
        for (int row = 0; row < 14; ++row) {
            unsigned char& cell = g.image[static_cast<std::size_t>(c * 14 + row)];
            const bool interior = c >= 1 && c <= g.columns && row >= 1 && row <= g.rows;
            if (!interior || cell < 0x20 || cell == 0x7F)
                cell = ' ';
        }
    }
    std::fill(g.image.begin() + 196, g.image.end(), 0);
    return g;
}

std::string encodeBonusHint(const BonusHint& hint)
{
    ByteWriter w;
    w.int32(hint.points);
    w.text(hint.text, kMaxBonusText + 1);
    return w.take();
}

BonusHint decodeBonusHint(std::string_view payload)
{
    const std::string image = overlay(encodeBonusHint(BonusHint{}), payload);
    ByteReader r(image);
    BonusHint h;
    h.points = r.int32();
    h.text = r.text(kMaxBonusText + 1, kMaxBonusText);
    return h;
}

std::string encodeVerdict(const WordVerdict& verdict)
{
    ByteWriter w;
    w.int32(verdict.code);
    w.raw(verdict.word);
    return w.take();
}

std::optional<WordVerdict> decodeVerdict(std::string_view payload)
{
    if (payload.size() < 4)
        return std::nullopt;
    ByteReader r(payload.substr(0, 4));
    WordVerdict v;
    v.code = r.int32();
    v.word = decodeText(payload.substr(4));
    return v;
}

std::string encodeWordList(std::int32_t slot, std::string_view wordImages)
{
    ByteWriter w;
    w.int32(slot);
    w.raw(wordImages);
    return w.take();
}

std::string encodeInt32(std::int32_t value)
{
    ByteWriter w;
    w.int32(value);
    return w.take();
}

std::optional<std::int32_t> decodeInt32(std::string_view payload)
{
    if (payload.size() < 4)
        return std::nullopt;
    ByteReader r(payload);
    return r.int32();
}

std::string decodeText(std::string_view payload)
{
    const std::size_t end = payload.find('\0');
    return std::string(payload.substr(0, end));
}

} // namespace lettrava
