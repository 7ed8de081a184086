#include "log_writer.h"

#include "monitor_log.h"
#include "pending_journal.h"

#include "database/database_error.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace zrt {

namespace {

void logSkippedWrite(const char* what, const DatabaseError& error)
{
    qCDebug(monitorLog) << "log row not" << what << "this time:" << error.message();
}

void logRowGone(qint64 id, const LogRowStart& start)
{
    qCWarning(monitorLog) << "log row" << id << "of" << start.connessione
                          << "is gone (deleted, or the file was replaced): it is written again";
}

} // namespace

StoredFigures logFiguresOf(const ConnectionState& state)
{
    StoredFigures figures = state.costLire
        ? StoredFigures{std::llround(*state.costLire), state.pulses, state.elapsedSeconds}
        : StoredFigures::unpriced(state.elapsedSeconds);
    figures.byteRicevuti = state.received.bytes();
    figures.byteInviati = state.sent.bytes();
    return figures;
}

std::optional<qint64> LogWriter::open(const LogRowStart& row, const StoredFigures& figures)
{
    try {
        return store_.open(row, figures);
    } catch (const DatabaseError& error) {
        logSkippedWrite("opened", error);
        return std::nullopt;
    }
}

LogWriter::Write LogWriter::checkpoint(qint64 id, const StoredFigures& figures)
{
    try {
        return store_.checkpoint(id, figures) ? Write::Done : Write::RowGone;
    } catch (const DatabaseError& error) {
        logSkippedWrite("checkpointed", error);
        return Write::Failed;
    }
}

bool LogWriter::setServizio(qint64 id, const QString& servizio)
{
    try {
        store_.setServizio(id, servizio);
        return true;
    } catch (const DatabaseError& error) {
        logSkippedWrite("given its company", error);
        return false;
    }
}

bool LogWriter::close(RowClosing row)
{
    if (write(row))
        return true;
    pending_.push_back(std::move(row));
    keepPending();
    return false;
}

int LogWriter::retryPending()
{
    if (pending_.empty())
        return 0;
    std::vector<RowClosing> stillPending;
    for (RowClosing& row : pending_) {
        if (!write(row))
            stillPending.push_back(row);
    }
    const auto written = static_cast<int>(pending_.size() - stillPending.size());
    pending_ = std::move(stillPending);
    if (written > 0 || rowsChanged_)
        keepPending();
    return written;
}

LogWriter::Pending LogWriter::pendingState() const
{
    if (pending_.empty())
        return Pending::None;
    return kept_ ? Pending::InJournal : Pending::Nowhere;
}

int LogWriter::takeUpJournal()
{
    if (!journal_)
        return 0;
    std::vector<RowClosing> rows = journal_->load();
    const auto count = static_cast<int>(rows.size());
    if (count > 0)
        qCInfo(monitorLog) << count << "log rows kept in" << journal_->path() << "by an earlier run are written";
    for (RowClosing& row : rows)
        pending_.push_back(std::move(row));
    kept_ = true;
    return count;
}

void LogWriter::matchPendingTo(const QList<LogRow>& openRows)
{
    for (RowClosing& row : pending_) {
        if (!row.id)
            continue;
        const auto open = std::find_if(openRows.begin(), openRows.end(), [&](const LogRow& candidate) {
            return candidate.id == *row.id && candidate.connessione == row.start.connessione
                && candidate.data == QString::fromStdString(formatIsoDate(row.start.inizio.date))
                && candidate.inizio == QString::fromStdString(formatTimeOfDay(row.start.inizio.time));
        });
        if (open == openRows.end()) {
            row.id.reset();
            rowsChanged_ = true;
        }
    }
}

bool LogWriter::isPending(qint64 id) const
{
    return std::any_of(pending_.begin(), pending_.end(), [id](const RowClosing& row) { return row.id == id; });
}

bool LogWriter::write(RowClosing& row)
{
    if (row.unpriced && pricer_ && pricer_(row)) {
        row.unpriced = false;
        rowsChanged_ = true;
    }
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (!row.id) {
            row.id = open(row.start);
            rowsChanged_ = rowsChanged_ || row.id.has_value();
        }
        if (!row.id)
            return false;
        try {
            if (store_.close(*row.id, row.fine, row.figures))
                return true;
            logRowGone(*row.id, row.start);
            row.id.reset();
        } catch (const DatabaseError& error) {
            logSkippedWrite("closed", error);
            return false;
        }
    }
    return false;
}

// Without a journal the rows are kept in memory only.
void LogWriter::keepPending()
{
    kept_ = journal_ && journal_->save(pending_);
    rowsChanged_ = false;
}

} // namespace zrt
