#pragma once

#include "core/platform/Preferences.h"
#include "ui/platform/QtSoundPlayer.h"
#include "ui/platform/SharedPictures.h"

#include <QDialog>
#include <QFont>
#include <QPixmap>
#include <QStringList>

#include <array>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;
class QTabWidget;
class QTimer;

namespace lettrava {

class TAdvancedPanel;
class TFlatButton;
class TPictureButton;

// The preferences window, "Lettrava Preferences", and the program's holder of
// the user's settings.
//
// Created once at start-up, before anything reads a setting, and kept to the
// end of the program. It reads the settings when it is created and keeps them
// in its controls and fields; the other windows read them from here. Saving
// the window writes its values to the settings store; closing it any other
// way (Close, Esc, the title bar) reads them back from the store, dropping
// unsaved changes. The results window's values are written when the window
// is destroyed, at program end.
//
// It is also the engine's Preferences (the chosen dictionary) and owns the
// sound player that plays the events as set up on its Sounds page.
class TPreferencesForm : public QDialog, public Preferences {
    Q_OBJECT
public:
    enum class Page { General = 0, Sounds = 1 };

    // Sound outputs for the events and for the Sounds page's Test; when not
    // given, the program's own (Qt Multimedia, or silence).
    struct SoundOutputs {
        std::unique_ptr<SoundOutput> events;
        std::unique_ptr<SoundOutput> test;
    };

    explicit TPreferencesForm(QWidget* parent = nullptr, SoundOutputs outputs = {});
    ~TPreferencesForm() override;

    // The one preferences window of the program (the last one created), or nullptr.
    static TPreferencesForm* instance();

    // Makes this window the engine's preferences and its sound player the
    // engine's sound player, until it is destroyed.
    void installSeams();

    // Chooses the page and shows the window modally; returns the dialog result.
    int showPage(Page page);
    void setPage(Page page);
    Page page() const;

    // ---- Preferences
    std::string selectedDictionaryFile() override;
    // The host's "Email" and "Message", as the setup dialog stored them.
    std::string settingText(const std::string& name, const std::string& fallback) override;
    QStringList dictionaryNames() const;
    // "Reload Dictionaries": loads the chosen dictionary again.
    void reloadDictionaries();

    // ---- values the other windows read
    QFont gameBoardFont() const;
    QFont wordListFont() const;
    // 0 "Input Order", 1 "Alphabetically", 2 "Length Ascending", 3 "Length Descending".
    int defaultSortOrder() const;
    QString definitionLookupURL() const;
    // The address entered at the lookup prompt: taken and written at once.
    void setDefinitionLookupURL(const QString& address);
    // Whether the local dictionary server answers (asked each time).
    bool localLookupAvailable() const;
    bool showTips() const;
    // The board's wallpaper: the chosen picture, or the default one.
    QPixmap wallpaperPicture() const { return wallpaper_; }
    bool wallpaperTiled() const;
    // A font's name or size was changed while the window was open.
    bool fontChanged() const { return fontChanged_; }

    // The results window's values, held here and written at program end.
    bool solutionVisible() const { return solutionVisible_; }
    void setSolutionVisible(bool on) { solutionVisible_ = on; }
    int solutionSortOrder() const { return solutionSortOrder_; }
    void setSolutionSortOrder(int order) { solutionSortOrder_ = order; }
    bool memberListVisible() const { return memberListVisible_; }
    void setMemberListVisible(bool on) { memberListVisible_ = on; }
    int resultsLeft() const { return resultsLeft_; }
    int resultsTop() const { return resultsTop_; }
    void setResultsPosition(int left, int top)
    {
        resultsLeft_ = left;
        resultsTop_ = top;
    }

    // The word-list grid generator's window: folder and position, written at once.
    QString factoryWordListDir() const { return factoryWordListDir_; }
    int factoryWordListTop() const { return factoryWordListTop_; }
    int factoryWordListLeft() const { return factoryWordListLeft_; }
    void saveFactoryWordListSettings(int top, int left, const QString& folder);

    bool showHelpWarning() const { return showHelpWarning_; }
    void disableHelpWarning();
    // True until the program has stored whether tips are to be shown.
    bool isFirstRun() const;
    void setShowTips(bool on);

    // ---- sounds
    // The sound choices as the Sounds page holds them.
    SoundSettings soundSettings() const;
    QtSoundPlayer& soundPlayer() { return *player_; }
    SoundOutput& testOutput() { return *testOutput_; }

    // ---- the shared pictures
    const SharedPictures& pictures() const { return SharedPictures::instance(); }
    QPixmap imgWoodA() const { return pictures().woodA; }
    QPixmap imgWoodB() const { return pictures().woodB; }
    QPixmap defaultWallpaper() const { return pictures().defaultWallpaper; }
    // imlPushButtons: 0 up, 1 pressed.
    QPixmap pushButtonPicture(int index) const { return pictures().pushButtons.at(index == 0 ? 0 : 1); }

    static constexpr const char* kDefaultWallpaperText = "[default]";
    static constexpr const char* kLowColourText =
        "Your screen resolution is currently set to 256 colors or less.  Wallpaper is not supported at this "
        "color depth.  Press the Help button for instructions on increasing your color depth.";
    static constexpr int kMaxFontSize = 20;

public slots:
    // "Save": writes the window's values and closes it accepted.
    void save();
    // "Close" (and Esc): closes it, dropping unsaved changes.
    void closeWithoutSaving();

    // Font dialogs of "Modify" (with "Apply").
    void modifyGameBoardFont();
    void modifyWordListFont();
    void browseWallpaper();
    void revertWallpaper();
    // Loads the picture named by the wallpaper field into the preview.
    void loadWallpaper();

    // The Sounds page.
    void browseSound(int event);
    void testSound(int event);
    void stopTest();
    void setAllSoundsEnabled(bool on);
    // The row whose file field has the focus, or -1.
    int focusedSoundRow() const;

signals:
    // A sample's font changed through its font dialog (Apply, OK or Cancel):
    // windows that show the font may follow at once.
    void gameBoardFontApplied(const QFont& font);
    void wordListFontApplied(const QFont& font);

protected:
    void done(int result) override;
    void showEvent(class QShowEvent* event) override;
    void hideEvent(class QHideEvent* event) override;

private:
    QWidget* buildGeneralPage();
    QWidget* buildSoundsPage();
    QWidget* buildBottomBar();
    void buildMenus();
    void applyColourDepth();

    void loadControls();      // the controls' values from the store
    void loadMemoryValues();  // the values held in fields
    void writeControls();     // Save
    void writeMemoryValues(); // program end
    void modifyFont(QLabel* sample, bool boardFont);
    void setTiled(bool tiled);
    void refreshSoundStatus(int event);
    void updateTestTimer();
    void selectSortOrder(int order);

    SoundSettings soundControls_() const;

    // General page
    QTabWidget* pgcPreferences_ = nullptr;
    QLabel* lblProto_ = nullptr;
    QLabel* lblWordListSample_ = nullptr;
    QComboBox* cmbDefaultSortOrder_ = nullptr;
    QLineEdit* edtDefinitionLookupURL_ = nullptr;
    QCheckBox* chkGeneralShowTips_ = nullptr;
    QLineEdit* edtWallpaper_ = nullptr;
    QCheckBox* chkWallpaperTile_ = nullptr;
    QCheckBox* chkWallpaperStretch_ = nullptr;
    QPushButton* btnWallpaperBrowse_ = nullptr;
    QPushButton* btnWallpaperRevert_ = nullptr;
    TAdvancedPanel* pnlWallpaper_ = nullptr;
    QLabel* lblLowColour_ = nullptr;
    QComboBox* cmbDictionary_ = nullptr;
    TAdvancedPanel* pnlGeneral_ = nullptr;
    TAdvancedPanel* pnlSounds_ = nullptr;
    TAdvancedPanel* pnlBottom_ = nullptr;
    QMenuBar* mnuGeneral_ = nullptr;
    QMenuBar* mnuSounds_ = nullptr;
    std::array<QAction*, 4> actSortOrder_{};
    QAction* actStyleTile_ = nullptr;
    QAction* actStyleStretch_ = nullptr;
    QAction* actStopTest_ = nullptr;

    // Sounds page
    std::array<TFlatButton*, kSoundEventCount> lblSound_{};
    std::array<QCheckBox*, kSoundEventCount> chkSound_{};
    std::array<QLineEdit*, kSoundEventCount> edtSound_{};
    std::array<TPictureButton*, kSoundEventCount> btnPlay_{};
    QCheckBox* chkDisableAllSound_ = nullptr;
    TPictureButton* btnStopTest_ = nullptr;
    QTimer* tmrTest_ = nullptr;

    std::vector<std::string> dictionaryPaths_;
    QPixmap wallpaper_;
    bool fontChanged_ = false;
    bool seamsInstalled_ = false;

    bool solutionVisible_ = true;
    int solutionSortOrder_ = 3;
    bool memberListVisible_ = true;
    int resultsLeft_ = 20;
    int resultsTop_ = 20;
    QString factoryWordListDir_;
    int factoryWordListTop_ = 0;
    int factoryWordListLeft_ = 0;
    bool showHelpWarning_ = true;

    std::unique_ptr<QtSoundPlayer> player_;
    std::unique_ptr<SoundOutput> testOutput_;
};

} // namespace lettrava
