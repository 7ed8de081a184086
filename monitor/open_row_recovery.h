#pragma once

#include "clock.h"
#include "log_writer.h"

#include <optional>

namespace zrt {

// How long after its last checkpoint a row left open can still be taken
// up again: within it, the entry being connected is taken as the same
// connection; later, as a new one.
inline constexpr qint64 kResumeWindowSeconds = 15 * 60;

// A row left open by an earlier run, to be metered on.
struct ResumedRow {
    qint64 id = 0;
    LocalDateTime start;
    qint64 startUtc = 0;
    QString servizio;
    StoredFigures figures;
    // Seconds from the last checkpoint to now, which the connection went on
    // for while no program metered it: never negative, never past the
    // resume window.
    qint64 gapSeconds = 0;
};

struct Recovery {
    std::optional<ResumedRow> resumed;
    bool closedAny = false;
};

// Settles the rows an earlier run left open (killed or crashed while
// metering). The latest row of the entry connected now, if its last
// checkpoint is recent and it is the same connection (where the dialer
// tells connections apart, by `connection`), is handed back to be metered
// on; every other row
// is closed with its last checkpoint, ending at its start plus the seconds
// checkpointed (a row that never reached one is priced at its start by
// the writer's pricer). A row the writer still has pending (kept in the
// journal when an earlier run could not complete it) is left to the
// writer, which knows its end. Starts are compared as UTC instants, so a restart
// in the hour repeated when the clock is set back finds its row. Throws
// DatabaseError when the open rows cannot be read.
Recovery recoverOpenRows(LogStore& store, LogWriter& writer, const TimeZoneRules& zone, const Instant& now,
                         const QString& connectedEntry, const std::optional<QString>& connection);

} // namespace zrt
