#pragma once

#include <QDialog>

namespace lettrava {

// "About Lettrava": the product and its version, the maker's e-mail address
// (opens the mail program) and "Submit Feedback*" (opens the feedback page).
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* owner = nullptr);

    static QString productText();

protected:
    void showEvent(class QShowEvent* event) override;
};

} // namespace lettrava
