#pragma once

#include "core/game/Game.h"
#include "core/grid/CompSearchThread.h"
#include "core/grid/Grid.h"
#include "core/grid/GridFile.h"
#include "core/grid/GridOptions.h"
#include "core/platform/Clock.h"
#include "core/platform/Paths.h"
#include "core/platform/Random.h"
#include "core/headless/RecordingDialogs.h"
#include "core/headless/RecordingGameView.h"
#include "core/platform/Sounds.h"
#include "core/players/PlayerFileManager.h"
#include "support/GameBench.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lettrava::test {

// A whole game under test in a recording main window: the game bench with
// recorded dialogs.
class GameFixture : public ::testing::Test, public GameBench {
protected:
    explicit GameFixture(const std::vector<std::string>& words = defaultWords())
        : GameBench(view, words), installDialogs_(dialogs_)
    {
    }
    ~GameFixture() override { game.reset(); }

    std::uint32_t roundElapsedMs()
    {
        const Round* r = game->round();
        return clock_.tickCount() - r->startTick - static_cast<std::uint32_t>(r->pausedTotal);
    }

    RecordingDialogs dialogs_;
    ScopedDialogs installDialogs_;
    RecordingGameView view;
};

} // namespace lettrava::test
