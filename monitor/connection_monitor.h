#pragma once

#include "clock.h"
#include "connection_state.h"
#include "log_writer.h"
#include "meter.h"
#include "spending_watch.h"
#include "monitor_display.h"
#include "tariff_source.h"

#include "dialup/dialup_service.h"

#include <optional>
#include <string>
#include <vector>

namespace zrt {

class DatabaseError;
class PendingJournal;
struct ResumedRow;

struct MonitorServices {
    DialUpService& dialUp;
    Clock& clock;
    LogStore& log;
    TariffSource& tariffs;
    MonitorDisplay& display;
    // Where the rows that cannot be written to the database are kept.
    const PendingJournal* journal = nullptr;
    // The monthly spending limit; none: no limit is watched.
    SpendingLimitSource* spending = nullptr;
};

// Follows the dial-up connections. On each change of the line, and once a
// second while a connection is metered, tick() sees whether a line is up and which phonebook entry it belongs to, opens a row of the
// connection log when a connection starts and completes it when it ends.
// While a connection is metered the meter runs: meterTick(), once a second,
// shows its time and cost and checkpoints them to its row.
//
// A step that cannot be carried out (the database locked or missing) is
// logged and tried again on a later tick; the connection is still followed.
class ConnectionMonitor {
public:
    explicit ConnectionMonitor(MonitorServices services);
    ConnectionMonitor(const ConnectionMonitor&) = delete; // its log writer calls back into it
    ConnectionMonitor& operator=(const ConnectionMonitor&) = delete;

    // Reads the phonebook, takes up the rows an earlier run kept in the
    // journal and settles the rows it left open, metering on the one of a
    // connection that is still up.
    void start();

    void tick();
    void meterTick();
    bool meterRunning() const { return state_.connected; }
    // Something waits for the file to be usable again: a row to write, or
    // the rows an earlier run left open. A later tick tries again.
    bool hasPendingWork() const { return !recovered_ || writer_.hasPending(); }

    // The user's command: every line is asked to hang up; the next tick
    // sees the connection end. What the system refuses is shown at once or,
    // when the backend learns it later, on a later tick.
    void hangUp();

    // At the program's end: the metered connection's row is completed with
    // its cost so far. Says where the rows that could not be written to the
    // database are.
    LogWriter::Pending shutDown();
    const std::vector<RowClosing>& unwrittenRows() const { return writer_.pending(); }


private:
    bool recover(const Instant& now);
    void resume(const std::string& entry, const ResumedRow& row, const Instant& now);

    void showHangUpRefusal();
    void showNoConnection();
    QString idleCaption() const;
    void followConnection(const Instant& now);
    void showNewsOnce();
    std::optional<std::string> findConnectedEntry();
    std::optional<std::string> lastConnectedEntry() const;

    void refreshTerms(const std::string& entry);
    void beginRowLate(const Instant& now);
    void beginConnection(const std::string& entry, const Instant& now);
    void endConnection();
    void noteCompany();
    void readTraffic();
    void checkpointIfDue();
    void recreateRow();
    LogRowStart rowStart() const;
    bool priceEnded(RowClosing& row);

    static void logSkipped(const char* step, const DatabaseError& error);

    MonitorServices services_;
    Meter meter_;
    SpendingWatch spending_;
    LogWriter writer_;
    ConnectionState state_;
    PricingTerms terms_;
    bool termsRead_ = false; // for the metered connection
    std::vector<std::string> entries_;
    bool recovered_ = false;
};

} // namespace zrt
