#pragma once

#include "connection_state.h"
#include "log_store.h"

#include <optional>
#include <vector>

namespace zrt {

// What a log row holds from its connection's start.
struct RowStart {
    QString entry;
    LocalDateTime start;
    QString servizio;
};

// A row to complete: `id` is empty when its start could not be written yet.
struct RowClosing {
    std::optional<int> id;
    RowStart start;
    TimeOfDay fine;
    LogFigures figures;
};

// The figures of a connection as the log stores them: the cost in whole
// Lire (halves away from zero), whatever currency the display shows.
LogFigures logFiguresOf(const ConnectionState& state);

// Writes the connection log for the monitor, each write on its own. A write
// that fails (the file locked or missing) is logged; a failed open or
// checkpoint is for the caller to repeat, while a failed close is kept
// here and repeated by retryPending(), so an ended connection is never lost.
class LogWriter {
public:
    explicit LogWriter(LogStore& store) : store_(store) {}

    // The new row's key, or nothing when it could not be written.
    std::optional<int> open(const RowStart& row);
    bool checkpoint(int id, const LogFigures& figures);
    // Completes a row, writing its start first when it has no key yet.
    // False when it failed and was kept for later.
    bool close(RowClosing row);
    // Writes the rows whose closing failed before; how many were written.
    int retryPending();
    bool hasPending() const { return !pending_.empty(); }

private:
    bool write(RowClosing& row);

    LogStore& store_;
    std::vector<RowClosing> pending_;
};

} // namespace zrt
