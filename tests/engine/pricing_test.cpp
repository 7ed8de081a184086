#include "engine/pricing.h"

#include <gtest/gtest.h>

namespace zrt {
namespace {

LocalDateTime at(std::string_view text)
{
    return parseLocalDateTime(text).value();
}

struct BandSpec {
    DayType tipo;
    std::string_view inizio;
    std::string_view fine;
    double durata;
    double costo;
    double costoAllaRisposta = 0;
    std::optional<double> secondoCosto = std::nullopt;
};

Tariff tariff(std::string_view tipotariffazione, std::initializer_list<BandSpec> specs)
{
    Tariff result{"Telecom Italia", std::string(tipotariffazione), {}};
    for (const BandSpec& spec : specs)
        result.fasce.push_back({spec.tipo, parseTimeOfDay(spec.inizio).value(),
                                parseTimeOfDay(spec.fine).value(), spec.durata, spec.costo,
                                spec.costoAllaRisposta, spec.secondoCosto});
    return result;
}

constexpr auto kFer = DayType::Fer;
constexpr auto kPre = DayType::Pre;
constexpr auto kFes = DayType::Fes;

// Weekday pulse tariff: full rate by day, reduced rate otherwise.
const Tariff kWeekdayPulses = tariff("Scatto", {
    {kFer, "00:00", "08:00", 340, 127, 127},
    {kFer, "08:00", "18:30", 180, 127, 127},
    {kFer, "18:30", "24:00", 340, 127, 127},
});

// One Lira a second on weekdays, two on Saturdays, three on holidays.
const Tariff kRateByDayType = tariff("Minuto", {
    {kFer, "00:00", "24:00", 0, 60},
    {kPre, "00:00", "24:00", 0, 120},
    {kFes, "00:00", "24:00", 0, 180},
});

void expectReading(const std::optional<MeterReading>& reading, long long pulses, double costLire)
{
    ASSERT_TRUE(reading);
    EXPECT_EQ(reading->pulses, pulses);
    EXPECT_NEAR(reading->costLire, costLire, 1e-9);
}

TEST(PulsePricing, CompletedIntervalsPlusAnswerCharge)
{
    const Tariff allDay = tariff("Scatto", {{kFer, "00:00", "24:00", 180, 127, 127}});
    const std::tuple<long long, long long, double> cases[] = {
        {0, 0, 152.4}, {179, 0, 152.4}, {180, 1, 304.8}, {359, 1, 304.8}, {360, 2, 457.2},
    };
    for (const auto& [elapsed, pulses, cost] : cases) {
        SCOPED_TRACE(elapsed);
        const auto reading = priceConnection(allDay, at("2024-03-13 10:00:00"), elapsed, 20);
        expectReading(reading, pulses, cost);
        EXPECT_EQ(reading->elapsedSeconds, elapsed);
    }
}

TEST(PulsePricing, EachStretchAtTheBandInForce)
{
    // 17:30-18:30 is 20 pulses of 180 s, 18:30-19:00 adds 5.29 pulses of 340 s.
    expectReading(priceConnection(kWeekdayPulses, at("2024-03-13 17:30:00"), 5400, 20), 25, 3962.4);
}

TEST(PulsePricing, PulseCostsThePriceOfTheBandItCompletesIn)
{
    const Tariff twoPrices = tariff("Scatto", {
        {kFer, "00:00", "09:00", 100, 10, 1},
        {kFer, "09:00", "24:00", 100, 20, 2},
    });
    const std::tuple<std::string_view, long long, long long, double> cases[] = {
        {"2024-03-13 08:59:10", 100, 1, 1 + 20}, // half a pulse in each band
        {"2024-03-13 08:58:20", 100, 1, 1 + 10}, // completes right at the boundary
        {"2024-03-13 08:58:20", 200, 2, 1 + 10 + 20},
    };
    for (const auto& [start, elapsed, pulses, cost] : cases) {
        SCOPED_TRACE(start);
        expectReading(priceConnection(twoPrices, at(start), elapsed, 0), pulses, cost);
    }
}

TEST(PulsePricing, ProgressSummedOverBandsKeepsWholePulses)
{
    // 2/10 + 7/10 + 1/10 adds up to just below 1 in floating point.
    const Tariff slices = tariff("Scatto", {
        {kFer, "00:00:00", "10:00:02", 10, 1},
        {kFer, "10:00:02", "10:00:09", 10, 1},
        {kFer, "10:00:09", "24:00:00", 10, 1},
    });
    expectReading(priceConnection(slices, at("2024-03-13 10:00:00"), 10, 0), 1, 1);
}

TEST(PulsePricing, BandWithoutPulsePeriodAddsNoProgress)
{
    const Tariff freeHour = tariff("Scatto", {
        {kFer, "00:00", "11:00", 0, 50},
        {kFer, "11:00", "24:00", 60, 10},
    });
    expectReading(priceConnection(freeHour, at("2024-03-13 10:59:00"), 120, 0), 1, 10);
}

TEST(MinutePricing, WithoutThresholdEverySecondCostsTheFirstPrice)
{
    // 120 Lire a minute with 20% VAT: 2.4 Lire a second from an answer charge of 120.
    const Tariff flat = tariff("Minuto", {{kFer, "00:00", "24:00", 0, 120, 100}});
    for (const long long elapsed : {0, 1, 59, 61, 3600}) {
        SCOPED_TRACE(elapsed);
        const auto reading = priceConnection(flat, at("2024-03-13 10:00:00"), elapsed, 20);
        ASSERT_TRUE(reading);
        EXPECT_NEAR(reading->costLire, 120 + 2.4 * static_cast<double>(elapsed), 1e-9);
    }
}

TEST(MinutePricing, SecondPriceAfterTheThresholdMinute)
{
    const Tariff threshold = tariff("Minuto", {{kFer, "00:00", "24:00", 3, 60, 0, 30}});
    const Tariff noSecondPrice = tariff("Minuto", {{kFer, "00:00", "24:00", 3, 60}});
    const std::tuple<const Tariff*, long long, double> cases[] = {
        {&threshold, 120, 120},    {&threshold, 180, 180},     {&threshold, 240, 210},
        {&noSecondPrice, 240, 240}, {&noSecondPrice, 3600, 3600},
    };
    for (const auto& [priced, elapsed, cost] : cases) {
        SCOPED_TRACE(elapsed);
        const auto reading = priceConnection(*priced, at("2024-03-13 10:00:00"), elapsed, 0);
        ASSERT_TRUE(reading);
        EXPECT_NEAR(reading->costLire, cost, 1e-9);
    }
}

TEST(MinutePricing, ThresholdCountsFromTheStartOfTheConnection)
{
    const Tariff twoBands = tariff("Minuto", {
        {kFer, "00:00", "10:00", 3, 60, 0, 30},
        {kFer, "10:00", "24:00", 3, 120, 0, 90},
    });
    // Two minutes at 60, then a minute at 120 and a minute at 90 in the second band.
    const auto reading = priceConnection(twoBands, at("2024-03-13 09:58:00"), 240, 0);
    ASSERT_TRUE(reading);
    EXPECT_NEAR(reading->costLire, 120 + 120 + 90, 1e-9);
}

TEST(MinutePricing, PulsesAreMinutesRoundedHalfToEven)
{
    const std::pair<long long, long long> cases[] = {
        {0, 0}, {29, 0}, {30, 0}, {31, 1}, {89, 1}, {90, 2}, {150, 2}, {210, 4},
    };
    for (const auto& [elapsed, minutes] : cases) {
        const auto reading = priceConnection(kRateByDayType, at("2024-03-13 10:00:00"), elapsed, 0);
        ASSERT_TRUE(reading);
        EXPECT_EQ(reading->pulses, minutes) << elapsed;
    }
}

TEST(Pricing, DayTypeOfEachDateFromMidnight)
{
    const std::tuple<std::string_view, long long, double> cases[] = {
        {"2024-03-15 23:59:00", 120, 60 + 120},  // Friday into Saturday
        {"2024-03-16 23:59:00", 120, 120 + 180}, // Saturday into Sunday
        {"2024-03-17 23:59:30", 60, 90 + 30},    // Sunday into Monday
        {"2024-12-24 23:59:00", 120, 120 + 180}, // Christmas Eve into Christmas
        {"2024-12-31 23:59:00", 120, 120 + 180}, // into New Year's Day
        {"2024-08-14 23:59:00", 120, 60 + 180},  // into 15 August
        {"2024-04-24 23:59:00", 120, 60 + 180},  // into 25 April
        {"2024-03-15 00:00:00", 2 * 86400, 86400 + 2 * 86400},
    };
    for (const auto& [start, elapsed, cost] : cases) {
        SCOPED_TRACE(start);
        const auto reading = priceConnection(kRateByDayType, at(start), elapsed, 0);
        ASSERT_TRUE(reading);
        EXPECT_NEAR(reading->costLire, cost, 1e-9);
    }
}

TEST(Pricing, GapsTakeTheBandBeforeThemOrAtTheStartTheBandAfter)
{
    const Tariff gappy = tariff("Minuto", {
        {kFer, "08:00", "12:00", 0, 60, 10},
        {kFer, "12:00", "13:00", 0, 120, 20},
        {kFer, "14:00", "18:00", 0, 180, 30},
    });
    const std::tuple<std::string_view, long long, double> cases[] = {
        {"2024-03-13 11:59:59", 2, 10 + 1 + 2},             // the boundary second is no gap
        {"2024-03-13 12:00:00", 1, 20 + 2},                 // a band starts at its Inizio
        {"2024-03-13 12:59:00", 3720, 20 + 2 * 3660 + 3 * 60}, // 13:00-14:00 at the band before
        {"2024-03-13 13:30:00", 3600, 30 + 3 * 3600},       // starts in the gap: band after
        {"2024-03-13 17:59:00", 120, 30 + 3 * 120},         // evening gap
        {"2024-03-15 19:00:00", 60, 10 + 60},               // weekend-long gap: Monday's first band
    };
    for (const auto& [start, elapsed, cost] : cases) {
        SCOPED_TRACE(start);
        const auto reading = priceConnection(gappy, at(start), elapsed, 0);
        ASSERT_TRUE(reading);
        EXPECT_NEAR(reading->costLire, cost, 1e-9);
    }
}

TEST(Pricing, NothingWhenNoBandForTheDayTypesMet)
{
    const Tariff saturdaysOnly = tariff("Minuto", {{kPre, "00:00", "24:00", 0, 60, 5}});
    const Tariff emptyBandsOnly = tariff("Scatto", {{kFer, "10:00", "10:00", 180, 127}});
    EXPECT_FALSE(priceConnection(Tariff{}, at("2024-03-13 10:00:00"), 60, 20));
    EXPECT_FALSE(priceConnection(saturdaysOnly, at("2024-03-13 10:00:00"), 3600, 20));
    EXPECT_FALSE(priceConnection(emptyBandsOnly, at("2024-03-13 09:00:00"), 7200, 20));
    EXPECT_FALSE(priceConnection(saturdaysOnly, at("2024-03-15 23:00:00"), 3600, 0)); // ends at midnight

    // Friday evening into Saturday: the Friday hour is a gap charged at Saturday's band.
    const auto intoSaturday = priceConnection(saturdaysOnly, at("2024-03-15 23:30:00"), 3600, 0);
    ASSERT_TRUE(intoSaturday);
    EXPECT_NEAR(intoSaturday->costLire, 5 + 3600, 1e-9);
}

TEST(Pricing, NegativeElapsedTimeChargesOnlyTheAnswer)
{
    const auto reading = priceConnection(kWeekdayPulses, at("2024-03-13 10:00:00"), -30, 20);
    ASSERT_TRUE(reading);
    EXPECT_EQ(reading->elapsedSeconds, 0);
    expectReading(reading, 0, 152.4);
}

} // namespace
} // namespace zrt
