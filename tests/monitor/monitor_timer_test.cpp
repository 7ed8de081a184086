#include "recording_display.h"

#include "tests/support/fake_clock.h"
#include "tests/support/scratch_database.h"

#include "database/association_store.h"
#include "monitor/connection_monitor.h"
#include "monitor/database_log_store.h"
#include "monitor/database_tariff_source.h"
#include "monitor/monitor_database.h"
#include "monitor/monitor_timer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <utility>

namespace zrt::test {
namespace {

using namespace std::chrono_literals;
using ::testing::ElementsAre;
using ::testing::SizeIs;

constexpr LocalDateTime kMondayMorning{{2026, 12, 7}, {10 * 3600}};
constexpr const char* kServiceGone = "NetworkManager non è in esecuzione.";

// A dialer with one entry, "Casa", whose news is delivered by hand.
class ManualDialUp final : public DialUpService {
public:
    bool isDialUpActive() const override { return connected; }
    std::vector<std::string> entries() const override { return {"Casa"}; }
    bool isEntryConnected(std::string_view name) const override { return connected && name == "Casa"; }
    void hangUpAll() override { ++hangUps; }
    std::optional<std::string> takeHangUpRefusal() override { return std::exchange(refusal, std::nullopt); }
    DialUpAvailability availability() const override
    {
        if (serviceGone)
            return {DialUpAvailability::State::ServiceMissing, kServiceGone};
        return {};
    }
    void watch(std::function<void()> changed) override { changed_ = std::move(changed); }
    bool watchesEvents() const override { return canWatch && changed_; }

    bool isWatched() const { return static_cast<bool>(changed_); }

    // Something changed: the news reaches the program.
    void announce() const { changed_(); }

    // The source of news is lost: one last call, then no more.
    void loseNews()
    {
        canWatch = false;
        announce();
    }

    bool connected = false;
    bool canWatch = true;
    bool serviceGone = false;
    std::optional<std::string> refusal;
    int hangUps = 0;

private:
    std::function<void()> changed_;
};

class MonitorTimerTest : public testing::Test {
protected:
    MonitorTimerTest()
    {
        Database setup = scratch.open();
        AssociationStore(setup).associate(QStringLiteral("Casa"), 2);
        monitor.start();
    }

    // The line's state changes and the dialer tells of it.
    void setLine(bool up)
    {
        dialUp.connected = up;
        dialUp.announce();
    }

    ScratchDatabase scratch;
    MonitorDatabase database{scratch.path(), std::chrono::milliseconds(20)};
    DatabaseLogStore log{database};
    DatabaseTariffSource tariffs{database};
    ManualDialUp dialUp;
    FakeClock clock{kMondayMorning};
    RecordingDisplay display;
    ConnectionMonitor monitor{{dialUp, clock, log, tariffs, display}};
    int runs = 0;
    MonitorTimer timer{monitor, dialUp, [this] { ++runs; }};
    std::optional<ExclusiveLock> locker;
};

// The timer runs once a second while it must ask: when a call is metered,
// or when there is no news to wait for. An idle line with news has none.
TEST_F(MonitorTimerTest, RunsOnceASecondOnlyWhileMeteringOrWithoutNews)
{
    struct Case {
        const char* name;
        bool canWatch;
        MonitorTimer::News news;
        bool lineUp;
        std::optional<std::chrono::milliseconds> expected;
    };
    const Case cases[] = {
        {"idle, with news", true, MonitorTimer::News::Watched, false, std::nullopt},
        {"metering, with news", true, MonitorTimer::News::Watched, true, 1s},
        {"idle, news cannot be had", false, MonitorTimer::News::Watched, false, 1s},
        {"idle, news ignored", true, MonitorTimer::News::Ignored, false, 1s},
        {"metering, news ignored", true, MonitorTimer::News::Ignored, true, 1s},
    };
    for (const Case& c : cases) {
        dialUp.canWatch = c.canWatch;
        dialUp.connected = c.lineUp;
        timer.start(c.news);
        EXPECT_EQ(timer.nextRunInterval(), c.expected) << c.name;
        EXPECT_EQ(dialUp.isWatched(), c.news == MonitorTimer::News::Watched) << c.name;
        EXPECT_EQ(monitor.meterRunning(), c.lineUp) << c.name;
        timer.stop();
        EXPECT_FALSE(dialUp.isWatched()) << c.name << ": the news stops with the timer";
        EXPECT_EQ(timer.nextRunInterval(), std::nullopt) << c.name;
    }
}

// A call is noticed on the dialer's news, without waiting for a timer; its
// end stops the timer again.
TEST_F(MonitorTimerTest, NewsOfTheLineStartsAndEndsTheMetering)
{
    timer.start();
    EXPECT_EQ(runs, 1) << "the state is shown at start";
    EXPECT_EQ(display.caption, QStringLiteral("Non connesso"));

    setLine(true);
    EXPECT_EQ(display.caption, QStringLiteral("Connessione attiva Casa"));
    EXPECT_TRUE(monitor.meterRunning());
    EXPECT_EQ(timer.nextRunInterval(), 1s);
    EXPECT_THAT(scratch.rows(), SizeIs(1));

    clock.advance(5);
    setLine(false);
    EXPECT_EQ(display.caption, QStringLiteral("Non connesso"));
    EXPECT_EQ(timer.nextRunInterval(), std::nullopt);
    ASSERT_THAT(scratch.rows(), SizeIs(1));
    EXPECT_EQ(scratch.rows()[0].secondi, 5);
    EXPECT_EQ(runs, 3);
}

TEST_F(MonitorTimerTest, AWatchThatFailsLaterFallsBackToOnceASecond)
{
    timer.start();
    ASSERT_EQ(timer.nextRunInterval(), std::nullopt);

    dialUp.loseNews();
    EXPECT_EQ(timer.nextRunInterval(), 1s);
}

// A row that cannot be completed while the file is locked is tried again
// on a slow timer, which stops once it is written.
TEST_F(MonitorTimerTest, AWriteLeftPendingIsRetriedSlowlyUntilItIsMade)
{
    timer.start();
    setLine(true);
    clock.advance(3);
    locker.emplace(scratch);
    setLine(false);
    EXPECT_EQ(timer.nextRunInterval(), MonitorTimer::kRetryInterval);

    locker.reset();
    dialUp.announce();
    EXPECT_EQ(timer.nextRunInterval(), std::nullopt);
    EXPECT_FALSE(scratch.rows().value(0).fine.isEmpty());
}

// What the system refuses reaches the user, whether the backend knows it
// when asked or learns it later and tells of it.
TEST_F(MonitorTimerTest, AHangUpRefusalIsShownOnce)
{
    const QString refused = QStringLiteral("Impossibile chiudere la connessione: ppp0 (pid 42): Operation not permitted");
    for (const bool learntLater : {false, true}) {
        display.refusals.clear();
        dialUp.connected = true;
        timer.start();
        if (learntLater) {
            monitor.hangUp();
            dialUp.refusal = refused.toStdString();
            dialUp.announce();
        } else {
            dialUp.refusal = refused.toStdString();
            monitor.hangUp();
        }
        dialUp.announce();
        EXPECT_THAT(display.refusals, ElementsAre(refused)) << learntLater;
        timer.stop();
    }
    EXPECT_EQ(dialUp.hangUps, 2);
}

// With the service gone no line is seen, and the user reads why; a call
// already metered keeps its row and goes on when the service is back.
TEST_F(MonitorTimerTest, AMissingServiceIsShownWhileNoLineIsMetered)
{
    timer.start();
    dialUp.serviceGone = true;
    dialUp.announce();
    EXPECT_EQ(display.caption, QString::fromUtf8(kServiceGone));

    dialUp.serviceGone = false;
    setLine(true);
    clock.advance(4);
    dialUp.serviceGone = true; // the dialer keeps the line as it last saw it
    dialUp.announce();
    EXPECT_EQ(display.caption, QStringLiteral("Connessione attiva Casa"));
    EXPECT_TRUE(monitor.meterRunning());
    EXPECT_EQ(timer.nextRunInterval(), 1s);

    clock.advance(4);
    dialUp.serviceGone = false;
    dialUp.announce();
    clock.advance(2);
    setLine(false);
    ASSERT_THAT(scratch.rows(), SizeIs(1));
    EXPECT_EQ(scratch.rows()[0].secondi, 10);
}

} // namespace
} // namespace zrt::test
