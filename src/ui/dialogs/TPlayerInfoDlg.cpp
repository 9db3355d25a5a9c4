#include "ui/dialogs/TPlayerInfoDlg.h"

#include "core/game/Player.h"
#include "core/game/SetupRules.h"
#include "core/grid/Grid.h"
#include "core/grid/GridFile.h"
#include "core/grid/GridOptions.h"
#include "core/platform/Dialogs.h"
#include "core/players/PlayerFileManager.h"
#include "ui/platform/FileChooser.h"
#include "ui/platform/LowColour.h"
#include "ui/platform/Settings.h"
#include "ui/platform/SharedPictures.h"
#include "ui/widgets/TAdvancedPanel.h"
#include "ui/widgets/TGridFileList.h"
#include "ui/dialogs/THelpForm.h"
#include "ui/widgets/TPictureButton.h"
#include "ui/widgets/TUpDown.h"
#include "ui/platform/GameText.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QShortcut>
#include <QSpinBox>
#include <QVBoxLayout>

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

// A duration field's number as it is stored: the number typed, or the
// given value when the text is not one.
int durationNumber(const QString& text, int otherwise)
{
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    return ok && v >= 0 ? v : otherwise;
}

QString twoDigits(int v) { return v < 10 && v >= 0 ? QStringLiteral("0") + QString::number(v) : QString::number(v); }

QString kindName(std::uint8_t kind)
{
    if (kind == 0)
        return QStringLiteral("Host");
    if (kind == 2)
        return QStringLiteral("Computer");
    return QStringLiteral("Remote");
}

const char* const kConflictStyle = "QComboBox { color: rgb(210, 0, 0); }";

} // namespace

TPlayerInfoDlg::TPlayerInfoDlg(Purpose purpose, const GameSetup& current, bool allowNetworkChoice, QWidget* parent)
    : QDialog(parent), purpose_(purpose), current_(current), allowNetworkChoice_(allowNetworkChoice)
{
    setObjectName(QStringLiteral("PlayerInfoDlg"));
    setWindowTitle(QString::fromLatin1(kCaption));
    setModal(true);
    build();

    switch (purpose_) {
    case Purpose::NewGame:
        restoreStoredChoices();
        listenToggled();
        gridOrderChanged();
        durationChoiceChanged();
        break;
    case Purpose::GameOptions:
        fillFromSetup(current_);
        lockForGameOptions();
        break;
    case Purpose::ReadOnly:
        fillFromSetup(current_);
        makeReadOnly();
        break;
    }
    grpHostVersion_->setVisible(purpose_ == Purpose::ReadOnly);
    adjustSize();
}

// ------------------------------------------------------------------ building

void TPlayerInfoDlg::build()
{
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    pnlMain_ = new TAdvancedPanel(this);
    pnlMain_->setObjectName(QStringLiteral("pnlMain"));
    outer->addWidget(pnlMain_);

    auto* layout = new QVBoxLayout(pnlMain_);
    layout->setContentsMargins(14, 12, 14, 10);
    layout->setSpacing(10);
    auto* columns = new QHBoxLayout();
    columns->setSpacing(12);
    auto* left = new QVBoxLayout();
    left->setSpacing(10);
    left->addWidget(buildPlayers());
    left->addWidget(buildNetwork());
    left->addWidget(buildHostVersion());
    left->addStretch(1);
    auto* right = new QVBoxLayout();
    right->addWidget(buildOptions());
    right->addStretch(1);
    columns->addLayout(left, 3);
    columns->addLayout(right, 2);
    layout->addLayout(columns);
    layout->addWidget(buildGridFiles());
    layout->addWidget(buildButtons());

    if (lowColourDisplay()) {
        pnlMain_->clearWallpaper();
    } else {
        pnlMain_->setWallpaper(SharedPictures::instance().woodA);
    }
    const bool low = lowColourDisplay();
    pnlMain_->setStyleSheet(
        QStringLiteral("QGroupBox { background: rgba(255, 250, 236, %1); border: 1px solid rgba(90, 50, 20, 140);"
                       " border-radius: 6px; margin-top: 1.3em; padding: 6px 4px 4px 4px; }"
                       "QGroupBox::title { subcontrol-origin: margin; left: 10px; padding: 0 4px; font-weight: bold; }"
                       "QWidget#pnlGridFiles { background: rgba(255, 250, 236, %1); border-radius: 6px; }")
            .arg(low ? 0 : 150));
    QPalette pal = pnlMain_->palette();
    pal.setColor(QPalette::WindowText, low ? QColor(0, 0, 0) : QColor(52, 28, 8));
    pnlMain_->setPalette(pal);

    auto* enter = new QShortcut(QKeySequence(Qt::Key_Return), this);
    auto* enter2 = new QShortcut(QKeySequence(Qt::Key_Enter), this);
    for (QShortcut* s : {enter, enter2}) {
        s->setContext(Qt::WindowShortcut);
        connect(s, &QShortcut::activated, this, &TPlayerInfoDlg::tryAccept);
    }
    auto* help = new QShortcut(QKeySequence::HelpContents, this);
    connect(help, &QShortcut::activated, this, &TPlayerInfoDlg::showHelp);
}

QGroupBox* TPlayerInfoDlg::buildPlayers()
{
    auto* group = new QGroupBox(QStringLiteral("Players"), pnlMain_);
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);
    updNumPlayers_ = new TUpDown(1, 4, group);
    updNumPlayers_->setObjectName(QStringLiteral("updNumPlayers"));
    updNumPlayers_->setValue(2);
    auto* total = caption(QStringLiteral("Total # of Players*:"), group);
    total->setBuddy(updNumPlayers_);
    grid->addWidget(total, 0, 0);
    grid->addWidget(updNumPlayers_, 0, 1, Qt::AlignLeft);
    auto* note = caption(QStringLiteral("*Includes computer players but NOT network players"), group);
    QFont small = note->font();
    small.setItalic(true);
    note->setFont(small);
    grid->addWidget(note, 1, 0, 1, 3);
    for (int i = 0; i < 4; ++i) {
        const auto s = static_cast<std::size_t>(i);
        lblPlayer_[s] = caption(QStringLiteral("Player %1:").arg(i + 1), group);
        cmbInput_[s] = new QComboBox(group);
        cmbInput_[s]->setObjectName(QStringLiteral("cmbPlayer%1Input").arg(i + 1));
        for (const char* m : kInputMethods)
            cmbInput_[s]->addItem(QString::fromLatin1(m));
        cmbInput_[s]->setAccessibleName(QStringLiteral("Player %1 input method").arg(i + 1));
        cmbName_[s] = new QComboBox(group);
        cmbName_[s]->setObjectName(QStringLiteral("cmbPlayer%1Name").arg(i + 1));
        cmbName_[s]->setAccessibleName(QStringLiteral("Player %1 name").arg(i + 1));
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
    return group;
}

QGroupBox* TPlayerInfoDlg::buildNetwork()
{
    grpNetwork_ = new QGroupBox(QStringLiteral("Network"), pnlMain_);
    auto* grid = new QGridLayout(grpNetwork_);
    lblWaitForNetworkPlayers_ = caption(QStringLiteral("Listen for network players:"), grpNetwork_);
    chkWaitForNetworkPlayers_ = new QCheckBox(grpNetwork_);
    chkWaitForNetworkPlayers_->setObjectName(QStringLiteral("chkWaitForNetworkPlayers"));
    chkWaitForNetworkPlayers_->setAccessibleName(QStringLiteral("Listen for network players"));
    lblWaitForNetworkPlayers_->setBuddy(chkWaitForNetworkPlayers_);
    edtPort_ = new QLineEdit(grpNetwork_);
    edtPort_->setObjectName(QStringLiteral("edtPort"));
    edtPort_->setMaximumWidth(80);
    lblPort_ = caption(QStringLiteral("Port:"), grpNetwork_);
    edtEmail_ = new QLineEdit(grpNetwork_);
    edtEmail_->setObjectName(QStringLiteral("edtEmail"));
    lblEmail_ = caption(QStringLiteral("Email (optional):"), grpNetwork_);
    edtMessage_ = new QLineEdit(grpNetwork_);
    edtMessage_->setObjectName(QStringLiteral("edtMessage"));
    edtMessage_->setMaxLength(256);
    lblMessage_ = caption(QStringLiteral("Message (optional):"), grpNetwork_);
    grid->addWidget(lblWaitForNetworkPlayers_, 0, 0);
    grid->addWidget(chkWaitForNetworkPlayers_, 0, 1);
    grid->addWidget(lblPort_, 0, 2, Qt::AlignRight);
    grid->addWidget(edtPort_, 0, 3);
    grid->addWidget(lblEmail_, 1, 0);
    grid->addWidget(edtEmail_, 1, 1, 1, 3);
    grid->addWidget(lblMessage_, 2, 0);
    grid->addWidget(edtMessage_, 2, 1, 1, 3);
    if (!allowNetworkChoice_) {
        chkWaitForNetworkPlayers_->setEnabled(false);
        if (purpose_ == Purpose::NewGame)
            chkWaitForNetworkPlayers_->setToolTip(QStringLiteral("Network games cannot be hosted from here."));
    }
    connect(chkWaitForNetworkPlayers_, &QCheckBox::toggled, this, [this] { listenToggled(); });
    return grpNetwork_;
}

QGroupBox* TPlayerInfoDlg::buildHostVersion()
{
    grpHostVersion_ = new QGroupBox(QStringLiteral("Host's Version"), pnlMain_);
    auto* grid = new QGridLayout(grpHostVersion_);
    lblHostProgram_ = caption(QString(), grpHostVersion_);
    lblHostProgram_->setObjectName(QStringLiteral("lblHostProgram"));
    lblHostDictionary_ = caption(QString(), grpHostVersion_);
    lblHostDictionary_->setObjectName(QStringLiteral("lblHostDictionary"));
    grid->addWidget(caption(QStringLiteral("Program:"), grpHostVersion_), 0, 0);
    grid->addWidget(lblHostProgram_, 0, 1);
    grid->addWidget(caption(QStringLiteral("Dictionary:"), grpHostVersion_), 1, 0);
    grid->addWidget(lblHostDictionary_, 1, 1);
    grid->setColumnStretch(1, 1);
    return grpHostVersion_;
}

QGroupBox* TPlayerInfoDlg::buildOptions()
{
    auto* group = new QGroupBox(QStringLiteral("Game Options"), pnlMain_);
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(7);
    int row = 0;

    updMinimumWordLength_ = new TUpDown(3, 18, group);
    updMinimumWordLength_->setObjectName(QStringLiteral("updMinimumWordLength"));
    updMinimumWordLength_->setAccessibleName(QStringLiteral("Shortest word"));
    updMaximumWordLength_ = new TUpDown(3, 18, group);
    updMaximumWordLength_->setObjectName(QStringLiteral("updMaximumWordLength"));
    updMaximumWordLength_->setAccessibleName(QStringLiteral("Longest word"));
    updMaximumWordLength_->setValue(18);
    grid->addWidget(caption(QStringLiteral("Allowable Word Length:"), group), row++, 0, 1, 2);
    auto* lengths = new QHBoxLayout();
    auto* minLabel = caption(QStringLiteral("Min"), group);
    minLabel->setBuddy(updMinimumWordLength_);
    auto* maxLabel = caption(QStringLiteral("Max"), group);
    maxLabel->setBuddy(updMaximumWordLength_);
    lengths->addWidget(minLabel);
    lengths->addWidget(updMinimumWordLength_);
    lengths->addSpacing(10);
    lengths->addWidget(maxLabel);
    lengths->addWidget(updMaximumWordLength_);
    lengths->addStretch(1);
    grid->addLayout(lengths, row++, 0, 1, 2);

    updGridPorosity_ = new QSpinBox(group);
    updGridPorosity_->setObjectName(QStringLiteral("updGridPorosity"));
    updGridPorosity_->setRange(0, 60);
    updGridPorosity_->setSuffix(QString());
    auto* porosity = caption(QStringLiteral("Grid Porosity (% blank):"), group);
    porosity->setBuddy(updGridPorosity_);
    grid->addWidget(porosity, row, 0);
    grid->addWidget(updGridPorosity_, row++, 1, Qt::AlignLeft);

    chkBonusWordEnabled_ = new QCheckBox(QStringLiteral("&Bonus Word Enabled"), group);
    chkBonusWordEnabled_->setObjectName(QStringLiteral("chkBonusWordEnabled"));
    chkBonusWordEnabled_->setChecked(true);
    grid->addWidget(chkBonusWordEnabled_, row++, 0, 1, 2);
    chkAllowLetterReuse_ = new QCheckBox(QStringLiteral("Allow Letter &Reuse"), group);
    chkAllowLetterReuse_->setObjectName(QStringLiteral("chkAllowLetterReuse"));
    chkAllowLetterReuse_->setChecked(true);
    grid->addWidget(chkAllowLetterReuse_, row++, 0, 1, 2);

    cmbGridSizeOrder_ = new QComboBox(group);
    cmbGridSizeOrder_->setObjectName(QStringLiteral("cmbGridSizeOrder"));
    for (const char* o : kGridSizeOrders)
        cmbGridSizeOrder_->addItem(QString::fromLatin1(o));
    auto* order = caption(QStringLiteral("Grid Size Order:"), group);
    order->setBuddy(cmbGridSizeOrder_);
    grid->addWidget(order, row++, 0, 1, 2);
    grid->addWidget(cmbGridSizeOrder_, row++, 0, 1, 2);

    updRoundsPerGame_ = new TUpDown(1, 20, group);
    updRoundsPerGame_->setObjectName(QStringLiteral("updRoundsPerGame"));
    updRoundsPerGame_->setValue(10);
    auto* rounds = caption(QStringLiteral("Rounds Per Game:"), group);
    rounds->setBuddy(updRoundsPerGame_);
    grid->addWidget(rounds, row, 0);
    grid->addWidget(updRoundsPerGame_, row++, 1, Qt::AlignLeft);

    cmbRoundDuration_ = new QComboBox(group);
    cmbRoundDuration_->setObjectName(QStringLiteral("cmbRoundDuration"));
    for (const char* d : kDurations)
        cmbRoundDuration_->addItem(QString::fromLatin1(d));
    auto* duration = caption(QStringLiteral("Round Duration:"), group);
    duration->setBuddy(cmbRoundDuration_);
    grid->addWidget(duration, row++, 0, 1, 2);
    grid->addWidget(cmbRoundDuration_, row++, 0, 1, 2);

    lblRoundDuration_ = caption(QStringLiteral("Round Duration (M:SS):"), group);
    auto* digits = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,2}")), group);
    edtRoundDurationMinutes_ = new QLineEdit(group);
    edtRoundDurationMinutes_->setObjectName(QStringLiteral("edtRoundDurationMinutes"));
    edtRoundDurationMinutes_->setAccessibleName(QStringLiteral("Round minutes"));
    edtRoundDurationSeconds_ = new QLineEdit(group);
    edtRoundDurationSeconds_->setObjectName(QStringLiteral("edtRoundDurationSeconds"));
    edtRoundDurationSeconds_->setAccessibleName(QStringLiteral("Round seconds"));
    for (QLineEdit* e : {edtRoundDurationMinutes_, edtRoundDurationSeconds_}) {
        e->setValidator(digits);
        e->setMaxLength(2);
        e->setMaximumWidth(40);
        e->setAlignment(Qt::AlignCenter);
    }
    lblRoundDuration_->setBuddy(edtRoundDurationMinutes_);
    auto* time = new QHBoxLayout();
    time->addWidget(lblRoundDuration_);
    time->addWidget(edtRoundDurationMinutes_);
    time->addWidget(caption(QStringLiteral(":"), group));
    time->addWidget(edtRoundDurationSeconds_);
    time->addStretch(1);
    grid->addLayout(time, row++, 0, 1, 2);

    connect(updMinimumWordLength_, &QSpinBox::valueChanged, this, [this] { wordLengthsChanged(); });
    connect(updMaximumWordLength_, &QSpinBox::valueChanged, this, [this] { wordLengthsChanged(); });
    connect(updRoundsPerGame_, &QSpinBox::valueChanged, this, [this] {
        wordLengthsChanged();
        if (pnlGridFiles_->isVisibleTo(this))
            lbxGridFiles_->padTo(updRoundsPerGame_->value());
    });
    connect(cmbGridSizeOrder_, &QComboBox::currentIndexChanged, this, [this] { gridOrderChanged(); });
    connect(cmbRoundDuration_, &QComboBox::currentIndexChanged, this, [this] { durationChoiceChanged(); });
    return group;
}

TPictureButton* TPlayerInfoDlg::pictureButton(const char* name, const QString& text, TFlatButton*& label)
{
    auto* button = new TPictureButton(pnlMain_);
    button->setObjectName(QLatin1String(name));
    button->setPictureSize(QSize(30, 30));
    const QString plain = QString(text).remove(QLatin1Char('&'));
    button->setAccessibleName(plain);
    button->setToolTip(plain);
    // The caption clicks the button too, and its letter is the button's Alt key.
    label = new TFlatButton(text, pnlMain_);
    label->setObjectName(QStringLiteral("lbl") + QLatin1String(name).mid(3));
    label->setFocusPolicy(Qt::NoFocus);
    connect(label, &TFlatButton::clicked, button, &TPictureButton::click);
    return button;
}

QWidget* TPlayerInfoDlg::buildGridFiles()
{
    pnlGridFiles_ = new QWidget(pnlMain_);
    pnlGridFiles_->setObjectName(QStringLiteral("pnlGridFiles"));
    pnlGridFiles_->setAttribute(Qt::WA_StyledBackground);
    auto* layout = new QHBoxLayout(pnlGridFiles_);
    layout->setContentsMargins(8, 6, 8, 6);
    lbxGridFiles_ = new TGridFileList(pnlGridFiles_);
    lbxGridFiles_->setObjectName(QStringLiteral("lbxGridFiles"));
    lbxGridFiles_->setAccessibleName(QStringLiteral("Grid files by round"));
    lbxGridFiles_->setMinimumHeight(130);
    layout->addWidget(lbxGridFiles_, 1);
    auto* buttons = new QVBoxLayout();
    TFlatButton* addLabel = nullptr;
    TFlatButton* deleteLabel = nullptr;
    auto* btnAdd = new TPictureButton(pnlGridFiles_);
    btnAdd->setObjectName(QStringLiteral("btnAddGridFile"));
    btnAdd->setPictureSize(QSize(24, 24));
    btnAdd->setAccessibleName(QStringLiteral("Add"));
    addLabel = new TFlatButton(QStringLiteral("&Add"), pnlGridFiles_);
    addLabel->setFocusPolicy(Qt::NoFocus);
    auto* btnDelete = new TPictureButton(pnlGridFiles_);
    btnDelete->setObjectName(QStringLiteral("btnDeleteGridFile"));
    btnDelete->setPictureSize(QSize(24, 24));
    btnDelete->setAccessibleName(QStringLiteral("Delete"));
    deleteLabel = new TFlatButton(QStringLiteral("&Delete"), pnlGridFiles_);
    deleteLabel->setFocusPolicy(Qt::NoFocus);
    for (auto [b, l] : {std::pair{btnAdd, addLabel}, std::pair{btnDelete, deleteLabel}}) {
        auto* row = new QHBoxLayout();
        row->addWidget(b);
        row->addWidget(l);
        row->addStretch(1);
        buttons->addLayout(row);
        connect(l, &TFlatButton::clicked, b, &TPictureButton::click);
    }
    buttons->addStretch(1);
    layout->addLayout(buttons);
    connect(btnAdd, &TPictureButton::clicked, this, &TPlayerInfoDlg::addGridFiles);
    connect(btnDelete, &TPictureButton::clicked, this, &TPlayerInfoDlg::deleteGridFile);
    pnlGridFiles_->hide();
    return pnlGridFiles_;
}

QWidget* TPlayerInfoDlg::buildButtons()
{
    auto* bar = new QWidget(pnlMain_);
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(0, 4, 0, 0);
    layout->addStretch(1);
    TFlatButton* cancelLabel = nullptr;
    TFlatButton* helpLabel = nullptr;
    btnAccept_ = pictureButton("btnAccept", QStringLiteral("&Start Game"), lblAccept_);
    btnCancel_ = pictureButton("btnCancel", QStringLiteral("&Cancel"), cancelLabel);
    btnHelp_ = pictureButton("btnHelp", QStringLiteral("&Help"), helpLabel);
    layout->addWidget(btnAccept_);
    layout->addWidget(lblAccept_);
    layout->addSpacing(18);
    layout->addWidget(btnCancel_);
    layout->addWidget(cancelLabel);
    layout->addSpacing(18);
    layout->addWidget(btnHelp_);
    layout->addWidget(helpLabel);
    connect(btnAccept_, &TPictureButton::clicked, this, &TPlayerInfoDlg::tryAccept);
    connect(btnCancel_, &TPictureButton::clicked, this, &QDialog::reject);
    connect(btnHelp_, &TPictureButton::clicked, this, &TPlayerInfoDlg::showHelp);
    return bar;
}

// ------------------------------------------------------------------ slots and names

int TPlayerInfoDlg::playerCount() const { return updNumPlayers_->value(); }

int TPlayerInfoDlg::inputMethod(int slot) const
{
    return kindsShown_ ? -1 : cmbInput_[static_cast<std::size_t>(slot)]->currentIndex();
}

QString TPlayerInfoDlg::nameOf(int slot) const { return cmbName_[static_cast<std::size_t>(slot)]->currentText(); }

std::array<std::string, 4> TPlayerInfoDlg::names() const
{
    std::array<std::string, 4> out;
    for (int i = 0; i < 4; ++i)
        out[static_cast<std::size_t>(i)] = toBytes(nameOf(i));
    return out;
}

void TPlayerInfoDlg::setInputMethod(int slot, int method)
{
    ++programmatic_;
    cmbInput_[static_cast<std::size_t>(slot)]->setCurrentIndex(method);
    --programmatic_;
}

void TPlayerInfoDlg::fillNameList(int slot, bool computer)
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
        box->lineEdit()->setMaxLength(kMaxNameLength);
        box->lineEdit()->installEventFilter(this);
        box->addItems(knownHumanNames());
        box->setCurrentIndex(-1);
        box->setEditText(QString());
    }
    computerList_[static_cast<std::size_t>(slot)] = computer;
    --programmatic_;
}

void TPlayerInfoDlg::selectName(int slot, const QString& name)
{
    QComboBox* box = cmbName_[static_cast<std::size_t>(slot)];
    const int index = box->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0)
        box->setCurrentIndex(index);
    else if (box->isEditable())
        box->setEditText(name);
}

void TPlayerInfoDlg::inputMethodChanged(int slot)
{
    if (purpose_ != Purpose::NewGame)
        return;
    const int method = inputMethod(slot);
    if (chkWaitForNetworkPlayers_->isChecked() && slot == 0 && method != InputMethod::KeyboardAndMouse) {
        dialogs().showMessage(SetupRules::kInputLockedText, "Lettrava", MessageButtons::Ok, MessageIcon::Information);
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

void TPlayerInfoDlg::recomputeMarks()
{
    if (purpose_ != Purpose::NewGame || recomputing_)
        return;
    marks_ = {};
    const int n = playerCount();
    if (chkWaitForNetworkPlayers_->isChecked()) {
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

void TPlayerInfoDlg::applyMarks()
{
    for (std::size_t i = 0; i < 4; ++i) {
        cmbInput_[i]->setStyleSheet(marks_[i] ? QString::fromLatin1(kConflictStyle) : QString());
        cmbInput_[i]->setProperty("conflict", marks_[i]);
        cmbInput_[i]->setToolTip(marks_[i] ? QStringLiteral("Another player uses this input device too.") : QString());
    }
}

void TPlayerInfoDlg::nameBoxLeft(int slot)
{
    const auto s = static_cast<std::size_t>(slot);
    if (purpose_ != Purpose::NewGame || computerList_[s] || checkingName_)
        return;
    const QString name = nameOf(slot);
    if (name.isEmpty())
        return;
    checkingName_ = true;
    bool clear = false;
    if (SetupRules::isReservedName(toBytes(name))) {
        dialogs().showMessage(SetupRules::reservedNameMessage(toBytes(name)), SetupRules::kReservedNameTitle,
                              MessageButtons::Ok, MessageIcon::Warning);
        clear = true;
    } else {
        for (int j = 0; j < playerCount(); ++j)
            if (j != slot && nameOf(j) == name) {
                dialogs().showMessage(SetupRules::kAlreadyInGameText, "Error", MessageButtons::Ok, MessageIcon::Error);
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

void TPlayerInfoDlg::numPlayersChanged()
{
    const int n = playerCount();
    for (int i = 0; i < 4; ++i) {
        cmbInput_[static_cast<std::size_t>(i)]->setVisible(i < n);
        cmbName_[static_cast<std::size_t>(i)]->setVisible(i < n);
    }
    recomputeMarks();
}

void TPlayerInfoDlg::wordLengthsChanged()
{
    if (updMaximumWordLength_->value() < updMinimumWordLength_->value()) {
        QApplication::beep();
        updMaximumWordLength_->setValue(updMinimumWordLength_->value());
    }
}

void TPlayerInfoDlg::durationChoiceChanged()
{
    const bool manual = cmbRoundDuration_->currentIndex() == 1 && purpose_ != Purpose::ReadOnly;
    lblRoundDuration_->setEnabled(manual);
    edtRoundDurationMinutes_->setEnabled(manual);
    edtRoundDurationSeconds_->setEnabled(manual);
}

void TPlayerInfoDlg::gridOrderChanged()
{
    const bool files = cmbGridSizeOrder_->currentIndex() == 3;
    if (files)
        lbxGridFiles_->padTo(updRoundsPerGame_->value());
    pnlGridFiles_->setVisible(files);
    if (isVisible())
        adjustSize();
}

void TPlayerInfoDlg::keepHosting(std::uint16_t port)
{
    chkWaitForNetworkPlayers_->setChecked(true);
    chkWaitForNetworkPlayers_->setEnabled(false);
    chkWaitForNetworkPlayers_->setToolTip(QStringLiteral("The new game is hosted on the connections already open."));
    edtPort_->setText(QString::number(port));
    edtPort_->setEnabled(false);
    listenToggled();
    recomputeMarks();
}

void TPlayerInfoDlg::listenToggled()
{
    const bool on = chkWaitForNetworkPlayers_->isChecked();
    // The read-only view never shows the port and e-mail address.
    const bool details = on && purpose_ != Purpose::ReadOnly;
    for (QWidget* w : std::initializer_list<QWidget*>{lblPort_, edtPort_, lblEmail_, edtEmail_})
        w->setVisible(details);
    lblMessage_->setVisible(on);
    edtMessage_->setVisible(on);
    if (on && purpose_ == Purpose::NewGame && inputMethod(0) == InputMethod::Computer) {
        setInputMethod(0, InputMethod::KeyboardAndMouse);
        inputMethodChanged(0);
    }
}

void TPlayerInfoDlg::addGridFiles()
{
    const QStringList chosen = chooseOpenFiles(this, QStringLiteral("Select Grid File"), QString(),
                                               QStringLiteral("Lettrava Grids (*.GRD *.grd)"));
    std::vector<std::string> accepted;
    for (const QString& file : chosen) {
        // Loading a grid file sets the size and word options it names; they
        // belong to the game, so they are put back afterwards.
        const GridOptions saved = gridOptions();
        Grid grid(false);
        const bool loaded = loadGridFile(grid, qtToPath(file));
        const bool empty = !loaded || grid.isEmpty();
        gridOptions() = saved;
        if (empty) {
            const std::string question = "The file " + toBytes(file)
                                         + " results in an empty grid (perhaps it is not really a grid file?).  Are "
                                           "you sure you want to schedule it for use in the game?";
            if (dialogs().showMessage(question, "Warning", MessageButtons::YesNo, MessageIcon::Warning)
                != MessageAnswer::Yes)
                continue;
        }
        accepted.push_back(qtToPath(file).string());
    }
    if (accepted.empty())
        return;
    std::vector<std::string> entries;
    for (const QString& e : lbxGridFiles_->entries())
        entries.push_back(qtToPath(e).string());
    SetupRules::placeGridFiles(entries, lbxGridFiles_->currentRow(), accepted, updRoundsPerGame_->value(),
                               [](const std::string& f) { return QFileInfo(pathToQt(f)).isFile(); });
    QStringList placed;
    for (const std::string& e : entries)
        placed << pathToQt(e);
    const int row = lbxGridFiles_->currentRow();
    lbxGridFiles_->setEntries(placed);
    lbxGridFiles_->setCurrentRow(row);
}

void TPlayerInfoDlg::deleteGridFile()
{
    const int row = lbxGridFiles_->currentRow();
    if (row >= 0)
        lbxGridFiles_->setEntry(row, QString());
}

// ------------------------------------------------------------------ filling

void TPlayerInfoDlg::restoreStoredChoices()
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
            selectName(i, stored.left(kMaxNameLength));
        } else if (computer) {
            cmbName_[s]->setCurrentIndex(1);
        } else if (cmbName_[s]->count() > 0) {
            cmbName_[s]->setCurrentIndex(0);
        }
    }
    updNumPlayers_->setValue(std::clamp(SettingsStore::read(settings::NumPlayers), 1, 4));
    numPlayersChanged();
    cmbGridSizeOrder_->setCurrentIndex(std::clamp(SettingsStore::read(settings::GridSizeOrder), 0, 3));
    cmbRoundDuration_->setCurrentIndex(std::clamp(SettingsStore::read(settings::RoundDuration), 0, 1));
    edtRoundDurationMinutes_->setText(QString::number(std::clamp(SettingsStore::read(settings::RoundDurationMin), 0, 99)));
    edtRoundDurationSeconds_->setText(twoDigits(std::clamp(SettingsStore::read(settings::RoundDurationSec), 0, 99)));
    chkBonusWordEnabled_->setChecked(SettingsStore::read(settings::BonusEnabled));
    updMinimumWordLength_->setValue(std::clamp(SettingsStore::read(settings::MinimumWL), 3, 18));
    updMaximumWordLength_->setValue(std::clamp(SettingsStore::read(settings::MaximumWL), 3, 18));
    updRoundsPerGame_->setValue(std::clamp(SettingsStore::read(settings::RoundsPG), 1, 20));
    chkWaitForNetworkPlayers_->setChecked(allowNetworkChoice_ && SettingsStore::read(settings::Network));
    edtPort_->setText(SettingsStore::read(settings::Port));
    updGridPorosity_->setValue(std::clamp(SettingsStore::read(settings::GridPorosity), 0, 60));
    chkAllowLetterReuse_->setChecked(SettingsStore::read(settings::LetterReuse));
    edtEmail_->setText(SettingsStore::read(settings::Email));
    edtMessage_->setText(SettingsStore::read(settings::Message).left(256));
}

void TPlayerInfoDlg::fillFromSetup(const GameSetup& s)
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
    cmbGridSizeOrder_->setCurrentIndex(std::clamp(s.gridSizeOrder, 0, 3));
    QStringList files;
    for (const std::string& f : s.gridFiles)
        files << pathToQt(f);
    lbxGridFiles_->setEntries(files);
    cmbRoundDuration_->setCurrentIndex(s.automaticDuration ? 0 : 1);
    edtRoundDurationMinutes_->setText(toQt(s.minutesText));
    edtRoundDurationSeconds_->setText(twoDigits(durationNumber(toQt(s.secondsText), 0)));
    chkBonusWordEnabled_->setChecked(s.bonusWordEnabled);
    chkAllowLetterReuse_->setChecked(s.allowLetterReuse);
    updMinimumWordLength_->setValue(std::clamp(s.minWordLength, 3, 18));
    updMaximumWordLength_->setValue(std::clamp(s.maxWordLength, 3, 18));
    updRoundsPerGame_->setValue(std::clamp(s.roundsPerGame, 1, 20));
    updGridPorosity_->setValue(std::clamp(s.gridPorosity, 0, 60));
    chkWaitForNetworkPlayers_->setChecked(s.listenForNetworkPlayers);
    edtPort_->setText(toQt(s.portText));
    edtEmail_->setText(SettingsStore::read(settings::Email));
    edtMessage_->setText(SettingsStore::read(settings::Message).left(256));
    lblHostProgram_->setText(toQt(s.hostVersion));
    lblHostDictionary_->setText(toQt(s.hostDictionaryVersion));
    listenToggled();
    gridOrderChanged();
    durationChoiceChanged();
}

void TPlayerInfoDlg::lockForGameOptions()
{
    for (std::size_t i = 0; i < 4; ++i) {
        cmbInput_[i]->setEnabled(false);
        cmbName_[i]->setEnabled(false);
    }
    for (QWidget* w : std::initializer_list<QWidget*>{cmbGridSizeOrder_, updNumPlayers_, updRoundsPerGame_,
                                                      chkWaitForNetworkPlayers_, edtPort_})
        w->setEnabled(false);
    lbxGridFiles_->parentWidget()->setEnabled(false);
    lblAccept_->setText(QStringLiteral("&Save"));
    btnAccept_->setAccessibleName(QStringLiteral("Save"));
    btnAccept_->setToolTip(QStringLiteral("Save"));
}

void TPlayerInfoDlg::makeReadOnly()
{
    btnAccept_->hide();
    lblAccept_->hide();
    for (QWidget* w : std::initializer_list<QWidget*>{chkWaitForNetworkPlayers_, lblWaitForNetworkPlayers_, edtPort_,
                                                      lblPort_, edtEmail_, lblEmail_})
        w->hide();
    // Every control is disabled; labels, panels and the way out stay.
    for (QWidget* w : pnlMain_->findChildren<QWidget*>()) {
        const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w)
                             || qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QLineEdit*>(w)
                             || qobject_cast<QAbstractItemView*>(w);
        if (control && !qobject_cast<TFlatButton*>(w))
            w->setEnabled(false);
    }
    btnCancel_->setEnabled(true);
    btnHelp_->setEnabled(true);
}

// ------------------------------------------------------------------ results

GameSetup TPlayerInfoDlg::setup() const
{
    GameSetup s = purpose_ == Purpose::NewGame ? GameSetup{} : current_;
    if (purpose_ == Purpose::NewGame) {
        s.playerCount = playerCount();
        for (int i = 0; i < 4; ++i) {
            PlayerChoice& c = s.players[static_cast<std::size_t>(i)];
            c.inputMethod = inputMethod(i);
            c.name = toBytes(nameOf(i));
            c.computerLevel = c.inputMethod == InputMethod::Computer ? computerLevelForName(c.name) : 0;
        }
        s.roundsPerGame = updRoundsPerGame_->value();
        s.gridSizeOrder = cmbGridSizeOrder_->currentIndex();
        s.gridFiles.clear();
        for (const QString& e : lbxGridFiles_->entries())
            s.gridFiles.push_back(qtToPath(e).string());
    }
    s.automaticDuration = cmbRoundDuration_->currentIndex() == 0;
    s.minutesText = toBytes(edtRoundDurationMinutes_->text());
    s.secondsText = toBytes(edtRoundDurationSeconds_->text());
    s.bonusWordEnabled = chkBonusWordEnabled_->isChecked();
    s.allowLetterReuse = chkAllowLetterReuse_->isChecked();
    s.gridPorosity = updGridPorosity_->value();
    s.minWordLength = updMinimumWordLength_->value();
    s.maxWordLength = updMaximumWordLength_->value();
    s.listenForNetworkPlayers = chkWaitForNetworkPlayers_->isChecked();
    s.portText = toBytes(edtPort_->text());
    return s;
}

void TPlayerInfoDlg::tryAccept()
{
    if (purpose_ == Purpose::ReadOnly)
        return;
    if (purpose_ == Purpose::NewGame) {
        // A name still being typed is checked as if its box had been left.
        for (int i = 0; i < 4; ++i) {
            QWidget* box = cmbName_[static_cast<std::size_t>(i)];
            if (QWidget* focus = focusWidget(); focus && (focus == box || box->isAncestorOf(focus)))
                nameBoxLeft(i);
        }
        if (const auto problem = SetupRules::acceptanceProblem(setup(), &marks_)) {
            dialogs().showMessage(problem->text, problem->title, MessageButtons::Ok, MessageIcon::Error);
            return;
        }
    }
    storeChoices();
    accept();
}

void TPlayerInfoDlg::storeChoices() const
{
    // A running game's options hold no choices for the slots it does not
    // use: those keep what the last new game stored.
    const int slotCount = purpose_ == Purpose::NewGame ? 4 : playerCount();
    if (!kindsShown_)
        for (int i = 0; i < slotCount; ++i) {
            const auto s = static_cast<std::size_t>(i);
            SettingsStore::write(settings::PlayerInputMethod[s], inputMethod(i));
            SettingsStore::write(settings::PlayerName[s], nameOf(i));
        }
    SettingsStore::write(settings::NumPlayers, playerCount());
    SettingsStore::write(settings::GridSizeOrder, cmbGridSizeOrder_->currentIndex());
    SettingsStore::write(settings::RoundDuration, cmbRoundDuration_->currentIndex());
    SettingsStore::write(settings::RoundDurationMin, durationNumber(edtRoundDurationMinutes_->text(), 2));
    SettingsStore::write(settings::RoundDurationSec, durationNumber(edtRoundDurationSeconds_->text(), 0));
    SettingsStore::write(settings::Network, chkWaitForNetworkPlayers_->isChecked());
    // A local game has no port of its own to remember.
    if (purpose_ == Purpose::NewGame || chkWaitForNetworkPlayers_->isChecked())
        SettingsStore::write(settings::Port, edtPort_->text());
    SettingsStore::write(settings::BonusEnabled, chkBonusWordEnabled_->isChecked());
    SettingsStore::write(settings::LetterReuse, chkAllowLetterReuse_->isChecked());
    SettingsStore::write(settings::MinimumWL, updMinimumWordLength_->value());
    SettingsStore::write(settings::MaximumWL, updMaximumWordLength_->value());
    SettingsStore::write(settings::RoundsPG, updRoundsPerGame_->value());
    SettingsStore::write(settings::GridPorosity, updGridPorosity_->value());
    SettingsStore::write(settings::Email, edtEmail_->text());
    SettingsStore::write(settings::Message, edtMessage_->text());
}

void TPlayerInfoDlg::showHelp() { showHelpTopic(QStringLiteral("PlayerInformation.htm")); }

// ------------------------------------------------------------------ keys

void TPlayerInfoDlg::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        tryAccept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool TPlayerInfoDlg::eventFilter(QObject* watched, QEvent* event)
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
    return QDialog::eventFilter(watched, event);
}

} // namespace lettrava
