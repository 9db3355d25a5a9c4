#include "ui/shell/TMainForm.h"

#include "core/game/Game.h"
#include "core/game/SavedGameFile.h"
#include "core/grid/Grid.h"
#include "core/grid/GridFile.h"
#include "core/grid/GridOptions.h"
#include "core/platform/Dialogs.h"
#include "core/platform/Paths.h"
#include "core/platform/Random.h"
#include "core/players/PlayerFileManager.h"
#include "ui/board/BoardLayout.h"
#include "ui/widgets/DrawnIcons.h"
#include "ui/platform/FileChooser.h"
#include "ui/platform/LowColour.h"
#include "ui/platform/Settings.h"
#include "ui/platform/SharedPictures.h"
#include "ui/widgets/TAdvancedPanel.h"
#include "ui/widgets/TFlashingLabel.h"
#include "ui/dialogs/THelpForm.h"
#include "ui/board/TLetterLabel.h"
#include "ui/board/TLetterBoard.h"
#include "ui/widgets/TPictureButton.h"
#include "ui/dialogs/TPlayerInfoDlg.h"
#include "ui/dialogs/TPreferencesForm.h"
#include "ui/widgets/TUpDown.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace lettrava {

namespace {

// Room around the board inside its area, and between the centre's parts.
constexpr int kBoardPad = 8;
constexpr int kMargin = 12;
constexpr int kColumnGap = 16;
constexpr int kRightColumnWidth = 250;

const QColor kIvoryText(255, 244, 214);
const QColor kBrownText(52, 28, 8);

// The area that holds the tiles and letters: a soft dark frame around the
// board that is built, over the centre's wallpaper.
void setTextColour(QWidget* w, const QColor& c)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, c);
    w->setPalette(pal);
}

QColor cellColour(WordEntry::CellColour c)
{
    switch (c) {
    case WordEntry::CellColour::Blue: return QColor(30, 90, 235);
    case WordEntry::CellColour::Yellow: return QColor(240, 185, 0);
    case WordEntry::CellColour::Green: return QColor(20, 160, 60);
    case WordEntry::CellColour::Plain: break;
    }
    return {};
}

Qt::CursorShape cellCursor(WordEntry::Cursor c)
{
    switch (c) {
    case WordEntry::Cursor::Hand: return Qt::PointingHandCursor;
    case WordEntry::Cursor::NotAllowed: return Qt::ForbiddenCursor;
    case WordEntry::Cursor::Arrow: break;
    }
    return Qt::ArrowCursor;
}

QString savedGamesFolder()
{
    return QString::fromStdString(Paths::writableFile("Lettrava.LTG").parent_path().string());
}

const char* const kSavedGamesFilter = "Lettrava Saved Games (*.LTG *.ltg)";

} // namespace

// ------------------------------------------------------------------ creation

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent)
{
    Random::instance().seedFromClock();
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QString::fromLatin1(kTitle));
    setWindowIcon(SharedPictures::instance().appIcon);

    preferences_ = new TPreferencesForm(this);
    preferences_->installSeams();

    buildActions();
    buildMenus();
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildSpeedBar();
    buildCentre();
    layout->addWidget(pnlSpeedBar_);
    layout->addWidget(pnlCenter_, 1);
    setCentralWidget(central);
    buildStatusBar();

    fitToScreen();
    applyPreferences();
    applyColours();
    readSettings();
    setWelcomeVisible(true);
    layoutCentre();
}

TMainForm::~TMainForm()
{
    writeSettings();
    game_.reset();
    shutDownHelp();
}

void TMainForm::buildActions()
{
    auto make = [this](const QString& text, const char* name) {
        auto* a = new QAction(text, this);
        a->setObjectName(QLatin1String(name));
        return a;
    };
    actGameNew_ = make(QStringLiteral("&New"), "mnuGameNew");
    actGameNew_->setShortcut(QKeySequence::New);
    actGameLoad_ = make(QStringLiteral("&Load"), "mnuGameLoad");
    actGameLoad_->setShortcut(QKeySequence::Open);
    actGameSave_ = make(QStringLiteral("&Save"), "actGameSave");
    actGameSave_->setToolTip(QStringLiteral("Save Game"));
    actGameSave_->setShortcut(QKeySequence::Save);
    actGameSaveAs_ = make(QStringLiteral("Save &As.."), "actGameSaveAs");
    actViewPlayerStats_ = make(QStringLiteral("&View Player Stats"), "mnuViewPlayerStats");
    actExit_ = make(QStringLiteral("&Exit"), "mnuExit");
    actRoundStart_ = make(QStringLiteral("Start Round"), "actRoundStart");
    actRoundStart_->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    actRoundPause_ = make(QStringLiteral("&Pause"), "actRoundPause");
    actRoundPause_->setToolTip(QStringLiteral("Pause"));
    actRoundPause_->setShortcut(QKeySequence(Qt::Key_Pause));
    actAbortCounts_ = make(QStringLiteral("Round Still Counts"), "mnuAbortCounts");
    actAbortNoCount_ = make(QStringLiteral("Round Doesn't Count"), "mnuAbortNoCount");
    actPrintGrid_ = make(QStringLiteral("Print Grid"), "mnuPrintGrid");
    actSaveGrid_ = make(QStringLiteral("Save Grid"), "mnuSaveGrid");
    actRoundClear_ = make(QStringLiteral("&Clear Clicks"), "actRoundClear");
    actRoundClear_->setToolTip(QStringLiteral("Clear Mouse Clicks"));
    actShowResults_ = make(QStringLiteral("Show &Results"), "mnuShowResults");
    actPrefsGeneral_ = make(QStringLiteral("General"), "mnuPreferencesGeneral");
    actPrefsSound_ = make(QStringLiteral("Sound"), "mnuPreferencesSound");
    actGameOptions_ = make(QStringLiteral("Game Options"), "mnuGameOptions");
    actHelpTopics_ = make(QStringLiteral("Topics"), "mnuHelpTopics");
    actHelpTopics_->setShortcut(QKeySequence(Qt::Key_F1));
    actTipOfTheDay_ = make(QStringLiteral("Tip of the Day"), "mnuTipOfTheDay");
    actAbout_ = make(QStringLiteral("About"), "mnuAbout");

    for (QAction* a : {actRoundStart_, actGameSave_, actGameSaveAs_, actRoundPause_, actRoundClear_, actAbortCounts_,
                       actAbortNoCount_, actPrintGrid_, actSaveGrid_, actShowResults_, actGameOptions_})
        a->setEnabled(false);

    connect(actGameNew_, &QAction::triggered, this, &TMainForm::mnuGameNewClick);
    connect(actGameLoad_, &QAction::triggered, this, &TMainForm::mnuGameLoadClick);
    connect(actGameSave_, &QAction::triggered, this, &TMainForm::actGameSaveExecute);
    connect(actGameSaveAs_, &QAction::triggered, this, &TMainForm::actGameSaveAsExecute);
    connect(actViewPlayerStats_, &QAction::triggered, this, &TMainForm::mnuViewPlayerStatsClick);
    connect(actExit_, &QAction::triggered, this, &QWidget::close);
    connect(actRoundStart_, &QAction::triggered, this, &TMainForm::actRoundStartExecute);
    connect(actRoundPause_, &QAction::triggered, this, &TMainForm::actRoundPauseExecute);
    connect(actAbortCounts_, &QAction::triggered, this, &TMainForm::abortRoundStillCounts);
    connect(actAbortNoCount_, &QAction::triggered, this, &TMainForm::abortRoundDoesNotCount);
    connect(actPrintGrid_, &QAction::triggered, this, &TMainForm::mnuPrintGridClick);
    connect(actSaveGrid_, &QAction::triggered, this, &TMainForm::mnuSaveGridClick);
    connect(actRoundClear_, &QAction::triggered, this, &TMainForm::actRoundClearExecute);
    connect(actShowResults_, &QAction::triggered, this, &TMainForm::mnuShowResultsClick);
    connect(actPrefsGeneral_, &QAction::triggered, this, &TMainForm::mnuPreferencesGeneralClick);
    connect(actPrefsSound_, &QAction::triggered, this, &TMainForm::mnuPreferencesSoundClick);
    connect(actGameOptions_, &QAction::triggered, this, &TMainForm::mnuGameOptionsClick);
    connect(actHelpTopics_, &QAction::triggered, this, &TMainForm::mnuHelpTopicsClick);
    connect(actTipOfTheDay_, &QAction::triggered, this, [this] {
        if (tipOfTheDayHandler)
            tipOfTheDayHandler();
    });
    connect(actAbout_, &QAction::triggered, this, [this] {
        if (!aboutHandler)
            return;
        const bool welcome = pnlWelcome_->isVisible();
        pnlWelcome_->hide();
        aboutHandler();
        pnlWelcome_->setVisible(welcome);
    });

    // S, C and R on the welcome panel, in either case.
    const std::array<Qt::Key, 3> keys{Qt::Key_S, Qt::Key_C, Qt::Key_R};
    const std::array<void (TMainForm::*)(), 3> commands{&TMainForm::mnuGameNewClick, &TMainForm::mnuGameLoadClick,
                                                        &TMainForm::howToPlayClick};
    for (std::size_t i = 0; i < 3; ++i) {
        auto* a = new QAction(this);
        a->setObjectName(QStringLiteral("actWelcomeKey") + QChar(QLatin1Char("SCR"[i])));
        a->setShortcuts({QKeySequence(keys[i]), QKeySequence(Qt::SHIFT | keys[i])});
        a->setShortcutContext(Qt::WindowShortcut);
        connect(a, &QAction::triggered, this, commands[i]);
        addAction(a);
        actWelcomeKeys_[i] = a;
    }
    addAction(actRoundStart_);
    addAction(actHelpTopics_);
}

void TMainForm::buildMenus()
{
    menuBar()->setObjectName(QStringLiteral("MainMenu"));
    mnuGame_ = menuBar()->addMenu(QStringLiteral("&Game"));
    mnuGame_->setObjectName(QStringLiteral("mnuGame"));
    mnuGame_->addAction(actGameNew_);
    mnuGame_->addAction(actGameLoad_);
    mnuGame_->addSeparator();
    mnuGame_->addAction(actGameSave_);
    mnuGame_->addAction(actGameSaveAs_);
    mnuGame_->addSeparator();
    mnuGame_->addAction(actViewPlayerStats_);
    mnuGame_->addSeparator();
    mnuGame_->addAction(actExit_);

    mnuRound_ = menuBar()->addMenu(QStringLiteral("&Round"));
    mnuRound_->setObjectName(QStringLiteral("mnuRound"));
    mnuRound_->addAction(actRoundStart_);
    mnuRound_->addAction(actRoundPause_);
    mnuAbort_ = mnuRound_->addMenu(QStringLiteral("Abort"));
    mnuAbort_->setObjectName(QStringLiteral("mnuAbort"));
    mnuAbort_->addAction(actAbortCounts_);
    mnuAbort_->addAction(actAbortNoCount_);
    mnuAbort_->menuAction()->setEnabled(false);
    actPrintSeparator_ = mnuRound_->addSeparator();
    mnuRound_->addAction(actPrintGrid_);
    mnuRound_->addAction(actSaveGrid_);
    mnuRound_->addSeparator();
    mnuRound_->addAction(actRoundClear_);
    mnuRound_->addAction(actShowResults_);
    mnuRound_->menuAction()->setEnabled(false);

    mnuPreferences_ = menuBar()->addMenu(QStringLiteral("&Preferences"));
    mnuPreferences_->setObjectName(QStringLiteral("mnuPreferences"));
    mnuPreferences_->addAction(actPrefsGeneral_);
    mnuPreferences_->addAction(actPrefsSound_);
    mnuPreferences_->addSeparator();
    mnuPreferences_->addAction(actGameOptions_);

    mnuHelp_ = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHelp_->setObjectName(QStringLiteral("mnuHelp"));
    mnuHelp_->addAction(actHelpTopics_);
    mnuHelp_->addAction(actTipOfTheDay_);
    mnuHelp_->addAction(actAbout_);
    // The entries of windows made elsewhere are offered once their hooks are set.
    auto offerHooked = [this] {
        actTipOfTheDay_->setVisible(static_cast<bool>(tipOfTheDayHandler));
        actAbout_->setVisible(static_cast<bool>(aboutHandler));
    };
    connect(mnuHelp_, &QMenu::aboutToShow, this, offerHooked);
    offerHooked();
}

void TMainForm::buildSpeedBar()
{
    pnlSpeedBar_ = new TAdvancedPanel(this);
    pnlSpeedBar_->setObjectName(QStringLiteral("pnlSpeedBar"));
    pnlSpeedBar_->setBevels(TAdvancedPanel::Bevel::Raised, TAdvancedPanel::Bevel::None, 1);
    auto* bar = new QHBoxLayout(pnlSpeedBar_);
    bar->setContentsMargins(8, 3, 8, 3);
    bar->setSpacing(4);
    auto button = [this, bar](QAction* action, DrawnIcon icon, const QString& text, const QString& hint,
                              const char* name) {
        auto* b = new QToolButton(pnlSpeedBar_);
        b->setObjectName(QLatin1String(name));
        b->setIcon(drawnIcon(icon, 24));
        b->setIconSize(QSize(24, 24));
        b->setText(text);
        b->setToolTip(hint);
        b->setAccessibleName(hint);
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        b->setAutoRaise(true);
        b->setFocusPolicy(Qt::TabFocus);
        b->setEnabled(action->isEnabled());
        connect(b, &QToolButton::clicked, action, &QAction::trigger);
        connect(action, &QAction::enabledChanged, b, &QToolButton::setEnabled);
        bar->addWidget(b);
        return b;
    };
    button(actGameSave_, DrawnIcon::Save, QStringLiteral("Save"), QStringLiteral("Save Game"), "btnSave");
    bar->addSpacing(10);
    auto* go = button(actRoundStart_, DrawnIcon::Go, QStringLiteral("GO"), QStringLiteral("Start Round"), "btnGo");
    QFont bold = go->font();
    bold.setBold(true);
    go->setFont(bold);
    auto* pause = button(actRoundPause_, DrawnIcon::Pause, QStringLiteral("Pause"), QStringLiteral("Pause"), "btnPause");
    connect(actRoundPause_, &QAction::changed, pause, [this, pause] {
        pause->setText(QString(actRoundPause_->text()).remove(QLatin1Char('&')));
        pause->setToolTip(actRoundPause_->toolTip());
    });
    btnClearClicks_ = button(actRoundClear_, DrawnIcon::ClearClicks, QStringLiteral("Clear"),
                             QStringLiteral("Clear Mouse Clicks"), "btnClearClicks");
    bar->addSpacing(10);
    btnAbort_ = button(actAbortCounts_, DrawnIcon::Abort, QStringLiteral("Abort"),
                       QStringLiteral("Abort Round (round will count)"), "btnAbort");
    bar->addStretch(1);
    pnlSpeedBar_->hide();
}

void TMainForm::buildCentre()
{
    pnlCenter_ = new TAdvancedPanel(this);
    pnlCenter_->setObjectName(QStringLiteral("pnlCenter"));
    pnlCenter_->setRole(TAdvancedPanel::Role::Header);
    pnlCenter_->setBevels(TAdvancedPanel::Bevel::None, TAdvancedPanel::Bevel::None, 0);
    pnlCenter_->installEventFilter(this);

    board_ = new TLetterBoard(pnlCenter_);
    board_->setObjectName(QStringLiteral("pnlBoard"));
    board_->setFramed(true, kBoardPad);
    connect(board_, &TLetterBoard::cellPressed, this,
            [this](int column, int row, Qt::MouseButton button) { letterPressed(column * 100 + row, button); });

    buildRoundTimePanel();
    buildInfoPanel();
    buildBonusPanel();
    buildWordEntryPanel();
    buildPausePanel();
    buildWelcome();
}

void TMainForm::buildWelcome()
{
    pnlWelcome_ = new TAdvancedPanel(pnlCenter_);
    pnlWelcome_->setObjectName(QStringLiteral("pnlWelcome"));
    pnlWelcome_->setBevels(TAdvancedPanel::Bevel::Raised, TAdvancedPanel::Bevel::Lowered, 2);
    auto* layout = new QVBoxLayout(pnlWelcome_);
    layout->setContentsMargins(28, 20, 28, 18);
    layout->setSpacing(14);
    auto* title = new QLabel(QStringLiteral("Welcome to Lettrava"), pnlWelcome_);
    title->setObjectName(QStringLiteral("lblWelcome"));
    title->setAlignment(Qt::AlignCenter);
    QFont big(QStringLiteral("Comic Sans MS"), 22);
    big.setBold(true);
    title->setFont(big);
    layout->addWidget(title);

    struct Entry {
        const char* name;
        const char* caption;
        SharedPictures::Face face;
    };
    const Entry entries[4] = {{"btnNewGame", "&Start a New Game", SharedPictures::Face::NewGame},
                              {"btnContinueGame", "&Continue a Saved Game", SharedPictures::Face::ContinueGame},
                              {"btnHowToPlay", "&How to Play", SharedPictures::Face::HowToPlay},
                              {"btnJoinGame", "&Join an Internet Game", SharedPictures::Face::JoinGame}};
    auto* grid = new QGridLayout();
    grid->setHorizontalSpacing(18);
    grid->setVerticalSpacing(10);
    QFont captionFont(QStringLiteral("Comic Sans MS"), 12);
    captionFont.setBold(true);
    for (int i = 0; i < 4; ++i) {
        const Entry& e = entries[i];
        auto* b = new TPictureButton(pnlWelcome_);
        b->setObjectName(QLatin1String(e.name));
        b->setPictureSize(QSize(52, 52));
        b->setFace(SharedPictures::instance().face(e.face));
        const QString plain = QString::fromLatin1(e.caption).remove(QLatin1Char('&'));
        b->setAccessibleName(plain);
        b->setToolTip(plain);
        auto* caption = new TFlatButton(QString::fromLatin1(e.caption), pnlWelcome_);
        caption->setObjectName(QStringLiteral("lbl") + QLatin1String(e.name).mid(3));
        caption->setFont(captionFont);
        caption->setFocusPolicy(Qt::NoFocus);
        connect(caption, &TFlatButton::clicked, b, &TPictureButton::click);
        grid->addWidget(b, i / 2, (i % 2) * 2);
        grid->addWidget(caption, i / 2, (i % 2) * 2 + 1);
        welcomeButtons_[static_cast<std::size_t>(i)] = b;
        if (i == 2)
            caption->setShortcut(QKeySequence()); // Alt+H stays the Help menu's
        if (i == 3)
            joinCaption_ = caption;
    }
    connect(welcomeButtons_[0], &TPictureButton::clicked, this, &TMainForm::mnuGameNewClick);
    connect(welcomeButtons_[1], &TPictureButton::clicked, this, &TMainForm::mnuGameLoadClick);
    connect(welcomeButtons_[2], &TPictureButton::clicked, this, &TMainForm::howToPlayClick);
    connect(welcomeButtons_[3], &TPictureButton::clicked, this, [this] {
        if (joinGameHandler)
            joinGameHandler();
    });
    layout->addLayout(grid);
    auto* line = new QLabel(QStringLiteral("Click a dot or use the Menu to let the fun begin!"), pnlWelcome_);
    line->setAlignment(Qt::AlignCenter);
    QFont italic = line->font();
    italic.setItalic(true);
    line->setFont(italic);
    layout->addWidget(line);
}

void TMainForm::buildRoundTimePanel()
{
    pnlRoundTime_ = new TAdvancedPanel(pnlCenter_);
    pnlRoundTime_->setObjectName(QStringLiteral("pnlRoundTime"));
    auto* layout = new QVBoxLayout(pnlRoundTime_);
    layout->setContentsMargins(12, 8, 12, 10);
    layout->setSpacing(4);

    lblRound_ = new QLabel(QStringLiteral("Round 1"), pnlRoundTime_);
    lblRound_->setObjectName(QStringLiteral("lblRound"));
    lblRound_->setAlignment(Qt::AlignCenter);
    QFont roundFont(QStringLiteral("Comic Sans MS"), 15);
    roundFont.setBold(true);
    lblRound_->setFont(roundFont);
    layout->addWidget(lblRound_);

    auto* clockRow = new QHBoxLayout();
    clockRow->setSpacing(8);
    lblTimeLeft_ = new TFlashingLabel(pnlRoundTime_);
    lblTimeLeft_->setObjectName(QStringLiteral("lblTimeLeft"));
    lblTimeLeft_->setText(QStringLiteral("0:00"));
    lblTimeLeft_->setAlignment(Qt::AlignCenter);
    lblTimeLeft_->setFlashRate(400);
    QFont clockFont(QStringLiteral("Courier"), 24);
    clockFont.setBold(true);
    clockFont.setStyleHint(QFont::TypeWriter);
    lblTimeLeft_->setFont(clockFont);
    lblTimeLeft_->setMinimumWidth(QFontMetrics(clockFont).horizontalAdvance(QStringLiteral("ABORTED")) + 16);
    lblTimeLeft_->setToolTip(QStringLiteral("Click to take a minute off the round"));
    lblTimeLeft_->setCursor(Qt::PointingHandCursor);
    connect(lblTimeLeft_, &TFlashingLabel::clicked, this, [this] {
        if (game_)
            game_->clockClicked();
    });
    imgSetRoundTime_ = new QLabel(pnlRoundTime_);
    imgSetRoundTime_->setObjectName(QStringLiteral("imgSetRoundTime"));
    imgSetRoundTime_->setPixmap(drawnPicture(DrawnIcon::Stopwatch, 30));
    imgSetRoundTime_->setCursor(Qt::PointingHandCursor);
    imgSetRoundTime_->setToolTip(QStringLiteral("Set Round Time"));
    imgSetRoundTime_->installEventFilter(this);
    QSizePolicy keep = imgSetRoundTime_->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    imgSetRoundTime_->setSizePolicy(keep);
    imgSetRoundTime_->hide();
    clockRow->addStretch(1);
    clockRow->addWidget(lblTimeLeft_);
    clockRow->addWidget(imgSetRoundTime_);
    clockRow->addStretch(1);
    layout->addLayout(clockRow);
    layout->addSpacing(4);

    auto* scores = new QGridLayout();
    scores->setHorizontalSpacing(10);
    scores->setVerticalSpacing(3);
    QFont nameFont(QStringLiteral("Comic Sans MS"), 12);
    QFont scoreFont(QStringLiteral("Comic Sans MS"), 13);
    scoreFont.setBold(true);
    for (int i = 0; i < 4; ++i) {
        const auto s = static_cast<std::size_t>(i);
        lblPlayerName_[s] = new QLabel(pnlRoundTime_);
        lblPlayerName_[s]->setObjectName(QStringLiteral("lblPlayer%1Name").arg(i + 1));
        lblPlayerName_[s]->setFont(nameFont);
        lblPlayerScore_[s] = new QLabel(QStringLiteral("0"), pnlRoundTime_);
        lblPlayerScore_[s]->setObjectName(QStringLiteral("lblPlayer%1Score").arg(i + 1));
        lblPlayerScore_[s]->setFont(scoreFont);
        lblPlayerScore_[s]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        lblPlayerScore_[s]->setProperty("tag", i + 1);
        scores->addWidget(lblPlayerName_[s], i, 0);
        scores->addWidget(lblPlayerScore_[s], i, 1);
        nameLabels_[s].attach(lblPlayerName_[s]);
        scoreLabels_[s].attach(lblPlayerScore_[s]);
        lblPlayerName_[s]->hide();
        lblPlayerScore_[s]->hide();
    }
    scores->setColumnStretch(0, 1);
    layout->addLayout(scores);
    layout->addStretch(1);
    pnlRoundTime_->hide();
}

void TMainForm::buildInfoPanel()
{
    pnlInfo_ = new QWidget(pnlCenter_);
    pnlInfo_->setObjectName(QStringLiteral("pnlInfo"));
    auto* layout = new QVBoxLayout(pnlInfo_);
    layout->setContentsMargins(0, 0, 0, 0);
    pnlGridSize_ = new TAdvancedPanel(pnlInfo_);
    pnlGridSize_->setObjectName(QStringLiteral("pnlGridSize"));
    auto* grid = new QGridLayout(pnlGridSize_);
    grid->setContentsMargins(12, 6, 12, 8);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    auto* title = new QLabel(QStringLiteral("Grid Size"), pnlGridSize_);
    QFont bold(QStringLiteral("Comic Sans MS"), 12);
    bold.setBold(true);
    title->setFont(bold);
    updDimCol_ = new TUpDown(3, 12, pnlGridSize_);
    updDimCol_->setObjectName(QStringLiteral("updDimCol"));
    updDimCol_->setAccessibleName(QStringLiteral("Grid columns"));
    updDimRow_ = new TUpDown(3, 12, pnlGridSize_);
    updDimRow_->setObjectName(QStringLiteral("updDimRow"));
    updDimRow_->setAccessibleName(QStringLiteral("Grid rows"));
    auto* cols = new QLabel(QStringLiteral("Cols"), pnlGridSize_);
    cols->setBuddy(updDimCol_);
    auto* rows = new QLabel(QStringLiteral("Rows"), pnlGridSize_);
    rows->setBuddy(updDimRow_);
    grid->addWidget(title, 0, 0, 1, 5);
    grid->addWidget(cols, 1, 0);
    grid->addWidget(updDimCol_, 1, 1);
    grid->addWidget(rows, 1, 3);
    grid->addWidget(updDimRow_, 1, 4);
    grid->setColumnStretch(2, 1);
    layout->addWidget(pnlGridSize_);
    pnlGridSize_->hide();
    pnlInfo_->hide();
}

void TMainForm::buildBonusPanel()
{
    pnlBonus_ = new TAdvancedPanel(pnlCenter_);
    pnlBonus_->setObjectName(QStringLiteral("pnlBonus"));
    auto* layout = new QVBoxLayout(pnlBonus_);
    layout->setContentsMargins(12, 6, 12, 8);
    layout->setSpacing(4);
    auto* top = new QHBoxLayout();
    auto* title = new QLabel(QStringLiteral("Bonus"), pnlBonus_);
    QFont bold(QStringLiteral("Comic Sans MS"), 12);
    bold.setBold(true);
    title->setFont(bold);
    lblBonusValue_ = new QLabel(QStringLiteral("100 pts"), pnlBonus_);
    lblBonusValue_->setObjectName(QStringLiteral("lblBonusValue"));
    lblBonusValue_->setFont(bold);
    lblBonusValue_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblBonusValue_->clear();
    top->addWidget(title);
    top->addStretch(1);
    top->addWidget(lblBonusValue_);
    layout->addLayout(top);
    auto* letters = new QHBoxLayout();
    letters->setSpacing(2);
    QFont letterFont(QStringLiteral("Comic Sans MS"), 11);
    letterFont.setBold(true);
    for (std::size_t i = 0; i < lblBonusLetter_.size(); ++i) {
        auto* l = new QLabel(QStringLiteral("_"), pnlBonus_);
        l->setObjectName(QStringLiteral("lblBonusLetter%1").arg(i + 1));
        l->setAlignment(Qt::AlignCenter);
        l->setFixedSize(20, 24);
        l->setFont(letterFont);
        QSizePolicy keep = l->sizePolicy();
        keep.setRetainSizeWhenHidden(true);
        l->setSizePolicy(keep);
        l->hide();
        letters->addWidget(l);
        lblBonusLetter_[i] = l;
    }
    letters->addStretch(1);
    layout->addLayout(letters);
    pnlBonus_->hide();
}

void TMainForm::buildWordEntryPanel()
{
    pnlWordEntry_ = new TAdvancedPanel(pnlCenter_);
    pnlWordEntry_->setObjectName(QStringLiteral("pnlWordEntry"));
    auto* row = new QHBoxLayout(pnlWordEntry_);
    row->setContentsMargins(12, 6, 12, 6);
    row->setSpacing(8);
    edtWordEntry_ = new QLineEdit(pnlWordEntry_);
    edtWordEntry_->setObjectName(QStringLiteral("edtWordEntry"));
    edtWordEntry_->setMaxLength(18);
    edtWordEntry_->setAccessibleName(QStringLiteral("Enter Word"));
    QFont entryFont(QStringLiteral("Comic Sans MS"), 14);
    entryFont.setBold(true);
    edtWordEntry_->setFont(entryFont);
    edtWordEntry_->setMinimumWidth(QFontMetrics(entryFont).horizontalAdvance(QStringLiteral("MMMMMMMMMMMMM")));
    edtWordEntry_->installEventFilter(this);
    connect(edtWordEntry_, &QLineEdit::textEdited, this, &TMainForm::wordEntryEdited);
    auto* label = new QLabel(QStringLiteral("Enter Word") + QChar(0x2014) + QChar(0x00BB), pnlWordEntry_);
    label->setBuddy(edtWordEntry_);
    QFont bold(QStringLiteral("Comic Sans MS"), 12);
    bold.setBold(true);
    label->setFont(bold);
    row->addWidget(label);
    row->addWidget(edtWordEntry_);
    pnlWordEntry_->hide();
}

void TMainForm::buildPausePanel()
{
    pnlPaused_ = new TAdvancedPanel(pnlCenter_);
    pnlPaused_->setObjectName(QStringLiteral("pnlPaused"));
    pnlPaused_->setBevels(TAdvancedPanel::Bevel::Raised, TAdvancedPanel::Bevel::Lowered, 2);
    auto* layout = new QVBoxLayout(pnlPaused_);
    layout->setContentsMargins(22, 18, 22, 18);
    auto* text = new QLabel(QStringLiteral("The game is paused.  Please press Pause again to continue."), pnlPaused_);
    text->setObjectName(QStringLiteral("lblPaused"));
    text->setAlignment(Qt::AlignCenter);
    text->setWordWrap(true);
    QFont f(QStringLiteral("Comic Sans MS"), 14);
    f.setBold(true);
    text->setFont(f);
    text->setFixedWidth(280);
    layout->addWidget(text);
    pnlPaused_->hide();
}

void TMainForm::buildStatusBar()
{
    statusBar()->setObjectName(QStringLiteral("stbMain"));
    statusBar()->setSizeGripEnabled(true);
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int screenWidth = screen ? screen->geometry().width() : 1280;
    stbPanel0_ = new QLabel(this);
    stbPanel0_->setObjectName(QStringLiteral("stbPanel0"));
    stbPanel0_->setMinimumWidth(BoardLayout::scaledPanelWidth(360, screenWidth));
    stbPanel1_ = new QLabel(this);
    stbPanel1_->setObjectName(QStringLiteral("stbPanel1"));
    stbPanel1_->setAlignment(Qt::AlignCenter);
    stbPanel1_->setMinimumWidth(BoardLayout::scaledPanelWidth(260, screenWidth));
    stbPanel2_ = new QLabel(this);
    stbPanel2_->setObjectName(QStringLiteral("stbPanel2"));
    stbPanel2_->setAlignment(Qt::AlignCenter);
    stbPanel2_->setMinimumWidth(std::max(50, QFontMetrics(stbPanel2_->font()).horizontalAdvance(QStringLiteral("Reuse: YES")) + 12));
    statusBar()->addWidget(stbPanel0_, 1);
    statusBar()->addPermanentWidget(stbPanel1_);
    statusBar()->addPermanentWidget(stbPanel2_);
}

// Wood on the panels, or the plain colours of a 256-colour display.
void TMainForm::applyColours()
{
    const bool low = lowColourDisplay();
    const SharedPictures& pics = SharedPictures::instance();
    actPrintGrid_->setVisible(!low);
    actPrintSeparator_->setVisible(!low);
    if (low) {
        for (TAdvancedPanel* p : {pnlSpeedBar_, pnlWelcome_, pnlRoundTime_, pnlGridSize_, pnlBonus_, pnlWordEntry_,
                                  pnlPaused_, pnlCenter_})
            p->clearWallpaper();
    } else {
        pnlSpeedBar_->setWallpaper(pics.woodA);
        pnlWelcome_->setWallpaper(pics.woodA);
        pnlPaused_->setWallpaper(pics.woodA);
        for (TAdvancedPanel* p : {pnlRoundTime_, pnlGridSize_, pnlBonus_, pnlWordEntry_})
            p->setWallpaper(pics.woodB);
    }
    // Dark text on the honey wood and on pale yellow; ivory on the dark wood.
    const QColor onLight = low ? QColor(0, 0, 0) : kBrownText;
    const QColor onDark = low ? QColor(0, 0, 0) : kIvoryText;
    for (QWidget* w : std::initializer_list<QWidget*>{pnlSpeedBar_, pnlWelcome_, pnlPaused_})
        setTextColour(w, onLight);
    for (QWidget* w : std::initializer_list<QWidget*>{pnlRoundTime_, pnlGridSize_, pnlBonus_, pnlWordEntry_})
        setTextColour(w, onDark);
    lblTimeLeft_->setStyleSheet(
        low ? QStringLiteral("QLabel { color: rgb(128, 0, 0); }")
            : QStringLiteral("QLabel { color: rgb(255, 221, 40); background: rgba(0, 0, 0, 120);"
                             " border-radius: 8px; padding: 2px 10px; }"));
    const QString letterStyle =
        low ? QStringLiteral("QLabel { color: black; background: white; border: 1px solid gray; }")
            : QStringLiteral("QLabel { color: rgb(52, 28, 8); background: rgb(255, 248, 228);"
                             " border: 1px solid rgba(60, 30, 10, 160); border-radius: 4px; }");
    for (QLabel* l : lblBonusLetter_)
        l->setStyleSheet(letterStyle);
    pnlSpeedBar_->setStyleSheet(
        low ? QStringLiteral("QToolButton { font-weight: bold; padding: 2px 6px; }")
            : QStringLiteral("QToolButton { font-weight: bold; padding: 2px 6px; color: rgb(52, 28, 8); }"
                             "QToolButton:disabled { color: rgba(52, 28, 8, 120); }"));
}

void TMainForm::applyPreferences()
{
    // The letters grow and shrink with the tiles.
    letterFont_ = preferences_->gameBoardFont();
    if (zoom_ != 1.0 && letterFont_.pointSizeF() > 0)
        letterFont_.setPointSizeF(letterFont_.pointSizeF() * zoom_);
    if (lowColourDisplay())
        pnlCenter_->clearWallpaper();
    else
        pnlCenter_->setWallpaper(preferences_->wallpaperPicture(), preferences_->wallpaperTiled());
}

void TMainForm::fitToScreen()
{
    auto sizeCentre = [this] {
        const QSize board = BoardLayout::fullBoardSize(tileSize_) + QSize(2 * kBoardPad, 2 * kBoardPad);
        board_->setFixedSize(board);
        pnlCenter_->setMinimumSize(board.width() + kColumnGap + kRightColumnWidth + 2 * kMargin,
                                   board.height() + 2 * kMargin + 52);
    };
    sizeCentre();
    adjustSize();
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const BoardLayout::ScreenFit fit = BoardLayout::fitToScreen(screen->geometry().height(), height(), tileSize_);
    zoom_ = fit.zoom;
    tileSize_ = fit.tile;
    sizeCentre();
    adjustSize();
    if (fit.windowHeight != height()) {
        setMinimumHeight(std::min(minimumHeight(), fit.windowHeight));
        resize(width(), fit.windowHeight);
    }
}

void TMainForm::readSettings()
{
    updDimCol_->setValue(std::clamp(SettingsStore::read(settings::GridCol), 3, 12));
    updDimRow_->setValue(std::clamp(SettingsStore::read(settings::GridRow), 3, 12));
    factoryMinWL_ = SettingsStore::read(settings::FactoryMinWL);
    factoryMaxWL_ = SettingsStore::read(settings::FactoryMaxWL);
    factorySort_ = SettingsStore::read(settings::FactorySort);
    factoryAllowReuse_ = SettingsStore::read(settings::FactoryAllowReuse);
    memberList_ = SettingsStore::read(settings::MemberList);

    const int left = SettingsStore::read(settings::MainLeft);
    const int top = SettingsStore::read(settings::MainTop);
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1280, 1024);
    // A stored place that lies on no screen any more (another monitor set-up)
    // is treated like no place at all.
    const bool onScreen = QGuiApplication::screenAt(QPoint(left + 40, top + 20)) != nullptr;
    if (left == settings::kCentreOnScreen || !onScreen)
        move(area.x() + (area.width() - width()) / 2, area.y() + std::max(0, (area.height() - height()) / 2));
    else
        move(left, top);
}

void TMainForm::writeSettings() const
{
    SettingsStore::write(settings::MainLeft, pos().x());
    SettingsStore::write(settings::MainTop, pos().y());
    SettingsStore::write(settings::GridCol, updDimCol_->value());
    SettingsStore::write(settings::GridRow, updDimRow_->value());
    SettingsStore::write(settings::FactoryMinWL, factoryMinWL_);
    SettingsStore::write(settings::FactoryMaxWL, factoryMaxWL_);
    SettingsStore::write(settings::FactorySort, factorySort_);
    SettingsStore::write(settings::FactoryAllowReuse, factoryAllowReuse_);
    SettingsStore::write(settings::MemberList, memberList_);
}

QWidget* TMainForm::centrePanel() const { return pnlCenter_; }

QWidget* TMainForm::boardArea() const { return board_; }

QPoint TMainForm::tilePrototypePosition() const { return {kBoardPad, kBoardPad}; }

// The centre's parts: the board area with the play panels to its right, the
// whole group centred; the welcome panel in the middle.
void TMainForm::layoutCentre()
{
    if (building_)
        return;
    const QSize centre = pnlCenter_->size();
    const QSize board = board_->size();
    const int contentWidth = board.width() + kColumnGap + kRightColumnWidth;
    const int left = std::max(kMargin, (centre.width() - contentWidth) / 2);
    const int top = kMargin;
    board_->move(left, top);

    const int x = left + board.width() + kColumnGap;
    int y = top;
    for (QWidget* w : std::initializer_list<QWidget*>{pnlRoundTime_, pnlInfo_, pnlBonus_}) {
        const int h = w->sizeHint().height();
        w->setGeometry(x, y, kRightColumnWidth, h);
        y += h + 10;
    }

    pnlPaused_->adjustSize();
    pnlPaused_->move(left + (board.width() - pnlPaused_->width()) / 2, top + (board.height() - pnlPaused_->height()) / 2);
    pnlWelcome_->adjustSize();
    pnlWelcome_->move((centre.width() - pnlWelcome_->width()) / 2,
                      std::max(0, (centre.height() - pnlWelcome_->height()) / 2));
    if (pnlWordEntry_->isVisible())
        placeWordEntryPanel(true);
}

// ------------------------------------------------------------------ events

bool TMainForm::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate && !activatedOnce_) {
        activatedOnce_ = true;
        QTimer::singleShot(0, this, &TMainForm::firstActivation);
    }
    return QMainWindow::event(e);
}

void TMainForm::firstActivation()
{
    if (!helpAvailable() && preferences_->showHelpWarning() && helpWarningHandler)
        helpWarningHandler();
    if (preferences_->showTips() && startupTipsHandler)
        startupTipsHandler(preferences_->isFirstRun());
}

bool TMainForm::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == pnlCenter_ && e->type() == QEvent::Resize) {
        layoutCentre();
    } else if (watched == edtWordEntry_ && e->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            submitTypedWord();
            return true;
        }
    } else if (watched == imgSetRoundTime_ && e->type() == QEvent::MouseButtonPress) {
        const Qt::MouseButton button = static_cast<QMouseEvent*>(e)->button();
        if (game_ && !game_->roundRunning) {
            if (button == Qt::LeftButton)
                game_->roundTimeClicked(true);
            else if (button == Qt::RightButton)
                game_->roundTimeClicked(false);
            else if (button == Qt::MiddleButton)
                mnuGameOptionsClick();
        }
        return true;
    }
    return QMainWindow::eventFilter(watched, e);
}

void TMainForm::closeEvent(QCloseEvent* e)
{
    if (game_ && game_->networkMode != NetworkMode::Client) {
        if (game_->roundRunning) {
            if (dialogs().showMessage("This will abort (and not count) the current round.  Are you sure?", "Warning",
                                      MessageButtons::YesNo, MessageIcon::Warning)
                != MessageAnswer::Yes) {
                e->ignore();
                return;
            }
            game_->abortRoundForClose();
        }
        if (game_->inProgress && game_->unsavedChanges) {
            const MessageAnswer answer = dialogs().showMessage("Do you want to save the game?", "Warning",
                                                               MessageButtons::YesNoCancel, MessageIcon::Warning);
            if (answer == MessageAnswer::Cancel || (answer == MessageAnswer::Yes && !saveGame(false))) {
                e->ignore();
                return;
            }
        }
    }
    // The help window goes with the main window, so that the program ends.
    shutDownHelp();
    e->accept();
}

// ------------------------------------------------------------------ game commands

bool TMainForm::confirmSaveGame()
{
    if (!game_ || !game_->inProgress || !game_->unsavedChanges)
        return true;
    switch (dialogs().showMessage("Do you want to save the game?", "Warning", MessageButtons::YesNoCancel,
                                  MessageIcon::Warning)) {
    case MessageAnswer::Yes: return saveGame(false);
    case MessageAnswer::No: return true;
    default: return false;
    }
}

void TMainForm::mnuGameNewClick() { newGame(false, QString()); }

void TMainForm::mnuGameLoadClick()
{
    if (!confirmSaveGame())
        return;
    const QString file = chooseOpenFile(this, QStringLiteral("Load Lettrava Game"),
                                        saveFile_.isEmpty() ? savedGamesFolder() : saveFile_,
                                        QString::fromLatin1(kSavedGamesFilter));
    if (file.isEmpty())
        return;
    newGame(true, file);
}

void TMainForm::newGame(bool load, const QString& file)
{
    setWelcomeVisible(false);
    if (game_) {
        game_->wordEntry().reset();
        if (!load && !confirmSaveGame())
            return;
        game_.reset();
        actRoundStart_->setEnabled(false);
        imgSetRoundTime_->hide();
        actGameSave_->setEnabled(false);
        actGameSaveAs_->setEnabled(false);
        pnlWordEntry_->hide();
        wordEntryWanted_ = false;
        pnlBonus_->hide();
        lblBonusValue_->clear();
        pnlGridSize_->hide();
        pnlInfo_->hide();
        removeBoard();
    }

    std::unique_ptr<Game> created = load ? Game::createFromFile(*this, std::filesystem::path(file.toStdString()))
                                         : Game::createNew(*this, true);
    actShowResults_->setEnabled(false);
    if (!created->isReady()) {
        created.reset();
        setWelcomeVisible(true);
        mnuRound_->menuAction()->setEnabled(false);
        clearStatusPanels();
        actGameOptions_->setEnabled(false);
        pnlRoundTime_->hide();
        for (std::size_t i = 0; i < 4; ++i) {
            lblPlayerName_[i]->hide();
            lblPlayerScore_[i]->hide();
        }
        return;
    }

    game_ = std::move(created);
    showAllCells(false);
    pnlSpeedBar_->show();
    fillStatusPanels();
    showPlayerLabels();
    btnClearClicks_->setVisible(game_->hasMousePlayer);
    pnlRoundTime_->show();
    pnlInfo_->show();
    lblTimeLeft_->setFlashing(false);
    lblTimeLeft_->clear();
    pnlGridSize_->setVisible(game_->manualGridSize && game_->networkMode != NetworkMode::Client);
    actGameSave_->setEnabled(true);
    actGameSaveAs_->setEnabled(true);
    for (QLabel* l : lblBonusLetter_)
        l->hide();
    actPrintGrid_->setEnabled(false);
    actSaveGrid_->setEnabled(false);
    if (game_->roundsPerGame - game_->currentRound <= 0)
        setRoundLabel("Round " + std::to_string(game_->roundsPerGame));
    else
        game_->prepareNextRound();
    game_->refreshScores();
    actGameOptions_->setEnabled(true);

    if (load) {
        saveFile_ = file;
        setCaptionFile(file);
    } else {
        // A new game is never saved over the file of an earlier one unasked.
        saveFile_.clear();
        setWindowTitle(QString::fromLatin1(kTitle));
    }
    layoutCentre();
}

bool TMainForm::saveGame(bool askForFile)
{
    if (!game_)
        return false;
    QString file = saveFile_;
    if (askForFile || file.isEmpty()) {
        file = chooseSaveFile(this, QStringLiteral("Save Game"), file.isEmpty() ? savedGamesFolder() : file,
                              QString::fromLatin1(kSavedGamesFilter), QStringLiteral("LTG"));
        if (file.isEmpty())
            return false;
    }
    saveFile_ = file;
    if (!game_->saveToFile(std::filesystem::path(file.toStdString()))) {
        dialogs().showMessage(SavedGameFile::kSaveFailedText, "Error", MessageButtons::Ok, MessageIcon::Error);
        return false;
    }
    pnlCenter_->update();
    setCaptionFile(file);
    return true;
}

bool TMainForm::actGameSaveExecute() { return saveGame(false); }
bool TMainForm::actGameSaveAsExecute() { return saveGame(true); }

void TMainForm::setCaptionFile(const QString& file)
{
    setWindowTitle(QString::fromLatin1(kTitle) + QStringLiteral(" - ") + file);
}

void TMainForm::mnuViewPlayerStatsClick()
{
    if (PlayerFileManager::instance().records().empty()) {
        dialogs().showMessage("No player stats available.", kTitle, MessageButtons::Ok, MessageIcon::Information);
        return;
    }
    if (playerStatsHandler)
        playerStatsHandler();
}

// ------------------------------------------------------------------ round commands

void TMainForm::actRoundStartExecute()
{
    if (!game_ || !actRoundStart_->isEnabled() || game_->roundRunning)
        return;
    game_->startRoundCommand();
}

void TMainForm::actRoundPauseExecute()
{
    if (game_ && actRoundPause_->isEnabled())
        game_->pauseCommand();
}

void TMainForm::abortRoundStillCounts()
{
    if (game_ && game_->roundRunning)
        game_->requestRoundEnd(true);
}

void TMainForm::abortRoundDoesNotCount()
{
    if (!game_ || !game_->roundRunning)
        return;
    // The clock runs on while the question is up: the round may be over by
    // the time it is answered.
    if (dialogs().showMessage("Are you sure you want to abort this round?", "Confirm", MessageButtons::YesNo,
                              MessageIcon::Question)
            == MessageAnswer::Yes
        && game_ && game_->roundRunning)
        game_->requestRoundEnd(false);
}

void TMainForm::actRoundClearExecute()
{
    if (game_)
        game_->wordEntry().clearMouseWord();
}

void TMainForm::mnuShowResultsClick()
{
    if (game_)
        game_->showResultsCommand();
}

void TMainForm::renderForPrinting(QPainter& painter, const QRect& page)
{
    if (width() <= 0 || height() <= 0)
        return;
    const double scale = std::min(static_cast<double>(page.width()) / width(), static_cast<double>(page.height()) / height());
    painter.save();
    painter.translate(page.topLeft());
    painter.scale(scale, scale);
    render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    painter.restore();
}

void TMainForm::mnuPrintGridClick()
{
    if (!actPrintGrid_->isEnabled() || !actPrintGrid_->isVisible())
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QString::fromLatin1(kTitle));
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Print Grid"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    QPainter painter(&printer);
    renderForPrinting(painter, printer.pageLayout().paintRectPixels(printer.resolution()).translated(
                                   -printer.pageLayout().paintRectPixels(printer.resolution()).topLeft()));
}

void TMainForm::mnuSaveGridClick()
{
    if (!game_ || !game_->round())
        return;
    const QString file = chooseSaveFile(this, QStringLiteral("Save Lettrava Grid"), savedGamesFolder(),
                                        QStringLiteral("Lettrava Grids (*.GRD *.grd)"), QStringLiteral("GRD"));
    if (file.isEmpty())
        return;
    if (!saveGridFile(game_->round()->grid(), std::filesystem::path(file.toStdString())))
        dialogs().showMessage("Unable to save grid to disk.", "Error", MessageButtons::Ok, MessageIcon::Error);
}

// ------------------------------------------------------------------ preferences and help

void TMainForm::runPreferences(int page)
{
    // The round is paused while the preferences are open, unless the user
    // had paused it already: then it stays paused afterwards too.
    const bool pauseAround = game_ && actRoundPause_->isEnabled() && game_->round() && !game_->round()->paused;
    if (pauseAround)
        actRoundPauseExecute();
    preferences_->showPage(page == 0 ? TPreferencesForm::Page::General : TPreferencesForm::Page::Sounds);
    applyPreferences();
    if (game_ && preferences_->fontChanged())
        board_->setBoardFont(letterFont_);
    if (pauseAround && game_ && game_->round() && game_->round()->paused)
        actRoundPauseExecute();
}

void TMainForm::mnuPreferencesGeneralClick() { runPreferences(0); }
void TMainForm::mnuPreferencesSoundClick() { runPreferences(1); }

void TMainForm::mnuGameOptionsClick()
{
    if (!game_ || !actGameOptions_->isEnabled())
        return;
    game_->setupFromDialog(false, false);
    fillStatusPanels();
    setRoundTimeHint(game_->roundTimeHint());
    refreshBetweenRounds();
}

void TMainForm::refreshBetweenRounds()
{
    if (!game_ || game_->roundRunning)
        return;
    imgSetRoundTime_->setVisible(!game_->automaticDuration && actRoundStart_->isEnabled());
    pnlBonus_->setVisible(game_->bonusWordEnabled);
    layoutCentre();
}

void TMainForm::mnuHelpTopicsClick() { showHelp(); }
void TMainForm::howToPlayClick() { showHelpTopic(QStringLiteral("::/HowToPlay.htm")); }

// ------------------------------------------------------------------ panels

void TMainForm::setWelcomeVisible(bool visible)
{
    pnlWelcome_->setVisible(visible);
    if (visible)
        pnlWelcome_->raise();
    for (QAction* a : actWelcomeKeys_)
        a->setEnabled(visible);
    welcomeButtons_[3]->setEnabled(static_cast<bool>(joinGameHandler));
    joinCaption_->setEnabled(static_cast<bool>(joinGameHandler));
    if (!joinGameHandler)
        welcomeButtons_[3]->setToolTip(QStringLiteral("Network games are not available in this version"));
    if (visible)
        welcomeButtons_[0]->setFocus();
}

void TMainForm::fillStatusPanels()
{
    const GridOptions& o = gridOptions();
    stbPanel1_->setText(QStringLiteral("Word Length:  MIN:%1 MAX:%2").arg(o.minWordLength).arg(o.maxWordLength));
    stbPanel2_->setText(QStringLiteral("Reuse: ") + (o.allowLetterReuse ? QStringLiteral("YES") : QStringLiteral("NO")));
}

void TMainForm::clearStatusPanels()
{
    stbPanel0_->clear();
    stbPanel1_->clear();
    stbPanel2_->clear();
}

void TMainForm::showPlayerLabels()
{
    for (int i = 0; i < 4; ++i) {
        const auto s = static_cast<std::size_t>(i);
        const Player* p = game_ ? game_->playerAt(i) : nullptr;
        lblPlayerName_[s]->setVisible(p != nullptr);
        lblPlayerScore_[s]->setVisible(p != nullptr);
        if (p) {
            lblPlayerName_[s]->setText(QString::fromStdString(p->name));
            lblPlayerScore_[s]->setText(QStringLiteral("0"));
        }
    }
}

// ------------------------------------------------------------------ the board

void TMainForm::removeBoard() { board_->clear(); }

TLetterLabel* TMainForm::letterAt(int column, int row) const { return board_->letterAt(column, row); }

QLabel* TMainForm::tileAt(int column, int row) const { return board_->tileAt(column, row); }

void TMainForm::buildBoard(const Grid& grid)
{
    lblTimeLeft_->clear();
    building_ = true;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    const int columns = std::clamp(Grid::columns(), 3, 12);
    const int rows = std::clamp(Grid::rows(), 3, 12);
    board_->setPlacement(TLetterBoard::Placement::WholeTiles, tilePrototypePosition());
    board_->setTileSize(tileSize_);
    board_->setBoardFont(letterFont_);
    board_->setTextColour(letterColour_);
    board_->build(grid, columns, rows);
    building_ = false;
    updDimCol_->setValue(columns);
    updDimRow_->setValue(rows);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TMainForm::showAllCells(bool show)
{
    const Round* round = game_ ? game_->round() : nullptr;
    if (round)
        board_->showCells(round->grid(), show);
    else
        board_->showCells(Grid(false), false);
}

void TMainForm::showCellsForPause(const Grid& grid, bool show) { board_->showCells(grid, show); }

void TMainForm::letterPressed(int tag, Qt::MouseButton button)
{
    if (!game_ || !game_->hasMousePlayer)
        return;
    WordEntry& entry = game_->wordEntry();
    switch (button) {
    case Qt::LeftButton: entry.leftClick(tag / 100, tag % 100); break;
    case Qt::RightButton: entry.rightClick(); break;
    case Qt::MiddleButton: entry.middleClick(); break;
    default: break;
    }
}

void TMainForm::wordEntryEdited(const QString& text)
{
    const QString upper = text.toUpper();
    if (upper != text) {
        const int at = edtWordEntry_->cursorPosition();
        edtWordEntry_->setText(upper);
        edtWordEntry_->setCursorPosition(at);
    }
    if (game_)
        game_->wordEntry().typedTextChanged(upper.toLatin1().toStdString());
}

void TMainForm::submitTypedWord()
{
    if (!game_ || !game_->roundRunning || !edtWordEntry_->isEnabled())
        return;
    game_->wordEntry().submitTyped();
}

// ------------------------------------------------------------------ GameView

void TMainForm::setStatusText(const std::string& text) { stbPanel0_->setText(QString::fromStdString(text)); }

TextLabel& TMainForm::scoreLabel(int slot) { return scoreLabels_[static_cast<std::size_t>(std::clamp(slot, 0, 3))]; }

TextLabel& TMainForm::nameLabel(int slot) { return nameLabels_[static_cast<std::size_t>(std::clamp(slot, 0, 3))]; }

void TMainForm::manualGridSize(int& columns, int& rows)
{
    columns = updDimCol_->value();
    rows = updDimRow_->value();
}

void TMainForm::roundStarting()
{
    actRoundStart_->setEnabled(false);
    showAllCells(false);
}

void TMainForm::enterRoundMode(const Game& game)
{
    const bool client = game.networkMode == NetworkMode::Client;
    fillStatusPanels();
    imgSetRoundTime_->hide();
    for (QAction* a : {actGameOptions_, actGameNew_, actGameLoad_, actGameSaveAs_, actViewPlayerStats_, actGameSave_,
                       actShowResults_, actRoundClear_})
        a->setEnabled(false);
    actRoundPause_->setEnabled(game.networkMode == NetworkMode::Local);
    actAbortCounts_->setEnabled(!client);
    actAbortNoCount_->setEnabled(!client);
    mnuAbort_->menuAction()->setEnabled(!client);
    lblTimeLeft_->show();
    lblRound_->show();
    if (!client)
        setRoundLabel("Round " + std::to_string(game.currentRound));
    updDimCol_->setEnabled(false);
    updDimRow_->setEnabled(false);
    for (QLabel* l : lblBonusLetter_)
        l->hide();
    lblBonusValue_->clear();
    pnlBonus_->setToolTip(QString());
    pnlBonus_->setVisible(game.bonusWordEnabled);
    actPrintGrid_->setEnabled(actPrintGrid_->isVisible());
    actSaveGrid_->setEnabled(true);
    for (QAction* a : actWelcomeKeys_)
        a->setEnabled(false);
    layoutCentre();
}

void TMainForm::placeWordEntryPanel(bool show)
{
    wordEntryWanted_ = show;
    if (!show) {
        pnlWordEntry_->hide();
        return;
    }
    pnlWordEntry_->adjustSize();
    const QSize panel = pnlWordEntry_->size();
    const int bottom = board_->y() + board_->cellsBottom();
    const int top = BoardLayout::wordEntryTop(bottom, pnlCenter_->height(), panel.height());
    const int left = board_->x() + (board_->width() - panel.width()) / 2;
    pnlWordEntry_->move(std::max(0, left), std::max(bottom + 3, top));
    pnlWordEntry_->show();
    pnlWordEntry_->raise();
    edtWordEntry_->setEnabled(true);
    edtWordEntry_->setFocus();
}

void TMainForm::refreshLetterCells()
{
    if (!game_)
        return;
    const WordEntry& entry = game_->wordEntry();
    const QString tip = QString::fromLatin1(entry.mouseWord().c_str());
    for (int c = 0; c < board_->columns(); ++c)
        for (int r = 0; r < board_->rows(); ++r)
            if (TLetterLabel* l = letterAt(c, r)) {
                l->setLetterColour(cellColour(entry.colourAt(c, r)));
                l->setCursor(cellCursor(entry.cursorAt(c, r)));
                l->setToolTip(tip);
            }
    const QString typed = QString::fromLatin1(entry.typedText().c_str());
    if (edtWordEntry_->text() != typed) {
        edtWordEntry_->setText(typed);
        edtWordEntry_->end(false);
    }
    actRoundClear_->setEnabled(game_->roundRunning && entry.clearClicksEnabled());
}

void TMainForm::setClockText(const std::string& text) { lblTimeLeft_->setText(QString::fromStdString(text)); }

void TMainForm::setClockFlashing(bool flashing) { lblTimeLeft_->setFlashing(flashing); }

void TMainForm::setPaused(bool paused)
{
    pnlPaused_->setVisible(paused);
    if (paused)
        pnlPaused_->raise();
    if (game_ && game_->round())
        showCellsForPause(game_->round()->grid(), !paused);
    if (pnlWordEntry_->isVisible()) {
        edtWordEntry_->setEnabled(!paused);
        if (!paused)
            edtWordEntry_->setFocus();
    }
    actRoundPause_->setText(paused ? QStringLiteral("&Resume") : QStringLiteral("&Pause"));
    actRoundPause_->setToolTip(paused ? QStringLiteral("Resume") : QStringLiteral("Pause"));
}

void TMainForm::showBonusHint(const std::string& letters, const std::string& value)
{
    const QString shown = QString::fromLatin1(letters.c_str());
    for (std::size_t i = 0; i < lblBonusLetter_.size(); ++i) {
        QLabel* l = lblBonusLetter_[i];
        if (i < static_cast<std::size_t>(shown.size())) {
            l->setText(shown.mid(static_cast<int>(i), 1));
            l->show();
        } else {
            l->hide();
        }
    }
    // The panel has ten places; a longer word is shown whole in its hint.
    pnlBonus_->setToolTip(shown.size() > static_cast<int>(lblBonusLetter_.size()) ? shown : QString());
    lblBonusValue_->setText(QString::fromStdString(value));
}

void TMainForm::leaveRoundMode(const Game& game, bool)
{
    const bool client = game.networkMode == NetworkMode::Client;
    edtWordEntry_->clear();
    pnlWordEntry_->hide();
    wordEntryWanted_ = false;
    if (pnlPaused_->isVisible()) {
        pnlPaused_->hide();
        actRoundPause_->setText(QStringLiteral("&Pause"));
        actRoundPause_->setToolTip(QStringLiteral("Pause"));
    }
    for (QAction* a : {actRoundPause_, actAbortCounts_, actAbortNoCount_, actRoundClear_})
        a->setEnabled(false);
    mnuAbort_->menuAction()->setEnabled(false);
    if (!client)
        for (QAction* a : {actViewPlayerStats_, actGameSave_, actGameNew_, actGameLoad_, actGameSaveAs_})
            a->setEnabled(true);
    actGameOptions_->setEnabled(true);
}

void TMainForm::prepareNextRound(const Game& game)
{
    imgSetRoundTime_->setVisible(!game.automaticDuration);
    updDimCol_->setEnabled(true);
    updDimRow_->setEnabled(true);
    actRoundStart_->setEnabled(true);
    pnlBonus_->setVisible(game.bonusWordEnabled);
    mnuRound_->menuAction()->setEnabled(true);
    layoutCentre();
}

void TMainForm::setRoundLabel(const std::string& text) { lblRound_->setText(QString::fromStdString(text)); }

void TMainForm::setRoundTimeHint(const std::string& text) { imgSetRoundTime_->setToolTip(QString::fromStdString(text)); }

void TMainForm::setShowResultsEnabled(bool enabled) { actShowResults_->setEnabled(enabled); }

void TMainForm::setMainWindowVisible(bool visible) { setVisible(visible); }

std::unique_ptr<ResultsWindow> TMainForm::createResultsWindow(Game& game, Round& round)
{
    return resultsWindowFactory ? resultsWindowFactory(game, round) : nullptr;
}

void TMainForm::showCongratulations(const std::string& text, bool humanWinner)
{
    if (congratulationsHandler)
        congratulationsHandler(text, humanWinner);
}

bool TMainForm::runSetupDialog(GameSetup& setup, bool isNew, bool allowNetworkChoice)
{
    TPlayerInfoDlg::Purpose purpose = TPlayerInfoDlg::Purpose::NewGame;
    if (!isNew)
        purpose = game_ && game_->networkMode == NetworkMode::Client ? TPlayerInfoDlg::Purpose::ReadOnly
                                                                     : TPlayerInfoDlg::Purpose::GameOptions;
    TPlayerInfoDlg dialog(purpose, setup, allowNetworkChoice && networkChoiceAvailable, this);
    if (dialog.exec() != QDialog::Accepted || purpose == TPlayerInfoDlg::Purpose::ReadOnly)
        return false;
    setup = dialog.setup();
    return true;
}

} // namespace lettrava
