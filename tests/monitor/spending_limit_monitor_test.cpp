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
