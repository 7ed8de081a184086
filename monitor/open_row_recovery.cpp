#include "open_row_recovery.h"

#include <algorithm>

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

StoredFigures checkpointOf(const LogRow& row)
{
    StoredFigures figures{row.costo, row.scatti, row.secondi.value_or(0)};
    figures.byteRicevuti = row.byteRicevuti;
    figures.byteInviati = row.byteInviati;
    return figures;
}

// What the last checkpoint of a row says, on the UTC time line.
struct RowTimes {
    qint64 startUtc = 0;
    qint64 gapSeconds = 0; // from the last checkpoint to now; negative when the row lies ahead
};

std::optional<RowTimes> timesOf(const LogRow& row, const TimeZoneRules& zone, const Instant& now)
{
    const std::optional<LocalDateTime> start = startOf(row);
    if (!start)
        return std::nullopt;
    const qint64 nowUtc = now.epochMs / 1000;
    const qint64 startUtc = row.inizioUtc.value_or(utcOfStart(zone, *start, nowUtc));
    return RowTimes{startUtc, nowUtc - (startUtc + checkpointOf(row).secondi)};
}

bool isResumable(const std::optional<RowTimes>& times)
{
    return times && times->gapSeconds >= 0 && times->gapSeconds <= kResumeWindowSeconds;
}

// A row whose start cannot be read ends now.
TimeOfDay endOf(const LogRow& row, const Instant& now)
{
    const std::optional<LocalDateTime> start = startOf(row);
    return start ? advance(*start, checkpointOf(row).secondi).time : now.local.time;
}

// A row begins with no figures; one that never reached a checkpoint is
// priced at its start, so it keeps at least the answer charge.
RowClosing closingOf(const LogRow& row, const TimeZoneRules& zone, const Instant& now)
{
    const std::optional<LocalDateTime> start = startOf(row);
    const std::optional<RowTimes> times = timesOf(row, zone, now);
    const StoredFigures figures = checkpointOf(row);
    const bool neverCheckpointed = start && figures.secondi == 0 && figures.costo.value_or(0) == 0;
    return {row.id,
            {row.connessione, start.value_or(LocalDateTime{}), row.servizio,
             times ? std::optional<qint64>(times->startUtc) : std::nullopt, row.collegamento},
            endOf(row, now), figures, neverCheckpointed};
}

// A row that does not know its connection (written before connections
// were told apart, or by a dialer that cannot) is taken as the same one.
bool isSameConnection(const LogRow& row, const std::optional<QString>& connection)
{
    return !row.collegamento || !connection || *row.collegamento == *connection;
}

} // namespace

Recovery recoverOpenRows(LogStore& store, LogWriter& writer, const TimeZoneRules& zone, const Instant& now,
                         const QString& connectedEntry, const std::optional<QString>& connection)
{
    const QList<LogRow> rows = store.openRows();
    writer.matchPendingTo(rows);
    const LogRow* resumable = nullptr;
    std::optional<RowTimes> resumableTimes;
    for (const LogRow& row : rows) {
        if (writer.isPending(row.id) || connectedEntry.isEmpty() || row.connessione != connectedEntry || !isSameConnection(row, connection))
            continue;
        const std::optional<RowTimes> times = timesOf(row, zone, now);
        if (isResumable(times)) {
            resumable = &row;
            resumableTimes = times;
        }
    }
    Recovery recovery;
    for (const LogRow& row : rows) {
        if (&row == resumable || writer.isPending(row.id))
            continue;
        if (writer.close(closingOf(row, zone, now)))
            recovery.closedAny = true;
    }
    if (resumable)
        recovery.resumed = ResumedRow{resumable->id, *startOf(*resumable), resumableTimes->startUtc,
                                      resumable->servizio, checkpointOf(*resumable), resumableTimes->gapSeconds};
    return recovery;
}

} // namespace zrt
