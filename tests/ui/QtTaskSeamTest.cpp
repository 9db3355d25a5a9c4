#include "core/platform/TaskSeam.h"
#include "ui/platform/QtTaskSeam.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

using namespace lettrava;

// A connection thread's call reaches Qt's user-interface thread and comes
// back with the answer while the event loop runs.
TEST(QtTaskSeam, CallsFromAThreadRunInTheEventLoop)
{
    QtTaskSeam seam;
    UiCaller caller(seam);
    EXPECT_TRUE(seam.onUiThread());
    std::atomic<bool> done{false};
    std::optional<bool> answeredOnUi;
    std::thread worker([&] {
        EXPECT_FALSE(seam.onUiThread());
        answeredOnUi = caller.call([&] { return seam.onUiThread(); });
        done = true;
    });
    QElapsedTimer waited;
    waited.start();
    while (!done && waited.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    worker.join();
    ASSERT_TRUE(done);
    EXPECT_EQ(answeredOnUi, true);
}
