#include "ui/shell/GameWindows.h"

#include "ui/shell/TMainForm.h"
#include "ui/dialogs/TRRForm.h"

#include "core/platform/Dialogs.h"
#include "core/players/PlayerFileManager.h"
#include "core/views/PlayerStats.h"
#include "core/views/TipOfTheDay.h"
#include "ui/platform/GamePreferences.h"
#include "ui/platform/Settings.h"
#include "ui/platform/SettingsStore.h"
#include "ui/dialogs/TALSTipDlg.h"
#include "ui/dialogs/TAboutBox.h"
#include "ui/dialogs/TCongratulationsForm.h"
#include "ui/dialogs/THelpForm.h"
#include "ui/dialogs/THelpWarningForm.h"
#include "ui/dialogs/TStatSummaryForm.h"
#include "ui/widgets/WindowParts.h"
#include "ui/platform/GameText.h"

namespace lettrava {

void showCongratulations(QWidget* parent, const std::string& text, bool humanWinner)
{
    TCongratulationsForm form(toQt(text), humanWinner, parent);
    form.exec();
}

void showStatSummary(QWidget* parent)
{
    const auto& records = PlayerFileManager::instance().records();
    if (records.empty()) {
        dialogs().showMessage(translate("Statistics", PlayerStats::kNoStatsText), kApplicationTitle);
        return;
    }
    TStatSummaryForm form(records, parent);
    form.exec();
}

void showTips(QWidget* parent)
{
    GamePreferences* prefs = GamePreferences::instance();
    const bool firstRun = prefs ? prefs->isFirstRun()
                                : !SettingsStore::contains(settings::ShowTips.group, settings::ShowTips.name);
    TALSTipDlg dialog(TipOfTheDay::builtInTips(), firstRun, parent);
    dialog.exec();
    if (prefs)
        prefs->setShowTips(dialog.showAtStartup());
    else
        SettingsStore::write(settings::ShowTips, dialog.showAtStartup());
}

void showTipsAtStartup(QWidget* parent)
{
    const GamePreferences* prefs = GamePreferences::instance();
    if (prefs ? prefs->showTips() : SettingsStore::read(settings::ShowTips))
        showTips(parent);
}

void showAbout(QWidget* parent)
{
    TAboutBox box(parent);
    box.exec();
}

void showHelpWarningIfNeeded(QWidget* parent)
{
    GamePreferences* prefs = GamePreferences::instance();
    const bool wanted = prefs ? prefs->showHelpWarning() : SettingsStore::read(settings::ShowHelpWarning);
    if (helpAvailable() || !wanted)
        return;
    THelpWarningForm form(parent);
    form.exec();
    if (form.doNotShowAgain()) {
        if (prefs)
            prefs->disableHelpWarning();
        else
            SettingsStore::write(settings::ShowHelpWarning, false);
    }
}

void installGameWindows(TMainForm& window)
{
    // Each window is parented to the main window, which the game hides while
    // they are up.
    window.resultsWindowFactory = [&window](Game& game, Round& round) {
        return makeResultsWindow(game, round, &window, window.chatShown());
    };
    window.congratulationsHandler = [&window](const std::string& text, bool humanWinner) {
        showCongratulations(&window, text, humanWinner);
    };
    window.playerStatsHandler = [&window] { showStatSummary(&window); };
    window.tipOfTheDayHandler = [&window] { showTips(&window); };
    window.startupTipsHandler = [&window](bool) { showTips(&window); };
    window.aboutHandler = [&window] { showAbout(&window); };
    window.helpWarningHandler = [&window] { showHelpWarningIfNeeded(&window); };
}

} // namespace lettrava
