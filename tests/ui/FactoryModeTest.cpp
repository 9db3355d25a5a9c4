// The Grid Factory in the main window: entering and leaving, typing with the
// caret, Random, Solve with the solution list and its orders, a clicked word's
// path, Load and Save through the file choosers, and the question about a
// changed grid.

#include "UiTestSupport.h"

#include "core/grid/GridFile.h"
#include "core/grid/GridOptions.h"
#include "core/platform/Clock.h"
#include "core/headless/RecordingDialogs.h"
#include "core/players/PlayerFileManager.h"
#include "ui/board/TLetterBoard.h"
#include "ui/board/TLetterLabel.h"
#include "ui/factory/TFactoryMode.h"
#include "ui/factory/TFactoryWordListForm.h"
#include "ui/platform/FileChooser.h"
#include "ui/shell/TMainForm.h"
#include "ui/widgets/TFlashingLabel.h"
#include "ui/widgets/TUpDown.h"
#include "ui/widgets/TWordListBox.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QKeyEvent>
#include <QTest>
#include <QToolButton>
#include <QInputDialog>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include <filesystem>

using namespace lettrava;
using lettrava::test::UiTest;

namespace {

class FactoryModeTest : public UiTest {
protected:
    FactoryModeTest() : dictionary_({"CAT", "CATS", "ACT", "SAT", "TACO", "COAT", "COATS", "OATS", "TOP", "STOP"})
    {
        PlayerFileManager::useFile(dir_ / "LTPlayers.dat");
        gridOptions() = GridOptions{};
        setFileChooserForTests([this](const QString& title, const QString&, const QString&) {
            asked.push_back(title);
            return chooserAnswer;
        });
        window = std::make_unique<TMainForm>();
        window->show();
        QApplication::setActiveWindow(window.get());
        (void)QTest::qWaitForWindowActive(window.get(), 2000);
    }
    ~FactoryModeTest() override
    {
        window.reset();
        setFileChooserForTests(nullptr);
        PlayerFileManager::resetInstance();
        gridOptions() = GridOptions{};
    }

    TFactoryMode& factory() { return *window->factory(); }
    TLetterBoard& board() { return *window->findChild<TLetterBoard*>(QStringLiteral("pnlBoard")); }
    QString letter(int c, int r) { return board().letterAt(c, r)->text(); }
    void keys(const QString& text)
    {
        for (QChar ch : text)
            QTest::keyClick(window.get(), ch == u' ' ? Qt::Key_Space : static_cast<Qt::Key>(ch.toUpper().unicode()));
    }
    bool menuShown(const char* name)
    {
        auto* m = window->findChild<QMenu*>(QLatin1String(name));
        return m && m->menuAction()->isVisible();
    }
    void enter(int columns, int rows)
    {
        window->findChild<TUpDown*>(QStringLiteral("updDimCol"))->setValue(columns);
        window->findChild<TUpDown*>(QStringLiteral("updDimRow"))->setValue(rows);
        window->mnuGridFactoryClick();
        ASSERT_TRUE(factory().isOpen());
    }

    test::ScopedDictionary dictionary_;
    std::unique_ptr<TMainForm> window;
    QStringList asked;
    QString chooserAnswer;
};

} // namespace

TEST_F(FactoryModeTest, EnteringShowsTheDesignersMenusBoardAndPanelsAndLeavingRestoresTheWelcome)
{
    enter(3, 3);
    EXPECT_EQ(window->mode(), TMainForm::Mode::Factory);
    EXPECT_TRUE(menuShown("mnuFactoryGrid"));
    EXPECT_TRUE(menuShown("mnuFactoryOptions"));
    EXPECT_FALSE(menuShown("mnuGame"));
    EXPECT_FALSE(window->findChild<QWidget*>("pnlWelcome")->isVisibleTo(window.get()));
    EXPECT_TRUE(window->findChild<QWidget*>("pnlFactorySpeedBar")->isVisibleTo(window.get()));
    EXPECT_FALSE(window->findChild<QWidget*>("pnlSpeedBar")->isVisibleTo(window.get()));
    EXPECT_TRUE(window->findChild<QWidget*>("pnlSolution")->isVisibleTo(window.get()));
    EXPECT_TRUE(window->findChild<QWidget*>("updDimCol")->isEnabled());
    // Every cell has a tile, blank ones included.
    ASSERT_EQ(board().columns(), 3);
    EXPECT_TRUE(board().tileAt(2, 2)->isVisibleTo(window.get()));
    EXPECT_EQ(letter(1, 1), " ");
    EXPECT_TRUE(factory().caret()->isVisibleTo(window.get()));
    EXPECT_TRUE(factory().caret()->isFlashing());

    window->findChild<QAction*>("mnuFactoryExit")->trigger();
    EXPECT_EQ(window->mode(), TMainForm::Mode::Welcome);
    EXPECT_TRUE(window->findChild<QWidget*>("pnlWelcome")->isVisibleTo(window.get()));
    EXPECT_TRUE(menuShown("mnuGame"));
    EXPECT_FALSE(menuShown("mnuFactoryGrid"));
    EXPECT_EQ(board().columns(), 0) << "the tiles went";
    EXPECT_FALSE(window->findChild<QWidget*>("pnlInfo")->isVisibleTo(window.get()));
}

TEST_F(FactoryModeTest, TypingWritesThroughTheCaretAndArrowsWrap)
{
    enter(3, 3);
    keys("cat");
    EXPECT_EQ(letter(0, 0) + letter(1, 0) + letter(2, 0), "CAT");
    EXPECT_EQ(factory().editor().cursor(), GridCell(0, 1, 3, 3));
    const QRect cell = board().cellRect(0, 1);
    const QRect caret = factory().caret()->geometry();
    EXPECT_EQ(caret.left(), cell.left() + cell.width() / 3) << "a third into the cell";
    EXPECT_NEAR(caret.center().y(), cell.center().y(), 2) << "vertically centred";
    EXPECT_EQ(factory().caret()->font().pointSizeF(), board().boardFont().pointSizeF() + 2);
    QTest::keyClick(window.get(), Qt::Key_Backspace);
    EXPECT_EQ(letter(2, 0), " ");
    QTest::keyClick(window.get(), Qt::Key_Right);
    EXPECT_EQ(factory().editor().cursor(), GridCell(0, 0, 3, 3)) << "wraps within the row";
    QTest::keyClick(window.get(), Qt::Key_Up);
    EXPECT_EQ(factory().editor().cursor(), GridCell(0, 2, 3, 3)) << "wraps within the column";
    EXPECT_TRUE(factory().editor().modified());

    // Tab leaves every control: the grid takes the keys again.
    auto* columns = window->findChild<TUpDown*>(QStringLiteral("updDimCol"));
    columns->setFocus();
    QTest::keyClick(columns, Qt::Key_Tab);
    EXPECT_FALSE(columns->hasFocus());
    QTest::keyClick(window.get(), Qt::Key_Tab);
    EXPECT_TRUE(window->hasFocus() || QApplication::focusWidget() == nullptr) << "no control took it";
    keys("x");
    EXPECT_EQ(letter(0, 2), "X") << "typed into the grid at the cursor";

    // A press on a cell moves the cursor there.
    QTest::mouseClick(board().letterAt(2, 1), Qt::LeftButton);
    EXPECT_EQ(factory().editor().cursor(), GridCell(2, 1, 3, 3));
}

TEST_F(FactoryModeTest, SolveFillsTheSolutionOnceAndAClickedWordIsDrawnBlueAndBold)
{
    enter(4, 4);
    keys("catsopotatsxxxxx");
    window->findChild<QToolButton*>("sbtGridFactorySolveGrid")->click();
    ASSERT_TRUE(factory().editor().solutionCurrent());
    TWordListBox* list = factory().solutionList();
    ASSERT_GT(list->count(), 3);
    EXPECT_EQ(factory().solutionCount()->text(), QString::number(list->count()));
    factory().setSortOrder(2);
    const auto& words = list->words();
    for (std::size_t i = 1; i < words.size(); ++i)
        EXPECT_LE(words[i - 1].text.size(), words[i].text.size());

    factory().showWordPath("COATS");
    int bold = 0;
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 4; ++r)
            bold += board().cellBold(c, r);
    EXPECT_EQ(bold, 5) << "exactly the word's cells";
    EXPECT_TRUE(board().cellBold(0, 0));
    EXPECT_EQ(board().letterAt(0, 0)->palette().color(QPalette::WindowText), QColor(Qt::blue));

    // A changed option makes the list stale; a second Solve runs again.
    factory().allowReuse()->toggle();
    EXPECT_FALSE(factory().editor().solutionCurrent());
    EXPECT_EQ(window->findChild<QAction*>("mnuFactoryAllowReuse")->isChecked(), factory().allowReuse()->isChecked());
    factory().solve();
    EXPECT_TRUE(factory().editor().solutionCurrent());
}

TEST_F(FactoryModeTest, SaveLoadAndTheQuestionAboutAChangedGrid)
{
    RecordingDialogs answers;
    ScopedDialogs install(answers);
    enter(4, 4);
    keys("catsopotatsxxxxx");
    chooserAnswer = folder() + "/designed.grd";
    factory().saveGrid();
    EXPECT_EQ(asked.back(), "Save Lettrava Grid");
    EXPECT_FALSE(factory().editor().modified());
    ASSERT_TRUE(std::filesystem::exists(dir_ / "designed.grd"));

    // A 5 x 3 grid with its own lengths and reuse takes over the panels.
    test::writeFile(dir_ / "small.grd",
                    "COLS=5\r\nROWS=3\r\nMIN_WORD_LENGTH=4\r\nMAX_WORD_LENGTH=6\r\nALLOW_REUSE=0\r\n>ABCDE\r\n>FGHIJ\r\n>KLMNO\r\n");
    chooserAnswer = folder() + "/small.grd";
    keys("z"); // changed again: Load asks first
    answers.answers.push_back(MessageAnswer::Cancel);
    EXPECT_FALSE(factory().loadGrid());
    EXPECT_EQ(answers.messages.back().text, "Do you want to save the grid?");
    EXPECT_EQ(board().columns(), 4) << "cancelled: nothing happened";
    answers.answers.push_back(MessageAnswer::No);
    ASSERT_TRUE(factory().loadGrid());
    EXPECT_EQ(asked.back(), "Load Lettrava Grid");
    EXPECT_EQ(board().columns(), 5);
    EXPECT_EQ(board().rows(), 3);
    EXPECT_EQ(window->findChild<TUpDown*>("updDimCol")->value(), 5);
    EXPECT_EQ(factory().minimumLength()->value(), 4);
    EXPECT_EQ(factory().maximumLength()->value(), 6);
    EXPECT_FALSE(factory().allowReuse()->isChecked());
    EXPECT_EQ(letter(4, 2), "O");
    QTest::keyClick(window.get(), Qt::Key_Left);
    EXPECT_EQ(factory().editor().cursor(), GridCell(4, 0, 5, 3)) << "wraps within the file's size";

    chooserAnswer = folder() + "/missing.grd";
    EXPECT_FALSE(factory().loadGrid());
    EXPECT_EQ(answers.messages.back().text, "Unable to load grid.");

    // Random fills every cell of the grid and nothing is left to save.
    factory().randomGrid();
    int letters = 0;
    for (int c = 0; c < board().columns(); ++c)
        for (int r = 0; r < board().rows(); ++r)
            letters += letter(c, r) != " ";
    EXPECT_GT(letters, 0);
    EXPECT_FALSE(factory().editor().modified());
}

TEST_F(FactoryModeTest, RandomAtANewSizeAsksAtMostTwice)
{
    RecordingDialogs answers;
    ScopedDialogs install(answers);
    enter(3, 3);
    keys("abc");
    window->findChild<TUpDown*>(QStringLiteral("updDimCol"))->setValue(5);
    answers.answers = {MessageAnswer::No, MessageAnswer::No};
    ASSERT_TRUE(factory().randomGrid());
    EXPECT_EQ(answers.messages.size(), 2u) << "Random asks, then the new grid asks again";
    EXPECT_EQ(board().columns(), 5);
    EXPECT_FALSE(factory().editor().modified());

    keys("abc");
    answers.answers = {MessageAnswer::No, MessageAnswer::Cancel};
    window->findChild<TUpDown*>(QStringLiteral("updDimCol"))->setValue(4);
    EXPECT_FALSE(factory().randomGrid()) << "the second question cancelled it";
    EXPECT_EQ(board().columns(), 5);
}

namespace {

QString labelText(QWidget& w, const char* name) { return w.findChild<QLabel*>(QLatin1String(name))->text(); }

// Answers the next input dialogs with the given texts, one each time one opens.
void answerInputs(std::shared_ptr<QStringList> texts)
{
    QTimer::singleShot(10, [texts] {
        auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        if (!box) {
            answerInputs(texts); // not up yet
            return;
        }
        if (texts->isEmpty()) {
            box->reject();
            return;
        }
        box->setTextValue(texts->takeFirst());
        box->accept();
        if (!texts->isEmpty())
            answerInputs(texts);
    });
}

} // namespace

TEST_F(FactoryModeTest, TheGeneratorPlacesAListThatFitsAndTheBoardShowsTheBestGrid)
{
    enter(4, 4);
    window->findChild<QAction*>("mnuFactoryWordList")->trigger();
    TFactoryWordListForm* form = factory().wordList();
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(factory().caret()->isVisible()) << "the caret stays hidden once the window exists";
    EXPECT_FALSE(form->findChild<QPushButton*>("btnGenerateGrid")->isEnabled()) << "no words yet";

    // Words of the dictionary's own letters: the generator draws from its weights.
    form->setWords({"CAT", "TOP"});
    EXPECT_EQ(labelText(*form, "lblWordListLength"), "2");
    form->generateGrid();
    EXPECT_TRUE(form->findChild<QPushButton*>("btnStop")->isEnabled());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form->running(); }, 20000)) << "two short words fit a 4 x 4 grid";
    EXPECT_EQ(labelText(*form, "lblWordsPlaced"), "ALL!");
    EXPECT_FALSE(form->findChild<QPushButton*>("btnStop")->isEnabled());
    EXPECT_TRUE(factory().editor().grid()->traceWord("CAT"));
    EXPECT_TRUE(factory().editor().grid()->traceWord("TOP"));
    EXPECT_TRUE(form->entryPlaced(0));
    // The board shows the bred grid.
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 4; ++r)
            EXPECT_EQ(letter(c, r), QString(QChar::fromLatin1(factory().editor().grid()->letterAt(c + 1, r + 1))));

    // Typing still writes into the grid, the caret hidden.
    keys("q");
    EXPECT_EQ(letter(0, 0), "Q");
    EXPECT_FALSE(factory().caret()->isVisible());
}

TEST_F(FactoryModeTest, PauseStopsTheClockLabelsNewStopsTheRunAndCloseAsksFirst)
{
    RecordingDialogs answers;
    ScopedDialogs install(answers);
    enter(3, 3);
    factory().showWordList();
    TFactoryWordListForm* form = factory().wordList();
    // Words that cannot all fit a 3 x 3 grid: the run goes on until stopped.
    form->setWords({"ABCDEFGH", "IJKLMNOP", "QRSTUVWX", "YZABCDEF"});
    form->generateGrid();
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->run()->generations() >= 3; }, 10000));
    form->togglePause();
    EXPECT_EQ(form->findChild<QPushButton*>("btnPause")->text(), "Resume");
    const int generations = form->run()->generations();
    const QString clockWhenPaused = labelText(*form, "lblElapsedSearchTime");
    QTest::qWait(1100);
    EXPECT_EQ(form->run()->generations(), generations) << "paused";
    EXPECT_EQ(labelText(*form, "lblElapsedSearchTime"), clockWhenPaused) << "the clock stands still while paused";
    EXPECT_EQ(labelText(*form, "lblGenerations"), QString::number(generations));
    form->togglePause();
    EXPECT_EQ(form->findChild<QPushButton*>("btnPause")->text(), "Pause");
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->run()->generations() > generations; }, 10000));

    // Closing during the run: No keeps the window and the run.
    answers.answers.push_back(MessageAnswer::No);
    form->close();
    EXPECT_EQ(answers.messages.back().text, "Do you want to stop the grid generation process?");
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(form->running());

    // New stops the run before it replaces the grid, and the window follows the new grid.
    ASSERT_TRUE(factory().newGrid());
    EXPECT_FALSE(form->running());
    form->setWords({"CAT"});
    form->generateGrid();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form->running(); }, 20000));
    EXPECT_TRUE(factory().editor().grid()->traceWord("CAT")) << "the run bred the designer's new grid";

    // With the spinners at another size, a run first makes a grid of that
    // size, as Random does (asking about the changed grid first).
    window->findChild<TUpDown*>(QStringLiteral("updDimCol"))->setValue(4);
    window->findChild<TUpDown*>(QStringLiteral("updDimRow"))->setValue(5);
    answers.answers.push_back(MessageAnswer::No);
    form->generateGrid();
    EXPECT_EQ(factory().editor().cursor().columns, 4);
    EXPECT_EQ(factory().editor().cursor().rows, 5);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form->running(); }, 20000));
    EXPECT_TRUE(factory().editor().grid()->traceWord("CAT"));
}

TEST_F(FactoryModeTest, AddingWordsChecksEachAndLoadingTakesEveryRunOfLetters)
{
    RecordingDialogs answers;
    ScopedDialogs install(answers);
    enter(3, 3);
    factory().showWordList();
    TFactoryWordListForm* form = factory().wordList();
    answerInputs(std::make_shared<QStringList>(QStringList{"x-ray"}));
    form->addWord();
    EXPECT_EQ(form->words(), std::vector<std::string>{"XRAY"});
    answerInputs(std::make_shared<QStringList>(QStringList{"ab", "xray", "cat"}));
    form->addWord();
    ASSERT_EQ(answers.messages.size(), 2u);
    EXPECT_EQ(answers.messages[0].text, "Words must be at least 3 letters long.");
    EXPECT_EQ(answers.messages[1].text, "That word is already in the list");
    EXPECT_EQ(form->words(), (std::vector<std::string>{"XRAY", "CAT"})) << "the box opens again after an error";

    test::writeFile(dir_ / "list.txt", "cat, dog cat");
    chooserAnswer = folder() + "/list.txt";
    form->loadList();
    EXPECT_EQ(asked.back(), "Open word list file");
    EXPECT_EQ(form->words(), (std::vector<std::string>{"CAT", "DOG", "CAT"}));
    EXPECT_EQ(labelText(*form, "lblWordListLength"), "3");
    form->selectAll();
    form->deleteSelected();
    EXPECT_TRUE(form->words().empty());
    EXPECT_FALSE(form->findChild<QPushButton*>("btnGenerateGrid")->isEnabled());
}

TEST_F(FactoryModeTest, AccentedKeysWriteTheirCapitals)
{
    enter(3, 3);
    // A key as a keyboard sends it: the character typed is its text.
    for (QChar c : QString::fromUtf8("éßü")) {
        QKeyEvent press(QEvent::KeyPress, c.toUpper().unicode(), Qt::NoModifier, QString(c));
        QApplication::sendEvent(window.get(), &press);
    }
    EXPECT_EQ(letter(0, 0) + letter(1, 0) + letter(2, 0), QString::fromUtf8("ÉßÜ"));
    EXPECT_EQ(factory().editor().grid()->letterAt(1, 1), '\xC9');
}
