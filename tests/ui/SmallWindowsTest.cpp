#include "GameWindowTest.h"

#include "core/game/Player.h"
#include "core/players/PlayerFileManager.h"
#include "core/views/TipOfTheDay.h"
#include "core/words/Dictionary.h"
#include "core/words/DictionaryWriter.h"
#include "support/ProcessSupport.h"
#include "ui/platform/LowColour.h"
#include "ui/platform/Settings.h"
#include "ui/platform/SettingsStore.h"
#include "ui/dialogs/TALSTipDlg.h"
#include "ui/dialogs/TAboutBox.h"
#include "ui/dialogs/TCongratulationsForm.h"
#include "ui/dialogs/THelpWarningForm.h"
#include "ui/platform/TLookupWindow.h"
#include "ui/widgets/TMenuStyle.h"
#include "ui/widgets/TPictureButton.h"
#include "ui/dialogs/TPlayerStatsForm.h"
#include "ui/dialogs/TStatSummaryForm.h"
#include "ui/widgets/WindowParts.h"
#include "ui/platform/WordLookup.h"
#include "core/headless/RecordingSounds.h"

#include <asio.hpp>

#include <QCheckBox>
#include <QInputDialog>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QStyleOptionMenuItem>
#include <QTableWidget>
#include <QTest>

using namespace lettrava;
using namespace lettrava::test;

namespace {

class SmallWindowsTest : public UiTest {
protected:
    SmallWindowsTest() : installSounds_(sounds_)
    {
        PlayerFileManager::useFile(dir_ / "LTPlayers.dat");
        WordLookup::setAddressOpener([this](const QString& a) { opened.push_back(a); });
    }
    ~SmallWindowsTest() override
    {
        WordLookup::setAddressOpener({});
        WordLookup::instance().closeLocalLookup();
        PlayerFileManager::resetInstance();
    }

    bool played(SoundEvent e) const
    {
        for (const auto& r : sounds_.requests)
            if (r.event == e)
                return true;
        return false;
    }
    Player& record(const std::string& name)
    {
        return *PlayerFileManager::instance().registerForGame(nullptr, InputMethod::KeyboardAndMouse, name, 0, nullptr);
    }
    static std::uint16_t closedTcpPort()
    {
        asio::io_context io;
        asio::ip::tcp::acceptor a(io, asio::ip::tcp::endpoint(asio::ip::address_v4::loopback(), 0));
        return a.local_endpoint().port();
    }

    RecordingSounds sounds_;
    ScopedSounds installSounds_;
    std::vector<QString> opened;
};

} // namespace

TEST_F(SmallWindowsTest, CongratulationsForPeopleOnly)
{
    {
        TCongratulationsForm form("Ann", true);
        EXPECT_EQ(form.windowTitle(), "Game Over");
        EXPECT_TRUE(form.windowFlags() & Qt::FramelessWindowHint);
        EXPECT_TRUE(form.timerActive());
        form.step();
        EXPECT_EQ(form.winnerLabel()->text(), "->...<-");
        for (int i = 0; i < 30; ++i)
            form.step();
        EXPECT_EQ(form.winnerLabel()->text(), "Ann");
        EXPECT_FALSE(form.timerActive());
        EXPECT_TRUE(form.congratulationsLabel()->isVisibleTo(&form));
        EXPECT_TRUE(played(SoundEvent::WonGame));
    }
    sounds_.requests.clear();
    for (const char* text : {"Deep Words", "It was a tie!"}) {
        TCongratulationsForm form(text, false);
        for (int i = 0; i < 31; ++i)
            form.step();
        EXPECT_EQ(form.winnerLabel()->text(), text);
        EXPECT_FALSE(form.congratulationsLabel()->isVisibleTo(&form)) << text;
    }
    EXPECT_FALSE(played(SoundEvent::WonGame));
}

TEST_F(SmallWindowsTest, CongratulationsCloseEarlyAndThePlainLook)
{
    TCongratulationsForm early("Ann", true);
    early.show();
    early.step();
    QTest::keyClick(&early, Qt::Key_V);
    EXPECT_FALSE(early.isVisible());
    EXPECT_FALSE(early.timerActive()) << "the rest of the drum roll is skipped";
    EXPECT_FALSE(played(SoundEvent::WonGame));

    forceLowColour(true);
    TCongratulationsForm plain("Ann", true);
    plain.show();
    plain.step();
    EXPECT_FALSE(plain.winnerLabel()->isVisible());
    EXPECT_EQ(plain.winnerLabel()->text(), "->..<-");
    for (int i = 0; i < 20; ++i)
        plain.step();
    EXPECT_TRUE(plain.winnerLabel()->isVisible());
    EXPECT_EQ(plain.winnerLabel()->text(), "Ann");
    QTest::keyClick(&plain, Qt::Key_Escape);
    EXPECT_FALSE(plain.isVisible());
}

TEST_F(SmallWindowsTest, StatSummaryFiguresAndSizes)
{
    showStatSummary(nullptr);
    ASSERT_EQ(shown_.messages.size(), 1u);
    EXPECT_EQ(shown_.messages[0].text, "No player stats available.");
    EXPECT_EQ(shown_.messages[0].caption, "Lettrava");

    Player& bob = record("Bob");
    bob.wordsFound = 7;
    bob.roundsPlayed = 2;
    bob.gamesCompleted = 1;
    bob.longestWord = "QUIXOTIC";
    Player& patsy = *PlayerFileManager::instance().registerForGame(nullptr, InputMethod::Computer, "Patsy", 8, nullptr);
    patsy.gamesWon = 4;
    TStatSummaryForm form(PlayerFileManager::instance().records());
    EXPECT_EQ(form.windowTitle(), "Lettrava Stats");
    EXPECT_EQ(form.cellText(0, 5), "Wds/Rnd");
    EXPECT_EQ(form.cellText(1, 0), "Bob");
    EXPECT_EQ(form.cellText(1, 5), "3");
    EXPECT_EQ(form.cellText(1, 6), "QUIXOTIC");
    EXPECT_EQ(form.cellText(2, 0), "Patsy") << "computer opponents are listed like people";
    EXPECT_EQ(form.cellText(2, 2), "4");
    EXPECT_EQ(form.cellText(2, 5), "") << "no rounds, no words per round";
    EXPECT_EQ(form.cellText(2, 6), "");

    QTableWidget* t = form.table();
    const QFontMetrics fm(t->font());
    QFont bold = t->font();
    bold.setBold(true);
    const QFontMetrics bm(bold);
    EXPECT_EQ(t->columnWidth(0), qRound(1.1 * std::max({fm.horizontalAdvance("Bob"), fm.horizontalAdvance("Patsy"),
                                                         bm.horizontalAdvance("Name")})));
    EXPECT_EQ(t->columnWidth(3), 70);
    EXPECT_EQ(t->columnWidth(6), qRound(1.2 * std::max(fm.horizontalAdvance("QUIXOTIC"), bm.horizontalAdvance("Longest"))));
    int width = 0;
    for (int c = 0; c < 7; ++c)
        width += t->columnWidth(c);
    EXPECT_EQ(t->width(), width);
    EXPECT_EQ(t->height(), 3 * form.rowHeight());
    EXPECT_EQ(form.scrollBox()->height(), t->height()) << "a short table needs no scrolling";
    EXPECT_GT(form.scrollBox()->width(), t->width());

    for (int i = 0; i < 40; ++i)
        record("Player" + std::to_string(i));
    TStatSummaryForm tall(PlayerFileManager::instance().records());
    ASSERT_GT(43 * tall.rowHeight(), 300);
    EXPECT_EQ(tall.scrollBox()->height(), 300);
    EXPECT_EQ(tall.table()->height(), 43 * tall.rowHeight());
}

TEST_F(SmallWindowsTest, PlayerCards)
{
    Player& bob = record("Bob");
    bob.gamesCompleted = 5;
    bob.gamesWon = 2;
    TPlayerStatsForm card(bob);
    EXPECT_EQ(card.windowTitle(), "Bob's Stats");
    EXPECT_TRUE(card.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(card.value("Name:"), "Bob");
    EXPECT_EQ(card.value("Games Completed:"), "5");
    EXPECT_EQ(card.value("Games Won:"), "2");
    EXPECT_EQ(card.value("Longest Word:"), "");
    TPlayerStatsForm james(record("James"));
    EXPECT_EQ(james.windowTitle(), "James' Stats");
}

TEST_F(SmallWindowsTest, TipsInOrderOnTheFirstRunThenAtRandom)
{
    whenModal<TALSTipDlg>([](TALSTipDlg& d) {
        EXPECT_EQ(d.windowTitle(), "Lettrava Tip of the Day");
        EXPECT_EQ(d.tips().index(), 0);
        EXPECT_TRUE(d.findChild<QPushButton*>("btnPrevious")->isVisibleTo(&d));
        EXPECT_TRUE(d.showAtStartup());
        d.findChild<QPushButton*>("btnPrevious")->click();
        EXPECT_EQ(d.tips().index(), 19);
        d.findChild<QPushButton*>("btnNext")->click();
        d.findChild<QPushButton*>("btnNext")->click();
        EXPECT_EQ(d.tips().index(), 1);
        EXPECT_EQ(d.tipText().toStdString(), TipOfTheDay::present(TipOfTheDay::builtInTips()[1]).text);
        d.setShowAtStartup(false);
        d.findChild<QPushButton*>("btnOK")->click();
    });
    showTipsAtStartup(nullptr);
    EXPECT_EQ(stored().at("ShowTips").toString(), "0");

    bool shownAgain = false;
    whenModal<TALSTipDlg>([&](TALSTipDlg&) { shownAgain = true; });
    showTipsAtStartup(nullptr);
    EXPECT_FALSE(shownAgain) << "not asked for at start-up any more";
    QApplication::processEvents();

    whenModal<TALSTipDlg>([](TALSTipDlg& d) {
        EXPECT_FALSE(d.findChild<QPushButton*>("btnPrevious")->isVisibleTo(&d)) << "random order has no way back";
        for (int i = 0; i < 20; ++i) {
            const int before = d.tips().index();
            d.findChild<QPushButton*>("btnNext")->click();
            EXPECT_NE(d.tips().index(), before);
            const bool wantsBar = TipOfTheDay::builtInTips()[static_cast<std::size_t>(d.tips().index())][0] == '+';
            EXPECT_EQ(d.tipHasScrollBar(), wantsBar);
        }
        d.accept();
    });
    showTips(nullptr);
    EXPECT_EQ(stored().at("ShowTips").toString(), "1") << "the box starts ticked";
}

TEST_F(SmallWindowsTest, AboutBoxAndHelpWarningOpenTheirAddresses)
{
    TAboutBox about;
    EXPECT_EQ(about.windowTitle(), "About Lettrava");
    EXPECT_EQ(about.findChild<QLabel*>("lblProduct")->text(), "Lettrava 1.0");
    about.findChild<TPictureButton*>("imgFeedback")->click();
    QTest::mouseClick(about.findChild<QLabel*>("lblEmail"), Qt::LeftButton);
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0], kFeedbackPage);
    EXPECT_EQ(opened[1], QStringLiteral("mailto:") + kFeedbackMail);

    // The program folder of this test has no help pages.
    whenModal<THelpWarningForm>([](THelpWarningForm& f) {
        EXPECT_EQ(f.windowTitle(), "Welcome to Lettrava");
        EXPECT_EQ(f.findChild<QLabel*>("lblWarning")->text(), THelpWarningForm::warningText());
        QTest::mouseClick(f.findChild<QLabel*>("lblDownload"), Qt::LeftButton);
        f.findChild<QCheckBox*>("chkDoNotShow")->setChecked(true);
        f.findChild<TPictureButton*>("imgOk")->click();
    });
    showHelpWarningIfNeeded(nullptr);
    ASSERT_EQ(opened.size(), 3u);
    EXPECT_EQ(opened[2], THelpWarningForm::kBrowserDownloadPage);
    EXPECT_EQ(stored().at("ShowHelpWarning").toString(), "0");
}

TEST_F(SmallWindowsTest, InternetLookupsBuildTheirAddresses)
{
    WordLookup& lookup = WordLookup::instance();
    lookup.lookUpOnInternet("CAT");
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], "https://dictionary.reference.com/cgi-bin/dict.pl?term=CAT");

    // An emptied address is asked for, stored at once and used.
    SettingsStore::write(settings::LookupURL, "");
    whenModal<QInputDialog>([](QInputDialog& d) {
        EXPECT_EQ(d.windowTitle(), "URL Needed");
        EXPECT_EQ(d.labelText(), "Please enter a location (accept the default if unsure)");
        EXPECT_EQ(d.textValue(), "dictionary.reference.com/cgi-bin/dict.pl?term=");
        d.setTextValue("words.example/define?w=");
        d.accept();
    });
    lookup.lookUpOnInternet("DOG");
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[1], "words.example/define?w=DOG");
    EXPECT_EQ(stored().at("LookupURL").toString(), "words.example/define?w=");

    SettingsStore::write(settings::LookupURL, "x");
    whenModal<QInputDialog>([](QInputDialog& d) { d.reject(); });
    lookup.lookUpOnInternet("EEL");
    EXPECT_EQ(opened.size(), 2u) << "cancelling opens nothing";

    // The loaded dictionary's pages.
    std::filesystem::create_directories(dir_ / "dict");
    DictionaryHeader header;
    header.setField(DictionaryHeader::kLookupPage1Offset, DictionaryHeader::kLookupPageSize, "https://w.example/find?q=%&lang=en");
    header.setField(DictionaryHeader::kLookupPage1NameOffset, DictionaryHeader::kLookupPageNameSize, "Wiki");
    header.setField(DictionaryHeader::kLookupPage2Offset, DictionaryHeader::kLookupPageSize, "/meaning");
    const std::vector<std::string> words{"CAT"};
    writeFile(dir_ / "dict" / "Pages.dic", DictionaryWriter::file(header, DictionaryWriter::letterWeights(words),
                                                                   DictionaryWriter::plainBody(words)));
    ASSERT_EQ(Dictionary::instance().loadFile(dir_ / "dict" / "Pages.dic"), Dictionary::LoadStatus::Loaded);
    lookup.lookUpOnDictionaryPage("CAT", 1);
    lookup.lookUpOnDictionaryPage("CAT", 2);
    ASSERT_EQ(opened.size(), 4u);
    EXPECT_EQ(opened[2], "https://w.example/find?q=CAT&lang=en");
    EXPECT_EQ(opened[3], "CAT/meaning");
}

TEST_F(SmallWindowsTest, LocalLookupWithoutAServerSaysSorry)
{
    SettingsStore::write(settings::DictServer, "127.0.0.1");
    SettingsStore::write(settings::DictPort, closedTcpPort());
    EXPECT_FALSE(WordLookup::localLookupAvailable());
    WordLookup::instance().lookUpLocally("CAT");
    ASSERT_EQ(shown_.messages.size(), 1u);
    EXPECT_EQ(shown_.messages[0].caption, "Sorry");
    EXPECT_EQ(shown_.messages[0].text.rfind("It appears you do not have the dictionary installed.", 0), 0u);
    EXPECT_EQ(WordLookup::instance().lookupWindow(), nullptr);
    WordLookup::instance().lookUpOnInternet("CAT");
    EXPECT_EQ(opened.size(), 1u) << "the internet lookup still works";
}

TEST_F(SmallWindowsTest, LocalLookupShowsTheDefinitionAndRemembersWhere)
{
    std::string whyNot;
    auto server = LocalDictServer::start({{"quixotic", "Exceedingly idealistic; unrealistic and impractical."}}, whyNot);
    if (!server)
        GTEST_SKIP() << "no local dictd for this test: " << whyNot;
    SettingsStore::write(settings::DictServer, "127.0.0.1");
    SettingsStore::write(settings::DictPort, server->port());
    EXPECT_TRUE(WordLookup::localLookupAvailable());

    WordLookup& lookup = WordLookup::instance();
    lookup.lookUpLocally("QUIXOTIC");
    TLookupWindow* first = lookup.lookupWindow();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->windowTitle(), "Lettrava Lookup");
    EXPECT_TRUE(first->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_NE(first->text().indexOf("Exceedingly idealistic"), -1);
    first->move(123, 145);

    lookup.lookUpLocally("ZYZZYVA");
    TLookupWindow* second = lookup.lookupWindow();
    ASSERT_NE(second, nullptr);
    EXPECT_NE(second, first);
    EXPECT_EQ(stored().at("LookupLeft").toInt(), 123) << "the first window's place was recorded";
    EXPECT_EQ(stored().at("LookupTop").toInt(), 145);
    EXPECT_EQ(second->pos(), QPoint(123, 145)) << "the next one opens there";
    EXPECT_NE(second->text().indexOf("No definition"), -1);
    EXPECT_TRUE(shown_.messages.empty());

    second->showMinimized();
    second->move(400, 400);
    lookup.closeLocalLookup();
    EXPECT_EQ(lookup.lookupWindow(), nullptr);
    EXPECT_EQ(stored().at("LookupLeft").toInt(), 123) << "a minimised window's place is not recorded";
}

TEST_F(SmallWindowsTest, MenuItemsAreMeasuredAndDrawnTheirOwnWay)
{
    QStyleOptionMenuItem item;
    item.text = "&View Stats";
    item.menuItemType = QStyleOptionMenuItem::Normal;
    item.palette = QApplication::palette();
    const QFontMetrics fm(TMenuStyle::menuFont());
    EXPECT_EQ(measureMenuItem(item), QSize(fm.horizontalAdvance("View Stats") + 20, fm.height() + 4));
    EXPECT_EQ(TMenuStyle::menuFont().family(), QFont("Comic Sans MS").family());

    auto render = [&](QStyle::State state) {
        QImage image(120, 24, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter p(&image);
        item.state = state;
        drawMenuItem(p, image.rect(), item);
        return image;
    };
    const QPalette& pal = item.palette;
    auto rgb = [](const QImage& image, int x, int y) { return image.pixelColor(x, y).rgb(); };
    auto colour = [&](QPalette::ColorRole role) { return pal.color(role).rgb(); };
    EXPECT_EQ(rgb(render(QStyle::State_Enabled), 118, 1), colour(QPalette::Button));
    EXPECT_EQ(rgb(render(QStyle::State_Enabled | QStyle::State_Selected), 118, 1), colour(QPalette::Highlight));
    // Nothing is drawn left of the 8-pixel margin but the background.
    const QImage enabled = render(QStyle::State_Enabled);
    for (int y = 0; y < enabled.height(); ++y)
        for (int x = 0; x < 8; ++x)
            ASSERT_EQ(rgb(enabled, x, y), colour(QPalette::Button)) << x << "," << y;

    // Disabled: a light copy beside the shadow-coloured caption (told apart
    // here by giving them colours of their own).
    item.palette.setColor(QPalette::Button, Qt::white);
    item.palette.setColor(QPalette::Light, Qt::green);
    item.palette.setColor(QPalette::Dark, Qt::blue);
    const QImage disabled = render(QStyle::State_None);
    bool light = false, shadow = false;
    for (int y = 0; y < disabled.height(); ++y)
        for (int x = 0; x < disabled.width(); ++x) {
            const QColor c = disabled.pixelColor(x, y);
            light = light || (c.green() > c.red() + 60 && c.green() > c.blue() + 60);
            shadow = shadow || (c.blue() > c.red() + 60 && c.blue() > c.green() + 60);
        }
    EXPECT_TRUE(light);
    EXPECT_TRUE(shadow);
    item.palette = QApplication::palette();

    item.menuItemType = QStyleOptionMenuItem::Separator;
    item.text.clear();
    const QImage separator = render(QStyle::State_Enabled);
    EXPECT_EQ(rgb(separator, 60, 11), colour(QPalette::Dark));
    EXPECT_EQ(rgb(separator, 60, 12), colour(QPalette::Light));

    installMenuStyle();
    EXPECT_NE(qobject_cast<TMenuStyle*>(QApplication::style()), nullptr);
    installMenuStyle();
}
