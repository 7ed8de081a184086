#include "reliability_support.h"

#include "tests/database/scratch_database.h"
#include "tests/monitor/dialup/temp_dir.h"
#include "tests/monitor/fake_clock.h"

#include "database/association_store.h"
#include "database/connection_log.h"
#include "database/tariff_store.h"
#include "monitor/connection_monitor.h"
#include "monitor/database_log_store.h"
#include "monitor/database_tariff_source.h"
#include "monitor/dialup/sim_dialup.h"
#include "monitor/monitor_database.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <malloc.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace zrt::test {
namespace {

constexpr qint64 kDaySeconds = 24 * 3600;
constexpr qint64 kWarmUpSeconds = 3600;
// Generous, yet a leak of some fifty bytes a tick, or thirty kilobytes a
// connection, would pass it over the day.
constexpr qint64 kMostGrowthBytes = 4 * 1024 * 1024;
// AddressSanitizer holds freed memory back in its quarantine, so there the
// resident size says nothing about the program's own memory.
#ifdef __SANITIZE_ADDRESS__
constexpr bool kResidentSizeMeaningful = false;
#else
constexpr bool kResidentSizeMeaningful = true;
#endif
// Monday 7 December 2026, 06:00: the day runs through the full and reduced
// rates and past midnight into a holiday (8 December).
constexpr LocalDateTime kDayStart{{2026, 12, 7}, {6 * 3600}};

// Shows nothing and keeps nothing, so the program's memory is all there is.
class QuietDisplay final : public MonitorDisplay {
public:
    void showConnection(const QString&) override {}
    void setHangUpEnabled(bool) override {}
    void showCost(const QString&) override {}
    void showElapsed(const QString&) override {}
    Currency currency() const override { return Currency::Lire; }
    bool newsEnabled() const override { return false; }
    void openNewsPage() override {}
    void logChanged() override {}
};

qint64 residentBytes()
{
    malloc_trim(0);
    std::ifstream statm("/proc/self/statm");
    qint64 size = 0;
    qint64 resident = 0;
    statm >> size >> resident;
    return resident * ::sysconf(_SC_PAGESIZE);
}

// One connection of the day: up for the ticks from `start` to before `end`,
// counted in seconds from the day's start.
struct Planned {
    qint64 start = 0;
    qint64 end = 0;
    std::string entry;
};

// Connections of random lengths, mostly short, some of hours, with pauses
// between them; one in five follows the last at once on another entry.
std::vector<Planned> planDay(unsigned seed, const std::vector<std::string>& entries)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> unit(0, 1);
    std::uniform_int_distribution<size_t> pick(0, entries.size() - 1);
    std::vector<Planned> plan;
    qint64 t = 60;
    while (true) {
        const bool handOver = !plan.empty() && unit(random) < 0.2;
        const qint64 start = t + (handOver ? 0 : std::uniform_int_distribution<qint64>(1, 300)(random));
        const double kind = unit(random);
        const qint64 length = kind < 0.65   ? std::uniform_int_distribution<qint64>(1, 180)(random)
                              : kind < 0.92 ? std::uniform_int_distribution<qint64>(180, 1200)(random)
                                            : std::uniform_int_distribution<qint64>(1200, 7200)(random);
        if (start + length >= kDaySeconds)
            return plan;
        std::string entry = entries[pick(random)];
        while (handOver && entry == plan.back().entry)
            entry = entries[pick(random)];
        plan.push_back({start, start + length, entry});
        t = start + length;
    }
}

class DaySoak : public testing::Test {
protected:
    DaySoak()
    {
        writeSimFile("entries", "Casa\nUfficio\nVeloce\n");
        Database setup = scratch.open();
        tariffOf["Casa"] = 2;
        tariffOf["Ufficio"] = 1;
        tariffOf["Veloce"] = addOneSecondPulseTariff(setup);
        for (const auto& [entry, tariff] : tariffOf)
            AssociationStore(setup).associate(QString::fromStdString(entry), tariff);
        // The log is written as the program writes it, only not flushed to
        // the disk each time: a day of checkpoints would otherwise take
        // minutes of syncing.
        database.get().query(QStringLiteral("PRAGMA synchronous = OFF"));
    }

    void writeSimFile(const char* name, const std::string& content)
    {
        std::ofstream(simFolder.path() / name, std::ios::binary | std::ios::trunc) << content;
    }

    ScratchDatabase scratch;
    MonitorDatabase database{scratch.path(), std::chrono::milliseconds(20)};
    DatabaseLogStore log{database};
    DatabaseTariffSource tariffs{database};
    TempDir simFolder;
    SimDialUp dialUp{simFolder.path()};
    FakeClock clock{kDayStart};
    QuietDisplay display;
    std::map<std::string, int> tariffOf;
};

TEST_F(DaySoak, ADayOfConnectionsKeepsMemoryFlatAndEveryLiraAccounted)
{
    const unsigned seed = 20261207;
    SCOPED_TRACE("seed " + std::to_string(seed));
    const std::vector<Planned> plan = planDay(seed, {"Casa", "Ufficio", "Veloce"});

    QElapsedTimer timer;
    timer.start();
    ConnectionMonitor monitor({dialUp, clock, log, tariffs, display});
    monitor.start();
    qint64 warmResident = 0;
    size_t next = 0;
    std::string shown;
    for (qint64 t = 1; t <= kDaySeconds; ++t) {
        while (next < plan.size() && plan[next].end <= t)
            ++next;
        const std::string up = next < plan.size() && plan[next].start <= t ? plan[next].entry : std::string();
        if (up != shown) {
            writeSimFile("connected", up.empty() ? std::string() : up + '\n');
            shown = up;
        }
        clock.advance(1);
        if (monitor.meterRunning())
            monitor.meterTick();
        monitor.tick();
        if (t == kWarmUpSeconds)
            warmResident = residentBytes();
    }
    const qint64 endResident = residentBytes();
    const qint64 runMs = timer.elapsed();

    Database reader = scratch.open();
    QSqlQuery ids = reader.query(QStringLiteral("SELECT id FROM Connessioni ORDER BY id"));
    QList<LogRow> rows;
    while (ids.next())
        rows.append(*ConnectionLog(reader).row(ids.value(0).toInt()));
    ASSERT_EQ(rows.size(), static_cast<qsizetype>(plan.size())) << "one row per connection";

    qint64 storedTotal = 0;
    qint64 pricedTotal = 0;
    for (size_t i = 0; i < plan.size(); ++i) {
        const LogRow& row = rows[static_cast<qsizetype>(i)];
        const Planned& connection = plan[i];
        SCOPED_TRACE("connection " + std::to_string(i) + " of " + connection.entry);
        const LocalDateTime start = advance(kDayStart, connection.start);
        const qint64 seconds = connection.end - connection.start;
        const StoredPrice price =
            storedPrice(*TariffStore(reader).tariff(tariffOf[connection.entry]), start, seconds, 20);
        EXPECT_EQ(row.connessione.toStdString(), connection.entry);
        EXPECT_EQ(rowStart(row), start);
        EXPECT_EQ(row.secondi, seconds);
        EXPECT_EQ(row.fine, QString::fromStdString(formatTimeOfDay(advance(start, seconds).time)));
        EXPECT_EQ(row.costo, price.costo);
        EXPECT_EQ(row.scatti, price.scatti);
        storedTotal += row.costo.value_or(0);
        pricedTotal += price.costo;
    }
    EXPECT_EQ(storedTotal, pricedTotal);
    if (kResidentSizeMeaningful) {
        EXPECT_LE(endResident - warmResident, kMostGrowthBytes)
            << "resident " << warmResident << " bytes after the first hour, " << endResident << " at the end";
    }

    RecordProperty("rows", static_cast<int>(rows.size()));
    RecordProperty("resident_kib_after_warm_up", static_cast<int>(warmResident / 1024));
    RecordProperty("resident_kib_at_end", static_cast<int>(endResident / 1024));
    std::printf("soak: %lld rows, %lld Lire, resident %lld KiB after the first hour and %lld KiB at the end, "
                "run in %lld ms\n",
                static_cast<long long>(rows.size()), static_cast<long long>(storedTotal),
                static_cast<long long>(warmResident / 1024), static_cast<long long>(endResident / 1024),
                static_cast<long long>(runMs));
}

} // namespace
} // namespace zrt::test
