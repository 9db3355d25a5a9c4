#pragma once

#include <QDialog>

class QCheckBox;

namespace lettrava {

// "Welcome to Lettrava": shown at start-up when the help cannot be shown, with
// a link to a web browser's download page and "Do Not Show this Message Again".
class THelpWarningForm : public QDialog {
    Q_OBJECT
public:
    explicit THelpWarningForm(QWidget* parent = nullptr);

    bool doNotShowAgain() const;

    static const char* warningText();
    static constexpr const char* kBrowserDownloadPage = "https://www.microsoft.com/edge/download";

private:
    QCheckBox* chkDoNotShow_;
};

} // namespace lettrava
