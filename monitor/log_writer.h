#pragma once

#include "connection_state.h"
#include "log_store.h"

#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace zrt {

class PendingJournal;

// A row to complete: `id` is empty when its start could not be written yet.
struct RowClosing {
    std::optional<qint64> id;
    LogRowStart start;
    TimeOfDay fine;
    StoredFigures figures;
    // `figures` hold the connection's time only, to be priced before the
    // row is written: the tariff could not be read while it ran (the file
    // was locked throughout), or the row never reached a checkpoint.
    bool unpriced = false;
};

// The figures of a connection as the log stores them: the cost in whole
// Lire (halves away from zero), whatever currency the display shows, or
// nothing while no band prices it; the traffic counted so far.
StoredFigures logFiguresOf(const ConnectionState& state);

// Writes the connection log for the monitor, each write on its own. A write
// that fails (the file locked or missing) is logged; a failed open or
// checkpoint is for the caller to repeat, while a failed close is kept
// here and repeated by retryPending(), so an ended connection is never lost.
// A row that is gone when it is written (deleted by another program, or in
// a file since replaced) is written anew, and that is logged. An unpriced
// row is handed to the pricer before each try; it is written as it is only
// when it cannot be priced but can be written.
//
// With a journal, the rows kept for later are also kept on disk, so they
// outlive the program: the next start takes them up.
class LogWriter {
public:
    // Prices an unpriced row; false when its tariff still cannot be read.
    using Pricer = std::function<bool(RowClosing&)>;
    enum class Write { Done, Failed, RowGone };
    // Where the rows not yet written to the database are.
    enum class Pending { None, InJournal, Nowhere };

    explicit LogWriter(LogStore& store, Pricer pricer = {}, const PendingJournal* journal = nullptr)
        : store_(store), pricer_(std::move(pricer)), journal_(journal)
    {
    }

    // The new row's key, or nothing when it could not be written.
    std::optional<qint64> open(const LogRowStart& row, const StoredFigures& figures = {});
    Write checkpoint(qint64 id, const StoredFigures& figures);
    bool setServizio(qint64 id, const QString& servizio);
    // Completes a row, writing its start first when it has no key yet.
    // False when it failed and was kept for later.
    bool close(RowClosing row);
    // Writes the rows whose closing failed before; how many were written.
    int retryPending();
    bool hasPending() const { return !pending_.empty(); }
    const std::vector<RowClosing>& pending() const { return pending_; }
    Pending pendingState() const;

    // Takes up the rows an earlier run kept in the journal, to be written
    // by retryPending(); how many there were.
    int takeUpJournal();
    // A pending row keyed to a row that is not open in the file with the
    // same start (the file was replaced since) is not that row: it is
    // written as a new one.
    void matchPendingTo(const QList<LogRow>& openRows);
    bool isPending(qint64 id) const;

private:
    bool write(RowClosing& row);
    void keepPending();

    LogStore& store_;
    Pricer pricer_;
    const PendingJournal* journal_;
    std::vector<RowClosing> pending_;
    bool kept_ = false;         // pending_ is what the journal holds
    bool rowsChanged_ = false;  // a pending row was given a key or priced since
};

} // namespace zrt
