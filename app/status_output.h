#pragma once

#include <QByteArray>

namespace zrt::app {

// Where the headless program prints its status lines. Writing never
// blocks: a line the reader is not ready for (a stalled logger, a terminal
// stopped with Ctrl-S) is dropped, so the meter keeps its time.
class StatusOutput {
public:
    enum class Result { Written, Dropped, Closed };

    explicit StatusOutput(int fd);
    ~StatusOutput();
    StatusOutput(const StatusOutput&) = delete;
    StatusOutput& operator=(const StatusOutput&) = delete;

    Result write(const QByteArray& line);

private:
    int fd_;
    bool ownFd_ = false;
};

} // namespace zrt::app
