#pragma once

#include <QObject>

#include <array>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace lettrava {

class Dictionary;
class Player;
class TRRForm;

// The round results window's menus: the menu bar ("Word List" with a menu
// for each player and one for the solution, "Return to Game", "Help") and
// the pop-up menu shared by the word lists and the word labels (the longest
// words, the bonus word).
//
// The menus hold no state of the window: every command is one of the
// window's own (TRRForm's lookups, Add Word, View Stats, sorting, showing the
// solution), acting on the word list or label the pop-up was opened on.
class TResultsMenus : public QObject {
    Q_OBJECT
public:
    // Builds the menu bar; the pop-up comes with buildPopup.
    explicit TResultsMenus(TRRForm& form);
    void buildPopup();

    QMenuBar* menuBar() const { return mnuMain_; }
    QMenu* playerMenu(int slot) const { return playerMenus_.at(static_cast<std::size_t>(slot)).menu; }
    QAction* playerAddWordAction(int slot) const { return playerMenus_.at(static_cast<std::size_t>(slot)).addWord; }
    QMenu* popup() const { return popup_; }

    // A player's menu is shown, titled with the name, for a slot with a player.
    void showPlayer(int slot, const Player* player);
    // The pop-up's lookups: the local dictionary when there is one, and the
    // dictionary's lookup pages by their names.
    void showLookups(const Dictionary& dictionary);
    // The solution's menu offers "Show" while the solution is hidden, and
    // its lookups and sort orders only while it is shown.
    void setSolutionShown(bool shown);
    // Prepares the pop-up for the widget it opens on (a list or a label).
    QMenu* preparePopup(QWidget* source);

private:
    struct PlayerMenu {
        QMenu* menu = nullptr;
        QAction* lookupLocal = nullptr;
        QAction* lookupInternet = nullptr;
        QAction* addWord = nullptr;
    };

    TRRForm& form_;

    QMenuBar* mnuMain_ = nullptr;
    std::array<PlayerMenu, 4> playerMenus_{};
    QAction* actSolutionShow_ = nullptr;
    QMenu* mnuSolutionLookup_ = nullptr;
    QMenu* mnuSolutionSort_ = nullptr;

    QMenu* popup_ = nullptr;
    QWidget* popupSource_ = nullptr;
    QMenu* mnuPopupLookup_ = nullptr;
    QAction* popLocal_ = nullptr;
    QAction* popPage1_ = nullptr;
    QAction* popPage2_ = nullptr;
    QAction* popAddWord_ = nullptr;
    QAction* popSeparator_ = nullptr;
    QAction* popViewStats_ = nullptr;
    QAction* popSort_ = nullptr;
    std::array<QAction*, 4> popOrders_{};
};

} // namespace lettrava
