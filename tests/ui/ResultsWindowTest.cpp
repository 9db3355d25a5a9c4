#include "GameWindowTest.h"

#include "core/game/Round.h"
#include "core/views/ResultsRules.h"
#include "core/words/Dictionary.h"
#include "support/ProcessSupport.h"
#include "ui/platform/Settings.h"
#include "ui/platform/SettingsStore.h"
#include "ui/board/BoardLayout.h"
#include "ui/board/TLetterBoard.h"
#include "ui/dialogs/TAddWordForm.h"
#include "ui/dialogs/THelpForm.h"
#include "ui/dialogs/TCongratulationsForm.h"
#include "ui/widgets/TPictureButton.h"
#include "ui/platform/GamePreferences.h"
#include "ui/widgets/TWordListBox.h"
#include "ui/widgets/WindowParts.h"

#include <asio.hpp>

#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QGuiApplication>
#include <QTest>

using namespace lettrava;
using namespace lettrava::test;

namespace {

const std::vector<std::string> kGrid = {"CATS", "OPOT", "ATSX", "XXXX"};

class ResultsWindowTest : public GameWindowTest {
protected:
    // Clicks the list's entry with this text, as the user would.
    static void clickEntry(TWordListBox& list, const std::string& text)
    {
        for (int i = 0; i < list.count(); ++i) {
            if (list.item(i)->text().toStdString() == text) {
                QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(i)).center());
                return;
            }
        }
        ADD_FAILURE() << text << " is not in the list";
    }
    static std::vector<std::string> texts(const TWordListBox& list)
    {
        std::vector<std::string> out;
        for (int i = 0; i < list.count(); ++i)
            out.push_back(list.item(i)->text().toStdString());
        return out;
    }
    static int highlightedCount(const TRRForm& w)
    {
        int n = 0;
        for (int c = 0; c < 12; ++c)
            for (int r = 0; r < 12; ++r)
                n += w.isHighlighted(c, r) ? 1 : 0;
        return n;
    }
    // Whether the entry's row shows a pixel of the given colour.
    static bool rowShows(TWordListBox& list, int row, QColor colour, bool leftEdgeOnly = false)
    {
        const QImage image = list.viewport()->grab().toImage();
        const QRect r = list.visualItemRect(list.item(row));
        const qreal ratio = image.devicePixelRatio();
        const int right = leftEdgeOnly ? r.left() + list.textLeft() - 1 : r.right();
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= right; ++x)
                if (image.pixelColor(static_cast<int>(x * ratio), static_cast<int>(y * ratio)) == colour)
                    return true;
        return false;
    }
    QLabel* label(TRRForm& w, const QString& name) { return w.findChild<QLabel*>(name); }
};

} // namespace

TEST_F(ResultsWindowTest, CountedRoundShowsTitleMarksListsAndSolution)
{
    newGame({human("Bob")}, gridFile(kGrid), 3);
    startRound();
    EXPECT_GT(type("CATS"), 0);
    type("XXX");  // in the grid, not a word
    type("DODO"); // a word, not in the grid
    type("ZZZ");  // neither
    bool seen = false;
    whenModal<TRRForm>([&](TRRForm& w) {
        seen = true;
        EXPECT_EQ(w.windowTitle(), "Round 1 Results");
        EXPECT_FALSE(view.mainVisible) << "the main window is hidden meanwhile";
        TWordListBox& list = *w.playerList(0);
        ASSERT_EQ(texts(list), (std::vector<std::string>{"CATS", "XXX", "DODO", "ZZZ"}));
        // What each entry is drawn with (not its pixels: those depend on the fonts installed).
        EXPECT_EQ(list.entryLook(1, false).colour, QColor(Qt::red)) << "a word the dictionary refused is red";
        EXPECT_FALSE(list.entryLook(1, false).struckOut);
        EXPECT_NE(list.entryLook(0, false).colour, QColor(Qt::red));
        EXPECT_NE(list.entryLook(2, false).colour, QColor(Qt::red)) << "a word not in the grid is struck through, not red";
        EXPECT_TRUE(list.entryLook(2, false).struckOut);
        EXPECT_EQ(list.entryLook(0, false).bolt, list.words()[0].unique);
        EXPECT_EQ(rowShows(list, 0, QColor(255, 200, 0), true), list.words()[0].unique) << "the bolt";
        EXPECT_EQ(list.item(0)->toolTip().toStdString(),
                  list.words()[0].unique ? "Unique word: no other player found it" : "");
        EXPECT_EQ(list.item(1)->toolTip(), "Not in the dictionary");
        EXPECT_EQ(list.item(2)->toolTip(), "Not in the grid");

        const Player& bob = *game->playerAt(0);
        EXPECT_EQ(label(w, "lblRoundWords1")->text(), QString::number(bob.wordsThisRound));
        EXPECT_EQ(label(w, "lblGamePoints1")->text(), QString::number(bob.gameScore));
        EXPECT_FALSE(label(w, "lblValidMark1")->isVisibleTo(&w)) << "no all-valid bonus with a miss";
        EXPECT_EQ(label(w, "lblBonusMark1")->isVisibleTo(&w), bob.bonusFound);
        EXPECT_EQ(label(w, "lblValidMark1")->toolTip(), "Player got all valid bonus this round");
        EXPECT_EQ(label(w, "lblBonusMark1")->toolTip(), "Player found bonus word this round");
        QLabel* longest = label(w, "lblLongest1");
        EXPECT_EQ(longest->text(), "CATS");
        EXPECT_TRUE(longest->font().bold()) << "found in this round";

        // One player: no right column; the solution fills the right side.
        EXPECT_FALSE(w.findChild<QWidget*>("pnlPlayer2")->isVisibleTo(&w));
        ASSERT_TRUE(w.solutionShown());
        const auto solution = ResultsRules::solutionWords(game->round()->solver());
        EXPECT_GT(solution.size(), 5u);
        EXPECT_EQ(static_cast<std::size_t>(w.solutionList()->count()), solution.size());
        EXPECT_EQ(label(w, "lblCount")->text(), QString::number(solution.size()));
        EXPECT_EQ(w.solutionList()->words().front().text.size(), 5u) << "longest first by default";
        w.setSolutionShown(false);
        EXPECT_FALSE(w.findChild<QWidget*>("pnlSolution")->isVisibleTo(&w));
        w.setSolutionShown(true);

        // "Add Word" follows the chosen entry.
        QAction* add = w.playerAddWordAction(0);
        for (const auto& [word, enabled] : std::vector<std::pair<std::string, bool>>{
                 {"XXX", true}, {"CATS", false}, {"DODO", false}, {"ZZZ", true}}) {
            clickEntry(list, word);
            EXPECT_EQ(add->isEnabled(), enabled) << word;
        }
        clickEntry(*w.solutionList(), w.solutionList()->item(0)->text().toStdString());
        QMenu* popup = w.preparePopup(w.solutionList());
        for (QAction* a : popup->actions()) {
            if (a->text() == "Add Word") {
                EXPECT_FALSE(a->isEnabled()) << "never on the solution";
            }
        }

        // On a label the popup offers only "Lookup".
        popup = w.preparePopup(longest);
        QStringList offered;
        for (QAction* a : popup->actions())
            if (a->isVisible())
                offered << a->text();
        EXPECT_EQ(offered, QStringList{"Lookup"});
        w.accept();
    });
    runToRoundEnd();
    EXPECT_TRUE(seen);
    EXPECT_TRUE(view.mainVisible);
    ASSERT_NE(view.lastResults, nullptr);
    EXPECT_EQ(game->round()->resultsWindow(), view.lastResults) << "the round keeps its window";
}

TEST_F(ResultsWindowTest, TitlesCountTheRoundsAndTheLastIsFinal)
{
    newGame({human("Solo")}, gridFile(kGrid), 5, "0:10");
    std::vector<QString> titles;
    for (int r = 0; r < 5; ++r) {
        startRound();
        whenModal<TRRForm>([&](TRRForm& w) {
            titles.push_back(w.windowTitle());
            w.accept();
        });
        runToRoundEnd();
    }
    EXPECT_EQ(titles, (std::vector<QString>{"Round 1 Results", "Round 2 Results", "Round 3 Results", "Round 4 Results",
                                            "Final Results"}));
}

TEST_F(ResultsWindowTest, SortingAndHighlighting)
{
    newGame({human("Bob"), computer("Patsy")}, gridFile(kGrid), 3);
    startRound();
    for (const char* word : {"TOPS", "CAT", "XXX", "COATS"})
        type(word);
    whenModal<TRRForm>([&](TRRForm& w) {
        const std::string bonus = game->round()->bonusWord;
        if (!bonus.empty()) {
            EXPECT_GT(highlightedCount(w), 0) << "the bonus word is highlighted at opening";
            for (int c = 0; c < 4; ++c)
                for (int r = 0; r < 4; ++r)
                    if (w.isHighlighted(c, r)) {
                        EXPECT_NE(bonus.find(w.letterLabel(c, r)->text().toStdString()), std::string::npos);
                    }
        }
        EXPECT_TRUE(w.findChild<QWidget*>("pnlPlayer2")->isVisibleTo(&w));
        EXPECT_FALSE(w.findChild<QWidget*>("pnlPlayer3")->isVisibleTo(&w));

        TWordListBox& list = *w.playerList(0);
        w.sortPlayerList(0, 1);
        EXPECT_EQ(texts(list), (std::vector<std::string>{"CAT", "COATS", "TOPS", "XXX"}));
        EXPECT_EQ(list.currentRow(), 0);
        w.sortPlayerList(0, 3);
        EXPECT_EQ(texts(list).front(), "COATS");
        w.sortPlayerList(0, 2);
        EXPECT_EQ(texts(list).front(), "CAT");
        w.sortPlayerList(0, 0);
        EXPECT_EQ(texts(list), (std::vector<std::string>{"TOPS", "CAT", "XXX", "COATS"}));
        EXPECT_EQ(game->playerAt(0)->words.front().text, "TOPS") << "the player's own list is untouched";

        w.setSolutionSortOrder(2);
        EXPECT_EQ(w.solutionList()->words().front().text.size(), 3u);
        w.setSolutionSortOrder(1);
        const auto& s = w.solutionList()->words();
        EXPECT_TRUE(std::is_sorted(s.begin(), s.end(), [](const LVWord& a, const LVWord& b) { return a.text < b.text; }));

        // A chosen word's path: blue and bold, everything else black and regular.
        clickEntry(list, "COATS");
        EXPECT_EQ(highlightedCount(w), 5);
        EXPECT_TRUE(w.isHighlighted(0, 0)) << "C";
        QLabel* c = w.letterLabel(0, 0);
        EXPECT_EQ(c->palette().color(QPalette::WindowText), QColor(Qt::blue));
        EXPECT_TRUE(c->font().bold());
        QLabel* x = w.letterLabel(3, 3);
        EXPECT_EQ(x->palette().color(QPalette::WindowText), QColor(Qt::black));
        EXPECT_FALSE(x->font().bold());

        // The longest word, found in this round, can be shown by a click.
        w.highlightWord("QQQ");
        EXPECT_EQ(highlightedCount(w), 0);
        auto* longest = w.findChild<TClickLabel*>("lblLongest1");
        QTest::mouseClick(longest, Qt::LeftButton);
        EXPECT_EQ(highlightedCount(w), 5);
        w.accept();
    });
    runToRoundEnd();

    // The next round: the longest word is older than this grid's round.
    startRound();
    whenModal<TRRForm>([&](TRRForm& w) {
        auto* longest = w.findChild<TClickLabel*>("lblLongest1");
        EXPECT_EQ(longest->text(), "COATS");
        EXPECT_FALSE(longest->font().bold());
        w.highlightWord("QQQ");
        QTest::mouseClick(longest, Qt::LeftButton);
        EXPECT_EQ(highlightedCount(w), 0) << "an older longest word is not highlighted";
        w.accept();
    });
    runToRoundEnd();
}

TEST_F(ResultsWindowTest, GridWithHolesIsCentredOverTheMainWindowAndScalesWithIt)
{
    GamePreferences prefs; // no place of its own yet
    QWidget main;
    main.setGeometry(10, 30, 760, 540);
    view.mainWindow = &main;
    newGame({human("Bob")}, gridFile({"CAT", "O P", "SAT"}), 2);
    startRound();
    whenModal<TRRForm>([&](TRRForm& w) {
        EXPECT_EQ(w.size(), main.size()) << "the first time at the main window's size";
        EXPECT_EQ(w.tile(1, 1), nullptr) << "a hole has no tile";
        EXPECT_EQ(w.letterLabel(1, 1), nullptr);
        auto* area = w.findChild<QWidget*>("pnlGrid");
        auto* board = w.findChild<TLetterBoard*>("brdGrid");
        const auto check = [&] {
            ASSERT_NE(w.tile(0, 0), nullptr);
            const QRect first = w.tile(0, 0)->geometry();
            const QRect last = w.tile(2, 2)->geometry();
            // The 3 x 3 block sits in the middle of the room of a 12 x 12 grid
            // of tiles as large as the panel allows.
            const QSize full = BoardLayout::fullBoardSize(board->tileSize(), board->tileGap());
            EXPECT_LE(full.width(), area->width());
            EXPECT_LE(full.height(), area->height());
            EXPECT_TRUE(full.width() > area->width() * 0.8 || full.height() > area->height() * 0.8)
                << "the board fills its room: " << full.width() << "x" << full.height() << " in " << area->width()
                << "x" << area->height();
            const int pitch = w.tile(1, 0)->geometry().left() - first.left();
            EXPECT_EQ(pitch, first.width() + board->tileGap());
            const int rightRoom = area->width() - last.right() - 1;
            EXPECT_NEAR(first.left() - rightRoom, 0, pitch) << first.left() << " " << rightRoom;
            EXPECT_EQ(w.letterLabel(0, 0)->geometry(), first) << "the letter is centred on its tile";
        };
        check();
        const int before = board->tileSize().width();
        w.resize(w.width() + 400, w.height() + 300);
        QApplication::processEvents();
        EXPECT_GT(board->tileSize().width(), before) << "a bigger window, bigger tiles";
        check();
        // The path of a word, step by step (C-A-T across the top row); the
        // letters of the path are marked.
        w.highlightWord("CAT");
        EXPECT_EQ(board->pathSteps(0, 0), "1");
        EXPECT_EQ(board->pathSteps(1, 0), "2");
        EXPECT_EQ(board->pathSteps(2, 0), "3");
        EXPECT_EQ(highlightedCount(w), 3);
        w.move(150, 100);
        w.accept();
    });
    runToRoundEnd();
    game.reset();
    EXPECT_TRUE(prefs.resultsPlaced());
    EXPECT_EQ(prefs.resultsPlace().size(), QSize(1160, 840)) << "the size the user left is kept";
}

TEST_F(ResultsWindowTest, AddedWordIsValidInTheNextRound)
{
    newGame({human("Bob")}, gridFile(kGrid), 2);
    startRound();
    EXPECT_LT(type("XXX"), 0);
    whenModal<TRRForm>([&](TRRForm& w) {
        clickEntry(*w.playerList(0), "XXX");
        ASSERT_TRUE(w.playerAddWordAction(0)->isEnabled());
        whenModal<TAddWordForm>([&](TAddWordForm& f) {
            EXPECT_EQ(f.windowTitle(), "Add Word");
            EXPECT_EQ(f.size(), QSize(561, 342));
            EXPECT_EQ(f.findChild<QLabel*>("lblConfirm")->text(),
                      "Do you really want to add the word XXX to the custom dictionary?");
            auto* box = f.findChild<QCheckBox*>("chkSendToServer");
            EXPECT_FALSE(box->isEnabled()) << "no word server is set up";
            EXPECT_TRUE(f.findChild<QLabel*>("lblNoServer")->isVisibleTo(&f));
            f.findChild<TPictureButton*>("imgOK")->click();
            EXPECT_EQ(f.findChild<QLabel*>("lblConfirm")->text(),
                      "The word XXX was added.  Next time it is used it will be valid.");
            EXPECT_EQ(f.findChild<QLabel*>("lblServerResponse")->text(), "No response from server.");
            EXPECT_EQ(f.findChild<QLabel*>("lblServerStatus")->text(), "Done.");
            EXPECT_FALSE(box->isVisibleTo(&f));
            EXPECT_FALSE(f.findChild<TPictureButton*>("imgOK")->isVisibleTo(&f));
            f.findChild<TPictureButton*>("imgClose")->click();
        });
        w.addWord(0);
        EXPECT_FALSE(w.playerAddWordAction(0)->isEnabled()) << "the word is in the dictionary now";
        w.accept();
    });
    runToRoundEnd();
    EXPECT_EQ(readFile(dictionary_.folder() / "Lettrava.Cus"), "XXX\r\n");
    EXPECT_FALSE(stored().count("AddAWord")) << "without a server the choice is not stored";

    startRound();
    EXPECT_GT(type("XXX"), 0) << "valid from the next round on";
    whenModal<TRRForm>([](TRRForm& w) { w.accept(); });
    runToRoundEnd();
}

TEST_F(ResultsWindowTest, AddWordSendsToTheWordServerTool)
{
    const auto words = home_ / "suggested.txt";
    ChildProcess server({LETTRAVA_TOOL_PATH, "wordserver", "--port", "0", "--bind", "127.0.0.1", "--file", words.string()});
    const auto first = server.readLine();
    ASSERT_TRUE(first && first->rfind("listening: 127.0.0.1 ", 0) == 0) << (first ? *first : "no output");
    const QString port = QString::fromStdString(first->substr(first->rfind(' ') + 1));
    EXPECT_EQ(server.readLine(), "file: " + words.string());
    SettingsStore::write(settings::WordServer, "127.0.0.1:" + port);

    {
        // Cancel: nothing added, sent or stored.
        TAddWordForm f("QUIXOTIC");
        f.show();
        f.findChild<TPictureButton*>("imgCancel")->click();
        EXPECT_FALSE(std::filesystem::exists(dictionary_.folder() / "Lettrava.Cus"));
        EXPECT_FALSE(stored().count("AddAWord"));
    }

    TAddWordForm f("QUIXOTIC");
    f.show();
    auto* box = f.findChild<QCheckBox*>("chkSendToServer");
    ASSERT_TRUE(box->isEnabled());
    EXPECT_TRUE(box->isChecked()) << "AddAWord is on by default";
    f.findChild<TPictureButton*>("imgOK")->click();
    EXPECT_EQ(f.findChild<QLabel*>("lblServerResponse")->text(), "Thank you! QUIXOTIC is in the suggestion box.");
    EXPECT_EQ(f.findChild<QLabel*>("lblServerStatus")->text(), "Done.");
    EXPECT_TRUE(f.findChild<QWidget*>("grpLettravaServer")->isVisibleTo(&f));
    EXPECT_EQ(server.readLine(), "word: QUIXOTIC");
    EXPECT_EQ(readFile(words), "QUIXOTIC\n");
    f.findChild<TPictureButton*>("imgClose")->click();
    EXPECT_TRUE(stored().at("AddAWord").toBool());
    EXPECT_EQ(Dictionary::instance().lookup("QUIXOTIC"), LookupResult::Word);

    // With the box cleared nothing is sent, and the choice is kept.
    TAddWordForm quiet("ZEBU");
    quiet.show();
    quiet.findChild<QCheckBox*>("chkSendToServer")->setChecked(false);
    quiet.findChild<TPictureButton*>("imgOK")->click();
    EXPECT_EQ(quiet.findChild<QLabel*>("lblServerResponse")->text(), "No response from server.");
    quiet.findChild<TPictureButton*>("imgClose")->click();
    EXPECT_EQ(stored().at("AddAWord").toString(), "0");
    EXPECT_EQ(readFile(words), "QUIXOTIC\n");
}

TEST_F(ResultsWindowTest, WordServerThatDoesNotAnswer)
{
    std::uint16_t closed = 0;
    {
        asio::io_context io;
        asio::ip::udp::socket s(io, asio::ip::udp::endpoint(asio::ip::address_v4::loopback(), 0));
        closed = s.local_endpoint().port();
    }
    SettingsStore::write(settings::WordServer, QStringLiteral("127.0.0.1:%1").arg(closed));
    TAddWordForm f("QUIXOTIC");
    f.show();
    f.findChild<TPictureButton*>("imgOK")->click();
    // Nothing listens there; the answer is the refusal or the wait's end.
    EXPECT_EQ(f.findChild<QLabel*>("lblServerResponse")->text(), "No response from server.");
    EXPECT_EQ(f.findChild<QLabel*>("lblServerStatus")->text(), "Done.");

    SettingsStore::write(settings::WordServer, "no such host");
    TAddWordForm bad("QUIXOTIC");
    bad.findChild<TPictureButton*>("imgOK")->click();
    EXPECT_NE(bad.findChild<QLabel*>("lblServerResponse")->text(), "No response from server.");
}

TEST_F(ResultsWindowTest, TwoPlayerGameEndsWithTheWinnerThenTheFinalResults)
{
    newGame({human("Ann"), computer("Patsy")}, gridFile(kGrid), 1);
    startRound();
    for (const char* w : {"CATS", "TOPS", "COATS", "STOP", "POTS", "SPOT", "OPTS", "COAT", "TACO", "COST"})
        type(w);
    std::vector<std::string> order;
    whenModal<TCongratulationsForm>([&](TCongratulationsForm& c) {
        order.push_back("congratulations");
        EXPECT_EQ(c.winnerLabel()->text(), "->..<-");
        for (int i = 0; i < 21; ++i)
            c.step();
        EXPECT_EQ(c.winnerLabel()->text().toStdString(), game->winnerText());
        for (int i = 0; i < 10; ++i)
            c.step();
        const bool annWon = game->winner == game->playerAt(0);
        EXPECT_EQ(c.congratulationsLabel()->isVisibleTo(&c), annWon);
        whenModal<TRRForm>([&](TRRForm& w) {
            order.push_back(w.windowTitle().toStdString());
            w.accept();
        });
        QTest::keyClick(&c, Qt::Key_V);
    });
    runToRoundEnd();
    EXPECT_EQ(order, (std::vector<std::string>{"congratulations", "Final Results"}));
}

TEST_F(ResultsWindowTest, WindowValuesGoBackToThePreferences)
{
    GamePreferences prefs;
    prefs.setResultsPlace(QRect(40, 60, 0, 0));
    prefs.setSolutionVisible(false);
    prefs.setSolutionSortOrder(2);
    newGame({human("Bob")}, gridFile(kGrid), 2);
    startRound();
    whenModal<TRRForm>([&](TRRForm& w) {
        EXPECT_EQ(w.pos(), QPoint(40, 60));
        EXPECT_FALSE(w.solutionShown());
        EXPECT_EQ(w.solutionList()->count(), 0) << "the solution is built when first shown";
        w.setSolutionShown(true);
        EXPECT_GT(w.solutionList()->count(), 0);
        EXPECT_EQ(w.solutionList()->words().front().text.size(), 3u) << "length ascending";
        w.setSolutionSortOrder(3);
        w.move(70, 90);
        w.accept();
    });
    runToRoundEnd();
    EXPECT_TRUE(prefs.solutionVisible()) << "taken when the window closes";
    game.reset(); // the round, and with it its window, goes
    EXPECT_EQ(prefs.resultsPlace().topLeft(), QPoint(70, 90));
    EXPECT_EQ(prefs.solutionSortOrder(), 3);
}

TEST_F(ResultsWindowTest, OpensOnAScreenWithTheBoardAndTheListsAgreeing)
{
    GamePreferences prefs;
    prefs.setResultsPlace(QRect(-6000, -4000, 700, 500)); // a monitor that is gone
    newGame({human("Bob")}, gridFile(kGrid), 2);
    startRound();
    type("XXX"); // in the grid, not in the dictionary: it may be added
    whenModal<TRRForm>([&](TRRForm& w) {
        const std::string bonus = game->round()->bonusWord;
        EXPECT_FALSE(bonus.empty());
        EXPECT_NE(QGuiApplication::screenAt(w.pos() + QPoint(40, 20)), nullptr) << "placed where it can be seen";
        EXPECT_EQ(w.size(), QSize(700, 500).expandedTo(w.minimumSizeHint()));
        // The board shows the bonus word's path, and no list entry claims it.
        EXPECT_EQ(highlightedCount(w) > 0, true);
        EXPECT_EQ(w.findChild<TLetterBoard*>("brdGrid")->path().size(), bonus.size());
        EXPECT_EQ(w.playerList(0)->selectedWord(), nullptr);
        EXPECT_EQ(w.solutionList()->selectedWord(), nullptr);
        EXPECT_FALSE(w.playerAddWordAction(0)->isEnabled());
        clickEntry(*w.playerList(0), "XXX");
        ASSERT_NE(w.playerList(0)->selectedWord(), nullptr);
        EXPECT_EQ(w.findChild<TLetterBoard*>("brdGrid")->path().size(), 3u) << "the picked word's path";
        EXPECT_TRUE(w.playerAddWordAction(0)->isEnabled());
        w.accept();
    });
    runToRoundEnd();
}

TEST_F(ResultsWindowTest, HelpKeyAndAClientsWindowThatIsHidden)
{
    // The help pages beside the program.
    std::filesystem::create_directories(dictionary_.folder() / "help");
    for (const auto& page : std::filesystem::directory_iterator(std::filesystem::path(LETTRAVA_SOURCE_DIR) / "data" / "help"))
        std::filesystem::copy_file(page.path(), dictionary_.folder() / "help" / page.path().filename());

    newGame({human("Bob")}, gridFile(kGrid), 2);
    startRound();
    whenModal<TRRForm>([&](TRRForm& w) {
        QTest::keyClick(&w, Qt::Key_F1);
        ASSERT_NE(helpWindow(), nullptr);
        EXPECT_EQ(helpWindow()->currentTopic(), "RoundResults.htm");
        shutDownHelp();
        w.accept();
    });
    runToRoundEnd();

    // Shown without waiting, as on a network client: hiding it by hand
    // releases it once; the round's hide request releases it silently.
    auto* w = view.lastResults;
    ASSERT_NE(w, nullptr);
    int released = 0;
    w->onReleased = [&] { ++released; };
    view.setMainWindowVisible(false);
    w->showModeless();
    EXPECT_TRUE(w->isVisible());
    EXPECT_FALSE(w->released());
    w->accept();
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(view.mainVisible);
    EXPECT_EQ(released, 1);
    w->showModeless();
    view.setMainWindowVisible(false);
    game->round()->hideResultsWindow();
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(w->released());
    EXPECT_TRUE(view.mainVisible);
    EXPECT_EQ(released, 1);
}
