#pragma once

#include <QString>

#include <optional>

namespace zrt {

// A second meter on the same database file ends with this status.
inline constexpr int kAnotherMeterExitStatus = 3;

// One meter per database file, windowed or headless, whatever folder or
// link leads to the file: an advisory lock on FILE.lock beside the file's
// real path, held while this object lives. The kernel lets the lock go
// with the process, so a meter that died leaves none behind.
class MeterLock {
public:
    enum class Outcome { Taken, HeldByAnotherMeter, Unavailable };

    explicit MeterLock(const QString& databasePath);
    ~MeterLock();
    MeterLock(const MeterLock&) = delete;
    MeterLock& operator=(const MeterLock&) = delete;

    Outcome outcome() const { return outcome_; }
    // The lock file's path, for messages.
    const QString& path() const { return path_; }

private:
    QString path_;
    int fd_ = -1;
    Outcome outcome_ = Outcome::Unavailable;
};

} // namespace zrt
