#include "monitor_timer.h"

#include "connection_monitor.h"
#include "monitor_log.h"

#include "dialup/dialup_service.h"

#include <utility>

namespace zrt {

MonitorTimer::MonitorTimer(ConnectionMonitor& monitor, DialUpService& dialUp, std::function<void()> afterTick)
    : monitor_(monitor), dialUp_(dialUp), afterTick_(std::move(afterTick))
{
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { runTicks(); });
}

MonitorTimer::~MonitorTimer()
{
    stop();
}

void MonitorTimer::start(News news)
{
    if (news == News::Watched) {
        dialUp_.watch([this] { runTicks(); });
        watching_ = true;
    }
    runTicks();
}

void MonitorTimer::stop()
{
    timer_.stop();
    if (std::exchange(watching_, false))
        dialUp_.watch({});
}

std::optional<std::chrono::milliseconds> MonitorTimer::nextRunInterval() const
{
    if (!timer_.isActive())
        return std::nullopt;
    return timer_.intervalAsDuration();
}

void MonitorTimer::runTicks()
{
    if (monitor_.meterRunning())
        monitor_.meterTick();
    monitor_.tick();
    if (afterTick_)
        afterTick_();
    schedule();
}

void MonitorTimer::schedule()
{
    const std::optional<std::chrono::milliseconds> interval = intervalNeeded();
    if (!interval)
        timer_.stop();
    else if (!timer_.isActive() || timer_.intervalAsDuration() != *interval)
        timer_.start(*interval); // a running timer keeps its phase
}

std::optional<std::chrono::milliseconds> MonitorTimer::intervalNeeded()
{
    if (!followsNews()) {
        if (!std::exchange(fallbackLogged_, true))
            qCInfo(monitorLog) << "no news of the dial-up connections: the line is checked once a second";
        return kSecond;
    }
    if (monitor_.meterRunning())
        return kSecond;
    if (monitor_.hasPendingWork())
        return kRetryInterval;
    return std::nullopt;
}

bool MonitorTimer::followsNews() const
{
    return watching_ && dialUp_.watchesEvents();
}

} // namespace zrt
