#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;
class QPushButton;

namespace lettrava {

// The help window: HTML topics shipped beside the program in help/, shown in
// a text browser with Contents, Back and Forward. External links open in the
// user's web browser.
class THelpForm : public QWidget {
    Q_OBJECT
public:
    explicit THelpForm(QWidget* parent = nullptr);

    // Shows the topic file ("HowToPlay.htm"); false when it does not exist.
    bool showTopic(const QString& topic);
    // The file name of the topic shown ("HowToPlay.htm"), or empty text.
    QString currentTopic() const;
    QTextBrowser* browser() const { return browser_; }

protected:
    void keyPressEvent(class QKeyEvent* event) override;

private:
    QTextBrowser* browser_;
    QPushButton* btnBack_;
    QPushButton* btnForward_;
};

// The topic shown by the help's Contents and by showHelp().
inline constexpr const char* kDefaultHelpTopic = "index.htm";

// The folder holding the topics (help/ beside the program, else the installed one).
QString helpFolder();
// Whether the help can be shown: its folder holds the default topic.
bool helpAvailable();

// Opens the help window on the default topic, or on a named topic; a name may
// carry the prefix "::/" of the old help-file form. Only plain file names
// inside the help folder are accepted. False when the topic cannot be shown.
bool showHelp();
bool showHelpTopic(const QString& topic);

// The help window, once it has been opened; nullptr before.
THelpForm* helpWindow();
// Closes and destroys the help window (program end).
void shutDownHelp();

} // namespace lettrava
