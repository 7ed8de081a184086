#pragma once

#include <QLockFile>
#include <QString>

namespace zrt {

// One windowed copy of the program per user: a lock file in the user's
// runtime folder, held for the life of this object. A lock left behind by
// a copy that died is taken over.
class InstanceLock {
public:
    explicit InstanceLock(const QString& folder);

    // Another copy holds the lock. When the lock cannot be made at all (a
    // folder that cannot be written) this copy runs, and says so in the log.
    bool anotherCopyRunning() const { return anotherCopyRunning_; }

    // The user's runtime folder ($XDG_RUNTIME_DIR).
    static QString runtimeFolder();

private:
    QLockFile file_;
    bool anotherCopyRunning_ = false;
};

} // namespace zrt
