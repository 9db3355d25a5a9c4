#pragma once

#include "core/views/TipOfTheDay.h"

#include <QDialog>

#include <string>
#include <vector>

class QCheckBox;
class QPushButton;
class QTextEdit;

namespace lettrava {

// "Lettrava Tip of the Day": one tip at a time under "Did you know...", with
// " &Show tips at startup", "&OK", "&Next Tip" and, when the tips come in
// order, "&Previous Tip".
class TALSTipDlg : public QDialog {
    Q_OBJECT
public:
    TALSTipDlg(std::vector<std::string> tips, bool inOrder, QWidget* parent = nullptr);

    bool showAtStartup() const;
    void setShowAtStartup(bool on);
    const TipOfTheDay& tips() const { return tips_; }
    QString tipText() const;
    bool tipHasScrollBar() const;

public slots:
    void nextTip();
    void previousTip();

private:
    void showCurrent();

    TipOfTheDay tips_;
    QTextEdit* txtTip_;
    QCheckBox* chkShowTips_;
    QPushButton* btnNext_;
    QPushButton* btnPrevious_;
};

} // namespace lettrava
