// The host under load on loopback: three remote players submitting words and
// twenty more members chatting a line a second each, while timed rounds run
// back to back. Reports frames per second through the host and the verdict
// round trip, and counts what went missing: unanswered words, chat lines a
// member never saw, malformed frames. LETTRAVA_LOAD_SECONDS sets the length
// (120 by default).

#include "core/game/Game.h"
#include "core/game/GameSetup.h"
#include "core/platform/Clock.h"
#include "core/platform/Preferences.h"
#include "core/platform/RecordingGameView.h"
#include "core/platform/TaskLoop.h"
#include "core/words/Dictionary.h"
#include "net/Connection.h"
#include "net/Frame.h"
#include "net/GameHost.h"
#include "net/Payloads.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <deque>
#include <map>
#include <mutex>
#include <set>
#include <thread>

using namespace lettrava;
using Steady = std::chrono::steady_clock;

namespace {

const std::vector<std::string> kWords = {"CAT",  "DOG",   "TREE", "STONE", "RATE", "TEAR", "LANE", "NEAT",
                                         "SEAT", "TONE",  "NOTE", "STAR",  "RATS", "ARTS", "EATS", "TEAS",
                                         "LEAST", "STEAL", "TALE", "LATE",  "SALT", "LAST", "SLAT", "ALTER"};

class QuietNotices : public HostNotices {
public:
    void showChatLine(const std::string&) override {}
};

// One member: its own connection and reading thread.
class LoadMember {
public:
    LoadMember(std::uint16_t port, std::string name) : name_(std::move(name))
    {
        std::string error;
        connection_ = connectTo("127.0.0.1", port, 5000, error);
        if (!connection_)
            return;
        reader_ = std::thread([this] { read(); });
        TGameClient me;
        me.name = name_;
        me.hostName = "loadbox";
        me.versionText = " 1.0";
        connection_->sendFrame(MessageKind::msgLogin, me.toImage());
    }
    ~LoadMember()
    {
        if (connection_)
            connection_->close();
        if (reader_.joinable())
            reader_.join();
    }

    bool connected() const { return connection_ != nullptr; }
    const std::string& name() const { return name_; }

    void chat(const std::string& text) { connection_->sendFrame(MessageKind::msgChat, text); }
    void keepAlive() { connection_->sendFrame(MessageKind::msgKeepAlive); }
    void submit(const std::string& word)
    {
        {
            std::lock_guard lock(mutex_);
            pending_[word].push_back(Steady::now());
        }
        connection_->sendFrame(MessageKind::msgSubmitWord, word);
    }
    void finishRound() { connection_->sendFrame(MessageKind::msgRoundFinished); }
    void ready() { connection_->sendFrame(MessageKind::msgReady); }

    // Frames of this kind seen so far.
    long seen(std::int32_t kind) const
    {
        std::lock_guard lock(mutex_);
        auto it = kinds_.find(kind);
        return it == kinds_.end() ? 0 : it->second;
    }
    std::set<std::string> chatSeen() const
    {
        std::lock_guard lock(mutex_);
        return chatSeen_;
    }
    std::vector<double> roundTrips() const
    {
        std::lock_guard lock(mutex_);
        return roundTrips_;
    }
    std::size_t unanswered() const
    {
        std::lock_guard lock(mutex_);
        std::size_t n = 0;
        for (const auto& [word, times] : pending_)
            n += times.size();
        return n;
    }
    long frames() const { return frames_.load(); }
    long malformed() const { return malformed_.load(); }

private:
    void read()
    {
        FrameDecoder decoder;
        for (;;) {
            const auto r = connection_->receive(decoder, -1);
            while (auto f = decoder.next())
                take(*f);
            if (r != Connection::ReadResult::Data)
                return;
        }
    }
    void take(const Frame& f)
    {
        ++frames_;
        std::lock_guard lock(mutex_);
        ++kinds_[f.kind];
        switch (f.kind) {
        case MessageKind::msgChatLine:
            chatSeen_.insert(decodeText(f.payload));
            break;
        case MessageKind::msgWordVerdict:
            if (auto v = decodeVerdict(f.payload)) {
                auto it = pending_.find(v->word);
                if (it == pending_.end() || it->second.empty()) {
                    ++malformed_; // an answer to nothing asked
                } else {
                    roundTrips_.push_back(
                        std::chrono::duration<double, std::milli>(Steady::now() - it->second.front()).count());
                    it->second.pop_front();
                }
            } else {
                ++malformed_;
            }
            break;
        case MessageKind::msgMemberList:
            if (f.payload.empty() || f.payload.size() % TGameClient::kImageSize != 0 ||
                decodeMemberList(f.payload).empty())
                ++malformed_;
            break;
        default:
            if (!MessageKind::isHostKind(f.kind))
                ++malformed_;
            break;
        }
    }

    std::string name_;
    std::unique_ptr<Connection> connection_;
    std::thread reader_;
    mutable std::mutex mutex_;
    std::map<std::int32_t, long> kinds_;
    std::map<std::string, std::deque<Steady::time_point>> pending_;
    std::vector<double> roundTrips_;
    std::set<std::string> chatSeen_;
    std::atomic<long> frames_{0};
    std::atomic<long> malformed_{0};
};

void BM_HostUnderLoad(benchmark::State& state)
{
    const char* env = std::getenv("LETTRAVA_LOAD_SECONDS");
    const int seconds = env ? std::max(5, std::atoi(env)) : 120;

    FixedPreferences prefs(LETTRAVA_SHIPPED_DICT);
    setPreferences(&prefs);
    if (Dictionary::instance(false).load() != Dictionary::LoadStatus::Loaded) {
        state.SkipWithError("cannot load the shipped dictionary");
        return;
    }

    for (auto _ : state) {
        TaskLoop loop;
        SteadyClock steady;
        ScopedTime time(steady, loop);
        RecordingGameView view;
        view.columns = view.rows = 5;
        GameSetup setup;
        setup.playerCount = 1;
        setup.players[0].name = "Hal";
        setup.players[0].inputMethod = InputMethod::KeyboardOnly;
        setup.roundsPerGame = 20;
        setup.gridSizeOrder = 2;
        setup.automaticDuration = false;
        setup.minutesText = "0";
        setup.secondsText = "20";
        setup.bonusWordEnabled = true;
        setup.listenForNetworkPlayers = true;
        auto game = Game::createFromSetup(view, setup);
        QuietNotices notices;
        GameHost host(loop, notices);
        std::string error;
        if (!host.startHosting(0, "Hal", game.get(), error)) {
            state.SkipWithError(error.c_str());
            return;
        }

        std::vector<std::unique_ptr<LoadMember>> members;
        for (int i = 0; i < 23; ++i)
            members.push_back(std::make_unique<LoadMember>(host.port(), (i < 3 ? "Player" : "Member") + std::to_string(i)));
        loop.runUntil([&] { return host.members().size() == 24; }, std::chrono::seconds(10));
        for (int i = 0; i < 3; ++i) {
            const auto list = host.members();
            for (std::size_t m = 1; m < list.size(); ++m)
                if (list[m].name == members[static_cast<std::size_t>(i)]->name()) {
                    // Seatable once its login has run its course.
                    loop.runUntil([&] { return host.canAddMember(static_cast<int>(m)); }, std::chrono::seconds(10));
                    host.addSelectedMember(static_cast<int>(m));
                }
        }

        const auto start = Steady::now();
        const auto end = start + std::chrono::seconds(seconds);
        int chatsSent = 0, wordsSent = 0, rounds = 0;
        std::set<std::string> chatTexts;
        auto lastChat = start;
        auto lastWord = start;
        Steady::time_point roundStarted{};
        bool finishedSent = false;
        while (Steady::now() < end) {
            if (!game->roundRunning && !game->hostWaiting() && game->inProgress &&
                game->currentRound < game->roundsPerGame) {
                for (int i = 0; i < 3; ++i)
                    members[static_cast<std::size_t>(i)]->ready();
                game->startRoundCommand();
                roundStarted = Steady::now();
                finishedSent = false;
                ++rounds;
            }
            const auto now = Steady::now();
            if (now - lastChat >= std::chrono::seconds(1)) {
                lastChat = now;
                for (int i = 0; i < 3; ++i) // the players' keep-alives
                    members[static_cast<std::size_t>(i)]->keepAlive();
                for (std::size_t m = 3; m < members.size(); ++m) {
                    const std::string text = "line " + std::to_string(chatsSent) + " from " + members[m]->name();
                    members[m]->chat(text);
                    chatTexts.insert(members[m]->name() + "> " + text);
                    ++chatsSent;
                }
            }
            if (game->roundRunning && now - lastWord >= std::chrono::milliseconds(250)) {
                lastWord = now;
                for (int i = 0; i < 3; ++i) {
                    members[static_cast<std::size_t>(i)]->submit(kWords[static_cast<std::size_t>(wordsSent) % kWords.size()] +
                                                                 std::string(static_cast<std::size_t>(i), 'S'));
                    ++wordsSent;
                }
            }
            // The players' own clocks end their rounds about when the host's does.
            if (!finishedSent && game->hostWaiting() && now - roundStarted >= std::chrono::seconds(20)) {
                for (int i = 0; i < 3; ++i)
                    members[static_cast<std::size_t>(i)]->finishRound();
                finishedSent = true;
            }
            loop.runFor(std::chrono::milliseconds(20));
        }
        // Let what is in flight arrive.
        loop.runUntil(
            [&] {
                return std::all_of(members.begin(), members.end(), [&](const auto& m) {
                    return m->unanswered() == 0 && m->chatSeen().size() >= chatTexts.size();
                });
            },
            std::chrono::seconds(10));
        const double elapsed = std::chrono::duration<double>(Steady::now() - start).count();

        long frames = 0, malformed = 0, missingChat = 0;
        std::size_t unanswered = 0;
        std::vector<double> trips;
        for (const auto& m : members) {
            frames += m->frames();
            malformed += m->malformed();
            unanswered += m->unanswered();
            const auto seen = m->chatSeen();
            for (const auto& t : chatTexts)
                missingChat += seen.count(t) == 0;
            const auto r = m->roundTrips();
            trips.insert(trips.end(), r.begin(), r.end());
        }
        std::sort(trips.begin(), trips.end());
        state.counters["seconds"] = elapsed;
        state.counters["rounds"] = rounds;
        state.counters["frames_per_s"] = frames / elapsed;
        state.counters["chat_lines_sent"] = chatsSent;
        state.counters["chat_lines_missing"] = static_cast<double>(missingChat);
        state.counters["words_sent"] = wordsSent;
        state.counters["verdicts_unanswered"] = static_cast<double>(unanswered);
        state.counters["malformed_frames"] = static_cast<double>(malformed);
        state.counters["verdict_rtt_median_ms"] = trips.empty() ? 0 : trips[trips.size() / 2];
        state.counters["verdict_rtt_worst_ms"] = trips.empty() ? 0 : trips.back();
        if (unanswered || missingChat || malformed)
            state.SkipWithError("frames went missing or came malformed");
        members.clear();
        host.shutdown();
    }
}

} // namespace

BENCHMARK(BM_HostUnderLoad)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

BENCHMARK_MAIN();
