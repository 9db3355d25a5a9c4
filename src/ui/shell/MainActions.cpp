#include "ui/shell/MainActions.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace lettrava {

void MainActions::create(QObject* owner)
{
    auto make = [owner](const QString& text, const char* name) {
        auto* a = new QAction(text, owner);
        a->setObjectName(QLatin1String(name));
        return a;
    };
    gameNew = make(QStringLiteral("&New"), "mnuGameNew");
    gameNew->setShortcut(QKeySequence::New);
    gameLoad = make(QStringLiteral("&Load"), "mnuGameLoad");
    gameLoad->setShortcut(QKeySequence::Open);
    gameSave = make(QStringLiteral("&Save"), "actGameSave");
    gameSave->setToolTip(QStringLiteral("Save Game"));
    gameSave->setShortcut(QKeySequence::Save);
    gameSaveAs = make(QStringLiteral("Save &As.."), "actGameSaveAs");
    viewPlayerStats = make(QStringLiteral("&View Player Stats"), "mnuViewPlayerStats");
    gridFactory = make(QStringLiteral("&Grid Factory"), "mnuGridFactory");
    exit = make(QStringLiteral("&Exit"), "mnuExit");
    roundStart = make(QStringLiteral("Start Round"), "actRoundStart");
    roundStart->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    roundPause = make(QStringLiteral("&Pause"), "actRoundPause");
    roundPause->setToolTip(QStringLiteral("Pause"));
    roundPause->setShortcut(QKeySequence(Qt::Key_Pause));
    abortCounts = make(QStringLiteral("Round Still Counts"), "mnuAbortCounts");
    abortNoCount = make(QStringLiteral("Round Doesn't Count"), "mnuAbortNoCount");
    printGrid = make(QStringLiteral("Print Grid"), "mnuPrintGrid");
    saveGrid = make(QStringLiteral("Save Grid"), "mnuSaveGrid");
    roundClear = make(QStringLiteral("&Clear Clicks"), "actRoundClear");
    roundClear->setToolTip(QStringLiteral("Clear Mouse Clicks"));
    showResults = make(QStringLiteral("Show &Results"), "mnuShowResults");
    prefsGeneral = make(QStringLiteral("General"), "mnuPreferencesGeneral");
    prefsSound = make(QStringLiteral("Sound"), "mnuPreferencesSound");
    gameOptions = make(QStringLiteral("Game Options"), "mnuGameOptions");
    helpTopics = make(QStringLiteral("Topics"), "mnuHelpTopics");
    helpTopics->setShortcut(QKeySequence(Qt::Key_F1));
    tipOfTheDay = make(QStringLiteral("Tip of the Day"), "mnuTipOfTheDay");
    about = make(QStringLiteral("About"), "mnuAbout");

    for (QAction* a : {roundStart, gameSave, gameSaveAs, roundPause, roundClear, abortCounts,
                       abortNoCount, printGrid, saveGrid, showResults, gameOptions})
        a->setEnabled(false);
}

void MainActions::fillMenus(QMenuBar& bar)
{
    bar.setObjectName(QStringLiteral("MainMenu"));
    mnuGame = bar.addMenu(QStringLiteral("&Game"));
    mnuGame->setObjectName(QStringLiteral("mnuGame"));
    mnuGame->addAction(gameNew);
    mnuGame->addAction(gameLoad);
    mnuGame->addSeparator();
    mnuGame->addAction(gameSave);
    mnuGame->addAction(gameSaveAs);
    mnuGame->addSeparator();
    mnuGame->addAction(viewPlayerStats);
    mnuGame->addAction(gridFactory);
    mnuGame->addSeparator();
    mnuGame->addAction(exit);

    mnuRound = bar.addMenu(QStringLiteral("&Round"));
    mnuRound->setObjectName(QStringLiteral("mnuRound"));
    mnuRound->addAction(roundStart);
    mnuRound->addAction(roundPause);
    mnuAbort = mnuRound->addMenu(QStringLiteral("Abort"));
    mnuAbort->setObjectName(QStringLiteral("mnuAbort"));
    mnuAbort->addAction(abortCounts);
    mnuAbort->addAction(abortNoCount);
    mnuAbort->menuAction()->setEnabled(false);
    printSeparator = mnuRound->addSeparator();
    mnuRound->addAction(printGrid);
    mnuRound->addAction(saveGrid);
    mnuRound->addSeparator();
    mnuRound->addAction(roundClear);
    mnuRound->addAction(showResults);
    mnuRound->menuAction()->setEnabled(false);

    mnuPreferences = bar.addMenu(QStringLiteral("&Preferences"));
    mnuPreferences->setObjectName(QStringLiteral("mnuPreferences"));
    mnuPreferences->addAction(prefsGeneral);
    mnuPreferences->addAction(prefsSound);
    mnuPreferences->addSeparator();
    mnuPreferences->addAction(gameOptions);

    mnuHelp = bar.addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuHelp->addAction(helpTopics);
    mnuHelp->addAction(tipOfTheDay);
    mnuHelp->addAction(about);
}

} // namespace lettrava
