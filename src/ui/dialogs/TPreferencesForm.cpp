#include "ui/dialogs/TPreferencesForm.h"

#include "ui/platform/GameText.h"

#include "core/platform/Paths.h"
#include "core/words/Dictionary.h"
#include "ui/platform/FileChooser.h"
#include "ui/platform/LowColour.h"
#include "ui/platform/Settings.h"
#include "ui/widgets/TAdvancedPanel.h"
#include "ui/dialogs/THelpForm.h"
#include "ui/widgets/TPictureButton.h"
#include "ui/platform/WordLookup.h"
#include "ui/platform/GameText.h"

#include <QAction>
#include <QActionGroup>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFontDialog>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QShowEvent>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace lettrava {

namespace {

QPointer<TPreferencesForm>& theForm()
{
    static QPointer<TPreferencesForm> form;
    return form;
}

const char* const kSortOrders[4] = {"Input Order", "Alphabetically", "Length Ascending", "Length Descending"};

// A stored font size outside any sensible range reads as the default.
int fontSize(const IntSetting& s)
{
    const int size = SettingsStore::read(s);
    return size >= 1 && size <= 100 ? size : s.defaultValue;
}

QFont limitFontSize(QFont font)
{
    if (font.pointSize() > TPreferencesForm::kMaxFontSize)
        font.setPointSize(TPreferencesForm::kMaxFontSize);
    return font;
}

// Pictures larger than this are not taken as a wallpaper.
constexpr qint64 kMaxWallpaperPixels = 6000LL * 6000LL;
constexpr qint64 kMaxWallpaperBytes = 64LL * 1024 * 1024;

QString programFolder() { return pathToQt(Paths::programFolder()); }

// A file chosen inside the program folder is kept relative to it, so that
// the setting survives a move of the whole folder.
QString relativeToProgramFolder(const QString& file)
{
    const QString folder = QDir::cleanPath(programFolder()) + QLatin1Char('/');
    const QString clean = QDir::cleanPath(file);
    if (clean.startsWith(folder, Qt::CaseInsensitive))
        return clean.mid(folder.size());
    return clean;
}

QPushButton* plainButton(const QString& text, const char* name, QWidget* parent)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    return b;
}

} // namespace

TPreferencesForm* TPreferencesForm::instance() { return theForm().data(); }

TPreferencesForm::TPreferencesForm(QWidget* parent, SoundOutputs outputs) : QDialog(parent)
{
    theForm() = this;
    setObjectName(QStringLiteral("PreferencesForm"));
    setWindowTitle(QStringLiteral("Lettrava Preferences"));
    setWindowIcon(pictures().appIcon);
    setModal(true);

    player_ = std::make_unique<QtSoundPlayer>(outputs.events ? std::move(outputs.events) : makeSoundOutput(),
                                              [this] { return soundControls_(); });
    testOutput_ = outputs.test ? std::move(outputs.test) : makeSoundOutput();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildMenus();
    layout->addWidget(mnuGeneral_);
    layout->addWidget(mnuSounds_);

    pgcPreferences_ = new QTabWidget(this);
    pgcPreferences_->setObjectName(QStringLiteral("pgcPreferences"));
    pgcPreferences_->addTab(buildGeneralPage(), QStringLiteral("General"));
    pgcPreferences_->addTab(buildSoundsPage(), QStringLiteral("Sounds"));
    layout->addWidget(pgcPreferences_, 1);
    layout->addWidget(buildBottomBar());

    // Each page has its own menu bar.
    auto swapMenus = [this](int index) {
        mnuGeneral_->setVisible(index == 0);
        mnuSounds_->setVisible(index == 1);
    };
    connect(pgcPreferences_, &QTabWidget::currentChanged, this, swapMenus);
    swapMenus(0);

    // Creation: the dictionary list, every value, then the colour depth and the wallpaper.
    std::vector<std::string> names;
    Dictionary::listDictionaries(names, dictionaryPaths_);
    for (const std::string& name : names)
        cmbDictionary_->addItem(toQt(name));
    cmbDictionary_->setCurrentIndex(-1);

    loadMemoryValues();
    loadControls();
    applyColourDepth();
    loadWallpaper();
}

TPreferencesForm::~TPreferencesForm()
{
    writeMemoryValues();
    if (seamsInstalled_) {
        if (&preferences() == this)
            setPreferences(nullptr);
        if (&sounds() == player_.get())
            setSounds(nullptr);
    }
    if (theForm() == this)
        theForm() = nullptr;
}

std::string TPreferencesForm::settingText(const std::string& name, const std::string& fallback)
{
    const TextSetting setting{"", name.c_str(), fallback.c_str()};
    return toBytes(SettingsStore::read(setting));
}

void TPreferencesForm::installSeams()
{
    setPreferences(this);
    setSounds(player_.get());
    seamsInstalled_ = true;
}

// ------------------------------------------------------------------ building

void TPreferencesForm::buildMenus()
{
    mnuGeneral_ = new QMenuBar(this);
    mnuGeneral_->setObjectName(QStringLiteral("mnuGeneral"));
    mnuSounds_ = new QMenuBar(this);
    mnuSounds_->setObjectName(QStringLiteral("mnuSounds"));

    for (QMenuBar* bar : {mnuGeneral_, mnuSounds_}) {
        QMenu* options = bar->addMenu(QStringLiteral("&Options"));
        options->addAction(QStringLiteral("&Save"), this, &TPreferencesForm::save);
        options->addAction(QStringLiteral("&Close"), this, &TPreferencesForm::closeWithoutSaving);
    }

    QMenu* game = mnuGeneral_->addMenu(QStringLiteral("&Game"));
    game->addAction(QStringLiteral("Board Font"), this, &TPreferencesForm::modifyGameBoardFont);
    QMenu* lists = mnuGeneral_->addMenu(QStringLiteral("&Lists"));
    lists->addAction(QStringLiteral("&Font"), this, &TPreferencesForm::modifyWordListFont);
    QMenu* sortMenu = lists->addMenu(QStringLiteral("&Sort order"));
    auto* sortGroup = new QActionGroup(this);
    for (int i = 0; i < 4; ++i) {
        QAction* a = sortMenu->addAction(QString::fromLatin1(kSortOrders[i]));
        a->setCheckable(true);
        sortGroup->addAction(a);
        connect(a, &QAction::triggered, this, [this, i] { selectSortOrder(i); });
        actSortOrder_[static_cast<std::size_t>(i)] = a;
    }
    QMenu* wallpaper = mnuGeneral_->addMenu(QStringLiteral("&Wallpaper"));
    wallpaper->setObjectName(QStringLiteral("mnuWallpaper"));
    wallpaper->addAction(QStringLiteral("Browse"), this, &TPreferencesForm::browseWallpaper);
    wallpaper->addAction(QStringLiteral("Revert"), this, &TPreferencesForm::revertWallpaper);
    QMenu* style = wallpaper->addMenu(QStringLiteral("Style"));
    auto* styleGroup = new QActionGroup(this);
    actStyleTile_ = style->addAction(QStringLiteral("Tile"));
    actStyleStretch_ = style->addAction(QStringLiteral("Stretch"));
    for (QAction* a : {actStyleTile_, actStyleStretch_}) {
        a->setCheckable(true);
        styleGroup->addAction(a);
    }
    connect(actStyleTile_, &QAction::triggered, this, [this] { setTiled(true); });
    connect(actStyleStretch_, &QAction::triggered, this, [this] { setTiled(false); });

    QMenu* sound = mnuSounds_->addMenu(QStringLiteral("Sou&nd"));
    QAction* browse = sound->addAction(QStringLiteral("Browse"), this, [this] {
        if (int row = focusedSoundRow(); row >= 0)
            browseSound(row);
    });
    browse->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    QAction* test = sound->addAction(QStringLiteral("Test"), this, [this] {
        if (int row = focusedSoundRow(); row >= 0)
            testSound(row);
    });
    test->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    actStopTest_ = sound->addAction(QStringLiteral("Stop Test"), this, [this] {
        if (btnStopTest_->isVisible())
            stopTest();
    });
    QAction* enable = sound->addAction(QStringLiteral("Enable"), this, [this] {
        if (int row = focusedSoundRow(); row >= 0)
            chkSound_[static_cast<std::size_t>(row)]->toggle();
    });
    enable->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    sound->addSeparator();
    sound->addAction(QStringLiteral("Check &All"), this, [this] { setAllSoundsEnabled(true); });
    sound->addAction(QStringLiteral("&Uncheck All"), this, [this] { setAllSoundsEnabled(false); });

    for (QMenuBar* bar : {mnuGeneral_, mnuSounds_})
        bar->addAction(QStringLiteral("&Help"), this, [] { showHelpTopic(QStringLiteral("Preferences.htm")); });
}

QWidget* TPreferencesForm::buildGeneralPage()
{
    pnlGeneral_ = new TAdvancedPanel(this);
    pnlGeneral_->setObjectName(QStringLiteral("pnlGeneral"));
    auto* grid = new QGridLayout(pnlGeneral_);
    grid->setContentsMargins(14, 12, 14, 12);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(10);

    // Fonts.
    auto* fonts = new QGroupBox(QStringLiteral("Fonts"), pnlGeneral_);
    auto* fontGrid = new QGridLayout(fonts);
    lblProto_ = new QLabel(QStringLiteral("Lettrava"), fonts);
    lblProto_->setObjectName(QStringLiteral("lblProto"));
    lblProto_->setMinimumWidth(160);
    auto* btnGameFont = plainButton(QStringLiteral("&Modify"), "btnGameFont", fonts);
    lblWordListSample_ = new QLabel(QStringLiteral("WORDS  LETTERS"), fonts);
    lblWordListSample_->setObjectName(QStringLiteral("lblWordListSample"));
    auto* btnListFont = plainButton(QStringLiteral("Modif&y"), "btnWordListFont", fonts);
    fontGrid->addWidget(new QLabel(QStringLiteral("Game board font:"), fonts), 0, 0);
    fontGrid->addWidget(lblProto_, 0, 1);
    fontGrid->addWidget(btnGameFont, 0, 2);
    fontGrid->addWidget(new QLabel(QStringLiteral("Word Lists"), fonts), 1, 0);
    auto* fontLabel = new QLabel(QStringLiteral("Font:"), fonts);
    fontGrid->addWidget(fontLabel, 2, 0);
    fontGrid->addWidget(lblWordListSample_, 2, 1);
    fontGrid->addWidget(btnListFont, 2, 2);
    cmbDefaultSortOrder_ = new QComboBox(fonts);
    cmbDefaultSortOrder_->setObjectName(QStringLiteral("cmbDefaultSortOrder"));
    for (const char* order : kSortOrders)
        cmbDefaultSortOrder_->addItem(QString::fromLatin1(order));
    auto* sortLabel = new QLabel(QStringLiteral("De&fault sort order:"), fonts);
    sortLabel->setBuddy(cmbDefaultSortOrder_);
    fontGrid->addWidget(sortLabel, 3, 0);
    fontGrid->addWidget(cmbDefaultSortOrder_, 3, 1, 1, 2);
    connect(btnGameFont, &QPushButton::clicked, this, &TPreferencesForm::modifyGameBoardFont);
    connect(btnListFont, &QPushButton::clicked, this, &TPreferencesForm::modifyWordListFont);
    connect(cmbDefaultSortOrder_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i >= 0 && i < 4)
            actSortOrder_[static_cast<std::size_t>(i)]->setChecked(true);
    });
    grid->addWidget(fonts, 0, 0);

    // Lookup, tips and dictionary.
    auto* misc = new QGroupBox(QStringLiteral("Words"), pnlGeneral_);
    auto* miscGrid = new QGridLayout(misc);
    edtDefinitionLookupURL_ = new QLineEdit(misc);
    edtDefinitionLookupURL_->setObjectName(QStringLiteral("edtDefinitionLookupURL"));
    auto* urlLabel = new QLabel(QStringLiteral("Definition loo&kup address:"), misc);
    urlLabel->setBuddy(edtDefinitionLookupURL_);
    miscGrid->addWidget(urlLabel, 0, 0, 1, 2);
    miscGrid->addWidget(edtDefinitionLookupURL_, 1, 0, 1, 2);
    cmbDictionary_ = new QComboBox(misc);
    cmbDictionary_->setObjectName(QStringLiteral("cmbDictionary"));
    auto* dictLabel = new QLabel(QStringLiteral("Use &dictionaries:"), misc);
    dictLabel->setBuddy(cmbDictionary_);
    miscGrid->addWidget(dictLabel, 2, 0);
    miscGrid->addWidget(cmbDictionary_, 2, 1);
    auto* btnReload = plainButton(QStringLiteral("&Reload Dictionaries"), "btnReloadDictionaries", misc);
    miscGrid->addWidget(btnReload, 3, 1);
    connect(btnReload, &QPushButton::clicked, this, &TPreferencesForm::reloadDictionaries);
    chkGeneralShowTips_ = new QCheckBox(QStringLiteral("Show &Tip of the Day At Startup"), misc);
    chkGeneralShowTips_->setObjectName(QStringLiteral("chkGeneralShowTips"));
    miscGrid->addWidget(chkGeneralShowTips_, 4, 0, 1, 2);
    grid->addWidget(misc, 1, 0);

    // Wallpaper.
    auto* wall = new QGroupBox(QStringLiteral("Wallpaper"), pnlGeneral_);
    auto* wallGrid = new QGridLayout(wall);
    edtWallpaper_ = new QLineEdit(wall);
    edtWallpaper_->setObjectName(QStringLiteral("edtWallpaper"));
    btnWallpaperBrowse_ = plainButton(QStringLiteral("&Browse..."), "btnWallpaperBrowse", wall);
    chkWallpaperTile_ = new QCheckBox(QStringLiteral("T&ile"), wall);
    chkWallpaperTile_->setObjectName(QStringLiteral("chkWallpaperTile"));
    chkWallpaperStretch_ = new QCheckBox(QStringLiteral("Str&etch"), wall);
    chkWallpaperStretch_->setObjectName(QStringLiteral("chkWallpaperStretch"));
    btnWallpaperRevert_ = plainButton(QStringLiteral("Re&vert To Default"), "btnWallpaperRevert", wall);
    pnlWallpaper_ = new TAdvancedPanel(wall);
    pnlWallpaper_->setObjectName(QStringLiteral("pnlWallpaper"));
    pnlWallpaper_->setBevels(TAdvancedPanel::Bevel::Lowered, TAdvancedPanel::Bevel::None, 2);
    pnlWallpaper_->setMinimumSize(220, 150);
    auto* previewLayout = new QVBoxLayout(pnlWallpaper_);
    lblLowColour_ = new QLabel(QString::fromLatin1(kLowColourText), pnlWallpaper_);
    lblLowColour_->setObjectName(QStringLiteral("lblLowColour"));
    lblLowColour_->setWordWrap(true);
    previewLayout->addWidget(lblLowColour_);
    wallGrid->addWidget(edtWallpaper_, 0, 0, 1, 2);
    wallGrid->addWidget(btnWallpaperBrowse_, 0, 2);
    wallGrid->addWidget(chkWallpaperTile_, 1, 0);
    wallGrid->addWidget(chkWallpaperStretch_, 1, 1);
    wallGrid->addWidget(btnWallpaperRevert_, 1, 2);
    wallGrid->addWidget(pnlWallpaper_, 2, 0, 1, 3);
    grid->addWidget(wall, 0, 1, 2, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);

    // Tile and Stretch exclude each other.
    auto* styleButtons = new QButtonGroup(this);
    styleButtons->setExclusive(true);
    styleButtons->addButton(chkWallpaperTile_);
    styleButtons->addButton(chkWallpaperStretch_);
    connect(chkWallpaperTile_, &QCheckBox::toggled, this, [this](bool on) {
        actStyleTile_->setChecked(on);
        actStyleStretch_->setChecked(!on);
        pnlWallpaper_->setTiled(on);
    });
    connect(btnWallpaperBrowse_, &QPushButton::clicked, this, &TPreferencesForm::browseWallpaper);
    connect(btnWallpaperRevert_, &QPushButton::clicked, this, &TPreferencesForm::revertWallpaper);
    connect(edtWallpaper_, &QLineEdit::editingFinished, this, &TPreferencesForm::loadWallpaper);
    return pnlGeneral_;
}

QWidget* TPreferencesForm::buildSoundsPage()
{
    pnlSounds_ = new TAdvancedPanel(this);
    pnlSounds_->setObjectName(QStringLiteral("pnlSounds"));
    auto* outer = new QVBoxLayout(pnlSounds_);
    outer->setContentsMargins(14, 12, 14, 12);
    auto* rows = new QFrame(pnlSounds_);
    rows->setObjectName(QStringLiteral("frmSoundRows"));
    outer->addWidget(rows);
    auto* grid = new QGridLayout(rows);
    grid->setContentsMargins(10, 8, 6, 8);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(5);
    const int stopSpace = 24;
    for (int i = 0; i < kSoundEventCount; ++i) {
        const auto& info = soundEventInfo(i);
        const auto row = static_cast<std::size_t>(i);
        const QString control = QString::fromLatin1(info.control);
        lblSound_[row] = new TFlatButton(QString::fromLatin1(info.caption), rows);
        lblSound_[row]->setObjectName(QStringLiteral("lbl") + control);
        lblSound_[row]->setToolTip(soundCaptionHint(i));
        chkSound_[row] = new QCheckBox(rows);
        chkSound_[row]->setObjectName(QStringLiteral("chk") + control);
        chkSound_[row]->setAccessibleName(QString::fromLatin1(info.caption));
        edtSound_[row] = new QLineEdit(rows);
        edtSound_[row]->setObjectName(QStringLiteral("edt") + control);
        edtSound_[row]->setToolTip(soundFileHint(i));
        edtSound_[row]->setMinimumWidth(260);
        btnPlay_[row] = new TPictureButton(rows);
        btnPlay_[row]->setObjectName(QStringLiteral("btnPlay") + control);
        btnPlay_[row]->setPictureSize(QSize(20, 20));
        grid->addWidget(chkSound_[row], i, 0);
        grid->addWidget(lblSound_[row], i, 1);
        grid->addWidget(edtSound_[row], i, 2);
        grid->addWidget(btnPlay_[row], i, 3);
        connect(lblSound_[row], &TFlatButton::clicked, this, [this, i] { browseSound(i); });
        connect(btnPlay_[row], &TPictureButton::clicked, this, [this, i] { testSound(i); });
        connect(edtSound_[row], &QLineEdit::textChanged, this, [this, i] { refreshSoundStatus(i); });
    }
    grid->setColumnMinimumWidth(4, stopSpace);
    grid->setColumnStretch(2, 1);

    btnStopTest_ = new TPictureButton(pnlSounds_);
    btnStopTest_->setObjectName(QStringLiteral("btnStopTest"));
    btnStopTest_->setPictures(pictures().soundStop, pictures().soundStop);
    btnStopTest_->setPictureSize(QSize(20, 20));
    btnStopTest_->setToolTip(QStringLiteral("Stop"));
    btnStopTest_->resize(btnStopTest_->sizeHint());
    btnStopTest_->hide();
    connect(btnStopTest_, &TPictureButton::clicked, this, &TPreferencesForm::stopTest);
    tmrTest_ = new QTimer(this);
    tmrTest_->setObjectName(QStringLiteral("tmrTest"));
    tmrTest_->setInterval(100);
    connect(tmrTest_, &QTimer::timeout, this, &TPreferencesForm::updateTestTimer);

    auto* bottom = new QHBoxLayout();
    chkDisableAllSound_ = new QCheckBox(QStringLiteral("&Disable All Sound"), pnlSounds_);
    chkDisableAllSound_->setObjectName(QStringLiteral("chkDisableAllSound"));
    auto* btnCheckAll = plainButton(QStringLiteral("Check &All"), "btnCheckAll", pnlSounds_);
    auto* btnUncheckAll = plainButton(QStringLiteral("&Uncheck All"), "btnUncheckAll", pnlSounds_);
    connect(btnCheckAll, &QPushButton::clicked, this, [this] { setAllSoundsEnabled(true); });
    connect(btnUncheckAll, &QPushButton::clicked, this, [this] { setAllSoundsEnabled(false); });
    bottom->addWidget(chkDisableAllSound_);
    bottom->addStretch(1);
    bottom->addWidget(btnCheckAll);
    bottom->addWidget(btnUncheckAll);
    outer->addSpacing(8);
    outer->addLayout(bottom);
    outer->addStretch(1);
    return pnlSounds_;
}

QWidget* TPreferencesForm::buildBottomBar()
{
    pnlBottom_ = new TAdvancedPanel(this);
    pnlBottom_->setObjectName(QStringLiteral("pnlBottom"));
    auto* bar = new QHBoxLayout(pnlBottom_);
    bar->setContentsMargins(12, 8, 12, 8);
    auto* note = new QLabel(
        QStringLiteral("Note:  If changing preferences during a round, some changes may not take effect until the next round."),
        pnlBottom_);
    note->setWordWrap(true);
    bar->addWidget(note, 1);
    struct Item {
        const char* name;
        const char* label;
        void (TPreferencesForm::*slot)();
    };
    const Item items[] = {{"btnSave", "&Save", &TPreferencesForm::save},
                          {"btnClose", "&Close", &TPreferencesForm::closeWithoutSaving},
                          {"btnHelp", "Hel&p", nullptr}}; // Alt+H belongs to the "&Help" menu
    for (const Item& item : items) {
        auto* button = new TPictureButton(pnlBottom_);
        button->setObjectName(QLatin1String(item.name));
        button->setPictureSize(QSize(30, 30));
        const QString text = QString::fromLatin1(item.label);
        button->setAccessibleName(QString(text).remove(QLatin1Char('&')));
        button->setToolTip(QString(text).remove(QLatin1Char('&')));
        auto* label = new QLabel(text, pnlBottom_);
        label->setBuddy(button);
        bar->addSpacing(10);
        bar->addWidget(button);
        bar->addWidget(label);
        if (item.slot)
            connect(button, &TPictureButton::clicked, this, item.slot);
        else
            connect(button, &TPictureButton::clicked, this, [] { showHelpTopic(QStringLiteral("Preferences.htm")); });
    }
    return pnlBottom_;
}

void TPreferencesForm::applyColourDepth()
{
    const bool low = lowColourDisplay();
    lblLowColour_->setVisible(low);
    for (QWidget* w : std::initializer_list<QWidget*>{chkWallpaperTile_, chkWallpaperStretch_, btnWallpaperRevert_,
                                                      edtWallpaper_, btnWallpaperBrowse_})
        w->setEnabled(!low);
    if (low) {
        pnlGeneral_->clearWallpaper();
        pnlSounds_->clearWallpaper();
        pnlBottom_->clearWallpaper();
    } else {
        pnlGeneral_->setWallpaper(imgWoodA());
        pnlSounds_->setWallpaper(imgWoodB());
        pnlBottom_->setWallpaper(imgWoodA());
    }
    // Groups sit on a light veil over the wood, so their text stays readable.
    const QString groups = QStringLiteral(
        "QGroupBox { background: rgba(255, 250, 236, %1); border: 1px solid rgba(90, 50, 20, 140);"
        " border-radius: 6px; margin-top: 1.3em; padding: 6px 4px 4px 4px; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 10px; padding: 0 4px; font-weight: bold; }")
                               .arg(low ? 0 : 120);
    pnlGeneral_->setStyleSheet(groups);
    pnlSounds_->setStyleSheet(QStringLiteral("QFrame#frmSoundRows { background: rgba(255, 250, 236, %1);"
                                             " border: 1px solid rgba(90, 50, 20, 140); border-radius: 6px; }")
                                  .arg(low ? 0 : 120));
    // Text on wood stays readable in dark brown; on pale yellow, black.
    for (TAdvancedPanel* p : {pnlGeneral_, pnlSounds_, pnlBottom_}) {
        QPalette pal = p->palette();
        pal.setColor(QPalette::WindowText, low ? QColor(0, 0, 0) : QColor(52, 28, 8));
        p->setPalette(pal);
    }
}

// ------------------------------------------------------------------ values

void TPreferencesForm::loadMemoryValues()
{
    solutionVisible_ = SettingsStore::read(settings::SolutionVisible);
    solutionSortOrder_ = SettingsStore::read(settings::SolutionSortOrder);
    if (solutionSortOrder_ < 0 || solutionSortOrder_ > 3)
        solutionSortOrder_ = settings::SolutionSortOrder.defaultValue;
    memberListVisible_ = SettingsStore::read(settings::RRMemberList);
    resultsLeft_ = SettingsStore::read(settings::RRLeft);
    resultsTop_ = SettingsStore::read(settings::RRTop);
    factoryWordListDir_ = SettingsStore::read(settings::FactoryWordListDir);
    factoryWordListTop_ = SettingsStore::read(settings::FactoryWordListTop);
    factoryWordListLeft_ = SettingsStore::read(settings::FactoryWordListLeft);
    showHelpWarning_ = SettingsStore::read(settings::ShowHelpWarning);
}

void TPreferencesForm::writeMemoryValues()
{
    SettingsStore::write(settings::RRLeft, resultsLeft_);
    SettingsStore::write(settings::RRTop, resultsTop_);
    SettingsStore::write(settings::SolutionVisible, solutionVisible_);
    SettingsStore::write(settings::SolutionSortOrder, solutionSortOrder_);
    SettingsStore::write(settings::RRMemberList, memberListVisible_);
}

void TPreferencesForm::loadControls()
{
    QFont board(SettingsStore::read(settings::GameFontName));
    board.setPointSize(fontSize(settings::GameFontSize));
    lblProto_->setFont(board);

    QFont list(SettingsStore::read(settings::WordListFontName));
    list.setPointSize(fontSize(settings::WordListFontSize));
    list.setBold(SettingsStore::read(settings::WLBold));
    list.setItalic(SettingsStore::read(settings::WLItalic));
    lblWordListSample_->setFont(list);

    int order = SettingsStore::read(settings::SortOrder);
    if (order < 0 || order > 3)
        order = settings::SortOrder.defaultValue;
    selectSortOrder(order);

    edtDefinitionLookupURL_->setText(SettingsStore::read(settings::LookupURL));
    chkGeneralShowTips_->setChecked(SettingsStore::read(settings::ShowTips));
    edtWallpaper_->setText(SettingsStore::read(settings::Wallpaper));
    setTiled(SettingsStore::read(settings::WallpaperTiled));

    // A stored name that is no entry leaves the choice as it was.
    const int entry = cmbDictionary_->findText(SettingsStore::read(settings::Dictionary), Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (entry >= 0)
        cmbDictionary_->setCurrentIndex(entry);

    const SoundSettings sound = SoundSettings::load();
    for (std::size_t i = 0; i < kSoundEventCount; ++i) {
        edtSound_[i]->setText(sound.files[i]);
        chkSound_[i]->setChecked(sound.enabled[i]);
        refreshSoundStatus(static_cast<int>(i));
    }
    chkDisableAllSound_->setChecked(sound.disableAll);
    loadWallpaper();
}

void TPreferencesForm::writeControls()
{
    const QFont board = lblProto_->font();
    const QFont list = lblWordListSample_->font();
    SettingsStore::write(settings::GameFontName, board.family());
    SettingsStore::write(settings::GameFontSize, board.pointSize());
    SettingsStore::write(settings::WordListFontName, list.family());
    SettingsStore::write(settings::WordListFontSize, list.pointSize());
    SettingsStore::write(settings::WLBold, list.bold());
    SettingsStore::write(settings::WLItalic, list.italic());
    SettingsStore::write(settings::SortOrder, cmbDefaultSortOrder_->currentIndex());
    SettingsStore::write(settings::LookupURL, edtDefinitionLookupURL_->text());
    SettingsStore::write(settings::ShowTips, chkGeneralShowTips_->isChecked());
    SettingsStore::write(settings::Wallpaper, edtWallpaper_->text());
    SettingsStore::write(settings::WallpaperTiled, chkWallpaperTile_->isChecked());
    SettingsStore::write(settings::Dictionary, cmbDictionary_->currentText());
    soundControls_().save();
}

SoundSettings TPreferencesForm::soundControls_() const
{
    SoundSettings s;
    for (std::size_t i = 0; i < kSoundEventCount; ++i) {
        s.files[i] = edtSound_[i]->text();
        s.enabled[i] = chkSound_[i]->isChecked();
    }
    s.disableAll = chkDisableAllSound_->isChecked();
    return s;
}

SoundSettings TPreferencesForm::soundSettings() const { return soundControls_(); }

void TPreferencesForm::save()
{
    writeControls();
    accept();
}

void TPreferencesForm::closeWithoutSaving() { reject(); }

void TPreferencesForm::done(int result)
{
    if (result != QDialog::Accepted)
        loadControls();
    QDialog::done(result);
}

void TPreferencesForm::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) {
        fontChanged_ = false;
        loadControls();
    }
    QDialog::showEvent(event);
}

void TPreferencesForm::hideEvent(QHideEvent* event)
{
    btnStopTest_->hide();
    tmrTest_->stop();
    QDialog::hideEvent(event);
}

int TPreferencesForm::showPage(Page page)
{
    setPage(page);
    return exec();
}

void TPreferencesForm::setPage(Page page) { pgcPreferences_->setCurrentIndex(static_cast<int>(page)); }

TPreferencesForm::Page TPreferencesForm::page() const
{
    return pgcPreferences_->currentIndex() == 1 ? Page::Sounds : Page::General;
}

// ------------------------------------------------------------------ general page

std::string TPreferencesForm::selectedDictionaryFile()
{
    const int index = cmbDictionary_->currentIndex();
    if (index < 0 || static_cast<std::size_t>(index) >= dictionaryPaths_.size())
        return {};
    return dictionaryPaths_[static_cast<std::size_t>(index)];
}

QStringList TPreferencesForm::dictionaryNames() const
{
    QStringList names;
    for (int i = 0; i < cmbDictionary_->count(); ++i)
        names << cmbDictionary_->itemText(i);
    return names;
}

void TPreferencesForm::reloadDictionaries()
{
    // The load asks the installed preferences for the file: make sure that is
    // this window's choice, even before the main window installed it.
    Preferences* previous = &preferences();
    setPreferences(this);
    Dictionary::instance().load();
    setPreferences(previous);
}

QFont TPreferencesForm::gameBoardFont() const { return lblProto_->font(); }
QFont TPreferencesForm::wordListFont() const { return lblWordListSample_->font(); }
int TPreferencesForm::defaultSortOrder() const { return cmbDefaultSortOrder_->currentIndex(); }
QString TPreferencesForm::definitionLookupURL() const { return edtDefinitionLookupURL_->text(); }
bool TPreferencesForm::localLookupAvailable() const { return WordLookup::localLookupAvailable(); }
bool TPreferencesForm::showTips() const { return chkGeneralShowTips_->isChecked(); }
bool TPreferencesForm::wallpaperTiled() const { return chkWallpaperTile_->isChecked(); }

void TPreferencesForm::setDefinitionLookupURL(const QString& address)
{
    edtDefinitionLookupURL_->setText(address);
    SettingsStore::write(settings::LookupURL, address);
}

void TPreferencesForm::saveFactoryWordListSettings(int top, int left, const QString& folder)
{
    factoryWordListTop_ = top;
    factoryWordListLeft_ = left;
    factoryWordListDir_ = folder;
    SettingsStore::write(settings::FactoryWordListTop, top);
    SettingsStore::write(settings::FactoryWordListLeft, left);
    SettingsStore::write(settings::FactoryWordListDir, folder);
}

void TPreferencesForm::disableHelpWarning()
{
    showHelpWarning_ = false;
    SettingsStore::write(settings::ShowHelpWarning, false);
}

bool TPreferencesForm::isFirstRun() const
{
    return !SettingsStore::contains(settings::ShowTips.group, settings::ShowTips.name);
}

void TPreferencesForm::setShowTips(bool on)
{
    SettingsStore::write(settings::ShowTips, on);
    chkGeneralShowTips_->setChecked(on);
}

void TPreferencesForm::selectSortOrder(int order)
{
    if (order < 0 || order > 3)
        return;
    cmbDefaultSortOrder_->setCurrentIndex(order);
    actSortOrder_[static_cast<std::size_t>(order)]->setChecked(true);
}

void TPreferencesForm::modifyGameBoardFont() { modifyFont(lblProto_, true); }
void TPreferencesForm::modifyWordListFont() { modifyFont(lblWordListSample_, false); }

void TPreferencesForm::modifyFont(QLabel* sample, bool boardFont)
{
    const QFont before = sample->font();
    auto applied = [this, sample, boardFont] {
        if (boardFont)
            emit gameBoardFontApplied(sample->font());
        else
            emit wordListFontApplied(sample->font());
    };

    QFontDialog dialog(before, this);
    dialog.setObjectName(QStringLiteral("dlgFont"));
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    dialog.setWindowTitle(boardFont ? QStringLiteral("Game Board Font") : QStringLiteral("Word List Font"));
    // Sizes above the limit are brought back to it as soon as they are chosen.
    connect(&dialog, &QFontDialog::currentFontChanged, &dialog, [&dialog](const QFont& font) {
        if (font.pointSize() > kMaxFontSize)
            dialog.setCurrentFont(limitFontSize(font));
    });
    if (auto* box = dialog.findChild<QDialogButtonBox*>()) {
        QPushButton* apply = box->addButton(QDialogButtonBox::Apply);
        apply->setObjectName(QStringLiteral("btnApply"));
        connect(apply, &QPushButton::clicked, &dialog, [&dialog, sample, applied] {
            sample->setFont(limitFontSize(dialog.currentFont()));
            applied();
        });
    }
    if (dialog.exec() == QDialog::Accepted) {
        sample->setFont(limitFontSize(dialog.selectedFont()));
    } else {
        // Cancel takes back name and size; a style set with Apply stays.
        QFont font = sample->font();
        font.setFamily(before.family());
        font.setPointSize(before.pointSize());
        sample->setFont(font);
    }
    applied();
    const QFont after = sample->font();
    if (after.family() != before.family() || after.pointSize() != before.pointSize())
        fontChanged_ = true;
}

void TPreferencesForm::setTiled(bool tiled)
{
    // In an exclusive pair only checking works: the other box follows.
    (tiled ? chkWallpaperTile_ : chkWallpaperStretch_)->setChecked(true);
    actStyleTile_->setChecked(tiled);
    actStyleStretch_->setChecked(!tiled);
    pnlWallpaper_->setTiled(tiled);
}

void TPreferencesForm::loadWallpaper()
{
    QPixmap picture = defaultWallpaper();
    const QString text = edtWallpaper_->text();
    if (!lowColourDisplay() && text != QLatin1String(kDefaultWallpaperText)) {
        const QFileInfo info(text);
        if (info.isFile() && info.size() <= kMaxWallpaperBytes) {
            QImageReader reader(text);
            const QSize size = reader.size();
            if (size.isValid() && qint64(size.width()) * size.height() <= kMaxWallpaperPixels) {
                const QImage image = reader.read();
                if (!image.isNull())
                    picture = QPixmap::fromImage(image);
            }
        }
    }
    wallpaper_ = picture;
    if (lowColourDisplay())
        pnlWallpaper_->clearWallpaper();
    else
        pnlWallpaper_->setWallpaper(wallpaper_, chkWallpaperTile_->isChecked());
}

void TPreferencesForm::browseWallpaper()
{
    if (lowColourDisplay())
        return;
    const QString file = chooseOpenFile(this, QStringLiteral("Select Lettrava Wallpaper"), QString(),
                                        QStringLiteral("Bitmaps (*.bmp);;Pictures (*.bmp *.png *.jpg *.jpeg)"));
    if (file.isEmpty())
        return;
    edtWallpaper_->setText(file);
    loadWallpaper();
}

void TPreferencesForm::revertWallpaper()
{
    if (lowColourDisplay())
        return;
    edtWallpaper_->setText(QLatin1String(kDefaultWallpaperText));
    loadWallpaper();
}

// ------------------------------------------------------------------ sounds page

int TPreferencesForm::focusedSoundRow() const
{
    const QWidget* focus = focusWidget();
    for (int i = 0; i < kSoundEventCount; ++i)
        if (focus == edtSound_[static_cast<std::size_t>(i)])
            return i;
    return -1;
}

void TPreferencesForm::refreshSoundStatus(int event)
{
    const auto row = static_cast<std::size_t>(event);
    const QString text = edtSound_[row]->text();
    const QString path = resolveSoundPath(text);
    const bool exists = !path.isEmpty() && QFileInfo(path).isFile();
    TPictureButton* play = btnPlay_[row];
    const QPixmap& picture = exists ? pictures().soundReady : pictures().soundMissing;
    play->setPictures(picture, picture);
    play->setToolTip(exists ? QStringLiteral("Play Sound") : text + QStringLiteral(" does not exist"));
    play->setEnabled(exists);
}

void TPreferencesForm::browseSound(int event)
{
    if (event < 0 || event >= kSoundEventCount)
        return;
    const auto row = static_cast<std::size_t>(event);
    const QString current = resolveSoundPath(edtSound_[row]->text());
    const QString folder = current.isEmpty() ? programFolder() : QFileInfo(current).absolutePath();
    const QString file = chooseOpenFile(this,
                                        QStringLiteral("Select sound for ") + QString::fromLatin1(soundEventInfo(event).caption),
                                        folder, QStringLiteral("Wave sounds (*.wav);;All files (*)"));
    if (file.isEmpty())
        return;
    edtSound_[row]->setText(relativeToProgramFolder(file));
    refreshSoundStatus(event);
}

void TPreferencesForm::testSound(int event)
{
    if (event < 0 || event >= kSoundEventCount)
        return;
    const auto row = static_cast<std::size_t>(event);
    TPictureButton* play = btnPlay_[row];
    if (!play->isEnabled())
        return;
    testOutput_->play(resolveSoundPath(edtSound_[row]->text()), false);
    // The stop button sits just right of the play button, a little higher.
    const QPoint at = play->mapTo(pnlSounds_, QPoint(play->width() + 4, -4));
    btnStopTest_->move(at);
    btnStopTest_->raise();
    btnStopTest_->show();
    tmrTest_->start();
}

void TPreferencesForm::updateTestTimer()
{
    if (!testOutput_->isPlaying()) {
        btnStopTest_->hide();
        tmrTest_->stop();
    }
}

void TPreferencesForm::stopTest()
{
    testOutput_->stop();
    btnStopTest_->hide();
    tmrTest_->stop();
}

void TPreferencesForm::setAllSoundsEnabled(bool on)
{
    for (QCheckBox* box : chkSound_)
        box->setChecked(on);
}

} // namespace lettrava
