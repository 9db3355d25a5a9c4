// The host's handling of incoming frames, in process: a hosting game with
// three scripted members whose links record what the host sends. The input
// is a script of steps, each a byte choosing what happens next: a member
// connects, sends a frame (login, chat, whisper, rename, word, finished,
// ready, keep-alive, or something else) with bytes of the input as its
// payload, or goes; the user-interface thread runs what was handed to it;
// time passes (rounds tick, members fall silent); the host starts or ends a
// round, seats a member or types into its chat. After every step: member
// names are unique ignoring case, at most 16 characters and free of control
// characters, and every frame a member was sent is well formed with plain
// lines.

#include "core/game/Game.h"
#include "core/game/GameSetup.h"
#include "core/grid/GridOptions.h"
#include "core/platform/Clock.h"
#include "core/platform/Preferences.h"
#include "core/headless/RecordingDialogs.h"
#include "core/headless/RecordingGameView.h"
#include "core/headless/TaskLoop.h"
#include "core/players/PlayerFileManager.h"
#include "core/words/Dictionary.h"
#include "core/words/DictionaryWriter.h"
#include "net/ChatRules.h"
#include "net/Frame.h"
#include "net/FrameLink.h"
#include "net/GameHost.h"
#include "net/Payloads.h"
#include "net/TGameClient.h"
#include "core/headless/ManualTimers.h"
#include "core/headless/FixedPreferences.h"

#include <cstdint>
#include <cstdlib>
#include <deque>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace lettrava;

void check(bool ok)
{
    if (!ok)
        std::abort();
}

// The input, read a byte or a run of bytes at a time; zeros once it is used up.
class Script {
public:
    Script(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool done() const { return at_ >= size_; }
    std::uint8_t byte() { return at_ < size_ ? data_[at_++] : 0; }
    std::string bytes(std::size_t n)
    {
        n = std::min(n, size_ - std::min(at_, size_));
        std::string out(reinterpret_cast<const char*>(data_ + at_), n);
        at_ += n;
        return out;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

// A member's connection as the host sees it: what the host queues is decoded
// and checked at once; frames the member sends wait while reading is held.
class ScriptedLink : public FrameLink {
public:
    bool sendFrames(const std::vector<SharedFrame>& frames) override
    {
        if (!open_)
            return false;
        for (const SharedFrame& f : frames) {
            check(decoder_.feed(*f));
            while (auto frame = decoder_.next())
                checkFrame(*frame);
        }
        check(!decoder_.midFrame()); // whole frames only
        return true;
    }
    void close() override { open_ = false; }
    void closeAfterSending() override { open_ = false; }
    bool isOpen() const override { return open_; }
    void pauseReading() override { paused_ = true; }
    void resumeReading() override { paused_ = false; }
    const std::string& peerAddress() const override { return address_; }

    bool paused() const { return paused_; }
    std::deque<Frame> waiting; // sent by the member, not yet taken by the host

private:
    static void checkFrame(const Frame& f)
    {
        using namespace MessageKind;
        check(isHostKind(f.kind));
        if (f.kind == msgChatLine || f.kind == msgPrivateLine) {
            const std::string line = decodeText(f.payload);
            check(line == plainText(line));
            check(line.size() <= GameHost::kMaxChatText + 64);
        }
        if (f.kind == msgMemberList) {
            check(f.payload.size() % TGameClient::kImageSize == 0);
            for (const TGameClient& m : decodeMemberList(f.payload))
                check(m.name == plainText(m.name) && m.message == plainText(m.message));
        }
    }

    bool open_ = true;
    bool paused_ = false;
    FrameDecoder decoder_;
    std::string address_ = "192.0.2.7";
};

class QuietNotices : public HostNotices {
public:
    void showChatLine(const std::string& line) override { check(line == plainText(line)); }
};

void loadTinyDictionary()
{
    const std::vector<std::string> words = {"CAT", "CATS", "COAT", "COATS", "OATS", "TOP", "STOP", "POTS", "TACO"};
    DictionaryHeader header;
    header.setField(DictionaryHeader::kDisplayNameOffset, DictionaryHeader::kDisplayNameSize, "Fuzz");
    const std::string file =
        DictionaryWriter::file(header, DictionaryWriter::letterWeights(words), DictionaryWriter::plainBody(words));
    std::istringstream in(file);
    Dictionary::instance().readFrom(in, file.size());
}

void checkMembers(const GameHost& host)
{
    const auto members = host.members();
    for (std::size_t i = 0; i < members.size(); ++i) {
        check(members[i].name.size() <= TGameClient::kMaxName);
        check(members[i].name == plainText(members[i].name));
        for (std::size_t j = i + 1; j < members.size(); ++j)
            check(!equalsIgnoringCase(members[i].name, members[j].name));
    }
}

// A frame a member might send, chosen and filled by the script.
Frame scriptedFrame(Script& s)
{
    using namespace MessageKind;
    static const std::int32_t kinds[] = {msgLogin,  msgChat,      msgWhisper, msgRename, msgSubmitWord,
                                         msgRoundFinished, msgReady, msgKeepAlive, 999, msgMemberList};
    Frame f;
    f.kind = kinds[s.byte() % std::size(kinds)];
    const std::uint8_t length = s.byte();
    if (f.kind == msgLogin && !(length & 0x80)) {
        // A member's record, its texts from the script (the high bit of the
        // length asks for raw bytes instead).
        TGameClient me;
        me.name = s.bytes(length % 24);
        me.hostName = s.bytes(s.byte() % 8);
        me.message = s.bytes(s.byte() % 8);
        f.payload = me.toImage();
    } else {
        f.payload = s.bytes(f.kind == msgLogin ? length & 0x7f : length);
        // Now and then a long text, as a flooding member sends.
        if (length == 255)
            f.payload += std::string(1500, 'x');
    }
    return f;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static RecordingDialogs quiet;
    static FixedPreferences prefs("");
    static bool once = [] {
        setDialogs(&quiet);
        setPreferences(&prefs);
        PlayerFileManager::useFile({});
        loadTinyDictionary();
        return true;
    }();
    (void)once;
    gridOptions() = GridOptions{};

    ManualClock clock(1000);
    ManualTimers timers(clock);
    ScopedTime time(clock, timers);
    TaskLoop ui;
    RecordingGameView view;
    view.columns = view.rows = 4;

    GameSetup setup;
    setup.playerCount = 1;
    setup.players[0].name = "Hal";
    setup.players[0].inputMethod = InputMethod::KeyboardOnly;
    setup.roundsPerGame = 3;
    setup.gridSizeOrder = 2;
    setup.automaticDuration = false;
    setup.minutesText = "0";
    setup.secondsText = "40";
    setup.listenForNetworkPlayers = true;
    std::unique_ptr<Game> game = Game::createFromSetup(view, setup);
    check(game && game->isReady());

    QuietNotices notices;
    {
        GameHost host(ui, notices);
        host.startInProcess("Hal", game.get());

        constexpr int kMembers = 3;
        std::shared_ptr<ScriptedLink> links[kMembers];
        std::shared_ptr<GameHost::Peer> peers[kMembers];

        Script s(data, size);
        for (int step = 0; step < 400 && !s.done(); ++step) {
            const std::uint8_t op = s.byte();
            const int who = (op >> 4) % kMembers;
            switch (op % 12) {
            case 0: // a member connects
                if (!peers[who]) {
                    links[who] = std::make_shared<ScriptedLink>();
                    peers[who] = host.linkOpened(links[who]);
                    check(peers[who] != nullptr);
                }
                break;
            case 1:
            case 2:
            case 3: // a member sends a frame
                if (peers[who] && links[who]->isOpen())
                    links[who]->waiting.push_back(scriptedFrame(s));
                break;
            case 4: // the I/O thread works off what has arrived (and is not held back)
                for (int m = 0; m < kMembers; ++m)
                    while (peers[m] && !links[m]->paused() && !links[m]->waiting.empty()) {
                        const Frame f = std::move(links[m]->waiting.front());
                        links[m]->waiting.pop_front();
                        host.bytesArrived(peers[m]);
                        host.frameArrived(peers[m], f);
                    }
                break;
            case 5: // a connection ends (or was closed by the host)
                if (peers[who]) {
                    host.linkClosed(peers[who]);
                    peers[who].reset();
                    links[who].reset();
                }
                break;
            case 6: // the user-interface thread runs what was handed to it
            case 7:
                ui.runPending();
                break;
            case 8: // time passes: the game's timer, the silence check
                timers.runFor(static_cast<std::uint32_t>(s.byte()) * 200);
                break;
            case 9: // the host starts a round, or ends the one that runs
                if (game->roundRunning)
                    game->requestRoundEnd(s.byte() % 2 == 0);
                else if (!game->hostWaiting() && game->inProgress && game->currentRound < game->roundsPerGame)
                    game->startRoundCommand();
                break;
            case 10: // the add-player button
                host.addSelectedMember(s.byte() % 5);
                break;
            case 11: // the host's own chat input
                host.sendChatInput(s.bytes(s.byte() % 32));
                break;
            }
            checkMembers(host);
            // A closed link ends as a lost connection does.
            for (int m = 0; m < kMembers; ++m)
                if (peers[m] && !links[m]->isOpen()) {
                    host.linkClosed(peers[m]);
                    peers[m].reset();
                    links[m].reset();
                }
        }
        ui.runPending();
        if (game->roundRunning)
            game->abortRoundForClose();
        host.shutdown();
        ui.runPending();
    }
    game.reset();
    // The store would otherwise keep every name an input made up.
    PlayerFileManager::resetInstance();
    quiet.messages.clear();
    return 0;
}
