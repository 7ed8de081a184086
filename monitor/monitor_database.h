#pragma once

#include "database/database.h"

#include <QString>

#include <sys/types.h>

#include <chrono>
#include <optional>

namespace zrt {

inline constexpr std::chrono::milliseconds kMonitorBusyTimeout{200};

// The monitor's connection to the database file, kept open between ticks.
// Before each use it checks that the path still names the file it opened,
// so that no row is written into a file that was deleted or replaced: it
// then reopens the path, or fails until the file is back. A file that was
// opened read-only is reopened once it can be written. A lock held by
// another program is waited for only briefly, so that a tick never stalls
// the program; the write is tried again on a later tick.
class MonitorDatabase {
public:
    explicit MonitorDatabase(QString path, std::chrono::milliseconds busyTimeout = kMonitorBusyTimeout);

    // Throws DatabaseError when the file is missing or cannot be opened.
    Database& get();
    const QString& path() const { return path_; }
    // Changes each time the file is opened anew.
    int generation() const { return generation_; }
    // Changes only when the path names another file than before (a backup
    // put in its place), not when the same file is opened again.
    int fileGeneration() const { return fileGeneration_; }

private:
    struct FileId {
        dev_t device = 0;
        ino_t inode = 0;
        bool writable = false;

        bool operator==(const FileId&) const = default;
    };

    std::optional<FileId> currentFile() const;
    void reopen(FileId file);

    QString path_;
    std::chrono::milliseconds busyTimeout_;
    std::optional<Database> database_;
    FileId openedFile_;
    int generation_ = 0;
    int fileGeneration_ = 0;
};

} // namespace zrt
