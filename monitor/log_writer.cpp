#include "log_writer.h"

#include "monitor_log.h"

#include "database/database_error.h"

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
    if (!state.costLire)
        return StoredFigures::unpriced(state.elapsedSeconds);
    return {std::llround(*state.costLire), state.pulses, state.elapsedSeconds};
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
    return false;
}

int LogWriter::retryPending()
{
    std::vector<RowClosing> stillPending;
    for (RowClosing& row : pending_) {
        if (!write(row))
            stillPending.push_back(row);
    }
    const auto written = static_cast<int>(pending_.size() - stillPending.size());
    pending_ = std::move(stillPending);
    return written;
}

bool LogWriter::write(RowClosing& row)
{
    if (row.unpriced && pricer_ && pricer_(row))
        row.unpriced = false;
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (!row.id)
            row.id = open(row.start);
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

} // namespace zrt
