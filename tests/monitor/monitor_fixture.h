#pragma once

#include "tests/support/fake_clock.h"
#include "recording_display.h"

#include "tests/support/scratch_database.h"
#include "tests/support/temp_dir.h"

#include "database/association_store.h"
#include "database/connection_log.h"
#include "monitor/connection_monitor.h"
#include "monitor/database_log_store.h"
#include "monitor/database_spending_limit_source.h"
#include "monitor/database_tariff_source.h"
#include "dialup/sim_dialup.h"
#include "monitor/monitor_database.h"
#include "monitor/pending_journal.h"

#include <gtest/gtest.h>

#include <fstream>
#include <initializer_list>
#include <optional>
#include <string>

namespace zrt::test {

// Monday 7 December 2026, 10:00:00: a weekday at full rate.
inline constexpr LocalDateTime kMondayMorning{{2026, 12, 7}, {10 * 3600}};

// A monitor on a scratch database with the shipped tariffs, watching the
// simulated dialer, on a clock that moves only when told. The phonebook
// holds "Casa" (pulse tariff 2: 127 Lire every 180 s at full rate) and
// "Ufficio" (per-minute tariff 1), in that order.
class MonitorFixture : public testing::Test {
protected:
    MonitorFixture()
    {
        writeSimFile("entries", "Casa\nUfficio\n");
        Database setup = scratch.open();
        AssociationStore(setup).associate(QStringLiteral("Casa"), 2);
        AssociationStore(setup).associate(QStringLiteral("Ufficio"), 1);
    }

    void startMonitor()
    {
        monitor.emplace(MonitorServices{dialUp, clock, log, tariffs, display, &journal, &spending});
        monitor->start();
    }

    // The program ends without closing anything, as when it is killed.
    void crash() { monitor.reset(); }

    void connect(std::initializer_list<const char*> entries)
    {
        std::string text;
        for (const char* entry : entries)
            text += std::string(entry) + '\n';
        writeSimFile("connected", text);
    }
    void disconnect() { writeSimFile("connected", ""); }

    // The line of `entry` comes up and the monitor sees it at once.
    void lineUp(const char* entry)
    {
        connect({entry});
        monitor->tick();
    }
    // The line drops and the monitor sees it a second later.
    void lineDown()
    {
        disconnect();
        second();
    }

    // One second passes, with the ticks the program's timer runs.
    void second()
    {
        clock.advance(1);
        monitor->meterTick();
        monitor->tick();
    }

    void runSeconds(int seconds)
    {
        for (int i = 0; i < seconds; ++i)
            second();
    }

    QList<LogRow> rows() const { return scratch.rows(); }

    void writeSimFile(const char* name, const std::string& content)
    {
        std::ofstream(simFolder.path() / name, std::ios::binary | std::ios::trunc) << content;
    }

    ScratchDatabase scratch;
    MonitorDatabase database{scratch.path(), std::chrono::milliseconds(20)};
    DatabaseLogStore log{database};
    DatabaseTariffSource tariffs{database};
    DatabaseSpendingLimitSource spending{database};
    TempDir simFolder;
    SimDialUp dialUp{simFolder.path()};
    FakeClock clock{kMondayMorning};
    RecordingDisplay display;
    PendingJournal journal{PendingJournal::pathFor(scratch.path())};
    std::optional<ConnectionMonitor> monitor;
};

} // namespace zrt::test
