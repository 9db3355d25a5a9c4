#pragma once

#include <array>

class QAction;
class QMenu;

namespace lettrava {

// The main window's commands: the actions of its menus, its speed bar and its
// keys, and the menus that hold them. The window builds them; its network
// side enables and disables them too.
struct MainActions {
    QMenu* mnuGame = nullptr;
    QMenu* mnuRound = nullptr;
    QMenu* mnuAbort = nullptr;
    QMenu* mnuPreferences = nullptr;
    QMenu* mnuHelp = nullptr;

    QAction* gameNew = nullptr;
    QAction* gameLoad = nullptr;
    QAction* gameSave = nullptr;
    QAction* gameSaveAs = nullptr;
    QAction* viewPlayerStats = nullptr;
    QAction* gridFactory = nullptr;
    QAction* exit = nullptr;
    QAction* roundStart = nullptr;
    QAction* roundPause = nullptr;
    QAction* abortCounts = nullptr;
    QAction* abortNoCount = nullptr;
    QAction* printGrid = nullptr;
    QAction* printSeparator = nullptr;
    QAction* saveGrid = nullptr;
    QAction* roundClear = nullptr;
    QAction* showResults = nullptr;
    QAction* prefsGeneral = nullptr;
    QAction* prefsSound = nullptr;
    QAction* gameOptions = nullptr;
    QAction* helpTopics = nullptr;
    QAction* tipOfTheDay = nullptr;
    QAction* about = nullptr;
    // S, C, R, J and H on the welcome panel.
    std::array<QAction*, 5> welcomeKeys{};
};

} // namespace lettrava
