#pragma once

#include "UiTestSupport.h"

#include "core/game/Game.h"
#include "core/grid/CompSearchThread.h"
#include "core/grid/GridOptions.h"
#include "core/platform/Clock.h"
#include "core/platform/Random.h"
#include "core/platform/RecordingGameView.h"
#include "core/platform/Sounds.h"
#include "core/players/PlayerFileManager.h"
#include "ui/shell/GameWindows.h"
#include "ui/dialogs/TRRForm.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace lettrava::test {

// Runs `act` on the next modal window of type W as soon as it is up, from
// the event loop of the window's own exec(). A window that does not come up
// in time is a failure; whatever modal window is up then is closed so that
// the test cannot hang.
template <class W>
void whenModal(std::function<void(W&)> act)
{
    auto* timer = new QTimer;
    auto tries = std::make_shared<int>(0);
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, tries, act] {
        if (auto* w = qobject_cast<W*>(QApplication::activeModalWidget()); w && w->isVisible()) {
            timer->stop();
            timer->deleteLater();
            act(*w);
            return;
        }
        if (++*tries > 2000) {
            timer->stop();
            timer->deleteLater();
            ADD_FAILURE() << "the expected window did not open";
            if (QWidget* other = QApplication::activeModalWidget())
                other->close();
        }
    });
    timer->start();
}

// A main window that opens the real results and congratulations windows.
class WindowedGameView : public RecordingGameView {
public:
    std::unique_ptr<ResultsWindow> createResultsWindow(Game& game, Round& round) override
    {
        events.push_back("results:created");
        auto window = makeResultsWindow(game, round, nullptr);
        lastResults = static_cast<TRRForm*>(window.get());
        return window;
    }
    void showCongratulations(const std::string& text, bool humanWinner) override
    {
        events.push_back("congratulations:" + text + (humanWinner ? " (won)" : ""));
        lettrava::showCongratulations(nullptr, text, humanWinner);
    }
    TRRForm* lastResults = nullptr;
};

// A whole game under test with real windows: a small dictionary, a manual
// clock and timers, recorded sounds and dialogs, a player file and custom
// words in temporary folders.
class GameWindowTest : public UiTest {
protected:
    GameWindowTest();
    ~GameWindowTest() override;

    static std::vector<std::string> defaultWords();
    std::string gridFile(const std::vector<std::string>& rows, const std::string& name = "round.grd");
    static PlayerChoice human(const std::string& name, std::int32_t method = InputMethod::KeyboardAndMouse);
    static PlayerChoice computer(const std::string& name);
    Game& newGame(const std::vector<PlayerChoice>& players, const std::string& grid, int rounds,
                  const std::string& duration = "0:30");
    void startRound();
    VerdictCode type(const std::string& word);
    // Runs the clock to the round's end; the windows it opens are handled by
    // the whenModal actions set up before.
    void runToRoundEnd();

    TempDir home_;
    ScopedDictionary dictionary_;
    ManualClock clock_;
    ManualTimers timers_{clock_};
    ScopedTime time_;
    RecordingSounds sounds_;
    ScopedSounds installSounds_;
    WindowedGameView view;
    std::unique_ptr<Game> game;
};

} // namespace lettrava::test
