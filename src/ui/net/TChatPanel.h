#pragma once

#include <QStringList>
#include <QWidget>

class QHBoxLayout;
class QLineEdit;
class QPlainTextEdit;
class QToolButton;

namespace lettrava {

class TMemberListBox;
class TMemberListModel;

// The chat of a network game: the memo of lines, the member list beside it,
// the input line with its send button, and the member-list button. The main
// window's panel also carries the add-player button and the "D" button that
// simulates a lost connection; the results window's has neither.
//
// The panel only shows and collects: what a typed line means, who is in the
// list and what the buttons do belong to the connection window.
class TChatPanel final : public QWidget {
    Q_OBJECT
public:
    enum class Place { MainWindow, ResultsWindow };
    // The memo keeps this many lines; older ones go, so that a long evening
    // of chat cannot grow without bound.
    static constexpr int kMaxLines = 5000;

    explicit TChatPanel(Place place, QWidget* parent = nullptr);

    Place place() const { return place_; }
    QPlainTextEdit* memo() const { return mmoChat_; }
    TMemberListBox* memberList() const { return lbxMembers_; }
    QLineEdit* input() const { return edtChat_; }
    QToolButton* sendButton() const { return sbtSend_; }
    QToolButton* memberListButton() const { return sbtHideMemberList_; }
    // None in the results window.
    QToolButton* addPlayerButton() const { return sbtAddPlayer_; }
    QToolButton* debugButton() const { return sbtDebug_; }

    void appendLine(const QString& line);
    QStringList lines() const;
    // The panel's height that shows `count` lines of the memo above the input row.
    int heightForLines(int count) const;
    // How many whole lines the memo shows at its present height.
    int visibleLines() const;
    // The other panel's lines replace this one's; the memo shows its last line.
    void takeLinesFrom(const TChatPanel& other);
    void clearLines();

    void setMemberModel(TMemberListModel* model);
    // The member list and the button's picture and hint.
    void setMemberListShown(bool shown);
    bool memberListShown() const { return memberListShown_; }

signals:
    // Enter in the input line or the send button; the line is emptied.
    void textEntered(const QString& text);
    void addPlayerClicked();
    void debugClicked();
    void memberListToggled(bool shown);
    // A click in the member list (it may have changed the selection).
    void memberListClicked();
    void memberMenuRequested(const QPoint& globalPos);

private:
    void send();

    Place place_;
    QHBoxLayout* inputRow_ = nullptr;
    QPlainTextEdit* mmoChat_ = nullptr;
    TMemberListBox* lbxMembers_ = nullptr;
    QLineEdit* edtChat_ = nullptr;
    QToolButton* sbtSend_ = nullptr;
    QToolButton* sbtHideMemberList_ = nullptr;
    QToolButton* sbtAddPlayer_ = nullptr;
    QToolButton* sbtDebug_ = nullptr;
    bool memberListShown_ = true;
};

} // namespace lettrava
