#include "UiTestSupport.h"

#include "core/words/Dictionary.h"
#include "ui/platform/FileChooser.h"
#include "ui/platform/GamePreferences.h"
#include "ui/platform/LowColour.h"
#include "ui/platform/Settings.h"
#include "ui/widgets/TAdvancedPanel.h"
#include "ui/dialogs/TPreferencesForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <QAbstractButton>
#include <QMenuBar>
#include <map>
#include <filesystem>

using namespace lettrava;
using lettrava::test::UiTest;

namespace {

class PreferencesTest : public UiTest {
protected:
    template <class T>
    T* child(TPreferencesForm& form, const char* name)
    {
        T* w = form.findChild<T*>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    void makeDictionaries(const std::vector<std::string>& names)
    {
        std::filesystem::create_directories(dir_ / "dict");
        for (const std::string& name : names)
            test::writeDictionary(dir_ / "dict" / (name + ".dic"), {"CAT", "DOG", name == "Other" ? "OWL" : "EEL"}, name);
    }

    // Answers the next font dialog with `act` once it is up.
    void whenFontDialogShows(std::function<void(QFontDialog&)> act)
    {
        QTimer::singleShot(0, [act] {
            auto* dialog = qobject_cast<QFontDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            act(*dialog);
        });
    }
};

} // namespace

TEST_F(PreferencesTest, FirstStartShowsTheDefaults)
{
    makeDictionaries({"English"});
    GamePreferences prefs;
    TPreferencesForm form(prefs);
    EXPECT_EQ(form.windowTitle(), "Lettrava Preferences");
    EXPECT_EQ(prefs.gameBoardFont().family(), "Comic Sans MS");
    EXPECT_EQ(prefs.gameBoardFont().pointSize(), 12);
    EXPECT_EQ(prefs.wordListFont().family(), "Courier");
    EXPECT_EQ(prefs.wordListFont().pointSize(), 10);
    EXPECT_FALSE(prefs.wordListFont().bold());
    EXPECT_FALSE(prefs.wordListFont().italic());
    EXPECT_EQ(prefs.defaultSortOrder(), 0);
    EXPECT_EQ(child<QComboBox>(form, "cmbDefaultSortOrder")->currentText(), "Input Order");
    EXPECT_TRUE(prefs.solutionVisible());
    EXPECT_EQ(prefs.solutionSortOrder(), 3);
    EXPECT_FALSE(prefs.resultsPlaced()) << "the results window opens over the main window the first time";
    EXPECT_TRUE(prefs.showTips());
    EXPECT_TRUE(prefs.showHelpWarning());
    EXPECT_EQ(child<QLineEdit>(form, "edtWallpaper")->text(), "[default]");
    EXPECT_TRUE(prefs.wallpaperTiled());
    EXPECT_EQ(prefs.wallpaperPicture().toImage(), form.defaultWallpaper().toImage());
    EXPECT_EQ(child<QComboBox>(form, "cmbDictionary")->currentText(), "English");
    EXPECT_EQ(prefs.selectedDictionaryFile(), (dir_ / "dict" / "English.dic").string());
    EXPECT_TRUE(prefs.isFirstRun());
    EXPECT_TRUE(stored().empty());
}

TEST_F(PreferencesTest, EscAndCloseDropChangesWhileSaveWritesThem)
{
    makeDictionaries({"English", "Other"});
    GamePreferences prefs;
    TPreferencesForm form(prefs);
    int chosen = 0;
    QObject::connect(&prefs, &GamePreferences::dictionaryChosen, [&] { ++chosen; });
    auto* sort = child<QComboBox>(form, "cmbDefaultSortOrder");
    auto* stretch = child<QCheckBox>(form, "chkWallpaperStretch");
    auto* tile = child<QCheckBox>(form, "chkWallpaperTile");
    auto* url = child<QLineEdit>(form, "edtDefinitionLookupURL");
    auto* goodWord = child<QCheckBox>(form, "chkGoodWord");
    auto* dictionary = child<QComboBox>(form, "cmbDictionary");

    form.open();
    ASSERT_TRUE(form.isVisible());
    sort->setCurrentIndex(2);
    stretch->click();
    EXPECT_FALSE(tile->isChecked()) << "checking Stretch unchecks Tile";
    url->setText("http://x/");
    goodWord->setChecked(false);
    dictionary->setCurrentIndex(dictionary->findText("Other"));
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Rejected);
    EXPECT_TRUE(stored().empty()) << "nothing is written";
    EXPECT_EQ(sort->currentIndex(), 0);
    EXPECT_TRUE(tile->isChecked());
    EXPECT_NE(url->text(), "http://x/");
    EXPECT_TRUE(goodWord->isChecked());
    EXPECT_EQ(dictionary->currentText(), "English");
    EXPECT_EQ(prefs.defaultSortOrder(), 0) << "the preferences never saw the edits";
    EXPECT_EQ(prefs.selectedDictionaryFile(), (dir_ / "dict" / "English.dic").string());

    // Close works the same way.
    form.open();
    sort->setCurrentIndex(1);
    form.closeWithoutSaving();
    EXPECT_EQ(sort->currentIndex(), 0);
    EXPECT_TRUE(stored().empty());
    EXPECT_EQ(chosen, 0);

    form.open();
    sort->setCurrentIndex(3);
    stretch->click();
    goodWord->setChecked(false);
    dictionary->setCurrentIndex(dictionary->findText("Other"));
    auto* language = form.findChild<QComboBox*>("cmbLanguage");
    EXPECT_EQ(language->currentText(), "The system's language");
    language->setCurrentIndex(language->findText("Deutsch"));
    form.findChild<QWidget*>("btnSave")->setFocus();
    QTest::keyClick(form.findChild<QWidget*>("btnSave"), Qt::Key_Space);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Accepted);
    const auto values = stored();
    EXPECT_EQ(values.at("SortOrder").toInt(), 3);
    EXPECT_EQ(values.at("WallpaperTiled").toString(), "0");
    EXPECT_EQ(values.at("Dictionary").toString(), "Other");
    EXPECT_EQ(values.at("GameFontName").toString(), "Comic Sans MS");
    EXPECT_EQ(values.at("WordListFontSize").toInt(), 10);
    EXPECT_EQ(values.at("WLItalic").toString(), "0");
    EXPECT_EQ(values.at("Sounds/chkGoodWord").toString(), "0");
    EXPECT_EQ(values.at("Sounds/edtLetterClick").toString(), "Sounds\\Click.wav");
    EXPECT_EQ(values.count("RRLeft"), 0u) << "the results window's values wait for program end";
    EXPECT_EQ(values.count("ShowHelpWarning"), 0u);
    EXPECT_EQ(values.at("Language").toString(), "de") << "the language's code, for the next start";
    EXPECT_EQ(values.size(), 13u + 23u);
    // What was saved is what a new start reads, and what the windows read now.
    EXPECT_EQ(SettingsStore::read(settings::SortOrder), 3);
    EXPECT_EQ(prefs.defaultSortOrder(), 3);
    EXPECT_FALSE(prefs.wallpaperTiled());
    EXPECT_FALSE(prefs.soundSettings().enabled[0]);
    EXPECT_EQ(prefs.selectedDictionaryFile(), (dir_ / "dict" / "Other.dic").string());
    EXPECT_EQ(chosen, 1) << "another dictionary is announced";

    // Shown again, the window shows what was saved; saving the same
    // dictionary again announces nothing.
    form.open();
    EXPECT_EQ(sort->currentIndex(), 3);
    EXPECT_TRUE(stretch->isChecked());
    EXPECT_EQ(dictionary->currentText(), "Other");
    form.save();
    EXPECT_EQ(chosen, 1);
}

TEST_F(PreferencesTest, TheResultsWindowsValuesAreWrittenAtProgramEnd)
{
    {
        GamePreferences prefs;
        TPreferencesForm form(prefs);
        prefs.setResultsPlace(QRect(140, 260, 900, 640));
        prefs.setSolutionVisible(false);
        prefs.setSolutionSortOrder(1);
        prefs.setMemberListVisible(false);
        form.open();
        form.save();
        EXPECT_EQ(stored().count("RRLeft"), 0u);
        EXPECT_EQ(prefs.resultsPlace().x(), 140) << "saving the window keeps the values held in memory";
    }
    const auto values = stored();
    EXPECT_EQ(values.at("RRLeft").toInt(), 140);
    EXPECT_EQ(values.at("RRTop").toInt(), 260);
    EXPECT_EQ(values.at("RRWidth").toInt(), 900);
    EXPECT_EQ(values.at("SolutionVisible").toString(), "0");
    EXPECT_EQ(values.at("SolutionSortOrder").toInt(), 1);
    EXPECT_EQ(values.at("RRMemberList").toString(), "0");

    GamePreferences again;
    EXPECT_EQ(again.resultsPlace(), QRect(140, 260, 900, 640));
    EXPECT_FALSE(again.solutionVisible());
}

TEST_F(PreferencesTest, FontDialogApplyThenCancelKeepsTheStyleButNotNameOrSize)
{
    GamePreferences prefs;
    TPreferencesForm form(prefs);
    const auto listFont = [&] { return child<QLabel>(form, "lblWordListSample")->font(); };
    const auto boardFont = [&] { return child<QLabel>(form, "lblProto")->font(); };
    form.open();
    whenFontDialogShows([](QFontDialog& dialog) {
        QFont f(QStringLiteral("DejaVu Sans"), 16);
        f.setBold(true);
        dialog.setCurrentFont(f);
        dialog.findChild<QPushButton*>("btnApply")->click();
        dialog.reject();
    });
    std::vector<QFont> applied;
    QObject::connect(&form, &TPreferencesForm::wordListFontApplied, [&](const QFont& f) { applied.push_back(f); });
    form.modifyWordListFont();
    ASSERT_EQ(applied.size(), 2u);
    EXPECT_EQ(applied[0].pointSize(), 16) << "Apply shows the font at once";
    EXPECT_EQ(applied[1].pointSize(), 10) << "and Cancel takes the size back";
    EXPECT_EQ(listFont().family(), "Courier");
    EXPECT_EQ(listFont().pointSize(), 10);
    EXPECT_TRUE(listFont().bold());
    EXPECT_FALSE(prefs.wordListFont().bold()) << "not saved yet";
    EXPECT_FALSE(form.fontChanged());

    // Accepting a size above 20 gives 20, and the change is noticed.
    whenFontDialogShows([](QFontDialog& dialog) {
        dialog.setCurrentFont(QFont(QStringLiteral("DejaVu Sans"), 28));
        dialog.accept();
    });
    form.modifyGameBoardFont();
    EXPECT_EQ(boardFont().pointSize(), 20);
    EXPECT_TRUE(form.fontChanged());

    // Esc takes it all back, and showing the window again clears the mark.
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_EQ(boardFont().pointSize(), 12);
    EXPECT_FALSE(listFont().bold());
    EXPECT_EQ(prefs.gameBoardFont().pointSize(), 12);
    form.open();
    EXPECT_FALSE(form.fontChanged());
    form.reject();
    EXPECT_TRUE(stored().empty());
}

TEST_F(PreferencesTest, TheStoredDictionaryNameChoosesTheFile)
{
    makeDictionaries({"English", "Other"});
    SettingsStore::write(settings::Dictionary, "Other");
    // "Reload Dictionaries" only announces the choice; its owner loads it
    // through the installed preferences.
    const auto loadWhenChosen = [](GamePreferences& prefs) {
        prefs.installSeams();
        QObject::connect(&prefs, &GamePreferences::dictionaryChosen, [] { Dictionary::instance().load(); });
    };
    {
        GamePreferences prefs;
        loadWhenChosen(prefs);
        EXPECT_EQ(prefs.dictionaryNames().size(), 2);
        EXPECT_EQ(prefs.selectedDictionaryFile(), (dir_ / "dict" / "Other.dic").string());
        TPreferencesForm form(prefs);
        form.findChild<QPushButton*>("btnReloadDictionaries")->click();
        EXPECT_EQ(Dictionary::instance().lookup("OWL"), LookupResult::Word);
        EXPECT_TRUE(shown_.messages.empty());
    }
    // A name that matches no entry leaves no choice: the load says so.
    SettingsStore::write(settings::Dictionary, "other");
    GamePreferences prefs;
    loadWhenChosen(prefs);
    TPreferencesForm form(prefs);
    EXPECT_EQ(child<QComboBox>(form, "cmbDictionary")->currentIndex(), -1);
    EXPECT_EQ(prefs.selectedDictionaryFile(), "");
    prefs.reloadDictionaries();
    ASSERT_EQ(shown_.messages.size(), 1u);
    EXPECT_EQ(shown_.messages[0].text, kNoDictionarySelected);
    EXPECT_EQ(shown_.messages[0].caption, "warning");
    EXPECT_EQ(Dictionary::instance().lookup("OWL"), LookupResult::NoMatch);
}

TEST_F(PreferencesTest, AnEmptyDictionaryFolderGivesNoChoice)
{
    std::filesystem::create_directories(dir_ / "dict");
    GamePreferences prefs;
    EXPECT_TRUE(prefs.dictionaryNames().isEmpty());
    EXPECT_EQ(prefs.selectedDictionaryFile(), "");
}

TEST_F(PreferencesTest, FirstRunTipsAndHelpWarningAreStoredAtOnce)
{
    GamePreferences prefs;
    EXPECT_TRUE(prefs.isFirstRun());
    prefs.setShowTips(false);
    EXPECT_FALSE(prefs.isFirstRun());
    EXPECT_FALSE(prefs.showTips());
    EXPECT_EQ(stored().at("ShowTips").toString(), "0");

    prefs.disableHelpWarning();
    EXPECT_FALSE(prefs.showHelpWarning());
    EXPECT_EQ(stored().at("ShowHelpWarning").toString(), "0");

    prefs.setDefinitionLookupURL("https://example.org/define?w=");
    EXPECT_EQ(stored().at("LookupURL").toString(), "https://example.org/define?w=");
    EXPECT_EQ(prefs.definitionLookupURL(), "https://example.org/define?w=");
    // The window shows the values set without it.
    TPreferencesForm form(prefs);
    form.open();
    EXPECT_FALSE(child<QCheckBox>(form, "chkGeneralShowTips")->isChecked());
    EXPECT_EQ(child<QLineEdit>(form, "edtDefinitionLookupURL")->text(), "https://example.org/define?w=");
    form.reject();
    prefs.saveFactoryWordListSettings(30, 40, "/words");
    EXPECT_EQ(stored().at("FactoryWordListTop").toInt(), 30);
    EXPECT_EQ(stored().at("FactoryWordListLeft").toInt(), 40);
    EXPECT_EQ(stored().at("FactoryWordListDir").toString(), "/words");
}

TEST_F(PreferencesTest, WallpaperLoadsAPictureAndFallsBackToTheDefault)
{
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(QColor(10, 120, 30));
    const QString bmp = folder() + "/green.bmp";
    ASSERT_TRUE(picture.save(bmp, "BMP"));
    test::writeFile(dir_ / "broken.bmp", "BM not really a picture");

    GamePreferences prefs;
    TPreferencesForm form(prefs);
    const QImage standard = form.defaultWallpaper().toImage();
    auto* preview = child<TAdvancedPanel>(form, "pnlWallpaper");
    form.open();
    setFileChooserForTests([&](const QString& title, const QString&, const QString& filter) {
        EXPECT_EQ(title, "Select Lettrava Wallpaper");
        EXPECT_TRUE(filter.startsWith("Bitmaps (*.bmp)"));
        return bmp;
    });
    form.browseWallpaper();
    setFileChooserForTests(nullptr);
    auto* edit = child<QLineEdit>(form, "edtWallpaper");
    EXPECT_EQ(edit->text(), bmp);
    EXPECT_EQ(preview->wallpaper().size(), QSize(40, 30));
    EXPECT_EQ(prefs.wallpaperPicture().toImage(), standard) << "the board keeps its wallpaper until Save";

    for (const QString& bad : {folder() + "/broken.bmp", folder() + "/missing.bmp"}) {
        edit->setText(bad);
        form.loadWallpaper();
        EXPECT_EQ(preview->wallpaper().toImage(), standard) << bad.toStdString();
        EXPECT_EQ(edit->text(), bad) << "the field keeps its text";
    }
    edit->setText(bmp);
    form.save();
    EXPECT_EQ(prefs.wallpaperPicture().size(), QSize(40, 30));

    form.open();
    form.revertWallpaper();
    EXPECT_EQ(edit->text(), "[default]");
    EXPECT_EQ(preview->wallpaper().toImage(), standard);
    form.reject();
    EXPECT_EQ(prefs.wallpaperPicture().size(), QSize(40, 30));
    EXPECT_EQ(preview->wallpaper().size(), QSize(40, 30)) << "the preview follows the dropped edit back";
}

TEST_F(PreferencesTest, LowColourDisplaysGetNoWallpaperAndPlainPanels)
{
    forceLowColour(true);
    GamePreferences prefs;
    TPreferencesForm form(prefs);
    form.resize(800, 600);
    EXPECT_FALSE(child<QLineEdit>(form, "edtWallpaper")->isEnabled());
    EXPECT_FALSE(child<QCheckBox>(form, "chkWallpaperTile")->isEnabled());
    EXPECT_FALSE(child<QWidget>(form, "btnWallpaperBrowse")->isEnabled());
    EXPECT_FALSE(child<QWidget>(form, "btnWallpaperRevert")->isEnabled());
    auto* note = child<QLabel>(form, "lblLowColour");
    EXPECT_TRUE(note->isVisibleTo(&form));
    EXPECT_EQ(note->text(), TPreferencesForm::kLowColourText);
    auto* general = child<TAdvancedPanel>(form, "pnlGeneral");
    EXPECT_FALSE(general->showsWallpaper());
    const QImage painted = general->grab().toImage();
    EXPECT_EQ(painted.pixelColor(painted.width() / 2, 6), QColor(255, 255, 170));

    forceLowColour(false);
    TPreferencesForm colourful(prefs);
    EXPECT_FALSE(colourful.findChild<QLabel*>("lblLowColour")->isVisibleTo(&colourful));
    EXPECT_TRUE(colourful.findChild<TAdvancedPanel*>("pnlGeneral")->showsWallpaper());
}

TEST_F(PreferencesTest, EveryAltKeyOfAPageBelongsToOneCaption)
{
    GamePreferences prefs;
    TPreferencesForm form(prefs);
    form.open();
    for (const auto page : {TPreferencesForm::Page::General, TPreferencesForm::Page::Sounds}) {
        form.setPage(page);
        std::map<QChar, QStringList> owners = test::altKeysOf(form);
        // Both pages show "&Save" below them and an "&Options" menu.
        EXPECT_EQ(owners[u's'], QStringList{"&Save"}) << "no captions were collected";
        EXPECT_EQ(owners[u'o'], QStringList{"&Options"});
        for (const auto& [key, captions] : owners)
            EXPECT_EQ(captions.size(), 1) << "Alt+" << QString(key).toStdString() << ": "
                                          << captions.join(QStringLiteral(", ")).toStdString();
    }
    form.close();
}
