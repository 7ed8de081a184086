// The cost of the connection monitor's ticks, on a real database file: the
// monitor tick with no line up and while one of 50 phonebook entries is
// metered, and the meter tick. Then one whole second of metering, on the
// program's kept connection and on a file opened for every operation.
#include "database/association_store.h"
#include "database/database.h"
#include "database/default_content.h"
#include "database/tariff_store.h"
#include "database/vat_store.h"
#include "database/system_time_zone.h"
#include "monitor/connection_monitor.h"
#include "monitor/database_log_store.h"
#include "monitor/database_tariff_source.h"
#include "monitor/monitor_database.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <optional>
#include <utility>

namespace {

using namespace zrt;

constexpr int kEntries = 50;

// A phonebook of 50 entries, the last of them connected when the line is up.
class MemoryDialUp final : public DialUpService {
public:
    MemoryDialUp()
    {
        for (int i = 1; i <= kEntries; ++i)
            entries_.push_back("Connessione " + std::to_string(i));
    }

    bool isDialUpActive() const override { return lineUp; }
    std::vector<std::string> entries() const override { return entries_; }
    bool isEntryConnected(std::string_view name) const override { return lineUp && name == entries_.back(); }
    void hangUpAll() override { lineUp = false; }

    QStringList entryNames() const
    {
        QStringList names;
        for (const std::string& entry : entries_)
            names.append(QString::fromStdString(entry));
        return names;
    }

    bool lineUp = false;

private:
    std::vector<std::string> entries_;
};

// Each call to step() is one second later; the wall clock starts on a
// weekday morning, in the machine's own zone.
class SteppingClock final : public Clock {
public:
    Instant now() const override
    {
        const qint64 utcMs = startUtcMs_ + seconds_ * 1000;
        return {zone_.toLocal(utcMs / 1000), utcMs, seconds_ * 1000};
    }
    const TimeZoneRules& zone() const override { return zone_; }
    void step() { ++seconds_; }

private:
    SystemTimeZone zone_;
    qint64 startUtcMs_ = utcOfLoggedStart(zone_, {{2026, 12, 7}, {8 * 3600 + 30 * 60}}) * 1000;
    qint64 seconds_ = 0;
};

class NoDisplay final : public MonitorDisplay {
public:
    void showConnection(const QString& caption) override { benchmark::DoNotOptimize(caption); }
    void setHangUpEnabled(bool) override {}
    void showCost(const QString& text) override { benchmark::DoNotOptimize(text); }
    void showMissingTariff(const QString& entry) override { benchmark::DoNotOptimize(entry); }
    void showElapsed(const QString& text) override { benchmark::DoNotOptimize(text); }
    void showHangUpRefusal(const QString&) override {}
    void showSpendingLevel(LimitLevel) override {}
    void warnSpendingLimit(const QString&) override {}
    Currency currency() const override { return Currency::Lire; }
    bool newsEnabled() const override { return false; }
    void openNewsPage() override {}
    void logChanged() override {}
};

// The program's way: one connection kept open with its statements
// prepared; the tariff is read again only when the file has changed.
struct KeptConnection {
    explicit KeptConnection(const QString& path) : database(path) {}

    MonitorDatabase database;
    DatabaseLogStore log{database};
    DatabaseTariffSource tariffs{database};
};

// The naive way: every operation opens the file, runs its statements and
// closes it again.
class FileOpenedEachTimeLog final : public LogStore {
public:
    explicit FileOpenedEachTimeLog(QString path) : path_(std::move(path)) {}

    qint64 open(const LogRowStart& start, const StoredFigures& figures) override
    {
        Database database = Database::open(path_);
        return ConnectionLog(database).open(start, figures);
    }
    bool checkpoint(qint64 id, const StoredFigures& figures) override
    {
        Database database = Database::open(path_);
        return ConnectionLog(database).checkpoint(id, figures);
    }
    bool close(qint64 id, TimeOfDay fine, const StoredFigures& figures) override
    {
        Database database = Database::open(path_);
        return ConnectionLog(database).close(id, fine, figures);
    }
    void setServizio(qint64 id, const QString& servizio) override
    {
        Database database = Database::open(path_);
        ConnectionLog(database).setServizio(id, servizio);
    }
    QList<LogRow> openRows() override
    {
        Database database = Database::open(path_);
        return ConnectionLog(database).openRows();
    }

private:
    QString path_;
};

class FileOpenedEachTimeTariffs final : public TariffSource {
public:
    explicit FileOpenedEachTimeTariffs(QString path) : path_(std::move(path)) {}

    PricingTerms termsFor(const QString& entry) override
    {
        Database database = Database::open(path_);
        PricingTerms terms;
        if (const std::optional<Associazione> association = AssociationStore(database).find(entry))
            terms.tariff = TariffStore(database).tariff(association->idTariffa);
        terms.vatRate = VatStore(database).read();
        return terms;
    }

private:
    QString path_;
};

struct FileOpenedEachTime {
    explicit FileOpenedEachTime(const QString& path) : log(path), tariffs(path) {}

    FileOpenedEachTimeLog log;
    FileOpenedEachTimeTariffs tariffs;
};

// A monitor with its own database file, every entry on the pulse tariff.
template <typename Stores>
struct MonitorBench {
    MonitorBench()
    {
        createDatabaseFile(path, Content::DefaultTariffs);
        {
            Database database = Database::open(path);
            AssociationStore(database).ensureAssociated(dialUp.entryNames(), 2);
        }
        monitor.start();
    }

    QTemporaryDir folder;
    QString path = folder.filePath(QStringLiteral("zrtell.T99"));
    Stores stores{path};
    MemoryDialUp dialUp;
    SteppingClock clock;
    NoDisplay display;
    ConnectionMonitor monitor{{dialUp, clock, stores.log, stores.tariffs, display}};
};

using ProgramMonitorBench = MonitorBench<KeptConnection>;

void BM_MonitorTickIdle(benchmark::State& state)
{
    ProgramMonitorBench bench;
    for (auto _ : state) {
        bench.clock.step();
        bench.monitor.tick();
    }
}
BENCHMARK(BM_MonitorTickIdle);

// While the last of the 50 entries is metered: the monitor tick, or the
// meter tick (elapsed time, pulses and cost; every tenth one also writes the
// checkpoint to the file).
void whileMetering(benchmark::State& state, void (ConnectionMonitor::*tick)())
{
    ProgramMonitorBench bench;
    bench.dialUp.lineUp = true;
    bench.monitor.tick();
    for (auto _ : state) {
        bench.clock.step();
        (bench.monitor.*tick)();
    }
}
BENCHMARK_CAPTURE(whileMetering, MonitorTick50Entries, &ConnectionMonitor::tick);
BENCHMARK_CAPTURE(whileMetering, MeterTick, &ConnectionMonitor::meterTick);

// One second of a metered connection as the program runs it: the meter
// tick, then the monitor tick, which reads the entry's tariff; every tenth
// second writes the checkpoint, and waits for the disk as the program does.
template <typename Stores>
void BM_MeteredSecond(benchmark::State& state)
{
    MonitorBench<Stores> bench;
    bench.dialUp.lineUp = true;
    bench.monitor.tick();
    for (auto _ : state) {
        bench.clock.step();
        bench.monitor.meterTick();
        bench.monitor.tick();
    }
}
BENCHMARK_TEMPLATE(BM_MeteredSecond, KeptConnection)->UseRealTime();
BENCHMARK_TEMPLATE(BM_MeteredSecond, FileOpenedEachTime)->UseRealTime();

} // namespace
