// The main window's actions, menus and speed bar.

#include "ui/shell/TMainForm.h"
#include "ui/shell/TSpeedBar.h"
#include "ui/shell/TWelcomePanel.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace lettrava {

void TMainForm::buildActions()
{
    auto make = [this](const QString& text, const char* name) {
        auto* a = new QAction(text, this);
        a->setObjectName(QLatin1String(name));
        return a;
    };
    actions_.gameNew = make(QStringLiteral("&New"), "mnuGameNew");
    actions_.gameNew->setShortcut(QKeySequence::New);
    actions_.gameLoad = make(QStringLiteral("&Load"), "mnuGameLoad");
    actions_.gameLoad->setShortcut(QKeySequence::Open);
    actions_.gameSave = make(QStringLiteral("&Save"), "actGameSave");
    actions_.gameSave->setToolTip(QStringLiteral("Save Game"));
    actions_.gameSave->setShortcut(QKeySequence::Save);
    actions_.gameSaveAs = make(QStringLiteral("Save &As.."), "actGameSaveAs");
    actions_.viewPlayerStats = make(QStringLiteral("&View Player Stats"), "mnuViewPlayerStats");
    actions_.gridFactory = make(QStringLiteral("&Grid Factory"), "mnuGridFactory");
    actions_.exit = make(QStringLiteral("&Exit"), "mnuExit");
    actions_.roundStart = make(QStringLiteral("Start Round"), "actRoundStart");
    actions_.roundStart->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    actions_.roundPause = make(QStringLiteral("&Pause"), "actRoundPause");
    actions_.roundPause->setToolTip(QStringLiteral("Pause"));
    actions_.roundPause->setShortcut(QKeySequence(Qt::Key_Pause));
    actions_.abortCounts = make(QStringLiteral("Round Still Counts"), "mnuAbortCounts");
    actions_.abortNoCount = make(QStringLiteral("Round Doesn't Count"), "mnuAbortNoCount");
    actions_.printGrid = make(QStringLiteral("Print Grid"), "mnuPrintGrid");
    actions_.saveGrid = make(QStringLiteral("Save Grid"), "mnuSaveGrid");
    actions_.roundClear = make(QStringLiteral("&Clear Clicks"), "actRoundClear");
    actions_.roundClear->setToolTip(QStringLiteral("Clear Mouse Clicks"));
    actions_.showResults = make(QStringLiteral("Show &Results"), "mnuShowResults");
    actions_.prefsGeneral = make(QStringLiteral("General"), "mnuPreferencesGeneral");
    actions_.prefsSound = make(QStringLiteral("Sound"), "mnuPreferencesSound");
    actions_.gameOptions = make(QStringLiteral("Game Options"), "mnuGameOptions");
    actions_.helpTopics = make(QStringLiteral("Topics"), "mnuHelpTopics");
    actions_.helpTopics->setShortcut(QKeySequence(Qt::Key_F1));
    actions_.tipOfTheDay = make(QStringLiteral("Tip of the Day"), "mnuTipOfTheDay");
    actions_.about = make(QStringLiteral("About"), "mnuAbout");

    for (QAction* a : {actions_.roundStart, actions_.gameSave, actions_.gameSaveAs, actions_.roundPause, actions_.roundClear, actions_.abortCounts,
                       actions_.abortNoCount, actions_.printGrid, actions_.saveGrid, actions_.showResults, actions_.gameOptions})
        a->setEnabled(false);

    connect(actions_.gameNew, &QAction::triggered, this, &TMainForm::mnuGameNewClick);
    connect(actions_.gameLoad, &QAction::triggered, this, &TMainForm::mnuGameLoadClick);
    connect(actions_.gameSave, &QAction::triggered, this, &TMainForm::actGameSaveExecute);
    connect(actions_.gameSaveAs, &QAction::triggered, this, &TMainForm::actGameSaveAsExecute);
    connect(actions_.viewPlayerStats, &QAction::triggered, this, &TMainForm::mnuViewPlayerStatsClick);
    connect(actions_.gridFactory, &QAction::triggered, this, &TMainForm::mnuGridFactoryClick);
    connect(actions_.exit, &QAction::triggered, this, &QWidget::close);
    connect(actions_.roundStart, &QAction::triggered, this, &TMainForm::actRoundStartExecute);
    connect(actions_.roundPause, &QAction::triggered, this, &TMainForm::actRoundPauseExecute);
    connect(actions_.abortCounts, &QAction::triggered, this, &TMainForm::abortRoundStillCounts);
    connect(actions_.abortNoCount, &QAction::triggered, this, &TMainForm::abortRoundDoesNotCount);
    connect(actions_.printGrid, &QAction::triggered, this, &TMainForm::mnuPrintGridClick);
    connect(actions_.saveGrid, &QAction::triggered, this, &TMainForm::mnuSaveGridClick);
    connect(actions_.roundClear, &QAction::triggered, this, &TMainForm::actRoundClearExecute);
    connect(actions_.showResults, &QAction::triggered, this, &TMainForm::mnuShowResultsClick);
    connect(actions_.prefsGeneral, &QAction::triggered, this, &TMainForm::mnuPreferencesGeneralClick);
    connect(actions_.prefsSound, &QAction::triggered, this, &TMainForm::mnuPreferencesSoundClick);
    connect(actions_.gameOptions, &QAction::triggered, this, &TMainForm::mnuGameOptionsClick);
    connect(actions_.helpTopics, &QAction::triggered, this, &TMainForm::mnuHelpTopicsClick);
    connect(actions_.tipOfTheDay, &QAction::triggered, this, [this] {
        if (tipOfTheDayHandler)
            tipOfTheDayHandler();
    });
    connect(actions_.about, &QAction::triggered, this, [this] {
        if (!aboutHandler)
            return;
        const bool welcome = pnlWelcome_->isVisible();
        pnlWelcome_->hide();
        aboutHandler();
        pnlWelcome_->setVisible(welcome);
    });

    // S, C, H and J on the welcome panel, in either case: its underlined
    // letters (Alt+H stays the Help menu's); R for "How to Play" too.
    const std::array<Qt::Key, 5> keys{Qt::Key_S, Qt::Key_C, Qt::Key_R, Qt::Key_J, Qt::Key_H};
    const std::array<void (TMainForm::*)(), 5> commands{&TMainForm::mnuGameNewClick, &TMainForm::mnuGameLoadClick,
                                                        &TMainForm::howToPlayClick, &TMainForm::joinGameClick,
                                                        &TMainForm::howToPlayClick};
    for (std::size_t i = 0; i < keys.size(); ++i) {
        auto* a = new QAction(this);
        a->setObjectName(QStringLiteral("actWelcomeKey") + QChar(QLatin1Char("SCRJH"[i])));
        a->setShortcuts({QKeySequence(keys[i]), QKeySequence(Qt::SHIFT | keys[i])});
        a->setShortcutContext(Qt::WindowShortcut);
        connect(a, &QAction::triggered, this, commands[i]);
        addAction(a);
        actions_.welcomeKeys[i] = a;
    }
    addAction(actions_.roundStart);
    addAction(actions_.helpTopics);
}

void TMainForm::buildMenus()
{
    menuBar()->setObjectName(QStringLiteral("MainMenu"));
    actions_.mnuGame = menuBar()->addMenu(QStringLiteral("&Game"));
    actions_.mnuGame->setObjectName(QStringLiteral("mnuGame"));
    actions_.mnuGame->addAction(actions_.gameNew);
    actions_.mnuGame->addAction(actions_.gameLoad);
    actions_.mnuGame->addSeparator();
    actions_.mnuGame->addAction(actions_.gameSave);
    actions_.mnuGame->addAction(actions_.gameSaveAs);
    actions_.mnuGame->addSeparator();
    actions_.mnuGame->addAction(actions_.viewPlayerStats);
    actions_.mnuGame->addAction(actions_.gridFactory);
    actions_.mnuGame->addSeparator();
    actions_.mnuGame->addAction(actions_.exit);

    actions_.mnuRound = menuBar()->addMenu(QStringLiteral("&Round"));
    actions_.mnuRound->setObjectName(QStringLiteral("mnuRound"));
    actions_.mnuRound->addAction(actions_.roundStart);
    actions_.mnuRound->addAction(actions_.roundPause);
    actions_.mnuAbort = actions_.mnuRound->addMenu(QStringLiteral("Abort"));
    actions_.mnuAbort->setObjectName(QStringLiteral("mnuAbort"));
    actions_.mnuAbort->addAction(actions_.abortCounts);
    actions_.mnuAbort->addAction(actions_.abortNoCount);
    actions_.mnuAbort->menuAction()->setEnabled(false);
    actions_.printSeparator = actions_.mnuRound->addSeparator();
    actions_.mnuRound->addAction(actions_.printGrid);
    actions_.mnuRound->addAction(actions_.saveGrid);
    actions_.mnuRound->addSeparator();
    actions_.mnuRound->addAction(actions_.roundClear);
    actions_.mnuRound->addAction(actions_.showResults);
    actions_.mnuRound->menuAction()->setEnabled(false);

    actions_.mnuPreferences = menuBar()->addMenu(QStringLiteral("&Preferences"));
    actions_.mnuPreferences->setObjectName(QStringLiteral("mnuPreferences"));
    actions_.mnuPreferences->addAction(actions_.prefsGeneral);
    actions_.mnuPreferences->addAction(actions_.prefsSound);
    actions_.mnuPreferences->addSeparator();
    actions_.mnuPreferences->addAction(actions_.gameOptions);

    actions_.mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    actions_.mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    actions_.mnuHelp->addAction(actions_.helpTopics);
    actions_.mnuHelp->addAction(actions_.tipOfTheDay);
    actions_.mnuHelp->addAction(actions_.about);
    // The entries of windows made elsewhere are offered once their hooks are set.
    auto offerHooked = [this] {
        actions_.tipOfTheDay->setVisible(static_cast<bool>(tipOfTheDayHandler));
        actions_.about->setVisible(static_cast<bool>(aboutHandler));
    };
    connect(actions_.mnuHelp, &QMenu::aboutToShow, this, offerHooked);
    offerHooked();
}

void TMainForm::buildSpeedBar()
{
    pnlSpeedBar_ = new TSpeedBar(this, {actions_.gameSave, actions_.roundStart, actions_.roundPause, actions_.roundClear, actions_.abortCounts});
    pnlSpeedBar_->hide();
}

} // namespace lettrava
