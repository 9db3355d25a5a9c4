#include "ui/platform/QtTime.h"

#include <QCoreApplication>
#include <QEvent>
#include <QThread>
#include <QTimer>

namespace lettrava {

QtClock::QtClock() { elapsed_.start(); }

std::uint32_t QtClock::tickCount()
{
    // The count wraps after 2^32 ms, as the engine expects.
    return static_cast<std::uint32_t>(static_cast<quint64>(elapsed_.elapsed()) & 0xffffffffu);
}

void QtClock::sleep(std::uint32_t milliseconds)
{
    if (QCoreApplication::instance() != nullptr)
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    QThread::msleep(milliseconds);
}

namespace {

class QtTimer final : public Timer {
public:
    QtTimer(std::uint32_t intervalMs, std::function<void()> onTick) : onTick_(std::move(onTick))
    {
        timer_.setInterval(static_cast<int>(intervalMs));
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (onTick_)
                onTick_();
        });
    }
    void setEnabled(bool enabled) override
    {
        if (enabled && !timer_.isActive())
            timer_.start();
        else if (!enabled)
            timer_.stop();
    }
    bool isEnabled() const override { return timer_.isActive(); }

private:
    QTimer timer_;
    std::function<void()> onTick_;
};

} // namespace

std::unique_ptr<Timer> QtTimerFactory::createTimer(std::uint32_t intervalMs, std::function<void()> onTick)
{
    return std::make_unique<QtTimer>(intervalMs, std::move(onTick));
}

} // namespace lettrava
