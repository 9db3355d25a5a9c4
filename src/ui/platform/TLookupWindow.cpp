#include "ui/platform/TLookupWindow.h"

#include "ui/platform/Settings.h"
#include "ui/platform/SettingsStore.h"
#include "ui/platform/GameText.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace lettrava {

TLookupWindow::TLookupWindow(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), browser_(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("LookupWindow"));
    setWindowTitle(tr("Lettrava Lookup"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    browser_->setObjectName(QStringLiteral("txtDefinitions"));
    browser_->setOpenLinks(false);
    layout->addWidget(browser_);
    resize(420, 320);

    const int left = SettingsStore::read(settings::LookupLeft);
    const int top = SettingsStore::read(settings::LookupTop);
    if (left != settings::kCentreOnScreen && top != settings::kCentreOnScreen) {
        move(left, top);
    } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
}

void TLookupWindow::showDefinitions(const QString& word, const std::vector<dict::Definition>& definitions)
{
    // Plain text only: what a server sends is never taken as markup.
    QString text;
    if (definitions.empty())
        text = tr("No definition of %1 was found.").arg(word);
    for (const auto& d : definitions) {
        if (!text.isEmpty())
            text += QStringLiteral("\n\n");
        // A dictionary server's texts are UTF-8, not program text.
        const QString source = QString::fromUtf8(d.description.empty() ? d.database : d.description);
        text += tr("From %1:\n\n").arg(source) + QString::fromUtf8(d.text);
    }
    browser_->setPlainText(text);
}

QString TLookupWindow::text() const { return browser_->toPlainText(); }

void TLookupWindow::recordPosition() const
{
    if (isMinimized())
        return;
    SettingsStore::write(settings::LookupLeft, x());
    SettingsStore::write(settings::LookupTop, y());
}

void TLookupWindow::closeEvent(QCloseEvent* event)
{
    recordPosition();
    QWidget::closeEvent(event);
}

void TLookupWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace lettrava
