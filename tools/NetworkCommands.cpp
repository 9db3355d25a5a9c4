// host and join: a network game's host and its members without windows, on
// the real clock, printing one line per event for whoever drives them.

#include "Commands.h"
#include "GameArguments.h"
#include "ToolSupport.h"

#include "core/game/Game.h"
#include "core/grid/GridOptions.h"
#include "core/platform/Clock.h"
#include "core/platform/Paths.h"
#include "core/platform/Random.h"
#include "core/headless/RecordingGameView.h"
#include "core/headless/TaskLoop.h"
#include "core/platform/TextLines.h"
#include "core/players/PlayerFileManager.h"
#include "net/GameClient.h"
#include "net/GameHost.h"
#include "session/GameSession.h"

#include <csignal>
#include <map>
#include <fstream>
#include <iostream>
#include <sstream>

namespace lettrava::tool {

namespace {

volatile std::sig_atomic_t stopSignalled = 0;

extern "C" void onStopSignal(int) { stopSignalled = 1; }

// Every event goes out as one line, at once: the driver reads them live.
// A line of the event log: program text, printed for the terminal.
void emit(const std::string& line) { std::cout << terminalText(line) << std::endl; }

struct ChatScriptLine {
    std::uint32_t atMs = 0;
    std::string text;
};

std::vector<ChatScriptLine> readChatScript(const std::string& file)
{
    std::vector<ChatScriptLine> lines;
    forEachScriptLine(file, "chat script", [&](std::string_view text, int number) {
        const auto space = text.find(' ');
        if (text.empty())
            return;
        if (space == std::string_view::npos)
            throw ToolError("chat script line " + std::to_string(number) + ": expected SECONDS TEXT");
        const int seconds = parseInteger(std::string(text.substr(0, space)), "chat script seconds", 0, 86400);
        lines.push_back({static_cast<std::uint32_t>(seconds) * 1000, std::string(text.substr(space + 1))});
    });
    std::stable_sort(lines.begin(), lines.end(),
                     [](const ChatScriptLine& a, const ChatScriptLine& b) { return a.atMs < b.atMs; });
    return lines;
}

// The main window of the headless host: the results window stands open for
// the time between rounds, the end-of-round wait and the winner are printed.
class HostView : public RecordingGameView {
public:
    HostView(TaskLoop& loop, std::chrono::milliseconds between) : loop_(loop), between_(between) {}

    struct BetweenRounds : ResultsWindow {
        explicit BetweenRounds(HostView& v) : view(v) {}
        void showModal() override
        {
            // After the last round the host goes two seconds after the winner.
            if (!view.winnerShown)
                view.loop_.runFor(view.between_);
            ++view.resultsClosed;
        }
        void showModeless() override {}
        void requestHide() override {}
        HostView& view;
    };

    void setStatusText(const std::string& text) override
    {
        status = text;
        if (text == "All players finished.")
            emit("wait all-finished");
        else if (text == "Wait time limit exceeded. Forcing round completion.")
            emit("wait timeout");
    }
    std::unique_ptr<ResultsWindow> createResultsWindow(Game& game, Round&) override
    {
        std::ostringstream scores;
        printScoreLines(scores, game, game.currentRound);
        std::cout << scores.str() << std::flush;
        return std::make_unique<BetweenRounds>(*this);
    }
    void showCongratulations(const std::string& text, bool) override
    {
        emit("winner " + text);
        winnerShown = true;
    }

    int resultsClosed = 0;
    bool winnerShown = false;

private:
    TaskLoop& loop_;
    std::chrono::milliseconds between_;
};

class HostPrinter : public HostNotices {
public:
    HostPrinter(TaskLoop& loop, bool admitAll) : loop_(loop), admitAll_(admitAll) {}

    void showChatLine(const std::string& line) override { emit("chat " + line); }
    void memberLoggedIn(const std::string& name) override
    {
        emit("login " + name);
        if (admitAll_)
            // As the add-player button would, once the login has run its course.
            loop_.post([this, name] { admit(name); });
    }
    void memberAdmitted(const std::string& name) override { emit("admitted " + name); }
    void memberLoggedOff(const std::string& name) override { emit("logoff " + name); }
    void remoteWordJudged(const std::string& name, const std::string& word, VerdictCode verdict) override
    {
        int seconds = 0;
        if (game && game->round()) {
            const Round& r = *game->round();
            seconds = static_cast<int>((clock().tickCount() - r.startTick - static_cast<std::uint32_t>(r.pausedTotal)) / 1000);
        }
        emit("verdict " + std::to_string(game ? game->currentRound : 0) + ' ' + std::to_string(seconds) + ' ' + name +
             ' ' + word + ' ' + std::to_string(verdict));
    }

    GameHost* host = nullptr;
    Game* game = nullptr;

private:
    void admit(const std::string& name)
    {
        if (!host)
            return;
        const auto members = host->members();
        for (std::size_t i = 1; i < members.size(); ++i)
            if (members[i].name == name && host->canAddMember(static_cast<int>(i))) {
                host->addSelectedMember(static_cast<int>(i));
                return;
            }
    }

    TaskLoop& loop_;
    bool admitAll_;
};

int remotePlayers(const Game& game)
{
    int n = 0;
    for (int i = 0; i < game.playerCount; ++i)
        if (const Player* p = game.playerAt(i); p && p->isRemote() && p->active)
            ++n;
    return n;
}

} // namespace

int hostCommand(const Args& args)
{
    Arguments a(args,
                {"dict", "port", "rounds", "size", "grid", "duration", "bonus", "reuse", "porosity", "min", "max",
                 "seed", "start-after", "between", "chat", "email", "message"},
                {"admit-all"});
    const auto dict = a.value("dict");
    if (!dict)
        throw UsageError("--dict is required");
    const auto port = static_cast<std::uint16_t>(a.integer("port", 0, 65535).value_or(GameHost::kDefaultPort));
    const auto startAfter = a.integer("start-after", 1, Game::kMaxPlayers - 1);
    const std::chrono::milliseconds between(a.integer("between", 0, 3600).value_or(3) * 1000);
    GameSetup setup = setupFromArguments(a, true);
    setup.listenForNetworkPlayers = true;
    setup.portText = std::to_string(port);
    if (auto grid = a.value("grid"); grid && !std::filesystem::exists(*grid))
        throw ToolError("no grid file " + *grid);
    const std::vector<ChatScriptLine> chat = a.value("chat") ? readChatScript(*a.value("chat")) : std::vector<ChatScriptLine>{};

    loadDictionaryForTool(*dict, std::nullopt);
    if (auto email = a.text("email"))
        toolPreferences().setSettingText("Email", *email);
    if (auto message = a.text("message"))
        toolPreferences().setSettingText("Message", *message);
    PlayerFileManager::useFile(Paths::homeGiven() ? Paths::writableFile(PlayerFileManager::kFileName)
                                                  : std::filesystem::path());
    Random::instance().seed(static_cast<std::uint32_t>(a.integer("seed", 0, 4294967295L).value_or(0)));

    TaskLoop loop;
    SteadyClock steady;
    ScopedTime time(steady, loop);
    HostView view(loop, between);
    if (auto size = a.value("size")) {
        const auto x = size->find('x');
        if (x == std::string::npos)
            throw UsageError("--size must be CxR");
        view.columns = parseInteger(size->substr(0, x), "--size columns", 3, 12);
        view.rows = parseInteger(size->substr(x + 1), "--size rows", 3, 12);
    }
    GameSession session(view, &loop);
    Game* game = session.newGameFromSetup(setup);
    if (!game)
        throw ToolError("cannot set up the game");

    HostPrinter printer(loop, a.flag("admit-all"));
    printer.game = game;
    std::string error;
    if (!session.startHosting(printer, error, port))
        throw ToolError(error);
    GameHost& host = *session.host();
    printer.host = &host;
    emit("listening " + std::to_string(host.port()));

    stopSignalled = 0;
    struct sigaction action {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    const auto stopped = [] { return stopSignalled != 0; };

    // The chat script runs on the loop's clock from the moment listening began.
    const std::uint32_t listeningSince = clock().tickCount();
    std::size_t nextChat = 0;
    auto chatTimer = loop.createTimer(50, [&] {
        while (nextChat < chat.size() && clock().tickCount() - listeningSince >= chat[nextChat].atMs)
            host.sendChatInput(chat[nextChat++].text);
    });
    chatTimer->setEnabled(!chat.empty());

    constexpr auto forever = std::chrono::hours(24 * 365);
    if (startAfter) {
        loop.runUntil([&] { return stopped() || remotePlayers(*game) >= *startAfter; }, forever);
        while (!stopped() && game->inProgress && game->currentRound < game->roundsPerGame) {
            const int closedBefore = view.resultsClosed;
            game->startRoundCommand();
            const Round* round = game->round();
            if (!round || !game->roundRunning)
                throw ToolError("the round did not start");
            const GridOptions& o = gridOptions();
            emit("round " + std::to_string(game->currentRound) + " grid " + std::to_string(o.gridColumns) + 'x' +
                 std::to_string(o.gridRows) + " duration " + std::to_string(round->duration));
            loop.runUntil([&] { return stopped() || view.resultsClosed > closedBefore; }, forever);
        }
        if (!stopped() && !game->inProgress)
            loop.runUntil(stopped, std::chrono::seconds(2));
    } else {
        loop.runUntil(stopped, forever);
    }

    chatTimer.reset();
    if (game->roundRunning)
        game->abortRoundForClose();
    session.leaveNetwork();
    emit("shutdown");
    signal(SIGINT, SIG_DFL);
    signal(SIGTERM, SIG_DFL);
    return 0;
}

namespace {

// One line of a member's script.
struct JoinScriptLine {
    enum class Kind { Word, Chat, Drop, Quit } kind = Kind::Word;
    int round = 0;            // words only
    std::uint32_t atMs = 0;   // after the round started (words) or after logging in
    std::string text;
    bool done = false;
};

std::vector<JoinScriptLine> readJoinScript(const std::string& file)
{
    std::vector<JoinScriptLine> lines;
    forEachScriptLine(file, "script", [&](std::string_view raw, int number) {
        std::istringstream fields{std::string(raw)};
        std::string first, seconds;
        if (!(fields >> first) || first[0] == '#')
            return;
        const std::string where = "script line " + std::to_string(number);
        JoinScriptLine line;
        if (!(fields >> seconds))
            throw ToolError(where + ": expected ROUND SECONDS WORD, chat SECONDS TEXT, drop SECONDS or quit SECONDS");
        line.atMs = static_cast<std::uint32_t>(parseInteger(seconds, "script seconds", 0, 86400)) * 1000;
        std::string rest;
        std::getline(fields >> std::ws, rest);
        if (first == "chat") {
            line.kind = JoinScriptLine::Kind::Chat;
            line.text = rest;
        } else if (first == "drop") {
            line.kind = JoinScriptLine::Kind::Drop;
        } else if (first == "quit") {
            line.kind = JoinScriptLine::Kind::Quit;
        } else {
            line.round = parseInteger(first, "script round", 1, Game::kMaxRounds);
            if (rest.empty())
                throw ToolError(where + ": expected ROUND SECONDS WORD");
            line.text = rest;
        }
        lines.push_back(line);
    });
    return lines;
}

// A member's main window without windows: the congratulations are printed,
// the results stand open for --read-results seconds.
class MemberView : public RecordingGameView {
public:
    void setStatusText(const std::string& text) override { status = text; }
    void showCongratulations(const std::string& text, bool) override { emit("winner " + text); }
};

std::string oneLine(std::string text)
{
    for (char& c : text)
        if (c == '\n' || c == '\r')
            c = ' ';
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

class Member : public ClientNotices {
public:
    Member(TaskLoop& loop, std::uint32_t readResultsMs, bool reconnect)
        : loop_(loop), readResultsMs_(readResultsMs), reconnect_(reconnect)
    {
    }

    void showStatus(const std::string& text) override { emit("status " + oneLine(text)); }
    void connectFinished(bool connected) override
    {
        if (connected) {
            emit("connected");
            if (!loggedInAt)
                loggedInAt = clock().tickCount();
            return;
        }
        finish(everConnected ? 2 : 3);
    }
    void showChatLine(const std::string& line) override { emit("chat " + line); }
    void createClientGame() override { session->createClientGame(); }
    Game* game() const { return session->game(); }
    void startRound() override
    {
        Game* game = this->game();
        if (!game)
            return;
        game->startRoundCommand();
        const GridOptions& o = gridOptions();
        emit("round " + std::to_string(label) + " grid " + std::to_string(o.gridColumns) + 'x' +
             std::to_string(o.gridRows));
        roundStarted[label] = clock().tickCount();
        for (auto& line : *script)
            if (line.kind == JoinScriptLine::Kind::Word && line.round == label)
                line.done = false;
    }
    void setRoundLabel(const std::string& text) override
    {
        if (text.rfind("Round ", 0) == 0)
            label = std::atoi(text.c_str() + 6);
    }
    void resultsShown(int round) override
    {
        emit("results " + std::to_string(round));
        closeResultsTimer_ = loop_.createTimer(std::max<std::uint32_t>(readResultsMs_, 1), [this] {
            closeResultsTimer_->setEnabled(false);
            client->resultsClosed();
        });
        closeResultsTimer_->setEnabled(true);
    }
    void closeResults() override
    {
        if (closeResultsTimer_)
            closeResultsTimer_->setEnabled(false);
    }
    void verdictShown(VerdictCode verdict, const std::string& word) override
    {
        emit("verdict " + std::to_string(verdict) + ' ' + word);
    }
    void connectionLost() override
    {
        emit("disconnected");
        if (reconnect_)
            client->reconnect();
        else
            finish(2);
    }
    void hostStartedNewGame() override { session->dropGame(); }
    void hostShutDown() override
    {
        emit("shutdown");
        finish(0);
    }
    void frameRead(std::int32_t kind, bool dropped) override
    {
        const std::string_view name = messageKindName(kind);
        emit(std::string(dropped ? "dropped " : "frame ") + (name.empty() ? std::to_string(kind) : std::string(name)));
        everConnected = true;
    }

    void finish(int code)
    {
        if (exitCode < 0)
            exitCode = code;
    }

    GameSession* session = nullptr;
    GameClient* client = nullptr;
    std::vector<JoinScriptLine>* script = nullptr;
    std::map<int, std::uint32_t> roundStarted;
    std::uint32_t loggedInAt = 0;
    int label = 1;
    int exitCode = -1;
    bool everConnected = false;

private:
    TaskLoop& loop_;
    std::uint32_t readResultsMs_;
    bool reconnect_;
    std::unique_ptr<Timer> closeResultsTimer_;
};

} // namespace

int joinCommand(const Args& args)
{
    Arguments a(args, {"host", "port", "name", "email", "message", "script", "read-results", "dict"}, {"reconnect"});
    JoinRequest request;
    request.host = a.value("host", "");
    request.name = a.text("name").value_or("");
    if (request.host.empty() || request.name.empty())
        throw UsageError("--host and --name are required");
    request.port = static_cast<std::uint16_t>(a.integer("port", 1, 65535).value_or(GameHost::kDefaultPort));
    request.email = a.text("email").value_or("");
    request.message = a.text("message").value_or("");
    const auto readResultsMs = static_cast<std::uint32_t>(a.integer("read-results", 0, 3600).value_or(1) * 1000);
    std::vector<JoinScriptLine> script = a.value("script") ? readJoinScript(*a.value("script")) : std::vector<JoinScriptLine>{};

    // The client's own rounds use a dictionary for their solutions; the
    // program's shipped one unless another is given.
    std::string dict = a.value("dict", "");
    if (dict.empty()) {
        for (const auto& candidate : {Paths::dataPath("dict/English.dic"),
                                      Paths::executableFolder(nullptr) / "dict" / "English.dic"})
            if (std::filesystem::is_regular_file(candidate)) {
                dict = candidate.string();
                break;
            }
    }
    if (!dict.empty())
        loadDictionaryForTool(dict, std::nullopt);
    PlayerFileManager::useFile(Paths::homeGiven() ? Paths::writableFile(PlayerFileManager::kFileName)
                                                  : std::filesystem::path());

    TaskLoop loop;
    SteadyClock steady;
    ScopedTime time(steady, loop);
    MemberView view;
    Member member(loop, readResultsMs, a.flag("reconnect"));
    member.script = &script;
    GameSession session(view, &loop);
    member.session = &session;
    GameClient& client = session.join(member);
    member.client = &client;

    stopSignalled = 0;
    struct sigaction action {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);

    auto scriptTimer = loop.createTimer(50, [&] {
        const std::uint32_t now = clock().tickCount();
        for (auto& line : script) {
            if (line.done)
                continue;
            if (line.kind == JoinScriptLine::Kind::Word) {
                Game* game = member.game();
                const auto started = member.roundStarted.find(line.round);
                if (!game || !game->roundRunning || started == member.roundStarted.end() ||
                    now - started->second < line.atMs)
                    continue;
                line.done = true;
                game->wordEntry().typedTextChanged(line.text);
                game->wordEntry().submitTyped();
                continue;
            }
            if (!member.loggedInAt || now - member.loggedInAt < line.atMs)
                continue;
            line.done = true;
            if (line.kind == JoinScriptLine::Kind::Chat)
                client.sendChatInput(line.text);
            else if (line.kind == JoinScriptLine::Kind::Drop)
                client.dropConnection();
            else
                member.finish(0);
        }
    });
    scriptTimer->setEnabled(!script.empty());

    if (!client.connect(request))
        return 3;
    constexpr auto forever = std::chrono::hours(24 * 365);
    loop.runUntil([&] { return member.exitCode >= 0 || stopSignalled != 0; }, forever);
    scriptTimer.reset();
    session.leaveNetwork();
    signal(SIGINT, SIG_DFL);
    signal(SIGTERM, SIG_DFL);
    return member.exitCode < 0 ? 0 : member.exitCode;
}

} // namespace lettrava::tool
