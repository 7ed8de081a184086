#include "instance_lock.h"

#include "ui/common/window_log.h"

#include <QDir>
#include <QStandardPaths>

namespace zrt {

namespace {

const QString kLockFileName = QStringLiteral("zrtellix.lock");

} // namespace

InstanceLock::InstanceLock(const QString& folder) : file_(QDir(folder).filePath(kLockFileName))
{
    // Only a dead owner makes a lock stale, never its age: the program runs for days.
    file_.setStaleLockTime(0);
    QDir().mkpath(folder);
    if (file_.tryLock(0))
        return;
    anotherCopyRunning_ = file_.error() == QLockFile::LockFailedError;
    if (!anotherCopyRunning_)
        qCWarning(uiLog) << "cannot make the lock file in" << folder
                              << "; a second copy of the program would not be noticed";
}

QString InstanceLock::runtimeFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
}

} // namespace zrt
