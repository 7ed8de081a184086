#include "monitor_fixture.h"

#include "database/spending_limit_store.h"

#include <gtest/gtest.h>

namespace zrt::test {
namespace {

// A limit of 760 Lire with 400 already spent this month: a call on "Casa"
// costs 152 Lire at once (552, within), 305 from its second pulse at 180 s
// (705, past 80 %) and 457 from its third at 360 s (857, past 100 %).
class SpendingLimitMonitor : public MonitorFixture {
protected:
    SpendingLimitMonitor()
    {
        Database setup = scratch.open();
        SpendingLimitStore(setup).setLimit(760);
        setup.query(QStringLiteral("INSERT INTO Connessioni (data, Connessione, inizio, fine, costo, scatti, secondi) "
                                   "VALUES ('2026-12-01', 'Casa', '09:00:00', '09:10:00', 400, 3, 600)"));
    }

    LimitWarnings storedWarnings() const
    {
        Database file = scratch.open();
        return SpendingLimitStore(file).warnings();
    }

    void setLimit(std::optional<qint64> lire)
    {
        Database file = scratch.open();
        if (lire)
            SpendingLimitStore(file).setLimit(*lire);
        else
            SpendingLimitStore(file).clearLimit();
    }
};

TEST_F(SpendingLimitMonitor, EachWarningOnceAsTheCallRuns)
{
    startMonitor();
    lineUp("Casa");
    const struct {
        int seconds; // run before looking
        LimitLevel level;
        int warnings;
    } steps[] = {
        {170, LimitLevel::Within, 0}, {20, LimitLevel::Near, 1}, {150, LimitLevel::Near, 1},
        {30, LimitLevel::Reached, 2}, {200, LimitLevel::Reached, 2},
    };
    int elapsed = 0;
    for (const auto& step : steps) {
        runSeconds(step.seconds);
        elapsed += step.seconds;
        SCOPED_TRACE(elapsed);
        EXPECT_EQ(display.spendingLevel, step.level);
        EXPECT_EQ(display.spendingWarnings.size(), step.warnings);
    }
    ASSERT_EQ(display.spendingWarnings.size(), 2);
    EXPECT_EQ(display.spendingWarnings[0], QStringLiteral("Limite di spesa mensile: superato l'80% (705 di 760 Lire)"));
    EXPECT_EQ(display.spendingWarnings[1], QStringLiteral("Limite di spesa mensile: superato il 100% (857 di 760 Lire)"));
    EXPECT_EQ(storedWarnings().near, "2026-12");
    EXPECT_EQ(storedWarnings().reached, "2026-12");
}

TEST_F(SpendingLimitMonitor, ARestartOrTheNextCallDoesNotRepeatThem)
{
    startMonitor();
    lineUp("Casa");
    runSeconds(400);
    ASSERT_EQ(display.spendingWarnings.size(), 2);
    crash();
    display.spendingWarnings.clear();
    startMonitor(); // takes the call up again in its own row
    runSeconds(30);
    lineDown();
    lineUp("Casa");
    runSeconds(30);
    EXPECT_EQ(display.spendingLevel, LimitLevel::Reached) << "the month is still over the limit";
    EXPECT_TRUE(display.spendingWarnings.isEmpty());
}

// A limit changed from the management window or the command line during a
// call counts within a minute, without waiting for the next call.
TEST_F(SpendingLimitMonitor, ALimitChangedDuringTheCallCountsAtOnce)
{
    const struct {
        const char* change;
        std::optional<qint64> limit;
        LimitLevel level;
    } cases[] = {
        {"raised past the spending", 10'000, LimitLevel::Within},
        {"raised to just above it", 1'000, LimitLevel::Near},
        {"cleared", std::nullopt, LimitLevel::Within},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.change);
        setLimit(760);
        startMonitor();
        lineUp("Casa");
        runSeconds(400);
        ASSERT_EQ(display.spendingLevel, LimitLevel::Reached);
        setLimit(c.limit);
        runSeconds(60);
        EXPECT_EQ(display.spendingLevel, c.level);
        EXPECT_EQ(display.spendingWarnings.size(), 2) << "no warning is repeated";
        lineDown();
        crash();
        display.spendingWarnings.clear();
        Database file = scratch.open();
        file.query(QStringLiteral("DELETE FROM Connessioni WHERE data = '2026-12-07'"));
        file.query(QStringLiteral("DELETE FROM Impostazioni WHERE chiave <> 'LimiteMensile'"));
    }
}

// The row of a call that runs past the end of the month is dated by its
// start, so the call counts in that month alone; the new month starts from
// its own ended calls.
TEST_F(SpendingLimitMonitor, ACallPastTheMonthsEndCountsInTheMonthItStarted)
{
    setLimit(200);
    {
        Database file = scratch.open();
        file.query(QStringLiteral("DELETE FROM Connessioni"));
    }
    clock.setWallClock((24 * 24 + 13) * 3600 + 50 * 60); // Thursday 31 December, 23:50
    startMonitor();
    lineUp("Casa");
    runSeconds(590);
    EXPECT_EQ(display.spendingLevel, LimitLevel::Reached);
    EXPECT_EQ(display.spendingWarnings.size(), 1);
    runSeconds(20 * 60);
    EXPECT_EQ(display.spendingLevel, LimitLevel::Within) << "January has spent nothing yet";
    EXPECT_EQ(display.spendingWarnings.size(), 1);
    EXPECT_EQ(storedWarnings().reached, "2026-12");
}

TEST_F(SpendingLimitMonitor, NoLimitNoWarning)
{
    {
        Database file = scratch.open();
        SpendingLimitStore(file).clearLimit();
    }
    startMonitor();
    lineUp("Casa");
    runSeconds(400);
    EXPECT_EQ(display.spendingLevel, LimitLevel::Within);
    EXPECT_TRUE(display.spendingWarnings.isEmpty());
}

} // namespace
} // namespace zrt::test
