#pragma once

#include <QDialog>

#include <string>

class QCheckBox;
class QGroupBox;
class QLabel;

namespace lettrava {

class TPictureButton;

// "Add Word": asks whether a word the dictionary refused goes into the custom
// dictionary, adds it, and (when the box is ticked and a word server is set
// up in the setting "WordServer") sends it to the word server as a
// suggestion and shows the server's answer.
class TAddWordForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int kWidth = 561;
    static constexpr int kHeight = 342;

    explicit TAddWordForm(std::string word, QWidget* parent = nullptr);

    const std::string& word() const { return word_; }

    static QString confirmText(const std::string& word);
    static QString addedText(const std::string& word);
    static constexpr const char* kNotAddedText = QT_TRANSLATE_NOOP("lettrava::TAddWordForm", "The word could not be added.  Please make sure the file                   Lettrava.Cus is not already "
        "open or marked read only.");
    static constexpr const char* kNoServerHint = QT_TRANSLATE_NOOP("lettrava::TAddWordForm", "No word server is set up, so nothing can be sent: its host goes into the setting \"WordServer\".");

public slots:
    // "OK": adds the word, sends it when asked to, shows the outcome.
    void okClicked();
    // "Cancel": closes; nothing added, sent or stored.
    void cancelClicked();
    // "Close" (after OK): stores the box's state as "AddAWord" and closes.
    void closeClicked();

protected:
    void keyPressEvent(class QKeyEvent* event) override;

private:
    std::string word_;
    QString server_;
    QLabel* lblConfirm_;
    QCheckBox* chkSendToServer_;
    QLabel* lblNoServer_;
    QGroupBox* grpLettravaServer_;
    QLabel* lblServerStatus_;
    QLabel* lblServerResponse_;
    QWidget* okButton_;
    QWidget* cancelButton_;
    QWidget* closeButton_;
    bool done_ = false;
};

} // namespace lettrava
