#include "monitor_fixture.h"

#include <gmock/gmock.h>

#include <filesystem>

namespace zrt::test {
namespace {

using ::testing::SizeIs;
using Traffic = std::pair<std::optional<qint64>, std::optional<qint64>>;

// The simulated line's counters are set by its bytes file; its row holds
// how much they grew since the call was noticed.
class TrafficMonitorTest : public MonitorFixture {
protected:
    void setCounters(const char* line) { writeSimFile("bytes", line); }
    void counterFileGone() { std::filesystem::remove(simFolder.path() / "bytes"); }

    Traffic loggedTraffic(qsizetype row = 0) const
    {
        const LogRow logged = rows().value(row);
        return {logged.byteRicevuti, logged.byteInviati};
    }
};

TEST_F(TrafficMonitorTest, TheGrowthReachesTheRowAtEachCheckpointAndAtTheEnd)
{
    setCounters("5000 700\n");
    startMonitor();
    lineUp("Casa");
    setCounters("15000 1700\n");
    runSeconds(10);
    EXPECT_EQ(loggedTraffic(), (Traffic{10'000, 1'000}));

    setCounters("300 40\n"); // the interface made anew
    runSeconds(5);
    setCounters("not counters\n");
    runSeconds(5);
    EXPECT_EQ(loggedTraffic(), (Traffic{10'300, 1'040}));

    setCounters("800 90\n");
    runSeconds(3);
    counterFileGone(); // the interface is gone before the drop is seen
    lineDown();
    ASSERT_THAT(rows(), SizeIs(1));
    EXPECT_FALSE(rows()[0].fine.isEmpty());
    EXPECT_EQ(loggedTraffic(), (Traffic{10'800, 1'090}));
}

// Counters never read leave the traffic unknown; the next call counts afresh.
TEST_F(TrafficMonitorTest, CountersNeverReadLeaveTheTrafficUnknown)
{
    startMonitor();
    lineUp("Casa");
    runSeconds(10);
    lineDown();
    EXPECT_EQ(loggedTraffic(), (Traffic{}));

    setCounters("9000 9000\n");
    lineUp("Casa");
    setCounters("9100 9050\n");
    runSeconds(1);
    lineDown();
    EXPECT_EQ(loggedTraffic(1), (Traffic{100, 50}));
}

// Killed 15 s into the call, with 4000 and 500 bytes checkpointed, and
// started again with the line still up: the count goes on from there.
TEST_F(TrafficMonitorTest, AResumedCallGoesOnFromItsCheckpointedTraffic)
{
    setCounters("1000 100\n");
    startMonitor();
    lineUp("Casa");
    setCounters("5000 600\n");
    runSeconds(15);
    crash();
    setCounters("9000 900\n");
    clock.advance(30);
    startMonitor();
    monitor->tick();
    setCounters("9500 950\n");
    runSeconds(1);
    lineDown();
    ASSERT_THAT(rows(), SizeIs(1));
    EXPECT_EQ(loggedTraffic(), (Traffic{4'500, 550}));
}

} // namespace
} // namespace zrt::test
