#include "core/headless/TaskLoop.h"
#include "core/platform/TaskSeam.h"

#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <thread>
#include <vector>

using namespace lettrava;
using namespace std::chrono_literals;

TEST(TaskLoop, RunsPostedTasksInOrderOnItsOwnThread)
{
    TaskLoop loop;
    std::vector<int> order;
    std::thread::id ranOn;
    std::thread worker([&] {
        EXPECT_FALSE(loop.onUiThread());
        for (int i = 0; i < 100; ++i)
            loop.post([&order, i] { order.push_back(i); });
        loop.post([&] { ranOn = std::this_thread::get_id(); });
    });
    worker.join();
    EXPECT_TRUE(loop.onUiThread());
    ASSERT_TRUE(loop.runUntil([&] { return order.size() == 100; }, 5s));
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(order[static_cast<std::size_t>(i)], i);
    EXPECT_EQ(ranOn, std::this_thread::get_id());
}

TEST(TaskLoop, FiresTimersOnTheRealClockAndSurvivesHandlersThatDestroyThem)
{
    TaskLoop loop;
    int ticks = 0;
    auto every = loop.createTimer(10, [&] { ++ticks; });
    every->setEnabled(true);
    std::unique_ptr<Timer> once;
    int onceFired = 0;
    once = loop.createTimer(5, [&] {
        ++onceFired;
        once.reset(); // a handler that ends its own timer
    });
    once->setEnabled(true);
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(loop.runUntil([&] { return ticks >= 5; }, 5s));
    EXPECT_GE(std::chrono::steady_clock::now() - start, 40ms) << "five ticks of 10 ms cannot come sooner";
    EXPECT_EQ(onceFired, 1);
    every->setEnabled(false);
    const int stopped = ticks;
    loop.runFor(30ms);
    EXPECT_EQ(ticks, stopped);
}

TEST(TaskLoop, QuitFromAnotherThreadEndsRun)
{
    TaskLoop loop;
    bool ran = false;
    std::thread other([&] {
        loop.post([&] { ran = true; });
        loop.quit();
    });
    loop.run();
    other.join();
    EXPECT_TRUE(ran);
}

TEST(UiCaller, AnswersAWaitingThreadFromTheUserInterfaceThread)
{
    TaskLoop loop;
    UiCaller caller(loop);
    std::atomic<bool> done{false};
    std::thread::id ranOn;
    std::optional<int> answer;
    std::thread worker([&] {
        answer = caller.call([&] {
            ranOn = std::this_thread::get_id();
            return 42;
        });
        done = true;
    });
    ASSERT_TRUE(loop.runUntil([&] { return done.load(); }, 5s));
    worker.join();
    EXPECT_EQ(answer, 42);
    EXPECT_EQ(ranOn, std::this_thread::get_id());
    // On the user-interface thread itself the call runs at once.
    EXPECT_EQ(caller.call([] { return 7; }), 7);
    EXPECT_EQ(caller.call([] {}), true);
}

TEST(UiCaller, ClosingWakesWaitersAndSilencesQueuedTasks)
{
    TaskLoop loop;
    UiCaller caller(loop);
    std::promise<void> posted;
    std::promise<std::optional<int>> result;
    bool lateTaskRan = false;
    std::thread worker([&] {
        caller.post([&] { lateTaskRan = true; });
        posted.set_value();
        result.set_value(caller.call([] { return 1; }));
    });
    posted.get_future().wait();
    // The user-interface thread shuts the network side down instead of
    // getting to the queued tasks.
    caller.close();
    auto answer = result.get_future();
    ASSERT_EQ(answer.wait_for(5s), std::future_status::ready);
    EXPECT_EQ(answer.get(), std::nullopt);
    worker.join();
    loop.runPending();
    EXPECT_FALSE(lateTaskRan);
    EXPECT_EQ(caller.call([] { return 3; }), std::nullopt) << "a closed caller answers nothing";
}
