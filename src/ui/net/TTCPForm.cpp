#include "ui/net/TTCPForm.h"

#include "core/game/Game.h"
#include "core/players/PlayerFileManager.h"
#include "core/platform/Dialogs.h"
#include "session/GameSession.h"
#include "net/ChatRules.h"
#include "ui/net/TChatPanel.h"
#include "ui/net/TMemberList.h"
#include "ui/platform/GameText.h"
#include "ui/platform/LowColour.h"
#include "ui/platform/ScreenPlace.h"
#include "ui/platform/Settings.h"
#include "ui/platform/SettingsStore.h"
#include "ui/platform/SharedPictures.h"
#include "ui/widgets/TAdvancedPanel.h"
#include "ui/widgets/TPictureButton.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpressionValidator>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include <charconv>

namespace lettrava {

namespace {

constexpr const char* kInstructions = QT_TRANSLATE_NOOP("lettrava::TTCPForm", "Please specify the name you would like to use, the game host's IP Address (or hostname) and Port.  These "
    "values should have been given to you by the person arranging the game.  If the port was not given to you, "
    "use the default value supplied.");
constexpr const char* kDisconnectedText = QT_TRANSLATE_NOOP("lettrava::TTCPForm", "You have been disconnected from the host.  This could be due to network failure.\n"
    "To attempt to reconnect, please click the button below.");

QLabel* fieldLabel(const QString& text, QWidget* parent)
{
    auto* l = new QLabel(text, parent);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
}

} // namespace

TTCPForm::TTCPForm(Role role, NetworkShell& shell, GameSession& session, QWidget* parent)
    : QDialog(parent), role_(role), shell_(shell), session_(session)
{
    setObjectName(QStringLiteral("TCPForm"));
    members_ = new TMemberListModel(this);

    mnuMemberListPopup_ = new QMenu(this);
    mnuMemberListPopup_->setObjectName(QStringLiteral("mnuMemberListPopup"));
    actProfile_ = mnuMemberListPopup_->addAction(tr("Profile"), this, &TTCPForm::profileClick);
    actWhisper_ = mnuMemberListPopup_->addAction(tr("Whisper"), this, &TTCPForm::whisperClick);
    actEmail_ = mnuMemberListPopup_->addAction(tr("Email"), this, &TTCPForm::emailClick);

    inputBox = [this](const QString& title, const QString& prompt) -> std::optional<QString> {
        bool ok = false;
        const QString text = QInputDialog::getText(parentWidget(), title, prompt, QLineEdit::Normal, QString(), &ok);
        if (!ok)
            return std::nullopt;
        return text;
    };
    openAddress = [](const QUrl& address) { QDesktopServices::openUrl(address); };

    // The session owns the host or the client; this window hears what they say.
    if (role == Role::Client) {
        buildClientWindow();
        session_.join(static_cast<ClientNotices&>(*this));
    }
}

TTCPForm::~TTCPForm()
{
    // The connections go before the window they report to.
    shutdown();
}

std::vector<TGameClient> TTCPForm::members() const
{
    if (session_.host())
        return session_.host()->members();
    if (session_.client())
        return session_.client()->members();
    return {};
}

// ------------------------------------------------------------------ the client window

void TTCPForm::buildClientWindow()
{
    setWindowTitle(QString::fromLatin1(kClientCaption));
    setModal(true);
    resize(642, 460);

    auto* panel = new TAdvancedPanel(this);
    panel->setObjectName(QStringLiteral("pnlClient"));
    if (lowColourDisplay())
        panel->setColour(lowColourPanel());
    else
        panel->setWallpaper(SharedPictures::instance().woodA);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(panel);

    lblInstructions_ = new QLabel(tr(kInstructions), panel);
    lblInstructions_->setObjectName(QStringLiteral("lblInstructions"));
    lblInstructions_->setWordWrap(true);
    QFont big = lblInstructions_->font();
    big.setPointSizeF(big.pointSizeF() * 1.1);
    lblInstructions_->setFont(big);

    cmbPlayerName_ = new QComboBox(panel);
    cmbPlayerName_->setObjectName(QStringLiteral("cmbPlayerName"));
    cmbPlayerName_->setEditable(true);
    cmbPlayerName_->setInsertPolicy(QComboBox::NoInsert);
    cmbPlayerName_->lineEdit()->setMaxLength(static_cast<int>(TGameClient::kMaxName));
    edtHostIP_ = new QLineEdit(panel);
    edtHostIP_->setObjectName(QStringLiteral("edtHostIP"));
    edtClientPort_ = new QLineEdit(panel);
    edtClientPort_->setObjectName(QStringLiteral("edtClientPort"));
    // Only digits are taken; the editing keys keep working.
    edtClientPort_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edtClientPort_));
    edtClientPort_->setMaximumWidth(90);
    edtEmail_ = new QLineEdit(panel);
    edtEmail_->setObjectName(QStringLiteral("edtEmail"));
    edtEmail_->setMaxLength(256);
    edtMessage_ = new QLineEdit(panel);
    edtMessage_->setObjectName(QStringLiteral("edtMessage"));
    edtMessage_->setMaxLength(256);

    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(10);
    fields->setVerticalSpacing(8);
    fields->addWidget(fieldLabel(tr("Player name:"), panel), 0, 0);
    fields->addWidget(cmbPlayerName_, 0, 1);
    fields->addWidget(fieldLabel(tr("Host Address:"), panel), 1, 0);
    fields->addWidget(edtHostIP_, 1, 1);
    fields->addWidget(fieldLabel(tr("Port:"), panel), 2, 0);
    fields->addWidget(edtClientPort_, 2, 1, Qt::AlignLeft);
    fields->addWidget(fieldLabel(tr("Your Email (optional):"), panel), 3, 0);
    fields->addWidget(edtEmail_, 3, 1);
    fields->addWidget(fieldLabel(tr("Message (optional):"), panel), 4, 0);
    fields->addWidget(edtMessage_, 4, 1);
    fields->setColumnStretch(1, 1);

    lblClientStatus_ = new QLabel(panel);
    lblClientStatus_->setObjectName(QStringLiteral("lblClientStatus"));
    lblClientStatus_->setWordWrap(true);
    lblClientStatus_->hide();
    lblRetryAttempts_ = new QLabel(panel);
    lblRetryAttempts_->setObjectName(QStringLiteral("lblRetryAttempts"));
    lblRetryAttempts_->hide();

    const auto pictureButton = [panel](const QString& name, const QString& caption, TFlatButton*& label) {
        auto* button = new TPictureButton(panel);
        button->setObjectName(QStringLiteral("img") + name);
        button->usePushButtonPictures();
        button->setPictureSize(QSize(30, 30));
        button->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
        label = new TFlatButton(caption, panel);
        label->setObjectName(QStringLiteral("lbl") + name);
        label->setFocusPolicy(Qt::NoFocus);
        QObject::connect(label, &TFlatButton::clicked, button, &TPictureButton::click);
        return button;
    };
    imgConnect_ = pictureButton(QStringLiteral("Connect"), tr("&Connect to Host"), lblConnect_);
    // Alt+C is "Connect to Host"'s: Cancel takes the A (and Esc).
    imgCancel_ = pictureButton(QStringLiteral("Cancel"), tr("C&ancel"), lblCancel_);
    connect(imgConnect_, &TPictureButton::clicked, this, &TTCPForm::connectClick);
    connect(imgCancel_, &TPictureButton::clicked, this, &TTCPForm::cancelClick);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(imgConnect_);
    buttons->addWidget(lblConnect_);
    buttons->addSpacing(40);
    buttons->addWidget(imgCancel_);
    buttons->addWidget(lblCancel_);
    buttons->addStretch(1);

    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(30, 24, 30, 20);
    layout->setSpacing(12);
    layout->addWidget(lblInstructions_);
    layout->addLayout(fields);
    layout->addWidget(lblClientStatus_);
    layout->addWidget(lblRetryAttempts_);
    layout->addStretch(1);
    layout->addLayout(buttons);
}

void TTCPForm::readClientSettings()
{
    QStringList names;
    for (const auto& record : PlayerFileManager::instance().records())
        if (record && record->computerLevel == 0 && !record->name.empty())
            names << toQt(record->name).left(static_cast<int>(TGameClient::kMaxName));
    names.removeDuplicates();
    names.sort(Qt::CaseInsensitive);
    cmbPlayerName_->clear();
    cmbPlayerName_->addItems(names);
    if (!names.isEmpty())
        cmbPlayerName_->setCurrentIndex(0);
    const QString stored = SettingsStore::read(settings::NetPlayer);
    if (!stored.isEmpty()) {
        int at = cmbPlayerName_->findText(stored, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (at < 0) {
            cmbPlayerName_->addItem(stored);
            at = cmbPlayerName_->count() - 1;
        }
        cmbPlayerName_->setCurrentIndex(at);
    }
    edtClientPort_->setText(SettingsStore::read(settings::ClientPort));
    edtHostIP_->setText(SettingsStore::read(settings::IP));
    edtEmail_->setText(SettingsStore::read(settings::ClientEmail));
    edtMessage_->setText(SettingsStore::read(settings::ClientMessage));
}

void TTCPForm::writeClientSettings() const
{
    SettingsStore::write(settings::NetPlayer, cmbPlayerName_->currentText());
    SettingsStore::write(settings::ClientPort, edtClientPort_->text());
    SettingsStore::write(settings::IP, edtHostIP_->text());
    SettingsStore::write(settings::ClientEmail, edtEmail_->text());
    SettingsStore::write(settings::ClientMessage, edtMessage_->text());
}

void TTCPForm::setFieldsEnabled(bool enabled)
{
    for (QWidget* w : std::initializer_list<QWidget*>{cmbPlayerName_, edtHostIP_, edtClientPort_})
        w->setEnabled(enabled);
}

bool TTCPForm::runJoin()
{
    if (!session_.client())
        return false;
    readClientSettings();
    lblInstructions_->setText(tr(kInstructions));
    lblConnect_->setText(tr("&Connect to Host"));
    lblClientStatus_->hide();
    lblRetryAttempts_->hide();
    setFieldsEnabled(true);
    imgConnect_->setEnabled(true);
    lblConnect_->setEnabled(true);
    return exec() == QDialog::Accepted;
}

bool TTCPForm::runReconnect()
{
    if (!session_.client() || session_.client()->hostStopped())
        return false;
    // The name the host knows us by now (a rename since the join counts).
    cmbPlayerName_->setEditText(toQt(session_.client()->request().name));
    lblInstructions_->setText(tr("Oops!"));
    lblClientStatus_->setText(tr(kDisconnectedText));
    lblClientStatus_->show();
    lblRetryAttempts_->hide();
    lblConnect_->setText(tr("Reconnect"));
    setFieldsEnabled(false);
    imgConnect_->setEnabled(true);
    lblConnect_->setEnabled(true);
    return exec() == QDialog::Accepted;
}

bool TTCPForm::connected() const { return session_.client() && session_.client()->isConnected(); }

void TTCPForm::connectClick()
{
    if (!session_.client() || session_.client()->connecting())
        return;
    bool started = false;
    if (lblConnect_->text() == tr("Reconnect")) {
        session_.client()->reconnect();
        started = session_.client()->connecting();
    } else {
        JoinRequest request;
        request.name = toBytes(cmbPlayerName_->currentText());
        request.host = edtHostIP_->text().trimmed().toStdString();
        request.email = toBytes(edtEmail_->text());
        request.message = toBytes(edtMessage_->text());
        if (!request.name.empty() && !request.host.empty()) {
            // The port must be a number before any attempt is made.
            const std::string portText = edtClientPort_->text().toStdString();
            unsigned port = 0;
            const auto [end, ec] = std::from_chars(portText.data(), portText.data() + portText.size(), port);
            if (portText.empty() || ec != std::errc() || end != portText.data() + portText.size() || port > 65535) {
                dialogs().showMessage(toBytes(tr("'%1' is not a valid integer value").arg(toQt(portText))),
                                      toBytes(tr("Error")), MessageButtons::Ok,
                                      MessageIcon::Error);
                return;
            }
            request.port = static_cast<std::uint16_t>(port);
        }
        started = session_.client()->connect(request);
    }
    if (!started)
        return;
    setFieldsEnabled(false);
    imgConnect_->setEnabled(false);
    lblConnect_->setEnabled(false);
}

void TTCPForm::cancelClick()
{
    if (session_.client() && session_.client()->connecting()) {
        // Between attempts the loop ends now; during one, when it returns.
        lblClientStatus_->setText(tr("Cancelling..."));
        session_.client()->cancel();
        return;
    }
    reject();
}

void TTCPForm::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        cancelClick();
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        connectClick();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TTCPForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    placeWindow(*this, pos(), true);
}

void TTCPForm::showStatus(const std::string& text)
{
    if (!lblClientStatus_)
        return;
    lblClientStatus_->setText(toQt(text));
    lblClientStatus_->show();
}

void TTCPForm::showAttempts(int attempts)
{
    if (!lblRetryAttempts_)
        return;
    lblRetryAttempts_->setText(tr("Retry attempts: %1").arg(attempts));
    lblRetryAttempts_->show();
}

void TTCPForm::connectFinished(bool connected)
{
    if (!isVisible())
        return;
    if (connected) {
        writeClientSettings();
        accept();
        return;
    }
    reject();
}

void TTCPForm::resultsReleased()
{
    if (session_.client())
        session_.client()->resultsClosed();
}

// ------------------------------------------------------------------ notices

void TTCPForm::createClientGame()
{
    if (!session_.client())
        return;
    shell_.createClientGame();
}

void TTCPForm::startRound() { shell_.startClientRound(); }
void TTCPForm::applySettings() { shell_.applyClientSettings(); }
void TTCPForm::setRoundLabel(const std::string& text) { shell_.showClientRoundLabel(text); }
void TTCPForm::waiting(bool roundCounts) { shell_.showWaiting(roundCounts); }
void TTCPForm::closeResults() { shell_.closeClientResults(); }
void TTCPForm::connectionLost() { shell_.connectionLost(); }
void TTCPForm::hostStartedNewGame() { shell_.hostStartedNewGame(); }
void TTCPForm::hostShutDown() { shell_.hostShutDown(); }

void TTCPForm::slotTaken(int slot)
{
    shell_.remotePlayerSeated(slot);
    updateAddPlayerButton();
}

void TTCPForm::showChatLine(const std::string& line) { showLocalLine(line); }

void TTCPForm::showLocalLine(const std::string& line)
{
    if (target_)
        target_->appendLine(toQt(line));
    else if (home_)
        home_->appendLine(toQt(line));
}

void TTCPForm::membersChanged()
{
    // Each list keeps its selected member across the refill, by name.
    std::vector<std::pair<TChatPanel*, std::string>> selected;
    for (TChatPanel* p : {home_.data(), target_.data()})
        if (p)
            if (const TGameClient* m = members_->member(p->memberList()->selectedRow()))
                selected.emplace_back(p, m->name);
    members_->setMembers(members());
    for (const auto& [panel, name] : selected) {
        const auto& list = members_->members();
        for (std::size_t i = 0; i < list.size(); ++i)
            if (list[i].name == name) {
                panel->memberList()->selectRow(static_cast<int>(i));
                break;
            }
    }
    updateAddPlayerButton();
}

void TTCPForm::clearMemberSelection()
{
    for (TChatPanel* p : {home_.data(), target_.data()})
        if (p)
            p->memberList()->clearSelection();
    updateAddPlayerButton();
}

// ------------------------------------------------------------------ the host role

bool TTCPForm::startHosting(std::string& errorText)
{
    if (role_ != Role::Host)
        return false;
    addPlayerAllowed_ = true;
    return session_.startHosting(static_cast<HostNotices&>(*this), errorText);
}

void TTCPForm::addSelectedMember()
{
    if (!session_.host() || !home_)
        return;
    const int row = home_->memberList()->selectedRow();
    if (session_.host()->canAddMember(row))
        session_.host()->addSelectedMember(row);
    updateAddPlayerButton();
}

void TTCPForm::updateAddPlayerButton()
{
    if (!home_ || !home_->addPlayerButton())
        return;
    const bool enabled = session_.host() && addPlayerAllowed_ && session_.host()->canAddMember(home_->memberList()->selectedRow());
    home_->addPlayerButton()->setEnabled(enabled);
}

void TTCPForm::disableAddPlayerButton()
{
    addPlayerAllowed_ = false;
    updateAddPlayerButton();
}

void TTCPForm::enableAddPlayerButton()
{
    addPlayerAllowed_ = true;
    updateAddPlayerButton();
}

// ------------------------------------------------------------------ chat

void TTCPForm::setChatTarget(TChatPanel* panel)
{
    if (!panel)
        return;
    if (!home_) {
        home_ = panel;
        connect(panel, &TChatPanel::memberListClicked, this, [this] {
            // A click in the main list computes the add-player button again.
            addPlayerAllowed_ = true;
            updateAddPlayerButton();
        });
    }
    if (target_ && target_ != panel)
        panel->takeLinesFrom(*target_);
    panel->setMemberModel(members_);
    target_ = panel;
}

void TTCPForm::moveChatHome()
{
    if (!home_)
        return;
    if (target_ && target_ != home_)
        home_->takeLinesFrom(*target_);
    target_ = home_;
}

void TTCPForm::sendChatInput(const QString& text)
{
    const std::string bytes = toBytes(text);
    if (session_.host())
        session_.host()->sendChatInput(bytes);
    else if (session_.client())
        session_.client()->sendChatInput(bytes);
}

void TTCPForm::simulateDisconnection()
{
    if (session_.client())
        session_.client()->dropConnection();
}

void TTCPForm::shutdown()
{
    // The session's connections report to this window: they close, and with
    // them goes the network game. Once done, this window leaves the session
    // alone (it may go after it).
    if (shutDown_)
        return;
    shutDown_ = true;
    if (session_.host() || session_.client())
        session_.leaveNetwork();
}

GameHost* TTCPForm::host() const { return session_.host(); }

GameClient* TTCPForm::client() const { return session_.client(); }

// ------------------------------------------------------------------ the member list's pop-up

TMemberListBox* TTCPForm::popupList() const
{
    if (popupList_)
        return popupList_;
    return home_ ? home_->memberList() : nullptr;
}

const TGameClient* TTCPForm::popupMember() const
{
    const TMemberListBox* list = popupList();
    return list ? members_->member(list->selectedRow()) : nullptr;
}

void TTCPForm::preparePopup(TMemberListBox* list)
{
    popupList_ = list;
    const TGameClient* m = popupMember();
    actProfile_->setEnabled(m != nullptr);
    actWhisper_->setEnabled(m != nullptr);
    actEmail_->setEnabled(m && !m->email.empty());
}

void TTCPForm::profileClick()
{
    const TGameClient* m = popupMember();
    if (!m)
        return;
    const TGameClient member = *m; // the lines below may refill the list
    const std::string stars(68, '*');
    showLocalLine(stars);
    if (member.status == MemberStatus::Host)
        showLocalLine(toBytes(tr("Profile of %1 (Game Host) - Email: %2").arg(toQt(member.name), toQt(member.email))));
    else
        showLocalLine(toBytes(tr("Profile of %1 (Logged in from << %2 - %3 >> - Email: %4")
                                  .arg(toQt(member.name), toQt(member.hostName), toQt(member.address), toQt(member.email))));
    showLocalLine(toBytes(tr("Has: Game version: %1 - Dictionary version: %2")
                              .arg(toQt(member.versionText), toQt(member.dictionaryVersion))));
    showLocalLine(toBytes(tr("Message: \"%1\"").arg(toQt(member.message))));
    showLocalLine(stars);
}

void TTCPForm::whisperClick()
{
    const TGameClient* m = popupMember();
    if (!m || !inputBox)
        return;
    const QString name = toQt(m->name);
    const auto typed = inputBox(tr("Lettrava Whisper"), tr("Private message to %1:").arg(name));
    if (typed)
        sendChatInput(QStringLiteral("/w ") + name + ' ' + *typed);
}

void TTCPForm::emailClick()
{
    const TGameClient* m = popupMember();
    if (!m || m->email.empty() || !openAddress)
        return;
    openAddress(QUrl(QStringLiteral("mailto:") + toQt(m->email)));
}

} // namespace lettrava
