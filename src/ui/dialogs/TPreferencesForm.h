#pragma once

#include "ui/platform/GamePreferences.h"
#include "ui/platform/SharedPictures.h"

#include <QDialog>
#include <QFont>
#include <QPixmap>
#include <QPointer>

#include <array>

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

// The preferences window, "Lettrava Preferences": the dialog that edits the
// program's preferences (GamePreferences).
//
// Each time it is shown its controls are filled from the preferences. Save
// hands the controls' values to the preferences, which write them to the
// settings store, and closes the window accepted; closing it any other way
// (Close, Esc, the title bar) drops the unsaved changes. While it is open the
// event sounds follow its Sounds page.
class TPreferencesForm : public QDialog {
    Q_OBJECT
public:
    enum class Page { General = 0, Sounds = 1 };

    explicit TPreferencesForm(GamePreferences& preferences, QWidget* parent = nullptr);
    ~TPreferencesForm() override;

    // Chooses the page and shows the window modally; returns the dialog result.
    int showPage(Page page);
    void setPage(Page page);
    Page page() const;

    // A font's name or size was changed while the window was last open.
    bool fontChanged() const { return fontChanged_; }
    // The sound choices as the Sounds page holds them, unsaved changes included.
    SoundSettings soundSettings() const;

    // ---- the shared pictures
    const SharedPictures& pictures() const { return SharedPictures::instance(); }
    QPixmap imgWoodA() const { return pictures().woodA; }
    QPixmap imgWoodB() const { return pictures().woodB; }
    QPixmap defaultWallpaper() const { return pictures().defaultWallpaper; }
    // imlPushButtons: 0 up, 1 pressed.
    QPixmap pushButtonPicture(int index) const { return pictures().pushButtons.at(index == 0 ? 0 : 1); }

    static constexpr const char* kLowColourText = QT_TRANSLATE_NOOP("lettrava::TPreferencesForm", "Your screen resolution is currently set to 256 colors or less.  Wallpaper is not supported at this "
        "color depth.  Press the Help button for instructions on increasing your color depth.");
    static constexpr int kMaxFontSize = 20;

public slots:
    // "Save": hands the window's values to the preferences and closes it accepted.
    void save();
    // "Close" (and Esc): closes it, dropping unsaved changes.
    void closeWithoutSaving();

    // Font dialogs of "Modify" (with "Apply").
    void modifyGameBoardFont();
    void modifyWordListFont();
    void browseWallpaper();
    void revertWallpaper();
    // Shows the picture named by the wallpaper field in the preview.
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

    void loadControls(); // the controls' values from the preferences
    void modifyFont(QLabel* sample, bool boardFont);
    void setTiled(bool tiled);
    void refreshSoundStatus(int event);
    void updateTestTimer();
    void selectSortOrder(int order);
    GamePreferences::Choices choicesFromControls() const;

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
    QComboBox* cmbLanguage_ = nullptr;
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

    // Guarded: the main window's children may go in either order at its end.
    QPointer<GamePreferences> preferences_;
    bool fontChanged_ = false;
    bool previewingSounds_ = false;
};

} // namespace lettrava
