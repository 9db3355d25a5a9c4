#include "ui/dialogs/TPlayerInfoDlg.h"

#include "core/game/SetupRules.h"
#include "core/grid/Grid.h"
#include "core/grid/GridFile.h"
#include "core/grid/GridOptions.h"
#include "core/platform/Dialogs.h"
#include "ui/platform/FileChooser.h"
#include "ui/platform/LowColour.h"
#include "ui/platform/Settings.h"
#include "ui/platform/SharedPictures.h"
#include "ui/widgets/TAdvancedPanel.h"
#include "ui/widgets/TGridFileList.h"
#include "ui/dialogs/TGameOptionsGroup.h"
#include "ui/dialogs/THelpForm.h"
#include "ui/dialogs/TPlayersGroup.h"
#include "ui/widgets/TPictureButton.h"
#include "ui/platform/GameText.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QVBoxLayout>

namespace lettrava {

namespace {

QLabel* caption(const QString& text, QWidget* parent)
{
    auto* l = new QLabel(text, parent);
    l->setTextFormat(Qt::PlainText);
    return l;
}

} // namespace

TPlayerInfoDlg::TPlayerInfoDlg(Purpose purpose, const GameSetup& current, bool allowNetworkChoice, QWidget* parent)
    : QDialog(parent), purpose_(purpose), current_(current), allowNetworkChoice_(allowNetworkChoice)
{
    setObjectName(QStringLiteral("PlayerInfoDlg"));
    setWindowTitle(tr(kCaption));
    setModal(true);
    build();

    switch (purpose_) {
    case Purpose::NewGame:
        restoreStoredChoices();
        listenToggled();
        gridOrderChanged();
        grpOptions_->durationChoiceChanged();
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
    grpPlayers_ = new TPlayersGroup(purpose_ == Purpose::NewGame, pnlMain_);
    left->addWidget(grpPlayers_);
    left->addWidget(buildNetwork());
    left->addWidget(buildHostVersion());
    left->addStretch(1);
    auto* right = new QVBoxLayout();
    grpOptions_ = new TGameOptionsGroup(purpose_ == Purpose::ReadOnly, pnlMain_);
    connect(grpOptions_, &TGameOptionsGroup::roundsPerGameChanged, this, [this] {
        if (pnlGridFiles_->isVisibleTo(this))
            lbxGridFiles_->padTo(grpOptions_->roundsPerGame());
    });
    connect(grpOptions_, &TGameOptionsGroup::gridSizeOrderChanged, this, [this] { gridOrderChanged(); });
    right->addWidget(grpOptions_);
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

QGroupBox* TPlayerInfoDlg::buildNetwork()
{
    grpNetwork_ = new QGroupBox(tr("Network"), pnlMain_);
    auto* grid = new QGridLayout(grpNetwork_);
    lblWaitForNetworkPlayers_ = caption(tr("Listen for network players:"), grpNetwork_);
    chkWaitForNetworkPlayers_ = new QCheckBox(grpNetwork_);
    chkWaitForNetworkPlayers_->setObjectName(QStringLiteral("chkWaitForNetworkPlayers"));
    chkWaitForNetworkPlayers_->setAccessibleName(tr("Listen for network players"));
    lblWaitForNetworkPlayers_->setBuddy(chkWaitForNetworkPlayers_);
    edtPort_ = new QLineEdit(grpNetwork_);
    edtPort_->setObjectName(QStringLiteral("edtPort"));
    edtPort_->setMaximumWidth(80);
    lblPort_ = caption(tr("Port:"), grpNetwork_);
    edtEmail_ = new QLineEdit(grpNetwork_);
    edtEmail_->setObjectName(QStringLiteral("edtEmail"));
    lblEmail_ = caption(tr("Email (optional):"), grpNetwork_);
    edtMessage_ = new QLineEdit(grpNetwork_);
    edtMessage_->setObjectName(QStringLiteral("edtMessage"));
    edtMessage_->setMaxLength(256);
    lblMessage_ = caption(tr("Message (optional):"), grpNetwork_);
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
            chkWaitForNetworkPlayers_->setToolTip(tr("Network games cannot be hosted from here."));
    }
    connect(chkWaitForNetworkPlayers_, &QCheckBox::toggled, this, [this] { listenToggled(); });
    return grpNetwork_;
}

QGroupBox* TPlayerInfoDlg::buildHostVersion()
{
    grpHostVersion_ = new QGroupBox(tr("Host's Version"), pnlMain_);
    auto* grid = new QGridLayout(grpHostVersion_);
    lblHostProgram_ = caption(QString(), grpHostVersion_);
    lblHostProgram_->setObjectName(QStringLiteral("lblHostProgram"));
    lblHostDictionary_ = caption(QString(), grpHostVersion_);
    lblHostDictionary_->setObjectName(QStringLiteral("lblHostDictionary"));
    grid->addWidget(caption(tr("Program:"), grpHostVersion_), 0, 0);
    grid->addWidget(lblHostProgram_, 0, 1);
    grid->addWidget(caption(tr("Dictionary:"), grpHostVersion_), 1, 0);
    grid->addWidget(lblHostDictionary_, 1, 1);
    grid->setColumnStretch(1, 1);
    return grpHostVersion_;
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
    lbxGridFiles_->setAccessibleName(tr("Grid files by round"));
    lbxGridFiles_->setMinimumHeight(130);
    layout->addWidget(lbxGridFiles_, 1);
    auto* buttons = new QVBoxLayout();
    TFlatButton* addLabel = nullptr;
    TFlatButton* deleteLabel = nullptr;
    auto* btnAdd = new TPictureButton(pnlGridFiles_);
    btnAdd->setObjectName(QStringLiteral("btnAddGridFile"));
    btnAdd->setPictureSize(QSize(24, 24));
    btnAdd->setAccessibleName(tr("Add"));
    addLabel = new TFlatButton(tr("&Add"), pnlGridFiles_);
    addLabel->setFocusPolicy(Qt::NoFocus);
    auto* btnDelete = new TPictureButton(pnlGridFiles_);
    btnDelete->setObjectName(QStringLiteral("btnDeleteGridFile"));
    btnDelete->setPictureSize(QSize(24, 24));
    btnDelete->setAccessibleName(tr("Delete"));
    deleteLabel = new TFlatButton(tr("&Delete"), pnlGridFiles_);
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
    btnAccept_ = pictureButton("btnAccept", tr("&Start Game"), lblAccept_);
    btnCancel_ = pictureButton("btnCancel", tr("&Cancel"), cancelLabel);
    btnHelp_ = pictureButton("btnHelp", tr("&Help"), helpLabel);
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

// ------------------------------------------------------------------ changes

std::array<bool, 4> TPlayerInfoDlg::conflictMarks() const { return grpPlayers_->conflictMarks(); }

void TPlayerInfoDlg::gridOrderChanged()
{
    const bool files = grpOptions_->gridSizeOrder() == 3;
    if (files)
        lbxGridFiles_->padTo(grpOptions_->roundsPerGame());
    pnlGridFiles_->setVisible(files);
    if (isVisible())
        adjustSize();
}

void TPlayerInfoDlg::keepHosting(std::uint16_t port)
{
    chkWaitForNetworkPlayers_->setChecked(true);
    chkWaitForNetworkPlayers_->setEnabled(false);
    chkWaitForNetworkPlayers_->setToolTip(tr("The new game is hosted on the connections already open."));
    edtPort_->setText(QString::number(port));
    edtPort_->setEnabled(false);
    listenToggled();
    grpPlayers_->recomputeMarks();
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
    grpPlayers_->setHosting(on);
}

void TPlayerInfoDlg::addGridFiles()
{
    const QStringList chosen = chooseOpenFiles(this, tr("Select Grid File"), QString(),
                                               tr("Lettrava Grids (*.GRD *.grd)"));
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
            const std::string question = toBytes(tr("The file %1 results in an empty grid (perhaps it is not really a "
                                                    "grid file?).  Are you sure you want to schedule it for use in the "
                                                    "game?")
                                                     .arg(file));
            if (dialogs().showMessage(question, toBytes(tr("Warning")), MessageButtons::YesNo, MessageIcon::Warning)
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
    SetupRules::placeGridFiles(entries, lbxGridFiles_->currentRow(), accepted, grpOptions_->roundsPerGame(),
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
    grpPlayers_->restoreStoredChoices();
    grpOptions_->restoreStoredChoices();
    chkWaitForNetworkPlayers_->setChecked(allowNetworkChoice_ && SettingsStore::read(settings::Network));
    edtPort_->setText(SettingsStore::read(settings::Port));
    edtEmail_->setText(SettingsStore::read(settings::Email));
    edtMessage_->setText(SettingsStore::read(settings::Message).left(256));
}

void TPlayerInfoDlg::fillFromSetup(const GameSetup& s)
{
    grpPlayers_->fillFromSetup(s);
    grpOptions_->fillFromSetup(s);
    QStringList files;
    for (const std::string& f : s.gridFiles)
        files << pathToQt(f);
    lbxGridFiles_->setEntries(files);
    chkWaitForNetworkPlayers_->setChecked(s.listenForNetworkPlayers);
    edtPort_->setText(toQt(s.portText));
    edtEmail_->setText(SettingsStore::read(settings::Email));
    edtMessage_->setText(SettingsStore::read(settings::Message).left(256));
    lblHostProgram_->setText(toQt(s.hostVersion));
    lblHostDictionary_->setText(toQt(s.hostDictionaryVersion));
    listenToggled();
    gridOrderChanged();
    grpOptions_->durationChoiceChanged();
}

void TPlayerInfoDlg::lockForGameOptions()
{
    grpPlayers_->lock();
    grpOptions_->lock();
    for (QWidget* w : std::initializer_list<QWidget*>{chkWaitForNetworkPlayers_, edtPort_})
        w->setEnabled(false);
    lbxGridFiles_->parentWidget()->setEnabled(false);
    lblAccept_->setText(tr("&Save"));
    btnAccept_->setAccessibleName(tr("Save"));
    btnAccept_->setToolTip(tr("Save"));
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
        grpPlayers_->writeTo(s);
        s.roundsPerGame = grpOptions_->roundsPerGame();
        s.gridSizeOrder = grpOptions_->gridSizeOrder();
        s.gridFiles.clear();
        for (const QString& e : lbxGridFiles_->entries())
            s.gridFiles.push_back(qtToPath(e).string());
    }
    grpOptions_->writeTo(s);
    s.listenForNetworkPlayers = chkWaitForNetworkPlayers_->isChecked();
    s.portText = toBytes(edtPort_->text());
    return s;
}

void TPlayerInfoDlg::tryAccept()
{
    if (purpose_ == Purpose::ReadOnly)
        return;
    if (purpose_ == Purpose::NewGame) {
        grpPlayers_->checkNameBeingTyped();
        const std::array<bool, 4> marks = grpPlayers_->conflictMarks();
        if (const auto problem = SetupRules::acceptanceProblem(setup(), &marks)) {
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
    grpPlayers_->storeChoices(purpose_ == Purpose::NewGame);
    grpOptions_->storeChoices();
    SettingsStore::write(settings::Network, chkWaitForNetworkPlayers_->isChecked());
    // A local game has no port of its own to remember.
    if (purpose_ == Purpose::NewGame || chkWaitForNetworkPlayers_->isChecked())
        SettingsStore::write(settings::Port, edtPort_->text());
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

} // namespace lettrava
