#include "ui/shell/MainActions.h"

#include <QCoreApplication>
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
    gameNew = make(QCoreApplication::translate("MainActions", "&New"), "mnuGameNew");
    gameNew->setShortcut(QKeySequence::New);
    gameLoad = make(QCoreApplication::translate("MainActions", "&Load"), "mnuGameLoad");
    gameLoad->setShortcut(QKeySequence::Open);
    gameSave = make(QCoreApplication::translate("MainActions", "&Save"), "actGameSave");
    gameSave->setToolTip(QCoreApplication::translate("MainActions", "Save Game"));
    gameSave->setShortcut(QKeySequence::Save);
    gameSaveAs = make(QCoreApplication::translate("MainActions", "Save &As.."), "actGameSaveAs");
    viewPlayerStats = make(QCoreApplication::translate("MainActions", "&View Player Stats"), "mnuViewPlayerStats");
    gridFactory = make(QCoreApplication::translate("MainActions", "&Grid Factory"), "mnuGridFactory");
    exit = make(QCoreApplication::translate("MainActions", "&Exit"), "mnuExit");
    roundStart = make(QCoreApplication::translate("MainActions", "Start Round"), "actRoundStart");
    roundStart->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    roundPause = make(QCoreApplication::translate("MainActions", "&Pause"), "actRoundPause");
    roundPause->setToolTip(QCoreApplication::translate("MainActions", "Pause"));
    roundPause->setShortcut(QKeySequence(Qt::Key_Pause));
    abortCounts = make(QCoreApplication::translate("MainActions", "Round Still Counts"), "mnuAbortCounts");
    abortNoCount = make(QCoreApplication::translate("MainActions", "Round Doesn't Count"), "mnuAbortNoCount");
    printGrid = make(QCoreApplication::translate("MainActions", "Print Grid"), "mnuPrintGrid");
    saveGrid = make(QCoreApplication::translate("MainActions", "Save Grid"), "mnuSaveGrid");
    roundClear = make(QCoreApplication::translate("MainActions", "&Clear Clicks"), "actRoundClear");
    roundClear->setToolTip(QCoreApplication::translate("MainActions", "Clear Mouse Clicks"));
    showResults = make(QCoreApplication::translate("MainActions", "Show &Results"), "mnuShowResults");
    prefsGeneral = make(QCoreApplication::translate("MainActions", "General"), "mnuPreferencesGeneral");
    prefsSound = make(QCoreApplication::translate("MainActions", "Sound"), "mnuPreferencesSound");
    gameOptions = make(QCoreApplication::translate("MainActions", "Game Options"), "mnuGameOptions");
    helpTopics = make(QCoreApplication::translate("MainActions", "Topics"), "mnuHelpTopics");
    helpTopics->setShortcut(QKeySequence(Qt::Key_F1));
    tipOfTheDay = make(QCoreApplication::translate("MainActions", "Tip of the Day"), "mnuTipOfTheDay");
    about = make(QCoreApplication::translate("MainActions", "About"), "mnuAbout");

    for (QAction* a : {roundStart, gameSave, gameSaveAs, roundPause, roundClear, abortCounts,
                       abortNoCount, printGrid, saveGrid, showResults, gameOptions})
        a->setEnabled(false);
}

void MainActions::fillMenus(QMenuBar& bar)
{
    bar.setObjectName(QStringLiteral("MainMenu"));
    mnuGame = bar.addMenu(QCoreApplication::translate("MainActions", "&Game"));
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

    mnuRound = bar.addMenu(QCoreApplication::translate("MainActions", "&Round"));
    mnuRound->setObjectName(QStringLiteral("mnuRound"));
    mnuRound->addAction(roundStart);
    mnuRound->addAction(roundPause);
    mnuAbort = mnuRound->addMenu(QCoreApplication::translate("MainActions", "Abort"));
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

    mnuPreferences = bar.addMenu(QCoreApplication::translate("MainActions", "&Preferences"));
    mnuPreferences->setObjectName(QStringLiteral("mnuPreferences"));
    mnuPreferences->addAction(prefsGeneral);
    mnuPreferences->addAction(prefsSound);
    mnuPreferences->addSeparator();
    mnuPreferences->addAction(gameOptions);

    mnuHelp = bar.addMenu(QCoreApplication::translate("MainActions", "&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuHelp->addAction(helpTopics);
    mnuHelp->addAction(tipOfTheDay);
    mnuHelp->addAction(about);
}

} // namespace lettrava
