#include "ui/dialogs/THelpWarningForm.h"

#include "ui/platform/LowColour.h"
#include "ui/platform/SharedPictures.h"
#include "ui/widgets/TAdvancedPanel.h"
#include "ui/widgets/TPictureButton.h"
#include "ui/widgets/WindowParts.h"
#include "ui/platform/WordLookup.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace lettrava {

const char* THelpWarningForm::warningText()
{
    return QT_TR_NOOP("Lettrava is unable to initialize the Lettrava help system.  This is most likely due to your having an "
           "outdated version of Microsoft Internet Explorer or none at all.  Version 5 or greater is "
           "recommended.\n\nYou may either click on the link below to download Internet Explorer (you must be "
           "connected to the internet), or continue to use Lettrava without access to help.");
}

THelpWarningForm::THelpWarningForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("HelpWarningForm"));
    setWindowTitle(tr("Welcome to Lettrava"));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* panel = new TAdvancedPanel(this);
    panel->setObjectName(QStringLiteral("pnlHelpWarning"));
    // No wallpaper in the plain look: the panel keeps its ordinary colour.
    if (!lowColourDisplay())
        panel->setWallpaper(SharedPictures::instance().woodA);
    outer->addWidget(panel);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(20, 16, 20, 12);

    auto* text = new QLabel(tr(warningText()), panel);
    text->setObjectName(QStringLiteral("lblWarning"));
    text->setTextFormat(Qt::PlainText);
    text->setWordWrap(true);
    text->setMinimumWidth(420);
    layout->addWidget(text);

    auto* link = new TClickLabel(tr("Download Internet Explorer"), panel);
    link->setObjectName(QStringLiteral("lblDownload"));
    QFont f = link->font();
    f.setUnderline(true);
    link->setFont(f);
    QPalette pal = link->palette();
    pal.setColor(QPalette::WindowText, QColor(Qt::blue));
    link->setPalette(pal);
    link->setCursor(Qt::PointingHandCursor);
    connect(link, &TClickLabel::clicked, this,
            [] { WordLookup::instance().openAddress(QLatin1String(kBrowserDownloadPage)); });
    layout->addWidget(link, 0, Qt::AlignHCenter);

    chkDoNotShow_ = new QCheckBox(tr("Do Not Show this Message Again"), panel);
    chkDoNotShow_->setObjectName(QStringLiteral("chkDoNotShow"));
    layout->addWidget(chkDoNotShow_);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    TPictureButton* ok = addCaptionedButton(buttons, tr("Ok"), tr("Ok"));
    buttons->addStretch(1);
    layout->addLayout(buttons);
    connect(ok, &TPictureButton::clicked, this, &QDialog::accept);

    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

bool THelpWarningForm::doNotShowAgain() const { return chkDoNotShow_->isChecked(); }

} // namespace lettrava
