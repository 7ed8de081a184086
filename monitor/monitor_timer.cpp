#include "monitor_timer.h"

#include "connection_monitor.h"

#include <chrono>
#include <utility>

namespace zrt {

MonitorTimer::MonitorTimer(ConnectionMonitor& monitor, std::function<void()> afterTick)
    : monitor_(monitor), afterTick_(std::move(afterTick))
{
    timer_.setInterval(std::chrono::seconds(1));
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { runTicks(); });
}

void MonitorTimer::runTicks()
{
    if (monitor_.meterRunning())
        monitor_.meterTick();
    monitor_.tick();
    if (afterTick_)
        afterTick_();
}

} // namespace zrt
