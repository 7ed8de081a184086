#include "fake_clock.h"
#include "recording_display.h"

#include "monitor/checkpoint_policy.h"
#include "monitor/log_writer.h"
#include "monitor/meter.h"

#include "database/database_error.h"

#include <gtest/gtest.h>

namespace zrt::test {
namespace {

TEST(StartCostText, IsThePlainAnswerChargeInLireAndTheMetersTextInEuro)
{
    const struct {
        double lire;
        Currency currency;
        const char* text;
    } cases[] = {
        {152.4, Currency::Lire, "152,4"}, {120, Currency::Lire, "120"},     {0, Currency::Lire, "0"},
        {1234.5, Currency::Lire, "1234,5"}, {152.4, Currency::Euro, ",079"}, {0, Currency::Euro, ","},
    };
    for (const auto& c : cases)
        EXPECT_EQ(startCostText(c.lire, c.currency), QString::fromUtf8(c.text)) << c.lire;
}

TEST(LogFigures, AreTheMetersCostRoundedToWholeLireHalvesAwayFromZero)
{
    const struct {
        double costLire;
        qint64 costo;
    } cases[] = {{152.4, 152}, {152.5, 153}, {304.8, 305}, {0, 0}};
    for (const auto& c : cases) {
        ConnectionState state;
        state.costLire = c.costLire;
        EXPECT_EQ(logFiguresOf(state).costo, c.costo) << c.costLire;
    }
}

TEST(CheckpointDue, AfterTenSecondsOrWhenTheTimeWentBack)
{
    EXPECT_FALSE(checkpointDue(9, 0));
    EXPECT_TRUE(checkpointDue(10, 0));
    EXPECT_FALSE(checkpointDue(29, 20));
    EXPECT_TRUE(checkpointDue(5, 20));
}

TEST(MeterTick, KeepsTheCostShownWhenTheTariffPricesNothing)
{
    RecordingDisplay display;
    Meter meter(display);
    ConnectionState state;
    state.startTime = {{2026, 12, 7}, {10 * 3600}};
    state.costLire = 152.4;
    display.showCost(QStringLiteral("152"));
    const PricingTerms noBands{Tariff{"Vuota", "Scatto", {}}, 20};

    meter.tick(state, noBands, 42'000);

    EXPECT_EQ(display.cost(), QStringLiteral("152"));
    EXPECT_EQ(display.elapsed, QStringLiteral("Tempo: 00:00:42"));
    EXPECT_EQ(state.costLire, 152.4);
}

// A log whose opens or closes fail while asked to.
class FlakyLogStore final : public LogStore {
public:
    int open(const QString&, LocalDateTime, const QString&) override
    {
        failIf(opensFail);
        return ++opened;
    }
    void checkpoint(int, const LogFigures&) override {}
    void close(int id, TimeOfDay, const LogFigures&) override
    {
        failIf(closesFail);
        closedIds.push_back(id);
    }
    QList<LogRow> openRows() override { return {}; }

    bool opensFail = false;
    bool closesFail = false;
    int opened = 0;
    std::vector<int> closedIds;

private:
    static void failIf(bool failing)
    {
        if (failing)
            throw DatabaseError(QStringLiteral("database is locked"));
    }
};

TEST(LogWriter, KeepsAFailedCloseAndWritesTheRowOnceLater)
{
    for (const bool opensFail : {true, false}) {
        FlakyLogStore store;
        LogWriter writer(store);
        store.opensFail = opensFail;
        store.closesFail = true;

        EXPECT_FALSE(writer.close({std::nullopt, {QStringLiteral("Casa"), {}, QStringLiteral("x")}, {}, {}}));
        EXPECT_EQ(writer.retryPending(), 0);
        EXPECT_TRUE(writer.hasPending());

        store.opensFail = store.closesFail = false;
        EXPECT_EQ(writer.retryPending(), 1);
        EXPECT_FALSE(writer.hasPending());
        EXPECT_EQ(store.opened, 1) << opensFail;
        EXPECT_EQ(store.closedIds, std::vector<int>{1});
    }
}

} // namespace
} // namespace zrt::test
