#pragma once

#include <QString>

#include <memory>
#include <string>

class QWidget;

namespace lettrava {

class Game;
class ResultsWindow;
class Round;

// The windows of a game's end and of the help menu, as the main window opens
// them. Each call is complete in itself: it builds the window, shows it
// modally where that is its way, and stores what the user chose.

// The round results window for GameView::createResultsWindow (declared with
// TRRForm): makeResultsWindow(game, round, parent, chatVisible).

// "Game Over" for GameView::showCongratulations: the winner's name (or "It
// was a tie!") and whether the winner is a person; returns when the user
// closes it.
void showCongratulations(QWidget* parent, const std::string& text, bool humanWinner);

// "&View Player Stats": the summary of the player store's records, or the
// message "No player stats available." when it holds none.
void showStatSummary(QWidget* parent);

// "Tip of the Day": the tips in order on the program's first run, in random
// order otherwise; " &Show tips at startup" is stored when it closes.
void showTips(QWidget* parent);
// The main window's first activation: the tips, when the preferences ask for them.
void showTipsAtStartup(QWidget* parent);

class TMainForm;

// Connects the main window's hooks to the windows of this file: results,
// congratulations, statistics, tips, about and the help warning.
void installGameWindows(TMainForm& window);

// "About".
void showAbout(QWidget* parent);

// At start-up: the help warning, when the help cannot be shown and the
// preferences still ask for the warning; stores "Do Not Show this Message Again".
void showHelpWarningIfNeeded(QWidget* parent);

} // namespace lettrava
