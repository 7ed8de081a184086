#include "meter_lock.h"

#include "monitor_log.h"

#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace zrt {

MeterLock::MeterLock(const QString& databasePath)
{
    // Without the file there is nothing to meter into, and nothing is left
    // behind in a folder that holds no database: opening it will say why.
    const QString real = QFileInfo(databasePath).canonicalFilePath();
    path_ = (real.isEmpty() ? databasePath : real) + QStringLiteral(".lock");
    if (real.isEmpty())
        return;
    fd_ = ::open(QFile::encodeName(path_).constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd_ < 0) {
        qCWarning(monitorLog) << "cannot make the lock file" << path_ << "-" << qt_error_string(errno)
                              << "; a second meter on this database would not be noticed";
        return;
    }
    if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
        outcome_ = Outcome::Taken;
        return;
    }
    outcome_ = errno == EWOULDBLOCK ? Outcome::HeldByAnotherMeter : Outcome::Unavailable;
    if (outcome_ == Outcome::Unavailable)
        qCWarning(monitorLog) << "cannot lock" << path_ << "-" << qt_error_string(errno);
}

MeterLock::~MeterLock()
{
    if (fd_ >= 0)
        ::close(fd_);
}

} // namespace zrt
