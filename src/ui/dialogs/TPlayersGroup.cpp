#include "ui/dialogs/TPlayersGroup.h"
#include "core/platform/Texts.h"

#include "core/game/Player.h"
#include "core/game/SetupRules.h"
#include "core/platform/Dialogs.h"
#include "core/players/PlayerFileManager.h"
#include "ui/dialogs/TPlayerInfoDlg.h"
#include "ui/platform/GameText.h"
#include "ui/platform/Settings.h"
#include "ui/widgets/TUpDown.h"

#include <QCoreApplication>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace lettrava {

namespace {

QStringList knownHumanNames()
{
    QStringList names;
    for (const auto& record : PlayerFileManager::instance().records())
        if (record && record->computerLevel == 0 && !record->name.empty())
            names << toQt(record->name);
    names.removeDuplicates();
    names.sort(Qt::CaseInsensitive);
    return names;
}

QLabel* caption(const QString& text, QWidget* parent)
{
    auto* l = new QLabel(text, parent);
    l->setTextFormat(Qt::PlainText);
    return l;
}

QString kindName(std::uint8_t kind)
{
    if (kind == 0)
        return QCoreApplication::translate("lettrava::TPlayersGroup", "Host");
    if (kind == 2)
        return QCoreApplication::translate("lettrava::TPlayersGroup", "Computer");
    return QCoreApplication::translate("lettrava::TPlayersGroup", "Remote");
}

const char* const kConflictStyle = "QComboBox { color: rgb(210, 0, 0); }";

} // namespace

TPlayersGroup::TPlayersGroup(bool newGame, QWidget* parent)
    : QGroupBox(tr("Players"), parent), newGame_(newGame)
{
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);
    updNumPlayers_ = new TUpDown(1, 4, this);
    updNumPlayers_->setObjectName(QStringLiteral("updNumPlayers"));
    updNumPlayers_->setValue(2);
    updNumPlayers_->setTypingAllowed(true);
    auto* total = caption(tr("Total # of Players*:"), this);
    total->setBuddy(updNumPlayers_);
    grid->addWidget(total, 0, 0);
    grid->addWidget(updNumPlayers_, 0, 1, Qt::AlignLeft);
    auto* note = caption(tr("*Includes computer players but NOT network players"), this);
    QFont small = note->font();
    small.setItalic(true);
    note->setFont(small);
    grid->addWidget(note, 1, 0, 1, 3);
    for (int i = 0; i < 4; ++i) {
        const auto s = static_cast<std::size_t>(i);
        lblPlayer_[s] = caption(tr("Player %1:").arg(i + 1), this);
        cmbInput_[s] = new QComboBox(this);
        cmbInput_[s]->setObjectName(QStringLiteral("cmbPlayer%1Input").arg(i + 1));
        for (const char* m : TPlayerInfoDlg::kInputMethods)
            cmbInput_[s]->addItem(QCoreApplication::translate("lettrava::TPlayerInfoDlg", m));
        cmbInput_[s]->setAccessibleName(tr("Player %1 input method").arg(i + 1));
        cmbName_[s] = new QComboBox(this);
        cmbName_[s]->setObjectName(QStringLiteral("cmbPlayer%1Name").arg(i + 1));
        cmbName_[s]->setAccessibleName(tr("Player %1 name").arg(i + 1));
        cmbName_[s]->setMinimumWidth(140);
        cmbName_[s]->installEventFilter(this);
        lblPlayer_[s]->setBuddy(cmbInput_[s]);
        grid->addWidget(lblPlayer_[s], i + 2, 0);
        grid->addWidget(cmbInput_[s], i + 2, 1);
        grid->addWidget(cmbName_[s], i + 2, 2);
        connect(cmbInput_[s], &QComboBox::currentIndexChanged, this, [this, i] {
            if (programmatic_ == 0)
                inputMethodChanged(i);
        });
        fillNameList(i, false);
    }
    grid->setColumnStretch(2, 1);
    connect(updNumPlayers_, &QSpinBox::valueChanged, this, [this] { numPlayersChanged(); });
}

// ------------------------------------------------------------------ slots and names

int TPlayersGroup::playerCount() const { return updNumPlayers_->value(); }

int TPlayersGroup::inputMethod(int slot) const
{
    return kindsShown_ ? -1 : cmbInput_[static_cast<std::size_t>(slot)]->currentIndex();
}

QString TPlayersGroup::nameOf(int slot) const { return cmbName_[static_cast<std::size_t>(slot)]->currentText(); }

std::array<std::string, 4> TPlayersGroup::names() const
{
    std::array<std::string, 4> out;
    for (int i = 0; i < 4; ++i)
        out[static_cast<std::size_t>(i)] = toBytes(nameOf(i));
    return out;
}

void TPlayersGroup::setInputMethod(int slot, int method)
{
    ++programmatic_;
    cmbInput_[static_cast<std::size_t>(slot)]->setCurrentIndex(method);
    --programmatic_;
}

void TPlayersGroup::fillNameList(int slot, bool computer)
{
    QComboBox* box = cmbName_[static_cast<std::size_t>(slot)];
    ++programmatic_;
    box->clear();
    if (computer) {
        box->setEditable(false);
        for (const char* name : kComputerNames)
            box->addItem(QString::fromLatin1(name));
    } else {
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->lineEdit()->setMaxLength(TPlayerInfoDlg::kMaxNameLength);
        box->lineEdit()->installEventFilter(this);
        box->addItems(knownHumanNames());
        box->setCurrentIndex(-1);
        box->setEditText(QString());
    }
    computerList_[static_cast<std::size_t>(slot)] = computer;
    --programmatic_;
}

void TPlayersGroup::selectName(int slot, const QString& name)
{
    QComboBox* box = cmbName_[static_cast<std::size_t>(slot)];
    const int index = box->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0)
        box->setCurrentIndex(index);
    else if (box->isEditable())
        box->setEditText(name);
}

void TPlayersGroup::inputMethodChanged(int slot)
{
    if (!newGame_)
        return;
    const int method = inputMethod(slot);
    if (hosting_ && slot == 0 && method != InputMethod::KeyboardAndMouse) {
        dialogs().showMessage(translate("Setup", SetupRules::kInputLockedText), "Lettrava", MessageButtons::Ok,
                              MessageIcon::Information);
        setInputMethod(0, InputMethod::KeyboardAndMouse);
        return;
    }
    const auto s = static_cast<std::size_t>(slot);
    if (method == InputMethod::Computer) {
        fillNameList(slot, true);
        selectName(slot, toQt(SetupRules::defaultComputerName(slot, names(), playerCount())));
    } else if (computerList_[s]) {
        fillNameList(slot, false);
    }
    recomputeMarks();
}

void TPlayersGroup::recomputeMarks()
{
    if (!newGame_ || recomputing_)
        return;
    marks_ = {};
    const int n = playerCount();
    if (hosting_) {
        // The host plays with keyboard and mouse; every other local player
        // in the game becomes a computer opponent.
        recomputing_ = true;
        if (inputMethod(0) != InputMethod::KeyboardAndMouse) {
            setInputMethod(0, InputMethod::KeyboardAndMouse);
            inputMethodChanged(0);
        }
        for (int i = 1; i < n; ++i)
            if (inputMethod(i) != InputMethod::Computer) {
                setInputMethod(i, InputMethod::Computer);
                inputMethodChanged(i);
            }
        recomputing_ = false;
    } else if (n > 1) {
        std::array<std::int32_t, 4> methods{};
        for (int i = 0; i < 4; ++i)
            methods[static_cast<std::size_t>(i)] = inputMethod(i);
        marks_ = SetupRules::conflictMarks(methods, n);
    }
    applyMarks();
}

void TPlayersGroup::applyMarks()
{
    for (std::size_t i = 0; i < 4; ++i) {
        cmbInput_[i]->setStyleSheet(marks_[i] ? QString::fromLatin1(kConflictStyle) : QString());
        cmbInput_[i]->setProperty("conflict", marks_[i]);
        cmbInput_[i]->setToolTip(marks_[i] ? tr("Another player uses this input device too.") : QString());
    }
}

void TPlayersGroup::nameBoxLeft(int slot)
{
    const auto s = static_cast<std::size_t>(slot);
    if (!newGame_ || computerList_[s] || checkingName_)
        return;
    const QString name = nameOf(slot);
    if (name.isEmpty())
        return;
    checkingName_ = true;
    bool clear = false;
    if (SetupRules::isReservedName(toBytes(name))) {
        dialogs().showMessage(SetupRules::reservedNameMessage(toBytes(name)), translate("Setup", SetupRules::kReservedNameTitle),
                              MessageButtons::Ok, MessageIcon::Warning);
        clear = true;
    } else {
        for (int j = 0; j < playerCount(); ++j)
            if (j != slot && nameOf(j) == name) {
                dialogs().showMessage(translate("Setup", SetupRules::kAlreadyInGameText), translate("Setup", "Error"),
                                      MessageButtons::Ok, MessageIcon::Error);
                clear = true;
                break;
            }
    }
    if (clear) {
        cmbName_[s]->setCurrentIndex(-1);
        cmbName_[s]->setEditText(QString());
    }
    checkingName_ = false;
}

void TPlayersGroup::checkNameBeingTyped()
{
    for (int i = 0; i < 4; ++i) {
        QWidget* box = cmbName_[static_cast<std::size_t>(i)];
        if (QWidget* focus = window()->focusWidget(); focus && (focus == box || box->isAncestorOf(focus)))
            nameBoxLeft(i);
    }
}

void TPlayersGroup::numPlayersChanged()
{
    const int n = playerCount();
    for (int i = 0; i < 4; ++i) {
        cmbInput_[static_cast<std::size_t>(i)]->setVisible(i < n);
        cmbName_[static_cast<std::size_t>(i)]->setVisible(i < n);
    }
    recomputeMarks();
}

void TPlayersGroup::setHosting(bool hosting)
{
    hosting_ = hosting;
    if (hosting_ && newGame_ && inputMethod(0) == InputMethod::Computer) {
        setInputMethod(0, InputMethod::KeyboardAndMouse);
        inputMethodChanged(0);
    }
}

// ------------------------------------------------------------------ filling and results

void TPlayersGroup::restoreStoredChoices()
{
    for (int i = 0; i < 4; ++i) {
        int method = SettingsStore::read(settings::PlayerInputMethod[static_cast<std::size_t>(i)]);
        if (method < 0 || method > 3)
            method = i == 0 ? InputMethod::KeyboardAndMouse : InputMethod::Computer;
        setInputMethod(i, method);
    }
    for (int i = 0; i < 4; ++i) {
        const auto s = static_cast<std::size_t>(i);
        const bool computer = inputMethod(i) == InputMethod::Computer;
        fillNameList(i, computer);
        inputMethodChanged(i);
        const QString stored = SettingsStore::read(settings::PlayerName[s]);
        if (!stored.isEmpty()) {
            selectName(i, stored.left(TPlayerInfoDlg::kMaxNameLength));
        } else if (computer) {
            cmbName_[s]->setCurrentIndex(1);
        } else if (cmbName_[s]->count() > 0) {
            cmbName_[s]->setCurrentIndex(0);
        }
    }
    updNumPlayers_->setValue(std::clamp(SettingsStore::read(settings::NumPlayers), 1, 4));
    numPlayersChanged();
}

void TPlayersGroup::fillFromSetup(const GameSetup& s)
{
    kindsShown_ = s.showPlayerKinds;
    for (int i = 0; i < 4; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        ++programmatic_;
        if (kindsShown_) {
            cmbInput_[slot]->clear();
            cmbInput_[slot]->addItem(kindName(s.playerKinds[slot]));
        } else {
            cmbInput_[slot]->setCurrentIndex(std::clamp(s.players[slot].inputMethod, 0, 3));
        }
        cmbName_[slot]->clear();
        cmbName_[slot]->setEditable(false);
        if (i < s.playerCount)
            cmbName_[slot]->addItem(toQt(s.players[slot].name));
        computerList_[slot] = false;
        --programmatic_;
    }
    updNumPlayers_->setValue(std::clamp(s.playerCount, 1, 4));
    // The spinner may already hold the count (its default is 2): the slots
    // are shown for it whether or not it changed.
    numPlayersChanged();
}

void TPlayersGroup::lock()
{
    for (std::size_t i = 0; i < 4; ++i) {
        cmbInput_[i]->setEnabled(false);
        cmbName_[i]->setEnabled(false);
    }
    updNumPlayers_->setEnabled(false);
}

void TPlayersGroup::writeTo(GameSetup& s) const
{
    s.playerCount = playerCount();
    for (int i = 0; i < 4; ++i) {
        PlayerChoice& c = s.players[static_cast<std::size_t>(i)];
        c.inputMethod = inputMethod(i);
        c.name = toBytes(nameOf(i));
        c.computerLevel = c.inputMethod == InputMethod::Computer ? computerLevelForName(c.name) : 0;
    }
}

void TPlayersGroup::storeChoices(bool allSlots) const
{
    const int slotCount = allSlots ? 4 : playerCount();
    if (!kindsShown_)
        for (int i = 0; i < slotCount; ++i) {
            const auto s = static_cast<std::size_t>(i);
            SettingsStore::write(settings::PlayerInputMethod[s], inputMethod(i));
            SettingsStore::write(settings::PlayerName[s], nameOf(i));
        }
    SettingsStore::write(settings::NumPlayers, playerCount());
}

// ------------------------------------------------------------------ keys

bool TPlayersGroup::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
            for (int i = 0; i < 4; ++i) {
                QComboBox* box = cmbName_[static_cast<std::size_t>(i)];
                if (watched == box || watched == box->lineEdit()) {
                    // Focus moving between the box and its own text field is no leaving.
                    QWidget* next = QApplication::focusWidget();
                    if (next && (next == box || box->isAncestorOf(next)))
                        break;
                    nameBoxLeft(i);
                    break;
                }
            }
    }
    return QGroupBox::eventFilter(watched, event);
}

} // namespace lettrava
