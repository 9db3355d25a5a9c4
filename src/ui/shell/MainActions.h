#pragma once

#include <array>

class QAction;
class QMenu;
class QMenuBar;
class QObject;

namespace lettrava {

// The main window's commands: the actions of its menus, its speed bar and its
// keys, and the menus that hold them. The window connects them to its
// commands; its network side enables and disables them too.
struct MainActions {
    // The actions with their texts, names and keys, owned by `owner`; those
    // that need a game start disabled.
    void create(QObject* owner);
    // The Game, Round, Preferences and Help menus of the bar.
    void fillMenus(QMenuBar& bar);

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
