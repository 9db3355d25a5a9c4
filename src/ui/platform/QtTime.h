#pragma once

#include "core/platform/Clock.h"

#include <QElapsedTimer>

namespace lettrava {

// The program's clock: a monotonic millisecond count. Sleeping first paints
// what the windows have pending (the round's "OVER" shows during the pause
// after a round), then blocks; no other event is handled meanwhile.
class QtClock final : public Clock {
public:
    QtClock();
    std::uint32_t tickCount() override;
    void sleep(std::uint32_t milliseconds) override;

private:
    QElapsedTimer elapsed_;
};

// Timers that fire on the user-interface thread through QTimer.
class QtTimerFactory final : public TimerFactory {
public:
    std::unique_ptr<Timer> createTimer(std::uint32_t intervalMs, std::function<void()> onTick) override;
};

} // namespace lettrava
