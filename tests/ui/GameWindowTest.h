#pragma once

#include "UiTestSupport.h"
#include "support/GameBench.h"

#include "core/game/Game.h"
#include "core/grid/CompSearchThread.h"
#include "core/grid/GridOptions.h"
#include "core/platform/Clock.h"
#include "core/platform/Random.h"
#include "core/headless/RecordingGameView.h"
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
        auto window = makeResultsWindow(game, round, mainWindow);
        lastResults = static_cast<TRRForm*>(window.get());
        return window;
    }
    void showCongratulations(const std::string& text, bool humanWinner) override
    {
        events.push_back("congratulations:" + text + (humanWinner ? " (won)" : ""));
        lettrava::showCongratulations(nullptr, text, humanWinner);
    }
    TRRForm* lastResults = nullptr;
    // The window the results window belongs to, when a test gives one.
    QWidget* mainWindow = nullptr;
};

// A whole game under test with real windows: the game bench, and custom
// words in the program folder.
class GameWindowTest : public UiTest, public GameBench {
protected:
    GameWindowTest();
    ~GameWindowTest() override;

    // Rounds of half a minute unless a test says otherwise.
    Game& newGame(const std::vector<PlayerChoice>& players, const std::string& grid, int rounds,
                  const std::string& duration = "0:30")
    {
        return GameBench::newGame(players, grid, rounds, duration);
    }

    WindowedGameView view;
};

} // namespace lettrava::test
