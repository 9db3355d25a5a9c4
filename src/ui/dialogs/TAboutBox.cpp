#include "ui/dialogs/TAboutBox.h"

#include "core/game/Game.h"
#include "ui/platform/LowColour.h"
#include "ui/platform/SharedPictures.h"
#include "ui/widgets/TAdvancedPanel.h"
#include "ui/widgets/TPictureButton.h"
#include "ui/widgets/WindowParts.h"
#include "ui/platform/WordLookup.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QShowEvent>
#include <QVBoxLayout>

namespace lettrava {

QString TAboutBox::productText() { return QLatin1String(kApplicationTitle) + QLatin1String(Game::kVersionText); }

TAboutBox::TAboutBox(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(tr("About Lettrava"));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* panel = new TAdvancedPanel(this);
    panel->setObjectName(QStringLiteral("pnlAbout"));
    panel->setWallpaper(SharedPictures::instance().woodA);
    outer->addWidget(panel);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(20, 16, 20, 12);

    auto* top = new QHBoxLayout;
    auto* icon = new QLabel(panel);
    icon->setPixmap(SharedPictures::instance().appIcon.pixmap(64, 64));
    top->addWidget(icon);
    auto* product = new QLabel(productText(), panel);
    product->setObjectName(QStringLiteral("lblProduct"));
    QFont big = product->font();
    big.setPointSize(big.pointSize() + 8);
    big.setBold(true);
    product->setFont(big);
    top->addWidget(product, 1);
    layout->addLayout(top);

    auto* text = new QLabel(tr("To submit questions, suggestions and bug reports, use the feedback form by "
                               "pressing the button below, or email us at:"),
                            panel);
    text->setWordWrap(true);
    text->setMinimumWidth(380);
    layout->addWidget(text);
    auto* mail = new TClickLabel(QLatin1String(kFeedbackMail), panel);
    mail->setObjectName(QStringLiteral("lblEmail"));
    QFont link = mail->font();
    link.setUnderline(true);
    mail->setFont(link);
    QPalette pal = mail->palette();
    pal.setColor(QPalette::WindowText, QColor(Qt::blue));
    mail->setPalette(pal);
    mail->setCursor(Qt::PointingHandCursor);
    connect(mail, &TClickLabel::clicked, this,
            [] { WordLookup::instance().openAddress(QStringLiteral("mailto:") + QLatin1String(kFeedbackMail)); });
    layout->addWidget(mail, 0, Qt::AlignHCenter);

    auto* buttons = new QHBoxLayout;
    TPictureButton* feedback = addCaptionedButton(buttons, tr("Submit Feedback*"), tr("Feedback"), true);
    TPictureButton* back = addCaptionedButton(buttons, tr("Return to Lettrava"), QStringLiteral("Return"), true);
    layout->addLayout(buttons);
    auto* note = new QLabel(tr("*Requires Internet Connection"), panel);
    note->setObjectName(QStringLiteral("lblNote"));
    layout->addWidget(note);
    connect(feedback, &TPictureButton::clicked, this,
            [] { WordLookup::instance().openAddress(QLatin1String(kFeedbackPage)); });
    connect(back, &TPictureButton::clicked, this, &QDialog::accept);
    adjustSize();
}

void TAboutBox::showEvent(QShowEvent* event)
{
    // Centred over the window that opened it.
    if (const QWidget* owner = parentWidget(); owner && owner->isVisible()) {
        const QPoint centre = owner->mapToGlobal(owner->rect().center());
        move(centre - rect().center());
    }
    QDialog::showEvent(event);
}

} // namespace lettrava
