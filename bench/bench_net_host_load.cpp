// The host under load on loopback: three remote players submitting words and
// twenty more members chatting a line a second each, while timed rounds run
// back to back. The second case adds two members that misbehave: one that
// never reads (it only sends keep-alives, so that nothing but its queue limit
// ends it) and one that floods the chat with 64 KiB lines as fast as the host
// takes them. Each case reports frames per second through the host, the
// verdict round trip and the chat delivery time (median and 99th
// percentile), and counts what went missing for the well-behaved members:
// unanswered words, chat lines a member never saw, malformed frames.
// LETTRAVA_LOAD_SECONDS sets each case's length (120 by default).

#include "core/game/Game.h"
#include "core/game/GameSetup.h"
#include "core/platform/Clock.h"
#include "core/platform/Preferences.h"
#include "core/headless/RecordingGameView.h"
#include "core/headless/TaskLoop.h"
#include "core/words/Dictionary.h"
#include "net/Connection.h"
#include "net/Frame.h"
#include "net/GameHost.h"
#include "net/NetLoop.h"
#include "net/Payloads.h"
#include "core/headless/FixedPreferences.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <deque>
#include <future>
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

double millisSince(Steady::time_point t) { return std::chrono::duration<double, std::milli>(Steady::now() - t).count(); }

std::string loginImage(const std::string& name)
{
    TGameClient me;
    me.name = name;
    me.hostName = "loadbox";
    me.versionText = " 1.0";
    return me.toImage();
}

std::optional<asio::ip::tcp::socket> connectSocket(asio::io_context& io, std::uint16_t port)
{
    std::promise<std::optional<asio::ip::tcp::socket>> made;
    auto future = made.get_future();
    ConnectAttempt::start(io, "127.0.0.1", port, 5000,
                          [&made](std::optional<asio::ip::tcp::socket> s, const std::string&) {
                              made.set_value(std::move(s));
                          });
    return future.get();
}

// One well-behaved member: a connection on the members' own network loop.
class LoadMember {
public:
    LoadMember(NetLoop& net, std::uint16_t port, std::string name) : name_(std::move(name))
    {
        auto socket = connectSocket(net.context(), port);
        if (!socket)
            return;
        connection_ = std::make_shared<Connection>(std::move(*socket));
        Connection::Events events;
        events.frameArrived = [this](Frame&& f) { take(f); };
        events.closed = [this](const std::string&) { closed_ = true; };
        connection_->start(std::move(events));
        connection_->send(MessageKind::msgLogin, loginImage(name_));
    }
    // The events reach this object: close, then stop the loop, then destroy.
    void close()
    {
        if (connection_)
            connection_->close();
    }

    bool connected() const { return connection_ != nullptr; }
    bool closed() const { return closed_.load(); }
    const std::string& name() const { return name_; }

    // The text carries its sending time, so that every receiver can tell how
    // long it took.
    std::string chat(int number)
    {
        const std::string text = "line " + std::to_string(number) + " from " + name_ + " at " +
                                 std::to_string(Steady::now().time_since_epoch().count());
        connection_->send(MessageKind::msgChat, text);
        return name_ + "> " + text;
    }
    void keepAlive() { connection_->send(MessageKind::msgKeepAlive); }
    void submit(const std::string& word)
    {
        {
            std::lock_guard lock(mutex_);
            pending_[word].push_back(Steady::now());
        }
        connection_->send(MessageKind::msgSubmitWord, word);
    }
    void finishRound() { connection_->send(MessageKind::msgRoundFinished); }
    void ready() { connection_->send(MessageKind::msgReady); }

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
    std::vector<double> chatDelays() const
    {
        std::lock_guard lock(mutex_);
        return chatDelays_;
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
    void take(const Frame& f)
    {
        ++frames_;
        std::lock_guard lock(mutex_);
        switch (f.kind) {
        case MessageKind::msgChatLine: {
            const std::string line = decodeText(f.payload);
            chatSeen_.insert(line);
            const auto at = line.rfind(" at ");
            if (line.find("> line ") != std::string::npos && at != std::string::npos) {
                const Steady::time_point sent{Steady::duration(std::stoll(line.substr(at + 4)))};
                chatDelays_.push_back(millisSince(sent));
            }
            break;
        }
        case MessageKind::msgWordVerdict:
            if (auto v = decodeVerdict(f.payload)) {
                auto it = pending_.find(v->word);
                if (it == pending_.end() || it->second.empty()) {
                    ++malformed_; // an answer to nothing asked
                } else {
                    roundTrips_.push_back(millisSince(it->second.front()));
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
    std::shared_ptr<Connection> connection_;
    std::atomic<bool> closed_{false};
    mutable std::mutex mutex_;
    std::map<std::string, std::deque<Steady::time_point>> pending_;
    std::vector<double> roundTrips_;
    std::vector<double> chatDelays_;
    std::set<std::string> chatSeen_;
    std::atomic<long> frames_{0};
    std::atomic<long> malformed_{0};
};

// The two that misbehave, each on a plain blocking socket of its own thread.
class Misbehaving {
public:
    Misbehaving(std::uint16_t port) : port_(port)
    {
        silent_ = std::thread([this] { neverRead(); });
        flood_ = std::thread([this] { flood(); });
    }
    ~Misbehaving()
    {
        stop_ = true;
        for (auto* s : {&silentSocket_, &floodSocket_}) {
            asio::error_code ignored;
            s->shutdown(asio::ip::tcp::socket::shutdown_both, ignored);
        }
        silent_.join();
        flood_.join();
    }
    bool silentClosedByHost() const { return silentClosed_.load(); }
    long floodLines() const { return floodLines_.load(); }

private:
    bool open(asio::ip::tcp::socket& s, const std::string& name, int receiveBuffer)
    {
        asio::error_code ec;
        s.open(asio::ip::tcp::v4(), ec);
        s.set_option(asio::socket_base::receive_buffer_size(receiveBuffer), ec);
        s.connect({asio::ip::make_address("127.0.0.1"), port_}, ec);
        if (!ec)
            asio::write(s, asio::buffer(encodeFrame(MessageKind::msgLogin, loginImage(name))), ec);
        return !ec;
    }
    void neverRead()
    {
        if (!open(silentSocket_, "Silent", 4096))
            return;
        // Keep-alives, so that only its queue limit can end it; a write that
        // fails means the host has closed it.
        while (!stop_) {
            asio::error_code ec;
            asio::write(silentSocket_, asio::buffer(encodeFrame(MessageKind::msgKeepAlive)), ec);
            if (ec) {
                silentClosed_ = true;
                return;
            }
            for (int i = 0; i < 50 && !stop_; ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
    }
    void flood()
    {
        if (!open(floodSocket_, "Flood", 1 << 20))
            return;
        const std::string line(64 * 1024, 'x');
        std::thread reader([this] {
            // It reads what comes (its own lines among them), so that only
            // its sending is what it does to the host.
            std::vector<char> buffer(1 << 16);
            asio::error_code ec;
            while (!stop_ && !ec)
                floodSocket_.read_some(asio::buffer(buffer), ec);
        });
        while (!stop_) {
            asio::error_code ec;
            asio::write(floodSocket_, asio::buffer(encodeFrame(MessageKind::msgChat, line)), ec);
            if (ec)
                break;
            ++floodLines_;
        }
        reader.join();
    }

    std::uint16_t port_;
    asio::io_context io_;
    asio::ip::tcp::socket silentSocket_{io_};
    asio::ip::tcp::socket floodSocket_{io_};
    std::atomic<bool> stop_{false};
    std::atomic<bool> silentClosed_{false};
    std::atomic<long> floodLines_{0};
    std::thread silent_, flood_;
};

double percentile(std::vector<double> v, double p)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, static_cast<std::size_t>(p * static_cast<double>(v.size())))];
}

void BM_HostUnderLoad(benchmark::State& state)
{
    const bool misbehaving = state.range(0) != 0;
    const char* env = std::getenv("LETTRAVA_LOAD_SECONDS");
    const int seconds = env ? std::max(5, std::atoi(env)) : 120;

    FixedPreferences prefs(LETTRAVA_SHIPPED_DICT);
    setPreferences(&prefs);
    if (Dictionary::instance().load() != Dictionary::LoadStatus::Loaded) {
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

        NetLoop membersNet;
        std::vector<std::unique_ptr<LoadMember>> members;
        for (int i = 0; i < 23; ++i)
            members.push_back(std::make_unique<LoadMember>(membersNet, host.port(),
                                                           (i < 3 ? "Player" : "Member") + std::to_string(i)));
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
        std::unique_ptr<Misbehaving> bad;
        if (misbehaving) {
            bad = std::make_unique<Misbehaving>(host.port());
            loop.runUntil([&] { return host.members().size() == 26; }, std::chrono::seconds(10));
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
                for (std::size_t m = 3; m < members.size(); ++m)
                    chatTexts.insert(members[m]->chat(chatsSent++));
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
        const long floodLines = bad ? bad->floodLines() : 0;
        const bool silentClosed = bad && bad->silentClosedByHost();
        bad.reset();
        // Let what is in flight arrive.
        loop.runUntil(
            [&] {
                return std::all_of(members.begin(), members.end(), [&](const auto& m) {
                    return m->unanswered() == 0 && m->chatSeen().size() >= chatTexts.size();
                });
            },
            std::chrono::seconds(10));
        const double elapsed = std::chrono::duration<double>(Steady::now() - start).count();

        long frames = 0, malformed = 0, missingChat = 0, closedMembers = 0;
        std::size_t unanswered = 0;
        std::vector<double> trips, delays;
        for (const auto& m : members) {
            frames += m->frames();
            malformed += m->malformed();
            unanswered += m->unanswered();
            closedMembers += m->closed();
            const auto seen = m->chatSeen();
            for (const auto& t : chatTexts)
                missingChat += seen.count(t) == 0;
            const auto r = m->roundTrips();
            trips.insert(trips.end(), r.begin(), r.end());
            const auto d = m->chatDelays();
            delays.insert(delays.end(), d.begin(), d.end());
        }
        state.counters["seconds"] = elapsed;
        state.counters["rounds"] = rounds;
        state.counters["frames_per_s"] = static_cast<double>(frames) / elapsed;
        state.counters["chat_lines_sent"] = chatsSent;
        state.counters["chat_lines_missing"] = static_cast<double>(missingChat);
        state.counters["words_sent"] = wordsSent;
        state.counters["verdicts_unanswered"] = static_cast<double>(unanswered);
        state.counters["malformed_frames"] = static_cast<double>(malformed);
        state.counters["members_dropped"] = static_cast<double>(closedMembers);
        state.counters["verdict_rtt_median_ms"] = percentile(trips, 0.5);
        state.counters["verdict_rtt_p99_ms"] = percentile(trips, 0.99);
        state.counters["verdict_rtt_worst_ms"] = percentile(trips, 1.0);
        state.counters["chat_delay_median_ms"] = percentile(delays, 0.5);
        state.counters["chat_delay_p99_ms"] = percentile(delays, 0.99);
        if (misbehaving) {
            state.counters["flood_lines_taken"] = static_cast<double>(floodLines);
            state.counters["non_reader_closed"] = silentClosed ? 1 : 0;
        }
        if (unanswered || missingChat || malformed || closedMembers)
            state.SkipWithError("frames went missing or came malformed for the well-behaved members");
        for (auto& m : members)
            m->close();
        membersNet.stop(std::chrono::milliseconds(500));
        members.clear();
        host.shutdown();
    }
}

} // namespace

BENCHMARK(BM_HostUnderLoad)->ArgName("misbehaving")->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

BENCHMARK_MAIN();
