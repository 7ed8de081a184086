#pragma once

#include <QSocketNotifier>

#include <functional>
#include <memory>

namespace zrt::app {

// Turns SIGINT, SIGTERM and SIGHUP into a call on the event loop, so the
// program can end in order. The signal handler only writes the signal's
// number to a pipe; everything else runs as an ordinary event. One
// instance at a time; the default handling comes back when it goes.
class TerminationSignals {
public:
    // Throws std::system_error when the pipe or the handlers cannot be set up.
    explicit TerminationSignals(std::function<void(int signal)> onSignal);
    ~TerminationSignals();
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

private:
    void readSignals();

    std::function<void(int)> onSignal_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

} // namespace zrt::app
