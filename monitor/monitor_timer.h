#pragma once

#include <QTimer>

#include <chrono>
#include <functional>
#include <optional>

namespace zrt {

class ConnectionMonitor;
class DialUpService;

// Runs a monitor from the event loop. Each run is first the meter tick,
// while the monitor meters a connection, so the figures are those of the
// present; then the monitor tick.
//
// While the dial-up backend tells of its changes, a run follows each change
// at once and the timer runs only when it must: once a second while a
// connection is metered, every ten seconds while a log write or the
// settling of old rows waits for the file, never while the line is idle.
// A backend that cannot tell of its changes is asked once a second.
class MonitorTimer {
public:
    enum class News { Watched, Ignored };

    static constexpr std::chrono::milliseconds kSecond{1000};
    static constexpr std::chrono::milliseconds kRetryInterval{10'000};

    // `afterTick` runs after every run's ticks.
    MonitorTimer(ConnectionMonitor& monitor, DialUpService& dialUp, std::function<void()> afterTick = {});
    ~MonitorTimer();
    MonitorTimer(const MonitorTimer&) = delete;
    MonitorTimer& operator=(const MonitorTimer&) = delete;

    // Runs the ticks once at once; with News::Ignored the backend's news is
    // not listened to and the monitor is asked once a second.
    void start(News news = News::Watched);
    void stop();

    // How long until the timer's next run; nothing while it is stopped.
    std::optional<std::chrono::milliseconds> nextRunInterval() const;

private:
    void runTicks();
    void schedule();
    std::optional<std::chrono::milliseconds> intervalNeeded();
    bool followsNews() const;

    ConnectionMonitor& monitor_;
    DialUpService& dialUp_;
    std::function<void()> afterTick_;
    QTimer timer_;
    bool watching_ = false;
    bool fallbackLogged_ = false;
};

} // namespace zrt
