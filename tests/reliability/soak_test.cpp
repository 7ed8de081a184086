#include "reliability_support.h"

#include "tests/monitor/monitor_fixture.h"

#include <malloc.h>
#include <unistd.h>

#include <cstdio>
#include <random>
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

qint64 residentBytes()
{
    malloc_trim(0);
    std::ifstream statm("/proc/self/statm");
    qint64 size = 0, resident = 0;
    statm >> size >> resident;
    return resident * ::sysconf(_SC_PAGESIZE);
}

// One connection of the day: up for the ticks from `start` to before `end`,
// counted in seconds from the day's start.
struct Planned {
    qint64 start, end;
    std::string entry;
};

// Connections of random lengths, mostly up to three minutes, some of
// hours, with pauses between them; one in five follows the last at once on
// another entry.
std::vector<Planned> planDay(unsigned seed, const std::vector<std::string>& entries)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> unit(0, 1);
    std::vector<Planned> plan;
    for (qint64 t = 60;;) {
        const bool handOver = !plan.empty() && unit(random) < 0.2;
        const double kind = unit(random);
        const qint64 longest = kind < 0.65 ? 180 : kind < 0.92 ? 1200 : 7200;
        const qint64 start = t + (handOver ? 0 : std::uniform_int_distribution<qint64>(1, 300)(random));
        t = start + std::uniform_int_distribution<qint64>(1, longest)(random);
        if (t >= kDaySeconds)
            return plan;
        size_t entry = std::uniform_int_distribution<size_t>(0, entries.size() - 1)(random);
        if (handOver && entries[entry] == plan.back().entry)
            entry = (entry + 1) % entries.size();
        plan.push_back({start, t, entries[entry]});
    }
}

// From Monday 10:00 through the full and reduced rates and past midnight
// into a holiday (8 December).
class DaySoak : public MonitorFixture {
protected:
    DaySoak()
    {
        writeSimFile("entries", "Casa\nUfficio\nVeloce\n");
        Database setup = scratch.open();
        AssociationStore(setup).associate(QStringLiteral("Veloce"), addOneSecondPulseTariff(setup));
        // The log is written as the program writes it, only not flushed to
        // the disk each time: a day of checkpoints would otherwise take
        // minutes of syncing.
        database.get().query(QStringLiteral("PRAGMA synchronous = OFF"));
    }
};

TEST_F(DaySoak, ADayOfConnectionsKeepsMemoryFlatAndEveryLiraAccounted)
{
    const std::vector<Planned> plan = planDay(20261207, {"Casa", "Ufficio", "Veloce"});
    startMonitor();
    qint64 warmResident = 0;
    size_t next = 0;
    std::string shown;
    for (qint64 t = 1; t <= kDaySeconds; ++t) {
        while (next < plan.size() && plan[next].end <= t)
            ++next;
        const std::string up = next < plan.size() && plan[next].start <= t ? plan[next].entry : std::string();
        if (up != shown)
            writeSimFile("connected", up.empty() ? up : up + '\n');
        shown = up;
        second();
        display.costs.clear(); // what the display keeps is not the program's memory
        if (t == kWarmUpSeconds)
            warmResident = residentBytes();
    }
    const qint64 endResident = residentBytes();

    const QList<LogRow> logged = rows();
    ASSERT_EQ(logged.size(), static_cast<qsizetype>(plan.size())) << "one row per connection";
    Database reader = scratch.open();
    qint64 total = 0;
    for (size_t i = 0; i < plan.size(); ++i) {
        const LogRow& row = logged[static_cast<qsizetype>(i)];
        const Planned& connection = plan[i];
        SCOPED_TRACE("connection " + std::to_string(i) + " of " + connection.entry);
        EXPECT_EQ(row.connessione.toStdString(), connection.entry);
        EXPECT_EQ(rowStart(row), advance(kMondayMorning, connection.start));
        EXPECT_EQ(row.secondi, connection.end - connection.start);
        expectPricedAtItsSeconds(reader, row);
        total += row.costo.value_or(0);
    }
    EXPECT_TRUE(!kResidentSizeMeaningful || endResident - warmResident <= kMostGrowthBytes)
        << "resident " << warmResident << " bytes after the first hour, " << endResident << " at the end";
    std::printf("soak: %lld rows, %lld Lire\n", static_cast<long long>(logged.size()), static_cast<long long>(total));
}

} // namespace
} // namespace zrt::test
