#include "ui/shell/TMainForm.h"
#include "ui/factory/TFactoryMode.h"
#include "ui/platform/ScreenPlace.h"
#include "ui/play/PlayParts.h"
#include "ui/shell/TNetworkPlay.h"

#include "core/game/Game.h"
#include "core/game/SavedGameFile.h"
#include "core/grid/Grid.h"
#include "core/grid/GridFile.h"
#include "core/grid/GridOptions.h"
#include "core/platform/Dialogs.h"
#include "core/platform/Paths.h"
#include "core/platform/Random.h"
#include "core/players/PlayerFileManager.h"
#include "core/words/Dictionary.h"
#include "session/DictionaryChoice.h"
#include "session/GameSession.h"
#include "net/GameHost.h"
#include "ui/board/BoardLayout.h"
#include "ui/widgets/DrawnIcons.h"
#include "ui/platform/FileChooser.h"
#include "ui/platform/GamePreferences.h"
#include "ui/platform/LowColour.h"
#include "ui/platform/QtTaskSeam.h"
#include "ui/platform/Settings.h"
#include "ui/platform/SharedPictures.h"
#include "ui/widgets/TAdvancedPanel.h"
#include "ui/widgets/TFlashingLabel.h"
#include "ui/dialogs/THelpForm.h"
#include "ui/board/TLetterLabel.h"
#include "ui/board/TLetterBoard.h"
#include "ui/play/TPlayPanels.h"
#include "ui/widgets/TPictureButton.h"
#include "ui/dialogs/TPlayerInfoDlg.h"
#include "ui/dialogs/TRRForm.h"
#include "ui/net/TChatPanel.h"
#include "ui/dialogs/TPreferencesForm.h"
#include "ui/widgets/TUpDown.h"
#include "ui/platform/GameText.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace lettrava {

namespace {

QString savedGamesFolder()
{
    return pathToQt(Paths::writableFile("Lettrava.LTG").parent_path());
}

const char* const kSavedGamesFilter = "Lettrava Saved Games (*.LTG *.ltg)";

} // namespace

using namespace playparts;


// ------------------------------------------------------------------ creation

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent)
{
    Random::instance().seedFromClock();
    // The player file is read at start-up; new games take this store.
    PlayerFileManager::instance();
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QString::fromLatin1(kTitle));
    setWindowIcon(SharedPictures::instance().appIcon);

    preferences_ = new GamePreferences({}, this);
    preferences_->installSeams();
    preferencesForm_ = new TPreferencesForm(*preferences_, this);
    // A new choice of dictionary is loaded at once between rounds, else when
    // the round has ended; the status bar says which.
    dictionaryChoice_ = std::make_unique<DictionaryChoice>([this](const std::string& text) {
        if (view_)
            view_->setStatusText(text);
    });
    connect(preferences_, &GamePreferences::dictionaryChosen, this, [this] { dictionaryChoice_->chosen(game()); });
    // The chosen dictionary is loaded now (unless one was loaded before the
    // window was made), not on its first use.
    if (!Dictionary::instance().loaded())
        Dictionary::instance().load();

    buildActions();
    buildMenus();
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildSpeedBar();
    buildCentre();
    layout->addWidget(pnlSpeedBar_);
    // The centre sits in a splitter, so that a chat panel can come under the
    // board with a handle between them.
    splChat_ = new QSplitter(Qt::Vertical, central);
    splChat_->setObjectName(QStringLiteral("splChat"));
    splChat_->setChildrenCollapsible(false);
    splChat_->addWidget(pnlCenter_);
    splChat_->setStretchFactor(0, 1);
    layout->addWidget(splChat_, 1);
    setCentralWidget(central);
    buildStatusBar();

    // The game's view over the board and the panels, the session that runs
    // the game on it, and the network side with its chat and "H&ost" menu.
    view_ = std::make_unique<TPlayView>(static_cast<PlayShell&>(*this), *board_, *play_, *pnlCenter_,
                                        StatusPanels{stbPanel0_, stbPanel1_, stbPanel2_});
    view_->setTileSize({kTileWidth, kTileHeight});
    seam_ = std::make_unique<QtTaskSeam>();
    session_ = std::make_unique<GameSession>(*view_, seam_.get());
    session_->onGameDropped = [this] { gameDropped(); };
    network_ = std::make_unique<TNetworkPlay>(*this);
    menuBar()->insertMenu(mnuHelp_->menuAction(), network_->hostMenu());

    fitToScreen();
    applyPreferences();
    applyColours();
    readSettings();

    TFactoryMode::Lent lent;
    lent.window = this;
    lent.menuBar = menuBar();
    lent.bars = layout;
    lent.centre = pnlCenter_;
    lent.board = board_;
    lent.columns = play_->updDimCol;
    lent.rows = play_->updDimRow;
    factory_ = new TFactoryMode(lent, {factoryMinWL_, factoryMaxWL_, factoryAllowReuse_, factorySort_});
    connect(factory_, &TFactoryMode::exitRequested, this, &TMainForm::leaveFactory);
    connect(factory_, &TFactoryMode::quitRequested, this, &QWidget::close);
    connect(factory_, &TFactoryMode::preferencesRequested, this, [this] { runPreferences(0); });
    setWelcomeVisible(true);
    layoutCentre();
}

TMainForm::~TMainForm()
{
    writeSettings();
    // The connections end before the game they report to, the game before
    // the view it shows itself in.
    network_.reset();
    session_->onGameDropped = nullptr;
    session_.reset();
    shutDownHelp();
}

Game* TMainForm::game() const { return session_ ? session_->game() : nullptr; }

TTCPForm* TMainForm::networkWindow() const { return network_ ? network_->connectionWindow() : nullptr; }
TChatPanel* TMainForm::chatPanel() const { return network_->chatPanel(); }
bool TMainForm::chatShown() const { return network_ && network_->chatShown(); }
QMenu* TMainForm::hostMenu() const { return network_->hostMenu(); }
void TMainForm::attachResultsChat(TRRForm& form) { network_->attachResultsChat(form); }

void TMainForm::joinGameClick()
{
    if (joinGameHandler) {
        joinGameHandler();
        return;
    }
    network_->joinGame();
}

void TMainForm::buildCentre()
{
    pnlCenter_ = new TAdvancedPanel(this);
    pnlCenter_->setObjectName(QStringLiteral("pnlCenter"));
    pnlCenter_->setRole(TAdvancedPanel::Role::Header);
    pnlCenter_->setBevels(TAdvancedPanel::Bevel::None, TAdvancedPanel::Bevel::None, 0);
    pnlCenter_->installEventFilter(this);

    board_ = new TLetterBoard(pnlCenter_);
    board_->setObjectName(QStringLiteral("pnlBoard"));
    board_->setFramed(true, kBoardPad);
    connect(board_, &TLetterBoard::cellPressed, this, [this](int column, int row, Qt::MouseButton button) {
        if (mode_ == Mode::Factory)
            factory_->cellPressed(column, row);
        else
            view_->letterPressed(column, row, button);
    });

    play_ = new TPlayPanels(pnlCenter_, this);
    connect(play_, &TPlayPanels::clockClicked, this, [this] {
        if (Game* g = game())
            g->clockClicked();
    });
    connect(play_, &TPlayPanels::wordEdited, this, [this](const QString& text) { view_->wordEntryEdited(text); });
    buildWelcome();
}

void TMainForm::buildWelcome()
{
    pnlWelcome_ = new TAdvancedPanel(pnlCenter_);
    pnlWelcome_->setObjectName(QStringLiteral("pnlWelcome"));
    pnlWelcome_->setBevels(TAdvancedPanel::Bevel::Raised, TAdvancedPanel::Bevel::Lowered, 2);
    auto* layout = new QVBoxLayout(pnlWelcome_);
    layout->setContentsMargins(28, 20, 28, 18);
    layout->setSpacing(14);
    auto* title = new QLabel(QStringLiteral("Welcome to Lettrava"), pnlWelcome_);
    title->setObjectName(QStringLiteral("lblWelcome"));
    title->setAlignment(Qt::AlignCenter);
    QFont big(QStringLiteral("Comic Sans MS"), 22);
    big.setBold(true);
    title->setFont(big);
    layout->addWidget(title);

    struct Entry {
        const char* name;
        const char* caption;
        SharedPictures::Face face;
    };
    const Entry entries[4] = {{"btnNewGame", "&Start a New Game", SharedPictures::Face::NewGame},
                              {"btnContinueGame", "&Continue a Saved Game", SharedPictures::Face::ContinueGame},
                              {"btnHowToPlay", "&How to Play", SharedPictures::Face::HowToPlay},
                              {"btnJoinGame", "&Join an Internet Game", SharedPictures::Face::JoinGame}};
    auto* grid = new QGridLayout();
    grid->setHorizontalSpacing(18);
    grid->setVerticalSpacing(10);
    QFont captionFont(QStringLiteral("Comic Sans MS"), 12);
    captionFont.setBold(true);
    for (int i = 0; i < 4; ++i) {
        const Entry& e = entries[i];
        auto* b = new TPictureButton(pnlWelcome_);
        b->setObjectName(QLatin1String(e.name));
        b->setPictureSize(QSize(52, 52));
        b->setFace(SharedPictures::instance().face(e.face));
        const QString plain = QString::fromLatin1(e.caption).remove(QLatin1Char('&'));
        b->setAccessibleName(plain);
        b->setToolTip(plain);
        auto* caption = new TFlatButton(QString::fromLatin1(e.caption), pnlWelcome_);
        caption->setObjectName(QStringLiteral("lbl") + QLatin1String(e.name).mid(3));
        caption->setFont(captionFont);
        caption->setFocusPolicy(Qt::NoFocus);
        connect(caption, &TFlatButton::clicked, b, &TPictureButton::click);
        grid->addWidget(b, i / 2, (i % 2) * 2);
        grid->addWidget(caption, i / 2, (i % 2) * 2 + 1);
        welcomeButtons_[static_cast<std::size_t>(i)] = b;
        if (i == 2)
            caption->setShortcut(QKeySequence()); // Alt+H stays the Help menu's
        if (i == 3)
            joinCaption_ = caption;
    }
    connect(welcomeButtons_[0], &TPictureButton::clicked, this, &TMainForm::mnuGameNewClick);
    connect(welcomeButtons_[1], &TPictureButton::clicked, this, &TMainForm::mnuGameLoadClick);
    connect(welcomeButtons_[2], &TPictureButton::clicked, this, &TMainForm::howToPlayClick);
    connect(welcomeButtons_[3], &TPictureButton::clicked, this, &TMainForm::joinGameClick);
    layout->addLayout(grid);
    auto* line = new QLabel(QStringLiteral("Click a dot or use the Menu to let the fun begin!"), pnlWelcome_);
    line->setAlignment(Qt::AlignCenter);
    QFont italic = line->font();
    italic.setItalic(true);
    line->setFont(italic);
    layout->addWidget(line);
}

void TMainForm::buildStatusBar()
{
    statusBar()->setObjectName(QStringLiteral("stbMain"));
    statusBar()->setSizeGripEnabled(true);
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int screenWidth = screen ? screen->geometry().width() : 1280;
    stbPanel0_ = new QLabel(this);
    stbPanel0_->setObjectName(QStringLiteral("stbPanel0"));
    stbPanel0_->setMinimumWidth(BoardLayout::scaledPanelWidth(360, screenWidth));
    stbPanel1_ = new QLabel(this);
    stbPanel1_->setObjectName(QStringLiteral("stbPanel1"));
    stbPanel1_->setAlignment(Qt::AlignCenter);
    stbPanel1_->setMinimumWidth(BoardLayout::scaledPanelWidth(260, screenWidth));
    stbPanel2_ = new QLabel(this);
    stbPanel2_->setObjectName(QStringLiteral("stbPanel2"));
    stbPanel2_->setAlignment(Qt::AlignCenter);
    stbPanel2_->setMinimumWidth(std::max(50, QFontMetrics(stbPanel2_->font()).horizontalAdvance(QStringLiteral("Reuse: YES")) + 12));
    statusBar()->addWidget(stbPanel0_, 1);
    statusBar()->addPermanentWidget(stbPanel1_);
    statusBar()->addPermanentWidget(stbPanel2_);
}

// Wood on the panels, or the plain colours of a 256-colour display.
void TMainForm::applyColours()
{
    const bool low = lowColourDisplay();
    const SharedPictures& pics = SharedPictures::instance();
    actPrintGrid_->setVisible(!low);
    actPrintSeparator_->setVisible(!low);
    if (low) {
        for (TAdvancedPanel* p : {pnlSpeedBar_, pnlWelcome_, play_->pnlRoundTime, play_->pnlGridSize, play_->pnlBonus, play_->pnlWordEntry,
                                  play_->pnlPaused, pnlCenter_})
            p->clearWallpaper();
    } else {
        pnlSpeedBar_->setWallpaper(pics.woodA);
        pnlWelcome_->setWallpaper(pics.woodA);
        // The pause notice is of the word entry's wood, like every panel of play.
        for (TAdvancedPanel* p : {play_->pnlRoundTime, play_->pnlGridSize, play_->pnlBonus, play_->pnlWordEntry,
                                  play_->pnlPaused})
            p->setWallpaper(pics.woodB);
    }
    // Dark text on the honey wood and on pale yellow; ivory on the dark wood.
    const QColor onLight = low ? QColor(0, 0, 0) : kBrownText;
    const QColor onDark = low ? QColor(0, 0, 0) : kIvoryText;
    for (QWidget* w : std::initializer_list<QWidget*>{pnlSpeedBar_, pnlWelcome_})
        setTextColour(w, onLight);
    for (QWidget* w : std::initializer_list<QWidget*>{play_->pnlRoundTime, play_->pnlGridSize, play_->pnlBonus,
                                                      play_->pnlWordEntry, play_->pnlPaused})
        setTextColour(w, onDark);
    play_->lblTimeLeft->setStyleSheet(
        low ? QStringLiteral("QLabel { color: rgb(128, 0, 0); }")
            : QStringLiteral("QLabel { color: rgb(255, 221, 40); background: rgba(0, 0, 0, 120);"
                             " border-radius: 8px; padding: 2px 10px; }"));
    const QString letterStyle =
        low ? QStringLiteral("QLabel { color: black; background: white; border: 1px solid gray; }")
            : QStringLiteral("QLabel { color: rgb(52, 28, 8); background: rgb(255, 248, 228);"
                             " border: 1px solid rgba(60, 30, 10, 160); border-radius: 4px; }");
    for (QLabel* l : play_->lblBonusLetter)
        l->setStyleSheet(letterStyle);
    pnlSpeedBar_->setStyleSheet(
        low ? QStringLiteral("QToolButton { font-weight: bold; padding: 2px 6px; }")
            : QStringLiteral("QToolButton { font-weight: bold; padding: 2px 6px; color: rgb(52, 28, 8); }"
                             "QToolButton:disabled { color: rgba(52, 28, 8, 120); }"));
}

void TMainForm::applyPreferences()
{
    // The letters grow and shrink with the tiles.
    QFont letters = preferences_->gameBoardFont();
    if (zoom_ != 1.0 && letters.pointSizeF() > 0)
        letters.setPointSizeF(letters.pointSizeF() * zoom_);
    view_->setLetterFont(letters);
    if (lowColourDisplay())
        pnlCenter_->clearWallpaper();
    else
        pnlCenter_->setWallpaper(preferences_->wallpaperPicture(), preferences_->wallpaperTiled());
}

void TMainForm::fitToScreen()
{
    auto sizeCentre = [this] {
        const QSize board = BoardLayout::fullBoardSize(view_->tileSize()) + QSize(2 * kBoardPad, 2 * kBoardPad);
        board_->setFixedSize(board);
        pnlCenter_->setMinimumSize(board.width() + kColumnGap + kRightColumnWidth + 2 * kMargin,
                                   board.height() + 2 * kMargin + 52);
    };
    sizeCentre();
    adjustSize();
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const BoardLayout::ScreenFit fit = BoardLayout::fitToScreen(screen->geometry().height(), height(), view_->tileSize());
    zoom_ = fit.zoom;
    view_->setTileSize(fit.tile);
    sizeCentre();
    adjustSize();
    if (fit.windowHeight != height()) {
        setMinimumHeight(std::min(minimumHeight(), fit.windowHeight));
        resize(width(), fit.windowHeight);
    }
}

void TMainForm::readSettings()
{
    play_->updDimCol->setValue(std::clamp(SettingsStore::read(settings::GridCol), 3, 12));
    play_->updDimRow->setValue(std::clamp(SettingsStore::read(settings::GridRow), 3, 12));
    factoryMinWL_ = SettingsStore::read(settings::FactoryMinWL);
    factoryMaxWL_ = SettingsStore::read(settings::FactoryMaxWL);
    factorySort_ = SettingsStore::read(settings::FactorySort);
    factoryAllowReuse_ = SettingsStore::read(settings::FactoryAllowReuse);

    const int left = SettingsStore::read(settings::MainLeft);
    const int top = SettingsStore::read(settings::MainTop);
    move(placeOnScreen(QPoint(left, top), size(), left == settings::kCentreOnScreen));
}

void TMainForm::writeSettings() const
{
    SettingsStore::write(settings::MainLeft, pos().x());
    SettingsStore::write(settings::MainTop, pos().y());
    SettingsStore::write(settings::GridCol, play_->updDimCol->value());
    SettingsStore::write(settings::GridRow, play_->updDimRow->value());
    const TFactoryMode::Choices factory =
        factory_ ? factory_->choices()
                 : TFactoryMode::Choices{factoryMinWL_, factoryMaxWL_, factoryAllowReuse_, factorySort_};
    SettingsStore::write(settings::FactoryMinWL, factory.minWordLength);
    SettingsStore::write(settings::FactoryMaxWL, factory.maxWordLength);
    SettingsStore::write(settings::FactorySort, factory.sortOrder);
    SettingsStore::write(settings::FactoryAllowReuse, factory.allowReuse);
}

QWidget* TMainForm::centrePanel() const { return pnlCenter_; }

QWidget* TMainForm::boardArea() const { return board_; }

QPoint TMainForm::tilePrototypePosition() const { return view_->tilePrototypePosition(); }

QSize TMainForm::tileSize() const { return view_->tileSize(); }

TLetterLabel* TMainForm::letterAt(int column, int row) const { return view_->letterAt(column, row); }

QLabel* TMainForm::tileAt(int column, int row) const { return view_->tileAt(column, row); }

// The centre's parts: the board area with the play panels to its right, the
// whole group centred; the welcome panel in the middle.
void TMainForm::layoutCentre()
{
    if (!view_ || view_->building() || !play_ || !pnlWelcome_)
        return;
    const QSize centre = pnlCenter_->size();
    const QSize board = board_->size();
    const int contentWidth = board.width() + kColumnGap + kRightColumnWidth;
    const int left = std::max(kMargin, (centre.width() - contentWidth) / 2);
    const int top = kMargin;
    board_->move(left, top);

    const int x = left + board.width() + kColumnGap;
    int y = top;
    QList<QWidget*> column = {play_->pnlRoundTime, play_->pnlInfo, play_->pnlBonus};
    if (mode_ == Mode::Factory)
        column = QList<QWidget*>{play_->pnlInfo} + factory_->sidePanels();
    for (QWidget* w : column) {
        int h = w->sizeHint().height();
        // The designer's solution list takes what is left of the column.
        if (factory_ && w == factory_->solutionPanel())
            h = std::max(h, centre.height() - y - kMargin);
        w->setGeometry(x, y, kRightColumnWidth, h);
        y += h + 10;
    }

    play_->pnlPaused->adjustSize();
    play_->pnlPaused->move(left + (board.width() - play_->pnlPaused->width()) / 2, top + (board.height() - play_->pnlPaused->height()) / 2);
    pnlWelcome_->adjustSize();
    pnlWelcome_->move((centre.width() - pnlWelcome_->width()) / 2,
                      std::max(0, (centre.height() - pnlWelcome_->height()) / 2));
    if (play_->pnlWordEntry->isVisible())
        view_->placeWordEntryPanel(true);
}

// ------------------------------------------------------------------ events

bool TMainForm::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate && !activatedOnce_) {
        activatedOnce_ = true;
        QTimer::singleShot(0, this, &TMainForm::firstActivation);
    }
    // In the designer Tab takes the focus away from every control instead of
    // moving it along.
    if (mode_ == Mode::Factory && e->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(e);
        if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) && factory_->keyPressed(key))
            return true;
    }
    return QMainWindow::event(e);
}

void TMainForm::firstActivation()
{
    if (!helpAvailable() && preferences_->showHelpWarning() && helpWarningHandler)
        helpWarningHandler();
    if (preferences_->showTips() && startupTipsHandler)
        startupTipsHandler(preferences_->isFirstRun());
}

bool TMainForm::eventFilter(QObject* watched, QEvent* e)
{
    if (!play_) // still being built
        return QMainWindow::eventFilter(watched, e);
    if (watched == pnlCenter_ && e->type() == QEvent::Resize) {
        layoutCentre();
    } else if (watched == play_->edtWordEntry && e->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            view_->submitTypedWord();
            return true;
        }
    } else if (watched == play_->imgSetRoundTime && e->type() == QEvent::MouseButtonPress) {
        const Qt::MouseButton button = static_cast<QMouseEvent*>(e)->button();
        if (Game* g = game(); g && !g->roundRunning) {
            if (button == Qt::LeftButton)
                g->roundTimeClicked(true);
            else if (button == Qt::RightButton)
                g->roundTimeClicked(false);
            else if (button == Qt::MiddleButton)
                mnuGameOptionsClick();
        }
        return true;
    }
    return QMainWindow::eventFilter(watched, e);
}

void TMainForm::closeEvent(QCloseEvent* e)
{
    if (Game* g = game(); g && g->networkMode != NetworkMode::Client) {
        if (g->roundRunning) {
            if (dialogs().showMessage("This will abort (and not count) the current round.  Are you sure?", "Warning",
                                      MessageButtons::YesNo, MessageIcon::Warning)
                != MessageAnswer::Yes) {
                e->ignore();
                return;
            }
            g->abortRoundForClose();
        }
        if (g->inProgress && g->unsavedChanges) {
            const MessageAnswer answer = dialogs().showMessage("Do you want to save the game?", "Warning",
                                                               MessageButtons::YesNoCancel, MessageIcon::Warning);
            if (answer == MessageAnswer::Cancel || (answer == MessageAnswer::Yes && !saveGame(false))) {
                e->ignore();
                return;
            }
        }
    }
    network_->shutdown();
    // The help window goes with the main window, so that the program ends.
    shutDownHelp();
    e->accept();
}

// ------------------------------------------------------------------ game commands

bool TMainForm::confirmSaveGame()
{
    return session_->confirmSave([this] { return saveGame(false); });
}

void TMainForm::mnuGameNewClick() { newGame(false, QString()); }

void TMainForm::mnuGameLoadClick()
{
    if (!confirmSaveGame())
        return;
    const QString file = chooseOpenFile(this, QStringLiteral("Load Lettrava Game"),
                                        saveFile_.isEmpty() ? savedGamesFolder() : saveFile_,
                                        QString::fromLatin1(kSavedGamesFilter));
    if (file.isEmpty())
        return;
    newGame(true, file);
}

void TMainForm::setChatPanel(QWidget* panel)
{
    if (chatPanel_ == panel)
        return;
    if (chatPanel_)
        chatPanel_->setParent(nullptr);
    chatPanel_ = panel;
    if (panel) {
        splChat_->addWidget(panel);
        splChat_->setStretchFactor(1, 0);
    }
}

void TMainForm::showMainMenus(bool shown)
{
    for (QMenu* m : {mnuGame_, mnuRound_, mnuPreferences_, mnuHelp_})
        m->menuAction()->setVisible(shown);
}

void TMainForm::setMode(Mode mode)
{
    if (mode_ == Mode::Factory && mode != Mode::Factory)
        factory_->leave();
    mode_ = mode;
    const bool play = mode == Mode::Play;
    const bool designing = mode == Mode::Factory;
    showMainMenus(!designing);
    setFocusPolicy(designing ? Qt::StrongFocus : Qt::NoFocus);
    setWelcomeVisible(mode == Mode::Welcome);
    play_->pnlRoundTime->setVisible(play);
    play_->pnlInfo->setVisible(play || designing);
    if (play) {
        pnlSpeedBar_->show();
        return;
    }
    // Between games nothing of play is left up.
    for (std::size_t i = 0; i < 4; ++i) {
        play_->lblPlayerName[i]->hide();
        play_->lblPlayerScore[i]->hide();
    }
    for (QWidget* w : std::initializer_list<QWidget*>{play_->pnlWordEntry, play_->pnlBonus, play_->pnlGridSize,
                                                     play_->pnlPaused, play_->imgSetRoundTime})
        w->hide();
    view_->forgetWordEntry();
    mnuRound_->menuAction()->setEnabled(false);
    actGameOptions_->setEnabled(false);
    view_->clearStatusPanels();
    if (designing) {
        pnlSpeedBar_->hide();
        play_->pnlGridSize->show();
        // The designer's board: the window's tile size and letters, every cell tiled.
        board_->setPlacement(TLetterBoard::Placement::WholeTiles, tilePrototypePosition());
        board_->setTileSize(view_->tileSize());
        board_->setBoardFont(view_->letterFont());
        board_->setTextColour(view_->letterColour());
        factory_->enter();
    }
    layoutCentre();
}

void TMainForm::mnuGridFactoryClick()
{
    if (game() && !confirmSaveGame())
        return;
    session_->dropGame();
    actGameSave_->setEnabled(false);
    actGameSaveAs_->setEnabled(false);
    actShowResults_->setEnabled(false);
    view_->removeBoard();
    setMode(Mode::Factory);
}

void TMainForm::leaveFactory()
{
    const TFactoryMode::Choices c = factory_->choices();
    factoryMinWL_ = c.minWordLength;
    factoryMaxWL_ = c.maxWordLength;
    factoryAllowReuse_ = c.allowReuse;
    factorySort_ = c.sortOrder;
    setMode(Mode::Welcome);
}

void TMainForm::keyPressEvent(QKeyEvent* event)
{
    if (mode_ == Mode::Factory && factory_->keyPressed(event))
        return;
    QMainWindow::keyPressEvent(event);
}

void TMainForm::newGame(bool load, const QString& file)
{
    // A client's game is its host's: it starts none of its own.
    if (session_->joined())
        return;
    setWelcomeVisible(false);
    // While hosting, the old game stays until the new one is ready.
    const bool hosting = session_->hosting();
    if (Game* old = game()) {
        old->wordEntry().reset();
        if (!load && !confirmSaveGame())
            return;
    }
    const Game* made = load ? session_->loadGame(qtToPath(file)) : session_->newGame(true);
    actShowResults_->setEnabled(false);
    if (!made) {
        if (!hosting || !game())
            setMode(Mode::Welcome);
        return;
    }
    showNewGame(load, file);
}

void TMainForm::gameDropped()
{
    actRoundStart_->setEnabled(false);
    actGameSave_->setEnabled(false);
    actGameSaveAs_->setEnabled(false);
    play_->imgSetRoundTime->hide();
    play_->pnlWordEntry->hide();
    view_->forgetWordEntry();
    play_->pnlBonus->hide();
    play_->lblBonusValue->clear();
    play_->pnlGridSize->hide();
    view_->removeBoard();
}

void TMainForm::showNewGame(bool load, const QString& file)
{
    Game& g = *game();
    setMode(Mode::Play);
    view_->showAllCells(false);
    view_->fillStatusPanels();
    view_->showPlayerLabels();
    btnClearClicks_->setVisible(g.hasMousePlayer);
    play_->lblTimeLeft->setFlashing(false);
    play_->lblTimeLeft->clear();
    play_->pnlGridSize->setVisible(g.manualGridSize && g.networkMode != NetworkMode::Client);
    actGameSave_->setEnabled(true);
    actGameSaveAs_->setEnabled(true);
    for (QLabel* l : play_->lblBonusLetter)
        l->hide();
    actPrintGrid_->setEnabled(false);
    actSaveGrid_->setEnabled(false);
    if (g.roundsPerGame - g.currentRound <= 0)
        view_->setRoundLabel("Round " + std::to_string(g.roundsPerGame));
    else
        g.prepareNextRound();
    g.refreshScores();
    actGameOptions_->setEnabled(true);

    // A game made or continued while hosting is hosted too; a new hosting
    // game starts listening (when it cannot, it is a local game).
    const bool hosted = g.networkMode == NetworkMode::Host && network_->hostNewGame();
    if (!hosted && !network_->active())
        network_->hideChat();

    if (load) {
        saveFile_ = file;
        setCaptionFile(file);
    } else {
        // A new game is never saved over the file of an earlier one unasked.
        saveFile_.clear();
        setWindowTitle(QString::fromLatin1(kTitle));
    }
    dictionaryChoice_->roundEnded(game());
    layoutCentre();
}

bool TMainForm::saveGame(bool askForFile)
{
    if (!game())
        return false;
    QString file = saveFile_;
    if (askForFile || file.isEmpty()) {
        file = chooseSaveFile(this, QStringLiteral("Save Game"), file.isEmpty() ? savedGamesFolder() : file,
                              QString::fromLatin1(kSavedGamesFilter), QStringLiteral("LTG"));
        if (file.isEmpty())
            return false;
    }
    saveFile_ = file;
    if (!session_->saveGame(qtToPath(file))) {
        dialogs().showMessage(SavedGameFile::kSaveFailedText, "Error", MessageButtons::Ok, MessageIcon::Error);
        return false;
    }
    pnlCenter_->update();
    setCaptionFile(file);
    return true;
}

bool TMainForm::actGameSaveExecute() { return saveGame(false); }
bool TMainForm::actGameSaveAsExecute() { return saveGame(true); }

void TMainForm::setCaptionFile(const QString& file)
{
    setWindowTitle(QString::fromLatin1(kTitle) + QStringLiteral(" - ") + file);
}

void TMainForm::mnuViewPlayerStatsClick()
{
    if (PlayerFileManager::instance().records().empty()) {
        dialogs().showMessage("No player stats available.", kTitle, MessageButtons::Ok, MessageIcon::Information);
        return;
    }
    if (playerStatsHandler)
        playerStatsHandler();
}

// ------------------------------------------------------------------ round commands

void TMainForm::actRoundStartExecute()
{
    Game* g = game();
    if (!g || !actRoundStart_->isEnabled() || g->roundRunning)
        return;
    g->startRoundCommand();
}

void TMainForm::actRoundPauseExecute()
{
    if (game() && actRoundPause_->isEnabled())
        game()->pauseCommand();
}

void TMainForm::abortRoundStillCounts()
{
    if (game() && game()->roundRunning)
        game()->requestRoundEnd(true);
}

void TMainForm::abortRoundDoesNotCount()
{
    if (!game() || !game()->roundRunning)
        return;
    // The clock runs on while the question is up: the round may be over by
    // the time it is answered.
    if (dialogs().showMessage("Are you sure you want to abort this round?", "Confirm", MessageButtons::YesNo,
                              MessageIcon::Question)
            == MessageAnswer::Yes
        && game() && game()->roundRunning)
        game()->requestRoundEnd(false);
}

void TMainForm::actRoundClearExecute()
{
    if (game())
        game()->wordEntry().clearMouseWord();
}

void TMainForm::mnuShowResultsClick()
{
    if (game())
        game()->showResultsCommand();
}

void TMainForm::renderForPrinting(QPainter& painter, const QRect& page)
{
    if (width() <= 0 || height() <= 0)
        return;
    const double scale = std::min(static_cast<double>(page.width()) / width(), static_cast<double>(page.height()) / height());
    painter.save();
    painter.translate(page.topLeft());
    painter.scale(scale, scale);
    render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    painter.restore();
}

void TMainForm::mnuPrintGridClick()
{
    if (!actPrintGrid_->isEnabled() || !actPrintGrid_->isVisible())
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QString::fromLatin1(kTitle));
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Print Grid"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    QPainter painter(&printer);
    renderForPrinting(painter, printer.pageLayout().paintRectPixels(printer.resolution()).translated(
                                   -printer.pageLayout().paintRectPixels(printer.resolution()).topLeft()));
}

void TMainForm::mnuSaveGridClick()
{
    if (!game() || !game()->round())
        return;
    const QString file = chooseSaveFile(this, QStringLiteral("Save Lettrava Grid"), savedGamesFolder(),
                                        QStringLiteral("Lettrava Grids (*.GRD *.grd)"), QStringLiteral("GRD"));
    if (file.isEmpty())
        return;
    if (!saveGridFile(game()->round()->grid(), qtToPath(file)))
        dialogs().showMessage("Unable to save grid to disk.", "Error", MessageButtons::Ok, MessageIcon::Error);
}

// ------------------------------------------------------------------ preferences and help

void TMainForm::runPreferences(int page)
{
    // The round is paused while the preferences are open, unless the user
    // had paused it already: then it stays paused afterwards too.
    Game* g = game();
    const bool pauseAround = g && actRoundPause_->isEnabled() && g->round() && !g->round()->paused;
    if (pauseAround)
        actRoundPauseExecute();
    preferencesForm_->showPage(page == 0 ? TPreferencesForm::Page::General : TPreferencesForm::Page::Sounds);
    applyPreferences();
    if (game() && preferencesForm_->fontChanged())
        board_->setBoardFont(view_->letterFont());
    if (pauseAround && game() && game()->round() && game()->round()->paused)
        actRoundPauseExecute();
}

void TMainForm::mnuPreferencesGeneralClick() { runPreferences(0); }
void TMainForm::mnuPreferencesSoundClick() { runPreferences(1); }

void TMainForm::mnuGameOptionsClick()
{
    Game* g = game();
    if (!g || !actGameOptions_->isEnabled())
        return;
    g->setupFromDialog(false, false);
    network_->refreshOwnRecord();
    view_->fillStatusPanels();
    view_->setRoundTimeHint(g->roundTimeHint());
    refreshBetweenRounds();
}

void TMainForm::refreshBetweenRounds()
{
    const Game* g = game();
    if (!g || g->roundRunning)
        return;
    play_->imgSetRoundTime->setVisible(!g->automaticDuration && actRoundStart_->isEnabled());
    play_->pnlBonus->setVisible(g->bonusWordEnabled);
    layoutCentre();
}

// ------------------------------------------------------------------ the play view's shell

void TMainForm::setWelcomeVisible(bool visible)
{
    pnlWelcome_->setVisible(visible);
    if (visible)
        pnlWelcome_->raise();
    for (QAction* a : actWelcomeKeys_)
        a->setEnabled(visible);
    if (visible)
        welcomeButtons_[0]->setFocus();
}

void TMainForm::roundStarting() { actRoundStart_->setEnabled(false); }

void TMainForm::roundModeEntered(const Game& game)
{
    const bool client = game.networkMode == NetworkMode::Client;
    for (QAction* a : {actGameOptions_, actGameNew_, actGameLoad_, actGameSaveAs_, actViewPlayerStats_, actGameSave_,
                       actShowResults_, actRoundClear_, actGridFactory_})
        a->setEnabled(false);
    actRoundPause_->setEnabled(game.networkMode == NetworkMode::Local);
    actAbortCounts_->setEnabled(!client);
    actAbortNoCount_->setEnabled(!client);
    mnuAbort_->menuAction()->setEnabled(!client);
    actPrintGrid_->setEnabled(actPrintGrid_->isVisible());
    actSaveGrid_->setEnabled(true);
    for (QAction* a : actWelcomeKeys_)
        a->setEnabled(false);
    network_->roundStarted();
}

void TMainForm::roundModeLeft(const Game& game)
{
    for (QAction* a : {actRoundPause_, actAbortCounts_, actAbortNoCount_, actRoundClear_})
        a->setEnabled(false);
    mnuAbort_->menuAction()->setEnabled(false);
    if (game.networkMode != NetworkMode::Client)
        for (QAction* a : {actViewPlayerStats_, actGameSave_, actGameNew_, actGameLoad_, actGameSaveAs_, actGridFactory_})
            a->setEnabled(true);
    actGameOptions_->setEnabled(true);
    network_->roundEnded();
    // A dictionary chosen during the round is loaded now that it is over; a
    // host's round is over only when its wait for the players is, by the
    // time the next round is offered.
    if (game.networkMode != NetworkMode::Host)
        dictionaryChoice_->roundEnded(nullptr);
}

void TMainForm::nextRoundPrepared(const Game& game)
{
    actRoundStart_->setEnabled(true);
    mnuRound_->menuAction()->setEnabled(true);
    dictionaryChoice_->roundEnded(&game);
}

void TMainForm::pausedChanged(bool paused)
{
    actRoundPause_->setText(paused ? QStringLiteral("&Resume") : QStringLiteral("&Pause"));
    actRoundPause_->setToolTip(paused ? QStringLiteral("Resume") : QStringLiteral("Pause"));
}

void TMainForm::clearClicksAvailable(bool available) { actRoundClear_->setEnabled(available); }

void TMainForm::showResultsAvailable(bool available) { actShowResults_->setEnabled(available); }

void TMainForm::setWindowShown(bool shown) { setVisible(shown); }

std::unique_ptr<ResultsWindow> TMainForm::createResultsWindow(Game& game, Round& round)
{
    auto window = resultsWindowFactory ? resultsWindowFactory(game, round) : nullptr;
    if (auto* form = dynamic_cast<TRRForm*>(window.get()))
        attachResultsChat(*form);
    return window;
}

void TMainForm::showCongratulations(const std::string& text, bool humanWinner)
{
    if (congratulationsHandler)
        congratulationsHandler(text, humanWinner);
}

bool TMainForm::runSetupDialog(GameSetup& setup, bool isNew, bool allowNetworkChoice)
{
    TPlayerInfoDlg::Purpose purpose = TPlayerInfoDlg::Purpose::NewGame;
    const Game* g = game();
    if (!isNew)
        purpose = g && g->networkMode == NetworkMode::Client ? TPlayerInfoDlg::Purpose::ReadOnly
                                                             : TPlayerInfoDlg::Purpose::GameOptions;
    TPlayerInfoDlg dialog(purpose, setup, allowNetworkChoice && networkChoiceAvailable && !network_->active(), this);
    if (isNew && session_->hosting())
        dialog.keepHosting(session_->host()->port());
    if (dialog.exec() != QDialog::Accepted || purpose == TPlayerInfoDlg::Purpose::ReadOnly)
        return false;
    setup = dialog.setup();
    return true;
}

void TMainForm::mnuHelpTopicsClick() { showHelp(); }
void TMainForm::howToPlayClick() { showHelpTopic(QStringLiteral("::/HowToPlay.htm")); }

} // namespace lettrava
