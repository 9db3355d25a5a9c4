#include "ui/dialogs/TAddWordForm.h"

#include "core/words/Dictionary.h"
#include "net/WordSuggestion.h"
#include "ui/platform/Settings.h"
#include "ui/platform/SettingsStore.h"
#include "ui/platform/SharedPictures.h"
#include "ui/widgets/TAdvancedPanel.h"
#include "ui/widgets/TPictureButton.h"
#include "ui/widgets/WindowParts.h"
#include "ui/platform/GameText.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace lettrava {

namespace {
QString latin1(const std::string& s) { return toQt(s); }
} // namespace

QString TAddWordForm::confirmText(const std::string& word)
{
    return tr("Do you really want to add the word %1 to the custom dictionary?").arg(latin1(word));
}

QString TAddWordForm::addedText(const std::string& word)
{
    return tr("The word %1 was added.  Next time it is used it will be valid.").arg(latin1(word));
}

TAddWordForm::TAddWordForm(std::string word, QWidget* parent) : QDialog(parent), word_(std::move(word))
{
    setObjectName(QStringLiteral("AddWordForm"));
    setWindowTitle(tr("Add Word"));
    setFixedSize(kWidth, kHeight);
    server_ = SettingsStore::read(settings::WordServer).trimmed();

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* panel = new TAdvancedPanel(this);
    panel->setObjectName(QStringLiteral("pnlAddWord"));
    panel->setWallpaper(SharedPictures::instance().woodA);
    outer->addWidget(panel);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(20, 16, 20, 12);

    lblConfirm_ = new QLabel(confirmText(word_), panel);
    lblConfirm_->setObjectName(QStringLiteral("lblConfirm"));
    lblConfirm_->setTextFormat(Qt::PlainText);
    lblConfirm_->setWordWrap(true);
    QFont big = lblConfirm_->font();
    big.setPointSize(big.pointSize() + 2);
    lblConfirm_->setFont(big);
    layout->addWidget(lblConfirm_);

    chkSendToServer_ = new QCheckBox(tr("Send word to lettrava suggestion box for inclusion in later version."), panel);
    chkSendToServer_->setObjectName(QStringLiteral("chkSendToServer"));
    layout->addWidget(chkSendToServer_);
    lblNoServer_ = new QLabel(tr(kNoServerHint), panel);
    lblNoServer_->setObjectName(QStringLiteral("lblNoServer"));
    lblNoServer_->setWordWrap(true);
    layout->addWidget(lblNoServer_);
    if (server_.isEmpty()) {
        chkSendToServer_->setChecked(false);
        chkSendToServer_->setEnabled(false);
        chkSendToServer_->setToolTip(tr(kNoServerHint));
    } else {
        chkSendToServer_->setChecked(SettingsStore::read(settings::AddAWord));
        lblNoServer_->hide();
    }

    grpLettravaServer_ = new QGroupBox(tr("Lettrava Server"), panel);
    grpLettravaServer_->setObjectName(QStringLiteral("grpLettravaServer"));
    auto* group = new QGridLayout(grpLettravaServer_);
    group->addWidget(new QLabel(tr("Status:"), grpLettravaServer_), 0, 0, Qt::AlignTop);
    group->addWidget(new QLabel(tr("Response:"), grpLettravaServer_), 1, 0, Qt::AlignTop);
    lblServerStatus_ = new QLabel(grpLettravaServer_);
    lblServerStatus_->setObjectName(QStringLiteral("lblServerStatus"));
    lblServerResponse_ = new QLabel(grpLettravaServer_);
    lblServerResponse_->setObjectName(QStringLiteral("lblServerResponse"));
    for (QLabel* l : {lblServerStatus_, lblServerResponse_}) {
        // A reply is shown as it came, never as markup.
        l->setTextFormat(Qt::PlainText);
        l->setWordWrap(true);
        l->hide();
    }
    group->addWidget(lblServerStatus_, 0, 1);
    group->addWidget(lblServerResponse_, 1, 1);
    group->setColumnStretch(1, 1);
    grpLettravaServer_->hide();
    layout->addWidget(grpLettravaServer_);
    layout->addStretch(1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    TPictureButton* ok = addCaptionedButton(buttons, tr("OK"), tr("OK"));
    TPictureButton* cancel = addCaptionedButton(buttons, tr("Cancel"), tr("Cancel"));
    TPictureButton* close = addCaptionedButton(buttons, tr("Close"), tr("Close"));
    buttons->addStretch(1);
    layout->addLayout(buttons);
    okButton_ = ok->parentWidget();
    cancelButton_ = cancel->parentWidget();
    closeButton_ = close->parentWidget();
    closeButton_->hide();
    connect(ok, &TPictureButton::clicked, this, &TAddWordForm::okClicked);
    connect(cancel, &TPictureButton::clicked, this, &TAddWordForm::cancelClicked);
    connect(close, &TPictureButton::clicked, this, &TAddWordForm::closeClicked);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TAddWordForm::okClicked()
{
    if (done_)
        return;
    done_ = true;
    const bool added = Dictionary::instance().addCustomWord(word_);
    lblServerResponse_->clear();
    lblServerStatus_->clear();
    lblServerResponse_->show();
    lblServerStatus_->show();
    lblConfirm_->setText(added ? addedText(word_) : tr(kNotAddedText));

    if (chkSendToServer_->isEnabled() && chkSendToServer_->isChecked()) {
        lblServerStatus_->setText(tr("Trying to send word."));
        grpLettravaServer_->show();
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        std::string host;
        std::uint16_t port = WordSuggestion::kPort;
        if (!WordSuggestion::parseServerAddress(server_.toStdString(), host, port)) {
            lblServerResponse_->setText(tr("The word server's address is not valid: %1").arg(server_));
        } else {
            const auto result = WordSuggestion::send(host, port, word_);
            lblServerResponse_->setText(result.error.empty() ? toQt(result.reply)
                                                             : QString::fromStdString(result.error));
        }
    }
    chkSendToServer_->hide();
    lblNoServer_->hide();
    grpLettravaServer_->show();
    if (lblServerResponse_->text().isEmpty())
        lblServerResponse_->setText(tr("No response from server."));
    lblServerStatus_->setText(tr("Done."));
    okButton_->hide();
    cancelButton_->hide();
    closeButton_->show();
}

void TAddWordForm::cancelClicked() { reject(); }

void TAddWordForm::closeClicked()
{
    // Without a server the box says nothing about the user's choice.
    if (chkSendToServer_->isEnabled())
        SettingsStore::write(settings::AddAWord, chkSendToServer_->isChecked());
    accept();
}

void TAddWordForm::keyPressEvent(QKeyEvent* event)
{
    // Esc cancels before "OK" and closes after it, like the visible button.
    if (event->key() == Qt::Key_Escape) {
        if (done_)
            closeClicked();
        else
            cancelClicked();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace lettrava
