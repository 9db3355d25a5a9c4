// Network play through the windows: a hosting main window with a member
// that has no windows, and a joining main window against a host that has
// none; real sockets on loopback, the game's time in the test's hands.

#include "GameWindowTest.h"
#include "MainWindowTest.h"

#include "core/headless/RecordingGameView.h"
#include "net/GameClient.h"
#include "net/GameHost.h"
#include "ui/net/TChatPanel.h"
#include "ui/net/TMemberList.h"
#include "ui/net/TTCPForm.h"
#include "ui/platform/QtTaskSeam.h"
#include "ui/platform/Settings.h"
#include "ui/platform/SettingsStore.h"

#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QUrl>

#include <asio.hpp>

#include <chrono>
#include <thread>

namespace {

// A member without windows: the client classes and a recording main window,
// on the test's thread.
struct HeadlessMember : ClientNotices {
    HeadlessMember() : client(seam, *this) {}
    void showChatLine(const std::string& line) override { chat.push_back(line); }
    void createClientGame() override
    {
        client.setGame(nullptr);
        game = Game::createClient(view);
        client.setGame(game.get());
    }
    void startRound() override
    {
        if (game)
            game->startRoundCommand();
    }
    void connectFinished(bool connected) override { this->connected = connected; }
    void verdictShown(VerdictCode verdict, const std::string& word) override { verdicts.emplace_back(verdict, word); }
    void hostShutDown() override { shutDown = true; }
    bool heard(const std::string& line) const { return std::find(chat.begin(), chat.end(), line) != chat.end(); }

    QtTaskSeam seam;
    RecordingGameView view;
    std::unique_ptr<Game> game;
    GameClient client;
    std::vector<std::string> chat;
    std::vector<std::pair<VerdictCode, std::string>> verdicts;
    bool connected = false;
    bool shutDown = false;
};

// A host without windows, on the test's thread.
struct HeadlessHost : HostNotices {
    HeadlessHost() : host(seam, *this) {}
    ~HeadlessHost() override { host.shutdown(); }
    void showChatLine(const std::string& line) override { chat.push_back(line); }
    void membersChanged() override { ++memberChanges; }
    bool heard(const std::string& line) const { return std::find(chat.begin(), chat.end(), line) != chat.end(); }

    QtTaskSeam seam;
    RecordingGameView view;
    std::unique_ptr<Game> game; // outlives the host, which points to it
    GameHost host;
    std::vector<std::string> chat;
    int memberChanges = 0;
};

class NetworkWindowTest : public MainWindowTest {
protected:
    ~NetworkWindowTest() override
    {
        if (window && window->networkWindow())
            window->networkWindow()->shutdown();
    }

    // Lets the game's time pass in small steps while the sockets, the host's
    // threads and the event loop do their part; false when `done` never held.
    template <class F>
    bool pump(F done, int limitMs = 120'000)
    {
        for (int t = 0; t <= limitMs; t += 50) {
            if (done())
                return true;
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            timers_.runFor(50);
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return done();
    }

    static std::uint16_t freePort()
    {
        asio::io_context io;
        asio::ip::tcp::acceptor a(io, asio::ip::tcp::endpoint(asio::ip::make_address("127.0.0.1"), 0));
        return a.local_endpoint().port();
    }

    TChatPanel& chat() const { return *window->chatPanel(); }
    QStringList memo(const TChatPanel& p) const { return p.lines(); }
    bool memoHas(const TChatPanel& p, const QString& line) const { return p.lines().contains(line); }
    TMemberListModel& members() const { return *window->networkWindow()->memberModel(); }

    void clickMember(TChatPanel& panel, int row)
    {
        TMemberListBox* list = panel.memberList();
        const QRect r = list->visualRect(list->model()->index(row, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
    }

    void hostAGame(std::uint16_t port, int rounds = 2)
    {
        whenSetupDialogShows([=, this](TPlayerInfoDlg& d) {
            chooseSetup(d, {{InputMethod::KeyboardAndMouse, "Ann"}}, rounds, "1:00");
            d.findChild<QCheckBox*>("chkWaitForNetworkPlayers")->setChecked(true);
            d.findChild<QLineEdit*>("edtPort")->setText(QString::number(port));
            d.findChild<QLineEdit*>("edtEmail")->setText("ann@example.org");
            d.findChild<QLineEdit*>("edtMessage")->setText("Good luck!");
        });
        action("mnuGameNew")->trigger();
        QApplication::setActiveWindow(window.get());
    }

    void dragChatHandle(int dy)
    {
        // The handle's own mouse events, with the global places it reads,
        // once the splitter has placed it.
        QCoreApplication::processEvents();
        QWidget* handle = window->chatSplitter()->handle(1);
        const QPointF at = handle->rect().center();
        const auto send = [&](QEvent::Type type, QPointF local, Qt::MouseButtons held) {
            QMouseEvent e(type, local, handle->mapToGlobal(local), Qt::LeftButton, held, Qt::NoModifier);
            QApplication::sendEvent(handle, &e);
        };
        send(QEvent::MouseButtonPress, at, Qt::LeftButton);
        send(QEvent::MouseMove, at + QPointF(0, dy), Qt::LeftButton);
        send(QEvent::MouseButtonRelease, at + QPointF(0, dy), Qt::NoButton);
    }

    void sendChat(TChatPanel& panel, const QString& text)
    {
        panel.input()->setText(text);
        QTest::keyClick(panel.input(), Qt::Key_Return);
    }
};

} // namespace

TEST_F(NetworkWindowTest, AHostingWindowAdmitsAMemberChatsAndPlaysARound)
{
    const std::uint16_t port = freePort();
    hostAGame(port);
    TTCPForm* tcp = window->networkWindow();
    ASSERT_NE(tcp, nullptr);
    EXPECT_EQ(tcp->role(), TTCPForm::Role::Host);
    EXPECT_FALSE(tcp->isVisible()) << "the host's connection window stays hidden";
    EXPECT_EQ(tcp->host()->port(), port);
    EXPECT_TRUE(window->hostMenu()->menuAction()->isVisible());
    EXPECT_FALSE(action("mnuGridFactory")->isEnabled());
    EXPECT_EQ(window->chatSplitter()->indexOf(&chat()), 1) << "the chat sits under the board";
    EXPECT_TRUE(chat().isVisibleTo(window.get()));
    EXPECT_GE(chat().visibleLines(), 6);
    // The handle moves the chat's top edge, and the height is kept.
    const int chatHeight = chat().height();
    dragChatHandle(-40);
    EXPECT_EQ(chat().height(), chatHeight + 40);
    EXPECT_EQ(chat().geometry().bottom(), window->chatSplitter()->height() - 1);
    EXPECT_EQ(SettingsStore::read(settings::ChatHeight), chatHeight + 40);
    EXPECT_TRUE(chat().addPlayerButton()->isVisibleTo(window.get()));
    EXPECT_FALSE(chat().addPlayerButton()->isEnabled());
    ASSERT_TRUE(pump([&] { return members().rowCount() == 1; }));
    EXPECT_EQ(members().member(0)->name, "Ann");
    EXPECT_EQ(members().member(0)->email, "ann@example.org");
    EXPECT_EQ(TMemberDelegate::statusPicture(MemberStatus::Host).size(), QSize(16, 15));
    EXPECT_TRUE(TMemberDelegate::statusPicture(MemberStatus::Connected).isNull());

    HeadlessMember bob;
    JoinRequest request;
    request.name = "Bob";
    request.host = "127.0.0.1";
    request.port = port;
    request.email = "bob@example.org";
    ASSERT_TRUE(bob.client.connect(request));
    ASSERT_TRUE(pump([&] { return members().rowCount() == 2; }));
    EXPECT_TRUE(pump([&] { return memoHas(chat(), " *** If you want Bob to be able to play, highlight his or her name and "
                                                  "click the add player button below."); }));
    EXPECT_TRUE(pump([&] { return bob.heard(" >>> Welcome to Lettrava Internet!"); }));

    // The add-player rule: a member selected who is not yet a player.
    clickMember(chat(), 0);
    EXPECT_FALSE(chat().addPlayerButton()->isEnabled()) << "the host is a player already";
    clickMember(chat(), 1);
    EXPECT_TRUE(chat().addPlayerButton()->isEnabled());
    chat().addPlayerButton()->click();
    ASSERT_EQ(game().playerCount, 2);
    EXPECT_EQ(label("lblPlayer2Name"), "Bob");
    EXPECT_EQ(label("lblPlayer2Score"), "0");
    EXPECT_TRUE(shown("lblPlayer2Name"));
    EXPECT_FALSE(chat().addPlayerButton()->isEnabled()) << "Bob plays now";
    EXPECT_TRUE(memoHas(chat(), " *** Bob has been admitted to the game."));
    ASSERT_TRUE(pump([&] { return bob.game != nullptr; }));

    // Chat both ways, a whisper each way, and a whisper from the pop-up.
    sendChat(chat(), "hello   ");
    EXPECT_TRUE(chat().input()->text().isEmpty());
    EXPECT_EQ(memo(chat()).back(), "Ann> hello");
    EXPECT_TRUE(pump([&] { return bob.heard("Ann> hello"); }));
    bob.client.sendChatInput("hi there");
    EXPECT_TRUE(pump([&] { return memoHas(chat(), "Bob> hi there"); }));
    sendChat(chat(), "/w Bob psst");
    EXPECT_TRUE(pump([&] { return bob.heard("Ann whispers: psst"); }));
    bob.client.sendChatInput("/w Ann back at you");
    EXPECT_TRUE(pump([&] { return memoHas(chat(), "Bob whispers: back at you"); }));
    QString asked;
    tcp->inputBox = [&](const QString& title, const QString& prompt) -> std::optional<QString> {
        asked = title + '|' + prompt;
        return QStringLiteral("from the menu");
    };
    clickMember(chat(), 1);
    tcp->preparePopup(chat().memberList());
    tcp->whisperClick();
    EXPECT_EQ(asked, "Lettrava Whisper|Private message to Bob:");
    EXPECT_TRUE(pump([&] { return bob.heard("Ann whispers: from the menu"); }));

    // The profile of a member, and its e-mail through the desktop.
    tcp->profileClick();
    const QStringList lines = memo(chat());
    ASSERT_GE(lines.size(), 5);
    EXPECT_EQ(lines[lines.size() - 5], QString(68, '*'));
    EXPECT_TRUE(lines[lines.size() - 4].startsWith("Profile of Bob (Logged in from << "));
    EXPECT_TRUE(lines[lines.size() - 4].endsWith(" - 127.0.0.1 >> - Email: bob@example.org"));
    EXPECT_EQ(lines[lines.size() - 3], "Has: Game version:  1.0 - Dictionary version: ");
    EXPECT_EQ(lines[lines.size() - 2], "Message: \"\"");
    QUrl opened;
    tcp->openAddress = [&](const QUrl& u) { opened = u; };
    EXPECT_TRUE(tcp->popupMenu()->actions().at(2)->isEnabled());
    tcp->emailClick();
    EXPECT_EQ(opened.toString(), "mailto:bob@example.org");

    // A round: the button stays off while it runs, even with a click.
    startRound();
    EXPECT_FALSE(chat().addPlayerButton()->isEnabled());
    ASSERT_TRUE(pump([&] { return bob.game && bob.game->roundRunning; }));
    bob.game->sendWordToHost("CATS");
    ASSERT_TRUE(pump([&] { return !bob.verdicts.empty(); }));
    EXPECT_EQ(bob.verdicts.front().second, "CATS");
    EXPECT_GE(bob.verdicts.front().first, Game::pointsFor(4)) << "judged by the host: a valid word";
    type("STOP");
    EXPECT_TRUE(pump([&] { return !game().roundRunning && !game().hostWaiting(); }));
    ASSERT_FALSE(game().playerAt(1)->words.empty());
    EXPECT_EQ(game().playerAt(1)->words.front().text, "CATS");
    EXPECT_FALSE(action("mnuGridFactory")->isEnabled()) << "no designing while hosting";

    // Shutdown: the question, then everything network goes.
    shown_.answers = {MessageAnswer::Yes};
    action("mnuHostShutdown")->trigger();
    EXPECT_EQ(shown_.messages.back().text, "This will end the game and disconnect any remote players, are you sure?");
    EXPECT_EQ(window->networkWindow(), nullptr);
    EXPECT_EQ(window->game(), nullptr);
    EXPECT_TRUE(shown("pnlWelcome"));
    EXPECT_FALSE(window->hostMenu()->menuAction()->isVisible());
    EXPECT_FALSE(chat().isVisibleTo(window.get()));
    EXPECT_TRUE(action("mnuGridFactory")->isEnabled());
    EXPECT_TRUE(pump([&] { return bob.shutDown; }));

    hostAGame(freePort());
    EXPECT_EQ(chat().height(), chatHeight + 40) << "the next network game's chat as it was left";
}

TEST_F(NetworkWindowTest, LockIsNotAvailableAndANoToShutdownKeepsTheGame)
{
    hostAGame(freePort());
    action("mnuHostLock")->trigger();
    EXPECT_EQ(shown_.messages.back().text, "This feature is not yet enabled.");
    EXPECT_EQ(shown_.messages.back().caption, "Sorry");
    shown_.answers = {MessageAnswer::No};
    action("mnuHostShutdown")->trigger();
    EXPECT_NE(window->networkWindow(), nullptr);
    EXPECT_NE(window->game(), nullptr);
}

TEST_F(NetworkWindowTest, ANewGameWhileHostingKeepsTheConnectionsAndSeatsTheMembersAgain)
{
    const std::uint16_t port = freePort();
    hostAGame(port);
    HeadlessMember bob;
    JoinRequest request{"Bob", "127.0.0.1", port, "", ""};
    ASSERT_TRUE(bob.client.connect(request));
    ASSERT_TRUE(pump([&] { return bob.heard(" >>> Welcome to Lettrava Internet!"); }));
    clickMember(chat(), 1);
    chat().addPlayerButton()->click();
    ASSERT_TRUE(pump([&] { return bob.game != nullptr; }));
    TTCPForm* tcp = window->networkWindow();

    // The second game's dialog is hosted on the same port, its check fixed.
    bool fixed = false;
    whenSetupDialogShows([&](TPlayerInfoDlg& d) {
        chooseSetup(d, {{InputMethod::KeyboardAndMouse, "Ann"}}, 1, "1:00");
        auto* listen = d.findChild<QCheckBox*>("chkWaitForNetworkPlayers");
        fixed = listen->isChecked() && !listen->isEnabled() &&
                d.findChild<QLineEdit*>("edtPort")->text() == QString::number(port);
    });
    action("mnuGameNew")->trigger();
    EXPECT_TRUE(fixed);
    EXPECT_EQ(window->networkWindow(), tcp) << "the same connections";
    ASSERT_EQ(game().playerCount, 2) << "Bob is seated again";
    EXPECT_EQ(game().playerAt(1)->name, "Bob");
    EXPECT_EQ(label("lblPlayer2Name"), "Bob");
    EXPECT_TRUE(pump([&] { return bob.heard("*** The Host started a new game."); }));
    EXPECT_TRUE(pump([&] { return bob.game != nullptr; })) << "admitted to the new game";
}

TEST_F(NetworkWindowTest, AJoiningWindowPlaysAgainstAHeadlessHostThroughResultsAndAReconnect)
{
    installGameWindows(*window);
    window->congratulationsHandler = nullptr;
    HeadlessHost hal;
    GameSetup setup = test::gridFileSetup({test::GameBench::human(std::string("Hal"))}, gridPath.toStdString(), 2, "0:40");
    setup.listenForNetworkPlayers = true;
    hal.game = Game::createFromSetup(hal.view, setup);
    Game* halGame = hal.game.get();
    ASSERT_TRUE(halGame->isReady());
    std::string error;
    ASSERT_TRUE(hal.host.startHosting(0, "Hal", halGame, error)) << error;
    const std::uint16_t port = hal.host.port();

    // The connection window: its texts, the digits-only port, the fields.
    bool checked = false;
    test::whenModal<TTCPForm>([&](TTCPForm& f) {
        EXPECT_EQ(f.windowTitle(), "Lettrava Internet");
        EXPECT_EQ(f.size(), QSize(642, 460));
        EXPECT_TRUE(f.instructionsLabel()->text().startsWith("Please specify the name you would like to use"));
        EXPECT_EQ(f.portField()->text(), "9789") << "the default port";
        EXPECT_FALSE(f.statusLabel()->isVisible());
        f.portField()->clear();
        QTest::keyClicks(f.portField(), QString("1x2-") + QString::number(port));
        EXPECT_EQ(f.portField()->text(), "12" + QString::number(port)) << "only digits are taken";
        f.portField()->setText(QString::number(port));
        f.playerNameBox()->setEditText("Bob");
        f.hostField()->setText("127.0.0.1");
        f.emailField()->setText("bob@example.org");
        checked = true;
        f.connectClick();
    });
    window->joinGameClick();
    ASSERT_TRUE(checked);
    TTCPForm* tcp = window->networkWindow();
    ASSERT_NE(tcp, nullptr);
    EXPECT_TRUE(tcp->connected());
    EXPECT_FALSE(shown("pnlWelcome"));
    EXPECT_TRUE(chat().isVisibleTo(window.get()));
    EXPECT_FALSE(chat().addPlayerButton()->isVisibleTo(window.get())) << "a client adds nobody";
    EXPECT_EQ(stored().at("NetPlayer").toString(), "Bob");
    EXPECT_EQ(stored().at("IP").toString(), "127.0.0.1");
    EXPECT_EQ(stored().at("ClientPort").toString(), QString::number(port));
    EXPECT_EQ(stored().at("ClientEmail").toString(), "bob@example.org");

    // Admitted: the client game mirrors the host's.
    ASSERT_TRUE(pump([&] { return hal.heard(" *** If you want Bob to be able to play, highlight his or her name and "
                                            "click the add player button below."); }));
    ASSERT_TRUE(hal.host.addSelectedMember(1));
    ASSERT_TRUE(pump([&] { return window->game() != nullptr; }));
    EXPECT_EQ(game().networkMode, NetworkMode::Client);
    EXPECT_FALSE(action("mnuGameNew")->isEnabled());
    // Seated and told so: the round to come, every player at 0.
    ASSERT_TRUE(pump([&] { return label("lblPlayer2Name") == "Bob" && label("lblRound") == "Round 1"; }));
    EXPECT_EQ(status(), "You are in the game.  The host will start the round.");
    EXPECT_EQ(label("lblPlayer1Score"), "0");
    EXPECT_EQ(label("lblPlayer2Score"), "0");

    halGame->startRoundCommand();
    ASSERT_TRUE(pump([&] { return game().roundRunning; }));
    EXPECT_EQ(label("lblPlayer1Name"), "Hal");
    EXPECT_EQ(label("lblPlayer2Name"), "Bob");
    type("CATS");
    ASSERT_TRUE(pump([&] { return !halGame->playerAt(1)->words.empty(); }));
    EXPECT_EQ(halGame->playerAt(1)->words.front().text, "CATS");
    EXPECT_TRUE(pump([&] { return played(SoundEvent::GoodWord); })) << "the verdict came back with its sound";

    // Results: the chat moves into the results window and back.
    ASSERT_TRUE(pump([&] { return game().round() && game().round()->resultsWindow(); }));
    auto* results = dynamic_cast<TRRForm*>(game().round()->resultsWindow());
    ASSERT_NE(results, nullptr);
    ASSERT_TRUE(pump([&] { return results->isVisible(); }));
    ASSERT_NE(results->chatPanel(), nullptr);
    EXPECT_EQ(tcp->chatTarget(), results->chatPanel());
    EXPECT_TRUE(memoHas(*results->chatPanel(), " >>> Welcome to Lettrava Internet!")) << "the lines came along";
    EXPECT_EQ(results->chatPanel()->memberList()->model(), tcp->memberModel());
    hal.host.sendChatInput("well played");
    EXPECT_TRUE(pump([&] { return memoHas(*results->chatPanel(), "Hal> well played"); }));
    // The host marks the member as reading results once they went out.
    ASSERT_TRUE(pump([&] { return hal.host.members()[1].status == MemberStatus::ViewingResults; }));
    results->chatPanel()->memberListButton()->click();
    EXPECT_EQ(results->chatPanel()->memberListButton()->toolTip(), "Show member list");
    results->hide();
    EXPECT_EQ(tcp->chatTarget(), &chat());
    EXPECT_TRUE(memoHas(chat(), "Hal> well played"));
    EXPECT_FALSE(stored().at("RRMemberList").toBool());
    EXPECT_TRUE(pump([&] { return hal.host.members()[1].status == MemberStatus::Ready; })) << "msgReady went out";
    // Shown again and closed again: no second readiness.
    pump([] { return false; }, 1000); // the host's repaint of the list arrives after the status
    const int changes = hal.memberChanges;
    action("mnuShowResults")->trigger();
    results->hide();
    pump([] { return false; }, 3000);
    EXPECT_EQ(hal.memberChanges, changes);

    // A rename, then a lost connection ("D", a developer's button shown only
    // with LETTRAVA_DEBUG=1), and the reconnect view under the new name.
    sendChat(chat(), "/n Bobby");
    ASSERT_TRUE(pump([&] { return memoHas(chat(), " *** Bob is now known as Bobby"); }));
    EXPECT_FALSE(chat().debugButton()->isVisibleTo(window.get()));
    bool sawReconnect = false;
    test::whenModal<TTCPForm>([&](TTCPForm& f) {
        EXPECT_EQ(f.playerNameBox()->currentText(), "Bobby");
        EXPECT_EQ(f.instructionsLabel()->text(), "Oops!");
        EXPECT_EQ(f.connectLabel()->text(), "Reconnect");
        EXPECT_FALSE(f.hostField()->isEnabled());
        EXPECT_TRUE(f.statusLabel()->text().startsWith("You have been disconnected from the host."));
        // The host notices the member gone before it comes back.
        EXPECT_TRUE(pump([&] { return hal.heard(" *** Bobby logged off."); }));
        sawReconnect = true;
        f.connectClick();
    });
    chat().debugButton()->click();
    EXPECT_TRUE(pump([&] { return sawReconnect && !QApplication::activeModalWidget(); }));
    EXPECT_TRUE(memoHas(chat(), "Disconnected"));
    ASSERT_TRUE(pump([&] { return hal.host.members().size() == 2; }));
    EXPECT_EQ(hal.host.members()[1].name, "Bobby") << "back under the name it had";
    EXPECT_EQ(halGame->playerAt(1)->name, "Bobby");
    EXPECT_TRUE(pump([&] { return label("lblPlayer2Name") == "Bobby"; }));
    EXPECT_NE(window->game(), nullptr) << "the client game was kept";

    // The host shuts down: the "Notice" box, then the tear-down.
    hal.host.shutdown();
    ASSERT_TRUE(pump([&] { return window->networkWindow() == nullptr; }));
    EXPECT_TRUE(std::any_of(shown_.messages.begin(), shown_.messages.end(), [](const auto& m) {
        return m.caption == "Notice" && m.text == "The host has shut down abruptly (but deliberately)";
    }));
    EXPECT_EQ(window->game(), nullptr);
    EXPECT_TRUE(shown("pnlWelcome"));
    EXPECT_FALSE(chat().isVisibleTo(window.get()));
    EXPECT_TRUE(action("mnuGameNew")->isEnabled());
}

TEST_F(NetworkWindowTest, FailedAttemptsShowTheirCountAndCancelWritesNothing)
{
    const std::uint16_t closed = freePort();
    bool checked = false;
    test::whenModal<TTCPForm>([&](TTCPForm& f) {
        f.playerNameBox()->setEditText("");
        f.hostField()->setText("127.0.0.1");
        // The underlined C of "Connect to Host" connects, as a click does.
        QApplication::setActiveWindow(&f);
        for (const auto& [key, captions] : test::altKeysOf(f))
            EXPECT_EQ(captions.size(), 1) << "Alt+" << QString(key).toStdString() << ": "
                                          << captions.join(", ").toStdString();
        QTest::keyClick(&f, Qt::Key_C, Qt::AltModifier);
        pump([&] { return !shown_.messages.empty(); }); // a mnemonic clicks after its press is seen
        EXPECT_EQ(shown_.messages.empty() ? std::string() : shown_.messages.back().text,
                  "Please type or select a player name.");
        f.playerNameBox()->setEditText("Bob");
        f.portField()->clear();
        f.connectClick();
        EXPECT_EQ(shown_.messages.back().text, "'' is not a valid integer value");
        EXPECT_TRUE(f.hostField()->isEnabled()) << "the fields stay enabled";
        f.portField()->setText(QString::number(closed));
        f.connectClick();
        EXPECT_FALSE(f.hostField()->isEnabled());
        EXPECT_TRUE(pump([&] { return f.attemptsLabel()->text() == "Retry attempts: 2"; }));
        EXPECT_TRUE(f.statusLabel()->text().startsWith("Connection failed with message: ") ||
                    f.statusLabel()->text().startsWith("Connecting to "));
        checked = true;
        f.cancelClick();
        pump([&] { return !f.isVisible(); }, 10'000);
    });
    // J on the welcome panel joins, as the other underlined letters there do;
    // no Alt key of the window is claimed twice.
    for (const auto& [key, captions] : test::altKeysOf(*window))
        EXPECT_EQ(captions.size(), 1) << "Alt+" << QString(key).toStdString() << ": "
                                      << captions.join(", ").toStdString();
    QTest::keyClick(window.get(), Qt::Key_J);
    EXPECT_TRUE(checked);
    EXPECT_EQ(window->networkWindow(), nullptr);
    EXPECT_EQ(stored().count("IP"), 0u) << "a cancelled window writes nothing";
    EXPECT_TRUE(shown("pnlWelcome"));
}

TEST_F(NetworkWindowTest, TheMemberListButtonAndItsSetting)
{
    hostAGame(freePort());
    QToolButton* button = chat().memberListButton();
    EXPECT_EQ(button->toolTip(), "Hide member list");
    EXPECT_TRUE(chat().memberList()->isVisibleTo(window.get()));
    button->click();
    EXPECT_FALSE(chat().memberList()->isVisibleTo(window.get()));
    EXPECT_EQ(button->toolTip(), "Show member list");
    shown_.answers = {MessageAnswer::Yes};
    window.reset();
    EXPECT_FALSE(stored().at("MemberList").toBool());
    openWindow();
    hostAGame(freePort());
    EXPECT_FALSE(chat().memberList()->isVisibleTo(window.get())) << "the stored choice holds";
    EXPECT_EQ(chat().memberListButton()->toolTip(), "Show member list");
}

TEST_F(NetworkWindowTest, TheChatMemoKeepsItsNewestLines)
{
    TChatPanel panel(TChatPanel::Place::ResultsWindow);
    for (int i = 0; i < TChatPanel::kMaxLines + 10; ++i)
        panel.appendLine(QString::number(i));
    const QStringList lines = panel.lines();
    ASSERT_EQ(lines.size(), TChatPanel::kMaxLines);
    EXPECT_EQ(lines.back(), QString::number(TChatPanel::kMaxLines + 9));
    EXPECT_EQ(panel.addPlayerButton(), nullptr) << "the results window's panel adds nobody";
}
