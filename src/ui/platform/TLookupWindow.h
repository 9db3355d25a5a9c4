#pragma once

#include "net/DictProtocol.h"

#include <QWidget>

#include <vector>

class QTextBrowser;

namespace lettrava {

// "Lettrava Lookup": a small window that shows the definitions of one word
// found on the local dictionary server. It stays above the other windows and
// opens where the user left the last one.
class TLookupWindow : public QWidget {
    Q_OBJECT
public:
    explicit TLookupWindow(QWidget* parent = nullptr);

    void showDefinitions(const QString& word, const std::vector<dict::Definition>& definitions);
    QString text() const;

    // Stores where the window is, unless it is minimised.
    void recordPosition() const;

protected:
    void closeEvent(class QCloseEvent* event) override;
    void keyPressEvent(class QKeyEvent* event) override;

private:
    QTextBrowser* browser_;
};

} // namespace lettrava
