#include "ui/dialogs/THelpForm.h"
#include "ui/platform/ScreenPlace.h"

#include "core/platform/Paths.h"
#include "ui/platform/SharedPictures.h"
#include "ui/platform/GameText.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace lettrava {

namespace {

QPointer<THelpForm>& theWindow()
{
    static QPointer<THelpForm> window;
    return window;
}

// A topic name as the help folder's file name, or empty text for a name that
// could leave the folder or is no help page.
QString topicFile(QString topic)
{
    if (topic.startsWith(QLatin1String("::/")))
        topic = topic.mid(3);
    if (topic.isEmpty() || topic.size() > 64 || topic.contains(QLatin1Char('/')) ||
        topic.contains(QLatin1Char('\\')) || topic.startsWith(QLatin1Char('.')))
        return {};
    if (!topic.endsWith(QLatin1String(".htm"), Qt::CaseInsensitive) &&
        !topic.endsWith(QLatin1String(".html"), Qt::CaseInsensitive))
        return {};
    return topic;
}

} // namespace

QString helpFolder() { return pathToQt(Paths::dataPath("help")); }

bool helpAvailable() { return QFileInfo(QDir(helpFolder()).filePath(QLatin1String(kDefaultHelpTopic))).isFile(); }

THelpForm::THelpForm(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(tr("Lettrava Help"));
    setWindowIcon(SharedPictures::instance().appIcon);
    setObjectName(QStringLiteral("HelpForm"));

    auto* layout = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout();
    auto* btnContents = new QPushButton(tr("&Contents"), this);
    btnBack_ = new QPushButton(tr("&Back"), this);
    btnForward_ = new QPushButton(tr("&Forward"), this);
    auto* btnClose = new QPushButton(tr("C&lose"), this);
    bar->addWidget(btnContents);
    bar->addWidget(btnBack_);
    bar->addWidget(btnForward_);
    bar->addStretch(1);
    bar->addWidget(btnClose);
    layout->addLayout(bar);

    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("txtHelp"));
    browser_->setOpenExternalLinks(true);
    browser_->setSearchPaths({helpFolder()});
    layout->addWidget(browser_, 1);

    btnBack_->setEnabled(false);
    btnForward_->setEnabled(false);
    connect(btnContents, &QPushButton::clicked, this, [this] { showTopic(QLatin1String(kDefaultHelpTopic)); });
    connect(btnBack_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(btnForward_, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(btnClose, &QPushButton::clicked, this, &QWidget::close);
    connect(browser_, &QTextBrowser::backwardAvailable, btnBack_, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, btnForward_, &QPushButton::setEnabled);
    resize(720, 600);
}

bool THelpForm::showTopic(const QString& topic)
{
    const QString file = topicFile(topic);
    if (file.isEmpty())
        return false;
    const QString path = QDir(helpFolder()).filePath(file);
    const QFileInfo info(path);
    // Help pages are small; anything huge is not one of ours.
    if (!info.isFile() || info.size() > 2 * 1024 * 1024)
        return false;
    browser_->setSource(QUrl::fromLocalFile(path));
    return true;
}

QString THelpForm::currentTopic() const
{
    const QUrl source = browser_->source();
    return source.isEmpty() ? QString() : QFileInfo(source.toLocalFile()).fileName();
}

void THelpForm::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool showHelpTopic(const QString& topic)
{
    if (topicFile(topic).isEmpty() || !helpAvailable())
        return false;
    const bool first = !theWindow();
    if (first)
        theWindow() = new THelpForm();
    if (!theWindow()->showTopic(topic))
        return false;
    // Wholly on a screen, by the main window's rule: centred when first shown.
    if (first)
        placeWindow(*theWindow(), QPoint(), true);
    theWindow()->show();
    theWindow()->raise();
    theWindow()->activateWindow();
    return true;
}

bool showHelp() { return showHelpTopic(QLatin1String(kDefaultHelpTopic)); }

THelpForm* helpWindow() { return theWindow().data(); }

void shutDownHelp()
{
    delete theWindow().data();
    theWindow() = nullptr;
}

} // namespace lettrava
