#include "recording_display.h"

#include "monitor/checkpoint_policy.h"
#include "monitor/log_writer.h"
#include "monitor/meter.h"

#include <gtest/gtest.h>

namespace zrt::test {
namespace {

TEST(StartCostText, IsThePlainAnswerChargeInLireAndTheMetersTextInEuro)
{
    const std::tuple<double, Currency, const char*> cases[] = {
        {152.4, Currency::Lire, "152,4"}, {120, Currency::Lire, "120"},     {0, Currency::Lire, "0"},
        {1234.5, Currency::Lire, "1234,5"}, {152.4, Currency::Euro, ",079"}, {0, Currency::Euro, ","},
    };
    for (const auto& [lire, currency, text] : cases)
        EXPECT_EQ(startCostText(lire, currency), QString::fromUtf8(text)) << lire;
}

TEST(LogFigures, AreTheMetersCostRoundedToWholeLireHalvesAwayFromZero)
{
    const std::pair<double, qint64> cases[] = {{152.4, 152}, {152.5, 153}, {304.8, 305}, {0, 0}};
    for (const auto& [costLire, costo] : cases) {
        ConnectionState state;
        state.costLire = costLire;
        EXPECT_EQ(logFiguresOf(state).costo, costo) << costLire;
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

} // namespace
} // namespace zrt::test
