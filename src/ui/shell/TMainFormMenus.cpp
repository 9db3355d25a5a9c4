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
    actions_.create(this);

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
    actions_.fillMenus(*menuBar());
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
