#pragma once

// The main window under test: a small dictionary, manual time, recorded
// sounds, and the steps of play as a player takes them.

#include "UiTestSupport.h"

#include "core/game/Game.h"
#include "core/grid/CompSearchThread.h"
#include "core/grid/GridFile.h"
#include "core/grid/GridOptions.h"
#include "core/platform/Clock.h"
#include "core/platform/Random.h"
#include "core/platform/Sounds.h"
#include "core/players/PlayerFileManager.h"
#include "ui/platform/FileChooser.h"
#include "ui/shell/GameWindows.h"
#include "ui/platform/LowColour.h"
#include "ui/platform/SettingsStore.h"
#include "ui/platform/Settings.h"
#include "ui/platform/SharedPictures.h"
#include "ui/widgets/TAdvancedPanel.h"
#include "ui/widgets/TFlashingLabel.h"
#include "ui/widgets/TGridFileList.h"
#include "ui/board/TLetterLabel.h"
#include "ui/shell/TMainForm.h"
#include "ui/widgets/TPictureButton.h"
#include "ui/dialogs/TPlayerInfoDlg.h"
#include "ui/dialogs/TPreferencesForm.h"
#include "core/headless/ManualTimers.h"
#include "core/headless/RecordingSounds.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QSpinBox>
#include <QSplitter>
#include <QTest>
#include <QTimer>

#include <algorithm>


using namespace lettrava;
using lettrava::test::UiTest;

namespace {

const std::vector<std::string> kWords = {"CAT", "CATS", "ACT", "TOP", "STOP", "COAT", "TOPS", "POTS", "SPOT",
                                         "OPTS", "PAT", "TAP", "SAT", "APT", "PATS", "SPAT", "TAPS", "OAT", "OATS"};

// A results window as the game sees it, counting how it was shown.
struct CountingResults : ResultsWindow {
    explicit CountingResults(int& shown) : shown_(shown) {}
    void showModal() override { ++shown_; }
    void showModeless() override {}
    void requestHide() override {}
    int& shown_;
};

struct Slot {
    int method;
    QString name;
};

class MainWindowTest : public UiTest {
protected:
    MainWindowTest() : dictionary_(kWords), time_(clock_, timers_)
    {
        PlayerFileManager::useFile(dir_ / "LTPlayers.dat");
        gridOptions() = GridOptions{};
        test::writeFile(dir_ / "round.grd", "ROWS=4\r\nCOLS=4\r\n>CATS\r\n>OPTS\r\n>ATOP\r\n>SPAT\r\n");
        gridPath = folder() + "/round.grd";
        setFileChooserForTests([this](const QString& title, const QString&, const QString&) {
            asked.push_back(title);
            return chooserAnswer;
        });
        openWindow();
    }
    ~MainWindowTest() override
    {
        window.reset();
        setSounds(nullptr);
        setFileChooserForTests(nullptr);
        PlayerFileManager::resetInstance();
        gridOptions() = GridOptions{};
    }

    void openWindow()
    {
        window = std::make_unique<TMainForm>();
        // The window installed its own sound player; the test listens instead.
        setSounds(&sounds_);
        Random::instance().seed(4242);
        window->show();
        // Keys reach the window's shortcuts only while it is the active window.
        QApplication::setActiveWindow(window.get());
        window->activateWindow();
        (void)QTest::qWaitForWindowActive(window.get(), 2000);
    }

    template <class T>
    T* child(const QString& name) const
    {
        T* c = window->findChild<T*>(name);
        EXPECT_NE(c, nullptr) << name.toStdString();
        return c;
    }
    QAction* action(const char* name) const { return child<QAction>(QLatin1String(name)); }
    QLineEdit* entry() const { return child<QLineEdit>("edtWordEntry"); }
    QString status() const { return child<QLabel>("stbPanel0")->text(); }
    QString label(const char* name) const { return child<QLabel>(QLatin1String(name))->text(); }
    bool shown(const char* name) const { return child<QWidget>(QLatin1String(name))->isVisibleTo(window.get()); }
    Game& game() const { return *window->game(); }

    // Runs `fill` on the setup dialog once the window opens it, then accepts it.
    void whenSetupDialogShows(std::function<void(TPlayerInfoDlg&)> fill, bool accept = true)
    {
        QTimer::singleShot(0, [this, fill, accept] {
            auto* d = qobject_cast<TPlayerInfoDlg*>(QApplication::activeModalWidget());
            if (!d) {
                ADD_FAILURE() << "no setup dialog";
                return;
            }
            ++setupDialogsSeen;
            fill(*d);
            if (!accept) {
                d->reject();
                return;
            }
            d->tryAccept();
            if (d->isVisible()) {
                ADD_FAILURE() << "the setup was refused: " << shown_.messages.back().text;
                d->reject();
            }
        });
    }

    // Chooses the players, manual rounds of the given length, and the test
    // grid for every round.
    void chooseSetup(TPlayerInfoDlg& d, const std::vector<Slot>& seats, int rounds, const QString& duration)
    {
        d.findChild<QSpinBox*>("updNumPlayers")->setValue(static_cast<int>(seats.size()));
        for (std::size_t i = 0; i < seats.size(); ++i) {
            auto* method = d.findChild<QComboBox*>(QStringLiteral("cmbPlayer%1Input").arg(i + 1));
            auto* name = d.findChild<QComboBox*>(QStringLiteral("cmbPlayer%1Name").arg(i + 1));
            method->setCurrentIndex(seats[i].method);
            if (name->isEditable())
                name->setEditText(seats[i].name);
            else
                name->setCurrentText(seats[i].name);
        }
        d.findChild<QSpinBox*>("updRoundsPerGame")->setValue(rounds);
        d.findChild<QComboBox*>("cmbGridSizeOrder")->setCurrentIndex(3);
        auto* list = d.findChild<TGridFileList*>("lbxGridFiles");
        list->setCurrentRow(0);
        QStringList files;
        for (int i = 0; i < rounds; ++i)
            files << gridPath;
        chooserAnswer = files.join('\n');
        d.findChild<TPictureButton*>("btnAddGridFile")->click();
        chooserAnswer.clear();
        if (duration == "auto") {
            d.findChild<QComboBox*>("cmbRoundDuration")->setCurrentIndex(0);
        } else {
            d.findChild<QComboBox*>("cmbRoundDuration")->setCurrentIndex(1);
            d.findChild<QLineEdit*>("edtRoundDurationMinutes")->setText(duration.section(':', 0, 0));
            d.findChild<QLineEdit*>("edtRoundDurationSeconds")->setText(duration.section(':', 1, 1));
        }
    }

    void newGame(const std::vector<Slot>& seats, int rounds = 2, const QString& duration = "1:00")
    {
        whenSetupDialogShows([=, this](TPlayerInfoDlg& d) { chooseSetup(d, seats, rounds, duration); });
        action("mnuGameNew")->trigger();
        ASSERT_NE(window->game(), nullptr);
        // A desktop gives the activation back when the dialog closes.
        QApplication::setActiveWindow(window.get());
    }

    void startRound()
    {
        action("actRoundStart")->trigger();
        ASSERT_TRUE(game().roundRunning);
        game().round()->solver()->waitFor();
    }

    void type(const QString& word, Qt::Key submit = Qt::Key_Return)
    {
        QTest::keyClicks(entry(), word);
        QTest::keyClick(entry(), submit);
    }

    void click(int column, int row, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(window->letterAt(column, row), button);
    }

    void runToRoundEnd()
    {
        timers_.runUntil([this] { return !game().roundRunning; }, 10'000'000);
        ASSERT_FALSE(game().roundRunning);
    }

    bool played(SoundEvent e) const
    {
        const auto p = sounds_.played();
        return std::find(p.begin(), p.end(), e) != p.end();
    }

    test::ScopedDictionary dictionary_;
    ManualClock clock_;
    ManualTimers timers_{clock_};
    ScopedTime time_;
    RecordingSounds sounds_;
    QString gridPath;
    QString chooserAnswer;
    QStringList asked;
    int setupDialogsSeen = 0;
    std::unique_ptr<TMainForm> window;
};

} // namespace
