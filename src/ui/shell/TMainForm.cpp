#include "ui/shell/TMainForm.h"
#include "core/platform/Texts.h"
#include "core/views/PlayerStats.h"
#include "ui/factory/TFactoryMode.h"
#include "ui/platform/ScreenPlace.h"
#include "ui/play/PlayParts.h"
#include "ui/shell/TCentreLayout.h"
#include "ui/shell/TNetworkPlay.h"
#include "ui/shell/TSpeedBar.h"
#include "ui/shell/TWelcomePanel.h"

#include "core/game/Game.h"
#include "core/game/SavedGameFile.h"
#include "core/grid/GridFile.h"
#include "core/platform/Dialogs.h"
#include "core/platform/Paths.h"
#include "core/platform/Random.h"
#include "core/players/PlayerFileManager.h"
#include "core/words/Dictionary.h"
#include "session/DictionaryChoice.h"
#include "session/GameSession.h"
#include "ui/board/BoardLayout.h"
#include "ui/platform/FileChooser.h"
#include "ui/platform/GamePreferences.h"
#include "ui/platform/LowColour.h"
#include "ui/platform/QtTaskSeam.h"
#include "ui/platform/Settings.h"
#include "ui/platform/SharedPictures.h"
#include "ui/widgets/WindowParts.h"
#include "ui/widgets/TAdvancedPanel.h"
#include "ui/dialogs/THelpForm.h"
#include "ui/board/TLetterBoard.h"
#include "ui/play/TPlayPanels.h"
#include "ui/dialogs/TPlayerInfoDlg.h"
#include "ui/dialogs/TRRForm.h"
#include "ui/dialogs/TPreferencesForm.h"
#include "ui/widgets/TUpDown.h"

#include <QAction>
#include <QGuiApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
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

const char* const kSavedGamesFilter = QT_TRANSLATE_NOOP("lettrava::TMainForm", "Lettrava Saved Games (*.LTG *.ltg)");

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
    view_->setTileSize({BoardLayout::kTileWidth, BoardLayout::kTileHeight}, BoardLayout::kTileGap);
    centre_ = std::make_unique<TCentreLayout>(*pnlCenter_, *board_, *view_, *play_, *pnlWelcome_);
    seam_ = std::make_unique<QtTaskSeam>();
    session_ = std::make_unique<GameSession>(*view_, seam_.get());
    session_->onGameDropped = [this] { gameDropped(); };
    network_ = std::make_unique<TNetworkPlay>(*this);
    menuBar()->insertMenu(actions_.mnuHelp->menuAction(), network_->hostMenu());

    sizeToScreen();
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
    factory_ = new TFactoryMode(lent, TFactoryMode::storedChoices());
    centre_->setFactory(factory_);
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

    play_ = new TPlayPanels(pnlCenter_);
    connect(play_, &TPlayPanels::wordSubmitted, this, [this] { view_->submitTypedWord(); });
    connect(play_, &TPlayPanels::roundTimeClicked, this, [this](Qt::MouseButton button) {
        Game* g = game();
        if (!g || g->roundRunning)
            return;
        if (button == Qt::MiddleButton)
            mnuGameOptionsClick();
        else
            g->roundTimeClicked(button == Qt::LeftButton);
    });
    pnlWelcome_ = new TWelcomePanel(pnlCenter_);
    connect(pnlWelcome_, &TWelcomePanel::newGameClicked, this, &TMainForm::mnuGameNewClick);
    connect(pnlWelcome_, &TWelcomePanel::continueGameClicked, this, &TMainForm::mnuGameLoadClick);
    connect(pnlWelcome_, &TWelcomePanel::howToPlayClicked, this, &TMainForm::howToPlayClick);
    connect(pnlWelcome_, &TWelcomePanel::joinGameClicked, this, &TMainForm::joinGameClick);
    connect(play_, &TPlayPanels::clockClicked, this, [this] {
        if (Game* g = game())
            g->clockClicked();
    });
    connect(play_, &TPlayPanels::wordEdited, this, [this](const QString& text) { view_->wordEntryEdited(text); });
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
    stbPanel2_->setMinimumWidth(std::max(50, QFontMetrics(stbPanel2_->font()).horizontalAdvance(QCoreApplication::translate("TPlayView", "Reuse: ") + QCoreApplication::translate("TPlayView", "YES")) + 12));
    statusBar()->addWidget(stbPanel0_, 1);
    statusBar()->addPermanentWidget(stbPanel1_);
    statusBar()->addPermanentWidget(stbPanel2_);
}

// Wood on the panels, or the plain colours of a 256-colour display.
void TMainForm::applyColours()
{
    const bool low = lowColourDisplay();
    actions_.printGrid->setVisible(!low);
    actions_.printSeparator->setVisible(!low);
    pnlSpeedBar_->applyColours(low);
    play_->applyColours(low);
    if (low) {
        pnlWelcome_->clearWallpaper();
        pnlCenter_->clearWallpaper();
    } else {
        pnlWelcome_->setWallpaper(SharedPictures::instance().woodA);
    }
    setTextColour(pnlWelcome_, low ? QColor(0, 0, 0) : kBrownText);
}

void TMainForm::applyPreferences()
{
    // The letters grow and shrink with the tiles.
    view_->setLetterFont(preferredGameBoardFont(centre_->zoom()));
    if (lowColourDisplay())
        pnlCenter_->clearWallpaper();
    else
        pnlCenter_->setWallpaper(preferences_->wallpaperPicture(), preferences_->wallpaperTiled());
}

void TMainForm::sizeToScreen()
{
    centre_->setMinimumSize();
    // The size the user left, else a good share of the screen; the same in every mode.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize area = screen ? screen->availableGeometry().size() : QSize(1280, 1024);
    QSize wanted(SettingsStore::read(settings::MainWidth), SettingsStore::read(settings::MainHeight));
    if (wanted.width() <= 0 || wanted.height() <= 0)
        wanted = QSize(area.width() * 3 / 4, area.height() * 7 / 8);
    resize(wanted.expandedTo(minimumSizeHint()));
}

void TMainForm::readSettings()
{
    play_->updDimCol->setValue(std::clamp(SettingsStore::read(settings::GridCol), 3, 12));
    play_->updDimRow->setValue(std::clamp(SettingsStore::read(settings::GridRow), 3, 12));
    const int left = SettingsStore::read(settings::MainLeft);
    placeWindow(*this, QPoint(left, SettingsStore::read(settings::MainTop)), left == settings::kCentreOnScreen);
}

void TMainForm::writeSettings() const
{
    SettingsStore::write(settings::MainLeft, pos().x());
    SettingsStore::write(settings::MainTop, pos().y());
    SettingsStore::write(settings::MainWidth, width());
    SettingsStore::write(settings::MainHeight, height());
    SettingsStore::write(settings::GridCol, play_->updDimCol->value());
    SettingsStore::write(settings::GridRow, play_->updDimRow->value());
    factory_->storeChoices();
}

QWidget* TMainForm::centrePanel() const { return pnlCenter_; }

QWidget* TMainForm::boardArea() const { return board_; }

QPoint TMainForm::tilePrototypePosition() const { return view_->tilePrototypePosition(); }

QSize TMainForm::tileSize() const { return view_->tileSize(); }

TLetterLabel* TMainForm::letterAt(int column, int row) const { return view_->letterAt(column, row); }

QLabel* TMainForm::tileAt(int column, int row) const { return view_->tileAt(column, row); }

void TMainForm::layoutCentre()
{
    if (centre_ && view_ && !view_->building())
        centre_->arrange(mode_ == Mode::Factory);
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
    if (watched == pnlCenter_ && e->type() == QEvent::Resize)
        layoutCentre();
    return QMainWindow::eventFilter(watched, e);
}

void TMainForm::closeEvent(QCloseEvent* e)
{
    if (!session_->confirmClose([this] { return saveGame(false); })) {
        e->ignore();
        return;
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
    const QString file = chooseOpenFile(this, tr("Load Lettrava Game"),
                                        saveFile_.isEmpty() ? savedGamesFolder() : saveFile_,
                                        tr(kSavedGamesFilter));
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
    for (QMenu* m : {actions_.mnuGame, actions_.mnuRound, actions_.mnuPreferences, actions_.mnuHelp})
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
    actions_.mnuRound->menuAction()->setEnabled(false);
    actions_.gameOptions->setEnabled(false);
    view_->clearStatusPanels();
    if (designing) {
        pnlSpeedBar_->hide();
        play_->pnlGridSize->show();
        // The designer's board: the window's tile size and letters, every cell tiled.
        board_->setPlacement(TLetterBoard::Placement::WholeTiles, tilePrototypePosition());
        board_->setTileSize(view_->tileSize(), view_->tileGap());
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
    actions_.gameSave->setEnabled(false);
    actions_.gameSaveAs->setEnabled(false);
    actions_.showResults->setEnabled(false);
    view_->removeBoard();
    setMode(Mode::Factory);
}

void TMainForm::leaveFactory() { setMode(Mode::Welcome); }

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
    actions_.showResults->setEnabled(false);
    if (!made) {
        if (!hosting || !game())
            setMode(Mode::Welcome);
        return;
    }
    showNewGame(load, file);
}

void TMainForm::gameDropped()
{
    for (QAction* a : {actions_.roundStart, actions_.gameSave, actions_.gameSaveAs})
        a->setEnabled(false);
    view_->clearGame();
}

void TMainForm::showNewGame(bool load, const QString& file)
{
    Game& g = *game();
    setMode(Mode::Play);
    pnlSpeedBar_->clearClicksButton()->setVisible(g.hasMousePlayer);
    for (QAction* a : {actions_.gameSave, actions_.gameSaveAs})
        a->setEnabled(true);
    actions_.printGrid->setEnabled(false);
    actions_.saveGrid->setEnabled(false);
    view_->showGame(g);
    actions_.gameOptions->setEnabled(true);

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
        file = chooseSaveFile(this, tr("Save Game"), file.isEmpty() ? savedGamesFolder() : file,
                              tr(kSavedGamesFilter), QStringLiteral("LTG"));
        if (file.isEmpty())
            return false;
    }
    saveFile_ = file;
    if (!session_->saveGame(qtToPath(file))) {
        dialogs().showMessage(translate("Game", SavedGameFile::kSaveFailedText), translate("Game", "Error"),
                              MessageButtons::Ok, MessageIcon::Error);
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
        dialogs().showMessage(translate("Statistics", PlayerStats::kNoStatsText), kTitle, MessageButtons::Ok,
                              MessageIcon::Information);
        return;
    }
    if (playerStatsHandler)
        playerStatsHandler();
}

// ------------------------------------------------------------------ round commands

void TMainForm::actRoundStartExecute()
{
    Game* g = game();
    if (!g || !actions_.roundStart->isEnabled() || g->roundRunning)
        return;
    g->startRoundCommand();
}

void TMainForm::actRoundPauseExecute()
{
    if (game() && actions_.roundPause->isEnabled())
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
    if (dialogs().showMessage(toBytes(tr("Are you sure you want to abort this round?")), toBytes(tr("Confirm")),
                              MessageButtons::YesNo,
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
    if (!actions_.printGrid->isEnabled() || !actions_.printGrid->isVisible())
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QString::fromLatin1(kTitle));
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(tr("Print Grid"));
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
    const QString file = chooseSaveFile(this, tr("Save Lettrava Grid"), savedGamesFolder(),
                                        tr("Lettrava Grids (*.GRD *.grd)"), QStringLiteral("GRD"));
    if (file.isEmpty())
        return;
    if (!saveGridFile(game()->round()->grid(), qtToPath(file)))
        dialogs().showMessage(toBytes(tr("Unable to save grid to disk.")), toBytes(tr("Error")), MessageButtons::Ok,
                              MessageIcon::Error);
}

// ------------------------------------------------------------------ preferences and help

void TMainForm::runPreferences(int page)
{
    // The round is paused while the preferences are open, unless the user
    // had paused it already: then it stays paused afterwards too.
    Game* g = game();
    const bool pauseAround = g && actions_.roundPause->isEnabled() && g->round() && !g->round()->paused;
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
    if (!g || !actions_.gameOptions->isEnabled())
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
    play_->imgSetRoundTime->setVisible(!g->automaticDuration && actions_.roundStart->isEnabled());
    play_->pnlBonus->setVisible(g->bonusWordEnabled);
    layoutCentre();
}

// ------------------------------------------------------------------ the play view's shell

void TMainForm::setWelcomeVisible(bool visible)
{
    pnlWelcome_->showWelcome(visible);
    for (QAction* a : actions_.welcomeKeys)
        a->setEnabled(visible);
}

void TMainForm::roundStarting() { actions_.roundStart->setEnabled(false); }

void TMainForm::roundModeEntered(const Game& game)
{
    const bool client = game.networkMode == NetworkMode::Client;
    for (QAction* a : {actions_.gameOptions, actions_.gameNew, actions_.gameLoad, actions_.gameSaveAs, actions_.viewPlayerStats, actions_.gameSave,
                       actions_.showResults, actions_.roundClear, actions_.gridFactory})
        a->setEnabled(false);
    actions_.roundPause->setEnabled(game.networkMode == NetworkMode::Local);
    actions_.abortCounts->setEnabled(!client);
    actions_.abortNoCount->setEnabled(!client);
    actions_.mnuAbort->menuAction()->setEnabled(!client);
    actions_.printGrid->setEnabled(actions_.printGrid->isVisible());
    actions_.saveGrid->setEnabled(true);
    for (QAction* a : actions_.welcomeKeys)
        a->setEnabled(false);
    network_->roundStarted();
}

void TMainForm::roundModeLeft(const Game& game)
{
    for (QAction* a : {actions_.roundPause, actions_.abortCounts, actions_.abortNoCount, actions_.roundClear})
        a->setEnabled(false);
    actions_.mnuAbort->menuAction()->setEnabled(false);
    if (game.networkMode != NetworkMode::Client)
        for (QAction* a : {actions_.viewPlayerStats, actions_.gameSave, actions_.gameNew, actions_.gameLoad, actions_.gameSaveAs, actions_.gridFactory})
            a->setEnabled(true);
    actions_.gameOptions->setEnabled(true);
    network_->roundEnded();
    // A dictionary chosen during the round is loaded now that it is over; a
    // host's round is over only when its wait for the players is, by the
    // time the next round is offered.
    if (game.networkMode != NetworkMode::Host)
        dictionaryChoice_->roundEnded(nullptr);
}

void TMainForm::nextRoundPrepared(const Game& game)
{
    actions_.roundStart->setEnabled(true);
    actions_.mnuRound->menuAction()->setEnabled(true);
    dictionaryChoice_->roundEnded(&game);
}

void TMainForm::pausedChanged(bool paused)
{
    actions_.roundPause->setText(paused ? tr("&Resume") : tr("&Pause"));
    actions_.roundPause->setToolTip(paused ? tr("Resume") : tr("Pause"));
}

void TMainForm::clearClicksAvailable(bool available) { actions_.roundClear->setEnabled(available); }

void TMainForm::showResultsAvailable(bool available) { actions_.showResults->setEnabled(available); }

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
