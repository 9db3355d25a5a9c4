// The main window's actions, menus and speed bar.

#include "ui/shell/TMainForm.h"
#include "ui/play/PlayParts.h"

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
#include "ui/play/TPlayPanels.h"
#include "ui/widgets/TPictureButton.h"
#include "ui/dialogs/TPlayerInfoDlg.h"
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

using namespace playparts;

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
    actGridFactory_ = make(QStringLiteral("&Grid Factory"), "mnuGridFactory");
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
    connect(actGridFactory_, &QAction::triggered, this, &TMainForm::mnuGridFactoryClick);
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
    mnuGame_->addAction(actGridFactory_);
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

} // namespace lettrava
