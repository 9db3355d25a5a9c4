#include "ui/dialogs/TPreferencesForm.h"
#include "ui/platform/WindowLanguage.h"

#include <algorithm>

#include "core/platform/Paths.h"
#include "ui/dialogs/THelpForm.h"
#include "ui/platform/FileChooser.h"
#include "ui/platform/GameText.h"
#include "ui/platform/LowColour.h"
#include "ui/widgets/TAdvancedPanel.h"
#include "ui/widgets/TPictureButton.h"

#include <QCoreApplication>
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
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace lettrava {

namespace {

const char* const kSortOrders[4] = {QT_TRANSLATE_NOOP("Word order", "Input Order"), QT_TRANSLATE_NOOP("Word order", "Alphabetically"), QT_TRANSLATE_NOOP("Word order", "Length Ascending"), QT_TRANSLATE_NOOP("Word order", "Length Descending")};

QFont limitFontSize(QFont font)
{
    if (font.pointSize() > TPreferencesForm::kMaxFontSize)
        font.setPointSize(TPreferencesForm::kMaxFontSize);
    return font;
}

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

TPreferencesForm::TPreferencesForm(GamePreferences& preferences, QWidget* parent)
    : QDialog(parent), preferences_(&preferences)
{
    setObjectName(QStringLiteral("PreferencesForm"));
    setWindowTitle(tr("Lettrava Preferences"));
    setWindowIcon(pictures().appIcon);
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildMenus();
    layout->addWidget(mnuGeneral_);
    layout->addWidget(mnuSounds_);

    pgcPreferences_ = new QTabWidget(this);
    pgcPreferences_->setObjectName(QStringLiteral("pgcPreferences"));
    pgcPreferences_->addTab(buildGeneralPage(), tr("General"));
    pgcPreferences_->addTab(buildSoundsPage(), tr("Sounds"));
    layout->addWidget(pgcPreferences_, 1);
    layout->addWidget(buildBottomBar());

    // Each page has its own menu bar.
    auto swapMenus = [this](int index) {
        mnuGeneral_->setVisible(index == 0);
        mnuSounds_->setVisible(index == 1);
    };
    connect(pgcPreferences_, &QTabWidget::currentChanged, this, swapMenus);
    swapMenus(0);

    cmbDictionary_->addItems(preferences.dictionaryNames());
    loadControls();
    applyColourDepth();
    loadWallpaper();
}

TPreferencesForm::~TPreferencesForm()
{
    if (previewingSounds_ && preferences_)
        preferences_->setSoundPreview({});
}

// ------------------------------------------------------------------ building

void TPreferencesForm::buildMenus()
{
    mnuGeneral_ = new QMenuBar(this);
    mnuGeneral_->setObjectName(QStringLiteral("mnuGeneral"));
    mnuSounds_ = new QMenuBar(this);
    mnuSounds_->setObjectName(QStringLiteral("mnuSounds"));

    for (QMenuBar* bar : {mnuGeneral_, mnuSounds_}) {
        QMenu* options = bar->addMenu(tr("&Options"));
        options->addAction(tr("&Save"), this, &TPreferencesForm::save);
        options->addAction(tr("&Close"), this, &TPreferencesForm::closeWithoutSaving);
    }

    QMenu* game = mnuGeneral_->addMenu(tr("&Game"));
    game->addAction(tr("Board Font"), this, &TPreferencesForm::modifyGameBoardFont);
    QMenu* lists = mnuGeneral_->addMenu(tr("&Lists"));
    lists->addAction(tr("&Font"), this, &TPreferencesForm::modifyWordListFont);
    QMenu* sortMenu = lists->addMenu(tr("&Sort order"));
    auto* sortGroup = new QActionGroup(this);
    for (int i = 0; i < 4; ++i) {
        QAction* a = sortMenu->addAction(QCoreApplication::translate("Word order", kSortOrders[i]));
        a->setCheckable(true);
        sortGroup->addAction(a);
        connect(a, &QAction::triggered, this, [this, i] { selectSortOrder(i); });
        actSortOrder_[static_cast<std::size_t>(i)] = a;
    }
    QMenu* wallpaper = mnuGeneral_->addMenu(tr("&Wallpaper"));
    wallpaper->setObjectName(QStringLiteral("mnuWallpaper"));
    wallpaper->addAction(tr("Browse"), this, &TPreferencesForm::browseWallpaper);
    wallpaper->addAction(tr("Revert"), this, &TPreferencesForm::revertWallpaper);
    QMenu* style = wallpaper->addMenu(tr("Style"));
    auto* styleGroup = new QActionGroup(this);
    actStyleTile_ = style->addAction(tr("Tile"));
    actStyleStretch_ = style->addAction(tr("Stretch"));
    for (QAction* a : {actStyleTile_, actStyleStretch_}) {
        a->setCheckable(true);
        styleGroup->addAction(a);
    }
    connect(actStyleTile_, &QAction::triggered, this, [this] { setTiled(true); });
    connect(actStyleStretch_, &QAction::triggered, this, [this] { setTiled(false); });

    QMenu* sound = mnuSounds_->addMenu(tr("Sou&nd"));
    QAction* browse = sound->addAction(tr("Browse"), this, [this] {
        if (int row = focusedSoundRow(); row >= 0)
            browseSound(row);
    });
    browse->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    QAction* test = sound->addAction(tr("Test"), this, [this] {
        if (int row = focusedSoundRow(); row >= 0)
            testSound(row);
    });
    test->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    actStopTest_ = sound->addAction(tr("Stop Test"), this, [this] {
        if (btnStopTest_->isVisible())
            stopTest();
    });
    QAction* enable = sound->addAction(tr("Enable"), this, [this] {
        if (int row = focusedSoundRow(); row >= 0)
            chkSound_[static_cast<std::size_t>(row)]->toggle();
    });
    enable->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    sound->addSeparator();
    sound->addAction(tr("Check &All"), this, [this] { setAllSoundsEnabled(true); });
    sound->addAction(tr("&Uncheck All"), this, [this] { setAllSoundsEnabled(false); });

    for (QMenuBar* bar : {mnuGeneral_, mnuSounds_})
        bar->addAction(tr("&Help"), this, [] { showHelpTopic(QStringLiteral("Preferences.htm")); });
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
    auto* fonts = new QGroupBox(tr("Fonts"), pnlGeneral_);
    auto* fontGrid = new QGridLayout(fonts);
    lblProto_ = new QLabel(QStringLiteral("Lettrava"), fonts);
    lblProto_->setObjectName(QStringLiteral("lblProto"));
    lblProto_->setMinimumWidth(160);
    auto* btnGameFont = plainButton(tr("&Modify"), "btnGameFont", fonts);
    lblWordListSample_ = new QLabel(tr("WORDS  LETTERS"), fonts);
    lblWordListSample_->setObjectName(QStringLiteral("lblWordListSample"));
    auto* btnListFont = plainButton(tr("Modif&y"), "btnWordListFont", fonts);
    fontGrid->addWidget(new QLabel(tr("Game board font:"), fonts), 0, 0);
    fontGrid->addWidget(lblProto_, 0, 1);
    fontGrid->addWidget(btnGameFont, 0, 2);
    fontGrid->addWidget(new QLabel(tr("Word Lists"), fonts), 1, 0);
    auto* fontLabel = new QLabel(tr("Font:"), fonts);
    fontGrid->addWidget(fontLabel, 2, 0);
    fontGrid->addWidget(lblWordListSample_, 2, 1);
    fontGrid->addWidget(btnListFont, 2, 2);
    cmbDefaultSortOrder_ = new QComboBox(fonts);
    cmbDefaultSortOrder_->setObjectName(QStringLiteral("cmbDefaultSortOrder"));
    for (const char* order : kSortOrders)
        cmbDefaultSortOrder_->addItem(QCoreApplication::translate("Word order", order));
    auto* sortLabel = new QLabel(tr("De&fault sort order:"), fonts);
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
    auto* misc = new QGroupBox(tr("Words"), pnlGeneral_);
    auto* miscGrid = new QGridLayout(misc);
    edtDefinitionLookupURL_ = new QLineEdit(misc);
    edtDefinitionLookupURL_->setObjectName(QStringLiteral("edtDefinitionLookupURL"));
    auto* urlLabel = new QLabel(tr("Definition loo&kup address:"), misc);
    urlLabel->setBuddy(edtDefinitionLookupURL_);
    miscGrid->addWidget(urlLabel, 0, 0, 1, 2);
    miscGrid->addWidget(edtDefinitionLookupURL_, 1, 0, 1, 2);
    cmbDictionary_ = new QComboBox(misc);
    cmbDictionary_->setObjectName(QStringLiteral("cmbDictionary"));
    auto* dictLabel = new QLabel(tr("Use &dictionaries:"), misc);
    dictLabel->setBuddy(cmbDictionary_);
    miscGrid->addWidget(dictLabel, 2, 0);
    miscGrid->addWidget(cmbDictionary_, 2, 1);
    auto* btnReload = plainButton(tr("&Reload Dictionaries"), "btnReloadDictionaries", misc);
    miscGrid->addWidget(btnReload, 3, 1);
    // Asks for the saved choice to be loaded again (its file changed on disk, say).
    connect(btnReload, &QPushButton::clicked, this, [this] { preferences_->reloadDictionaries(); });
    chkGeneralShowTips_ = new QCheckBox(tr("Show &Tip of the Day At Startup"), misc);
    chkGeneralShowTips_->setObjectName(QStringLiteral("chkGeneralShowTips"));
    miscGrid->addWidget(chkGeneralShowTips_, 4, 0, 1, 2);
    // The windows' language: each in its own name, the system's first.
    cmbLanguage_ = new QComboBox(misc);
    cmbLanguage_->setObjectName(QStringLiteral("cmbLanguage"));
    cmbLanguage_->addItem(tr("The system's language"), QString());
    for (const WindowLanguage& l : windowLanguages())
        cmbLanguage_->addItem(QString::fromUtf8(l.name), QLatin1String(l.code));
    auto* languageLabel = new QLabel(tr("Lang&uage:"), misc);
    languageLabel->setBuddy(cmbLanguage_);
    miscGrid->addWidget(languageLabel, 5, 0);
    miscGrid->addWidget(cmbLanguage_, 5, 1);
    auto* languageNote = new QLabel(tr("The windows change language when Lettrava starts next."), misc);
    languageNote->setObjectName(QStringLiteral("lblLanguageNote"));
    languageNote->setWordWrap(true);
    miscGrid->addWidget(languageNote, 6, 0, 1, 2);
    grid->addWidget(misc, 1, 0);

    // Wallpaper.
    auto* wall = new QGroupBox(tr("Wallpaper"), pnlGeneral_);
    auto* wallGrid = new QGridLayout(wall);
    edtWallpaper_ = new QLineEdit(wall);
    edtWallpaper_->setObjectName(QStringLiteral("edtWallpaper"));
    btnWallpaperBrowse_ = plainButton(tr("&Browse..."), "btnWallpaperBrowse", wall);
    chkWallpaperTile_ = new QCheckBox(tr("T&ile"), wall);
    chkWallpaperTile_->setObjectName(QStringLiteral("chkWallpaperTile"));
    chkWallpaperStretch_ = new QCheckBox(tr("Str&etch"), wall);
    chkWallpaperStretch_->setObjectName(QStringLiteral("chkWallpaperStretch"));
    btnWallpaperRevert_ = plainButton(tr("Re&vert To Default"), "btnWallpaperRevert", wall);
    pnlWallpaper_ = new TAdvancedPanel(wall);
    pnlWallpaper_->setObjectName(QStringLiteral("pnlWallpaper"));
    pnlWallpaper_->setBevels(TAdvancedPanel::Bevel::Lowered, TAdvancedPanel::Bevel::None, 2);
    pnlWallpaper_->setMinimumSize(220, 150);
    auto* previewLayout = new QVBoxLayout(pnlWallpaper_);
    lblLowColour_ = new QLabel(tr(kLowColourText), pnlWallpaper_);
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
        lblSound_[row] = new TFlatButton(soundCaption(i), rows);
        lblSound_[row]->setObjectName(QStringLiteral("lbl") + control);
        lblSound_[row]->setToolTip(soundCaptionHint(i));
        chkSound_[row] = new QCheckBox(rows);
        chkSound_[row]->setObjectName(QStringLiteral("chk") + control);
        chkSound_[row]->setAccessibleName(soundCaption(i));
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
    btnStopTest_->setToolTip(tr("Stop"));
    btnStopTest_->resize(btnStopTest_->sizeHint());
    btnStopTest_->hide();
    connect(btnStopTest_, &TPictureButton::clicked, this, &TPreferencesForm::stopTest);
    tmrTest_ = new QTimer(this);
    tmrTest_->setObjectName(QStringLiteral("tmrTest"));
    tmrTest_->setInterval(100);
    connect(tmrTest_, &QTimer::timeout, this, &TPreferencesForm::updateTestTimer);

    auto* bottom = new QHBoxLayout();
    chkDisableAllSound_ = new QCheckBox(tr("&Disable All Sound"), pnlSounds_);
    chkDisableAllSound_->setObjectName(QStringLiteral("chkDisableAllSound"));
    auto* btnCheckAll = plainButton(tr("Check &All"), "btnCheckAll", pnlSounds_);
    auto* btnUncheckAll = plainButton(tr("&Uncheck All"), "btnUncheckAll", pnlSounds_);
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
        tr("Note:  If changing preferences during a round, some changes may not take effect until the next round."),
        pnlBottom_);
    note->setWordWrap(true);
    bar->addWidget(note, 1);
    struct Item {
        const char* name;
        const char* label;
        void (TPreferencesForm::*slot)();
    };
    const Item items[] = {{"btnSave", QT_TR_NOOP("&Save"), &TPreferencesForm::save},
                          {"btnClose", QT_TR_NOOP("&Close"), &TPreferencesForm::closeWithoutSaving},
                          {"btnHelp", QT_TR_NOOP("Hel&p"), nullptr}}; // Alt+H belongs to the "&Help" menu
    for (const Item& item : items) {
        auto* button = new TPictureButton(pnlBottom_);
        button->setObjectName(QLatin1String(item.name));
        button->setPictureSize(QSize(30, 30));
        const QString text = tr(item.label);
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

void TPreferencesForm::loadControls()
{
    const GamePreferences::Choices c = preferences_->choices();
    lblProto_->setFont(c.gameBoardFont);
    lblWordListSample_->setFont(c.wordListFont);
    selectSortOrder(c.sortOrder);
    edtDefinitionLookupURL_->setText(c.lookupURL);
    chkGeneralShowTips_->setChecked(c.showTips);
    edtWallpaper_->setText(c.wallpaper);
    setTiled(c.wallpaperTiled);
    cmbDictionary_->setCurrentIndex(preferences_->dictionaryIndex());
    cmbLanguage_->setCurrentIndex(std::max(0, cmbLanguage_->findData(c.language)));

    for (std::size_t i = 0; i < kSoundEventCount; ++i) {
        edtSound_[i]->setText(c.sounds.files[i]);
        chkSound_[i]->setChecked(c.sounds.enabled[i]);
        refreshSoundStatus(static_cast<int>(i));
    }
    chkDisableAllSound_->setChecked(c.sounds.disableAll);
    loadWallpaper();
}

GamePreferences::Choices TPreferencesForm::choicesFromControls() const
{
    GamePreferences::Choices c;
    c.gameBoardFont = lblProto_->font();
    c.wordListFont = lblWordListSample_->font();
    c.sortOrder = cmbDefaultSortOrder_->currentIndex();
    c.lookupURL = edtDefinitionLookupURL_->text();
    c.showTips = chkGeneralShowTips_->isChecked();
    c.wallpaper = edtWallpaper_->text();
    c.wallpaperTiled = chkWallpaperTile_->isChecked();
    c.dictionary = cmbDictionary_->currentText();
    c.language = cmbLanguage_->currentData().toString();
    c.sounds = soundSettings();
    return c;
}

SoundSettings TPreferencesForm::soundSettings() const
{
    SoundSettings s;
    for (std::size_t i = 0; i < kSoundEventCount; ++i) {
        s.files[i] = edtSound_[i]->text();
        s.enabled[i] = chkSound_[i]->isChecked();
    }
    s.disableAll = chkDisableAllSound_->isChecked();
    return s;
}

void TPreferencesForm::save()
{
    preferences_->save(choicesFromControls());
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
        preferences_->setSoundPreview([this] { return soundSettings(); });
        previewingSounds_ = true;
    }
    QDialog::showEvent(event);
}

void TPreferencesForm::hideEvent(QHideEvent* event)
{
    btnStopTest_->hide();
    tmrTest_->stop();
    if (!event->spontaneous() && previewingSounds_) {
        preferences_->setSoundPreview({});
        previewingSounds_ = false;
    }
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
    dialog.setWindowTitle(boardFont ? tr("Game Board Font") : tr("Word List Font"));
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
    if (lowColourDisplay())
        pnlWallpaper_->clearWallpaper();
    else
        pnlWallpaper_->setWallpaper(GamePreferences::loadWallpaper(edtWallpaper_->text()), chkWallpaperTile_->isChecked());
}

void TPreferencesForm::browseWallpaper()
{
    if (lowColourDisplay())
        return;
    const QString file = chooseOpenFile(this, tr("Select Lettrava Wallpaper"), QString(),
                                        tr("Bitmaps (*.bmp);;Pictures (*.bmp *.png *.jpg *.jpeg)"));
    if (file.isEmpty())
        return;
    edtWallpaper_->setText(file);
    loadWallpaper();
}

void TPreferencesForm::revertWallpaper()
{
    if (lowColourDisplay())
        return;
    edtWallpaper_->setText(QLatin1String(GamePreferences::kDefaultWallpaperText));
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
    play->setToolTip(exists ? tr("Play Sound") : tr("%1 does not exist").arg(text));
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
                                        tr("Select sound for %1").arg(soundCaption(event)),
                                        folder, tr("Wave sounds (*.wav);;All files (*)"));
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
    preferences_->testOutput().play(resolveSoundPath(edtSound_[row]->text()), false);
    // The stop button sits just right of the play button, a little higher.
    const QPoint at = play->mapTo(pnlSounds_, QPoint(play->width() + 4, -4));
    btnStopTest_->move(at);
    btnStopTest_->raise();
    btnStopTest_->show();
    tmrTest_->start();
}

void TPreferencesForm::updateTestTimer()
{
    if (!preferences_->testOutput().isPlaying()) {
        btnStopTest_->hide();
        tmrTest_->stop();
    }
}

void TPreferencesForm::stopTest()
{
    preferences_->testOutput().stop();
    btnStopTest_->hide();
    tmrTest_->stop();
}

void TPreferencesForm::setAllSoundsEnabled(bool on)
{
    for (QCheckBox* box : chkSound_)
        box->setChecked(on);
}

} // namespace lettrava
