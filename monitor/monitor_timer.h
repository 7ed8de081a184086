#pragma once

#include <QTimer>

#include <functional>

namespace zrt {

class ConnectionMonitor;

// Runs a monitor from the event loop, once a second: first the meter tick,
// while the monitor meters a connection, so the figures are those of the
// present; then the monitor tick.
class MonitorTimer {
public:
    // `afterTick` runs after every second's ticks.
    explicit MonitorTimer(ConnectionMonitor& monitor, std::function<void()> afterTick = {});

    void start() { timer_.start(); }
    void stop() { timer_.stop(); }

private:
    void runTicks();

    ConnectionMonitor& monitor_;
    std::function<void()> afterTick_;
    QTimer timer_;
};

} // namespace zrt
