// The shipped dictionaries in the windows: listed by their names, and words
// with accents typed, clicked and shown as the dictionaries hold them; a
// dictionary chosen in the preferences while the program runs.

#include "UiTestSupport.h"

#include "core/game/Game.h"
#include "core/grid/CompSearchThread.h"
#include "core/grid/GridOptions.h"
#include "core/platform/Clock.h"
#include "core/platform/Random.h"
#include "core/platform/Sounds.h"
#include "core/players/PlayerFileManager.h"
#include "core/words/Dictionary.h"
#include "ui/board/TLetterLabel.h"
#include "ui/dialogs/TPlayerInfoDlg.h"
#include "ui/dialogs/TPreferencesForm.h"
#include "ui/platform/FileChooser.h"
#include "session/DictionaryChoice.h"
#include "ui/platform/GamePreferences.h"
#include "ui/platform/GameText.h"
#include "ui/platform/Settings.h"
#include "ui/platform/SettingsStore.h"
#include "ui/shell/TMainForm.h"
#include "ui/widgets/TGridFileList.h"
#include "ui/widgets/TPictureButton.h"
#include "core/headless/ManualTimers.h"
#include "core/headless/RecordingSounds.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <algorithm>

using namespace lettrava;
using lettrava::test::UiTest;

namespace {

const std::vector<std::string> kShippedFiles = {"English.dic",  "English-large.dic", "English-British.dic",
                                                "Deutsch.dic",  "Francais.dic",      "Espanol.dic",
                                                "Italiano.dic", "Nederlands.dic"};

class LanguagesTest : public UiTest {
protected:
    LanguagesTest() : time_(clock_, timers_)
    {
        std::filesystem::create_directories(dir_ / "dict");
        for (const std::string& f : kShippedFiles)
            std::filesystem::copy_file(test::shippedDictionary(f), dir_ / "dict" / f);
        PlayerFileManager::useFile(dir_ / "LTPlayers.dat");
        gridOptions() = GridOptions{};
        setFileChooserForTests([this](const QString&, const QString&, const QString&) { return chooserAnswer; });
    }
    ~LanguagesTest() override
    {
        window.reset();
        setSounds(nullptr);
        setFileChooserForTests(nullptr);
        PlayerFileManager::resetInstance();
        gridOptions() = GridOptions{};
        Dictionary::instance().setCustomWordsFile(std::nullopt);
    }

    // Opens the main window with the dictionary of that name chosen in the
    // preferences, loaded as the program loads it.
    void openWindowWith(const QString& dictionary)
    {
        SettingsStore::write(settings::Dictionary, dictionary);
        window = std::make_unique<TMainForm>();
        setSounds(&sounds_);
        Random::instance().seed(4242);
        Dictionary::instance().setCustomWordsFile(dir_ / "Lettrava.Cus");
        ASSERT_EQ(GamePreferences::instance(), &window->gamePreferences());
        window->gamePreferences().reloadDictionaries();
        ASSERT_EQ(Dictionary::instance().displayName(), toBytes(dictionary));
        window->show();
        QApplication::setActiveWindow(window.get());
        window->activateWindow();
        (void)QTest::qWaitForWindowActive(window.get(), 2000);
    }

    // A game of one person who types and clicks, and a computer opponent, on
    // a grid file of these rows (single bytes, as grid files are).
    void newGame(const QString& name, const std::vector<std::string>& rows)
    {
        std::string text = "ROWS=" + std::to_string(rows.size()) + "\r\nCOLS=" + std::to_string(rows[0].size()) + "\r\n";
        for (const auto& r : rows)
            text += ">" + r + "\r\n";
        test::writeFile(dir_ / "round.grd", text);
        QTimer::singleShot(0, [this, name] {
            auto* d = qobject_cast<TPlayerInfoDlg*>(QApplication::activeModalWidget());
            if (!d) {
                ADD_FAILURE() << "no setup dialog";
                return;
            }
            d->findChild<QSpinBox*>("updNumPlayers")->setValue(2);
            d->findChild<QComboBox*>("cmbPlayer1Input")->setCurrentIndex(InputMethod::KeyboardAndMouse);
            auto* first = d->findChild<QComboBox*>("cmbPlayer1Name");
            if (first->isEditable())
                first->setEditText(name);
            else
                first->setCurrentText(name);
            d->findChild<QComboBox*>("cmbPlayer2Input")->setCurrentIndex(InputMethod::Computer);
            d->findChild<QSpinBox*>("updRoundsPerGame")->setValue(1);
            d->findChild<QComboBox*>("cmbGridSizeOrder")->setCurrentIndex(3);
            d->findChild<TGridFileList*>("lbxGridFiles")->setCurrentRow(0);
            chooserAnswer = folder() + "/round.grd";
            d->findChild<TPictureButton*>("btnAddGridFile")->click();
            chooserAnswer.clear();
            d->tryAccept();
            if (d->isVisible()) {
                ADD_FAILURE() << "the setup was refused: " << shown_.messages.back().text;
                d->reject();
            }
        });
        window->findChild<QAction*>("mnuGameNew")->trigger();
        ASSERT_NE(window->game(), nullptr);
        QApplication::setActiveWindow(window.get());
        window->findChild<QAction*>("actRoundStart")->trigger();
        ASSERT_TRUE(window->game()->roundRunning);
        window->game()->round()->solver()->waitFor();
    }

    // Types the text into the word entry as a keyboard would, a key per
    // character with that character as its text (QTest's own typing knows no
    // letters beyond ASCII but a few).
    void typeIntoEntry(const QString& text)
    {
        for (QChar c : text) {
            const int key = c.toUpper().unicode();
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
            QApplication::sendEvent(entry(), &press);
            QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
            QApplication::sendEvent(entry(), &release);
        }
    }

    QLineEdit* entry() const { return window->findChild<QLineEdit*>("edtWordEntry"); }
    QString status() const { return window->findChild<QLabel*>("stbPanel0")->text(); }
    QString label(const char* name) const { return window->findChild<QLabel*>(QLatin1String(name))->text(); }

    ManualClock clock_;
    ManualTimers timers_{clock_};
    ScopedTime time_;
    RecordingSounds sounds_;
    QString chooserAnswer;
    std::unique_ptr<TMainForm> window;
};

} // namespace

TEST_F(LanguagesTest, PreferencesListEveryShippedDictionaryByItsNameAndEnglishStaysTheDefault)
{
    GamePreferences prefs;
    TPreferencesForm form(prefs);
    QStringList names = prefs.dictionaryNames();
    names.sort();
    EXPECT_EQ(names, (QStringList{"Deutsch", "English", "English (British)", "English (large)", QString::fromUtf8("Español"),
                                  QString::fromUtf8("Français"), "Italiano", "Nederlands"}));
    EXPECT_EQ(form.findChild<QComboBox*>("cmbDictionary")->currentText(), "English");
    EXPECT_EQ(prefs.selectedDictionaryFile(), (dir_ / "dict" / "English.dic").string());

    // Choosing Français stores its name, which chooses its file next time.
    auto* choice = form.findChild<QComboBox*>("cmbDictionary");
    form.open();
    choice->setCurrentIndex(choice->findText(QString::fromUtf8("Français")));
    form.findChild<QWidget*>("btnSave")->setFocus();
    QTest::keyClick(form.findChild<QWidget*>("btnSave"), Qt::Key_Space);
    EXPECT_EQ(SettingsStore::read(settings::Dictionary), QString::fromUtf8("Français"));
    GamePreferences again;
    EXPECT_EQ(again.selectedDictionaryFile(), (dir_ / "dict" / "Francais.dic").string());
}

TEST_F(LanguagesTest, TypingStrasseInGermanGivesTheWordTheDictionaryHolds)
{
    openWindowWith("Deutsch");
    // S T R A
    // Ö L ß X
    // X X E X
    newGame(QString::fromUtf8("Jörg"), {"STRA", "\xD6L\xDFX", "XXEX"});
    EXPECT_EQ(label("lblPlayer1Name"), QString::fromUtf8("Jörg"));
    EXPECT_EQ(window->letterAt(2, 1)->text(), QString::fromUtf8("ß"));
    EXPECT_EQ(window->letterAt(0, 1)->text(), QString::fromUtf8("Ö"));

    QTest::keyClicks(entry(), QString::fromUtf8("straße"));
    EXPECT_EQ(entry()->text(), QString::fromUtf8("STRAßE")) << "not Qt's STRASSE";
    QTest::keyClick(entry(), Qt::Key_Return);
    EXPECT_EQ(status(), QString::fromUtf8("* STRAßE * is good for 8 points!"));

    // Clicking Ö and L builds the word from the grid's letters.
    QTest::mouseClick(window->letterAt(0, 1), Qt::LeftButton);
    QTest::mouseClick(window->letterAt(1, 1), Qt::LeftButton);
    EXPECT_EQ(entry()->text(), QString::fromUtf8("ÖL"));
}

TEST_F(LanguagesTest, TypingEteInFrenchGivesTheWordTheDictionaryHolds)
{
    openWindowWith(QString::fromUtf8("Français"));
    newGame("Zoe", {"\xC9T\xC9X", "XXXX", "XXXX"});
    typeIntoEntry(QString::fromUtf8("été"));
    EXPECT_EQ(entry()->text(), QString::fromUtf8("ÉTÉ"));
    QTest::keyClick(entry(), Qt::Key_Return);
    EXPECT_EQ(status(), QString::fromUtf8("* ÉTÉ * is good for 2 points!"));
    EXPECT_EQ(label("lblPlayer1Score"), "2");
    // The same letters without accents are another word, not in this grid.
    QTest::keyClicks(entry(), "ete");
    QTest::keyClick(entry(), Qt::Key_Return);
    EXPECT_EQ(status(), "* ETE * is not in the grid");
}

TEST_F(LanguagesTest, ADictionaryChosenInThePreferencesIsLoadedAtOnceBetweenRoundsAndAfterARound)
{
    // Two dictionaries that differ in two words each.
    std::filesystem::remove_all(dir_ / "dict");
    std::filesystem::create_directories(dir_ / "dict");
    test::writeDictionary(dir_ / "dict" / "Alpha.dic", {"CAT", "TAB", "SAT"}, "Alpha");
    test::writeDictionary(dir_ / "dict" / "Beta.dic", {"CAT", "BAT", "TAS"}, "Beta");
    openWindowWith("Alpha");
    const auto choose = [this](const QString& name) {
        QTimer::singleShot(0, [this, name] {
            TPreferencesForm& form = window->preferencesForm();
            auto* list = form.findChild<QComboBox*>("cmbDictionary");
            list->setCurrentIndex(list->findText(name));
            form.save();
        });
        window->findChild<QAction*>("mnuPreferencesGeneral")->trigger();
    };
    const auto shown = [this] { return status().toStdString(); };
    const auto enter = [this, shown](const char* word) {
        QTest::keyClicks(entry(), word);
        QTest::keyClick(entry(), Qt::Key_Return);
        return shown();
    };
    const std::string loaded = "Dictionary loaded: ";

    choose("Beta");
    EXPECT_EQ(shown(), loaded + "Beta");
    // T A B X
    // S X X X
    newGame("Ann", {"TABX", "SXXX", "XXXX"});
    EXPECT_EQ(enter("bat").rfind("* BAT * is good for", 0), 0u) << shown();
    EXPECT_EQ(enter("tab"), "* TAB * is not in the dictionary");

    // Chosen during the round, Alpha waits for its end.
    choose("Alpha");
    EXPECT_EQ(shown(), DictionaryChoice::kWaitingText);
    EXPECT_EQ(enter("tas").rfind("* TAS * is good for", 0), 0u) << shown();
    EXPECT_EQ(enter("sat"), "* SAT * is not in the dictionary");
    timers_.runUntil([this] { return !window->game()->roundRunning; }, 10'000'000);
    ASSERT_FALSE(window->game()->roundRunning);
    EXPECT_EQ(shown(), loaded + "Alpha");
    EXPECT_EQ(Dictionary::instance().lookup("SAT"), LookupResult::Word);
    EXPECT_EQ(Dictionary::instance().lookup("TAS"), LookupResult::NoMatch);
}
