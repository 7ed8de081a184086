#include "monitor_database.h"

#include "database/database_error.h"

#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

#include <utility>

namespace zrt {

MonitorDatabase::MonitorDatabase(QString path, std::chrono::milliseconds busyTimeout)
    : path_(std::move(path)), busyTimeout_(busyTimeout)
{
}

Database& MonitorDatabase::get()
{
    const std::optional<FileId> file = currentFile();
    if (!file) {
        database_.reset();
        throw DatabaseError(QStringLiteral("%1: the database file does not exist").arg(path_));
    }
    if (!database_ || *file != openedFile_)
        reopen(*file);
    return *database_;
}

std::optional<MonitorDatabase::FileId> MonitorDatabase::currentFile() const
{
    const QByteArray path = QFile::encodeName(path_);
    struct stat status {};
    if (::stat(path.constData(), &status) != 0)
        return std::nullopt;
    return FileId{status.st_dev, status.st_ino, ::access(path.constData(), W_OK) == 0};
}

void MonitorDatabase::reopen(FileId file)
{
    database_.reset();
    Database database = Database::open(path_);
    database.query(QStringLiteral("PRAGMA busy_timeout = %1").arg(busyTimeout_.count()));
    database_.emplace(std::move(database));
    if (file.device != openedFile_.device || file.inode != openedFile_.inode)
        ++fileGeneration_;
    openedFile_ = file;
    ++generation_;
}

} // namespace zrt
