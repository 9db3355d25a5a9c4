#pragma once

#include "core/game/GameSetup.h"

#include <QDialog>

#include <array>
#include <cstdint>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace lettrava {

class TAdvancedPanel;
class TFlatButton;
class TGameOptionsGroup;
class TGridFileList;
class TPictureButton;
class TPlayersGroup;

// "Enter Player Information": the players and the options of a game.
//
// For a new game every control can be changed and the last accepted choices
// are restored from the settings store; for the options of a running game
// the players, their number, the grid size order and the number of rounds
// are fixed; a network client's read-only view shows the host's settings and
// can only be closed. The dialog owns no game state: it starts from a
// GameSetup and yields one; the rules it applies (conflict marks, reserved
// names, computer names, acceptance checks, grid file placement) are the
// engine's SetupRules. The players and the game options are groups of their
// own (TPlayersGroup, TGameOptionsGroup); the dialog places them beside the
// network settings, the grid files and its buttons, and fills, reads and
// stores them together.
class TPlayerInfoDlg : public QDialog {
    Q_OBJECT
public:
    enum class Purpose { NewGame, GameOptions, ReadOnly };

    static constexpr const char* kCaption = QT_TRANSLATE_NOOP("lettrava::TPlayerInfoDlg", "Enter Player Information");
    static constexpr const char* kInputMethods[4] = {QT_TRANSLATE_NOOP("lettrava::TPlayerInfoDlg", "Keyboard and Mouse"), QT_TRANSLATE_NOOP("lettrava::TPlayerInfoDlg", "Keyboard Only"), QT_TRANSLATE_NOOP("lettrava::TPlayerInfoDlg", "Mouse Only"),
                                                     QT_TRANSLATE_NOOP("lettrava::TPlayerInfoDlg", "Computer Player")};
    static constexpr const char* kGridSizeOrders[4] = {QT_TRANSLATE_NOOP("lettrava::TPlayerInfoDlg", "Smallest to Largest"), QT_TRANSLATE_NOOP("lettrava::TPlayerInfoDlg", "Random"), QT_TRANSLATE_NOOP("lettrava::TPlayerInfoDlg", "Set Manually Each Round"),
                                                       QT_TRANSLATE_NOOP("lettrava::TPlayerInfoDlg", "Load from Files")};
    static constexpr const char* kDurations[2] = {QT_TRANSLATE_NOOP("lettrava::TPlayerInfoDlg", "Automatic Based on Grid Size"), QT_TRANSLATE_NOOP("lettrava::TPlayerInfoDlg", "Set Manually")};
    static constexpr int kMaxNameLength = 10;

    // `current` holds the running game's values (game options, read-only
    // view); a new game starts from the stored choices instead.
    TPlayerInfoDlg(Purpose purpose, const GameSetup& current, bool allowNetworkChoice, QWidget* parent = nullptr);

    Purpose purpose() const { return purpose_; }
    // A new game while this program hosts one already: the new game is
    // hosted too, on the same port ("Listen for network players" checked
    // and fixed).
    void keepHosting(std::uint16_t port);
    // The choices as the dialog holds them now.
    GameSetup setup() const;
    // The slots marked because their input method conflicts with a later one.
    std::array<bool, 4> conflictMarks() const;

public slots:
    // Accepting (the accept button, Alt+S, Enter): the checks of a new game,
    // then the choices are stored and the dialog closes.
    void tryAccept();
    void showHelp();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void build();
    QGroupBox* buildNetwork();
    QGroupBox* buildHostVersion();
    QWidget* buildGridFiles();
    QWidget* buildButtons();
    TPictureButton* pictureButton(const char* name, const QString& caption, TFlatButton*& label);

    void gridOrderChanged();
    void listenToggled();
    void addGridFiles();
    void deleteGridFile();

    void restoreStoredChoices();
    void fillFromSetup(const GameSetup& s);
    void lockForGameOptions();
    void makeReadOnly();
    void storeChoices() const;

    Purpose purpose_;
    GameSetup current_;
    bool allowNetworkChoice_;

    TAdvancedPanel* pnlMain_ = nullptr;
    TPlayersGroup* grpPlayers_ = nullptr;
    TGameOptionsGroup* grpOptions_ = nullptr;
    QCheckBox* chkWaitForNetworkPlayers_ = nullptr;
    QLabel* lblWaitForNetworkPlayers_ = nullptr;
    QLabel* lblPort_ = nullptr;
    QLineEdit* edtPort_ = nullptr;
    QLabel* lblEmail_ = nullptr;
    QLineEdit* edtEmail_ = nullptr;
    QLabel* lblMessage_ = nullptr;
    QLineEdit* edtMessage_ = nullptr;
    QGroupBox* grpNetwork_ = nullptr;
    QGroupBox* grpHostVersion_ = nullptr;
    QLabel* lblHostProgram_ = nullptr;
    QLabel* lblHostDictionary_ = nullptr;
    QWidget* pnlGridFiles_ = nullptr;
    TGridFileList* lbxGridFiles_ = nullptr;
    TPictureButton* btnAccept_ = nullptr;
    TFlatButton* lblAccept_ = nullptr;
    TPictureButton* btnCancel_ = nullptr;
    TPictureButton* btnHelp_ = nullptr;
};

} // namespace lettrava
