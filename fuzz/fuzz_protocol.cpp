// Feeds arbitrary bytes to the frame decoder, in pieces whose sizes the input
// chooses, and every frame it yields to each payload decoder, the players'
// images and word lists included, as a client game takes them. Whatever a
// decoder accepts must stay within its bounds and encode back to a payload
// that decodes to the same values.

#include "core/game/Game.h"
#include "core/game/Player.h"
#include "core/headless/RecordingGameView.h"
#include "core/words/LVWord.h"
#include "net/Frame.h"
#include "net/Payloads.h"
#include "net/TGameClient.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void check(bool ok)
{
    if (!ok)
        std::abort();
}

bool sameSettings(const lettrava::GameInfo& a, const lettrava::GameInfo& b)
{
    return a.minWordLength == b.minWordLength && a.maxWordLength == b.maxWordLength
        && a.roundsPerGame == b.roundsPerGame && a.gridPorosity == b.gridPorosity && a.playerCount == b.playerCount
        && a.currentRound == b.currentRound && a.bonusWordEnabled == b.bonusWordEnabled
        && a.allowLetterReuse == b.allowLetterReuse && a.gridSizeOrder == b.gridSizeOrder
        && a.automaticDuration == b.automaticDuration && a.roundMinutes == b.roundMinutes
        && a.roundSeconds == b.roundSeconds && a.names == b.names && a.kinds == b.kinds
        && a.versionText == b.versionText && a.dictionaryVersion == b.dictionaryVersion;
}

void decodeEverything(std::string_view p)
{
    using namespace lettrava;
    if (auto s = decodeSettings(p)) {
        check(s->playerCount >= 0 && s->playerCount <= 4 && s->minWordLength <= s->maxWordLength);
        auto again = decodeSettings(encodeSettings(*s));
        check(again && sameSettings(*again, *s));
    }
    const ScoreUpdate scores = decodeScores(p);
    check(decodeScores(encodeScores(scores)) == scores);
    if (auto g = decodeGrid(p)) {
        check(g->columns >= 3 && g->columns <= 12 && g->rows >= 3 && g->rows <= 12);
        for (int c = 0; c < 14; ++c)
            for (int r = 0; r < 14; ++r)
                if (c == 0 || r == 0 || c > g->columns || r > g->rows)
                    check(g->image[static_cast<std::size_t>(c * 14 + r)] == ' ');
        check(encodeGrid(*g).size() == kGridPayloadSize);
    }
    const BonusHint hint = decodeBonusHint(p);
    check(hint.text.size() <= kMaxBonusText);
    check(decodeBonusHint(encodeBonusHint(hint)).text == hint.text);
    if (auto v = decodeVerdict(p))
        check(v->word.find('\0') == std::string::npos);
    const auto members = decodeMemberList(p);
    check(members.size() == p.size() / TGameClient::kImageSize);
    for (const TGameClient& m : members) {
        check(m.name.size() <= TGameClient::kMaxName && m.message.size() <= TGameClient::kMaxMessage);
        check(TGameClient::fromImage(m.toImage()) == m);
    }
    const TGameClient login = TGameClient::fromImage(p);
    check(login.toImage().size() == TGameClient::kImageSize);
    (void)decodeInt32(p);
    check(decodeText(p).size() <= p.size());

    // The players' images and one player's word list, into a client game.
    RecordingGameView view;
    Game game(view);
    game.playerCount = Game::kMaxPlayers;
    const auto* bytes = reinterpret_cast<const unsigned char*>(p.data());
    game.replacePlayers(bytes, p.size());
    game.replaceWordList(bytes, p.size());
    for (int i = 0; i < game.playerCount; ++i) {
        const Player* player = game.playerAt(i);
        check(player != nullptr);
        check(player->name.size() <= Player::kMaxNameLength && player->longestWord.size() <= Player::kMaxWordLength
              && player->longestThisGame.size() <= Player::kMaxWordLength);
        const std::string image = player->toImage();
        check(image.size() == Player::kImageSize);
        Player again;
        again.assignImage(reinterpret_cast<const unsigned char*>(image.data()), image.size());
        check(again.toImage() == image);
        for (const LVWord& w : player->words) {
            check(w.text.size() <= LVWord::kMaxLength);
            unsigned char wordImage[LVWord::kImageSize];
            w.writeImage(wordImage);
            check(LVWord::fromImage(wordImage, sizeof wordImage) == w);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace lettrava;
    FrameDecoder decoder;
    std::size_t at = 0;
    // The first byte of each piece says how many bytes follow in it, so that
    // frames are split across reads in every way.
    while (at < size) {
        const std::size_t want = 1 + data[at++] % 64;
        const std::size_t n = std::min(want, size - at);
        if (!decoder.feed(data + at, n))
            break;
        at += n;
        while (auto frame = decoder.next()) {
            check(frame->payload.size() <= kMaxFrameBody);
            check(encodeFrame(frame->kind, frame->payload).size() == frame->payload.size() + 8);
            (void)messageKindName(frame->kind);
            decodeEverything(frame->payload);
        }
    }
    // The whole input as one payload, too.
    decodeEverything(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
