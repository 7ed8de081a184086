// The CPU cost of the connection monitor's ticks, on a real database file:
// the monitor tick with no line up and while one of 50 phonebook entries is
// metered, and the meter tick.
#include "database/association_store.h"
#include "database/default_content.h"
#include "monitor/connection_monitor.h"
#include "monitor/database_log_store.h"
#include "monitor/database_tariff_source.h"
#include "monitor/monitor_database.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <optional>

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

    bool IsDialUpActive() const override { return lineUp; }
    std::vector<std::string> FillDialUpEntries() const override { return entries_; }
    bool IsEntryConnected(std::string_view name) const override { return lineUp && name == entries_.back(); }
    void HangUpAll() override { lineUp = false; }

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
// weekday morning.
class SteppingClock final : public Clock {
public:
    Instant now() const override { return {advance(kStart, seconds_), kStartMs + seconds_ * 1000}; }
    qint64 epochMsAt(LocalDateTime) const override { return kStartMs; }
    void step() { ++seconds_; }

private:
    static constexpr LocalDateTime kStart{{2026, 12, 7}, {8 * 3600 + 30 * 60}};
    static constexpr qint64 kStartMs = 1'796'632'200'000;
    qint64 seconds_ = 0;
};

class NoDisplay final : public MonitorDisplay {
public:
    void showConnection(const QString& caption) override { benchmark::DoNotOptimize(caption); }
    void setHangUpEnabled(bool) override {}
    void showCost(const QString& text) override { benchmark::DoNotOptimize(text); }
    void showElapsed(const QString& text) override { benchmark::DoNotOptimize(text); }
    Currency currency() const override { return Currency::Lire; }
    bool newsEnabled() const override { return false; }
    void openNewsPage() override {}
    void logChanged() override {}
};

// A monitor with its own database file, every entry on the pulse tariff.
struct MonitorBench {
    MonitorBench()
    {
        createDatabaseFile(path, Content::DefaultTariffs);
        AssociationStore(database.get()).ensureAssociated(dialUp.entryNames(), 2);
        monitor.start();
    }

    QTemporaryDir folder;
    QString path = folder.filePath(QStringLiteral("zrtell.T99"));
    MonitorDatabase database{path};
    DatabaseLogStore log{database};
    DatabaseTariffSource tariffs{database};
    MemoryDialUp dialUp;
    SteppingClock clock;
    NoDisplay display;
    ConnectionMonitor monitor{{dialUp, clock, log, tariffs, display}};
};

void BM_MonitorTickIdle(benchmark::State& state)
{
    MonitorBench bench;
    for (auto _ : state) {
        bench.clock.step();
        bench.monitor.tick();
    }
}
BENCHMARK(BM_MonitorTickIdle);

// While the last of the 50 entries is metered.
void BM_MonitorTickMetering50Entries(benchmark::State& state)
{
    MonitorBench bench;
    bench.dialUp.lineUp = true;
    bench.monitor.tick();
    for (auto _ : state) {
        bench.clock.step();
        bench.monitor.tick();
    }
}
BENCHMARK(BM_MonitorTickMetering50Entries);

// The meter tick: elapsed time, pulses and cost; every tenth tick also
// writes the checkpoint to the file.
void BM_MeterTick(benchmark::State& state)
{
    MonitorBench bench;
    bench.dialUp.lineUp = true;
    bench.monitor.tick();
    for (auto _ : state) {
        bench.clock.step();
        bench.monitor.meterTick();
    }
}
BENCHMARK(BM_MeterTick);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
