#pragma once

#include "connection_monitor.h"
#include "database_log_store.h"
#include "database_tariff_source.h"
#include "database_spending_limit_source.h"
#include "monitor_database.h"
#include "monitor_timer.h"
#include "pending_journal.h"

#include <QString>

#include <functional>

namespace zrt {

// The metering machinery both programs run, wired in one place: the
// database file kept open for the monitor, the log and the tariffs read
// through it, the connection monitor and the timer that runs it on the
// dial-up backend's news. The display is the main window or the headless
// program's status line.
class MonitorSession {
public:
    // `afterTick` runs after every run of the monitor's ticks.
    MonitorSession(const QString& databasePath, DialUpService& dialUp, Clock& clock, MonitorDisplay& display,
                   std::function<void()> afterTick = {});
    MonitorSession(const MonitorSession&) = delete;
    MonitorSession& operator=(const MonitorSession&) = delete;

    ConnectionMonitor& monitor() { return monitor_; }
    MonitorDatabase& database() { return database_; }

    // Settles the rows an earlier run left open and starts the ticks: on
    // the backend's news, or once a second when `news` is Ignored.
    void start(MonitorTimer::News news = MonitorTimer::News::Watched);
    // Stops the ticks and completes the row of a connection still metered;
    // says where the rows that could not be written to the database are.
    LogWriter::Pending stop();
    const PendingJournal& journal() const { return journal_; }

private:
    MonitorDatabase database_;
    DatabaseLogStore log_;
    DatabaseTariffSource tariffs_;
    PendingJournal journal_;
    DatabaseSpendingLimitSource spending_;
    ConnectionMonitor monitor_;
    MonitorTimer timer_;
};

} // namespace zrt
