#pragma once

#include "core/platform/Preferences.h"
#include "ui/platform/QtSoundPlayer.h"

#include <QFont>
#include <QObject>
#include <QPixmap>
#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace lettrava {

// The user's preferences as the program holds them while it runs: every value
// the Preferences dialog edits, the values other windows keep here between
// their showings (the results window's place and choices, the word-list
// generator's window, the help warning), the list of dictionaries and the
// chosen one, the loaded wallpaper picture and the sound player.
//
// Created once at start-up, before anything reads a setting, and kept to the
// end of the program. It reads every value from the settings store when it
// is created (a stored value that does not make sense reads as its default).
// Values are written to the store when they are set: the dialog's all
// together by save(), the others one by one as their setters say. The results
// window's values are held only, and written when the preferences are
// destroyed, at program end.
//
// It never loads a dictionary: a changed choice, and "Reload Dictionaries",
// are announced by dictionaryChosen() for the owner to load when it suits the
// game.
class GamePreferences : public QObject, public Preferences {
    Q_OBJECT
public:
    // Sound outputs for the events and for the Sounds page's Test; when not
    // given, the program's own (Qt Multimedia, or silence).
    struct SoundOutputs {
        std::unique_ptr<SoundOutput> events;
        std::unique_ptr<SoundOutput> test;
    };

    // Everything the Preferences dialog edits, as its Save hands it over.
    struct Choices {
        QFont gameBoardFont;
        QFont wordListFont;
        // 0 "Input Order", 1 "Alphabetically", 2 "Length Ascending", 3 "Length Descending".
        int sortOrder = 0;
        QString lookupURL;
        bool showTips = true;
        // A picture file, or kDefaultWallpaperText.
        QString wallpaper;
        bool wallpaperTiled = true;
        // One of dictionaryNames(); any other text chooses no dictionary.
        QString dictionary;
        // The windows' language code, or empty for the system's; it takes
        // effect at the next start.
        QString language;
        SoundSettings sounds;
    };

    static constexpr const char* kDefaultWallpaperText = "[default]";

    explicit GamePreferences(SoundOutputs outputs = {}, QObject* parent = nullptr);
    ~GamePreferences() override;

    // The program's preferences (the last ones created, while they live), or nullptr.
    static GamePreferences* instance();

    // Makes these the engine's preferences and their sound player the
    // engine's sound player, until they are destroyed.
    void installSeams();

    // ---- Preferences
    // The chosen dictionary's file, or empty text when none is chosen.
    std::string selectedDictionaryFile() override;
    // A text of the store's main key ("Email", "Message"), read at each call.
    std::string settingText(const std::string& name, const std::string& fallback) override;

    // ---- the dialog's values
    Choices choices() const;
    // Takes the dialog's values and writes them all to the store; then
    // announces saved(), and dictionaryChosen() when another dictionary than
    // before is chosen now.
    void save(const Choices& choices);

    QFont gameBoardFont() const { return choices_.gameBoardFont; }
    QFont wordListFont() const { return choices_.wordListFont; }
    int defaultSortOrder() const { return choices_.sortOrder; }
    QString definitionLookupURL() const { return choices_.lookupURL; }
    // The address entered at the lookup prompt: taken and written at once.
    void setDefinitionLookupURL(const QString& address);
    bool showTips() const { return choices_.showTips; }
    // Taken and written at once.
    void setShowTips(bool on);
    // True until the program has stored whether tips are to be shown.
    bool isFirstRun() const;
    // The board's wallpaper: the chosen picture, or the default one (always
    // the default one on a low-colour display).
    QPixmap wallpaperPicture() const { return wallpaper_; }
    bool wallpaperTiled() const { return choices_.wallpaperTiled; }
    // The event sounds as saved.
    SoundSettings soundSettings() const { return choices_.sounds; }

    // The picture a wallpaper field's text names: the default wallpaper for
    // kDefaultWallpaperText, on a low-colour display, and for a file that is
    // missing, too large or no picture.
    static QPixmap loadWallpaper(const QString& text);

    // ---- dictionaries: the files of the dict folder, listed once at creation
    QStringList dictionaryNames() const;
    // The chosen entry of dictionaryNames(), or -1 when the stored name matches none.
    int dictionaryIndex() const { return dictionaryIndex_; }
    // "Reload Dictionaries": announces dictionaryChosen() for the chosen one.
    void reloadDictionaries();

    // ---- the results window's values, held here and written at program end
    bool solutionVisible() const { return solutionVisible_; }
    void setSolutionVisible(bool on) { solutionVisible_ = on; }
    int solutionSortOrder() const { return solutionSortOrder_; }
    void setSolutionSortOrder(int order) { solutionSortOrder_ = order; }
    bool memberListVisible() const { return memberListVisible_; }
    void setMemberListVisible(bool on) { memberListVisible_ = on; }
    // The results window's place and size (an empty size when none was
    // stored), and whether it has a place of its own yet.
    QRect resultsPlace() const { return resultsPlace_; }
    bool resultsPlaced() const { return resultsPlaced_; }
    void setResultsPlace(const QRect& place)
    {
        resultsPlace_ = place;
        resultsPlaced_ = true;
    }

    // ---- the word-list grid generator's window: folder and position, written at once
    QString factoryWordListDir() const { return factoryWordListDir_; }
    int factoryWordListTop() const { return factoryWordListTop_; }
    int factoryWordListLeft() const { return factoryWordListLeft_; }
    void saveFactoryWordListSettings(int top, int left, const QString& folder);

    // ---- the warning that the help cannot be shown, turned off for good at once
    bool showHelpWarning() const { return showHelpWarning_; }
    void disableHelpWarning();

    // ---- sounds
    // Plays the events as soundSettings() say, or as the preview says while one is set.
    QtSoundPlayer& soundPlayer() { return *player_; }
    // Where the Sounds page's Test plays.
    SoundOutput& testOutput() { return *testOutput_; }
    // While the Preferences dialog is open, the events sound as its Sounds
    // page shows them, saved or not; an empty function ends that.
    using SoundSource = std::function<SoundSettings()>;
    void setSoundPreview(SoundSource source) { soundPreview_ = std::move(source); }

signals:
    // The dialog's values were saved.
    void saved();
    // Another dictionary was chosen, or the chosen one is to be loaded again.
    void dictionaryChosen();

private:
    void load();
    void chooseDictionary(const QString& name);

    Choices choices_;
    QPixmap wallpaper_;
    std::vector<std::string> dictionaryPaths_;
    QStringList dictionaryNames_;
    int dictionaryIndex_ = -1;
    bool seamsInstalled_ = false;

    bool solutionVisible_ = true;
    int solutionSortOrder_ = 3;
    bool memberListVisible_ = true;
    QRect resultsPlace_{20, 20, 0, 0};
    bool resultsPlaced_ = false;
    QString factoryWordListDir_;
    int factoryWordListTop_ = 0;
    int factoryWordListLeft_ = 0;
    bool showHelpWarning_ = true;

    SoundSource soundPreview_;
    std::unique_ptr<QtSoundPlayer> player_;
    std::unique_ptr<SoundOutput> testOutput_;
};

} // namespace lettrava
