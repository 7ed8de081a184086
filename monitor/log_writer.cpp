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

} // namespace

LogFigures logFiguresOf(const ConnectionState& state)
{
    const std::optional<qint64> costo =
        state.costLire ? std::optional<qint64>(std::llround(*state.costLire)) : std::nullopt;
    return {costo, state.pulses, state.elapsedSeconds};
}

std::optional<int> LogWriter::open(const RowStart& row)
{
    try {
        return store_.open(row.entry, row.start, row.servizio);
    } catch (const DatabaseError& error) {
        logSkippedWrite("opened", error);
        return std::nullopt;
    }
}

bool LogWriter::checkpoint(int id, const LogFigures& figures)
{
    try {
        store_.checkpoint(id, figures);
        return true;
    } catch (const DatabaseError& error) {
        logSkippedWrite("checkpointed", error);
        return false;
    }
}

bool LogWriter::setServizio(int id, const QString& servizio)
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
    if (!row.id)
        row.id = open(row.start);
    if (!row.id)
        return false;
    try {
        store_.close(*row.id, row.fine, row.figures);
        return true;
    } catch (const DatabaseError& error) {
        logSkippedWrite("closed", error);
        return false;
    }
}

} // namespace zrt
