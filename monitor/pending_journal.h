#pragma once

#include "log_writer.h"

#include <QString>

#include <vector>

namespace zrt {

// The log rows that could not be written to the database, kept in a small
// file beside it (`zrtell.T99.pending`) so that no call is lost when the
// program has to stop while the database is locked or cannot be written.
// The file is replaced whole and synced to disk on every change, and
// removed once nothing is pending; the next start writes what it holds.
class PendingJournal {
public:
    explicit PendingJournal(QString path) : path_(std::move(path)) {}

    static QString pathFor(const QString& databasePath) { return databasePath + QStringLiteral(".pending"); }
    const QString& path() const { return path_; }

    // Replaces what the journal holds by `rows`; with none, removes it.
    // False, with the reason logged, when that cannot be done.
    bool save(const std::vector<RowClosing>& rows) const;

    // The rows an earlier run kept; none when there is no journal. A file
    // that cannot be understood is set aside, next to it, under the suffix
    // ".damaged" and logged, so it is neither lost nor read again.
    std::vector<RowClosing> load() const;

private:
    QString path_;
};

} // namespace zrt
