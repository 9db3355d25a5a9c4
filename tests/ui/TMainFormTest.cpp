#include "MainWindowTest.h"

TEST_F(MainWindowTest, StartsWithTheWelcomePanel)
{
    EXPECT_EQ(window->windowTitle(), "Lettrava");
    EXPECT_TRUE(shown("pnlWelcome"));
    EXPECT_FALSE(shown("pnlSpeedBar"));
    EXPECT_FALSE(child<QMenu>("mnuRound")->menuAction()->isEnabled());
    EXPECT_FALSE(action("mnuGameOptions")->isEnabled());
    EXPECT_FALSE(action("mnuTipOfTheDay")->isVisible()) << "offered only with a tips window";
    EXPECT_EQ(child<QSpinBox>("updDimCol")->value(), 5);
    EXPECT_EQ(child<QSpinBox>("updDimRow")->value(), 5);
    EXPECT_EQ(child<QLineEdit>("edtWordEntry")->maxLength(), 18);
    QStringList menus;
    for (QAction* a : window->menuBar()->actions())
        if (a->isVisible())
            menus << a->text();
    EXPECT_EQ(menus, (QStringList{"&Game", "&Round", "&Preferences", "&Help"})) << "the designer's menus are hidden";
    QStringList game;
    for (QAction* a : child<QMenu>("mnuGame")->actions())
        game << (a->isSeparator() ? QStringLiteral("-") : a->text());
    EXPECT_EQ(game, (QStringList{"&New", "&Load", "-", "&Save", "Save &As..", "-", "&View Player Stats", "&Grid Factory",
                                 "-", "&Exit"}));

    // A cancelled setup leaves the welcome panel.
    whenSetupDialogShows([](TPlayerInfoDlg&) {}, false);
    QTest::keyClick(window.get(), Qt::Key_S);
    EXPECT_EQ(setupDialogsSeen, 1) << "S on the welcome panel starts a new game";
    EXPECT_EQ(window->game(), nullptr);
    EXPECT_TRUE(shown("pnlWelcome"));
}

TEST_F(MainWindowTest, AWholeRoundPlayedByKeyboardAgainstPatsy)
{
    newGame({{InputMethod::KeyboardOnly, "Ann"}, {InputMethod::Computer, "Patsy"}});
    EXPECT_FALSE(shown("pnlWelcome"));
    EXPECT_TRUE(shown("pnlSpeedBar"));
    EXPECT_EQ(label("lblPlayer1Name"), "Ann");
    EXPECT_EQ(label("lblPlayer2Name"), "Patsy");
    EXPECT_EQ(label("lblPlayer1Score"), "0");
    EXPECT_FALSE(shown("lblPlayer3Name"));
    EXPECT_EQ(status(), "Click GO or press Enter to start round 1");
    EXPECT_EQ(label("stbPanel1"), "Word Length:  MIN:3 MAX:18");
    EXPECT_EQ(label("stbPanel2"), "Reuse: YES");
    EXPECT_EQ(label("lblRound"), "Round 1");
    EXPECT_TRUE(shown("imgSetRoundTime"));
    EXPECT_EQ(child<QLabel>("imgSetRoundTime")->toolTip(), "Round time: 1:00 - Left (right) click to increase (decrease)");
    EXPECT_FALSE(shown("btnClearClicks")) << "nobody clicks in this game";
    EXPECT_TRUE(action("actGameSave")->isEnabled());

    // Enter starts the round.
    QTest::keyClick(window.get(), Qt::Key_Return);
    ASSERT_TRUE(game().roundRunning);
    game().round()->solver()->waitFor();
    EXPECT_EQ(status(), "You may submit words now");
    timers_.runFor(300);
    EXPECT_EQ(label("lblTimeLeft"), "1:00");
    EXPECT_FALSE(action("mnuGameNew")->isEnabled());
    EXPECT_FALSE(action("actGameSave")->isEnabled());
    EXPECT_TRUE(action("actRoundPause")->isEnabled());
    EXPECT_TRUE(child<QWidget>("btnAbort")->isEnabled());
    EXPECT_FALSE(shown("imgSetRoundTime"));
    EXPECT_TRUE(shown("pnlWordEntry"));
    EXPECT_TRUE(entry()->isEnabled());
    EXPECT_EQ(window->letterAt(0, 0)->text(), "C");
    EXPECT_EQ(window->letterAt(3, 3)->text(), "T");
    EXPECT_EQ(window->letterAt(4, 0), nullptr);
    EXPECT_TRUE(played(SoundEvent::BuildingGrid));

    type("cat");
    EXPECT_EQ(status(), "* CAT * is good for 2 points!");
    EXPECT_EQ(label("lblPlayer1Score"), "2");
    EXPECT_EQ(entry()->text(), "");
    type("stop", Qt::Key_Space);
    EXPECT_EQ(status(), "* STOP * is good for 4 points!");
    EXPECT_EQ(entry()->text(), "") << "Space submits and does not reach the field";
    type("CAT");
    EXPECT_EQ(status(), "You already submitted CAT");
    type("xyz");
    EXPECT_EQ(status(), "* XYZ * is not in the grid");
    type("pts");
    EXPECT_EQ(status(), "* PTS * is not in the dictionary");
    type("ca");
    EXPECT_EQ(status(), "* CA * is invalid.  Words must be at least 3 letters long");
    EXPECT_EQ(label("lblPlayer1Score"), "6");
    EXPECT_EQ(sounds_.played(), (std::vector<SoundEvent>{SoundEvent::BuildingGrid, SoundEvent::GoodWord,
                                                         SoundEvent::GoodWord, SoundEvent::WordNotInGrid,
                                                         SoundEvent::LostAllValidBonus}));

    // Without a mouse player the letters take no clicks.
    EXPECT_EQ(window->letterAt(0, 0)->cursor().shape(), Qt::ArrowCursor);
    click(0, 0);
    EXPECT_EQ(entry()->text(), "");
    EXPECT_FALSE(played(SoundEvent::LetterClick));

    // Pause hides the letters and blocks entry.
    timers_.runFor(10'000);
    action("actRoundPause")->trigger();
    EXPECT_TRUE(shown("pnlPaused"));
    EXPECT_FALSE(window->letterAt(0, 0)->isVisibleTo(window.get()));
    EXPECT_FALSE(entry()->isEnabled());
    EXPECT_EQ(action("actRoundPause")->text(), "&Resume");
    type("top");
    EXPECT_EQ(status(), "* CA * is invalid.  Words must be at least 3 letters long");
    const QString clockWhilePaused = label("lblTimeLeft");
    timers_.runFor(30'000);
    EXPECT_EQ(label("lblTimeLeft"), clockWhilePaused) << "the clock stands still";
    action("actRoundPause")->trigger();
    EXPECT_FALSE(shown("pnlPaused"));
    EXPECT_TRUE(window->letterAt(0, 0)->isVisibleTo(window.get()));
    EXPECT_TRUE(entry()->isEnabled());
    EXPECT_EQ(action("actRoundPause")->text(), "&Pause");

    runToRoundEnd();
    EXPECT_EQ(label("lblTimeLeft"), "OVER");
    EXPECT_FALSE(shown("pnlWordEntry"));
    EXPECT_EQ(status(), "Click GO or press Enter to start the LAST round");
    EXPECT_EQ(label("lblPlayer1Score"), QString::number(game().playerAt(0)->gameScore));
    EXPECT_EQ(label("lblPlayer2Score"), QString::number(game().playerAt(1)->gameScore));
    EXPECT_TRUE(played(SoundEvent::RoundOver));
    EXPECT_TRUE(action("actGameSave")->isEnabled());
    EXPECT_TRUE(action("actRoundStart")->isEnabled());
    EXPECT_TRUE(window->letterAt(0, 0)->isVisibleTo(window.get())) << "the last board stays up";

    // No results window has been made: "Show Results" says so.
    ASSERT_TRUE(action("mnuShowResults")->isEnabled());
    action("mnuShowResults")->trigger();
    EXPECT_EQ(shown_.messages.back().text, "There are no results to view at this time.");
}

TEST_F(MainWindowTest, ClickedLettersBuildTheTypedWordAndARightClickSubmitsIt)
{
    newGame({{InputMethod::KeyboardAndMouse, "Ann"}, {InputMethod::Computer, "Patsy"}});
    EXPECT_TRUE(shown("btnClearClicks"));
    startRound();
    click(0, 0);
    click(1, 0);
    EXPECT_EQ(entry()->text(), "CA");
    EXPECT_EQ(window->letterAt(0, 0)->letterColour(), QColor(30, 90, 235)) << "used once: blue";
    EXPECT_EQ(window->letterAt(3, 3)->cursor().shape(), Qt::ForbiddenCursor);
    EXPECT_EQ(window->letterAt(2, 1)->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(window->letterAt(2, 2)->toolTip(), "CA");
    EXPECT_TRUE(action("actRoundClear")->isEnabled());
    click(1, 0);
    EXPECT_EQ(entry()->text(), "CA") << "the same cell twice in a row adds nothing";
    EXPECT_EQ(window->letterAt(1, 0)->cursor().shape(), Qt::ForbiddenCursor);
    click(0, 0);
    EXPECT_EQ(entry()->text(), "CAC");
    EXPECT_FALSE(window->letterAt(0, 0)->letterColour() == QColor(30, 90, 235)) << "used twice: yellow";
    click(0, 0, Qt::MiddleButton);
    EXPECT_EQ(entry()->text(), "");
    EXPECT_FALSE(window->letterAt(0, 0)->letterColour().isValid());

    click(0, 0);
    click(1, 0);
    click(2, 0);
    click(3, 0);
    click(3, 0, Qt::RightButton);
    EXPECT_EQ(status(), "* CATS * is good for 4 points!");
    EXPECT_EQ(entry()->text(), "");
    EXPECT_FALSE(window->letterAt(0, 0)->letterColour().isValid());
    EXPECT_EQ(label("lblPlayer1Score"), "4");

    // Typing and clicking build one word.
    QTest::keyClicks(entry(), "s");
    click(2, 1);
    click(2, 2);
    click(3, 2);
    EXPECT_EQ(entry()->text(), "STOP");
    action("actRoundClear")->trigger();
    EXPECT_EQ(entry()->text(), "");
    EXPECT_FALSE(action("actRoundClear")->isEnabled());
    EXPECT_TRUE(played(SoundEvent::LetterClick));
}

TEST_F(MainWindowTest, OnePersonTypesAnotherClicksAndNoVerdictIsShown)
{
    newGame({{InputMethod::KeyboardOnly, "Ann"}, {InputMethod::MouseOnly, "Bob"}, {InputMethod::Computer, "Patsy"}});
    startRound();
    type("cat");
    EXPECT_EQ(status(), "You may submit words now");
    EXPECT_EQ(label("lblPlayer1Score"), "2");
    click(2, 1);
    click(2, 2);
    click(3, 2);
    EXPECT_EQ(entry()->text(), "") << "the clicked word is not the typed one";
    EXPECT_EQ(window->letterAt(0, 0)->toolTip(), "TOP");
    click(0, 0, Qt::RightButton);
    EXPECT_EQ(status(), "You may submit words now");
    EXPECT_EQ(label("lblPlayer2Score"), "2");
    EXPECT_EQ(window->letterAt(0, 0)->toolTip(), "");
}

TEST_F(MainWindowTest, SavingAndContinuingAGame)
{
    newGame({{InputMethod::KeyboardAndMouse, "Ann"}, {InputMethod::Computer, "Patsy"}}, 3);
    startRound();
    type("coat");
    runToRoundEnd();
    const int annScore = game().playerAt(0)->gameScore;
    const QString file = folder() + "/match.LTG";
    chooserAnswer = file;
    action("actGameSave")->trigger();
    EXPECT_EQ(asked.back(), "Save Game");
    EXPECT_EQ(window->windowTitle(), "Lettrava - " + file);
    EXPECT_TRUE(QFileInfo::exists(file));
    EXPECT_FALSE(game().unsavedChanges);
    // Save again: no dialog now that the game has a file.
    const auto dialogs = asked.size();
    action("actGameSave")->trigger();
    EXPECT_EQ(asked.size(), dialogs);
    EXPECT_TRUE(window->close()) << "nothing unsaved, nothing asked";
    EXPECT_TRUE(shown_.messages.empty());
    window.reset();

    openWindow();
    chooserAnswer = file;
    QTest::keyClick(window.get(), Qt::Key_C);
    ASSERT_NE(window->game(), nullptr);
    EXPECT_EQ(asked.back(), "Load Lettrava Game");
    EXPECT_EQ(window->windowTitle(), "Lettrava - " + file);
    EXPECT_EQ(label("lblPlayer1Name"), "Ann");
    EXPECT_EQ(label("lblPlayer1Score"), QString::number(annScore));
    EXPECT_EQ(status(), "Click GO or press Enter to start round 2");
    EXPECT_FALSE(action("mnuShowResults")->isEnabled());
    startRound();
    EXPECT_EQ(label("lblRound"), "Round 2");

    // A file that is not a saved game.
    test::writeFile(dir_ / "junk.LTG", "not a game");
    runToRoundEnd();
    shown_.answers = {MessageAnswer::No};
    chooserAnswer = folder() + "/junk.LTG";
    action("mnuGameLoad")->trigger();
    EXPECT_EQ(shown_.messages.front().text, "Do you want to save the game?");
    EXPECT_EQ(window->game(), nullptr);
    EXPECT_TRUE(shown("pnlWelcome"));
    EXPECT_EQ(shown_.messages.back().caption, "Error");
}

TEST_F(MainWindowTest, AFailedSaveIsReportedAndTheGameStaysUnsaved)
{
    newGame({{InputMethod::KeyboardOnly, "Ann"}, {InputMethod::Computer, "Patsy"}});
    startRound();
    runToRoundEnd();
    chooserAnswer = folder() + "/no/such/folder/game.LTG";
    action("actGameSaveAs")->trigger();
    EXPECT_EQ(shown_.messages.back().text, "Unable to save game to disk.");
    EXPECT_TRUE(game().unsavedChanges);
    EXPECT_EQ(window->windowTitle(), "Lettrava");
}

TEST_F(MainWindowTest, ClosingAsksAboutTheRoundAndTheUnsavedGame)
{
    newGame({{InputMethod::KeyboardOnly, "Ann"}, {InputMethod::Computer, "Patsy"}});
    startRound();
    shown_.answers = {MessageAnswer::No};
    EXPECT_FALSE(window->close());
    EXPECT_EQ(shown_.messages.back().text, "This will abort (and not count) the current round.  Are you sure?");
    EXPECT_EQ(shown_.messages.back().buttons, MessageButtons::YesNo);
    EXPECT_TRUE(game().roundRunning);

    shown_.answers = {MessageAnswer::Yes, MessageAnswer::Cancel};
    EXPECT_FALSE(window->close());
    EXPECT_EQ(shown_.messages.back().text, "Do you want to save the game?");
    EXPECT_EQ(shown_.messages.back().buttons, MessageButtons::YesNoCancel);
    EXPECT_FALSE(game().roundRunning) << "the round was taken back";
    EXPECT_EQ(game().currentRound, 0);
    EXPECT_EQ(label("lblTimeLeft"), "ABORTED");

    shown_.answers = {MessageAnswer::No};
    EXPECT_TRUE(window->close());
}

TEST_F(MainWindowTest, NewDuringAGameAsksToSaveFirst)
{
    newGame({{InputMethod::KeyboardOnly, "Ann"}, {InputMethod::Computer, "Patsy"}});
    startRound();
    runToRoundEnd();
    Game* before = window->game();
    shown_.answers = {MessageAnswer::Cancel};
    action("mnuGameNew")->trigger();
    EXPECT_EQ(window->game(), before) << "Cancel keeps the game";
    EXPECT_FALSE(shown("pnlWelcome"));

    shown_.answers = {MessageAnswer::No};
    whenSetupDialogShows([](TPlayerInfoDlg&) {}, false);
    action("mnuGameNew")->trigger();
    EXPECT_EQ(setupDialogsSeen, 2);
    EXPECT_EQ(window->game(), nullptr) << "the old game went before the dialog";
    EXPECT_TRUE(shown("pnlWelcome"));
    EXPECT_FALSE(child<QMenu>("mnuRound")->menuAction()->isEnabled());
    EXPECT_EQ(status(), "");
}

TEST_F(MainWindowTest, AbortingARound)
{
    newGame({{InputMethod::KeyboardOnly, "Ann"}, {InputMethod::Computer, "Patsy"}}, 3);
    startRound();
    type("cat");
    QTest::mouseClick(child<QWidget>("btnAbort"), Qt::LeftButton);
    timers_.runFor(300);
    EXPECT_FALSE(game().roundRunning);
    EXPECT_EQ(label("lblTimeLeft"), "OVER");
    EXPECT_EQ(game().currentRound, 1);
    EXPECT_FALSE(played(SoundEvent::RoundOver)) << "an early end plays no round-over sound";

    startRound();
    type("stop");
    shown_.answers = {MessageAnswer::Yes};
    action("mnuAbortNoCount")->trigger();
    EXPECT_EQ(shown_.messages.back().text, "Are you sure you want to abort this round?");
    timers_.runFor(300);
    EXPECT_EQ(label("lblTimeLeft"), "ABORTED");
    EXPECT_EQ(game().currentRound, 1);
    EXPECT_EQ(label("lblPlayer1Score"), "2") << "the round's points are taken back";
    EXPECT_EQ(status(), "Click GO or press Enter to start round 2");
}

TEST_F(MainWindowTest, ClockAndRoundTimePicture)
{
    newGame({{InputMethod::KeyboardOnly, "Ann"}, {InputMethod::Computer, "Patsy"}}, 2, "3:00");
    auto* picture = child<QLabel>("imgSetRoundTime");
    QTest::mouseClick(picture, Qt::LeftButton);
    EXPECT_EQ(picture->toolTip(), "Round time: 3:15 - Left (right) click to increase (decrease)");
    QTest::mouseClick(picture, Qt::RightButton);
    QTest::mouseClick(picture, Qt::RightButton);
    EXPECT_EQ(picture->toolTip(), "Round time: 2:45 - Left (right) click to increase (decrease)");
    startRound();
    EXPECT_EQ(label("lblTimeLeft"), "") << "the clock shows once it runs";
    timers_.runFor(300);
    EXPECT_EQ(label("lblTimeLeft"), "2:45");
    QTest::mouseClick(child<QLabel>("lblTimeLeft"), Qt::LeftButton);
    timers_.runFor(300);
    EXPECT_EQ(label("lblTimeLeft"), "1:45");
    timers_.runFor(97'000);
    EXPECT_TRUE(child<TFlashingLabel>("lblTimeLeft")->isFlashing());
    runToRoundEnd();
    EXPECT_FALSE(child<TFlashingLabel>("lblTimeLeft")->isFlashing());
}

TEST_F(MainWindowTest, ThePreferencesPauseTheRoundWhileTheyAreOpen)
{
    newGame({{InputMethod::KeyboardOnly, "Ann"}, {InputMethod::Computer, "Patsy"}});
    startRound();
    bool pausedMeanwhile = false;
    QTimer::singleShot(0, [&] {
        pausedMeanwhile = game().round()->paused;
        window->preferencesForm().closeWithoutSaving();
    });
    action("mnuPreferencesSound")->trigger();
    EXPECT_TRUE(pausedMeanwhile);
    EXPECT_FALSE(game().round()->paused);
    EXPECT_EQ(window->preferencesForm().page(), TPreferencesForm::Page::Sounds);

    // A round the user paused stays paused.
    action("actRoundPause")->trigger();
    QTimer::singleShot(0, [&] { window->preferencesForm().closeWithoutSaving(); });
    action("mnuPreferencesGeneral")->trigger();
    EXPECT_TRUE(game().round()->paused);
    EXPECT_TRUE(shown("pnlPaused"));
}

TEST_F(MainWindowTest, ResultsAndStatisticsWindowsComeThroughHooks)
{
    action("mnuViewPlayerStats")->trigger();
    EXPECT_EQ(shown_.messages.back().text, "No player stats available.");
    EXPECT_EQ(shown_.messages.back().caption, "Lettrava");

    int resultsShown = 0;
    window->resultsWindowFactory = [&resultsShown](Game&, Round&) {
        return std::make_unique<CountingResults>(resultsShown);
    };
    std::vector<std::string> congratulations;
    window->congratulationsHandler = [&](const std::string& text, bool) { congratulations.push_back(text); };
    newGame({{InputMethod::KeyboardOnly, "Ann"}, {InputMethod::Computer, "Patsy"}}, 1);
    startRound();
    type("coats");
    runToRoundEnd();
    EXPECT_EQ(resultsShown, 1);
    ASSERT_EQ(congratulations.size(), 1u);
    EXPECT_TRUE(window->isVisible());
    action("mnuShowResults")->trigger();
    EXPECT_EQ(resultsShown, 2);

    int statsShown = 0;
    window->playerStatsHandler = [&] { ++statsShown; };
    const auto messages = shown_.messages.size();
    action("mnuViewPlayerStats")->trigger();
    EXPECT_EQ(statsShown, 1);
    EXPECT_EQ(shown_.messages.size(), messages);
}

TEST_F(MainWindowTest, ManualSizesBoardsAndHoles)
{
    // One window size from the welcome panel into play, small enough for a
    // 1024 x 600 screen (title bar and frame aside).
    const QSize welcomeSize = window->size();
    EXPECT_LE(window->minimumSizeHint().width(), 1000);
    EXPECT_LE(window->minimumSizeHint().height(), 540);
    test::writeFile(dir_ / "holes.grd", "ROWS=3\r\nCOLS=3\r\n>CAT\r\n>O.S\r\n>TOP\r\n");
    whenSetupDialogShows([this](TPlayerInfoDlg& d) {
        chooseSetup(d, {{InputMethod::KeyboardAndMouse, "Ann"}}, 2, "auto");
        d.findChild<QComboBox*>("cmbGridSizeOrder")->setCurrentIndex(2);
    });
    action("mnuGameNew")->trigger();
    ASSERT_NE(window->game(), nullptr);
    EXPECT_TRUE(shown("pnlGridSize"));
    EXPECT_FALSE(shown("imgSetRoundTime")) << "automatic duration";
    child<QSpinBox>("updDimCol")->setValue(3);
    child<QSpinBox>("updDimRow")->setValue(4);
    startRound();
    EXPECT_FALSE(child<QSpinBox>("updDimCol")->isEnabled());
    const QSize tile = window->tileSize();
    const QPoint proto = window->tilePrototypePosition();
    EXPECT_EQ(window->tileAt(0, 0)->geometry(),
              QRect(proto + QPoint(4 * tile.width(), 4 * tile.height()), tile));
    EXPECT_EQ(window->tileAt(1, 0)->x() - window->tileAt(0, 0)->x(), tile.width() + window->playView().tileGap());
    EXPECT_EQ(window->tileAt(0, 1)->y() - window->tileAt(0, 0)->y(), tile.height() + window->playView().tileGap());
    EXPECT_EQ(window->letterAt(2, 3)->geometry(), window->tileAt(2, 3)->geometry());
    EXPECT_EQ(window->letterAt(3, 0), nullptr);
    EXPECT_EQ(window->size(), welcomeSize);
    // A bigger window, bigger tiles at once; the word entry stays under the board.
    window->resize(welcomeSize + QSize(400, 300));
    EXPECT_GT(window->tileSize().width(), tile.width());
    EXPECT_GT(window->tileSize().height(), tile.height());
    const QRect board = window->boardArea()->geometry();
    const QWidget* entryPanel = child<QWidget>("pnlWordEntry");
    EXPECT_GT(entryPanel->y(), board.y() + window->tileAt(0, 3)->geometry().bottom());
    EXPECT_LE(entryPanel->geometry().bottom(), window->centrePanel()->height());
    timers_.runFor(300);
    EXPECT_EQ(label("lblTimeLeft"), "1:30");
    runToRoundEnd();

    // A grid with a hole: neither tile nor letter, and no click.
    game().gridFiles = {"", (dir_ / "holes.grd").string()};
    game().manualGridSize = false;
    startRound();
    EXPECT_FALSE(window->tileAt(1, 1)->isVisibleTo(window.get()));
    EXPECT_FALSE(window->letterAt(1, 1)->isVisibleTo(window.get()));
    EXPECT_TRUE(window->letterAt(0, 1)->isVisibleTo(window.get()));
    click(1, 1);
    EXPECT_EQ(entry()->text(), "");
    EXPECT_EQ(child<QSpinBox>("updDimCol")->value(), 3) << "the spinners show the board built";
}

TEST_F(MainWindowTest, SavingTheGridAndPrintingTheWindow)
{
    newGame({{InputMethod::KeyboardOnly, "Ann"}});
    EXPECT_FALSE(action("mnuSaveGrid")->isEnabled());
    startRound();
    EXPECT_TRUE(action("mnuPrintGrid")->isEnabled());
    chooserAnswer = folder() + "/saved.grd";
    action("mnuSaveGrid")->trigger();
    EXPECT_EQ(asked.back(), "Save Lettrava Grid");
    Grid copy(false);
    ASSERT_TRUE(loadGridFile(copy, (dir_ / "saved.grd")));
    EXPECT_EQ(copy.letterAt(1, 1), 'C');
    chooserAnswer = folder() + "/missing/saved.grd";
    action("mnuSaveGrid")->trigger();
    EXPECT_EQ(shown_.messages.back().text, "Unable to save grid to disk.");

    QImage page(800, 600, QImage::Format_ARGB32);
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        window->renderForPrinting(painter, page.rect());
    }
    int coloured = 0;
    for (int y = 0; y < page.height(); y += 7)
        for (int x = 0; x < page.width(); x += 7)
            coloured += page.pixel(x, y) != qRgb(255, 255, 255);
    EXPECT_GT(coloured, 1000) << "the window is drawn onto the page";
}

TEST_F(MainWindowTest, WindowSettingsAreWrittenUnderTheirNames)
{
    window->move(123, 45);
    child<QSpinBox>("updDimCol")->setValue(7);
    window.reset();
    const auto v = stored();
    EXPECT_EQ(v.at("MainLeft").typeId(), QMetaType::Int);
    EXPECT_EQ(v.at("GridCol").toInt(), 7);
    EXPECT_EQ(v.at("GridRow").toInt(), 5);
    EXPECT_EQ(v.at("FactoryMinWL").toInt(), 3);
    EXPECT_EQ(v.at("FactoryMaxWL").toInt(), 18);
    EXPECT_EQ(v.at("FactorySort").toInt(), 1);
    EXPECT_EQ(v.at("FactoryAllowReuse").toString(), "1");
    EXPECT_EQ(v.at("MemberList").toString(), "1");
    EXPECT_EQ(v.count("MainTop"), 1u);

    SettingsStore::write(settings::GridRow, 9);
    openWindow();
    EXPECT_EQ(child<QSpinBox>("updDimCol")->value(), 7);
    EXPECT_EQ(child<QSpinBox>("updDimRow")->value(), 9);
}

TEST_F(MainWindowTest, TheLowColourLookHasNoWallpaperAndOneTile)
{
    window.reset();
    forceLowColour(true);
    openWindow();
    EXPECT_FALSE(action("mnuPrintGrid")->isVisible());
    auto* centre = child<TAdvancedPanel>("pnlCenter");
    EXPECT_FALSE(centre->showsWallpaper());
    EXPECT_EQ(centre->backgroundColour(), QColor(0, 0, 128));
    EXPECT_EQ(child<TAdvancedPanel>("pnlWelcome")->backgroundColour(), QColor(255, 255, 170));
    newGame({{InputMethod::KeyboardOnly, "Ann"}});
    startRound();
    const QImage low = SharedPictures::instance().lowColourTile.toImage();
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 4; ++r)
            EXPECT_EQ(window->tileAt(c, r)->pixmap().toImage(), low);
    EXPECT_FALSE(action("mnuPrintGrid")->isEnabled());
}

TEST_F(MainWindowTest, AChatPanelGoesUnderTheCentreWithASplitter)
{
    QSplitter* splitter = window->chatSplitter();
    ASSERT_NE(splitter, nullptr);
    EXPECT_EQ(splitter->count(), 1);
    EXPECT_EQ(splitter->widget(0), child<QWidget>("pnlCenter"));
    auto chat = std::make_unique<QWidget>();
    chat->setMinimumHeight(60);
    window->setChatPanel(chat.get());
    ASSERT_EQ(splitter->count(), 2);
    EXPECT_EQ(splitter->widget(1), chat.get());
    EXPECT_EQ(splitter->orientation(), Qt::Vertical);
    window->setChatPanel(nullptr);
    EXPECT_EQ(splitter->count(), 1);
    EXPECT_EQ(chat->parent(), nullptr) << "the panel stays its owner's";
}

TEST_F(MainWindowTest, ThePauseNoticeIsOfTheWordEntrysWood)
{
    auto* paused = child<TAdvancedPanel>("pnlPaused");
    auto* entry = child<TAdvancedPanel>("pnlWordEntry");
    ASSERT_FALSE(entry->wallpaper().isNull());
    EXPECT_EQ(paused->wallpaper().toImage(), entry->wallpaper().toImage());
    EXPECT_NE(paused->wallpaper().toImage(), child<TAdvancedPanel>("pnlWelcome")->wallpaper().toImage());
    EXPECT_EQ(paused->palette().color(QPalette::WindowText), entry->palette().color(QPalette::WindowText));
}

TEST_F(MainWindowTest, GameOptionsBetweenRoundsChangeTheRules)
{
    newGame({{InputMethod::KeyboardOnly, "Ann"}, {InputMethod::Computer, "Patsy"}});
    whenSetupDialogShows([](TPlayerInfoDlg& d) {
        EXPECT_EQ(d.purpose(), TPlayerInfoDlg::Purpose::GameOptions);
        d.findChild<QCheckBox*>("chkAllowLetterReuse")->setChecked(false);
        d.findChild<QSpinBox*>("updMinimumWordLength")->setValue(4);
        d.findChild<QComboBox*>("cmbRoundDuration")->setCurrentIndex(0);
    });
    // A middle click on the round-time picture opens the game options.
    QTest::mouseClick(child<QLabel>("imgSetRoundTime"), Qt::MiddleButton);
    EXPECT_EQ(setupDialogsSeen, 2);
    EXPECT_EQ(label("stbPanel1"), "Word Length:  MIN:4 MAX:18");
    EXPECT_EQ(label("stbPanel2"), "Reuse: NO");
    EXPECT_FALSE(shown("imgSetRoundTime")) << "the duration follows the grid now";
    startRound();
    type("cat");
    EXPECT_EQ(status(), "* CAT * is invalid.  Words must be at least 4 letters long");
    EXPECT_FALSE(action("mnuGameOptions")->isEnabled()) << "not during a round";
}

TEST_F(MainWindowTest, HelpMenuEntriesAndStartupTipsFollowTheirHooks)
{
    window.reset();
    TMainForm other;
    std::vector<bool> tips;
    int abouts = 0;
    other.startupTipsHandler = [&](bool inOrder) { tips.push_back(inOrder); };
    other.aboutHandler = [&] { ++abouts; };
    other.show();
    QApplication::setActiveWindow(&other);
    QTest::qWait(50);
    ASSERT_EQ(tips.size(), 1u) << "tips at the first activation";
    EXPECT_TRUE(tips.front()) << "in order on the first run";
    QApplication::setActiveWindow(nullptr);
    QApplication::setActiveWindow(&other);
    QTest::qWait(50);
    EXPECT_EQ(tips.size(), 1u) << "only once";
    auto* help = other.findChild<QMenu*>("mnuHelp");
    emit help->aboutToShow();
    EXPECT_TRUE(other.findChild<QAction*>("mnuAbout")->isVisible());
    EXPECT_FALSE(other.findChild<QAction*>("mnuTipOfTheDay")->isVisible());
    other.findChild<QAction*>("mnuAbout")->trigger();
    EXPECT_EQ(abouts, 1);
    EXPECT_TRUE(other.findChild<QWidget*>("pnlWelcome")->isVisibleTo(&other)) << "the welcome panel comes back";
}

TEST_F(MainWindowTest, AWholeGameEndsWithTheCongratulationsAndTheFinalResults)
{
    installGameWindows(*window);
    // Every modal window that opens is noted and closed, as a person would.
    QStringList seen;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        QWidget* w = QApplication::activeModalWidget();
        auto* dialog = qobject_cast<QDialog*>(w);
        if (!dialog || dialog->inherits("lettrava::TPlayerInfoDlg"))
            return;
        const QString entry = QString::fromLatin1(dialog->metaObject()->className()) + ":" + dialog->windowTitle();
        if (seen.isEmpty() || seen.back() != entry)
            seen << entry;
        dialog->reject();
    });
    closer.start(10);

    newGame({{InputMethod::KeyboardOnly, "Ann"}, {InputMethod::Computer, "Patsy"}}, 2, "0:30");
    for (int round = 1; round <= 2; ++round) {
        startRound();
        type("STOP");
        runToRoundEnd();
    }
    closer.stop();
    EXPECT_FALSE(game().inProgress);
    EXPECT_TRUE(seen.contains("lettrava::TRRForm:Round 1 Results")) << seen.join(", ").toStdString();
    const auto congratulations = seen.indexOf("lettrava::TCongratulationsForm:Game Over");
    ASSERT_GE(congratulations, 0) << seen.join(", ").toStdString();
    EXPECT_EQ(seen.indexOf("lettrava::TRRForm:Final Results"), congratulations + 1) << seen.join(", ").toStdString();
    EXPECT_TRUE(window->isVisible()) << "the main window comes back after the final results";
}
