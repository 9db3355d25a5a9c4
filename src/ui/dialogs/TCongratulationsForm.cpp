#include "ui/dialogs/TCongratulationsForm.h"

#include "core/platform/Sounds.h"
#include "ui/platform/LowColour.h"
#include "ui/platform/SharedPictures.h"
#include "ui/widgets/TAdvancedPanel.h"
#include "ui/widgets/TPictureButton.h"
#include "ui/widgets/WindowParts.h"
#include "ui/platform/GameText.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace lettrava {

namespace {
QLabel* centred(const QString& text, QWidget* parent, int pointSizeDelta, bool bold)
{
    auto* l = new QLabel(text, parent);
    l->setTextFormat(Qt::PlainText);
    l->setAlignment(Qt::AlignCenter);
    QFont f = l->font();
    f.setPointSize(f.pointSize() + pointSizeDelta);
    f.setBold(bold);
    l->setFont(f);
    return l;
}
} // namespace

TCongratulationsForm::TCongratulationsForm(const QString& winnerText, bool humanWinner, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      countdown_(toBytes(winnerText), humanWinner, lowColourDisplay())
{
    setObjectName(QStringLiteral("CongratulationsForm"));
    setWindowTitle(tr("Game Over"));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* panel = new TAdvancedPanel(this);
    panel->setObjectName(QStringLiteral("pnlCongratulations"));
    panel->setWallpaper(SharedPictures::instance().woodB);
    outer->addWidget(panel);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(30, 20, 30, 16);
    layout->setSpacing(10);

    layout->addWidget(centred(tr("- Game Over -"), panel, 6, true));
    layout->addWidget(centred(tr("And the WINNER is.........."), panel, 3, false));
    lblWinner_ = centred(QLatin1String(CongratulationsCountdown::kStartText), panel, 8, true);
    lblWinner_->setObjectName(QStringLiteral("lblWinner"));
    lblWinner_->setMinimumWidth(360);
    // The plain look keeps the winner hidden until the reveal.
    lblWinner_->setVisible(!lowColourDisplay());
    layout->addWidget(lblWinner_);
    lblCongratulations_ = centred(tr("CONGRATULATIONS!"), panel, 8, true);
    lblCongratulations_->setObjectName(QStringLiteral("lblCongratulations"));
    QPalette red = lblCongratulations_->palette();
    red.setColor(QPalette::WindowText, QColor(190, 0, 0));
    lblCongratulations_->setPalette(red);
    // Keeps its room while hidden, so the window does not jump at the end.
    QSizePolicy keep = lblCongratulations_->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    lblCongratulations_->setSizePolicy(keep);
    lblCongratulations_->hide();
    layout->addWidget(lblCongratulations_);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    TPictureButton* view = addCaptionedButton(buttons, tr("&View Final Results"), QStringLiteral("ViewFinalResults"));
    buttons->addStretch(1);
    layout->addLayout(buttons);
    connect(view, &TPictureButton::clicked, this, &QDialog::accept);

    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    timer_.setInterval(CongratulationsCountdown::kTick);
    connect(&timer_, &QTimer::timeout, this, &TCongratulationsForm::step);
    timer_.start();
}

void TCongratulationsForm::step()
{
    switch (countdown_.tick()) {
    case CongratulationsCountdown::Step::Grow:
        lblWinner_->setText(toQt(countdown_.label()));
        break;
    case CongratulationsCountdown::Step::Reveal:
        lblWinner_->setText(toQt(countdown_.winnerText()));
        lblWinner_->show();
        break;
    case CongratulationsCountdown::Step::Finish:
        timer_.stop();
        lblWinner_->setText(toQt(countdown_.winnerText()));
        lblWinner_->show();
        if (countdown_.congratulate()) {
            lblCongratulations_->show();
            sounds().playSound(SoundEvent::WonGame);
        }
        break;
    case CongratulationsCountdown::Step::Wait:
        break;
    }
}

void TCongratulationsForm::done(int result)
{
    // Closing early skips the rest of the drum roll.
    timer_.stop();
    QDialog::done(result);
}

void TCongratulationsForm::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_V) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace lettrava
