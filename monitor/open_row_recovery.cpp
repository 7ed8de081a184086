#include "open_row_recovery.h"

namespace zrt {

namespace {

std::optional<LocalDateTime> startOf(const LogRow& row)
{
    const auto date = parseIsoDate(row.data.toStdString());
    const auto time = parseTimeOfDay(row.inizio.toStdString());
    if (!date || !time || time->seconds >= kSecondsPerDay)
        return std::nullopt;
    return LocalDateTime{*date, *time};
}

LogFigures checkpointOf(const LogRow& row)
{
    return {row.costo.value_or(0), row.scatti.value_or(0), row.secondi.value_or(0)};
}

bool isResumable(const LogRow& row, const Clock& clock, const Instant& now)
{
    const std::optional<LocalDateTime> start = startOf(row);
    if (!start)
        return false;
    const qint64 startMs = clock.epochMsAt(*start);
    const qint64 lastSeenMs = startMs + checkpointOf(row).secondi * 1000;
    return startMs <= now.epochMs && now.epochMs - lastSeenMs <= kResumeWindowSeconds * 1000;
}

// A row whose start cannot be read ends now.
TimeOfDay endOf(const LogRow& row, const Instant& now)
{
    const std::optional<LocalDateTime> start = startOf(row);
    return start ? advance(*start, checkpointOf(row).secondi).time : now.local.time;
}

// A row begins with no figures; one that never reached a checkpoint is
// priced at its start, so it keeps at least the answer charge.
RowClosing closingOf(const LogRow& row, const Instant& now)
{
    const std::optional<LocalDateTime> start = startOf(row);
    const LogFigures figures = checkpointOf(row);
    const bool neverCheckpointed = start && figures.secondi == 0 && figures.costo == 0;
    return {row.id, {row.connessione, start.value_or(LocalDateTime{}), row.servizio}, endOf(row, now), figures,
            neverCheckpointed};
}

} // namespace

Recovery recoverOpenRows(LogStore& store, LogWriter& writer, const Clock& clock, const Instant& now,
                         const QString& connectedEntry)
{
    const QList<LogRow> rows = store.openRows();
    const LogRow* resumable = nullptr;
    for (const LogRow& row : rows) {
        if (!connectedEntry.isEmpty() && row.connessione == connectedEntry && isResumable(row, clock, now))
            resumable = &row;
    }
    Recovery recovery;
    for (const LogRow& row : rows) {
        if (&row == resumable)
            continue;
        if (writer.close(closingOf(row, now)))
            recovery.closedAny = true;
    }
    if (resumable)
        recovery.resumed = ResumedRow{resumable->id, *startOf(*resumable), checkpointOf(*resumable)};
    return recovery;
}

} // namespace zrt
